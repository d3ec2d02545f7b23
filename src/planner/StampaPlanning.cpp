#include "StampaPlanning.h"

#include "pictures/Pictures.h"
#include "report/ReportOutput.h"
#include "platform/Controls.h"

namespace vel {

TfrmStampaPlanning *frmStampaPlanning = nullptr;

TfrmStampaPlanning::TfrmStampaPlanning(QWidget *owner)
    : PlanningPrintWindow(owner, QStringLiteral("frmStampaPlanning"), QStringLiteral(" Stampa scheda corrente"),
                          QStringLiteral("Stampa")) {
    const QColor ink(0x1F, 0x2F, 0x45);

    icoInf01 = new QWidget(this);
    icoInf01->setObjectName(QStringLiteral("icoInf01"));
    icoInf01->setGeometry(28, 28, 240, 83);
    PictureText(icoInf01, QStringLiteral("Stampa scheda"), QRect(0, 0, 240, 24), 17, QColor(0xD3, 0x1F, 0x2A), true);
    PictureText(icoInf01,
                QStringLiteral("Questa operazione provveder\u00e0 a stampare la scheda corrente su carta con i dati "
                               "immessi dall'utente."),
                QRect(0, 28, 240, 55), 11, ink);

    imgLogo01 = new QLabel(this);
    imgLogo01->setObjectName(QStringLiteral("imgLogo01"));
    imgLogo01->setGeometry(280, 31, 51, 81);
    ShowPicture(imgLogo01, {PictureName::PersonWithDocument, {51, 81}});

    shpSepara = new BoxFrame(this, QColor(0x42, 0x7A, 0xA8), QColor(), 0);
    shpSepara->setObjectName(QStringLiteral("shpSepara"));
    shpSepara->setGeometry(26, 120, 311, 4);

    imgSezione04 = new QLabel(this);
    imgSezione04->setObjectName(QStringLiteral("imgSezione04"));
    imgSezione04->setGeometry(30, 140, 82, 72);
    ShowPicture(imgSezione04, {PictureName::Printer, {82, 72}});

    icoInf02 = PictureText(this,
                           QStringLiteral("Premere il pulsante Stampa per dare avvio alla stampa oppure premere "
                                          "Annulla per annullare l'operazione."),
                           QRect(122, 140, 206, 71), 11, ink);
    icoInf02->setObjectName(QStringLiteral("icoInf02"));
}

// A print dialog the user cancels is no failure: the window closes all the same.
bool TfrmStampaPlanning::Output() { return report::PrintReport(*repDocumento, this); }

QString TfrmStampaPlanning::FailureMessage(const QString &reason) const { return report::PrintFailureMessage(reason); }

}  // namespace vel
