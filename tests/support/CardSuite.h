#pragma once
// What every card file does through the card engine, tested once for each
// card: the arrows, the save checks of the mandatory fields, the save in
// place or at the end, "Duplica", the clearing, the Enter chain, the focus
// frames, the maximum lengths and the archive failures.
//
// A card takes part with a traits struct:
//   using Window = TfrmXxx;                  the card's window class
//   static Window *Card();                   its program-wide instance
//   static const RecordLayout &Layout();     its record
//   static QString Archive();                its archive's file name in the program folder
//   static void Open(Window &);              brings a shown card to its fields (a year panel's "Apri")
//   static constexpr const char *kTagField;  a mandatory text field that tells records apart
//   static Record Valid(const QString &tag); a record that passes every save check
//   static std::vector<CardCheck> Mandatory();  the blank checks of "Salva", in order
//   static std::vector<const char *> EnterOrder();  the fields Enter walks through, round
//   static const char *ClearFocus();         where "Nuovo" puts the focus
//   static const char *DuplicateFocus();     where "Duplica" puts it (nullptr: no "Duplica")
//   static std::vector<std::pair<const char *, QString>> ClearTexts();  what "Nuovo" leaves
//   static QString InsertedText();           the report of a save that appends
// and, where a card needs them, optional members:
//   static std::vector<std::pair<const char *, int>> TypedLengths();  controls whose typing limit is not
//                                            their field's capacity (the record keeps the first characters)
//   static std::vector<const char *> KeptOnClear();  controls "Nuovo" leaves as they are (BindLabel)
//   static std::vector<const char *> ItemLists();    lists whose text must be one of their items to save
//   static std::vector<const char *> CheckedTexts(); fields a check of "Salva" judges (a date): the
//                                            long-text test leaves them as Valid() gives them
//   static std::vector<const char *> SelectionKeptOnClear();  combo edits whose list selection "Nuovo" keeps
//   static MsgKind FailureKind(const char *command);  the box of an archive failure of "cmdSalva",
//                                            "cmdPrimo", ... (an error when not given)
//   static constexpr bool kNewOpensArchive;  "Nuovo" opens the archive (creating it empty) and reports
//                                            its failure as "cmdNuovo"'s
//   static constexpr const char *kAttachCommand, *kAttachmentsTag;  the command that opens the
//                                            attachments dialog, and the tag the card hands it
// A card without "Duplica" (no cmdDuplicaClick) skips what tests it.
// Controls are found by the names the house gives them: "txt" + field for
// edits and combo edits, "chk" + field for check boxes, "lbl" + field for
// labels. Include this header in one source file of a test program and
// instantiate the suite there with the traits of its cards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <algorithm>
#include <utility>
#include <vector>

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/Record.h"
#include "common/TextRules.h"
#include "dialogs/AllegaCartella.h"
#include "platform/Controls.h"
#include "support/ProgramFixture.h"
#include "support/WriteFault.h"
#include "support/WriteLimit.h"

namespace vel::test {

struct CardCheck {
    const char *control;
    QString message;
};

template <typename Traits>
class CardSuite : public ProgramTest {
protected:
    using Window = typename Traits::Window;

    void SetUp() override {
        ProgramTest::SetUp();
        card = Traits::Card();
        card->Show();
        ShowActive(card);
        Traits::Open(*card);
    }

    static QString Name(std::string_view field) { return QString::fromLatin1(field.data(), int(field.size())); }
    QWidget *Control(const char *name) const { return card->template findChild<QWidget *>(QString::fromLatin1(name)); }
    Edit *EditorOf(QWidget *control) const {
        if (auto *combo = qobject_cast<ComboEdit *>(control)) return combo->Editor();
        return qobject_cast<Edit *>(control);
    }
    // The widget that has the focus when the control has it (a combo edit, not its editor).
    QWidget *FocusTarget(const char *name) const { return Control(name); }
    QString TextOf(const char *name) const { return TextOf(Control(name)); }
    QString TextOf(QWidget *c) const {
        if (Edit *e = EditorOf(c)) return e->text();
        if (auto *l = qobject_cast<QLabel *>(c)) return l->text();
        return QString();
    }
    void SetTextOf(QWidget *c, const QString &text) const {
        if (Edit *e = EditorOf(c)) e->setText(text);
        else if (auto *l = qobject_cast<QLabel *>(c)) l->setText(text);
    }
    QLabel *Position() const { return card->lblPosizione; }

