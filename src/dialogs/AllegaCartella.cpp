#include "AllegaCartella.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QSaveFile>
#include <iterator>
#include <memory>

#include "OpenURL.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/TextRules.h"
#include "pictures/Pictures.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Services.h"

namespace vel {

TfrmAllegaCartella *frmAllegaCartella = nullptr;

namespace {

const QString kFolderName = QStringLiteral("Documenti_Allegati");

// The records keep a file name in 250 characters of the Western code page: a
// longer name, or one with other characters, would come back from the archive
// as another name and the document would be lost to the card.
constexpr int kMaxNameLength = 250;

const QString kSameName = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati \u00e8 presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");
const QString kCopyFailed = QStringLiteral(
    "Attenzione: non \u00e8 stato possibile copiare il file nella cartella dei documenti allegati.\r\n\r\n"
    "Il file non \u00e8 stato allegato. Verificare che il file scelto sia ancora disponibile e che la "
    "cartella \"Documenti_Allegati\" sia accessibile.");
const QString kNameTooLong = QStringLiteral(
    "Attenzione: il nome del file scelto supera i 250 caratteri e non pu\u00f2 essere allegato.\r\n\r\n"
    "Rinominare il file con un nome pi\u00f9 breve e riprovare.");
const QString kNameNotAllowed = QStringLiteral(
    "Attenzione: il nome del file scelto contiene caratteri non ammessi e non pu\u00f2 essere allegato.\r\n\r\n"
    "Rinominare il file usando soltanto lettere dell'alfabeto latino, cifre e segni comuni, quindi riprovare.");

// The one filter of the file dialog. Its label reads "(*.*)"; its pattern is
// "*", since Qt's "*.*" would hide the documents whose names have no dot.
const QString kEveryFile = QStringLiteral("Tutti i file (*.*) (*)");

QString AttachmentsFolder() { return ProgramPath(kFolderName); }

// Copies through a temporary file beside the target, renamed into place only
// when every byte arrived: a failed copy leaves the stored document whole.
// Read in blocks, so that a large scan never has to fit in memory.
// A chosen name that is no plain file (a named pipe, a device) is never
// opened: reading it would wait for a writer that never comes.
bool CopyReplacing(const QString &source, const QString &target) {
    if (StateOfFile(source) != FileState::Regular) return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(target);
    // Unbuffered, so that a failing write is seen here and not only when
    // commit() flushes what would then be renamed into place all the same.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    constexpr qint64 kBlock = 1 << 20;
    for (;;) {
        const QByteArray block = in.read(kBlock);
        if (block.isEmpty()) break;
        if (out.write(block) != block.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError || !in.atEnd()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

bool SameFile(const QString &a, const QString &b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmAllegaCartella"));
    SetCaption(QStringLiteral(" Allega file"));
    SetFixedClientSize(634, 534);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    imgBanner = new QLabel(this);
    imgBanner->setObjectName(QStringLiteral("imgBanner"));
    imgBanner->setGeometry(8, 8, 618, 80);
    ShowPicture(imgBanner, {PictureName::AttachmentsBanner, imgBanner->size()});

    struct SlotControls {
        QFrame **frame;
        QLabel **nameCaption;
        QLabel **descCaption;
        Edit **file;
        Edit **desc;
        ImageButton **clear;
        Button **browse;
        Button **open;
    };
    const SlotControls rows[] = {
        {&grpFile01, &lblNome01, &lblDescrizione01, &txtFile01, &txtDesc01, &imgCancella01, &btnSfoglia01,
         &btnApri01},
        {&grpFile02, &lblNome02, &lblDescrizione02, &txtFile02, &txtDesc02, &imgCancella02, &btnSfoglia02,
         &btnApri02},
        {&grpFile03, &lblNome03, &lblDescrizione03, &txtFile03, &txtDesc03, &imgCancella03, &btnSfoglia03,
         &btnApri03},
    };
    const QFont captionFont = UiFont(QStringLiteral("Verdana"), 9, true);
    const QFont editFont = UiFont(QStringLiteral("Verdana"), 10);
    const QFont nameFont = UiFont(QStringLiteral("Verdana"), 10, true);
    // A slot's caption and its edit: one pair for the name, one for the description.
    const auto captionAt = [&](QFrame *frame, const QString &text, const QString &name, int top) {
        auto *label = new QLabel(text, frame);
        label->setObjectName(name);
        label->setGeometry(12, top, 400, 20);
        label->setFont(captionFont);
        return label;
    };
    // Read-only before the font: made read-only, an edit measures its caret in
    // its font, which would load it while the window is built.
    const auto editAt = [](QFrame *frame, const QString &name, int top, int width, const QFont &font,
                           bool readOnly = false) {
        auto *edit = new Edit(frame);
        edit->setObjectName(name);
        edit->setGeometry(12, top, width, 30);
        edit->setReadOnly(readOnly);
        edit->setFont(font);
        return edit;
    };
    for (int i = 0; i < 3; ++i) {
        const SlotControls &s = rows[i];
        const QString number = QStringLiteral("0%1").arg(i + 1);
        const QString ordinal = QStringLiteral("%1\u00b0").arg(i + 1);

        QFrame *frame = *s.frame = new BoxFrame(this, QColor(255, 255, 255, 150), QColor(0x8F, 0xA9, 0xC4), 8);
        frame->setObjectName(QStringLiteral("grpFile") + number);
        frame->setGeometry(8, 96 + i * 126, 618, 120);

        *s.nameCaption = captionAt(frame, QStringLiteral("Nome %1 file allegato:").arg(ordinal),
                                   QStringLiteral("lblNome") + number, 6);
        Edit *file = *s.file = editAt(frame, QStringLiteral("txtFile") + number, 28, 352, nameFont, true);
        file->setStyleSheet(QStringLiteral("color: #5A5A5A; background-color: #EEF0F2;"));

        ImageButton *clear = *s.clear = new ImageButton(frame);
        clear->setObjectName(QStringLiteral("imgCancella") + number);
        clear->setGeometry(370, 31, 24, 24);
        ShowPicture(clear, {PictureName::ClearDisc, QSize(24, 24)});

        Button *browse = *s.browse = new Button(QStringLiteral("Sfoglia..."), frame);
        browse->setObjectName(QStringLiteral("btnSfoglia") + number);
        browse->setGeometry(404, 27, 104, 32);

        Button *open = *s.open = new Button(QStringLiteral("Apri"), frame);
        open->setObjectName(QStringLiteral("btnApri") + number);
        open->setGeometry(516, 27, 90, 32);
        open->setEnabled(false);

        *s.descCaption = captionAt(frame, QStringLiteral("Descrizione %1 file allegato:").arg(ordinal),
                                   QStringLiteral("lblDescrizione") + number, 62);
        *s.desc = editAt(frame, QStringLiteral("txtDesc") + number, 84, 594, editFont);
    }

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    btnAnnulla = new Button(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(8, 482, 150, 36);
    btnApplica = new Button(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setGeometry(476, 482, 150, 36);

    // Reading order: each slot's name row, then its description, then the
    // buttons at the foot from left to right.
    QWidget *const tabOrder[] = {txtFile01, btnSfoglia01, btnApri01, txtDesc01, txtFile02, btnSfoglia02,
                                 btnApri02, txtDesc02, txtFile03, btnSfoglia03, btnApri03, txtDesc03,
                                 btnAnnulla, btnApplica};
    for (size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(btnSfoglia01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia01Click);
    connect(btnSfoglia02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia02Click);
    connect(btnSfoglia03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnSfoglia03Click);
    connect(btnApri01, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri01Click);
    connect(btnApri02, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri02Click);
    connect(btnApri03, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApri03Click);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
    imgCancella01->onClick = [this] { imgCancella01Click(); };
    imgCancella02->onClick = [this] { imgCancella02Click(); };
    imgCancella03->onClick = [this] { imgCancella03Click(); };
    txtFile01->onChange = [this] { txtFile01Change(); };
    txtFile02->onChange = [this] { txtFile02Change(); };
    txtFile03->onChange = [this] { txtFile03Change(); };
}

Edit *TfrmAllegaCartella::FileEdit(int slot) const {
    Edit *const edits[] = {txtFile01, txtFile02, txtFile03};
    return edits[slot];
}

Edit *TfrmAllegaCartella::DescEdit(int slot) const {
    Edit *const edits[] = {txtDesc01, txtDesc02, txtDesc03};
    return edits[slot];
}

Button *TfrmAllegaCartella::OpenButton(int slot) const {
    Button *const buttons[] = {btnApri01, btnApri02, btnApri03};
    return buttons[slot];
}

void TfrmAllegaCartella::btnSfoglia01Click() { Browse(0); }
void TfrmAllegaCartella::btnSfoglia02Click() { Browse(1); }
void TfrmAllegaCartella::btnSfoglia03Click() { Browse(2); }
void TfrmAllegaCartella::imgCancella01Click() { ClearName(0); }
void TfrmAllegaCartella::imgCancella02Click() { ClearName(1); }
void TfrmAllegaCartella::imgCancella03Click() { ClearName(2); }
void TfrmAllegaCartella::btnApri01Click() { OpenDocument(0); }
void TfrmAllegaCartella::btnApri02Click() { OpenDocument(1); }
void TfrmAllegaCartella::btnApri03Click() { OpenDocument(2); }
void TfrmAllegaCartella::txtFile01Change() { EnableOpen(0); }
void TfrmAllegaCartella::txtFile02Change() { EnableOpen(1); }
void TfrmAllegaCartella::txtFile03Change() { EnableOpen(2); }

void TfrmAllegaCartella::EnableOpen(int slot) {
    OpenButton(slot)->setEnabled(!Trim(FileEdit(slot)->text()).isEmpty());
}

// The slot takes the chosen document's bare name only once the document is
// safely in the folder (or the user kept the one stored under that name):
// after a refusal or a failure the slot still names what it named before.
void TfrmAllegaCartella::Browse(int slot) {
    const QString chosen =
        FileDialogs().GetOpenFileName(this, QStringLiteral("Selezionare il file da allegare:"), QString(), kEveryFile);
    if (chosen.isEmpty()) return;
    const QString name = QFileInfo(chosen).fileName();
    if (name.size() > kMaxNameLength) {
        MessageDlg(MsgKind::Warning, kNameTooLong);
        return;
    }
    if (!FitsCp1252(name)) {
        MessageDlg(MsgKind::Warning, kNameNotAllowed);
        return;
    }

    const QString folder = AttachmentsFolder();
    if (!QDir().mkpath(folder)) {
        MessageDlg(MsgKind::Warning, kCopyFailed);
        return;
    }
    const QString target = folder + u'/' + name;
    bool copy = true;
    if (QFileInfo::exists(target)) {
        // No keeps the stored document, which the slot then names. A document
        // chosen from the folder itself is that very document: copying it onto
        // itself would at best fail and at worst destroy it.
        copy = MessageDlg(MsgKind::Confirmation, kSameName) != MsgButton::No && !SameFile(chosen, target);
    }
    if (copy && !CopyReplacing(chosen, target)) {
        MessageDlg(MsgKind::Warning, kCopyFailed);
        return;
    }
    FileEdit(slot)->setText(name);
}

// Only the name goes: the description stays, and so does the stored document,
// which other records may name as well.
void TfrmAllegaCartella::ClearName(int slot) { FileEdit(slot)->clear(); }

// A slot names a document of the attachments folder by its bare file name,
// as browsing stores it. A name that holds a folder separator or is "." or
// ".." (which only a forged archive can give) would reach outside the folder
// and is treated as a document that is not there, never handed to the
// desktop. Two dots inside a bare name are part of the name: without a
// separator they reach nowhere.
void TfrmAllegaCartella::OpenDocument(int slot) {
    const QString name = Trim(FileEdit(slot)->text());
    const QString command = u'"' + ProgramFolder() + kFolderName + u'/' + name + u'"';
    const bool bare = !name.contains(u'/') && !name.contains(u'\\') && name != QLatin1String(".") &&
                      name != QLatin1String("..");
    if (!bare) {
        WarnCannotOpen(command);
        return;
    }
    TMisc::Open(command);
}

void TfrmAllegaCartella::btnApplicaClick() {
    // A tag no card registered (or a card without its six labels) writes
    // nothing, and the dialog stays open.
    AttachmentLabels labels{};
    if (!RegisteredAttachments(Trim(lblMemory->text()), labels)) return;
    for (int i = 0; i < 3; ++i) {
        labels.file[i]->setText(Trim(FileEdit(i)->text()));
        labels.desc[i]->setText(Trim(DescEdit(i)->text()));
    }
    Close();
}

void TfrmAllegaCartella::btnAnnullaClick() { Close(); }

void OpenAttachments(QWidget *card, const QString &callerTag, const AttachmentLabels &labels) {
    const std::unique_ptr<TfrmAllegaCartella> dialog = std::make_unique<TfrmAllegaCartella>(card);
    dialog->Create();
    dialog->lblMemory->setText(callerTag);
    // Setting a name runs its slot's enable rule: the "Apri" of every filled
    // slot is ready when the dialog shows.
    Edit *const files[] = {dialog->txtFile01, dialog->txtFile02, dialog->txtFile03};
    Edit *const descs[] = {dialog->txtDesc01, dialog->txtDesc02, dialog->txtDesc03};
    for (int i = 0; i < 3; ++i) {
        files[i]->setText(Trim(labels.file[i]->text()));
        descs[i]->setText(Trim(labels.desc[i]->text()));
    }
    dialog->ShowModal();
}

}  // namespace vel
