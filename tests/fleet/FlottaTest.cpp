#include <QCheckBox>
#include <QFile>

#include "common/ArchiveFile.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "customers/TrovaClienti.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "fleet/Disponibili.h"
#include "fleet/ExpFlotta.h"
#include "fleet/Flotta.h"
#include "fleet/TrovaFlotta.h"
#include "shell/Avvio.h"
#include "shell/ShellFixture.h"
#include "support/WriteLimit.h"
#include "support/TaxCodeChecks.h"

namespace vel::test {
namespace {

const QString kArchive = QStringLiteral("Flotta_Automezzi.pro");
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio.");
const QString kSaved = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// A vehicle record whose texts tell the records apart.
Record Vehicle(const QString &plate, const QString &flag = QStringLiteral("No")) {
    Record r(VehicleRecord);
    r.SetText("Veicolo", QStringLiteral("Autovettura"));
    r.SetText("Marca", QStringLiteral("Fiat"));
    r.SetText("Modello", QStringLiteral("Panda ") + plate);
    r.SetText("Targa", plate);
    r.SetText("Disponibile", flag);
    r.SetText("Note", QStringLiteral("note di ") + plate);
    r.SetText("File01", QStringLiteral("libretto_") + plate + QStringLiteral(".pdf"));
    r.SetText("Desc01", QStringLiteral("Libretto"));
    return r;
}

class FlottaTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        card = frmFlotta;
        card->Show();
        ShowActive(card);
    }
    void WriteArchive(const std::vector<Record> &records) {
        QByteArray bytes;
        for (const Record &r : records) bytes += r.Bytes();
        folder.Write(kArchive, bytes);
    }
    void FillMandatory(const QString &plate) {
        card->txtVeicolo->setText(QStringLiteral("Autocarro"));
        card->txtMarca->setText(QStringLiteral("Iveco"));
        card->txtModello->setText(QStringLiteral("Daily"));
        card->txtTarga->setText(plate);
    }
    TfrmFlotta *card = nullptr;
};