    // Every field's control, found by the house's names; check boxes set by
    // their stored value.
    struct FieldControl {
        std::string_view field;
        int capacity;
        QWidget *control;
    };
    std::vector<FieldControl> FieldControls() const {
        std::vector<FieldControl> found;
        for (const FieldDef &f : Traits::Layout().Fields()) {
            for (const char *prefix : {"txt", "chk", "lbl"}) {
                if (QWidget *c = card->template findChild<QWidget *>(QString::fromLatin1(prefix) + Name(f.name))) {
                    found.push_back({f.name, f.capacity, c});
                    break;
                }
            }
        }
        return found;
    }
    // Puts a record on the card by the controls' names, as a user or a pick would.
    void Show(const Record &r) const {
        for (const FieldControl &fc : FieldControls()) {
            if (auto *box = qobject_cast<QCheckBox *>(fc.control)) {
                if (const auto ticked = YesNoValue(r.Text(fc.field))) box->setChecked(*ticked);
            } else {
                SetTextOf(fc.control, r.Text(fc.field));
            }
        }
    }

    void WriteArchive(int count) const {
        QByteArray bytes;
        for (int i = 1; i <= count; ++i) bytes += Traits::Valid(Tag(i)).Bytes();
        folder.Write(Traits::Archive(), bytes);
    }
    static QString Tag(int n) { return QStringLiteral("R%1").arg(n); }
    QString ShownTag() const { return TextOf((std::string("txt") + Traits::kTagField).c_str()); }
    int StoredCount() const { return int(folder.Read(Traits::Archive()).size() / Traits::Layout().Size()); }
    Record Stored(int n) const {
        Record r(Traits::Layout());
        r.Bytes() = folder.Read(Traits::Archive()).mid(qsizetype(n - 1) * Traits::Layout().Size(), Traits::Layout().Size());
        return r;
    }
    // The record a card cleared by "Nuovo" and given `r`'s non-empty texts saves.
    static Record Expected(const Record &r) {
        Record expected(Traits::Layout());
        for (const auto &[name, text] : Traits::ClearTexts()) expected.SetText(name + 3, text);
        for (const FieldDef &f : Traits::Layout().Fields())
            if (!r.Text(f.name).isEmpty()) expected.SetText(f.name, r.Text(f.name));
        return expected;
    }
    // Fills a cleared card with the non-empty texts of a valid record.
    void FillValid(const Record &r) const {
        for (const FieldControl &fc : FieldControls()) {
            const QString text = r.Text(fc.field);
            if (text.isEmpty()) continue;
            if (auto *box = qobject_cast<QCheckBox *>(fc.control)) {
                if (const auto ticked = YesNoValue(text)) box->setChecked(*ticked);
            } else {
                SetTextOf(fc.control, text);
            }
        }
    }

    static QString Inserted() { return Traits::InsertedText(); }
    // The typing limit of a field's control: its capacity unless the card says otherwise.
    static int TypedLength(const FieldControl &fc) {
        if constexpr (requires { Traits::TypedLengths(); })
            for (const auto &[name, length] : Traits::TypedLengths())
                if (fc.control->objectName() == QString::fromLatin1(name)) return length;
        return fc.capacity;
    }
    static bool Listed(const QWidget *control, const std::vector<const char *> &names) {
        for (const char *name : names)
            if (control->objectName() == QString::fromLatin1(name)) return true;
        return false;
    }
    static bool KeptOnClear(const QWidget *control) {
        if constexpr (requires { Traits::KeptOnClear(); }) return Listed(control, Traits::KeptOnClear());
        return false;
    }
    static bool IsItemList(const QWidget *control) {
        if constexpr (requires { Traits::ItemLists(); }) return Listed(control, Traits::ItemLists());
        return false;
    }
    static bool IsCheckedText(const QWidget *control) {
        if constexpr (requires { Traits::CheckedTexts(); }) return Listed(control, Traits::CheckedTexts());
        return false;
    }
    static bool KeepsSelectionOnClear(const QWidget *control) {
        if constexpr (requires { Traits::SelectionKeptOnClear(); })
            return Listed(control, Traits::SelectionKeptOnClear());
        return false;
    }
    static MsgKind FailureKind(const char *command) {
        if constexpr (requires { Traits::FailureKind(command); }) return Traits::FailureKind(command);
        return MsgKind::Error;
    }
    static constexpr bool NewOpensArchive() {
        if constexpr (requires { Traits::kNewOpensArchive; }) return Traits::kNewOpensArchive;
        return false;
    }
    // Nothing of the archive written: no file, or for a card whose "Nuovo"
    // creates it, an empty one.
    bool NothingStored() const {
        if (NewOpensArchive()) return StoredCount() == 0;
        return !folder.Exists(Traits::Archive());
    }
    static constexpr bool kHasDuplicate = requires(Window &w) { w.cmdDuplicaClick(); };
    void Duplicate() const {
        if constexpr (kHasDuplicate) card->cmdDuplicaClick();
    }
    static QString Saved() {
        return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
    }

