#pragma once
// A file made only of fixed-size records, with no header. Each command opens
// the archive, does its work and closes it again; the object closes the file
// when it goes out of scope, also when a command fails half way.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <stdexcept>

#include "Record.h"

namespace vel {

class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The texts every card file shows for archive failures and empty archives.
QString ArchiveFailureMessage();
QString EmptyArchiveNotice();

class ArchiveFile {
public:
    ArchiveFile() = default;
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    // Opens the file of that name in the program's folder for reading and
    // writing, creating it empty when it does not exist. A file that exists but
    // cannot be opened is left untouched and raises ArchiveError.
    void OpenArchive(const QString &fileName, const RecordLayout &layout);
    // The same for a full path (the planner names its file itself).
    void OpenArchivePath(const QString &path, const RecordLayout &layout);
    bool IsOpen() const { return file_.isOpen(); }

    // The number of whole records; stray bytes after the last one are ignored.
    int RecordCount() const { return count_; }
    // Records read or written so far: the next sequential read yields Position() + 1.
    int Position() const { return position_; }

    // Reads record n (1..count); afterwards the position is n.
    void ReadRecord(int n, Record &record);
    // Reads the record after the position and moves on by one.
    void ReadNextRecord(Record &record);
    // The same without copying: the record's bytes where they lie in the
    // block read from the file. They stay as they are until the next read,
    // write or close of this archive; a scan looks at each record there
    // (Record::ViewBytes) and copies out only what it keeps.
    const char *ReadNextInPlace();
    // Overwrites record n in place (1..count, anything else is refused). A
    // write that fails leaves the stored record byte for byte as it was.
    void WriteRecord(int n, const Record &record);
    // Writes the record after the last whole one; returns its number.
    int AppendRecord(const Record &record);
    void CloseArchive();

private:
    void CheckOpen(const Record &record) const;
    // Writes count bytes at byte `at`; returns how many reached the file.
    qint64 WriteAt(qint64 at, const char *bytes, qint64 count);
    // Allocates on disk the blocks of the record at byte `at` (see there).
    void Reserve(qint64 at);
    [[noreturn]] void Fail(const char *what) const;

    QFile file_;
    const RecordLayout *layout_ = nullptr;
    int size_ = 0;
    int count_ = 0;
    int position_ = 0;
    // Sequential reads are served from one block of records read at once.
    QByteArray block_;
    int blockFirst_ = 0;
    int blockCount_ = 0;
};

}  // namespace vel
