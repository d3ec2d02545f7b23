#include "WriteFault.h"

#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

// The reserve is defined below under both of the C library's names; its own
// declarations (fcntl.h) would rename one of them, so they stay out.
static_assert(sizeof(off_t) == 8, "the reserve's offsets are 64-bit");

namespace vel::test {
namespace {

std::atomic<bool> g_armed{false};
std::string g_path;  // the file's canonical path
qint64 g_from = 0;
WriteFault::Reserve g_reserve = WriteFault::Reserve::Granted;
std::atomic<int> g_refused{0};
std::atomic<int> g_reserves{0};

bool IsFaultyFile(int fd) {
    if (!g_armed.load(std::memory_order_acquire)) return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t n = readlink(link, target, sizeof target);
    return n == ssize_t(g_path.size()) && std::memcmp(target, g_path.data(), size_t(n)) == 0;
}

int Reserve(int fd, int mode, off_t offset, off_t length) {
    if (IsFaultyFile(fd)) {
        ++g_reserves;
        switch (g_reserve) {
        case WriteFault::Reserve::Granted: break;
        case WriteFault::Reserve::Refused: errno = ENOSPC; return -1;
        case WriteFault::Reserve::Unsupported: errno = EOPNOTSUPP; return -1;
        }
    }
    return int(syscall(SYS_fallocate, fd, mode, offset, length));
}

}  // namespace

WriteFault::WriteFault(const QString &path, qint64 fromOffset, Reserve reserve) {
    g_path = QFileInfo(path).canonicalFilePath().toStdString();
    g_from = fromOffset;
    g_reserve = reserve;
    g_refused = 0;
    g_reserves = 0;
    g_armed.store(true, std::memory_order_release);
}

WriteFault::~WriteFault() { g_armed.store(false, std::memory_order_release); }

int WriteFault::Refused() const { return g_refused; }

int WriteFault::Reserves() const { return g_reserves; }

}  // namespace vel::test

// Every write of the process passes here (the program's own definition comes
// before the C library's; QFile writes with it); unarmed, it is the plain
// system call.
extern "C" ssize_t write(int fd, const void *buffer, size_t count) {
    using namespace vel::test;
    if (count > 0 && IsFaultyFile(fd)) {
        const off_t at = lseek(fd, 0, SEEK_CUR);
        if (at >= g_from) {
            ++g_refused;
            errno = ENOSPC;
            return -1;
        }
        if (qint64(count) > g_from - at) {
            ++g_refused;
            count = size_t(g_from - at);
        }
    }
    return syscall(SYS_write, fd, buffer, count);
}

extern "C" int fallocate(int fd, int mode, off_t offset, off_t length) {
    return vel::test::Reserve(fd, mode, offset, length);
}

extern "C" int fallocate64(int fd, int mode, off_t offset, off_t length) {
    return vel::test::Reserve(fd, mode, offset, length);
}
