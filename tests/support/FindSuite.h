#pragma once
// What every find dialog does through FindDialog, tested once for each find
// dialog: "Cerca" with and without criteria, the failed search, "Trova"
// through the list, the pick by line (the archive read again, the last
// record with the chosen line wins), the pick with a tag nobody receives,
// "Chiudi".
//
// A find dialog takes part with a traits struct:
//   using Window = TfrmTrovaXxx;               the dialog's class
//   using Card = TfrmXxx;                      the card that opens it and receives its pick
//   static Card *Owner();                      that card's program-wide instance
//   static QString Tag();                      the card's caller tag
//   static QString OtherTag();                 the tag of a window that is not the card
//   static const RecordLayout &Layout();
//   static QString Archive();                  the archive's file name in the program folder
//   static QString Line(const Record &);       a record's line in the list
//   static QString ReportTitle();              the title "Stampa" prints
//   static std::vector<Record> Records();      the archive the tests search, in file order
//   static std::vector<int> Sorted();          Records() in the order of the list
//   static Criteria Narrowing();               criteria some records meet...
//   static std::vector<int> Narrowed();        ...and those records, in list order
//   static QString FindText();                 a text "Trova" finds in three lines or more...
//   static std::vector<int> FindRows();        ...those rows
//   static QString LoneFindText();             a text in one line only, before the last hit...
//   static int LoneFindRow();                  ...that row
//   static Record Twin(const Record &);        a record with the same line, told apart outside it
//   static int TwinOf();                       the record of Records() the twin copies, which
//                                              Narrowing() lists while the twin fails it
//   static const char *ShownField();           a field the card shows in an edit "txt" + field
//   static void ExpectCardShows(const Record &, const QString &number);  the card after a pick
// and, where a dialog needs them:
//   static void Opened(Window &);              what the user does between the opening and
//                                              the criteria (a year panel's "Apri")
//   static constexpr bool kKeepsRecordNumber = true;  a pick that fills fields of the card
//                                              and leaves its record number as it was
// The window's own tests (its looks, its criteria and their fields, its line,
// its printing, the picks into other windows) derive from `FindTest`.
#include <QDir>
#include <QFile>
#include <memory>
#include <utility>
#include <vector>

#include "cards/FindDialog.h"
#include "cards/Receivers.h"
#include "cards/ReportPages.h"
#include "common/ArchiveFile.h"
#include "support/ProgramFixture.h"
#include "support/ReadFault.h"

namespace vel::test {

using Criteria = std::vector<std::pair<const char *, QString>>;

inline const QString kEmptyListNotice = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

// A find dialog of Traits::Window, opened as its card opens it.
template <typename Traits>
class FindTest : public ProgramTest {
protected:
    using Window = typename Traits::Window;

