#include <QCheckBox>
#include <QLabel>
#include <memory>
#include <vector>

#include "ContractFixture.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "common/ListLines.h"
#include "contracts/TrovaContrattiNSC.h"
#include "platform/QtPrint.h"
#include "support/FindSuite.h"

namespace vel::test {
namespace {

Record Rental(const char *number, const char *date, const char *customer, FieldTexts more = {}) {
    Record r = Contract({{"NumContratto", QString::fromUtf8(number)},
                         {"Data", QString::fromUtf8(date)},
                         {"Cliente", QString::fromUtf8(customer)}});
    for (const auto &[field, text] : more) r.SetText(field, text);
    return r;
}

// The archive most tests search, in file order. Their lines sort by number
// as text: 1, 10, 100, 11, 2, 9.
std::vector<Record> Year() {
    return {
        Rental("9", "01/02/2026", "Rossi Mario",
               {{"CodFisc", U("RSSMRA80A01H501U")}, {"Tariffa", U("Giornaliera")}, {"Marca", U("Fiat Panda")},
                {"Targa", U("AB111AA")}, {"Totale", U("120,00")}, {"DataInizio", U("01/02/2026")},
                {"DataFine", U("03/02/2026")}, {"File01", U("panda.pdf")}}),
        Rental("10", "05/02/2026", "Verdi Anna",
               {{"Conducente", U("Verdi Luca")}, {"Tariffa", U("Settimanale")}, {"Marca", U("Lancia Ypsilon")},
                {"Targa", U("CD222BB")}, {"Totale", U("300,00")}}),
        Rental("11", "07/02/2026", "rossi luca",
               {{"Marca", U("Fiat Tipo")}, {"Targa", U("EF333CC")}, {"Difetti", U("Graffio sul paraurti")}}),
        Rental("2", "10/01/2026", "Bianchi Carla", {{"Marca", U("Alfa Romeo Giulia")}, {"Targa", U("GH444DD")}}),
        Rental("1", "02/01/2026", "Rossini Paolo", {{"Marca", U("Renault Clio")}, {"Note", U("Cliente abituale")}}),
        Rental("100", "15/03/2026", "Neri Gino",
               {{"Tariffa", U("Mensile")}, {"Marca", U("Opel Corsa")}, {"Note", U("Da saldare entro aprile")}}),
    };
}

// Year() in the order of the list.
const int kSorted[] = {4, 1, 5, 2, 3, 0};

// The contract card on the year the tests write: the dialog reads the
// archive its lblFile names.
TfrmContrattiNSC *CardOnYear() {
    frmContrattiNSC->lblFile->setText(ProgramPath(ContractArchive()));
    return frmContrattiNSC;
}

QString CardText(const char *control) { return ControlTextOf(frmContrattiNSC, control); }

// The contract search as the contract card opens it.
struct ContractSearch {
    using Window = TfrmTrovaContrattiNSC;
    using Card = TfrmContrattiNSC;
    static Card *Owner() { return CardOnYear(); }
    static QString Tag() { return QStringLiteral("contrattinsc"); }
    static QString OtherTag() { return QStringLiteral("prenotazioni"); }
    static const RecordLayout &Layout() { return ContractRecord; }
    static QString Archive() { return ContractArchive(); }
    static QString Line(const Record &r) { return ContractListLine(r); }
    static QString ReportTitle() { return QStringLiteral("Riepilogo contratti N.S.C."); }
    static std::vector<Record> Records() { return Year(); }
    static std::vector<int> Sorted() { return {std::begin(kSorted), std::end(kSorted)}; }
    static Criteria Narrowing() { return {{"txtMarca", U("fiat")}, {"txtCliente", U("ROSSI")}}; }
    static std::vector<int> Narrowed() { return {2, 0}; }
    static QString FindText() { return U("rossi"); }  // Rossini, rossi luca, Rossi Mario
    static std::vector<int> FindRows() { return {0, 3, 5}; }
    static QString LoneFindText() { return U("verdi"); }
    static int LoneFindRow() { return 1; }
    // Rossi Mario's contract again, for another car (not in the line) with
    // its own attachment.
    static Record Twin(Record r) {
        r.SetText("Marca", U("Lancia Delta"));
        r.SetText("File01", U("gemello.pdf"));
        return r;
    }
    static int TwinOf() { return 0; }
    static const char *ShownField() { return "Targa"; }
    static void ExpectCardShows(const Record &contract, const QString &number) {
        EXPECT_EQ(frmContrattiNSC->lblPosizione->text(), number);
        EXPECT_EQ(CardText("txtTarga"), contract.Text("Targa"));
        EXPECT_EQ(CardText("txtMarca"), contract.Text("Marca"));
        EXPECT_EQ(CardText("lblFile01"), contract.Text("File01"));
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(TrovaContrattiNSC, FindSuite, ContractSearch);

using TrovaContrattiNSCTest = FindTest<ContractSearch>;

const char *const kEdits[] = {"txtNumContratto", "txtData",  "txtCliente", "txtCodFisc", "txtConducente",
                              "txtTariffa",      "txtMarca", "txtTarga",   "txtDifetti", "txtNote"};
const char *const kFrames[] = {"effCampo01", "effCampo02", "effCampo09", "effCampo10", "effCampo05",
                               "effCampo06", "effCampo07", "effCampo08", "effCampo03", "effCampo04"};
const char *const kFields[] = {"NumContratto", "Data",  "Cliente", "CodFisc", "Conducente",
                               "Tariffa",      "Marca", "Targa",   "Difetti", "Note"};

TEST_F(TrovaContrattiNSCTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmTrovaContrattiNSC"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Trova contratti N.S.C. in archivio"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->panAvvio->geometry(), dlg->panContainer->geometry());
    EXPECT_EQ(Focused(), dlg->txtNumContratto);
    EXPECT_TRUE(dlg->effCampo01->isVisible());

    const Edit *edits[] = {dlg->txtNumContratto, dlg->txtData,  dlg->txtCliente, dlg->txtCodFisc, dlg->txtConducente,
                           dlg->txtTariffa,      dlg->txtMarca, dlg->txtTarga,   dlg->txtDifetti, dlg->txtNote};
    const FocusFrame *frames[] = {dlg->effCampo01, dlg->effCampo02, dlg->effCampo09, dlg->effCampo10,
                                  dlg->effCampo05, dlg->effCampo06, dlg->effCampo07, dlg->effCampo08,
                                  dlg->effCampo03, dlg->effCampo04};
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(edits[i], nullptr) << kEdits[i];
        EXPECT_EQ(edits[i]->objectName(), QString::fromLatin1(kEdits[i]));
        EXPECT_EQ(frames[i]->objectName(), QString::fromLatin1(kFrames[i]));
        EXPECT_EQ(dlg->Criteria()[size_t(i)], edits[i]);
        // No limit, no case change, no filter: any text goes in as typed.
        EXPECT_EQ(edits[i]->MaxLength(), 0);
        EXPECT_TRUE(edits[i]->font().bold());
    }
    // Two by two, the defects and the note across the whole width.
    EXPECT_EQ(dlg->txtNumContratto->y(), dlg->txtData->y());
    EXPECT_LT(dlg->txtNumContratto->x(), dlg->txtData->x());
    EXPECT_EQ(dlg->txtMarca->y(), dlg->txtTarga->y());
    EXPECT_GT(dlg->txtDifetti->y(), dlg->txtMarca->y());
    EXPECT_GT(dlg->txtNote->y(), dlg->txtDifetti->y());
    EXPECT_GT(dlg->txtNote->width(), 2 * dlg->txtMarca->width());

