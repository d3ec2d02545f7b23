#include "common/ArchiveFile.h"
#include "common/Records.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/Guida.h"
#include "dialogs/Iban.h"
#include "fleet/Flotta.h"
#include "fleet/Listino.h"
#include "fleet/Tariffario.h"
#include "shell/Avvio.h"
#include "shell/ShellFixture.h"

namespace vel::test {
namespace {

const QString kArchive = QStringLiteral("Tariffario.pro");
const QString kInserted = QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio.");

Record Tariff(const QString &code) {
    Record r(TariffRecord);
    r.SetText("Tariffa", QStringLiteral("Giornaliera"));
    r.SetText("Descrizione", QStringLiteral("Noleggio ") + code);
    r.SetText("Codice", code);
    r.SetText("Importo", QStringLiteral("45,00"));
    r.SetText("Listino", QStringLiteral("Estate"));
    r.SetText("DescList", QStringLiteral("Giornata ") + code);
    r.SetText("File01", code + QStringLiteral(".pdf"));
    return r;
}

class TariffarioTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        card = frmTariffario;
        card->Show();
        ShowActive(card);
    }
    void WriteArchive(int count) {
        QByteArray bytes;
        for (int i = 1; i <= count; ++i) bytes += Tariff(QStringLiteral("T%1").arg(i)).Bytes();
        folder.Write(kArchive, bytes);
    }
    void FillMandatory() {
        card->txtTariffa->setText(QStringLiteral("Oraria"));
        card->txtDescrizione->setText(QStringLiteral("Noleggio orario"));
        card->txtCodice->setText(QStringLiteral("H1"));
        card->txtListino->setText(QStringLiteral("Base"));
        card->txtDescList->setText(QStringLiteral("Un'ora"));
    }
    TfrmTariffario *card = nullptr;
};

TEST_F(TariffarioTest, CardOpensNewWithItsOwnTexts) {
    EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Listino Tariffe"));
    EXPECT_EQ(card->panInfo->text(), QStringLiteral("Pronto per stampare una nuova scheda..."));
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("0,00"));
    EXPECT_EQ(card->txtPrezzoList->text(), QStringLiteral("0,00"));
    EXPECT_EQ(card->txtDescrizione->text(), QString());
    EXPECT_EQ(Focused(), card->txtTariffa);
    for (int i = 1; i <= 25; ++i)
        EXPECT_NE(card->findChild<QLabel *>(QStringLiteral("lblCampo%1").arg(i, 2, 10, QLatin1Char('0'))), nullptr) << i;
    EXPECT_EQ(card->findChild<QLabel *>(QStringLiteral("lblCampo05"))->text(),
              QStringLiteral("Criterio conteggio (usato per calcolare ore, giorni ecc.):"));
    EXPECT_EQ(card->txtClasse->itemText(7), QStringLiteral("Speciale"));
    EXPECT_EQ(card->txtTariffa->itemText(4), QStringLiteral("Mensile"));
    EXPECT_EQ(card->txtIban->MaxLength(), 27);
    EXPECT_EQ(card->txtDescList->MaxLength(), 55);
}

TEST_F(TariffarioTest, AmountEditsTakeDigitsAndTheCommaAndNormalizeWhenLeft) {
    card->txtImporto->setFocus();
    card->txtImporto->clear();
    Type(card->txtImporto, QStringLiteral("1a2. 3,5x"));
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("123,5"));
    Press(card->txtImporto, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->txtImporto);  // Tab is discarded too
    Press(card->txtImporto, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtConteggio);
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("123,50"));

    const struct {
        const char *text;
        const char *shown;
    } cases[] = {{"", "0,00"}, {"12,345678", "12,3457"}, {",", "0,00"}, {"1,2,3", "0,00"}, {"00012,30", "12,30"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        card->txtPrezzoList->setFocus();
        card->txtPrezzoList->setText(QString::fromLatin1(c.text));
        Press(card->txtPrezzoList, Qt::Key_Return);
        EXPECT_EQ(Focused(), card->txtDescList);
        EXPECT_EQ(card->txtPrezzoList->text(), QString::fromLatin1(c.shown));
        EXPECT_FALSE(card->Card().Frame(card->txtPrezzoList)->isVisible());
    }
}