    Window *card = nullptr;
};

TYPED_TEST_SUITE_P(CardSuite);

TYPED_TEST_P(CardSuite, EveryFieldTakesItsCapacityAndHasAFrame) {
    for (const auto &fc : this->FieldControls()) {
        Edit *editor = this->EditorOf(fc.control);
        if (!editor) continue;
        SCOPED_TRACE(std::string(fc.field));
        EXPECT_EQ(editor->MaxLength(), this->TypedLength(fc));
        auto *frame = this->card->template findChild<FocusFrame *>(QStringLiteral("eff") + this->Name(fc.field));
        ASSERT_NE(frame, nullptr);
        // Only the field with the focus is framed.
        EXPECT_EQ(frame->isVisible(), Focused() == fc.control);
    }
}

// The arrows, for every kind of card number and archive size.
TYPED_TEST_P(CardSuite, ArrowsFollowTheNavigationTable) {
    enum Arrow { Primo, Indietro, Avanti, Ultimo };
    const struct {
        Arrow arrow;
        int count;
        const char *before;
        const char *after;  // lblPosizione afterwards
        bool notice;
        bool loads;  // the card shows the record `after`
    } cases[] = {
        {Primo, 0, "", "", true, false},       {Primo, 0, "2", "2", true, false},
        {Primo, 3, "", "1", false, true},      {Primo, 3, "3", "1", false, true},
        {Indietro, 0, "", "", true, false},    {Indietro, 0, "1", "1", false, false},
        {Indietro, 0, "2", "2", true, false},  {Indietro, 3, "", "1", false, true},
        {Indietro, 3, "1", "1", false, false}, {Indietro, 3, "2", "1", false, true},
        {Indietro, 3, "3", "2", false, true},  {Avanti, 0, "", "", true, false},
        {Avanti, 0, "2", "", true, false},     {Avanti, 3, "", "1", false, true},
        {Avanti, 3, "1", "2", false, true},    {Avanti, 3, "3", "3", false, false},
        {Avanti, 1, "1", "1", false, false},   {Ultimo, 0, "", "", true, false},
        {Ultimo, 3, "", "3", false, true},     {Ultimo, 3, "1", "3", false, true},
    };
    auto *card = this->card;
    ImageButton *buttons[] = {card->cmdPrimo, card->cmdIndietro, card->cmdAvanti, card->cmdUltimo};
    const QString emptyNotice = QStringLiteral("L'archivio non contiene nessuna scheda.");
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "arrow " << c.arrow << " count " << c.count << " from '" << c.before << "'");
        this->WriteArchive(c.count);
        card->cmdNuovoClick();
        this->Show(TypeParam::Valid(QStringLiteral("sullo schermo")));
        this->Position()->setText(QString::fromLatin1(c.before));
        QWidget *focus = Focused();
        if (c.notice) this->messages.Expect(MsgKind::Information, emptyNotice);
        Click(buttons[c.arrow]);
        EXPECT_EQ(this->Position()->text(), QString::fromLatin1(c.after));
        EXPECT_EQ(this->ShownTag(), c.loads ? QStringLiteral("R") + QString::fromLatin1(c.after)
                                            : QStringLiteral("sullo schermo"));
        EXPECT_EQ(Focused(), focus);  // a load leaves the focus where it was
        this->messages.Verify();
    }
}

// A load puts every field of the record on the card, the attachments too.
TYPED_TEST_P(CardSuite, ALoadReplacesEveryField) {
    Record stored = TypeParam::Valid(QStringLiteral("R1"));
    for (const auto &fc : this->FieldControls())
        if (!qobject_cast<QCheckBox *>(fc.control) && stored.Text(fc.field).isEmpty())
            stored.SetText(fc.field, QStringLiteral("v") + this->Name(fc.field));
    this->folder.Write(TypeParam::Archive(), stored.Bytes());
    this->Show(TypeParam::Valid(QStringLiteral("prima")));
    Click(this->card->cmdUltimo);
    for (const auto &fc : this->FieldControls()) {
        if (qobject_cast<QCheckBox *>(fc.control)) continue;
        SCOPED_TRACE(std::string(fc.field));
        EXPECT_EQ(this->TextOf(fc.control), stored.Text(fc.field));
    }
    EXPECT_EQ(this->Position()->text(), QStringLiteral("1"));
}

// The first blank mandatory field stops "Salva" with its warning, puts the
// focus on it and leaves the archive alone.
TYPED_TEST_P(CardSuite, MandatoryFieldsInTheirOrder) {
    const auto checks = TypeParam::Mandatory();
    ASSERT_FALSE(checks.empty());
    auto saveExpecting = [&](size_t failing) {
        this->messages.Expect(MsgKind::Warning, checks[failing].message);
        Click(this->card->cmdSalva);
        this->messages.Verify();
        EXPECT_EQ(Focused(), this->FocusTarget(checks[failing].control));
        EXPECT_TRUE(this->NothingStored());
        EXPECT_EQ(this->Position()->text(), QString());
    };
    // A cleared card reports the first field only.
    Click(this->card->cmdNuovo);
    saveExpecting(0);
    for (size_t i = 0; i < checks.size(); ++i) {
        SCOPED_TRACE(checks[i].control);
        // That field alone blank (blanks and control characters count as empty)...
        Click(this->card->cmdNuovo);
        this->FillValid(TypeParam::Valid(QStringLiteral("X")));
        this->SetTextOf(this->Control(checks[i].control), QStringLiteral(" \t "));
        saveExpecting(i);
        // ...and with every later one blank too: still that field first.
        for (size_t j = i + 1; j < checks.size(); ++j) this->SetTextOf(this->Control(checks[j].control), QString());
        saveExpecting(i);
    }
}

