// The long contract's dialog: the tag it acts for, the questions, the file
// written from the card on screen, its failures and the offer to open it.
#include <QDir>
#include <QFile>

#include "ContractFixture.h"
#include "cards/FindDialog.h"
#include "common/TextRules.h"
#include "contracts/ContractRtf.h"
#include "contracts/StampaContrattoNSC.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

const QString kRtf = QStringLiteral("Contratto_NSC.rtf");
const QString kAsk = U("Questa procedura esporter\xc3\xa0 il testo del contratto di autonoleggio senza conducente in un "
                       "documento in formato RTF.\r\n\r\nSi conferma la creazione del file?");
const QString kDone = U("Il file del contratto N.S.C. \xc3\xa8 stato creato con successo.\r\n\r\nSi vuole aprire il "
                        "documento?");
const QString kFailed = U("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                          "documento non sia gi\xc3\xa0 aperto.");

class StampaContrattoNSCTest : public ContractTest {
protected:
    std::unique_ptr<TfrmStampaContrattoNSC> Open(const QString &tag = QStringLiteral("contrattinsc")) {
        auto dlg = std::make_unique<TfrmStampaContrattoNSC>(frmContrattiNSC);
        dlg->Create();
        dlg->lblMemory->setText(tag);
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    // Puts a text of its own, with blanks around it, into every control of
    // the card the document takes: "V" and the control's name without its
    // prefix; `suffix` tells two fillings apart.
    static void FillCard(const QString &suffix = QString()) {
        for (const char *control : ContractRtfControls())
            SetControlTextOf(frmContrattiNSC, control,
                             QStringLiteral("  V") + QString::fromLatin1(control).mid(3) + suffix + QStringLiteral(" "));
    }
    // The document those values give.
    static QByteArray Expected(const QString &suffix = QString()) {
        return ContractRtf([&suffix](const char *control) {
            return QStringLiteral("V") + QString::fromLatin1(control).mid(3) + suffix;
        });
    }
    FakeShell shell;
};

TEST_F(StampaContrattoNSCTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmStampaContrattoNSC"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Esporta e stampa contratto N.S.C."));
    EXPECT_EQ(dlg->btnAnnulla->text(), QStringLiteral("Annulla"));
    EXPECT_EQ(dlg->btnStampa->text(), QStringLiteral("Esporta e stampa"));
    EXPECT_EQ(dlg->btnAnnulla->nextInFocusChain(), dlg->btnStampa);
    EXPECT_FALSE(dlg->lblMemory->isVisible());
    EXPECT_TRUE(dlg->imgEsporta01->isVisible());
    EXPECT_TRUE(dlg->imgEsporta01->text().contains(QStringLiteral("RTF")));
    EXPECT_TRUE(dlg->rect().contains(dlg->btnStampa->geometry()));
    if (const QByteArray dir = qgetenv("VELMORA_GRAB_DIR"); !dir.isEmpty())
        dlg->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/StampaContrattoNSC.png"));
}

// Only the contract card's tag, blanks around it apart, lets the button act;
// any other leaves the dialog open and writes nothing. "Annulla" closes.
TEST_F(StampaContrattoNSCTest, OnlyTheCardsTagExports) {
    for (const QString &tag : {QStringLiteral("lblMemory"), QStringLiteral("CONTRATTINSC"), QStringLiteral("prenotazioni"),
                               QString()}) {
        SCOPED_TRACE(tag.toStdString());
        auto dlg = Open(tag);
        Click(dlg->btnStampa);
        EXPECT_TRUE(dlg->isVisible());
        Click(dlg->btnAnnulla);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(folder.Exists(kRtf));

    auto dlg = Open(QStringLiteral(" contrattinsc  "));
    messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::No);
    Click(dlg->btnStampa);
    messages.Verify();
    EXPECT_FALSE(dlg->isVisible());
}

// "No" to the first question writes nothing and still closes the dialog.
TEST_F(StampaContrattoNSCTest, NoWritesNothingAndCloses) {
    FillCard();
    folder.Write(kRtf, "old");
    auto dlg = Open();
    messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::No);
    Click(dlg->btnStampa);
    messages.Verify();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(folder.Read(kRtf), QByteArray("old"));
    EXPECT_TRUE(shell.opened.isEmpty());
}

