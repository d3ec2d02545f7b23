#include "Services.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QtMath>
#include <algorithm>
#include <exception>
#include <iterator>
#include <stdexcept>

#include "Form.h"
#include "MessageBox.h"

namespace vel {
namespace {

// The program hands over a document's full path in double quotes, a
// "mailto:" text in double quotes, or a bare web address.
enum class ShellTarget { Document, Mail, Link };

QString Unquoted(const QString &command) {
    QString target = command.trimmed();
    if (target.size() >= 2 && target.startsWith(u'"') && target.endsWith(u'"'))
        target = target.mid(1, target.size() - 2);
    return target;
}

ShellTarget KindOf(const QString &target) {
    if (target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) return ShellTarget::Mail;
    if (target.contains(QLatin1String("://")) || target.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return ShellTarget::Link;
    return ShellTarget::Document;
}

// How long the desktop's opener may take to say whether a program took the
// text. On a desktop it does not know, xdg-open runs the program it found in
// the foreground and ends only with it: still running after this wait, the
// opener has handed the text over. Its answer that no program is set (a PDF
// with no viewer installed, a document of an unknown type, under a plain
// window manager) came in 0.8 to 1 s on an idle machine; the wait is a little
// more than that, since a viewer that stays with the opener keeps the program
// waiting this long on every document. Only on a machine loaded far beyond a
// rental office's use (3.8 s seen with eight compilers running) does a late
// "no program" pass for "opened".
constexpr int kOpenerWaitMs = 1500;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Gesture:
    case QEvent::NativeGesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// While the program waits for the opener's answer, keys, clicks, the wheel,
// touches and drops are dropped, not kept for later: kept, they would run
// once the answer came, and a second click on the command that opened a
// document would run the command again. Windows keep painting and timers
// keep running; the busy cursor says why nothing answers. Both end with
// the wait, however it ends.
class InputHeldOff final : public QObject {
public:
    InputHeldOff() {
        QCoreApplication::instance()->installEventFilter(this);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~InputHeldOff() override {
        QGuiApplication::restoreOverrideCursor();
        QCoreApplication::instance()->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return IsUserInput(event->type()); }
};

// Runs the desktop's opener and waits for its answer: xdg-open ends with 0
// when a program took the text, 3 when no program is set for it, 4 when the
// program failed, 1 or 2 on a call it cannot use. The opener is left running
// when the wait ends before it does, and is then freed once it ends, or at
// the latest with the application.
bool RunOpener(const QString &opener, const QString &target) {
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    {
        QEventLoop loop;
        QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(kOpenerWaitMs, &loop, &QEventLoop::quit);
        const InputHeldOff heldOff;
        process->start();
        if (process->state() != QProcess::NotRunning) loop.exec();
    }
    if (process->state() != QProcess::NotRunning) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        // At exit only the opener's shell is ended: the program it started
        // is its child, not ended with it, and stays open.
        QObject::connect(QCoreApplication::instance(), &QObject::destroyed, process, [process] {
            process->kill();
            process->waitForFinished();
        });
        return true;
    }
    const bool taken = process->error() == QProcess::UnknownError &&
                       process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return taken;
}

// The desktop's opener when the system has one (a document goes to it as its
// path); without it Qt's own way of opening, which can only say whether it
// found a program to start.
bool OpenUrl(const QUrl &url) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    return RunOpener(opener, url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded));
}

// Nothing goes through a shell command line.
class RealShell final : public ShellService {
public:
    bool Open(const QString &command) override {
        const QString target = Unquoted(command);
        switch (KindOf(target)) {
        case ShellTarget::Mail:
            return OpenUrl(QUrl(target, QUrl::TolerantMode));
        case ShellTarget::Link:
            return OpenUrl(target.contains(QLatin1String("://"))
                               ? QUrl(target, QUrl::TolerantMode)
                               : QUrl(QStringLiteral("http://") + target, QUrl::TolerantMode));
        case ShellTarget::Document:
            // The desktop may start a viewer that only then finds nothing.
            if (!QFileInfo::exists(target)) return false;
            return OpenUrl(QUrl::fromLocalFile(target));
        }
        return false;
    }
};

QString CannotOpenMessage(const QString &command) {
    const QString target = Unquoted(command);
    switch (KindOf(target)) {
    case ShellTarget::Mail:
        return QStringLiteral("Attenzione: impossibile avviare il programma di posta elettronica.\r\n\r\n"
                              "Verificare che nel sistema sia installato e configurato un programma di posta "
                              "elettronica.");
    case ShellTarget::Link:
        return QStringLiteral("Attenzione: impossibile aprire l'indirizzo ") + target +
               QStringLiteral(".\r\n\r\nVerificare che nel sistema sia installato un browser web.");
    case ShellTarget::Document:
        break;
    }
    return QStringLiteral("Attenzione: impossibile aprire il documento ") + target +
           QStringLiteral(".\r\n\r\nVerificare che il documento esista e che nel sistema sia installato un "
                          "programma in grado di aprirlo.");
}

// The file dialog's dates and sizes in the program's language. Qt's own file
// dialog writes them in the system's locale, not in the program's (Italian
// whatever the system's): under an English or C locale its "Data di modifica"
// column would read "11 Dec 2026". A desktop's own file dialog, where there
// is one, speaks the desktop's language and takes no part in this.
class ItalianFileDetails final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role == Qt::DisplayRole && files && (index.column() == 1 || index.column() == 3)) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == 3) return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
            if (!files->isDir(source)) return QLocale().formattedDataSize(files->size(source));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

class RealFileDialogs final : public FileDialogService {
public:
    QString GetOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter) override {
        QFileDialog dialog(parent, title, folder, filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setProxyModel(new ItalianFileDetails(&dialog));
        if (ExecModal(dialog) != QDialog::Accepted) return QString();
        return dialog.selectedFiles().value(0);
    }
};