// "Salva" appends a new card, then writes the same card in place, byte for
// byte the texts trimmed and cut to their fields, zeros elsewhere.
TYPED_TEST_P(CardSuite, SavingAppendsThenWritesInPlace) {
    this->WriteArchive(2);
    const QByteArray before = this->folder.Read(TypeParam::Archive());
    Click(this->card->cmdNuovo);
    const Record valid = TypeParam::Valid(QStringLiteral("NEW"));
    this->FillValid(valid);
    // Blanks around a text are not stored; the card keeps showing them.
    QWidget *tag = this->Control((std::string("txt") + TypeParam::kTagField).c_str());
    this->SetTextOf(tag, QStringLiteral("  NEW  "));
    this->messages.Expect(MsgKind::Information, this->Inserted());
    Click(this->card->cmdSalva);
    EXPECT_EQ(this->Position()->text(), QStringLiteral("3"));
    ASSERT_EQ(this->StoredCount(), 3);
    EXPECT_EQ(this->folder.Read(TypeParam::Archive()).left(before.size()), before);
    EXPECT_EQ(this->Stored(3).Bytes(), this->Expected(valid).Bytes());
    EXPECT_EQ(this->ShownTag(), QStringLiteral("  NEW  "));

    this->SetTextOf(tag, QStringLiteral("CHANGED"));
    this->messages.Expect(MsgKind::Information, this->Saved());
    Click(this->card->cmdSalva);
    EXPECT_EQ(this->Position()->text(), QStringLiteral("3"));
    EXPECT_EQ(this->StoredCount(), 3);
    EXPECT_EQ(this->Stored(3).Text(TypeParam::kTagField), QStringLiteral("CHANGED"));

    // A card loaded by an arrow is written over its own record.
    Click(this->card->cmdPrimo);
    this->SetTextOf(tag, QStringLiteral("FIRST"));
    this->messages.Expect(MsgKind::Information, this->Saved());
    Click(this->card->cmdSalva);
    EXPECT_EQ(this->StoredCount(), 3);
    EXPECT_EQ(this->Stored(1).Text(TypeParam::kTagField), QStringLiteral("FIRST"));
    EXPECT_EQ(this->Stored(2).Bytes(), TypeParam::Valid(this->Tag(2)).Bytes());
}

// Texts put in by code are shown whole and stored cut to their fields.
TYPED_TEST_P(CardSuite, LongTextsAreShownWholeAndSavedCut) {
    Click(this->card->cmdNuovo);
    this->FillValid(TypeParam::Valid(QStringLiteral("X")));
    std::vector<std::pair<typename TestFixture::FieldControl, QString>> longTexts;
    for (const auto &fc : this->FieldControls()) {
        if (!this->EditorOf(fc.control) || this->IsItemList(fc.control) || this->IsCheckedText(fc.control)) continue;
        const QString text = QString(fc.capacity + 7, u'x').replace(0, 1, QStringLiteral("A"));
        this->SetTextOf(fc.control, text);
        longTexts.emplace_back(fc, text);
    }
    this->messages.Expect(MsgKind::Information, this->Inserted());
    Click(this->card->cmdSalva);
    const Record stored = this->Stored(1);
    for (const auto &[fc, text] : longTexts) {
        SCOPED_TRACE(std::string(fc.field));
        EXPECT_EQ(this->EditorOf(fc.control)->text(), text);
        EXPECT_EQ(stored.Text(fc.field), text.left(fc.capacity));
    }
}

// A paste of several lines into a field keeps its first line: a stored line
// break would cut the field in every list, print and export.
TYPED_TEST_P(CardSuite, APasteOfSeveralLinesKeepsItsFirstLine) {
    Click(this->card->cmdNuovo);
    for (const auto &fc : this->FieldControls()) {
        Edit *editor = this->EditorOf(fc.control);
        if (!editor || editor->isReadOnly() || this->IsItemList(fc.control) || this->IsCheckedText(fc.control))
            continue;
        SCOPED_TRACE(std::string(fc.field));
        editor->setFocus();
        editor->clear();
        QApplication::clipboard()->setText(QStringLiteral("12\r\n34"));
        editor->paste();
        EXPECT_EQ(editor->text(), QStringLiteral("12").left(fc.capacity));  // a typed text stops at the capacity
    }
}

