#include "CardEngine.h"

#include <QComboBox>

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {

CardEngine::CardEngine(Form *card, const RecordLayout &layout, QLabel *lblPosizione)
    : card_(card), layout_(layout), lblPosizione_(lblPosizione) {}

void CardEngine::SetArchiveName(const QString &fileName) {
    archivePath_ = [fileName] { return ProgramPath(fileName); };
}

void CardEngine::Bind(std::string_view field, Kind kind, QWidget *control, Edit *editor) {
    const int index = layout_.IndexOf(field);
    if (index < 0) throw std::logic_error("no field " + std::string(field) + " in " + std::string(layout_.Name()));
    bindings_.push_back({index, kind, control, QString(), false, nullptr, {}, {}});
    if (!editor) return;

    editor->SetMaxLength(layout_.Fields()[index].capacity);
    // A paste of several lines keeps its first line, as a one-line edit of
    // the system takes it: a card's field is one line in every list, print
    // and export, and a stored line break would cut it there.
    editor->SetFirstLineOnly(true);
    auto *frame = new FocusFrame(control->parentWidget());
    frame->setObjectName(QStringLiteral("eff") + QString::fromLatin1(field.data(), int(field.size())));
    frame->Surround(control, 4);
    bindings_.back().frame = frame;

    auto *combo = kind == Kind::Combo ? static_cast<ComboEdit *>(control) : nullptr;
    editor->onEnter = [frame, combo] {
        // A combo's list selection is forgotten as it takes the focus; its text stays.
        if (combo) combo->ClearSelectionKeepText();
        frame->show();
    };
    editor->onExit = [this, control, frame] {
        frame->hide();
        if (const Binding *b = Find(control); b && b->exitRule) b->exitRule();
    };
    editor->onKeyDown = [this, control](int &key, QChar &keyChar, Qt::KeyboardModifiers shift) {
        const Binding *b = Find(control);
        if (!b) return;
        if (b->keyRule) {
            b->keyRule(key, keyChar, shift);
            if (key == 0 && keyChar.isNull()) return;
        }
        if (key == vkReturn) {
            FocusNext(*b);
            key = 0;
        }
    };
}

void CardEngine::BindEdit(std::string_view field, Edit *edit) { Bind(field, Kind::Edit, edit, edit); }
void CardEngine::BindCombo(std::string_view field, ComboEdit *combo) {
    Bind(field, Kind::Combo, combo, combo->Editor());
}
void CardEngine::BindFlag(std::string_view field, QCheckBox *box) { Bind(field, Kind::Flag, box, nullptr); }
void CardEngine::BindAttachment(std::string_view field, QLabel *label) {
    Bind(field, Kind::Attachment, label, nullptr);
}

void CardEngine::BindLabel(std::string_view field, QLabel *label) { Bind(field, Kind::Label, label, nullptr); }

void CardEngine::BindAttachments(QLabel *file01, QLabel *file02, QLabel *file03, QLabel *desc01, QLabel *desc02,
                                 QLabel *desc03) {
    BindAttachment("File01", file01);
    BindAttachment("File02", file02);
    BindAttachment("File03", file03);
    BindAttachment("Desc01", desc01);
    BindAttachment("Desc02", desc02);
    BindAttachment("Desc03", desc03);
}

CardEngine::Binding *CardEngine::Find(QWidget *control) {
    for (Binding &b : bindings_)
        if (b.control == control) return &b;
    return nullptr;
}

const CardEngine::Binding *CardEngine::Find(QWidget *control) const {
    return const_cast<CardEngine *>(this)->Find(control);
}

void CardEngine::SetClearText(QWidget *control, const QString &text) {
    if (Binding *b = Find(control)) b->clearText = text;
}

void CardEngine::KeepOnClear(QWidget *control) {
    if (Binding *b = Find(control)) b->keptOnClear = true;
}

void CardEngine::KeepSelectionOnClear(ComboEdit *combo) {
    if (Binding *b = Find(combo)) b->keepsSelection = true;
}

void CardEngine::SetClearFocus(QWidget *control) { clearFocus_ = control; }

void CardEngine::AddMandatory(QWidget *control, const QString &message) {
    AddCheck(
        [this, control] {
            const Binding *b = Find(control);
            return !b || !Trim(ControlText(*b)).isEmpty();
        },
        MsgKind::Warning, message, control);
}

void CardEngine::AddCheck(std::function<bool()> passes, MsgKind kind, const QString &message, QWidget *focus) {
    AddCheck(std::move(passes), kind, [message] { return message; }, focus);
}

void CardEngine::AddCheck(std::function<bool()> passes, MsgKind kind, std::function<QString()> message,
                          QWidget *focus) {
    checks_.push_back({std::move(passes), kind, std::move(message), focus});
}

void CardEngine::SetArchiveFailureKind(Command command, MsgKind kind) { failureKinds_[int(command)] = kind; }

void CardEngine::ReportArchiveFailure(Command command) const {
    MessageDlg(failureKinds_[int(command)], ArchiveFailureMessage());
}

void CardEngine::OnKey(QWidget *control, KeyHandler handler) {
    if (Binding *b = Find(control)) b->keyRule = std::move(handler);
}

void CardEngine::OnExit(QWidget *control, std::function<void()> handler) {
    if (Binding *b = Find(control)) b->exitRule = std::move(handler);
}

QWidget *CardEngine::FirstControl() const {
    for (const Binding &b : bindings_)
        if (b.kind == Kind::Edit || b.kind == Kind::Combo) return b.control;
    return nullptr;
}

FocusFrame *CardEngine::Frame(QWidget *control) const {
    const Binding *b = Find(control);
    return b ? b->frame : nullptr;
}

void CardEngine::FocusNext(const Binding &from) {
    // The next text field in record order, round to the first after the last.
    std::vector<const Binding *> chain;
    for (const Binding &b : bindings_)
        if (b.kind == Kind::Edit || b.kind == Kind::Combo) chain.push_back(&b);
    for (size_t i = 0; i < chain.size(); ++i) {
        if (chain[i] == &from) {
            FocusByEnter(chain[(i + 1) % chain.size()]->control);
            return;
        }
    }
}

void CardEngine::SetStatusLine(StatusLine *status, const QString &initial) {
    status_ = status;
    status_->setText(initial);
}

void CardEngine::AddHint(QWidget *command, const QString &hint) {
    OnMouseMove(command, [this, hint] {
        if (status_) status_->setText(hint);
    });
}

void CardEngine::AddBlankArea(QWidget *area) {
    OnMouseMoveOverBackground(area, [this] {
        if (status_) status_->clear();
    });
}

QString CardEngine::ControlText(const Binding &b) {
    switch (b.kind) {
    case Kind::Edit: return static_cast<Edit *>(b.control)->text();
    case Kind::Combo: return static_cast<ComboEdit *>(b.control)->text();
    case Kind::Flag: return YesNoText(static_cast<QCheckBox *>(b.control)->isChecked());
    case Kind::Attachment:
    case Kind::Label: return static_cast<QLabel *>(b.control)->text();
    }
    return QString();
}

void CardEngine::SetControlText(const Binding &b, const QString &text) {
    switch (b.kind) {
    case Kind::Edit: static_cast<Edit *>(b.control)->setText(text); break;
    case Kind::Combo: static_cast<ComboEdit *>(b.control)->setText(text); break;
    case Kind::Flag:
        // Anything but the two stored values leaves the box as it was.
        if (const auto ticked = YesNoValue(text)) static_cast<QCheckBox *>(b.control)->setChecked(*ticked);
        break;
    case Kind::Attachment:
    case Kind::Label: static_cast<QLabel *>(b.control)->setText(text); break;
    }
}

void CardEngine::LoadRecord(const Record &record, int number) {
    for (const Binding &b : bindings_) SetControlText(b, record.Text(b.field));
    lblPosizione_->setText(QString::number(number));
}

Record CardEngine::BuildRecord() const {
    Record record(layout_);
    for (const Binding &b : bindings_) record.SetText(b.field, ControlText(b));
    return record;
}

void CardEngine::OpenArchive(ArchiveFile &archive) const { archive.OpenArchivePath(archivePath_(), layout_); }

int CardEngine::PositionNumber() const {
    bool ok = false;
    const int n = Trim(lblPosizione_->text()).toInt(&ok);
    if (!ok) throw ArchiveError("the record number is not a number");
    return n;
}

void CardEngine::First() { Navigate(Command::First); }
void CardEngine::Previous() { Navigate(Command::Previous); }
void CardEngine::Next() { Navigate(Command::Next); }
void CardEngine::Last() { Navigate(Command::Last); }

void CardEngine::Navigate(Command arrow) {
    try {
        ArchiveFile archive;
        OpenArchive(archive);
        const int count = archive.RecordCount();
        const bool isNew = Trim(lblPosizione_->text()).isEmpty();
        const int n = isNew ? 0 : PositionNumber();
        int target = 0;
        bool notice = false;
        bool forgetNumber = false;
        switch (arrow) {
        case Command::Save:
        case Command::Duplicate: break;
        case Command::First:
            if (count == 0) notice = true;
            else target = 1;
            break;
        case Command::Last:
            if (count == 0) notice = true;
            else target = count;
            break;
        case Command::Next:
            if (count == 0) forgetNumber = notice = true;
            else if (isNew) target = 1;
            else if (n < count) target = n + 1;
            break;
        case Command::Previous:
            if (count == 0) notice = isNew || n != 1;
            else if (isNew) target = 1;
            else if (n >= 2) target = n - 1;
            break;
        }
        Record record(layout_);
        if (target > 0) archive.ReadRecord(target, record);
        archive.CloseArchive();
        if (target > 0) LoadRecord(record, target);
        if (forgetNumber) lblPosizione_->clear();
        if (notice) MessageDlg(MsgKind::Information, EmptyArchiveNotice());
    } catch (const ArchiveError &) {
        ReportArchiveFailure(arrow);
    }
}

void CardEngine::Clear() {
    for (const Binding &b : bindings_) {
        if (b.keptOnClear) continue;
        switch (b.kind) {
        case Kind::Edit: static_cast<Edit *>(b.control)->setText(b.clearText); break;
        case Kind::Combo: {
            auto *combo = static_cast<ComboEdit *>(b.control);
            combo->setText(b.clearText);
            if (!b.keepsSelection) combo->ClearSelectionKeepText();
            break;
        }
        case Kind::Flag: static_cast<QCheckBox *>(b.control)->setChecked(false); break;
        case Kind::Attachment: static_cast<QLabel *>(b.control)->clear(); break;
        case Kind::Label: break;
        }
    }
    lblPosizione_->clear();
    if (QWidget *focus = clearFocus_ ? clearFocus_ : FirstControl()) focus->setFocus();
}

void CardEngine::Save() {
    for (const Check &check : checks_) {
        if (check.passes()) continue;
        MessageDlg(check.kind, check.message());
        if (check.focus) check.focus->setFocus();
        return;
    }
    try {
        ArchiveFile archive;
        OpenArchive(archive);
        const Record record = BuildRecord();
        if (!Trim(lblPosizione_->text()).isEmpty()) {
            const int n = PositionNumber();
            archive.WriteRecord(n, record);
            lblPosizione_->setText(QString::number(n));
            archive.CloseArchive();
            MessageDlg(MsgKind::Information, texts_.saved);
        } else {
            const int n = archive.AppendRecord(record);
            lblPosizione_->setText(QString::number(n));
            archive.CloseArchive();
            MessageDlg(MsgKind::Information, texts_.inserted);
        }
    } catch (const ArchiveError &) {
        ReportArchiveFailure(Command::Save);
    }
}

void CardEngine::Duplicate() {
    if (Trim(lblPosizione_->text()).isEmpty()) {
        MessageDlg(MsgKind::Warning, texts_.duplicateRefused);
        return;
    }
    for (const Binding &b : bindings_)
        if (b.kind == Kind::Attachment) static_cast<QLabel *>(b.control)->clear();
    lblPosizione_->clear();
    try {
        ArchiveFile archive;
        OpenArchive(archive);
        archive.CloseArchive();
        if (QWidget *first = FirstControl()) first->setFocus();
        MessageDlg(MsgKind::Information, texts_.duplicated);
    } catch (const ArchiveError &) {
        ReportArchiveFailure(Command::Duplicate);
    }
}

}  // namespace vel
