#include "PlanningPrintWindow.h"

#include <QLabel>
#include <exception>

#include "PlanningAnnuale.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

PlanningPrintWindow::PlanningPrintWindow(QWidget *owner, const QString &name, const QString &caption,
                                         const QString &mainButton)
    : Form(owner), repDocumento(PlanningAnnualeTemplate) {
    setObjectName(name);
    SetCaption(caption);
    SetFixedClientSize(364, 287);
    SetPlacement(Placement::Owner);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    shpSfondo = new BoxFrame(this, Qt::white, QColor(0x9F, 0xB6, 0xCD), 0);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setGeometry(18, 18, 326, 215);

    btnAnnulla = new Button(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(18, 243, 137, 28);
    btnStampa = new Button(mainButton, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setGeometry(208, 243, 137, 28);
    for (Button *button : {btnAnnulla, btnStampa}) {
        button->setFont(UiFont(QStringLiteral("Verdana"), 8));
        button->setCursor(Qt::PointingHandCursor);
    }
    setTabOrder(btnAnnulla, btnStampa);

    connect(btnStampa, &QPushButton::clicked, this, &PlanningPrintWindow::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &PlanningPrintWindow::btnAnnullaClick);
}

QLabel *PlanningPrintWindow::PictureText(QWidget *parent, const QString &text, const QRect &geometry, int pixels,
                                         const QColor &colour, bool bold) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    QFont font = UiFont(QStringLiteral("Verdana"), 8, bold);
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(label, colour);
    return label;
}

void PlanningPrintWindow::btnStampaClick() {
    // The moment in the footer is taken while filling, before the chart is
    // prepared.
    try {
        FillPlanningAnnuale(*repDocumento);
        repDocumento->Prepare();
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, FailureMessage(QString::fromUtf8(e.what())));
        return;
    }
    // After a failure the window stays, so that the user can try again or
    // leave with "Annulla".
    if (!Output()) return;
    Close();
}

void PlanningPrintWindow::btnAnnullaClick() { Close(); }

}  // namespace vel