TEST_F(FlottaTest, CardLooksAsDesigned) {
    EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Parco Automezzi"));
    EXPECT_EQ(card->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EXPECT_EQ(card->chkDisponibile->text(), QStringLiteral("Veicolo disponibile"));
    EXPECT_TRUE(card->lblPosizione->isVisible());
    EXPECT_FALSE(card->lblFile01->isVisible());
    // Every text field takes, typed, as many characters as its field holds.
    for (const FieldDef &f : VehicleRecord.Fields()) {
        const QString name = QStringLiteral("txt") + QString::fromLatin1(f.name.data(), int(f.name.size()));
        auto *edit = card->findChild<Edit *>(name);
        auto *combo = card->findChild<ComboEdit *>(name);
        if (!edit && !combo) continue;
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(combo ? combo->Editor()->MaxLength() : edit->MaxLength(), f.capacity);
        EXPECT_NE(card->findChild<FocusFrame *>(QStringLiteral("eff") + name.mid(3)), nullptr);
    }
    const QStringList fuels = {QStringLiteral("Benzina"), QStringLiteral("Diesel"), QStringLiteral("Elettricit\u00e0"),
                               QStringLiteral("GPL"), QStringLiteral("Ibrida"), QStringLiteral("Metano")};
    QStringList shown;
    for (int i = 0; i < card->txtAlimentazione->count(); ++i) shown << card->txtAlimentazione->itemText(i);
    EXPECT_EQ(shown, fuels);
    EXPECT_EQ(card->txtVeicolo->count(), 19);
    EXPECT_EQ(card->txtVeicolo->itemText(8), QStringLiteral("Mezzo agricolo"));
    EXPECT_EQ(card->txtStato->itemText(5), QStringLiteral("Da rottamare"));
}

TEST_F(FlottaTest, FirstCommandOfANewInstallationCreatesTheArchive) {
    messages.Expect(MsgKind::Information, kEmpty);
    Click(card->cmdPrimo);
    EXPECT_TRUE(folder.Exists(kArchive));
    EXPECT_EQ(folder.Read(kArchive).size(), 0);
}

TEST_F(FlottaTest, SavingAppendsThenRewritesInPlace) {
    FillMandatory(QStringLiteral("AB123CD"));
    card->txtNote->setText(QStringLiteral("  in officina fino a lunedì  "));
    card->chkDisponibile->setChecked(true);
    card->lblFile02->setText(QStringLiteral("polizza.pdf"));
    messages.Expect(MsgKind::Information, kInserted);
    Click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    ASSERT_EQ(folder.Read(kArchive).size(), 3635);

    // Byte for byte: the card's texts trimmed, the flag as "Sì", zeros elsewhere.
    Record expected(VehicleRecord);
    expected.SetText("Veicolo", QStringLiteral("Autocarro"));
    expected.SetText("Marca", QStringLiteral("Iveco"));
    expected.SetText("Modello", QStringLiteral("Daily"));
    expected.SetText("Targa", QStringLiteral("AB123CD"));
    expected.SetText("Disponibile", QStringLiteral("S\u00ec"));
    expected.SetText("Note", QStringLiteral("in officina fino a luned\u00ec"));
    expected.SetText("File02", QStringLiteral("polizza.pdf"));
    for (const FieldDef &f : VehicleRecord.Fields())
        if (expected.Text(f.name).isEmpty()) expected.SetText(f.name, QString());
    EXPECT_EQ(folder.Read(kArchive), expected.Bytes());
    EXPECT_EQ(folder.Read(kArchive).mid(1875, 3), QByteArray("\x02S\xec"));
    // The card keeps showing what was typed.
    EXPECT_EQ(card->txtNote->text(), QStringLiteral("  in officina fino a luned\u00ec  "));

    card->chkDisponibile->setChecked(false);
    messages.Expect(MsgKind::Information, kSaved);
    Click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_EQ(folder.Read(kArchive).size(), 3635);
    EXPECT_EQ(folder.Read(kArchive).mid(1875, 3), QByteArray("\x02No"));
}

TEST_F(FlottaTest, LoadingReplacesEveryControlButKeepsAnUnknownFlag) {
    Record odd = Vehicle(QStringLiteral("PL2"), QStringLiteral("Forse"));
    WriteArchive({Vehicle(QStringLiteral("PL1"), QStringLiteral("S\u00ec")), odd});
    Click(card->cmdPrimo);
    EXPECT_TRUE(card->chkDisponibile->isChecked());
    EXPECT_EQ(card->lblFile01->text(), QStringLiteral("libretto_PL1.pdf"));
    EXPECT_EQ(card->txtNote->text(), QStringLiteral("note di PL1"));
    Click(card->cmdAvanti);
    EXPECT_TRUE(card->chkDisponibile->isChecked());
    EXPECT_EQ(card->txtModello->text(), QStringLiteral("Panda PL2"));
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
}

TEST_F(FlottaTest, NewCardAndShowingClearEverything) {
    WriteArchive({Vehicle(QStringLiteral("PL1"), QStringLiteral("S\u00ec"))});
    Click(card->cmdUltimo);
    card->txtAlimentazione->setCurrentIndex(2);
    Click(card->cmdNuovo);
    EXPECT_EQ(card->txtTarga->text(), QString());
    EXPECT_EQ(card->txtAlimentazione->text(), QString());
    EXPECT_EQ(card->txtAlimentazione->currentIndex(), -1);
    EXPECT_FALSE(card->chkDisponibile->isChecked());
    EXPECT_EQ(card->lblFile01->text(), QString());
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_EQ(Focused(), card->txtVeicolo);
    EXPECT_FALSE(folder.Read(kArchive).isEmpty());  // "Nuovo" never touches the archive

    Click(card->cmdUltimo);
    card->Close();
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(card->isVisible());
    card->Show();
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_EQ(card->txtTarga->text(), QString());
}

TEST_F(FlottaTest, CodesRefuseSpecialCharactersAndPlatesTurnToCapitals) {
    card->txtTarga->setFocus();
    Type(card->txtTarga, QStringLiteral("ab\u00e8/1&2<>\u00b0c "));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral("AB12C"));
    for (Edit *edit : {card->txtMarca, card->txtModello, card->txtTelaio}) {
        edit->setFocus();
        Type(edit, QStringLiteral("Citro\u00ebn \u00c0 \u00a3x\u0141"));
        EXPECT_EQ(edit->text(), QStringLiteral("Citron  x\u0141"));
    }
    // Text put in by a command is taken as it is.
    card->txtTarga->setText(QStringLiteral("ab/\u00e8"));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral("ab/\u00e8"));

    card->txtCodFisc->setFocus();
    Type(card->txtCodFisc, QStringLiteral(" rssmra80a01h501u"));
    EXPECT_EQ(card->txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
}