// The document is the card as it stands on screen, each value trimmed; the
// contract archive is not read. A second export replaces the first; "Sì" to
// the last question opens the document.
TEST_F(StampaContrattoNSCTest, WritesTheCardOnScreenAndOffersToOpenIt) {
    FillCard();
    {
        auto dlg = Open();
        messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::Yes);
        messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
        Click(dlg->btnStampa);
        messages.Verify();
        EXPECT_FALSE(dlg->isVisible());
    }
    const QByteArray first = folder.Read(kRtf);
    EXPECT_EQ(first, Expected());
    EXPECT_TRUE(first.contains("al Sig. \\b VCliente\\b0  (denominato"));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_EQ(folder.Entries(), QStringList{kRtf});

    FillCard(QStringLiteral("2"));
    auto dlg = Open();
    messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::Yes);
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::Yes);
    Click(dlg->btnStampa);
    messages.Verify();
    EXPECT_EQ(folder.Read(kRtf), Expected(QStringLiteral("2")));
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("\"") + ProgramPath(kRtf) + QStringLiteral("\"")});
    EXPECT_FALSE(dlg->isVisible());
}

// Control characters a card's values took from a stored record (a NUL, an
// ESC, a DEL) reach the written document as blanks, never raw.
TEST_F(StampaContrattoNSCTest, TheDocumentCarriesNoRawControlCharacter) {
    FillCard(QStringLiteral("a") + QChar(0) + QStringLiteral("b\x1b[0mc\x7f" "d"));
    auto dlg = Open();
    messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::Yes);
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    Click(dlg->btnStampa);
    messages.Verify();
    const QByteArray written = folder.Read(kRtf);
    EXPECT_TRUE(written.contains("al Sig. \\b VClientea b [0mc d\\b0  (denominato"));
    for (const char b : written) EXPECT_FALSE(IsControlByte(static_cast<unsigned char>(b))) << int(b);
}

// A document that cannot be written gives the notice and leaves the one
// before it whole; the dialog closes all the same.
TEST_F(StampaContrattoNSCTest, AFailedWriteIsReportedAndKeepsTheOldDocument) {
    FillCard();
    const QByteArray old = "{\\rtf1 il documento di ieri\\par }";
    folder.Write(kRtf, old);
    {
        WriteLimit full(64);
        auto dlg = Open();
        messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::Yes);
        messages.Expect(MsgKind::Plain, kFailed);
        Click(dlg->btnStampa);
        messages.Verify();
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(folder.Read(kRtf), old);
    EXPECT_EQ(folder.Entries(), QStringList{kRtf});

    // A folder standing at the document's name cannot be replaced either.
    QFile::remove(folder.Path(kRtf));
    folder.Block(kRtf);
    auto dlg = Open();
    messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::Yes);
    messages.Expect(MsgKind::Plain, kFailed);
    Click(dlg->btnStampa);
    messages.Verify();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(shell.opened.isEmpty());
}

// When the desktop has no program for the document, a warning says so.
TEST_F(StampaContrattoNSCTest, ADocumentTheDesktopCannotOpenIsReported) {
    shell.opens = false;
    auto dlg = Open();
    const QString path = ProgramPath(kRtf);
    messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::Yes);
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::Yes);
    messages.Expect(MsgKind::Warning,
                    QStringLiteral("Attenzione: impossibile aprire il documento ") + path +
                        QStringLiteral(".\r\n\r\nVerificare che il documento esista e che nel sistema sia installato "
                                       "un programma in grado di aprirlo."));
    Click(dlg->btnStampa);
    messages.Verify();
    EXPECT_TRUE(folder.Exists(kRtf));
    EXPECT_FALSE(dlg->isVisible());
}

// The card's RTF command opens the dialog with the card's tag.
TEST_F(StampaContrattoNSCTest, TheCardOpensItWithItsTag) {
    SetControlTextOf(frmContrattiNSC, "txtCliente", QStringLiteral("Gialli {Ugo}"));
    modals.Expect<TfrmStampaContrattoNSC>([this](TfrmStampaContrattoNSC &dlg) {
        EXPECT_EQ(dlg.lblMemory->text(), QStringLiteral("contrattinsc"));
        messages.Expect(MsgKind::Confirmation, kAsk, MsgButton::Yes);
        messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
        Click(dlg.btnStampa);
    });
    frmContrattiNSC->cmdWordClick();
    modals.Verify();
    messages.Verify();
    EXPECT_TRUE(folder.Read(kRtf).contains("al Sig. \\b Gialli \\{Ugo\\}\\b0  (denominato"));
}

}  // namespace
}  // namespace vel::test
