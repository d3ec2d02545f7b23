#pragma once
// Makes the reads of one file fail from a byte offset on (EIO) while the
// object lives, as a disk with bad sectors there would: a way to see how the
// program copes with an archive that fails part way through a scan. Reads of
// any other file, and reads before the offset, go through untouched.
#include <QString>

namespace vel::test {

class ReadFault {
public:
    ReadFault(const QString &path, qint64 fromOffset);
    ~ReadFault();
    ReadFault(const ReadFault &) = delete;
    ReadFault &operator=(const ReadFault &) = delete;
    // The reads refused so far.
    int Refused() const;
};

}  // namespace vel::test