    // A new dialog opened by `opener` (the card, unless another window) with
    // a caller tag, shown and active.
    std::unique_ptr<Window> Open(const QString &tag = Traits::Tag(), QWidget *opener = nullptr) {
        auto dlg = std::make_unique<Window>(opener ? opener : Traits::Owner());
        dlg->Create();
        dlg->lblMemory->setText(tag);
        dlg->Show();
        ShowActive(dlg.get());
        if constexpr (requires(Window &w) { Traits::Opened(w); }) Traits::Opened(*dlg);
        return dlg;
    }
    // Types the criteria into their edits and presses "Cerca".
    std::unique_ptr<Window> Search(const Criteria &criteria, const QString &tag = Traits::Tag()) {
        auto dlg = Open(tag);
        for (const auto &[edit, text] : criteria) Type(dlg->CriterionEdit(edit), text);
        Click(dlg->btnCerca);
        return dlg;
    }
    static QStringList Lines(const std::vector<Record> &records, const std::vector<int> &indexes) {
        QStringList lines;
        for (int i : indexes) lines.append(Traits::Line(records[size_t(i)]));
        return lines;
    }
    static void WriteRecords(const std::vector<Record> &records) {
        WriteArchive(Traits::Archive(), Traits::Layout(), records);
    }
};

// True for a dialog whose pick fills fields of the card and leaves its record
// number alone.
template <typename Traits>
constexpr bool KeepsRecordNumber() {
    if constexpr (requires { Traits::kKeepsRecordNumber; })
        return Traits::kKeepsRecordNumber;
    else
        return false;
}

template <typename Traits>
class FindSuite : public FindTest<Traits> {
protected:
    static Edit *ShownEdit() {
        return Traits::Owner()->template findChild<Edit *>(QStringLiteral("txt") +
                                                             QString::fromLatin1(Traits::ShownField()));
    }
    static QString Found(int count) { return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(count); }
    // The result panel after a search, with the find edit empty and focused.
    static void ExpectResults(typename Traits::Window &dlg) {
        EXPECT_TRUE(dlg.panContainer->isVisible());
        EXPECT_FALSE(dlg.panAvvio->isVisible());
        EXPECT_EQ(Focused(), dlg.txtTrova);
        EXPECT_EQ(dlg.txtTrova->text(), QString());
    }
};

TYPED_TEST_SUITE_P(FindSuite);

// "Cerca" lists the records that meet every criterion typed, in the order of
// the list; a criterion of blanks counts as none.
TYPED_TEST_P(FindSuite, CercaListsTheRecordsMeetingTheCriteria) {
    const std::vector<Record> records = TypeParam::Records();
    this->WriteRecords(records);
    QByteArrayList names;
    {
        const auto dlg = this->Open();
        for (const Edit *edit : dlg->Criteria()) names.append(edit->objectName().toLatin1());
    }
    std::vector<const char *> edits;
    for (const QByteArray &name : names) edits.push_back(name.constData());
    Criteria blanks, narrowingAndBlanks = TypeParam::Narrowing();
    for (const char *edit : edits) {
        blanks.emplace_back(edit, QStringLiteral("  "));
        bool typed = false;
        for (const auto &[name, text] : TypeParam::Narrowing()) typed = typed || qstrcmp(name, edit) == 0;
        if (!typed) narrowingAndBlanks.emplace_back(edit, QStringLiteral(" "));
    }
    const struct {
        const char *label;
        Criteria criteria;
        std::vector<int> listed;
        int filled;
    } cases[] = {
        {"no criterion lists every record", {}, TypeParam::Sorted(), 0},
        {"blanks in every criterion count as none", blanks, TypeParam::Sorted(), 0},
        {"the narrowing criteria", TypeParam::Narrowing(), TypeParam::Narrowed(), int(TypeParam::Narrowing().size())},
        {"blanks beside them change nothing", narrowingAndBlanks, TypeParam::Narrowed(),
         int(TypeParam::Narrowing().size())},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        auto found = this->Search(c.criteria);
        EXPECT_EQ(LinesOf(found->lstRecords), this->Lines(records, c.listed));
        EXPECT_EQ(found->lblConta->text(), QString::number(c.filled));
        EXPECT_EQ(found->lblTrovate->text(), this->Found(int(c.listed.size())));
        this->ExpectResults(*found);
    }
    // Every criterion takes part: a text no record holds, in any one of them,
    // lists nothing.
    for (const char *edit : edits) {
        SCOPED_TRACE(edit);
        auto found = this->Search({{edit, QStringLiteral("#nessuna#")}});
        EXPECT_EQ(found->lstRecords->count(), 0);
        EXPECT_EQ(found->lblConta->text(), QStringLiteral("1"));
        EXPECT_EQ(found->lblTrovate->text(), this->Found(0));
        this->ExpectResults(*found);
    }
    EXPECT_TRUE(this->messages.Shown().empty());
}

// A missing archive is created empty and lists nothing; "Trova" in an empty
// list says so; "Stampa" prints the title and the date alone.
TYPED_TEST_P(FindSuite, AMissingArchiveIsCreatedAndGivesAnEmptyList) {
    auto dlg = this->Search(TypeParam::Narrowing());
    EXPECT_TRUE(this->folder.Exists(TypeParam::Archive()));
    EXPECT_EQ(this->folder.Read(TypeParam::Archive()).size(), 0);
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    EXPECT_EQ(dlg->lblTrovate->text(), this->Found(0));

    this->messages.Expect(MsgKind::Plain, kEmptyListNotice);
    Click(dlg->btnTrova);
    this->messages.Verify();

    Click(dlg->btnStampa);
    ASSERT_EQ(this->printer.printed.size(), 1u);
    ASSERT_EQ(this->printer.printed[0].pages.size(), 1);
    EXPECT_EQ(StringsOf(this->printer.printed[0].pages[0]),
              (QStringList{TypeParam::ReportTitle(), QStringLiteral("Stampa eseguita in data 14/03/2026")}));
}

// An archive that cannot be opened, or fails part way: the failure is said,
// the criteria stay as typed with the notice up, and no list passes for the
// archive; once the archive can be read, the same dialog searches again.
TYPED_TEST_P(FindSuite, AFailedSearchIsReportedAndKeepsTheCriteria) {
    const auto narrowing = TypeParam::Narrowing();
    const auto expectCriteriaKept = [&](typename TypeParam::Window &dlg) {
        EXPECT_TRUE(dlg.panAvvio->isVisible());
        EXPECT_FALSE(dlg.panContainer->isVisible());
        EXPECT_TRUE(dlg.lblAttendere->isVisible());
        EXPECT_EQ(dlg.CriterionEdit(narrowing.front().first)->text(), narrowing.front().second);
        EXPECT_EQ(dlg.lblConta->text(), QString::number(narrowing.size()));
    };
    this->folder.Block(TypeParam::Archive());
    this->messages.Expect(MsgKind::Plain, ArchiveFailureMessage());
    auto dlg = this->Search(narrowing);
    this->messages.Verify();
    expectCriteriaKept(*dlg);

    QDir(this->folder.Path(QString())).rmdir(TypeParam::Archive());
    std::vector<Record> many;
    for (int i = 0; i < 200; ++i) many.push_back(TypeParam::Records()[size_t(i) % TypeParam::Records().size()]);
    this->WriteRecords(many);
    {
        ReadFault badSectors(this->folder.Path(TypeParam::Archive()), qint64(100) * TypeParam::Layout().Size());
        this->messages.Expect(MsgKind::Plain, ArchiveFailureMessage());
        Click(dlg->btnCerca);
        this->messages.Verify();
        EXPECT_GE(badSectors.Refused(), 1);
        expectCriteriaKept(*dlg);
    }

    QFile::remove(this->folder.Path(TypeParam::Archive()));
    this->WriteRecords(TypeParam::Records());
    Click(dlg->btnCerca);
    EXPECT_TRUE(dlg->panContainer->isVisible());
    EXPECT_EQ(LinesOf(dlg->lstRecords), this->Lines(TypeParam::Records(), TypeParam::Narrowed()));
}

// "Trova" goes from hit to hit and round, without case of A-Z, on from the
// line the user chose; a new text starts from the first line; a text no line
// holds leaves the selection; Enter in the find edit moves to "Trova" only.
TYPED_TEST_P(FindSuite, TrovaWalksThroughTheHits) {
    this->WriteRecords(TypeParam::Records());
    auto dlg = this->Search({});
    const auto trova = [&](const QString &text) {
        dlg->txtTrova->clear();
        Type(dlg->txtTrova, text);
        Click(dlg->btnTrova);
        return dlg->lstRecords->currentRow();
    };
    const std::vector<int> hits = TypeParam::FindRows();
    ASSERT_GE(hits.size(), 3u);
    for (int hit : hits) EXPECT_EQ(trova(TypeParam::FindText()), hit);
    EXPECT_EQ(trova(TypeParam::FindText()), hits.front());  // after the last, the first again
    // The user clicks the second hit; the same text in capitals goes on to the third.
    ClickLine(dlg->lstRecords, hits[1]);
    EXPECT_EQ(trova(TypeParam::FindText().toUpper()), hits[2]);
    EXPECT_EQ(trova(TypeParam::LoneFindText()), TypeParam::LoneFindRow());
    EXPECT_EQ(trova(TypeParam::LoneFindText()), TypeParam::LoneFindRow());  // its only line: the selection stays
    EXPECT_EQ(trova(QStringLiteral("#nessuna#")), TypeParam::LoneFindRow());
    dlg->txtTrova->clear();
    Type(dlg->txtTrova, TypeParam::FindText());
    Press(dlg->txtTrova, Qt::Key_Return);
    EXPECT_EQ(Focused(), dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), TypeParam::LoneFindRow());
    EXPECT_TRUE(this->messages.Shown().empty());
}

