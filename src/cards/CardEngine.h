#pragma once
// The way every card file works: the card's controls are the only copy of
// the record on screen; a label holds its record number (empty for a new
// card); the arrows load records, "Nuovo" clears, "Salva" checks and writes
// in place or appends, "Duplica" turns a saved card into a new one. Each card
// brings its record layout, its controls, its save checks and its texts; the
// engine does the rest.
#include <QCheckBox>
#include <QLabel>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"

namespace vel {

class ArchiveFile;

class CardEngine {
public:
    // The messages a card shows; the defaults are those every card uses.
    struct Texts {
        QString saved = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
        QString inserted = QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio.");
        QString duplicateRefused = QStringLiteral(
            "Attenzione: la duplicazione di una scheda pu\u00f2 avvenire soltanto dopo che questa \u00e8 stata "
            "inserita in archivio.");
        QString duplicated = QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.") +
                             QStringLiteral("\n\r\n\r") +
                             QStringLiteral("Al termine premere Salva per inserire la scheda in archivio.");
    };

    // The commands that reach the archive, each with the kind of box its
    // archive failure shows (an error unless the card says otherwise).
    enum class Command { First, Previous, Next, Last, Save, Duplicate };

    CardEngine(Form *card, const RecordLayout &layout, QLabel *lblPosizione);

    // Where the archive lies, asked anew by every command.
    void SetArchive(std::function<QString()> path) { archivePath_ = std::move(path); }
    void SetArchiveName(const QString &fileName);
    Texts &MessageTexts() { return texts_; }

    // The controls of the card, each bound to its field; edits and combo
    // edits get their maximum length, a focus frame named "eff" + the field
    // (placed around them, so bind after laying them out) and a place in the
    // Enter chain, which follows the order of binding and goes round from the
    // last to the first. Most cards bind in record order.
    void BindEdit(std::string_view field, Edit *edit);
    void BindCombo(std::string_view field, ComboEdit *combo);
    void BindFlag(std::string_view field, QCheckBox *box);
    // Hidden labels: the attachments, which "Nuovo" and "Duplica" empty.
    void BindAttachment(std::string_view field, QLabel *label);
    // A label loaded and saved with the record that "Nuovo" and "Duplica"
    // leave as it is (a year, a date the save builds from its parts).
    void BindLabel(std::string_view field, QLabel *label);
    // The three attachment slots, fields "File01".."File03" and "Desc01".."Desc03".
    void BindAttachments(QLabel *file01, QLabel *file02, QLabel *file03, QLabel *desc01, QLabel *desc02,
                         QLabel *desc03);

    // The text a control gets when the card is cleared (an amount shows "0,00").
    void SetClearText(QWidget *control, const QString &text);
    // A control that "Nuovo" leaves as it is (standing data of the firm).
    void KeepOnClear(QWidget *control);
    // A combo edit whose list selection "Nuovo" leaves as it is, while its
    // text is cleared all the same (the contract card's fuel).
    void KeepSelectionOnClear(ComboEdit *combo);
    // Where "Nuovo" puts the focus; the first field unless set.
    void SetClearFocus(QWidget *control);

    // The checks of "Salva", run in the order added, mandatory fields and
    // other checks in one chain. The first that fails shows its message,
    // puts the focus on its control (none: the focus stays) and stops the
    // save before the archive is opened.
    // A mandatory field: a warning when its trimmed text is empty.
    void AddMandatory(QWidget *control, const QString &message);
    // Any other check; `passes` may also set the controls it derives (a
    // date built from its parts) before it judges them.
    void AddCheck(std::function<bool()> passes, MsgKind kind, const QString &message, QWidget *focus);
    // The same with a message made when the check fails (one that names the
    // value at fault).
    void AddCheck(std::function<bool()> passes, MsgKind kind, std::function<QString()> message, QWidget *focus);
    // The box an archive failure of `command` shows.
    void SetArchiveFailureKind(Command command, MsgKind kind);

    // A key rule of one control, run before the Enter chain: it may swallow
    // the key. An Enter it lets pass moves the focus to the next field.
    void OnKey(QWidget *control, KeyHandler handler);
    // Runs when the control loses the focus, after its frame is hidden.
    void OnExit(QWidget *control, std::function<void()> handler);
    QWidget *FirstControl() const;
    FocusFrame *Frame(QWidget *control) const;

    // The status line and its hints: a command shows its hint while the
    // pointer moves over it; the background areas empty it.
    void SetStatusLine(StatusLine *status, const QString &initial);
    void AddHint(QWidget *command, const QString &hint);
    void AddBlankArea(QWidget *area);

    // Puts record `number` on the card, replacing what it showed.
    void LoadRecord(const Record &record, int number);
    // The four arrows: never wrapping, silent at either end.
    void First();
    void Previous();
    void Next();
    void Last();
    // "Nuovo", and every show of the card.
    void Clear();
    void Save();
    void Duplicate();

    // The record as the card shows it, each text trimmed and cut to its field.
    Record BuildRecord() const;

private:
    enum class Kind { Edit, Combo, Flag, Attachment, Label };
    struct Binding {
        int field;
        Kind kind;
        QWidget *control;
        QString clearText;
        bool keptOnClear = false;
        FocusFrame *frame = nullptr;
        KeyHandler keyRule;
        std::function<void()> exitRule;
        bool keepsSelection = false;
    };
    struct Check {
        std::function<bool()> passes;
        MsgKind kind;
        std::function<QString()> message;
        QWidget *focus;
    };

    void Bind(std::string_view field, Kind kind, QWidget *control, Edit *editor);
    Binding *Find(QWidget *control);
    const Binding *Find(QWidget *control) const;
    void Navigate(Command arrow);
    void ReportArchiveFailure(Command command) const;
    void OpenArchive(ArchiveFile &archive) const;
    int PositionNumber() const;  // throws ArchiveError when the label holds no number
    void FocusNext(const Binding &from);
    static QString ControlText(const Binding &binding);
    static void SetControlText(const Binding &binding, const QString &text);

    Form *card_;
    const RecordLayout &layout_;
    QLabel *lblPosizione_;
    std::function<QString()> archivePath_;
    Texts texts_;
    std::vector<Binding> bindings_;
    std::vector<Check> checks_;
    QWidget *clearFocus_ = nullptr;
    MsgKind failureKinds_[6] = {MsgKind::Error, MsgKind::Error, MsgKind::Error,
                                MsgKind::Error, MsgKind::Error, MsgKind::Error};
    StatusLine *status_ = nullptr;
};

}  // namespace vel
