#include "Services.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>
#include <stdexcept>

namespace vel {
namespace {

// The program hands over a document's full path in double quotes, a
// "mailto:" text in double quotes, or a bare web address. Nothing goes
// through a shell command line.
class RealShell final : public ShellService {
public:
    void Open(const QString &command) override {
        QString target = command.trimmed();
        if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
            target = target.mid(1, target.size() - 2);
        QUrl url;
        if (target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) ||
            target.contains(QLatin1String("://")))
            url = QUrl(target, QUrl::TolerantMode);
        else if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
            url = QUrl(QStringLiteral("http://") + target, QUrl::TolerantMode);
        else
            url = QUrl::fromLocalFile(target);
        QDesktopServices::openUrl(url);
    }
};

class RealFileDialogs final : public FileDialogService {
public:
    QString GetOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter) override {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    }
};

void PaintJob(QPrinter &printer, const PrintJob &job) {
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error("la stampante non risponde");
    for (qsizetype i = 0; i < job.pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) throw std::runtime_error("impossibile passare alla pagina seguente");
        painter.save();
        // Pages are recorded in points. Drawing a picture already scales it by
        // the device's resolution over 96 dots per inch; what is left is the
        // step from points (72 per inch) to those 96.
        painter.scale(96.0 / 72.0, 96.0 / 72.0);
        painter.drawPicture(0, 0, job.pages[i]);
        painter.restore();
    }
    painter.end();
}

class RealPrinting final : public PrintService {
public:
    bool Print(QWidget *parent, const PrintJob &job) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(job.layout);
        printer.setFullPage(true);
        printer.setDocName(job.title);
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        PaintJob(printer, job);
        return true;
    }

    void Preview(QWidget *parent, const PrintJob &job) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(job.layout);
        printer.setFullPage(true);
        printer.setDocName(job.title);
        QPrintPreviewDialog dialog(&printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                         [&job](QPrinter *p) { PaintJob(*p, job); });
        dialog.exec();
    }
};

ShellService *g_shell = nullptr;
FileDialogService *g_files = nullptr;
PrintService *g_print = nullptr;

}  // namespace

ShellService &Shell() {
    static RealShell real;
    return g_shell ? *g_shell : real;
}
FileDialogService &FileDialogs() {
    static RealFileDialogs real;
    return g_files ? *g_files : real;
}
PrintService &Printing() {
    static RealPrinting real;
    return g_print ? *g_print : real;
}
void SetShellService(ShellService *service) { g_shell = service; }
void SetFileDialogService(FileDialogService *service) { g_files = service; }
void SetPrintService(PrintService *service) { g_print = service; }

}  // namespace vel
