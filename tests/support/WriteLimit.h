#pragma once
// Makes every file write of this process beyond `bytes` fail (EFBIG) while the
// object lives: a portable way to see how the program copes with a write that
// fails half way, even when the tests run as root.
#include <csignal>
#include <sys/resource.h>

namespace vel::test {

class WriteLimit {
public:
    explicit WriteLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~WriteLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    WriteLimit(const WriteLimit &) = delete;
    WriteLimit &operator=(const WriteLimit &) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace vel::test
