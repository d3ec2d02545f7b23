#pragma once
// What every result list of flagged records does through ResultList, tested
// once for each such list: its looks, the list with nothing to show, the
// archive that fails, "Trova" and "Stampa" over the list, the print that
// fails, the pick with no line under the mouse or no archive left.
//
// A result list takes part with a traits struct:
//   using Window = TfrmXxx;                    the list's class
//   static QWidget *Owner();                   the card that opens it and receives its pick
//   static const char *ObjectName();           the window's object name
//   static QString ReportTitle();              the title "Stampa" prints; the caption is
//                                              that title after one blank
//   static QString Archive();                  the archive's file name in the program folder
//   static const RecordLayout &Layout();
//   static Record Flagged(int i);              a record the list shows (i tells them apart)
//   static Record Unflagged();                 a record the list leaves out
//   static std::vector<Record> FindRecords();  three flagged records, in file order...
//   static QString FindText();                 ...a text in small letters "Trova" finds...
//   static std::vector<int> FindRows();        ...in these rows of the list, in order
// and, where a list needs it:
//   static void Prepare();                     what the card does before any opening
//                                              (the year it has open)
// The window's own tests (which records it lists, its line, its pick) stay
// in its own file.
#include <QDir>
#include <QFile>
#include <memory>
#include <vector>

#include "cards/FindDialog.h"
#include "cards/ListReport.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "common/ArchiveFile.h"
#include "support/ListBoxView.h"
#include "support/ProgramFixture.h"
#include "support/ReadFault.h"

namespace vel::test {

// Said when the archive cannot be opened or read.
inline const QString kResultListArchiveFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");

template <typename Traits>
class ResultListSuite : public ProgramTest {
protected:
    using Window = typename Traits::Window;

    void SetUp() override {
        ProgramTest::SetUp();
        if constexpr (requires { Traits::Prepare(); }) Traits::Prepare();
    }
    // The list as its card opens it: owned by the card, no tag.
    static std::unique_ptr<Window> Open() {
        auto dlg = std::make_unique<Window>(Traits::Owner());
        dlg->Create();
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    static void WriteRecords(const std::vector<Record> &records) {
        WriteArchive(Traits::Archive(), Traits::Layout(), records);
    }
    static QString PrintedOn() { return QStringLiteral("Stampa eseguita in data 14/03/2026"); }
};

TYPED_TEST_SUITE_P(ResultListSuite);

TYPED_TEST_P(ResultListSuite, WindowLooksAsDesigned) {
    auto dlg = this->Open();
    EXPECT_EQ(dlg->objectName(), QString::fromLatin1(TypeParam::ObjectName()));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" ") + TypeParam::ReportTitle());
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(dlg->panContainer->isVisible());
    EXPECT_EQ(Focused(), dlg->txtTrova);
    EXPECT_EQ(dlg->btnTrova->text(), QStringLiteral("Trova"));
    EXPECT_EQ(dlg->btnStampa->text(), QStringLiteral("Stampa"));
    EXPECT_EQ(dlg->btnChiudi->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->lblIstruzioni01->text(),
              U("Immettere una o pi\xc3\xb9 parole consecutive presenti nella scheda in elenco da cercare e premere "
                "il pulsante Trova."));
    EXPECT_EQ(dlg->lblIstruzioni02->text(),
              U("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su "
                "Trova."));
    EXPECT_EQ(dlg->lblIstruzioni03->text(), U("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    // No criteria, no count, no tag.
    EXPECT_EQ(dlg->template findChild<QWidget *>(QStringLiteral("panAvvio")), nullptr);
    EXPECT_EQ(dlg->template findChild<QWidget *>(QStringLiteral("lblTrovate")), nullptr);
    EXPECT_EQ(dlg->template findChild<QWidget *>(QStringLiteral("lblMemory")), nullptr);
}

// No archive, or none of its records flagged: an empty list, which "Trova"
// says it cannot search and "Stampa" prints with its title and date alone.
TYPED_TEST_P(ResultListSuite, NothingFlaggedGivesAnEmptyList) {
    for (const bool archive : {false, true}) {
        SCOPED_TRACE(archive ? "no flagged record" : "no archive at all");
        if (archive) this->WriteRecords({TypeParam::Unflagged()});
        auto dlg = this->Open();
        EXPECT_TRUE(this->folder.Exists(TypeParam::Archive()));  // a missing archive is created empty
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        this->messages.Expect(MsgKind::Plain,
                              QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        Click(dlg->btnTrova);
        this->messages.Verify();
        this->printer.printed.clear();
        Click(dlg->btnStampa);
        ASSERT_EQ(this->printer.printed.size(), 1u);
        EXPECT_EQ(this->printer.printed[0].title, TypeParam::ReportTitle());
        EXPECT_EQ(StringsOf(this->printer.printed[0].pages[0]),
                  (QStringList{TypeParam::ReportTitle(), this->PrintedOn()}));
    }
}

// An archive that cannot be opened, or fails part way: a list of some of the
// flagged records would pass for all of them, so the failure is said and no
// line is shown; the list stays open.
TYPED_TEST_P(ResultListSuite, AnArchiveThatFailsIsReportedAndListsNothing) {
    this->folder.Block(TypeParam::Archive());
    this->messages.Expect(MsgKind::Error, kResultListArchiveFailure);
    {
        auto dlg = this->Open();
        this->messages.Verify();
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Focused(), dlg->txtTrova);
    }
    QDir(this->folder.Path(QString())).rmdir(TypeParam::Archive());
    std::vector<Record> many;
    for (int i = 1; i <= 200; ++i) many.push_back(TypeParam::Flagged(i));
    this->WriteRecords(many);
    {
        ReadFault badSectors(this->folder.Path(TypeParam::Archive()), qint64(100) * TypeParam::Layout().Size());
        this->messages.Expect(MsgKind::Error, kResultListArchiveFailure);
        auto dlg = this->Open();
        this->messages.Verify();
        EXPECT_GE(badSectors.Refused(), 1);
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Focused(), dlg->txtTrova);
    }
    // Readable again, the next opening lists every one.
    auto dlg = this->Open();
    EXPECT_EQ(dlg->lstRecords->count(), 200);
}

// "Trova" finds the text in any case from the line after the selection and
// wraps round; Enter in its edit only moves to the button. "Stampa" prints
// the lines between the title and the date. A new opening forgets the last
// find.
TYPED_TEST_P(ResultListSuite, TrovaAndStampaWorkOnTheList) {
    this->WriteRecords(TypeParam::FindRecords());
    const std::vector<int> rows = TypeParam::FindRows();
    ASSERT_GE(rows.size(), 2u);
    auto dlg = this->Open();
    Type(dlg->txtTrova, TypeParam::FindText().toUpper());
    Press(dlg->txtTrova, Qt::Key_Return);
    EXPECT_EQ(Focused(), dlg->btnTrova);
    EXPECT_EQ(SelectedRow(dlg->lstRecords), -1);  // Enter did not find
    for (const int row : rows) {
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), row);
    }
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), rows.front());

    Click(dlg->btnStampa);
    ASSERT_EQ(this->printer.printed.size(), 1u);
    EXPECT_EQ(StringsOf(this->printer.printed[0].pages[0]),
              QStringList{TypeParam::ReportTitle()} + LinesOf(dlg->lstRecords) + QStringList{this->PrintedOn()});

    // The same text starts from the first line again.
    Click(dlg->btnChiudi);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    auto next = this->Open();
    next->lstRecords->setCurrentRow(2);
    Type(next->txtTrova, TypeParam::FindText());
    Click(next->btnTrova);
    EXPECT_EQ(next->lstRecords->currentRow(), rows.front());
}