// A dialog shown anew has forgotten the last text: the same text starts from
// the first line again, wherever the selection is.
TYPED_TEST_P(FindSuite, EveryShowForgetsTheLastFind) {
    this->WriteRecords(TypeParam::Records());
    const std::vector<int> hits = TypeParam::FindRows();
    {
        auto first = this->Search({});
        Type(first->txtTrova, TypeParam::FindText());
        Click(first->btnTrova);
        EXPECT_EQ(first->lstRecords->currentRow(), hits[0]);
    }
    auto second = this->Search({});
    second->lstRecords->setCurrentRow(hits[1]);
    Type(second->txtTrova, TypeParam::FindText());
    Click(second->btnTrova);
    EXPECT_EQ(second->lstRecords->currentRow(), hits[0]);
}

// The pick reads the archive again and takes the last record with the chosen
// line in file order, so the later twin stays, even when only its elder met
// the criteria, whichever of two equal lines is picked.
TYPED_TEST_P(FindSuite, PickTakesTheLastEqualLine) {
    std::vector<Record> records = TypeParam::Records();
    const Record twin = TypeParam::Twin(records[size_t(TypeParam::TwinOf())]);
    ASSERT_EQ(TypeParam::Line(twin), TypeParam::Line(records[size_t(TypeParam::TwinOf())]));
    records.push_back(twin);
    this->WriteRecords(records);
    const QString twinNumber = QString::number(records.size());
    {
        auto dlg = this->Search(TypeParam::Narrowing());
        const QStringList lines = LinesOf(dlg->lstRecords);
        ASSERT_EQ(lines, this->Lines(records, TypeParam::Narrowed()));
        ASSERT_EQ(lines.count(TypeParam::Line(twin)), 1) << "only the elder meets the criteria";
        DoubleClickLine(dlg->lstRecords, int(lines.indexOf(TypeParam::Line(twin))));
        EXPECT_FALSE(dlg->isVisible());
        TypeParam::ExpectCardShows(twin, twinNumber);
    }
    for (int second : {0, 1}) {
        SCOPED_TRACE(second);
        TypeParam::Owner()->lblPosizione->clear();
        auto dlg = this->Search({});
        const int row = int(LinesOf(dlg->lstRecords).indexOf(TypeParam::Line(twin)));
        ASSERT_GE(row, 0);
        ASSERT_EQ(dlg->lstRecords->Line(row + 1), TypeParam::Line(twin));
        DoubleClickLine(dlg->lstRecords, row + second);
        EXPECT_FALSE(dlg->isVisible());
        TypeParam::ExpectCardShows(twin, twinNumber);
    }
    EXPECT_TRUE(this->messages.Shown().empty());
}

