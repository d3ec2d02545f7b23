#include "ArchiveFile.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ProgramFolder.h"
#include "SafeFile.h"

namespace vel {
namespace {
// The most a sequential scan keeps in memory, whatever the archive's size.
constexpr int kBlockBytes = 256 * 1024;
}  // namespace

QString ArchiveFailureMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.") +
           QStringLiteral("\n\r\n\r") +
           QStringLiteral("Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

QString EmptyArchiveNotice() { return QStringLiteral("L'archivio non contiene nessuna scheda."); }

ArchiveFile::~ArchiveFile() { CloseArchive(); }

void ArchiveFile::OpenArchive(const QString &fileName, const RecordLayout &layout) {
    OpenArchivePath(ProgramPath(fileName), layout);
}

void ArchiveFile::OpenArchivePath(const QString &path, const RecordLayout &layout) {
    CloseArchive();
    layout_ = &layout;
    size_ = layout.Size();
    file_.setFileName(path);
    const FileState state = StateOfFile(path);
    // An existing file is never created anew or truncated, whatever happens.
    // Unbuffered: reads come in blocks of their own, and a write that fails
    // leaves nothing behind in a buffer that the close would write later.
    const QIODevice::OpenMode mode = QIODevice::ReadWrite | QIODevice::Unbuffered |
                                     (state == FileState::Missing ? QIODevice::NewOnly : QIODevice::ExistingOnly);
    if (state == FileState::Unreadable || !file_.open(mode)) Fail("cannot open");
    const qint64 length = file_.size();
    if (length / size_ > INT32_MAX) Fail("archive too large");
    count_ = static_cast<int>(length / size_);
    position_ = 0;
    blockCount_ = 0;
}

void ArchiveFile::CloseArchive() {
    if (file_.isOpen()) file_.close();
    block_ = QByteArray();
    blockCount_ = 0;
}

void ArchiveFile::Fail(const char *what) const {
    throw ArchiveError(std::string(what) + ": " + file_.fileName().toStdString());
}

void ArchiveFile::CheckOpen(const Record &record) const {
    if (!file_.isOpen()) Fail("archive not open");
    if (&record.Layout() != layout_ && record.Layout().Size() != size_) Fail("wrong record type");
}

void ArchiveFile::ReadRecord(int n, Record &record) {
    CheckOpen(record);
    if (n < 1 || n > count_) Fail("no such record");
    position_ = n - 1;
    ReadNextRecord(record);
}

void ArchiveFile::ReadNextRecord(Record &record) {
    CheckOpen(record);
    std::memcpy(record.Bytes().data(), ReadNextInPlace(), size_);
}

const char *ArchiveFile::ReadNextInPlace() {
    if (!file_.isOpen()) Fail("archive not open");
    if (position_ >= count_) Fail("read past the last record");
    if (position_ < blockFirst_ || position_ >= blockFirst_ + blockCount_) {
        const int perBlock = std::max(1, kBlockBytes / size_);
        const int want = std::min(perBlock, count_ - position_);
        block_.resize(qsizetype(want) * size_);
        if (!file_.seek(qint64(position_) * size_) ||
            file_.read(block_.data(), block_.size()) != block_.size()) {
            blockCount_ = 0;
            Fail("read failed");
        }
        blockFirst_ = position_;
        blockCount_ = want;
    }
    const char *const bytes = block_.constData() + qsizetype(position_ - blockFirst_) * size_;
    ++position_;
    return bytes;
}

qint64 ArchiveFile::WriteAt(qint64 at, const char *bytes, qint64 count) {
    blockCount_ = 0;  // the block may hold the old bytes
    if (!file_.seek(at)) return 0;
    // The file is unbuffered: what the write reports is what reached it.
    return std::max<qint64>(0, file_.write(bytes, count));
}

void ArchiveFile::Reserve(qint64 at) {
    // Gives the record's range its blocks before a byte of it changes: a file
    // kept with holes (a copy that preserves them) needs new blocks to be
    // written over, and on a full disk the write would stop part way. Mode 0
    // within the file's length allocates the holes, which read as zeros as
    // before, and changes no byte and not the length.
    while (fallocate(file_.handle(), 0, at, size_) != 0) {
        if (errno == EINTR) continue;
        // A file system that cannot reserve: the write goes on without, and
        // a failure is still undone below.
        if (errno == EOPNOTSUPP || errno == ENOSYS) return;
        Fail("no room for the record");
    }
}

void ArchiveFile::WriteRecord(int n, const Record &record) {
    CheckOpen(record);
    if (n < 1 || n > count_) Fail("no such record");
    const qint64 at = qint64(n - 1) * size_;
    // The stored record, to put back should the write stop part way: the
    // archive never keeps a record that is half the old and half the new.
    QByteArray old(size_, Qt::Uninitialized);
    blockCount_ = 0;
    if (!file_.seek(at) || file_.read(old.data(), size_) != size_) Fail("read failed");
    Reserve(at);
    const qint64 written = WriteAt(at, record.Bytes().constData(), size_);
    if (written != size_) {
        // Only the bytes the failed write changed go back, and they lie in
        // blocks that the reserve (or that write itself) has just given the
        // record: on a file system that writes in place, putting them back
        // needs no room the disk may no longer have. Bytes after them were
        // never touched.
        if (written > 0 && WriteAt(at, old.constData(), written) != written)
            Fail("write failed and the old record could not be put back");
        Fail("write failed");
    }
    position_ = n;
}

int ArchiveFile::AppendRecord(const Record &record) {
    CheckOpen(record);
    const int c = count_;
    // The next number would not fit: as large an archive as reading takes.
    if (c == INT32_MAX) Fail("archive too large");
    // A record written in part (a full disk) would be counted as a whole one
    // by the next command, with whatever the disk holds after its bytes:
    // the archive goes back to its length before the append.
    const qint64 before = file_.size();
    if (WriteAt(qint64(c) * size_, record.Bytes().constData(), size_) != size_) {
        file_.resize(before);
        Fail("write failed");
    }
    count_ = c + 1;
    position_ = count_;
    return count_;
}

}  // namespace vel