TYPED_TEST_P(ResultListSuite, PrintFailureIsReportedAndTheListStays) {
    this->WriteRecords({TypeParam::Flagged(1), TypeParam::Flagged(2)});
    auto dlg = this->Open();
    dlg->lstRecords->setCurrentRow(1);
    this->printer.failWith = QStringLiteral("la stampante non risponde");
    this->messages.Expect(MsgKind::Error, PrintFailureMessage(QStringLiteral("la stampante non risponde")));
    Click(dlg->btnStampa);
    this->messages.Verify();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 2);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
}

// A double-click below the lines, or on a line whose archive has gone, only
// closes the list: the card keeps its record.
TYPED_TEST_P(ResultListSuite, PickWithoutALineOrArchiveJustCloses) {
    this->WriteRecords({TypeParam::Flagged(1)});
    SetControlTextOf(TypeParam::Owner(), "lblPosizione", QStringLiteral("5"));
    {
        auto dlg = this->Open();
        DoubleClickBelowLines(dlg->lstRecords);
        EXPECT_FALSE(dlg->isVisible());
    }
    {
        auto dlg = this->Open();
        QFile::remove(this->folder.Path(TypeParam::Archive()));
        this->folder.Block(TypeParam::Archive());
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(ControlTextOf(TypeParam::Owner(), "lblPosizione"), QStringLiteral("5"));
    EXPECT_TRUE(this->messages.Shown().empty());
}

REGISTER_TYPED_TEST_SUITE_P(ResultListSuite, WindowLooksAsDesigned, NothingFlaggedGivesAnEmptyList,
                            AnArchiveThatFailsIsReportedAndListsNothing, TrovaAndStampaWorkOnTheList,
                            PrintFailureIsReportedAndTheListStays, PickWithoutALineOrArchiveJustCloses);

}  // namespace vel::test
