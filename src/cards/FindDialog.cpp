#include "FindDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <exception>
#include <optional>

#include "ListReport.h"
#include "Receivers.h"
#include "ResultList.h"
#include "common/ArchiveFile.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {
namespace {

constexpr int kWidth = 862, kHeight = 560;
constexpr int kLeft = 24, kInner = kWidth - 2 * kLeft;

QLabel *HiddenLabel(QWidget *parent, const char *name, const QString &text = {}) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}

// The control of that name belonging to the window itself: a dialog the
// window owns may have controls of the same names.
QWidget *OwnControl(QWidget *window, const char *name) {
    for (QWidget *w : window->findChildren<QWidget *>(QString::fromLatin1(name)))
        if (w->window() == window) return w;
    return nullptr;
}

}  // namespace

QLabel *DialogLabel(QWidget *parent, const QString &text, const QRect &where, int points, bool bold,
                    const char *name) {
    auto *label = new QLabel(text, parent);
    if (name) label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    label->setFont(UiFont(QStringLiteral("Verdana"), points, bold));
    label->setWordWrap(true);
    return label;
}

Button *DialogButton(QWidget *parent, const char *name, const QString &text, const QRect &where) {
    auto *button = new Button(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
    return button;
}

QString ControlTextOf(QWidget *window, const char *name) {
    if (!window) return QString();
    QWidget *control = OwnControl(window, name);
    if (auto *combo = qobject_cast<QComboBox *>(control)) return combo->currentText();
    if (auto *edit = qobject_cast<QLineEdit *>(control)) return edit->text();
    if (auto *label = qobject_cast<QLabel *>(control)) return label->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) return memo->toPlainText();
    if (auto *rich = qobject_cast<QTextEdit *>(control)) return rich->toPlainText();
    qWarning("ControlTextOf: %s has no control %s that shows a text", qPrintable(window->objectName()), name);
    return QString();
}

void SetControlTextOf(QWidget *window, const char *name, const QString &text) {
    if (!window) return;
    QWidget *control = OwnControl(window, name);
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->isEditable())
        combo->setEditText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        memo->setPlainText(text);
    else
        // A misspelt name in a fill table would lose the field without a
        // sound: say so where the developer looks.
        qWarning("SetControlTextOf: %s has no control %s that takes a text", qPrintable(window->objectName()),
                 name);
}

void FillControls(QWidget *window, const Record &record, std::span<const ControlFill> fills) {
    if (!window) return;
    for (const ControlFill &fill : fills) {
        QString value = record.Text(fill.field);
        if (!fill.joinedField.empty()) value += u' ' + record.Text(fill.joinedField);
        SetControlTextOf(window, fill.control, value);
    }
}

// ---- the result list ------------------------------------------------------

ResultListDialog::ResultListDialog(QWidget *owner, ResultListDef def) : Form(owner), def_(std::move(def)) {
    setObjectName(QString::fromLatin1(def_.objectName));
    SetCaption(def_.caption);
    SetFixedClientSize(kWidth, kHeight);
    SetGradient(QColor(0xB0, 0xC4, 0xDE), Qt::white);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(0, 0, kWidth, kHeight);

    lblIstruzioni01 = DialogLabel(panContainer,
                                QStringLiteral("Immettere una o pi\u00f9 parole consecutive presenti nella scheda in "
                                               "elenco da cercare e premere il pulsante Trova."),
                                QRect(kLeft, 12, kInner, 20), 9, true);
    lblIstruzioni02 = DialogLabel(panContainer,
                                QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                               "ricerca, fare di nuovo clic su Trova."),
                                QRect(kLeft, 32, kInner, 20), 9, false);

    txtTrova = new Edit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setGeometry(kLeft, 62, 640, 32);
    txtTrova->setFont(UiFont(QStringLiteral("Verdana"), 12, true));
    btnTrova = DialogButton(panContainer, "btnTrova", QStringLiteral("Trova"), QRect(kWidth - kLeft - 158, 61, 158, 34));

    lstRecords = new ListBox(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(kLeft, 106, kInner, 350);
    PrepareResultList(lstRecords);
    lstRecords->viewport()->installEventFilter(this);

    lblIstruzioni03 = DialogLabel(panContainer,
                                QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
                                QRect(kLeft, 460, kInner, 20), 9, false);

    btnChiudi = DialogButton(panContainer, "btnChiudi", QStringLiteral("Chiudi"), QRect(kLeft, 512, 150, 34));
    btnStampa = DialogButton(panContainer, "btnStampa", QStringLiteral("Stampa"),
                           QRect(kWidth - kLeft - 150, 512, 150, 34));

    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnChiudi);

    connect(btnTrova, &QPushButton::clicked, this, &ResultListDialog::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &ResultListDialog::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &ResultListDialog::btnChiudiClick);
    txtTrova->onKeyDown = [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtTrovaKeyDown(k, c, s); };
}