// "Nuovo" empties the card (an amount shows its clear text), unticks the
// boxes, forgets the attachments, the number and the list selections, and
// puts the focus on the card's first place; the archive is not touched.
TYPED_TEST_P(CardSuite, NewCardClearsEverything) {
    this->WriteArchive(1);
    Click(this->card->cmdUltimo);
    for (const auto &fc : this->FieldControls()) {
        if (auto *box = qobject_cast<QCheckBox *>(fc.control)) box->setChecked(true);
        else if (auto *combo = qobject_cast<ComboEdit *>(fc.control); combo && combo->count() > 0) combo->setCurrentIndex(0);
        else this->SetTextOf(fc.control, QStringLiteral("y"));
    }
    const QByteArray before = this->folder.Read(TypeParam::Archive());
    Click(this->card->cmdNuovo);
    for (const auto &fc : this->FieldControls()) {
        SCOPED_TRACE(fc.control->objectName().toStdString());
        QString clearText;
        for (const auto &[name, text] : TypeParam::ClearTexts())
            if (fc.control->objectName() == QString::fromLatin1(name)) clearText = text;
        if (auto *box = qobject_cast<QCheckBox *>(fc.control)) {
            EXPECT_FALSE(box->isChecked());
        } else if (this->KeptOnClear(fc.control)) {
            EXPECT_EQ(this->TextOf(fc.control), QStringLiteral("y"));
        } else {
            EXPECT_EQ(this->TextOf(fc.control), clearText);
        }
        if (auto *combo = qobject_cast<ComboEdit *>(fc.control)) {
            EXPECT_EQ(combo->currentIndex(), this->KeepsSelectionOnClear(combo) ? 0 : -1);
        }
    }
    EXPECT_EQ(this->Position()->text(), QString());
    EXPECT_EQ(Focused(), this->FocusTarget(TypeParam::ClearFocus()));
    EXPECT_EQ(this->folder.Read(TypeParam::Archive()), before);
}

// "Duplica" turns a saved card into a new one: no number, no attachments,
// every other value kept; the next "Salva" appends the copy.
TYPED_TEST_P(CardSuite, DuplicatingMakesANewCardThatSavesAsACopy) {
    if (!TypeParam::DuplicateFocus()) GTEST_SKIP() << "the card has no Duplica";
    const QString refused = QStringLiteral(
        "Attenzione: la duplicazione di una scheda pu\u00f2 avvenire soltanto dopo che questa \u00e8 stata inserita "
        "in archivio.");
    this->messages.Expect(MsgKind::Warning, refused);
    this->Duplicate();
    EXPECT_FALSE(this->folder.Exists(TypeParam::Archive()));

    this->WriteArchive(3);
    const QByteArray before = this->folder.Read(TypeParam::Archive());
    this->Position()->setText(QStringLiteral("1"));
    Click(this->card->cmdAvanti);  // record 2
    std::vector<std::pair<QCheckBox *, bool>> boxes;
    for (const auto &fc : this->FieldControls())
        if (auto *box = qobject_cast<QCheckBox *>(fc.control)) {
            box->setChecked(!box->isChecked());
            boxes.emplace_back(box, box->isChecked());
        }
    this->messages.Expect(MsgKind::Information,
                          QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                         "Al termine premere Salva per inserire la scheda in archivio."));
    this->Duplicate();
    EXPECT_EQ(this->Position()->text(), QString());
    for (const char *label : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        if (this->Control(label)) {
            EXPECT_EQ(this->TextOf(label), QString()) << label;
        }
    EXPECT_EQ(this->ShownTag(), this->Tag(2));
    for (const auto &[box, ticked] : boxes) EXPECT_EQ(box->isChecked(), ticked);
    EXPECT_EQ(Focused(), this->FocusTarget(TypeParam::DuplicateFocus()));

    this->messages.Expect(MsgKind::Information, this->Inserted());
    Click(this->card->cmdSalva);
    EXPECT_EQ(this->Position()->text(), QStringLiteral("4"));
    EXPECT_EQ(this->folder.Read(TypeParam::Archive()).left(before.size()), before);
    Record copy = TypeParam::Valid(this->Tag(2));
    for (const char *slot : {"File01", "File02", "File03", "Desc01", "Desc02", "Desc03"})
        if (TypeParam::Layout().IndexOf(slot) >= 0) copy.SetText(slot, QString());
    for (const auto &[box, ticked] : boxes) copy.SetText(box->objectName().mid(3).toLatin1().constData(), YesNoText(ticked));
    EXPECT_EQ(this->Stored(4).Bytes(), copy.Bytes());
}