// Many records with the chosen line: the receiver is handed the last of them
// in the file, with its number, once (a receiver registered for a tag of the
// test's own counts what it is handed).
TYPED_TEST_P(FindSuite, PickHandsOverTheLastEqualLineOnce) {
    std::vector<Record> records = TypeParam::Records();
    const Record elder = records[size_t(TypeParam::TwinOf())];
    const Record twin = TypeParam::Twin(elder);
    for (int i = 0; i < 3; ++i) {
        records.push_back(elder);
        records.push_back(twin);
    }
    this->WriteRecords(records);
    static std::vector<std::pair<QByteArray, int>> handed;
    handed.clear();
    const QString tag = QStringLiteral("conteggio");
    auto dlg = this->Search({}, tag);
    RegisterPick(dlg->objectName(), tag, [](const Record &r, int number) { handed.emplace_back(r.Bytes(), number); });
    const int row = int(LinesOf(dlg->lstRecords).indexOf(TypeParam::Line(twin)));
    ASSERT_GE(row, 0);
    DoubleClickLine(dlg->lstRecords, row);
    EXPECT_FALSE(dlg->isVisible());
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].first, twin.Bytes());
    EXPECT_EQ(handed[0].second, int(records.size()));
    EXPECT_TRUE(this->messages.Shown().empty());
}

