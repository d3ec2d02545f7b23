// The card engine's own features, on a small card built here over the
// contract record: the save chain of mandatory fields and other checks in
// one order, controls that "Nuovo" keeps, the focus after "Nuovo", labels
// that load and save with the record but that "Nuovo" and "Duplica" leave
// alone, and the box each command's archive failure shows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <memory>

#include "cards/CardEngine.h"
#include "common/ArchiveFile.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel::test {
namespace {

const QString kArchive = QStringLiteral("2026.nsc");
const QString kInserted = QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio.");

QString Needed(const char *what) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ") + QString::fromUtf8(what);
}
const QString kNoDate = QStringLiteral("Attenzione: la data indicata non esiste.");

class SmallCard : public Form {
public:
    SmallCard() {
        resize(600, 400);
        int y = 10;
        for (Edit **edit : {&txtDitta, &txtNumContratto, &txtData, &txtLuogo, &txtCliente, &txtImporto}) {
            *edit = new Edit(this);
            (*edit)->setGeometry(20, y, 200, 24);
            y += 34;
        }
        chkDaSaldare = new QCheckBox(this);
        lblDataInizio = new QLabel(this);
        lblFile01 = new QLabel(this);
        lblDesc01 = new QLabel(this);
        lblPosizione = new QLabel(this);
        card = std::make_unique<CardEngine>(this, ContractRecord, lblPosizione);
        card->SetArchiveName(kArchive);
        // Bound out of record order: the Enter chain follows the binding.
        card->BindEdit("Cliente", txtCliente);
        card->BindEdit("Ditta", txtDitta);
        card->BindEdit("NumContratto", txtNumContratto);
        card->BindEdit("Data", txtData);
        card->BindEdit("Luogo", txtLuogo);
        card->BindEdit("Importo", txtImporto);
        card->BindFlag("DaSaldare", chkDaSaldare);
        card->BindLabel("DataInizio", lblDataInizio);
        card->BindAttachment("File01", lblFile01);
        card->BindAttachment("Desc01", lblDesc01);
        card->SetClearText(txtImporto, QStringLiteral("0,00"));
        card->KeepOnClear(txtDitta);
        card->SetClearFocus(txtLuogo);

        card->AddMandatory(txtDitta, Needed("la ditta."));
        card->AddMandatory(txtNumContratto, Needed("il numero del contratto."));
        card->AddMandatory(txtData, Needed("la data."));
        card->AddCheck([this] { return QDate::fromString(txtData->text(), QStringLiteral("dd/MM/yyyy")).isValid(); },
                       MsgKind::Warning, kNoDate, txtData);
        card->AddMandatory(txtLuogo, Needed("il luogo."));
        card->AddMandatory(txtCliente, Needed("il cliente."));
        // A check that builds the label it judges, with a message naming it;
        // its box leaves the focus where it is.
        card->AddCheck(
            [this] {
                lblDataInizio->setText(Trim(txtData->text()));
                return IsAllDigits(Trim(txtNumContratto->text()));
            },
            MsgKind::Plain,
            [this] { return QStringLiteral("Il numero ") + Trim(txtNumContratto->text()) + QStringLiteral(" non va."); },
            nullptr);
    }
    Edit *txtDitta, *txtNumContratto, *txtData, *txtLuogo, *txtCliente, *txtImporto;
    QCheckBox *chkDaSaldare;
    QLabel *lblDataInizio, *lblFile01, *lblDesc01, *lblPosizione;
    std::unique_ptr<CardEngine> card;
};

class CardEngineTest : public ::testing::Test {
protected:
    void SetUp() override { ShowActive(&w); }
    void FillValid() {
        w.txtDitta->setText(QStringLiteral("Autonoleggio Rossi & C."));
        w.txtNumContratto->setText(QStringLiteral("12"));
        w.txtData->setText(QStringLiteral("28/02/2026"));
        w.txtLuogo->setText(QStringLiteral("Roma"));
        w.txtCliente->setText(QStringLiteral("Bianchi Anna"));
    }
    Record Stored(int n) {
        ArchiveFile archive;
        archive.OpenArchive(kArchive, ContractRecord);
        Record r(ContractRecord);
        archive.ReadRecord(n, r);
        return r;
    }

