#include "AnteprimaPlanning.h"

#include <QFrame>
#include <QLabel>

#include "pictures/Pictures.h"
#include "report/ReportOutput.h"
#include "platform/Controls.h"

namespace vel {

TfrmAnteprimaPlanning *frmAnteprimaPlanning = nullptr;

TfrmAnteprimaPlanning::TfrmAnteprimaPlanning(QWidget *owner)
    : PlanningPrintWindow(owner, QStringLiteral("frmAnteprimaPlanning"), QStringLiteral(" Anteprima di stampa"),
                          QStringLiteral("Mostra anteprima")) {
    const QColor ink(0x1F, 0x2F, 0x45);

    // The picture's parts stand where the print window has its own pictures.
    imgLogo02 = new QWidget(this);
    imgLogo02->setObjectName(QStringLiteral("imgLogo02"));
    imgLogo02->setGeometry(23, 30, 315, 191);
    PictureText(imgLogo02, QStringLiteral("Anteprima di stampa"), QRect(5, 0, 245, 24), 17, QColor(0x1E, 0x4A, 0x9C),
                true);
    PictureText(imgLogo02,
                QStringLiteral("Questa operazione consente di visualizzare in anteprima i dati che appariranno in "
                               "stampa."),
                QRect(5, 28, 240, 55), 11, ink);
    auto *person = new QLabel(imgLogo02);
    person->setGeometry(257, 1, 51, 81);
    ShowPicture(person, {PictureName::PersonWithDocument, {51, 81}});
    auto *separator = new BoxFrame(imgLogo02, QColor(0x42, 0x7A, 0xA8), QColor(), 0);
    separator->setObjectName(QStringLiteral("linSepara"));
    separator->setGeometry(3, 90, 311, 4);
    auto *printer = new QLabel(imgLogo02);
    printer->setGeometry(7, 110, 82, 72);
    ShowPicture(printer, {PictureName::PrinterUnderMagnifier, {82, 72}});
    PictureText(imgLogo02,
                QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo schermo prima di "
                               "eseguire la stampa su carta."),
                QRect(99, 110, 210, 75), 11, ink);
}

// The preview waits until the user closes it; printing from there is the
// preview's own business.
bool TfrmAnteprimaPlanning::Output() { return report::PreviewReport(*repDocumento, this); }

QString TfrmAnteprimaPlanning::FailureMessage(const QString &reason) const {
    return report::PreviewFailureMessage(reason);
}

}  // namespace vel
