// What the user sees of the vehicle and tariff cards beyond their records:
// the focus frames (only the control with the focus is framed, whatever
// closed or covered the card), the looks the vehicle card was designed with,
// and the refusal of an amount too large to hold.
#include <QPixmap>

#include "common/Amounts.h"
#include "common/Records.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Iban.h"
#include "fleet/Flotta.h"
#include "fleet/Tariffario.h"
#include "platform/Controls.h"
#include "shell/Avvio.h"
#include "shell/ShellFixture.h"

namespace vel::test {
namespace {

// The names of the focus frames lit on a window.
QStringList LitFrames(const QWidget *window) {
    QStringList lit;
    for (const FocusFrame *frame : window->findChildren<FocusFrame *>())
        if (frame->isVisible()) lit << frame->objectName();
    return lit;
}

// A window made the active one, as the window system does when a dialog
// opens or closes.
void Activate(QWidget *window) { QApplication::setActiveWindow(window); }

class CardLooksTest : public ShellTest {
protected:
    // Shows a card as the launcher does and makes it the active window.
    static void ShowCard(Form *card) {
        card->Show();
        ShowActive(card);
    }
};

// Closed with the focus in a field, shown again from the launcher: the card
// starts with the focus on its first field, and one field only looks
// selected, wherever the user goes next.
TEST_F(CardLooksTest, ACardClosedWithTheFocusInsideComesBackWithOneFrame) {
    struct Case {
        const char *name;
        Form *card;
        QWidget *left;    // the field that had the focus when the card closed
        QWidget *first;   // where the card's show puts the focus
        QWidget *next;    // where the user clicks afterwards
        ImageButton *exit;
    };
    const Case cases[] = {
        {"vehicle card", frmFlotta, frmFlotta->txtLitro, frmFlotta->txtVeicolo, frmFlotta->txtMarca, frmFlotta->cmdEsci},
        {"tariff card", frmTariffario, frmTariffario->txtAssicurazioni, frmTariffario->txtTariffa,
         frmTariffario->txtCodice, frmTariffario->cmdEsci},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ShowCard(c.card);
        c.left->setFocus();
        ASSERT_EQ(LitFrames(c.card).size(), 1);
        Click(c.exit);
        ASSERT_FALSE(c.card->isVisible());
        EXPECT_TRUE(LitFrames(c.card).isEmpty());

        ShowCard(c.card);
        EXPECT_EQ(Focused(), c.first);
        EXPECT_EQ(LitFrames(c.card).size(), 1) << LitFrames(c.card).join(u',').toStdString();
        Click(c.next);
        ASSERT_EQ(Focused(), c.next);
        const QStringList lit = LitFrames(c.card);
        ASSERT_EQ(lit.size(), 1) << lit.join(u',').toStdString();
        EXPECT_EQ(lit.first(), QStringLiteral("eff") + c.next->objectName().mid(3));
        c.card->Close();
    }
}

// A checker dialog opened from a card: while it is open no field of the card
// is framed; after it, the field the user goes to is the only one framed,
// even when the click reached the card before it was active again.
TEST_F(CardLooksTest, AfterACheckerDialogOneFieldIsFramed) {
    ShowCard(frmFlotta);
    frmFlotta->txtCodFisc->setFocus();
    frmFlotta->txtCodFisc->setText(QStringLiteral("RSSMRA80A01H501U"));
    ASSERT_EQ(LitFrames(frmFlotta), QStringList{"effCodFisc"});
    modals.Expect<TfrmCodFisc>([](TfrmCodFisc &d) {
        Activate(&d);
        EXPECT_TRUE(LitFrames(frmFlotta).isEmpty());
        d.Close();
    });
    Click(frmFlotta->btnCodFisc);
    modals.Verify();
    Click(frmFlotta->txtNote);  // the click comes first, the activation after
    Activate(frmFlotta);
    EXPECT_EQ(Focused(), frmFlotta->txtNote);
    EXPECT_EQ(LitFrames(frmFlotta), QStringList{"effNote"});
    frmFlotta->Close();

    ShowCard(frmTariffario);
    frmTariffario->txtIban->setFocus();
    modals.Expect<TfrmIban>([](TfrmIban &d) {
        Activate(&d);
        EXPECT_TRUE(LitFrames(frmTariffario).isEmpty());
        d.Close();
    });
    Click(frmTariffario->btnIban);
    modals.Verify();
    Activate(frmTariffario);
    EXPECT_EQ(LitFrames(frmTariffario), QStringList{"effIban"});
    frmTariffario->Close();
}

// The vehicle card's looks: its edits in Verdana 12 bold, the status line in
// white Tahoma 12, the record number in Verdana 12 bold, centred and 82 wide,
// and a picture under the column of commands.
TEST_F(CardLooksTest, VehicleCardLooksAsDesigned) {
    ShowCard(frmFlotta);
    TfrmFlotta *card = frmFlotta;
    const auto expectFont = [](const QWidget *w, const char *family, int points, bool bold) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->font().family(), QString::fromLatin1(family));
        EXPECT_EQ(w->font().pointSize(), points);
        EXPECT_EQ(w->font().bold(), bold);
    };
    int fields = 0;
    for (const FieldDef &field : VehicleRecord.Fields()) {
        const QString name = QStringLiteral("txt") + QString::fromLatin1(field.name.data(), int(field.name.size()));
        QWidget *control = card->findChild<QWidget *>(name);
        if (!control) continue;  // the hidden attachment labels and the check box
        ++fields;
        expectFont(control, "Verdana", 12, true);
        if (auto *combo = qobject_cast<ComboEdit *>(control)) expectFont(combo->Editor(), "Verdana", 12, true);
    }
    EXPECT_EQ(fields, 30);