// The attachments dialog opens with the card's tag and its file names and
// descriptions, trimmed; an empty slot stays empty.
TYPED_TEST_P(CardSuite, TheAttachmentsDialogGetsTheCardsTagAndFiles) {
    if constexpr (!requires { TypeParam::kAttachCommand; }) {
        GTEST_SKIP() << "the card has no attachments";
    } else {
        this->card->lblFile01->setText(QStringLiteral("  documento.pdf "));
        this->card->lblDesc01->setText(QStringLiteral(" Documento del cliente"));
        this->card->lblFile03->setText(QStringLiteral("foto.jpg"));
        this->modals.template Expect<TfrmAllegaCartella>([](TfrmAllegaCartella &d) {
            EXPECT_EQ(d.lblMemory->text(), QString::fromLatin1(TypeParam::kAttachmentsTag));
            EXPECT_EQ(d.txtFile01->text(), QStringLiteral("documento.pdf"));
            EXPECT_EQ(d.txtDesc01->text(), QStringLiteral("Documento del cliente"));
            EXPECT_EQ(d.txtFile02->text(), QString());
            EXPECT_EQ(d.txtFile03->text(), QStringLiteral("foto.jpg"));
            d.Close();
        });
        auto *command = this->card->template findChild<QWidget *>(QString::fromLatin1(TypeParam::kAttachCommand));
        ASSERT_NE(command, nullptr);
        Click(command);
        this->modals.Verify();
    }
}

// Mended: a record names its attachments by bare file names in the
// attachments folder. A name that would reach outside it (a folder
// separator, "." or ".."), which only a forged archive can hold, is treated
// as a missing document: the same warning, and nothing is handed to the
// desktop. Two dots inside a bare name are part of the name.
TYPED_TEST_P(CardSuite, AForgedAttachmentNameIsTreatedAsMissing) {
    if constexpr (!requires { TypeParam::kAttachCommand; }) {
        GTEST_SKIP() << "the card has no attachments";
    } else {
        const struct {
            QString name;
            bool handedOver;
        } names[] = {{QStringLiteral("../Velmora.ini"), false},
                     {QStringLiteral("..\\Velmora.ini"), false},
                     {QStringLiteral("sub/../../Velmora.ini"), false},
                     {QStringLiteral("/etc/passwd"), false},
                     {QStringLiteral(".."), false},
                     {QStringLiteral("."), false},
                     {QStringLiteral("Documenti\\patente.pdf"), false},
                     {QStringLiteral("preventivo..bis.pdf"), true}};
        FakeShell shell;
        shell.opens = false;
        auto *command = this->card->template findChild<QWidget *>(QString::fromLatin1(TypeParam::kAttachCommand));
        ASSERT_NE(command, nullptr);
        for (const auto &n : names) {
            SCOPED_TRACE(n.name.toStdString());
            Record forged = TypeParam::Valid(this->Tag(1));
            for (const char *slot : {"File01", "File02", "File03"}) forged.SetText(slot, n.name);
            this->folder.Write(TypeParam::Archive(), forged.Bytes());
            Click(this->card->cmdPrimo);
            ASSERT_EQ(this->card->lblFile02->text(), n.name);
            const QString path = ProgramFolder() + QStringLiteral("Documenti_Allegati/") + n.name;
            const QString handed = u'"' + path + u'"';
            const QString missing = QStringLiteral("Attenzione: impossibile aprire il documento ") + path +
                                    QStringLiteral(".\r\n\r\nVerificare che il documento esista e che nel sistema "
                                                   "sia installato un programma in grado di aprirlo.");
            shell.opened.clear();
            this->modals.template Expect<TfrmAllegaCartella>([&](TfrmAllegaCartella &d) {
                for (Button *open : {d.btnApri01, d.btnApri02, d.btnApri03}) {
                    this->messages.Expect(MsgKind::Warning, missing);
                    Click(open);
                    this->messages.Verify();
                }
                d.Close();
            });
            Click(command);
            this->modals.Verify();
            const QStringList expected = n.handedOver ? QStringList{handed, handed, handed} : QStringList();
            EXPECT_EQ(shell.opened, expected);
        }
    }
}

// Enter walks the fields round; the frame follows the focus, and the field
// entered has its text selected, as by Tab, so that typing replaces it.
TYPED_TEST_P(CardSuite, EnterWalksTheFieldsAndFramesFollowTheFocus) {
    const auto order = TypeParam::EnterOrder();
    Click(this->card->cmdNuovo);
    this->FillValid(TypeParam::Valid(QStringLiteral("XY")));
    this->FocusTarget(order.front())->setFocus();
    for (size_t i = 0; i < order.size(); ++i) {
        const char *from = order[i];
        const char *to = order[(i + 1) % order.size()];
        SCOPED_TRACE(from);
        FocusFrame *frame = this->card->template findChild<FocusFrame *>(QStringLiteral("eff") + QString::fromLatin1(from + 3));
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        Press(Focused(), Qt::Key_Return);
        EXPECT_EQ(Focused(), this->FocusTarget(to));
        EXPECT_FALSE(frame->isVisible());
        if (Edit *entered = this->EditorOf(this->Control(to))) {
            EXPECT_EQ(entered->selectedText(), entered->text()) << to;
        }
    }
}

