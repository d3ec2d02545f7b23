#pragma once
// What the program asks of the desktop besides windows: handing a document,
// web address or "mailto:" text to the system, choosing a file, printing and
// previewing pages. Each is one small interface; tests install recording fakes.
#include <QList>
#include <QPageLayout>
#include <QPicture>
#include <QString>

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

// Pages ready to be printed or previewed, each recorded as a picture in
// points of the page layout.
struct PrintJob {
    QString title;
    QPageLayout layout;
    QList<QPicture> pages;
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

ShellService &Shell();
FileDialogService &FileDialogs();
PrintService &Printing();
// nullptr restores the real service; the caller keeps ownership.
void SetShellService(ShellService *service);
void SetFileDialogService(FileDialogService *service);
void SetPrintService(PrintService *service);

}  // namespace vel
