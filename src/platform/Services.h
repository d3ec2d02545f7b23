#pragma once
// What the program asks of the desktop besides windows: handing a document,
// web address or "mailto:" text to the system, choosing a file, printing and
// previewing pages. Each is one small interface; tests install recording fakes.
#include <QList>
#include <QPageLayout>
#include <QPicture>
#include <QString>
#include <iterator>
#include <memory>

class QPainter;
class QWidget;

namespace vel {

class ShellService {
public:
    virtual ~ShellService() = default;
    // Hands the text to the desktop to open; false when the desktop could
    // not (no program for it, a document that is not there).
    virtual bool Open(const QString &command) = 0;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen file's full path, or an empty text when the user cancelled.
    // `filter` is Qt's "label (patterns)"; the dialog shows only the label,
    // as the original desktop showed a filter's description, so a label may
    // read "(*.*)" while its pattern is Qt's "*" for every file.
    virtual QString GetOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter) = 0;
};

// Where the pages of a print job come from. Pages are painted when the
// printer or the preview reaches them, not when the job is handed over: a
// list of many pages is prepared quickly, while drawing its texts takes far
// longer, and the print dialog need not wait for that.
class PageSource {
public:
    virtual ~PageSource() = default;
    virtual qsizetype PageCount() const = 0;
    // The sheet of the page, in points.
    virtual QSize PageSize(qsizetype index) const = 0;
    // Paints the page with the painter's units taken as points of the sheet.
    // Throws std::runtime_error when the page cannot be painted.
    virtual void PaintPage(QPainter &painter, qsizetype index) const = 0;
    // The page recorded as a picture in points of the sheet.
    virtual QPicture Picture(qsizetype index) const;
};

// The pages of a print job: a list that paints a page when it is asked for.
// A page read as a picture is recorded then, in points of the sheet.
class PrintPages {
public:
    PrintPages() = default;
    explicit PrintPages(std::shared_ptr<const PageSource> source) : source_(std::move(source)) {}
    // Pages recorded beforehand.
    explicit PrintPages(QList<QPicture> pictures);

    qsizetype size() const { return source_ ? source_->PageCount() : 0; }
    qsizetype count() const { return size(); }
    bool isEmpty() const { return size() == 0; }
    QSize PageSize(qsizetype index) const { return source_->PageSize(index); }
    // Paints the page straight onto the painter, in points of the sheet.
    void Paint(QPainter &painter, qsizetype index) const { source_->PaintPage(painter, index); }
    // The page recorded as a picture now.
    QPicture at(qsizetype index) const { return source_->Picture(index); }
    QPicture operator[](qsizetype index) const { return at(index); }
    QPicture front() const { return at(0); }

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = QPicture;
        using difference_type = qsizetype;
        using pointer = void;
        using reference = QPicture;
        const_iterator(const PrintPages *pages, qsizetype index) : pages_(pages), index_(index) {}
        QPicture operator*() const { return pages_->at(index_); }
        const_iterator &operator++() {
            ++index_;
            return *this;
        }
        bool operator==(const const_iterator &other) const { return index_ == other.index_; }
        bool operator!=(const const_iterator &other) const { return index_ != other.index_; }

    private:
        const PrintPages *pages_;
        qsizetype index_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    std::shared_ptr<const PageSource> source_;
};

// Pages ready to be printed or previewed, in points of the page layout.
struct PrintJob {
    QString title;
    QPageLayout layout;
    PrintPages pages;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Asks for a printer with the print dialog and prints; false when the user
    // cancelled. Throws std::runtime_error when printing fails.
    virtual bool Print(QWidget *parent, const PrintJob &job) = 0;
    // Shows the pages in the modal preview window.
    virtual void Preview(QWidget *parent, const PrintJob &job) = 0;
};

// What every command that hands a document, a "mailto:" text or a web
// address to the desktop goes through: when the desktop cannot open it, a
// warning says so. True only when the desktop took it.
bool OpenOnDesktop(const QString &command);
// The warning OpenOnDesktop gives for a text the desktop could not open.
void WarnCannotOpen(const QString &command);

ShellService &Shell();
FileDialogService &FileDialogs();
PrintService &Printing();
// nullptr restores the real service; the caller keeps ownership.
void SetShellService(ShellService *service);
void SetFileDialogService(FileDialogService *service);
void SetPrintService(PrintService *service);

}  // namespace vel