TEST_F(FlottaTest, KilometresPerLitreTakeDigitsOnly) {
    card->txtLitro->setFocus();
    Type(card->txtLitro, QStringLiteral("1a2 .3"));
    EXPECT_EQ(card->txtLitro->text(), QStringLiteral("123"));
    Press(card->txtLitro, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->txtLitro);  // Tab is swallowed too
    Press(card->txtLitro, Qt::Key_Left);
    Press(card->txtLitro, Qt::Key_Backspace);
    EXPECT_EQ(card->txtLitro->text(), QStringLiteral("13"));
    Press(card->txtLitro, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtUso);

    const struct {
        const char *text;
        const char *left;
    } cases[] = {{"12a", "0"}, {" 12", "0"}, {"", ""}, {"0042", "0042"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        card->txtLitro->setFocus();
        card->txtLitro->setText(QString::fromLatin1(c.text));  // as a paste would leave it
        card->txtUso->setFocus();
        EXPECT_EQ(card->txtLitro->text(), QString::fromLatin1(c.left));
    }
}

TEST_F(FlottaTest, HintsFollowThePointer) {
    const std::pair<QWidget *, QString> hints[] = {
        {card->cmdNuovo, QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda.")},
        {card->cmdDisponibili, QStringLiteral("Visualizza il riepilogo dei veicoli attualmente disponibili.")},
        {card->cmdUltimo, QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {card->impAutomezzo, QStringLiteral("Importa i dati del proprietario o responsabile del veicolo "
                                            "dall'archivio anagrafico dei clienti.")},
        {card->chkDisponibile,
         QStringLiteral("Spunta questa casella per annotare che il veicolo \u00e8 attualmente disponibile.")},
    };
    for (const auto &[control, hint] : hints) {
        MoveMouseOver(control);
        EXPECT_EQ(card->panInfo->text(), hint);
    }
    MoveMouseOver(card->txtMarca);  // an edit changes nothing
    EXPECT_EQ(card->panInfo->text(), hints[4].second);
    MoveMouseOver(card->shpVeicolo, QPoint(2, 2));  // a section's background empties it
    EXPECT_EQ(card->panInfo->text(), QString());
}

TEST_F(FlottaTest, TaxCodeButtonOpensTheRightChecker) {
    ExpectTaxCodeChecker(modals, card->txtCodFisc, card->btnCodFisc);
}

TEST_F(FlottaTest, OwnerImportOpensTheCustomerSearchForThisCard) {
    modals.Expect<TfrmTrovaClienti>([](TfrmTrovaClienti &d) {
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("flotta"));
        EXPECT_EQ(d.Caption(), QStringLiteral(" Trova clienti in archivio"));
        d.Close();
    });
    Click(card->impAutomezzo);
}

TEST_F(FlottaTest, DialogOpenersHandOverTheirTagAndTexts) {
    modals.Expect<TfrmTrovaFlotta>([](TfrmTrovaFlotta &d) {
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("flotta"));
        d.Close();
    });
    Click(card->cmdTrova);

    modals.Expect<TfrmDisponibili>([](TfrmDisponibili &d) { d.Close(); });
    Click(card->cmdDisponibili);

    modals.Expect<TfrmExpFlotta>([](TfrmExpFlotta &d) { d.Close(); });
    Click(card->cmdEsporta);

    modals.Expect<TfrmGuida>([](TfrmGuida &d) {
        EXPECT_EQ(d.lblTitolo->text(), QStringLiteral("App Parco Automezzi"));
        const QString text = d.txtGuida->toPlainText();
        EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")).size(), 8);
        EXPECT_TRUE(text.startsWith(QStringLiteral("L'app Parco Automezzi permette di creare una scheda")));
        EXPECT_TRUE(text.contains(QStringLiteral("i campi \"Tipo veicolo\", \"Marca\", \"Modello\" e \"Targa\" sono")));
        EXPECT_TRUE(text.endsWith(QStringLiteral("l'intero archivio dei veicoli in un file di Excel.")));
        d.Close();
    });
    Click(card->cmdGuida);
}

}  // namespace
}  // namespace vel::test