    QStringList texts;
    for (const QLabel *label : dlg->findChildren<QLabel *>())
        if (label->isVisibleTo(dlg.get())) texts.append(label->text());
    for (const char *text :
         {"Contratto n.", "Data stipula:", "Cognome e nome cliente:", "Codice fiscale:", "Conducente supplementare:",
          "Tipologia tariffa:", "Marca e modello veicolo:", "Targa:", "Difetti veicolo al rientro:", "Note:",
          "Immettere nei campi prescelti una o pi\xc3\xb9 parole consecutive presenti nelle schede da trovare e "
          "premere il pulsante Cerca.",
          "Lasciare in bianco tutti gli altri campi.",
          "Per ogni ricerca \xc3\xa8 possibile utilizzare uno o pi\xc3\xb9 campi contemporaneamente."})
        EXPECT_TRUE(texts.contains(U(text))) << text;
    EXPECT_EQ(dlg->btnCerca->text(), QStringLiteral("Cerca"));
    EXPECT_EQ(dlg->btnAnnulla->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    EXPECT_FALSE(dlg->lblAttendere->isVisible());
    EXPECT_FALSE(dlg->lblConta->isVisible());
    EXPECT_EQ(dlg->lblConta->text(), QStringLiteral("0"));
    EXPECT_FALSE(dlg->lblMemory->isVisible());
    EXPECT_EQ(dlg->lblTrovate->text(), QStringLiteral("Il presente elenco contiene 0 schede."));

    // The result panel, once shown.
    Click(dlg->btnCerca);
    EXPECT_EQ(dlg->btnTrova->text(), QStringLiteral("Trova"));
    EXPECT_EQ(dlg->btnStampa->text(), QStringLiteral("Stampa"));
    EXPECT_EQ(dlg->btnChiudi->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->lblIstruzioni01->text(),
              U("Immettere una o pi\xc3\xb9 parole consecutive presenti nella scheda in elenco da cercare e premere "
                "il pulsante Trova."));
    EXPECT_EQ(dlg->lblIstruzioni03->text(), U("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    ExpectResultListLook(dlg->lstRecords, 1600);
}

TEST_F(TrovaContrattiNSCTest, FocusFramesAndEnterGoRoundTheCriteria) {
    auto dlg = Open();
    Type(dlg->txtNumContratto, QStringLiteral("12"));
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(Focused(), dlg->CriterionEdit(kEdits[i])) << i;
        for (int j = 0; j < 10; ++j) EXPECT_EQ(dlg->CriterionFrame(kFrames[j])->isVisible(), j == i) << i << " " << j;
        Press(dlg->CriterionEdit(kEdits[i]), Qt::Key_Return);
    }
    EXPECT_EQ(Focused(), dlg->txtNumContratto);
    // Enter never searched: no archive was even opened.
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(folder.Exists(ContractArchive()));
    EXPECT_EQ(dlg->txtNumContratto->text(), QStringLiteral("12"));
}

// Each criterion is sought in its own field, and only there: contract i
// holds the mark in field i alone.
TEST_F(TrovaContrattiNSCTest, EachCriterionSearchesItsOwnField) {
    std::vector<Record> contracts;
    for (int i = 0; i < 10; ++i) {
        Record r = Contract({{"NumContratto", QStringLiteral("C%1").arg(i)}});
        r.SetText(kFields[i], r.Text(kFields[i]) + QStringLiteral(" zq%1").arg(i));
        contracts.push_back(r);
    }
    WriteArchive(ContractArchive(), ContractRecord, contracts);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(kEdits[i]);
        auto dlg = Search({{kEdits[i], QStringLiteral("ZQ%1").arg(i)}});
        EXPECT_EQ(LinesOf(dlg->lstRecords), QStringList{ContractListLine(contracts[size_t(i)])});
        // The same mark in every other criterion finds nothing.
        auto none = Search({{kEdits[(i + 1) % 10], QStringLiteral("zq%1").arg(i)}});
        EXPECT_EQ(none->lstRecords->count(), 0);
    }
}

TEST_F(TrovaContrattiNSCTest, CriteriaAreSoughtAsTyped) {
    WriteArchive(ContractArchive(), ContractRecord,
                 {Rental("1", "01/03/2026", "Rossi Mario", {{"Marca", U("Fiat Panda 4x4")}}),
                  Rental("2", "02/03/2026", "Rossi", {{"Marca", U("Citro\xc3\xabn C3")}}),
                  Rental("3", "03/03/2026", "ROSSINI ADA", {{"Note", U("\xc3\xa8 tornata con ritardo")}})});
    const struct {
        const char *label;
        Criteria criteria;
        QStringList numbers;  // the contracts listed, in list order
        const char *filled;
    } cases[] = {
        {"a surname finds every case of it", {{"txtCliente", U("rossi")}}, {"1", "2", "3"}, "1"},
        {"a blank after it must be there too", {{"txtCliente", U("Rossi ")}}, {"1"}, "1"},
        {"the model alone finds make and model", {{"txtMarca", U("panda")}}, {"1"}, "1"},
        {"citroen does not find Citro\xc3\xabn", {{"txtMarca", U("citroen")}}, {}, "1"},
        {"a capital \xc3\x88 does not find a small one", {{"txtNote", U("\xc3\x88")}}, {}, "1"},
        {"two criteria must both hit", {{"txtCliente", U("rossi")}, {"txtData", U("/03/")}, {"txtMarca", U("c3")}},
         {"2"}, "3"},
        {"a criterion of blanks takes no part", {{"txtCliente", U("ROSSI")}, {"txtNote", U("   ")}},
         {"1", "2", "3"}, "1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        auto dlg = Search(c.criteria);
        QStringList numbers;
        for (const QString &line : LinesOf(dlg->lstRecords)) numbers.append(line.mid(3, line.indexOf(u' ', 3) - 3));
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(dlg->lblConta->text(), QString::fromLatin1(c.filled));
    }
}

// The line: number and date together in 25 characters, then the customer,
// tax code, dates, plate and the total as stored, each in its place.
TEST_F(TrovaContrattiNSCTest, ContractLineHasItsColumnsInTheirPlaces) {
    const Record full = Rental("123", "10/03/2026", "Rossi Mario",
                               {{"CodFisc", U("RSSMRA80A01H501U")}, {"DataInizio", U("11/03/2026")},
                                {"DataFine", U("12/03/2026")}, {"Targa", U("AB123CD")}, {"Totale", U("250,00")}});
    const QString line = ContractListLine(full);
    EXPECT_EQ(line, U("N. ") + U("123 del 10/03/2026").leftJustified(25) + U("  ") + U("Rossi Mario").leftJustified(30) +
                        U("  CF: RSSMRA80A01H501U  DAL: 11/03/2026  AL: 12/03/2026  Targa: ") +
                        U("AB123CD").leftJustified(12) + U("  Tot. \xe2\x82\xac 250,00"));
    const struct {
        int first;  // 1-based
        const char *text;
    } places[] = {{1, "N. "}, {4, "123 del"}, {31, "Rossi"}, {67, "RSSMRA"}, {90, "11/03"}, {106, "12/03"},
                  {125, "AB123"}, {146, "250,00"}};
    for (const auto &p : places) EXPECT_EQ(line.mid(p.first - 1, qstrlen(p.text)), U(p.text)) << p.text;
    EXPECT_EQ(line.at(143), QChar(0x20AC));

    // A long number cuts the date; a long customer shows 30 characters; an
    // empty total leaves the euro sign and a blank at the end.
    const Record cut = Rental("2026/ABCDEFGHI", "10/03/2026", "Bartolomeo Maria Giuseppe Rossi di Montalto");
    const QString cutLine = ContractListLine(cut);
    EXPECT_EQ(cutLine.mid(3, 25), U("2026/ABCDEFGHI del 10/03/"));
    EXPECT_EQ(cutLine.mid(30, 30), U("Bartolomeo Maria Giuseppe Ross"));
    EXPECT_TRUE(cutLine.endsWith(U("Tot. \xe2\x82\xac ")));
    EXPECT_EQ(cutLine.size(), 145);
}

TEST_F(TrovaContrattiNSCTest, CountLineAndPrintOfTheList) {
    WriteArchive(ContractArchive(), ContractRecord, Year());
    auto one = Search({{"txtTarga", U("cd222")}});
    EXPECT_EQ(one->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 1 schede."));
    auto all = Search({});
    EXPECT_EQ(all->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 6 schede."));
    // "10" before "9": the numbers are compared as text.
    EXPECT_TRUE(all->lstRecords->Line(1).startsWith(U("N. 10 del")));
    EXPECT_TRUE(all->lstRecords->Line(5).startsWith(U("N. 9 del")));

    Click(all->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].title, QStringLiteral("Riepilogo contratti N.S.C."));
    EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
              QStringList{QStringLiteral("Riepilogo contratti N.S.C.")} + LinesOf(all->lstRecords) +
                  QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});
}

// The search reads the year the card has open, named by its lblFile.
TEST_F(TrovaContrattiNSCTest, SearchesTheYearTheCardHasOpen) {
    WriteContracts({Rental("1", "01/01/2025", "Anno Scorso")}, 2025);
    WriteArchive(ContractArchive(), ContractRecord, Year());
    auto dlg = std::make_unique<TfrmTrovaContrattiNSC>(frmContrattiNSC);
    dlg->Create();
    frmContrattiNSC->lblFile->setText(QStringLiteral(" ") + ProgramPath(ContractArchive(2025)) + QStringLiteral("  "));
    dlg->lblMemory->setText(ContractSearch::Tag());
    dlg->Show();
    ShowActive(dlg.get());
    Click(dlg->btnCerca);
    EXPECT_EQ(LinesOf(dlg->lstRecords), QStringList{ContractListLine(Rental("1", "01/01/2025", "Anno Scorso"))});
}

// The pick loads every field of the contract into the card and its record
// number; the flag follows "Sì" and "No" and stays for anything else.
TEST_F(TrovaContrattiNSCTest, PickLoadsTheWholeContract) {
    const Record first = FullContract(QStringLiteral("A"), {{"NumContratto", U("1")}});
    const Record second = FullContract(QStringLiteral("B"), {{"NumContratto", U("2")}, {"DaSaldare", U("No")}});
    const Record odd = FullContract(QStringLiteral("C"), {{"NumContratto", U("3")}, {"DaSaldare", U("Forse")}});
    WriteArchive(ContractArchive(), ContractRecord, {first, second, odd});
    auto *flag = frmContrattiNSC->findChild<QCheckBox *>(QStringLiteral("chkDaSaldare"));
    ASSERT_NE(flag, nullptr);
    const struct {
        int row;
        const Record *contract;
        bool flagBefore, flagAfter;
    } cases[] = {{0, &first, false, true}, {1, &second, true, false}, {2, &odd, true, true}, {2, &odd, false, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        flag->setChecked(c.flagBefore);
        auto dlg = Search({});
        DoubleClickLine(dlg->lstRecords, c.row);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(frmContrattiNSC->lblPosizione->text(), QString::number(c.row + 1));
        for (const FieldDef &field : ContractRecord.Fields()) {
            const QString name = QString::fromLatin1(field.name.data(), qsizetype(field.name.size()));
            if (name == QStringLiteral("DaSaldare")) continue;
            const bool attachment = name.startsWith(QStringLiteral("File")) || name.startsWith(QStringLiteral("Desc"));
            const QString control = (attachment ? QStringLiteral("lbl") : QStringLiteral("txt")) + name;
            EXPECT_EQ(CardText(control.toLatin1().constData()), c.contract->Text(field.name)) << control.toStdString();
        }
        EXPECT_EQ(flag->isChecked(), c.flagAfter);
    }
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