// Enter brings the focus into an amount with its text selected, as Tab
// would: what is typed replaces the "0,00".
TEST_F(TariffarioTest, AnAmountEnteredByEnterTakesWhatIsTyped) {
    FillMandatory();
    const struct {
        Edit *TfrmTariffario::*before, *TfrmTariffario::*amount;
        const char *field;
    } amounts[] = {{&TfrmTariffario::txtCodice, &TfrmTariffario::txtImporto, "Importo"},
                   {&TfrmTariffario::txtListino, &TfrmTariffario::txtPrezzoList, "PrezzoList"}};
    for (const auto &a : amounts) {
        for (const auto &c : kAmountsTypedAfterEnter) {
            SCOPED_TRACE(std::string(a.field) + " " + c.typed);
            TypeAfterEnter(card->*a.before, card->*a.amount, c.typed);
            EXPECT_EQ((card->*a.amount)->text(), QString::fromLatin1(c.shown));
        }
    }
    messages.Expect(MsgKind::Information, kInserted);
    Click(card->cmdSalva);
    messages.Verify();
    Record stored(TariffRecord);
    stored.Bytes() = folder.Read(kArchive);
    EXPECT_EQ(stored.Text("Importo"), QStringLiteral("315,00"));
    EXPECT_EQ(stored.Text("PrezzoList"), QStringLiteral("315,00"));
}

TEST_F(TariffarioTest, ATenDigitAmountIsShownWholeAndStoredCut) {
    card->txtImporto->setFocus();
    card->txtImporto->clear();
    Type(card->txtImporto, QStringLiteral("99999999999"));
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("9999999999"));  // the edit takes ten
    card->txtCodice->setFocus();
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("9999999999,00"));
    FillMandatory();
    messages.Expect(MsgKind::Information, kInserted);
    Click(card->cmdSalva);
    EXPECT_EQ(folder.Read(kArchive).mid(128, 11), QByteArray("\x0a" "9999999999"));
}

TEST_F(TariffarioTest, IbanIsKeptTrimmedInCapitals) {
    card->txtIban->setFocus();
    Type(card->txtIban, QStringLiteral("it60 x\u00e8"));
    EXPECT_EQ(card->txtIban->text(), QStringLiteral("IT60X\u00e8"));
}

TEST_F(TariffarioTest, OpenersHandOverTheirTexts) {
    card->txtListino->setText(QStringLiteral("  Estate 2026 "));
    modals.Expect<TfrmListino>([](TfrmListino &d) {
        EXPECT_EQ(d.txtTipologia->text(), QStringLiteral("Estate 2026"));
        d.Close();
    });
    Click(card->cmdListino);
    // An empty name stands for every list.
    card->txtListino->setText(QStringLiteral("   "));
    modals.Expect<TfrmListino>([](TfrmListino &d) {
        EXPECT_EQ(d.txtTipologia->text(), QString());
        d.Close();
    });
    Click(card->cmdListino);

    card->txtIban->setText(QStringLiteral(" IT60X0542811101000000123456 "));
    modals.Expect<TfrmIban>([](TfrmIban &d) {
        EXPECT_EQ(d.txtIban->text(), QStringLiteral("IT60X0542811101000000123456"));
        d.Close();
    });
    Click(card->btnIban);

    modals.Expect<TfrmGuida>([](TfrmGuida &d) {
        EXPECT_EQ(d.lblTitolo->text(), QStringLiteral("App Listino Tariffe"));
        const QStringList paragraphs = d.txtGuida->toPlainText().split(QStringLiteral("\r\n\r\n"));
        ASSERT_EQ(paragraphs.size(), 6);
        EXPECT_EQ(paragraphs[5], QStringLiteral("Il pulsante Esporta archivio consente di esportare tutte le tariffe "
                                                "in archivio in un foglio di lavoro di Excel."));
        d.Close();
    });
    Click(card->cmdGuida);

    // Attachments come back into this card's labels, and only there.
    card->lblFile02->setText(QStringLiteral("listino.pdf"));
    modals.Expect<TfrmAllegaCartella>([](TfrmAllegaCartella &d) {
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("tariffario"));
        EXPECT_EQ(d.txtFile02->text(), QStringLiteral("listino.pdf"));
        d.txtDesc02->setText(QStringLiteral(" Condizioni "));
        Click(d.btnApplica);
    });
    Click(card->cmdFile);
    EXPECT_EQ(card->lblDesc02->text(), QStringLiteral("Condizioni"));
    EXPECT_EQ(frmFlotta->lblDesc02->text(), QString());
}

TEST_F(TariffarioTest, ClosingBringsTheLauncherBackAndShowingClears) {
    WriteArchive(1);
    Click(card->cmdPrimo);
    Click(card->cmdEsci);
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(card->isVisible());
    card->Show();
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("0,00"));
}

}  // namespace
}  // namespace vel::test