    expectFont(card->panInfo, "Tahoma", 12, false);
    EXPECT_EQ(card->panInfo->palette().color(QPalette::WindowText), QColor(Qt::white));
    expectFont(card->lblPosizione, "Verdana", 12, true);
    EXPECT_EQ(card->lblPosizione->alignment(), Qt::AlignCenter);
    EXPECT_EQ(card->lblPosizione->width(), 82);
    // The record number stands between the arrows, none of them covering it.
    const QRect number = card->lblPosizione->geometry();
    EXPECT_LE(card->cmdIndietro->geometry().right(), number.left());
    EXPECT_GE(card->cmdAvanti->geometry().left(), number.right());
    EXPECT_LE(card->cmdUltimo->geometry().right(), card->lblPosizione->parentWidget()->width());

    const QRect commands = card->cmdNuovo->geometry().united(card->cmdEsci->geometry());
    const QLabel *picture = nullptr;
    for (const QLabel *label : card->cmdEsci->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<const ImageButton *>(label) || label->pixmap().isNull() || !label->isVisible()) continue;
        const QRect at = label->geometry();
        if (at.top() > commands.bottom() && at.left() < commands.right() && at.right() > commands.left()) picture = label;
    }
    ASSERT_NE(picture, nullptr) << "no picture under the commands";
    EXPECT_FALSE(picture->geometry().intersects(card->panInfo->geometry()));
    for (const QWidget *arrows : {static_cast<const QWidget *>(card->lblPosizione->parentWidget())})
        EXPECT_FALSE(picture->geometry().intersects(arrows->geometry()));
}

// An amount too large to hold is refused with a message when its edit is
// left (it could come only by a paste); the largest that fit are kept.
TEST_F(CardLooksTest, AnAmountTooLargeToHoldIsRefused) {
    ShowCard(frmTariffario);
    TfrmTariffario *card = frmTariffario;
    for (Edit *amount : {card->txtImporto, card->txtPrezzoList}) {
        SCOPED_TRACE(amount->objectName().toStdString());
        amount->setFocus();
        amount->setText(QStringLiteral("1e309"));
        messages.Expect(MsgKind::Warning, AmountTooLargeMessage());
        Click(card->txtCodice);
        messages.Verify();
        EXPECT_EQ(amount->text(), QStringLiteral("0,00"));

        amount->setFocus();
        amount->setText(QStringLiteral("-12"));
        Click(card->txtCodice);
        EXPECT_EQ(amount->text(), QStringLiteral("-12,00"));
        amount->setFocus();
        Click(card->txtCodice);
        EXPECT_EQ(amount->text(), QStringLiteral("-12,00")) << "leaving again changes nothing";

        amount->setFocus();
        amount->setText(QStringLiteral("1e308"));
        Click(card->txtCodice);
        EXPECT_EQ(amount->text(), QStringLiteral("1") + QString(308, u'0') + QStringLiteral(",00"));
    }
}

}  // namespace
}  // namespace vel::test