void ResultListDialog::FillList(const RecordTest &accept) {
    lstRecords->clear();
    QStringList lines;
    std::exception_ptr failure;
    try {
        CollectListLines(def_.archivePath(), *def_.layout, accept, def_.line, lines);
    } catch (const std::exception &) {
        failure = std::current_exception();
    }
    if (def_.sorted) SortListLines(lines);
    SetResultLines(lstRecords, std::move(lines));
    if (failure) std::rethrow_exception(failure);
}

void ResultListDialog::ShowWholeList(const RecordTest &accept) {
    LastFindText(this).clear();
    txtTrova->clear();
    try {
        FillList(accept);
    } catch (const std::exception &) {
        lstRecords->clear();
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
    }
    txtTrova->setFocus();
}

void ResultListDialog::btnTrovaClick() { FindNextInList(lstRecords, txtTrova->text(), LastFindText(this)); }

void ResultListDialog::txtTrovaKeyDown(int &key, QChar &, Qt::KeyboardModifiers) {
    if (key != vkReturn) return;
    FocusByEnter(btnTrova);
    key = 0;
}

void ResultListDialog::btnStampaClick() { ListReport(this, def_.reportTitle, ResultLines(lstRecords)); }

void ResultListDialog::btnChiudiClick() { Close(); }

void ResultListDialog::lstRecordsDblClick() {
    // Records with the same line cannot be told apart in the list: the last
    // one in the file is the one picked, applied once, with its number. The
    // criteria of the search play no part here.
    std::optional<Record> last;
    int lastNumber = 0;
    ApplyRecord apply;
    try {
        const int row = SelectedRow(lstRecords);
        if (row >= 0) {
            const QString chosen = Trim(lstRecords->Line(row));
            apply = PickReceiver();
            ArchiveFile archive;
            archive.OpenArchivePath(def_.archivePath(), *def_.layout);
            Record record(*def_.layout);
            while (archive.Position() < archive.RecordCount()) {
                record.ViewBytes(archive.ReadNextInPlace());
                if (Trim(def_.line(record)) != chosen) continue;
                last = record;
                lastNumber = archive.Position();
            }
            archive.CloseArchive();
        }
    } catch (const std::exception &) {
        // A scan that fails part way still hands over the last equal record
        // it read, as far as it got; then the dialog just closes.
    }
    try {
        if (last && apply) apply(*last, lastNumber);
    } catch (const std::exception &) {
        // A receiver that fails keeps what it wrote; the dialog closes all the same.
    }
    Close();
}

void ResultListDialog::FormClose(CloseAction &) { lstRecords->clear(); }

bool ResultListDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstRecordsDblClick();
        return true;
    }
    return Form::eventFilter(watched, event);
}

// ---- the find dialog ------------------------------------------------------

FindDialog::FindDialog(QWidget *owner, ResultListDef def, std::span<const CriterionDef> criteria,
                       std::vector<PickTarget> picks)
    : ResultListDialog(owner, std::move(def)), criterionDefs_(criteria), picks_(std::move(picks)) {
    lblTrovate = DialogLabel(panContainer, QStringLiteral("Il presente elenco contiene 0 schede."),
                           QRect(kLeft, 484, kInner, 22), 10, true, "lblTrovate");

    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(0, 0, kWidth, kHeight);
    panContainer->hide();

    lblCerca01 = DialogLabel(panAvvio,
                           QStringLiteral("Immettere nei campi prescelti una o pi\u00f9 parole consecutive presenti "
                                          "nelle schede da trovare e premere il pulsante Cerca."),
                           QRect(kLeft, 12, kInner, 36), 9, true);
    lblCerca02 = DialogLabel(panAvvio, QStringLiteral("Lasciare in bianco tutti gli altri campi."),
                           QRect(kLeft, 50, kInner, 20), 9, false);
    lblCerca03 = DialogLabel(panAvvio,
                           QStringLiteral("Per ogni ricerca \u00e8 possibile utilizzare uno o pi\u00f9 campi "
                                          "contemporaneamente."),
                           QRect(kLeft, 70, kInner, 20), 9, false);

    // The criteria stand two by two, a wide one alone on its row.
    constexpr int kColumnWidth = (kInner - 24) / 2;
    constexpr int kRowHeight = 62;
    int row = 0, column = 0;
    for (const CriterionDef &c : criteria) {
        if (c.wide && column == 1) ++row, column = 0;
        const int x = kLeft + column * (kColumnWidth + 24);
        const int y = 102 + row * kRowHeight;
        const int width = c.wide ? kInner : kColumnWidth;
        DialogLabel(panAvvio, QString::fromUtf8(c.caption), QRect(x, y, width, 20), 9, false);
        auto *frame = new FocusFrame(panAvvio);
        frame->setObjectName(QString::fromLatin1(c.frame));
        auto *edit = new Edit(panAvvio);
        edit->setObjectName(QString::fromLatin1(c.edit));
        edit->setGeometry(x, y + 22, width, 30);
        edit->setFont(UiFont(QStringLiteral("Verdana"), 12, true));
        frame->Surround(edit, 4);
        criteria_.push_back(edit);
        frames_.push_back(frame);
        if (c.wide || column == 1)
            ++row, column = 0;
        else
            column = 1;
    }
    for (size_t i = 0; i < criteria_.size(); ++i) {
        Edit *edit = criteria_[i];
        FocusFrame *frame = frames_[i];
        Edit *next = criteria_[(i + 1) % criteria_.size()];
        edit->onEnter = [frame] { frame->show(); };
        edit->onExit = [frame] { frame->hide(); };
        // Enter goes on to the next criterion, from the last back to the
        // first; it never starts the search.
        edit->onKeyDown = [next](int &key, QChar &, Qt::KeyboardModifiers) {
            if (key != vkReturn) return;
            FocusByEnter(next);
            key = 0;
        };
        if (i > 0) setTabOrder(criteria_[i - 1], edit);
    }

    btnAnnulla = DialogButton(panAvvio, "btnAnnulla", QStringLiteral("Chiudi"), QRect(kLeft, 512, 150, 34));
    btnCerca = DialogButton(panAvvio, "btnCerca", QStringLiteral("Cerca"), QRect(kWidth - kLeft - 150, 512, 150, 34));
    lblAttendere = DialogLabel(panAvvio, QStringLiteral("Ricerca schede in corso. Attendere..."),
                             QRect(kLeft + 170, 518, kInner - 340, 22), 10, true, "lblAttendere");
    lblAttendere->setAlignment(Qt::AlignCenter);
    SetTextColour(lblAttendere, QColor(0x8B, 0x00, 0x00));
    lblAttendere->hide();
    lblConta = HiddenLabel(this, "lblConta", QStringLiteral("0"));
    lblMemory = HiddenLabel(this, "lblMemory", QStringLiteral("lblMemory"));
    if (!criteria_.empty()) {
        setTabOrder(criteria_.back(), btnCerca);
        setTabOrder(btnCerca, btnAnnulla);
    }

    connect(btnCerca, &QPushButton::pressed, this, &FindDialog::btnCercaMouseDown);
    connect(btnCerca, &QPushButton::clicked, this, &FindDialog::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &FindDialog::btnAnnullaClick);
}

