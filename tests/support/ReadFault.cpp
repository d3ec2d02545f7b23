#include "ReadFault.h"

#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace vel::test {
namespace {

std::atomic<bool> g_armed{false};
std::string g_path;  // the file's canonical path
qint64 g_from = 0;
std::atomic<int> g_refused{0};

bool IsFaultyFile(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t n = readlink(link, target, sizeof target);
    return n == ssize_t(g_path.size()) && std::memcmp(target, g_path.data(), size_t(n)) == 0;
}

}  // namespace

ReadFault::ReadFault(const QString &path, qint64 fromOffset) {
    g_path = QFileInfo(path).canonicalFilePath().toStdString();
    g_from = fromOffset;
    g_refused = 0;
    g_armed.store(true, std::memory_order_release);
}

ReadFault::~ReadFault() { g_armed.store(false, std::memory_order_release); }

int ReadFault::Refused() const { return g_refused; }

}  // namespace vel::test

// Every read of the process passes here (the program's own definition comes
// before the C library's); unarmed, it is the plain system call.
extern "C" ssize_t read(int fd, void *buffer, size_t count) {
    using namespace vel::test;
    if (g_armed.load(std::memory_order_acquire) && IsFaultyFile(fd)) {
        const off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= g_from) {
            ++g_refused;
            errno = EIO;
            return -1;
        }
        count = std::min<size_t>(count, size_t(g_from - at));
    }
    return syscall(SYS_read, fd, buffer, count);
}
