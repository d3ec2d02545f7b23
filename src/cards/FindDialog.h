#pragma once
// The find and list dialogs of every archive, built from tables: a dialog
// brings its archive, its line, its criteria, its report title and what its
// pick writes where; the panels, the search, "Trova", "Stampa" and the pick
// by line are the same for all of them.
#include <QLabel>
#include <QString>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "common/ListLines.h"
#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"

namespace vel {

// Puts a picked record into its receiving window; `number` is its record number.
using ApplyRecord = std::function<void(const Record &record, int number)>;

// One control of a receiving window that a pick fills: the control's name and
// the field it receives, or two fields joined by one blank.
struct ControlFill {
    const char *control;
    std::string_view field;
    std::string_view joinedField = {};
};

// Writes the trimmed fields into the named controls of `window` (edits, combo
// edits, labels). Only controls of that window itself count, not those of the
// dialogs it owns; a control the window does not have is left out.
void FillControls(QWidget *window, const Record &record, std::span<const ControlFill> fills);

// The text the named control of `window` shows (an edit, a combo edit, a
// label, a memo), untrimmed; empty when the window has no such control. The
// dialogs that print or write what a card shows read it so, at the moment of
// their command, without depending on the card's class.
QString ControlTextOf(QWidget *window, const char *control);
// Puts `text` into the named control of `window`, as a pick does.
void SetControlTextOf(QWidget *window, const char *control, const QString &text);

// The labels (Verdana, word wrap) and buttons (Verdana 10 bold) of the find
// and list dialogs, and of the panels a dialog adds to them.
QLabel *DialogLabel(QWidget *parent, const QString &text, const QRect &where, int points, bool bold,
                    const char *name = nullptr);
Button *DialogButton(QWidget *parent, const char *name, const QString &text, const QRect &where);

// What a result list dialog shows and where its lines come from.
struct ResultListDef {
    const char *objectName;
    QString caption;
    QString reportTitle;           // the title of "Stampa"
    const RecordLayout *layout;
    std::function<QString()> archivePath;  // read anew by every scan
    LineOf line;
    bool sorted = true;
};

// A dialog around one result list: the panel `panContainer` with the list,
// the find edit and "Trova", "Stampa", "Chiudi" and their instruction lines.
// A double-click picks the selected line: the archive is read again and every
// record with that line is applied in turn, so that the last one stays.
class ResultListDialog : public Form {
    Q_OBJECT
public:
    QWidget *panContainer;
    QLabel *lblIstruzioni01, *lblIstruzioni02, *lblIstruzioni03;
    Edit *txtTrova;
    Button *btnTrova;
    ListBox *lstRecords;
    Button *btnStampa;
    Button *btnChiudi;

    void btnTrovaClick();
    void txtTrovaKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void btnStampaClick();
    void btnChiudiClick();
    void lstRecordsDblClick();

protected:
    ResultListDialog(QWidget *owner, ResultListDef def);

    // Empties the list and fills it with the lines of the records `accept`
    // lets through, in the list's order. A failure raises ArchiveError after
    // the lines read before it have gone into the list.
    void FillList(const RecordTest &accept);
    // The show of a list of flagged records: the find text forgotten, the
    // list filled with the records `accept` lets through, the focus on the
    // find edit. An archive that fails part-way shows the archive failure
    // message and no line at all: a partial list would pass for the whole.
    void ShowWholeList(const RecordTest &accept);
    // Where the pick writes; nothing for a dialog that writes nowhere.
    virtual ApplyRecord PickReceiver() const = 0;
    void FormClose(CloseAction &action) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    const ResultListDef def_;
};

// One criterion edit of a find dialog: its name, its caption, the field it
// is sought in and the name of its focus frame. A wide one takes the whole
// width of the panel; the others stand two by two.
struct CriterionDef {
    const char *edit;
    const char *caption;  // UTF-8
    std::string_view field;
    const char *frame;
    bool wide = false;
};

// The window a pick writes into for one caller tag.
struct PickTarget {
    QString tag;
    ApplyRecord apply;
};

// A find dialog: the criteria panel `panAvvio` first; "Cerca" lists the
// matching records and turns to the result panel for good.
class FindDialog : public ResultListDialog {
    Q_OBJECT
public:
    QWidget *panAvvio;
    QLabel *lblCerca01, *lblCerca02, *lblCerca03;
    Button *btnCerca;
    Button *btnAnnulla;
    QLabel *lblAttendere;
    QLabel *lblConta;
    QLabel *lblMemory;
    QLabel *lblTrovate;

    // The criteria edits and their frames, in the order of the table.
    const std::vector<Edit *> &Criteria() const { return criteria_; }
    Edit *CriterionEdit(const char *name) const;
    FocusFrame *CriterionFrame(const char *name) const;

    void btnCercaMouseDown();
    void btnCercaClick();
    void btnAnnullaClick();

protected:
    FindDialog(QWidget *owner, ResultListDef def, std::span<const CriterionDef> criteria,
               std::vector<PickTarget> picks);
    // Hands the criteria edits and their focus frames, in the order of the
    // table, to the members that name them.
    void NameCriteria(std::initializer_list<Edit **> edits, std::initializer_list<FocusFrame **> frames) const;
    void FormShow() override;
    void FormClose(CloseAction &action) override;
    ApplyRecord PickReceiver() const override;

private:
    std::span<const CriterionDef> criterionDefs_;
    std::vector<Edit *> criteria_;
    std::vector<FocusFrame *> frames_;
    std::vector<PickTarget> picks_;
};

}  // namespace vel