// Whatever way a text reaches a field without being typed (an input
// method's commit after a dead key or a compose sequence, a paste, a drop),
// the field takes from it what typing the same characters would put in, and
// nothing that no one can type (a tab, a control character).
TYPED_TEST_P(CardSuite, TextWithoutAKeyIsTakenAsTyped) {
    const QString typed = QStringLiteral("\u00e9&Ab/1,5x\u00b0");
    const QString brought = QStringLiteral("\u00e9&A\tb/1\u0007,5x\u00b0");
    Click(this->card->cmdNuovo);
    for (const auto &fc : this->FieldControls()) {
        Edit *editor = this->EditorOf(fc.control);
        if (!editor || editor->isReadOnly()) continue;  // a date filled by its picker only
        SCOPED_TRACE(std::string(fc.field));
        fc.control->setFocus();
        editor->clear();
        Type(fc.control, typed);
        const QString byKeys = editor->text();
        for (const Arrival how : kArrivals) {
            SCOPED_TRACE(NameOf(how));
            editor->clear();
            Bring(fc.control, how, brought);
            // A rule of the key's release (the vehicle's tax code) waits for
            // the next key the user lets go of.
            if (how != Arrival::KeyboardPaste) QTest::keyRelease(fc.control, Qt::Key_Shift);
            // A field whose filter refuses the paste key takes nothing by it.
            if (how == Arrival::KeyboardPaste && editor->text().isEmpty()) continue;
            EXPECT_EQ(editor->text(), byKeys);
        }
    }
}

// A combo edit forgets its list selection as it takes the focus; its text stays.
TYPED_TEST_P(CardSuite, CombosForgetTheirSelectionOnEntry) {
    int combos = 0;
    for (const auto &fc : this->FieldControls()) {
        auto *combo = qobject_cast<ComboEdit *>(fc.control);
        if (!combo || combo->count() < 2) continue;
        SCOPED_TRACE(std::string(fc.field));
        ++combos;
        this->Control((std::string("txt") + TypeParam::kTagField).c_str())->setFocus();
        combo->setCurrentIndex(1);
        const QString item = combo->itemText(1);
        ASSERT_EQ(combo->text(), item);
        combo->Editor()->setFocus();
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->text(), item);
    }
    EXPECT_GT(combos, 0);
}

// An archive that cannot be opened: every command reports it and the card
// keeps what it shows; "Salva" keeps the card new, "Duplica" has already
// dropped the number and the attachments.
TYPED_TEST_P(CardSuite, ArchiveFailuresAreReportedAndKeepTheCard) {
    this->folder.Block(TypeParam::Archive());
    const QString failure = ArchiveFailureMessage();
    if (this->NewOpensArchive()) this->messages.Expect(this->FailureKind("cmdNuovo"), failure);
    Click(this->card->cmdNuovo);
    this->messages.Verify();
    this->FillValid(TypeParam::Valid(QStringLiteral("XY")));
    for (ImageButton *arrow : {this->card->cmdPrimo, this->card->cmdIndietro, this->card->cmdAvanti,
                               this->card->cmdUltimo}) {
        this->messages.Expect(this->FailureKind(arrow->objectName().toLatin1().constData()), failure);
        Click(arrow);
        this->messages.Verify();
        EXPECT_EQ(this->ShownTag(), QStringLiteral("XY"));
    }
    this->messages.Expect(this->FailureKind("cmdSalva"), failure);
    Click(this->card->cmdSalva);
    EXPECT_EQ(this->Position()->text(), QString());

    if (!TypeParam::DuplicateFocus()) return;
    this->Position()->setText(QStringLiteral("3"));
    if (this->Control("lblFile01")) this->SetTextOf(this->Control("lblFile01"), QStringLiteral("a.pdf"));
    this->messages.Expect(MsgKind::Error, failure);
    this->Duplicate();
    EXPECT_EQ(this->Position()->text(), QString());
    if (this->Control("lblFile01")) {
        EXPECT_EQ(this->TextOf("lblFile01"), QString());
    }
    EXPECT_EQ(this->ShownTag(), QStringLiteral("XY"));
}

// A number that names no record is refused; a write that fails half way
// leaves the archive and the card as they were.
TYPED_TEST_P(CardSuite, FailedWritesLeaveTheArchiveWhole) {
    this->WriteArchive(1);
    const QByteArray before = this->folder.Read(TypeParam::Archive());
    Click(this->card->cmdNuovo);
    this->FillValid(TypeParam::Valid(QStringLiteral("XY")));
    for (const char *number : {"5", "0", "-1", "abc"}) {
        SCOPED_TRACE(number);
        this->Position()->setText(QString::fromLatin1(number));
        this->messages.Expect(this->FailureKind("cmdSalva"), ArchiveFailureMessage());
        Click(this->card->cmdSalva);
        this->messages.Verify();
        EXPECT_EQ(this->folder.Read(TypeParam::Archive()), before);
        EXPECT_EQ(this->Position()->text(), QString::fromLatin1(number));
    }
    this->Position()->clear();
    this->messages.Expect(this->FailureKind("cmdSalva"), ArchiveFailureMessage());
    {
        WriteLimit full(before.size() + 100);
        Click(this->card->cmdSalva);
    }
    EXPECT_EQ(this->Position()->text(), QString());
    EXPECT_EQ(this->StoredCount(), 1);
    // Not even part of the record stays behind it.
    EXPECT_EQ(this->folder.Read(TypeParam::Archive()), before);
}

