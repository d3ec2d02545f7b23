#pragma once
// A named pipe standing at a file's name, as anyone could leave one in the
// program's folder. Opening it to read waits for a writer that never comes:
// while the object lives, a watcher plays that writer the moment anything
// opens the pipe, so a reader that should have left it alone ends with an
// empty file instead of hanging the test, and Opened() says it happened.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <thread>

namespace vel::test {

class PipeTrap {
public:
    explicit PipeTrap(const QString &path) : path_(QFile::encodeName(path)) {
        made_ = mkfifo(path_.constData(), 0600) == 0;
        watcher_ = std::thread([this] {
            while (!done_) {
                // Succeeds only while a reader has the pipe open.
                const int fd = open(path_.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened_ = true;
                    close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
    ~PipeTrap() {
        done_ = true;
        watcher_.join();
    }
    PipeTrap(const PipeTrap &) = delete;
    PipeTrap &operator=(const PipeTrap &) = delete;

    bool Made() const { return made_; }
    // True once anything opened the pipe.
    bool Opened() const { return opened_; }

private:
    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::atomic<bool> opened_{false};
    std::thread watcher_;
};

}  // namespace vel::test