    TestFolder folder;
    MessageScript messages;
    FixedClock clock;
    SmallCard w;
};

TEST_F(CardEngineTest, SaveRunsItsChecksInTheOrderAdded) {
    const struct {
        const char *ditta, *numero, *data, *luogo, *cliente;
        MsgKind kind;
        QString message;
        Edit *SmallCard::*focus;  // nullptr: the focus stays where it was
        const char *derived;      // the label the last check builds, "-" when it is not reached
    } cases[] = {
        {"", "", "", "", "", MsgKind::Warning, Needed("la ditta."), &SmallCard::txtDitta, "-"},
        {"D", " ", "x", "", "", MsgKind::Warning, Needed("il numero del contratto."), &SmallCard::txtNumContratto, "-"},
        {"D", "1", "\t", "", "", MsgKind::Warning, Needed("la data."), &SmallCard::txtData, "-"},
        // The date check stands between two blank checks, and judges the untrimmed text.
        {"D", "1", "31/02/2026", "", "", MsgKind::Warning, kNoDate, &SmallCard::txtData, "-"},
        {"D", "1", " 01/02/2026", "L", "C", MsgKind::Warning, kNoDate, &SmallCard::txtData, "-"},
        {"D", "1", "01/02/2026", "", "", MsgKind::Warning, Needed("il luogo."), &SmallCard::txtLuogo, "-"},
        {"D", "1", "01/02/2026", "L", " ", MsgKind::Warning, Needed("il cliente."), &SmallCard::txtCliente, "-"},
        {"D", "1a", "01/02/2026", "L", "C", MsgKind::Plain, QStringLiteral("Il numero 1a non va."), nullptr,
         "01/02/2026"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        w.lblDataInizio->setText(QStringLiteral("-"));
        w.txtDitta->setText(QString::fromUtf8(c.ditta));
        w.txtNumContratto->setText(QString::fromUtf8(c.numero));
        w.txtData->setText(QString::fromUtf8(c.data));
        w.txtLuogo->setText(QString::fromUtf8(c.luogo));
        w.txtCliente->setText(QString::fromUtf8(c.cliente));
        w.txtImporto->setFocus();
        messages.Expect(c.kind, c.message);
        w.card->Save();
        messages.Verify();
        EXPECT_EQ(Focused(), c.focus ? static_cast<QWidget *>(w.*c.focus) : w.txtImporto);
        EXPECT_EQ(w.lblDataInizio->text(), QString::fromLatin1(c.derived));
        EXPECT_FALSE(folder.Exists(kArchive));
        EXPECT_EQ(w.lblPosizione->text(), QString());
    }

    // Every check passed: the derived label is saved with the record.
    FillValid();
    messages.Expect(MsgKind::Information, kInserted);
    w.card->Save();
    EXPECT_EQ(w.lblPosizione->text(), QStringLiteral("1"));
    EXPECT_EQ(Stored(1).Text("DataInizio"), QStringLiteral("28/02/2026"));
    EXPECT_EQ(Stored(1).Text("Ditta"), QStringLiteral("Autonoleggio Rossi & C."));
}

TEST_F(CardEngineTest, NewKeepsWhatTheCardKeepsAndLabelsStayThroughNewAndDuplicate) {
    FillValid();
    w.txtImporto->setText(QStringLiteral("12,00"));
    w.chkDaSaldare->setChecked(true);
    w.txtData->setText(QStringLiteral("01/03/2026"));  // the save builds the label from it
    w.lblFile01->setText(QStringLiteral("patente.pdf"));
    w.lblDesc01->setText(QStringLiteral("Patente"));
    messages.Expect(MsgKind::Information, kInserted);
    w.card->Save();
    ASSERT_EQ(Stored(1).Text("DataInizio"), QStringLiteral("01/03/2026"));

    w.txtCliente->setFocus();
    w.card->Clear();
    EXPECT_EQ(w.txtDitta->text(), QStringLiteral("Autonoleggio Rossi & C."));  // kept
    EXPECT_EQ(w.txtCliente->text(), QString());
    EXPECT_EQ(w.txtNumContratto->text(), QString());
    EXPECT_EQ(w.txtImporto->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(w.chkDaSaldare->isChecked());
    EXPECT_EQ(w.lblFile01->text(), QString());
    EXPECT_EQ(w.lblDesc01->text(), QString());
    EXPECT_EQ(w.lblDataInizio->text(), QStringLiteral("01/03/2026"));  // left alone
    EXPECT_EQ(w.lblPosizione->text(), QString());
    EXPECT_EQ(Focused(), w.txtLuogo);

    // A load replaces everything, the kept control and the label too.
    w.txtDitta->setText(QStringLiteral("Altra ditta"));
    w.lblDataInizio->setText(QStringLiteral("altro"));
    w.card->First();
    EXPECT_EQ(w.txtDitta->text(), QStringLiteral("Autonoleggio Rossi & C."));
    EXPECT_EQ(w.lblDataInizio->text(), QStringLiteral("01/03/2026"));
    EXPECT_EQ(w.lblFile01->text(), QStringLiteral("patente.pdf"));
    EXPECT_TRUE(w.chkDaSaldare->isChecked());
    EXPECT_EQ(w.lblPosizione->text(), QStringLiteral("1"));

    // "Duplica" drops the attachments and the number; the label stays.
    messages.Expect(MsgKind::Information,
                    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                   "Al termine premere Salva per inserire la scheda in archivio."));
    w.card->Duplicate();
    EXPECT_EQ(w.lblFile01->text(), QString());
    EXPECT_EQ(w.lblPosizione->text(), QString());
    EXPECT_EQ(w.lblDataInizio->text(), QStringLiteral("01/03/2026"));
    EXPECT_EQ(Focused(), w.txtCliente);  // the first field bound
}

TEST_F(CardEngineTest, EnterFollowsTheOrderOfBinding) {
    const std::vector<Edit *> chain = {w.txtCliente, w.txtDitta, w.txtNumContratto, w.txtData,
                                       w.txtLuogo,   w.txtImporto, w.txtCliente};
    chain.front()->setFocus();
    for (size_t i = 1; i < chain.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(w.card->Frame(Focused())->isVisible());
        Press(Focused(), Qt::Key_Return);
        EXPECT_EQ(Focused(), chain[i]);
    }
}

TEST_F(CardEngineTest, EachCommandShowsItsOwnKindOfArchiveFailure) {
    w.card->SetArchiveFailureKind(CardEngine::Command::Save, MsgKind::Warning);
    w.card->SetArchiveFailureKind(CardEngine::Command::First, MsgKind::Warning);
    folder.Block(kArchive);
    FillValid();
    w.lblPosizione->setText(QStringLiteral("2"));
    const struct {
        void (CardEngine::*command)();
        MsgKind kind;
    } cases[] = {
        {&CardEngine::Save, MsgKind::Warning},     {&CardEngine::First, MsgKind::Warning},
        {&CardEngine::Previous, MsgKind::Error},   {&CardEngine::Next, MsgKind::Error},
        {&CardEngine::Last, MsgKind::Error},       {&CardEngine::Duplicate, MsgKind::Error},
    };
    for (const auto &c : cases) {
        messages.Expect(c.kind, ArchiveFailureMessage());
        ((*w.card).*c.command)();
        messages.Verify();
    }
    EXPECT_EQ(w.txtCliente->text(), QStringLiteral("Bianchi Anna"));
}

}  // namespace
}  // namespace vel::test