// A stored card changed in its tag field and in its last edit, saved while
// the disk fills before the record's first byte, between those two fields,
// or with no room to reserve the record: the archive keeps the stored record
// byte for byte, the card keeps what was typed and its number, and the next
// "Salva" stores it.
TYPED_TEST_P(CardSuite, AFailedOverwriteLeavesTheRecordAndKeepsTheCard) {
    using Reserve = WriteFault::Reserve;
    const RecordLayout &layout = TypeParam::Layout();
    const qint64 second = layout.Size();  // record 2 begins here
    const int tagIndex = layout.IndexOf(TypeParam::kTagField);
    const qint64 afterTag = second + layout.Offset(tagIndex + 1);
    QWidget *tag = this->Control((std::string("txt") + TypeParam::kTagField).c_str());
    // The last free-text edit after the tag field, in the record's order.
    const QString typed = QStringLiteral("cambiato anche questo");
    std::string_view lastField;
    QWidget *last = nullptr;
    for (const auto &fc : this->FieldControls()) {
        if (this->EditorOf(fc.control) && layout.IndexOf(fc.field) > tagIndex && fc.capacity >= typed.size() &&
            !this->IsItemList(fc.control) && !this->IsCheckedText(fc.control)) {
            lastField = fc.field;
            last = fc.control;
        }
    }
    ASSERT_NE(last, nullptr);
    SCOPED_TRACE(std::string(lastField));
    const struct {
        const char *what;
        qint64 failFrom;
        Reserve reserve;
    } cases[] = {
        {"before the first byte", second, Reserve::Granted},
        {"after the tag field", afterTag, Reserve::Granted},
        {"no room to reserve", 2 * second, Reserve::Refused},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        this->WriteArchive(3);
        const QByteArray before = this->folder.Read(TypeParam::Archive());
        Click(this->card->cmdUltimo);
        Click(this->card->cmdIndietro);
        ASSERT_EQ(this->Position()->text(), QStringLiteral("2"));
        this->SetTextOf(tag, QStringLiteral("CAMBIATO"));
        this->SetTextOf(last, typed);
        this->messages.Expect(this->FailureKind("cmdSalva"), ArchiveFailureMessage());
        {
            WriteFault full(this->folder.Path(TypeParam::Archive()), c.failFrom, c.reserve);
            Click(this->card->cmdSalva);
        }
        this->messages.Verify();
        EXPECT_EQ(this->folder.Read(TypeParam::Archive()), before);
        EXPECT_EQ(this->Position()->text(), QStringLiteral("2"));
        EXPECT_EQ(this->TextOf(tag), QStringLiteral("CAMBIATO"));
        EXPECT_EQ(this->TextOf(last), typed);

        this->messages.Expect(MsgKind::Information, this->Saved());
        Click(this->card->cmdSalva);
        this->messages.Verify();
        EXPECT_EQ(this->StoredCount(), 3);
        EXPECT_EQ(this->Stored(2).Text(TypeParam::kTagField), QStringLiteral("CAMBIATO"));
        EXPECT_EQ(this->Stored(2).Text(lastField), typed);
        EXPECT_EQ(this->Stored(1).Bytes(), TypeParam::Valid(this->Tag(1)).Bytes());
        EXPECT_EQ(this->Stored(3).Bytes(), TypeParam::Valid(this->Tag(3)).Bytes());
    }
}

REGISTER_TYPED_TEST_SUITE_P(CardSuite, EveryFieldTakesItsCapacityAndHasAFrame, ArrowsFollowTheNavigationTable,
                            ALoadReplacesEveryField, MandatoryFieldsInTheirOrder, SavingAppendsThenWritesInPlace,
                            LongTextsAreShownWholeAndSavedCut, APasteOfSeveralLinesKeepsItsFirstLine,
                            NewCardClearsEverything,
                            DuplicatingMakesANewCardThatSavesAsACopy, TheAttachmentsDialogGetsTheCardsTagAndFiles,
                            AForgedAttachmentNameIsTreatedAsMissing,
                            EnterWalksTheFieldsAndFramesFollowTheFocus, TextWithoutAKeyIsTakenAsTyped,
                            CombosForgetTheirSelectionOnEntry, ArchiveFailuresAreReportedAndKeepTheCard,
                            FailedWritesLeaveTheArchiveWhole, AFailedOverwriteLeavesTheRecordAndKeepsTheCard);

}  // namespace vel::test