// Pages recorded as pictures beforehand.
class PictureSource final : public PageSource {
public:
    explicit PictureSource(QList<QPicture> pictures) : pictures_(std::move(pictures)) {}
    qsizetype PageCount() const override { return pictures_.size(); }
    QSize PageSize(qsizetype index) const override { return pictures_.at(index).boundingRect().size(); }
    void PaintPage(QPainter &painter, qsizetype index) const override {
        // Drawing a picture scales it by the device's resolution over 96 dots
        // per inch, on top of the painter's points.
        const QPaintDevice *device = painter.device();
        painter.save();
        painter.scale(96.0 / device->logicalDpiX(), 96.0 / device->logicalDpiY());
        painter.drawPicture(0, 0, pictures_.at(index));
        painter.restore();
    }
    QPicture Picture(qsizetype index) const override { return pictures_.at(index); }

private:
    QList<QPicture> pictures_;
};

// Each page painted when the printer reaches it, in points of the sheet.
void PaintJob(QPrinter &printer, const PrintJob &job) {
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error("la stampante non risponde");
    for (qsizetype i = 0; i < job.pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) throw std::runtime_error("impossibile passare alla pagina seguente");
        painter.save();
        // Drawing a picture scales it by the device's resolution over 96 dots
        // per inch; the pages were once drawn that way, and are drawn at the
        // very same scale straight onto the printer: 96 over 72 points to the
        // inch, then the device's resolution over 96.
        painter.scale(96.0 / 72.0, 96.0 / 72.0);
        painter.scale(printer.logicalDpiX() / 96.0, printer.logicalDpiY() / 96.0);
        job.pages.Paint(painter, i);
        painter.restore();
    }
    painter.end();
}

// The preview opens with the page at its real size (zoom 100 %), in a window
// that takes most of the screen: as wide as the page where the screen allows,
// as high as the screen, so that the page can be read as it opens.
void OpenAtFullSize(QPrintPreviewDialog &dialog, const QPageLayout &layout) {
    if (auto *preview = dialog.findChild<QPrintPreviewWidget *>()) {
        preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        preview->setZoomFactor(1.0);
    }
    // The toolbar's "fit" buttons no longer stand for the zoom shown.
    for (QAction *action : dialog.findChildren<QAction *>())
        if (action->objectName().startsWith(QLatin1String("fit"))) action->setChecked(false);
    const QRect screen = dialog.screen()->availableGeometry();
    const int pageWidth = qCeil(layout.fullRect(QPageLayout::Inch).width() * dialog.logicalDpiX());
    // Beside the page: the grey border around it and the scroll bar.
    const QSize size(std::min(screen.width() * 9 / 10, pageWidth + 120), screen.height() * 9 / 10);
    dialog.resize(size);
    dialog.move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
}

// The sheet keeps the layout its report gives it: the preview offers no
// other orientation and no page setup, which would print a portrait sheet
// laid on a landscape page, cut. The actions are known by their texts as
// the preview itself translates them.
void OfferNoOtherLayout(QPrintPreviewDialog &dialog) {
    const QString hidden[] = {QCoreApplication::translate("QPrintPreviewDialog", "Portrait"),
                              QCoreApplication::translate("QPrintPreviewDialog", "Landscape"),
                              QCoreApplication::translate("QPrintPreviewDialog", "Page setup")};
    for (QAction *action : dialog.findChildren<QAction *>())
        if (std::find(std::begin(hidden), std::end(hidden), action->text()) != std::end(hidden))
            action->setVisible(false);
}

class RealPrinting final : public PrintService {
public:
    bool Print(QWidget *parent, const PrintJob &job) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(job.layout);
        printer.setFullPage(true);
        printer.setDocName(job.title);
        QPrintDialog dialog(&printer, parent);
        if (ExecModal(dialog) != QDialog::Accepted) return false;
        PaintJob(printer, job);
        return true;
    }

    void Preview(QWidget *parent, const PrintJob &job) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(job.layout);
        printer.setFullPage(true);
        printer.setDocName(job.title);
        QPrintPreviewDialog dialog(&printer, parent);
        // The preview asks for the pages from within its own event loop, which
        // no exception may cross: a failure closes the preview and is raised
        // once the loop is over.
        std::exception_ptr failure;
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&job, &dialog, &failure](QPrinter *p) {
            if (failure) return;
            try {
                PaintJob(*p, job);
            } catch (...) {
                failure = std::current_exception();
                QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
            }
        });
        OfferNoOtherLayout(dialog);
        OpenAtFullSize(dialog, job.layout);
        ExecModal(dialog);
        if (failure) std::rethrow_exception(failure);
    }
};

ShellService *g_shell = nullptr;
FileDialogService *g_files = nullptr;
PrintService *g_print = nullptr;

}  // namespace

PrintPages::PrintPages(QList<QPicture> pictures)
    : source_(std::make_shared<const PictureSource>(std::move(pictures))) {}

QPicture PageSource::Picture(qsizetype index) const {
    QPicture picture;
    picture.setBoundingRect(QRect(QPoint(0, 0), PageSize(index)));
    QPainter painter(&picture);
    PaintPage(painter, index);
    painter.end();
    return picture;
}

ShellService &Shell() {
    static RealShell real;
    return g_shell ? *g_shell : real;
}

bool OpenOnDesktop(const QString &command) {
    if (Shell().Open(command)) return true;
    WarnCannotOpen(command);
    return false;
}

void WarnCannotOpen(const QString &command) { MessageDlg(MsgKind::Warning, CannotOpenMessage(command)); }

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