// With no line chosen, or a tag no window receives (the design text, the
// card's tag in capitals, another window's), the pick closes the dialog and
// writes nothing; blanks around the card's tag do not count.
TYPED_TEST_P(FindSuite, PickWithoutASelectionOrAKnownTagWritesNothing) {
    const std::vector<Record> records = TypeParam::Records();
    this->WriteRecords(records);
    const struct {
        const char *label;
        QString tag;
        bool select;
    } cases[] = {
        {"no line selected", TypeParam::Tag(), false},
        {"the design text of the tag", QStringLiteral("lblMemory"), true},
        {"the tag in capitals", TypeParam::Tag().toUpper(), true},
        {"another window's tag", TypeParam::OtherTag(), true},
    };
    auto *card = TypeParam::Owner();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        card->lblPosizione->setText(QStringLiteral("3"));
        this->ShownEdit()->setText(QStringLiteral("XYZ"));
        auto dlg = this->Search({}, c.tag);
        if (c.select)
            DoubleClickLine(dlg->lstRecords, 1);
        else
            DoubleClickBelowLines(dlg->lstRecords);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("3"));
        EXPECT_EQ(this->ShownEdit()->text(), QStringLiteral("XYZ"));
    }
    auto dlg = this->Search({}, QStringLiteral("  ") + TypeParam::Tag() + QStringLiteral(" "));
    DoubleClickLine(dlg->lstRecords, 1);
    const int picked = TypeParam::Sorted()[1];
    EXPECT_EQ(card->lblPosizione->text(), KeepsRecordNumber<TypeParam>() ? QStringLiteral("3") : QString::number(picked + 1));
    EXPECT_EQ(this->ShownEdit()->text(), records[size_t(picked)].Text(TypeParam::ShownField()));
    EXPECT_TRUE(this->messages.Shown().empty());
}

// A pick that cannot read the archive again just closes; the card stays.
TYPED_TEST_P(FindSuite, PickThatCannotReadTheArchiveJustCloses) {
    this->WriteRecords(TypeParam::Records());
    TypeParam::Owner()->lblPosizione->setText(QStringLiteral("3"));
    auto dlg = this->Search({});
    QFile::remove(this->folder.Path(TypeParam::Archive()));
    this->folder.Block(TypeParam::Archive());
    DoubleClickLine(dlg->lstRecords, 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(TypeParam::Owner()->lblPosizione->text(), QStringLiteral("3"));
    EXPECT_TRUE(this->messages.Shown().empty());
}

// "Chiudi" on either panel closes; closing empties the list and takes the
// notice down; nothing reaches the card.
TYPED_TEST_P(FindSuite, ChiudiClosesAndEmptiesTheList) {
    this->WriteRecords(TypeParam::Records());
    {
        auto dlg = this->Open();
        Click(dlg->btnAnnulla);
        EXPECT_FALSE(dlg->isVisible());
    }
    auto dlg = this->Search({});
    Click(dlg->btnChiudi);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    EXPECT_FALSE(dlg->lblAttendere->isVisible());
    EXPECT_EQ(TypeParam::Owner()->lblPosizione->text(), QString());
}

REGISTER_TYPED_TEST_SUITE_P(FindSuite, CercaListsTheRecordsMeetingTheCriteria, AMissingArchiveIsCreatedAndGivesAnEmptyList,
                            AFailedSearchIsReportedAndKeepsTheCriteria, TrovaWalksThroughTheHits,
                            EveryShowForgetsTheLastFind, PickTakesTheLastEqualLine,
                            PickHandsOverTheLastEqualLineOnce,
                            PickWithoutASelectionOrAKnownTagWritesNothing, PickThatCannotReadTheArchiveJustCloses,
                            ChiudiClosesAndEmptiesTheList);

}  // namespace vel::test
