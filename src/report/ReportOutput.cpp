#include "ReportOutput.h"

#include <exception>
#include <functional>

#include "platform/MessageBox.h"

namespace vel::report {
namespace {

QString WithReason(const QString &what, const QString &reason) {
    return what + QStringLiteral("\n\r\n\r") + QStringLiteral("Motivo: ") + reason;
}

// Runs one output; any failure becomes the error box.
bool Guarded(const std::function<void()> &output, QString (*message)(const QString &)) {
    try {
        output();
        return true;
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, message(QString::fromUtf8(e.what())));
    } catch (...) {
        MessageDlg(MsgKind::Error, message(QStringLiteral("errore sconosciuto")));
    }
    return false;
}

}  // namespace

QString PrintFailureMessage(const QString &reason) {
    return WithReason(QStringLiteral("Attenzione: non \u00e8 stato possibile stampare il documento."), reason);
}

QString PreviewFailureMessage(const QString &reason) {
    return WithReason(QStringLiteral("Attenzione: non \u00e8 stato possibile visualizzare l'anteprima di stampa."),
                      reason);
}

QString PdfFailureMessage(const QString &reason) {
    return WithReason(QStringLiteral("Attenzione: non \u00e8 stato possibile creare il file PDF."), reason);
}

bool PrintReport(const Report &report, QWidget *parent) {
    return Guarded([&] { report.Print(parent); }, PrintFailureMessage);
}

bool PreviewReport(const Report &report, QWidget *parent) {
    return Guarded([&] { report.ShowPreview(parent); }, PreviewFailureMessage);
}

bool ExportReportPdf(const Report &report, const QString &path, const QString &title, const QString &subject) {
    return Guarded([&] { report.ExportPdf(path, title, subject); }, PdfFailureMessage);
}

}  // namespace vel::report