Edit *FindDialog::CriterionEdit(const char *name) const {
    for (size_t i = 0; i < criterionDefs_.size(); ++i)
        if (qstrcmp(criterionDefs_[i].edit, name) == 0) return criteria_[i];
    return nullptr;
}

FocusFrame *FindDialog::CriterionFrame(const char *name) const {
    for (size_t i = 0; i < criterionDefs_.size(); ++i)
        if (qstrcmp(criterionDefs_[i].frame, name) == 0) return frames_[i];
    return nullptr;
}

void FindDialog::NameCriteria(std::initializer_list<Edit **> edits,
                              std::initializer_list<FocusFrame **> frames) const {
    Q_ASSERT(edits.size() == criteria_.size() && frames.size() == frames_.size());
    size_t i = 0;
    for (Edit **edit : edits) *edit = i < criteria_.size() ? criteria_[i++] : nullptr;
    i = 0;
    for (FocusFrame **frame : frames) *frame = i < frames_.size() ? frames_[i++] : nullptr;
}

void FindDialog::FormShow() {
    LastFindText(this).clear();
    txtTrova->clear();
    if (!criteria_.empty()) criteria_.front()->setFocus();
}

void FindDialog::btnCercaMouseDown() {
    // The notice stays up while the search runs; nothing paints until then.
    lblAttendere->show();
    lblAttendere->repaint();
}

void FindDialog::btnCercaClick() {
    std::vector<Criterion> criteria;
    for (size_t i = 0; i < criterionDefs_.size(); ++i) criteria.push_back({criterionDefs_[i].field, criteria_[i]->text()});
    const CriteriaMatch match(*def_.layout, criteria);
    lblConta->setText(QString::number(match.FilledCount()));
    try {
        FillList([&match](const Record &record) { return match.Matches(record); });
    } catch (const std::exception &) {
        ShowMessage(ArchiveFailureMessage());
        return;
    }
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene ") + QString::number(lstRecords->count()) +
                        QStringLiteral(" schede."));
    // One dialog searches once: the criteria do not come back.
    panContainer->show();
    panAvvio->hide();
    txtTrova->clear();
    txtTrova->setFocus();
}

void FindDialog::btnAnnullaClick() { Close(); }

void FindDialog::FormClose(CloseAction &action) {
    ResultListDialog::FormClose(action);
    lblAttendere->hide();
}

// The dialog's own picks first, then what a receiving window registered for
// this dialog and tag.
ApplyRecord FindDialog::PickReceiver() const {
    const QString tag = Trim(lblMemory->text());
    for (const PickTarget &target : picks_)
        if (target.tag == tag) return target.apply;
    return RegisteredPick(objectName(), tag);
}

}  // namespace vel
