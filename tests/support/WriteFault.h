#pragma once
// Makes the writes of one file fail (ENOSPC) from a byte offset on while the
// object lives, as a disk that fills up there would: a write that begins
// before the offset writes up to it and no further, the next one is refused.
// The reserve of room in that file (fallocate) can be made to fail as well,
// as it does on a full disk when the range still has holes, or to answer that
// the file system cannot reserve at all. Writes of any other file, and
// reserves while granted, go through untouched.
#include <QString>

namespace vel::test {

class WriteFault {
public:
    enum class Reserve {
        Granted,      // the real reserve
        Refused,      // no room on the disk (ENOSPC)
        Unsupported,  // a file system that cannot reserve (EOPNOTSUPP)
    };
    WriteFault(const QString &path, qint64 fromOffset, Reserve reserve = Reserve::Granted);
    ~WriteFault();
    WriteFault(const WriteFault &) = delete;
    WriteFault &operator=(const WriteFault &) = delete;
    // The writes cut short or refused so far.
    int Refused() const;
    // The reserves asked for so far, whatever their answer.
    int Reserves() const;
};

}  // namespace vel::test
