// The attachments dialog: the opener's hand-over, browsing and copying into
// "Documenti_Allegati", the question about a name already stored, failures,
// clearing and opening a slot, and the write-back into the card.
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <memory>
#include <optional>
#include <sys/stat.h>

#include "ShellFixture.h"
#include "common/ProgramFolder.h"
#include "dialogs/AllegaCartella.h"
#include "fleet/Flotta.h"
#include "support/PipeTrap.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

const QString kSameName = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati \u00e8 presente un file con lo stesso nome.") +
                          QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole sovrascrivere il file esistente?");
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

const QString kFolder = QStringLiteral("Documenti_Allegati");

class AttachmentsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(elsewhere.isValid());
    }

    static AttachmentLabels FlottaLabels() {
        return {{frmFlotta->lblFile01, frmFlotta->lblFile02, frmFlotta->lblFile03},
                {frmFlotta->lblDesc01, frmFlotta->lblDesc02, frmFlotta->lblDesc03}};
    }
    // The card's six labels in the order the dialog reads and writes them.
    static QStringList CardTexts() {
        const AttachmentLabels l = FlottaLabels();
        return {l.file[0]->text(), l.desc[0]->text(), l.file[1]->text(),
                l.desc[1]->text(), l.file[2]->text(), l.desc[2]->text()};
    }
    static void SetCard(const QStringList &texts) {
        const AttachmentLabels l = FlottaLabels();
        QLabel *labels[] = {l.file[0], l.desc[0], l.file[1], l.desc[1], l.file[2], l.desc[2]};
        for (int i = 0; i < 6; ++i) labels[i]->setText(texts[i]);
    }

    // A dialog owned by the vehicle card, shown as its opener shows it.
    std::unique_ptr<TfrmAllegaCartella> ShowDialog(const QString &tag = QStringLiteral("flotta")) {
        auto dialog = std::make_unique<TfrmAllegaCartella>(frmFlotta);
        dialog->Create();
        dialog->lblMemory->setText(tag);
        dialog->Show();
        return dialog;
    }
    struct SlotControls {
        Edit *file;
        Edit *desc;
        ImageButton *clear;
        Button *browse;
        Button *open;
    };
    static SlotControls Slot(TfrmAllegaCartella &d, int slot) {
        const SlotControls all[] = {
            {d.txtFile01, d.txtDesc01, d.imgCancella01, d.btnSfoglia01, d.btnApri01},
            {d.txtFile02, d.txtDesc02, d.imgCancella02, d.btnSfoglia02, d.btnApri02},
            {d.txtFile03, d.txtDesc03, d.imgCancella03, d.btnSfoglia03, d.btnApri03},
        };
        return all[slot];
    }

    // A document somewhere outside the program's folder.
    QString Source(const QString &relativePath, const QByteArray &bytes) {
        const QString path = elsewhere.path() + u'/' + relativePath;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) ADD_FAILURE() << "no source";
        return path;
    }
    QByteArray Stored(const QString &name) const { return folder.Read(kFolder + u'/' + name); }
    void Store(const QString &name, const QByteArray &bytes) const {
        QDir().mkpath(folder.Path(kFolder));
        folder.Write(kFolder + u'/' + name, bytes);
    }
    void Browse(TfrmAllegaCartella &d, int slot, const QString &chosen) {
        files.answers.push_back(chosen);
        Click(Slot(d, slot).browse);
    }

    QTemporaryDir elsewhere;
    FakeFileDialog files;
    FakeShell shell;
};

TEST_F(AttachmentsTest, DialogLooksAsDesigned) {
    ASSERT_NE(frmAllegaCartella, nullptr);
    EXPECT_EQ(frmAllegaCartella->objectName(), QStringLiteral("frmAllegaCartella"));
    EXPECT_FALSE(frmAllegaCartella->isVisible());

    auto d = ShowDialog();
    EXPECT_EQ(d->Caption(), QStringLiteral(" Allega file"));
    EXPECT_EQ(d->size(), QSize(634, 534));
    EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(d->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(d->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((d->geometry().center() - screen.center()).manhattanLength(), 2);

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const QString number = QStringLiteral("0%1").arg(i + 1);
        const QString ordinal = QString::number(i + 1) + QChar(0xB0);
        const SlotControls s = Slot(*d, i);
        EXPECT_EQ(s.file->objectName(), QStringLiteral("txtFile") + number);
        EXPECT_EQ(s.desc->objectName(), QStringLiteral("txtDesc") + number);
        EXPECT_EQ(s.clear->objectName(), QStringLiteral("imgCancella") + number);
        EXPECT_EQ(s.browse->objectName(), QStringLiteral("btnSfoglia") + number);
        EXPECT_EQ(s.open->objectName(), QStringLiteral("btnApri") + number);
        EXPECT_TRUE(s.file->isReadOnly());
        EXPECT_TRUE(s.file->font().bold());
        EXPECT_FALSE(s.desc->isReadOnly());
        EXPECT_EQ(s.desc->MaxLength(), 0);
        EXPECT_EQ(s.browse->text(), QStringLiteral("Sfoglia..."));
        EXPECT_EQ(s.open->text(), QStringLiteral("Apri"));
        EXPECT_FALSE(s.open->isEnabled());
        EXPECT_EQ(s.clear->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(s.clear->pixmap().isNull());
        EXPECT_TRUE(s.clear->isVisible());
        QLabel *nameCaption[] = {d->lblNome01, d->lblNome02, d->lblNome03};
        QLabel *descCaption[] = {d->lblDescrizione01, d->lblDescrizione02, d->lblDescrizione03};
        EXPECT_EQ(nameCaption[i]->text(), QStringLiteral("Nome ") + ordinal + QStringLiteral(" file allegato:"));
        EXPECT_EQ(descCaption[i]->text(),
                  QStringLiteral("Descrizione ") + ordinal + QStringLiteral(" file allegato:"));
    }
    EXPECT_EQ(d->btnApplica->text(), QStringLiteral("Applica e chiudi"));
    EXPECT_EQ(d->btnAnnulla->text(), QStringLiteral("Annulla"));
    EXPECT_TRUE(d->lblMemory->isHidden());
    EXPECT_FALSE(d->imgBanner->pixmap().isNull());
}

TEST_F(AttachmentsTest, OpenerHandsTheCardsTrimmedAttachmentsToANewOwnedDialog) {
    const struct {
        const char *name;
        QStringList card;      // file 1, desc 1, file 2, desc 2, file 3, desc 3
        QStringList expected;  // as the dialog shows them
        bool open[3];          // "Apri" enabled
    } cases[] = {
        {"three empty slots", {"", "", "", "", "", ""}, {"", "", "", "", "", ""}, {false, false, false}},
        {"filled slots trimmed",
         {"  Libretto.pdf ", " fronte e retro\t", "Polizza.pdf", "", "   ", " solo descrizione "},
         {"Libretto.pdf", "fronte e retro", "Polizza.pdf", "", "", "solo descrizione"},
         {true, true, false}},
        {"only the last slot", {"", "", "", "", "Perizia.pdf", "danni"}, {"", "", "", "", "Perizia.pdf", "danni"},
         {false, false, true}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetCard(c.card);
        QPointer<TfrmAllegaCartella> seen;
        modals.Expect<TfrmAllegaCartella>([&](TfrmAllegaCartella &d) {
            seen = &d;
            EXPECT_NE(&d, frmAllegaCartella);
            EXPECT_EQ(d.parentWidget(), frmFlotta);
            EXPECT_TRUE(d.IsModal());
            EXPECT_EQ(d.lblMemory->text(), QStringLiteral("flotta"));
            const QStringList shown = {d.txtFile01->text(), d.txtDesc01->text(), d.txtFile02->text(),
                                       d.txtDesc02->text(), d.txtFile03->text(), d.txtDesc03->text()};
            EXPECT_EQ(shown, c.expected);
            for (int i = 0; i < 3; ++i) EXPECT_EQ(Slot(d, i).open->isEnabled(), c.open[i]) << i + 1;
            Click(d.btnAnnulla);
            EXPECT_FALSE(d.isVisible());
        });
        OpenAttachments(frmFlotta, QStringLiteral("flotta"), FlottaLabels());
        modals.Verify();
        EXPECT_TRUE(seen.isNull()) << "the dialog is destroyed when it returns";
        EXPECT_EQ(CardTexts(), c.card);
    }
}

TEST_F(AttachmentsTest, ApplyWritesTheSixValuesTrimmedIntoTheCardAndCloses) {
    SetCard({"Libretto.pdf", "fronte", "Polizza.pdf", "RCA 2026", "Perizia.pdf", "danni"});
    const QString chosen = Source(QStringLiteral("scansioni/Collaudo.pdf"), "collaudo");
    modals.Expect<TfrmAllegaCartella>([&](TfrmAllegaCartella &d) {
        d.txtDesc01->setText(QStringLiteral("  fronte e retro  "));
        Click(d.imgCancella02);
        Browse(d, 2, chosen);
        d.txtDesc03->setText(QStringLiteral(" \t "));
        Click(d.btnApplica);
        EXPECT_FALSE(d.isVisible());
    });
    OpenAttachments(frmFlotta, QStringLiteral("flotta"), FlottaLabels());
    EXPECT_EQ(CardTexts(), (QStringList{"Libretto.pdf", "fronte e retro", "", "RCA 2026", "Collaudo.pdf", ""}));
    EXPECT_EQ(Stored(QStringLiteral("Collaudo.pdf")), QByteArray("collaudo"));
}

TEST_F(AttachmentsTest, AnnullaWritesNothingButTheCopiedDocumentStays) {
    const QStringList card = {"Libretto.pdf", "fronte", "", "", "", "note"};
    SetCard(card);
    const QString chosen = Source(QStringLiteral("Polizza.pdf"), "polizza");
    modals.Expect<TfrmAllegaCartella>([&](TfrmAllegaCartella &d) {
        Browse(d, 1, chosen);
        EXPECT_EQ(d.txtFile02->text(), QStringLiteral("Polizza.pdf"));
        d.txtDesc02->setText(QStringLiteral("RCA"));
        Click(d.imgCancella01);
        Click(d.btnAnnulla);
    });
    OpenAttachments(frmFlotta, QStringLiteral("flotta"), FlottaLabels());
    EXPECT_EQ(CardTexts(), card);
    EXPECT_EQ(Stored(QStringLiteral("Polizza.pdf")), QByteArray("polizza"));
}

TEST_F(AttachmentsTest, OnlyTheExactTagOfACardWithLabelsReceivesTheValues) {
    const QStringList card = {"a.pdf", "b", "c.pdf", "d", "e.pdf", "f"};
    // Unknown tags, the right word in another case, and the booking card,
    // which keeps no attachments: nothing written, the dialog stays.
    const char *ignored[] = {"", "Flotta", "FLOTTA", "flotte", "prenotazioni", "Clienti", "contrattiNSC"};
    for (const char *tag : ignored) {
        SCOPED_TRACE(tag);
        SetCard(card);
        auto d = ShowDialog(QString::fromUtf8(tag));
        d->txtFile01->setText(QStringLiteral("nuovo.pdf"));
        d->txtDesc02->setText(QStringLiteral("nuova"));
        Click(d->btnApplica);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(CardTexts(), card);
        Click(d->btnAnnulla);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(CardTexts(), card);
    }
    // The tag is trimmed before it is compared.
    SetCard(card);
    auto d = ShowDialog(QStringLiteral(" flotta\t"));
    Click(d->btnApplica);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(CardTexts(), (QStringList{"", "", "", "", "", ""}));
}

TEST_F(AttachmentsTest, CancellingTheFileDialogChangesNothing) {
    for (const QString &previous : {QString(), QStringLiteral("vecchio.pdf")}) {
        for (int slot = 0; slot < 3; ++slot) {
            SCOPED_TRACE(QStringLiteral("slot %1, previous \"%2\"").arg(slot + 1).arg(previous).toStdString());
            auto d = ShowDialog();
            Slot(*d, slot).file->setText(previous);
            Slot(*d, slot).desc->setText(QStringLiteral("descrizione"));
            files.calls.clear();
            Click(Slot(*d, slot).browse);  // no answer queued: the user cancels
            ASSERT_EQ(files.calls.size(), 1);
            EXPECT_EQ(files.calls[0].title, QStringLiteral("Selezionare il file da allegare:"));
            // Shown as "Tutti i file (*.*)"; its pattern is every file.
            EXPECT_EQ(files.calls[0].filter, QStringLiteral("Tutti i file (*.*) (*)"));
            EXPECT_EQ(Slot(*d, slot).file->text(), previous);
            EXPECT_EQ(Slot(*d, slot).desc->text(), QStringLiteral("descrizione"));
            EXPECT_EQ(Slot(*d, slot).open->isEnabled(), !previous.isEmpty());
            EXPECT_FALSE(folder.Exists(kFolder));
        }
    }
}

TEST_F(AttachmentsTest, NewNameIsCopiedWithoutAQuestion) {
    QByteArray large(3 * 1024 * 1024 + 17, '\0');
    for (int i = 0; i < large.size(); ++i) large[i] = char((i * 7 + i / 4096) & 0xFF);
    const struct {
        const char *path;
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"Fattura 12.pdf", "Fattura 12.pdf", "%PDF-1.4 fattura"},
        {"scansioni/2026/libretto.jpg", "libretto.jpg", large},
        {"vuoto.txt", "vuoto.txt", QByteArray()},
    };
    auto d = ShowDialog();
    Slot(*d, 1).file->setText(QStringLiteral("precedente.pdf"));
    for (int slot = 0; slot < 3; ++slot) {
        const auto &c = cases[slot];
        SCOPED_TRACE(c.path);
        Browse(*d, slot, Source(QString::fromUtf8(c.path), c.bytes));
        EXPECT_EQ(Slot(*d, slot).file->text(), QString::fromUtf8(c.name));
        EXPECT_TRUE(Slot(*d, slot).open->isEnabled());
        EXPECT_TRUE(folder.Exists(kFolder + u'/' + QString::fromUtf8(c.name)));
        EXPECT_EQ(Stored(QString::fromUtf8(c.name)), c.bytes);
    }
    EXPECT_EQ(folder.Entries(kFolder), (QStringList{"Fattura 12.pdf", "libretto.jpg", "vuoto.txt"}));
}

TEST_F(AttachmentsTest, TheFolderIsCreatedWithItsMissingParents) {
    SetProgramFolder(folder.Path(QStringLiteral("Programmi/Velmora")));
    auto d = ShowDialog();
    Browse(*d, 0, Source(QStringLiteral("contratto.pdf"), "contratto"));
    EXPECT_EQ(d->txtFile01->text(), QStringLiteral("contratto.pdf"));
    EXPECT_EQ(folder.Read(QStringLiteral("Programmi/Velmora/Documenti_Allegati/contratto.pdf")),
              QByteArray("contratto"));
}

TEST_F(AttachmentsTest, AStoredNameAsksBeforeItIsReplaced) {
    const struct {
        MsgButton answer;
        QByteArray stored;
    } cases[] = {{MsgButton::Yes, "seconda versione"}, {MsgButton::No, "prima versione"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer == MsgButton::Yes ? "Yes" : "No");
        QDir(folder.Path(kFolder)).removeRecursively();
        auto d = ShowDialog();
        // Same bare name from two folders: only one document can be stored.
        Browse(*d, 0, Source(QStringLiteral("cliente A/contratto.pdf"), "prima versione"));
        EXPECT_EQ(Stored(QStringLiteral("contratto.pdf")), QByteArray("prima versione"));
        d->txtFile02->setText(QStringLiteral("precedente.pdf"));
        messages.Expect(MsgKind::Confirmation, kSameName, c.answer);
        Browse(*d, 1, Source(QStringLiteral("cliente B/contratto.pdf"), "seconda versione"));
        messages.Verify();
        EXPECT_EQ(d->txtFile01->text(), QStringLiteral("contratto.pdf"));
        EXPECT_EQ(d->txtFile02->text(), QStringLiteral("contratto.pdf"));
        EXPECT_TRUE(d->btnApri02->isEnabled());
        EXPECT_EQ(Stored(QStringLiteral("contratto.pdf")), c.stored);
        EXPECT_EQ(folder.Entries(kFolder), QStringList{"contratto.pdf"});
    }
}

TEST_F(AttachmentsTest, ADocumentOfTheFolderItselfIsNeverCopiedOntoItself) {
    const QByteArray content("perizia originale, unica copia");
    // The same document reached through a link to the folder.
    QFile::link(folder.Path(kFolder), elsewhere.path() + QStringLiteral("/collegamento"));
    const struct {
        MsgButton answer;
        QString path;
    } cases[] = {
        {MsgButton::Yes, folder.Path(QStringLiteral("Documenti_Allegati/perizia.pdf"))},
        {MsgButton::No, folder.Path(QStringLiteral("Documenti_Allegati/perizia.pdf"))},
        {MsgButton::Yes, folder.Path(QStringLiteral("Documenti_Allegati/../Documenti_Allegati/./perizia.pdf"))},
        {MsgButton::Yes, elsewhere.path() + QStringLiteral("/collegamento/perizia.pdf")},
    };
    // The file's identity on disk: a copy, even one renamed into place over the
    // original, is another file.
    const auto identity = [&] {
        struct stat info {};
        if (stat(QFile::encodeName(folder.Path(kFolder + QStringLiteral("/perizia.pdf"))).constData(), &info) != 0)
            return std::pair<dev_t, ino_t>{};
        return std::pair{info.st_dev, info.st_ino};
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        Store(QStringLiteral("perizia.pdf"), content);
        const auto before = identity();
        auto d = ShowDialog();
        d->txtFile03->setText(QStringLiteral("precedente.pdf"));
        messages.Expect(MsgKind::Confirmation, kSameName, c.answer);
        Browse(*d, 2, c.path);
        messages.Verify();
        EXPECT_EQ(d->txtFile03->text(), QStringLiteral("perizia.pdf"));
        EXPECT_EQ(Stored(QStringLiteral("perizia.pdf")), content);
        EXPECT_EQ(identity(), before);
        EXPECT_EQ(folder.Entries(kFolder), QStringList{"perizia.pdf"});
    }
}

TEST_F(AttachmentsTest, AFailedCopyIsReportedAndTheSlotKeepsItsPreviousName) {
    const QString name = QStringLiteral("nuovo.pdf");
    const QByteArray old("documento gia' allegato");
    QByteArray big(64 * 1024, 'x');
    const struct {
        const char *name;
        std::function<QString()> prepare;  // the chosen path
        bool asks;                         // a document of that name is already stored
        bool limitWrites;
    } cases[] = {
        {"source no longer exists",
         [&] { return elsewhere.path() + QStringLiteral("/sparito/") + name; }, false, false},
        {"a file stands at the folder's name",
         [&] {
             folder.Write(kFolder, "non una cartella");
             return Source(name, "nuovo");
         },
         false, false},
        {"a folder stands at the target's name",
         [&] {
             QDir().mkpath(folder.Path(kFolder + u'/' + name));
             return Source(name, "nuovo");
         },
         true, false},
        {"the copy fails half way",
         [&] {
             Store(name, old);
             return Source(name, big);
         },
         true, true},
    };
    for (const auto &c : cases) {
        for (const QString &previous : {QStringLiteral("precedente.pdf"), QString()}) {
            SCOPED_TRACE(QStringLiteral("%1, previous \"%2\"").arg(QString::fromUtf8(c.name), previous).toStdString());
            const QString chosen = c.prepare();
            auto d = ShowDialog();
            d->txtFile01->setText(previous);
            d->txtDesc01->setText(QStringLiteral("descrizione"));
            if (c.asks) messages.Expect(MsgKind::Confirmation, kSameName, MsgButton::Yes);
            messages.Expect(MsgKind::Warning, kCopyFailed);
            {
                std::optional<WriteLimit> limit;
                if (c.limitWrites) limit.emplace(4096);
                Browse(*d, 0, chosen);
            }
            messages.Verify();
            EXPECT_EQ(d->txtFile01->text(), previous);
            EXPECT_EQ(d->btnApri01->isEnabled(), !previous.isEmpty());
            EXPECT_EQ(d->txtDesc01->text(), QStringLiteral("descrizione"));
            if (c.limitWrites) {
                // The stored document is whole and no temporary file is left.
                EXPECT_EQ(Stored(name), old);
                EXPECT_EQ(folder.Entries(kFolder), QStringList{name});
            }
        }
        // The next case starts from an empty program folder.
        QFile::remove(folder.Path(kFolder));
        QDir(folder.Path(kFolder)).removeRecursively();
    }
}

// A named pipe chosen as the document would hold the copy forever, waiting
// for a writer: it is a document that cannot be copied.
TEST_F(AttachmentsTest, ANamedPipeChosenIsACopyThatFails) {
    const QString chosen = elsewhere.path() + QStringLiteral("/tubo.pdf");
    PipeTrap pipe(chosen);
    ASSERT_TRUE(pipe.Made());
    auto d = ShowDialog();
    d->txtFile01->setText(QStringLiteral("precedente.pdf"));
    messages.Expect(MsgKind::Warning, kCopyFailed);
    Browse(*d, 0, chosen);
    messages.Verify();
    EXPECT_FALSE(pipe.Opened());
    EXPECT_EQ(d->txtFile01->text(), QStringLiteral("precedente.pdf"));
    EXPECT_TRUE(folder.Entries(kFolder).isEmpty());
}

TEST_F(AttachmentsTest, NamesTheRecordsCannotKeepAreRefused) {
    const struct {
        QString name;
        QString refusal;  // empty: accepted
    } cases[] = {
        {QString(247, u'a') + QStringLiteral(".pdf"), kNameTooLong},
        {QString(246, u'b') + QStringLiteral(".pdf"), QString()},
        {QStringLiteral("Ricevuta \u0141\u00f3d\u017a.pdf"), kNameNotAllowed},
        {QStringLiteral("\u65e5\u672c.pdf"), kNameNotAllowed},
        {QStringLiteral("Preventivo 100\u20ac citt\u00e0.pdf"), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString chosen = Source(c.name, "contenuto");
        auto d = ShowDialog();
        d->txtFile02->setText(QStringLiteral("precedente.pdf"));
        if (!c.refusal.isEmpty()) messages.Expect(MsgKind::Warning, c.refusal);
        Browse(*d, 1, chosen);
        messages.Verify();
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(d->txtFile02->text(), c.name);
            EXPECT_EQ(Stored(c.name), QByteArray("contenuto"));
        } else {
            EXPECT_EQ(d->txtFile02->text(), QStringLiteral("precedente.pdf"));
            EXPECT_FALSE(folder.Exists(kFolder + u'/' + c.name));
        }
    }
}

TEST_F(AttachmentsTest, ClearingASlotEmptiesOnlyItsName) {
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot + 1);
        SetCard({"uno.pdf", "prima", "due.pdf", "seconda", "tre.pdf", "terza"});
        Store(QStringLiteral("due.pdf"), "due");
        auto d = ShowDialog();
        d->txtFile01->setText(QStringLiteral("uno.pdf"));
        d->txtDesc01->setText(QStringLiteral("prima"));
        d->txtFile02->setText(QStringLiteral("due.pdf"));
        d->txtDesc02->setText(QStringLiteral("seconda"));
        d->txtFile03->setText(QStringLiteral("tre.pdf"));
        d->txtDesc03->setText(QStringLiteral("terza"));
        Click(Slot(*d, slot).clear);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Slot(*d, i).file->text().isEmpty(), i == slot) << i + 1;
            EXPECT_EQ(Slot(*d, i).open->isEnabled(), i != slot) << i + 1;
        }
        const char *descriptions[] = {"prima", "seconda", "terza"};
        EXPECT_EQ(Slot(*d, slot).desc->text(), QString::fromUtf8(descriptions[slot]));
        Click(d->btnApplica);
        QStringList expected = {"uno.pdf", "prima", "due.pdf", "seconda", "tre.pdf", "terza"};
        expected[slot * 2] = QString();
        EXPECT_EQ(CardTexts(), expected);
        EXPECT_EQ(Stored(QStringLiteral("due.pdf")), QByteArray("due"));
    }
}

TEST_F(AttachmentsTest, OpenFollowsTheTrimmedNameAndHandsTheQuotedPathToTheShell) {
    auto d = ShowDialog();
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot + 1);
        const SlotControls s = Slot(*d, slot);
        s.file->setText(QStringLiteral("   "));
        EXPECT_FALSE(s.open->isEnabled());
        s.file->setText(QStringLiteral("  Libretto AB123CD %1.pdf ").arg(slot + 1));
        ASSERT_TRUE(s.open->isEnabled());
        shell.opened.clear();
        // The document need not exist: whatever the shell answers is ignored.
        Click(s.open);
        EXPECT_EQ(shell.opened, QStringList{u'"' + ProgramFolder() + QStringLiteral("Documenti_Allegati/") +
                                            QStringLiteral("Libretto AB123CD %1.pdf").arg(slot + 1) + u'"'});
        s.file->clear();
        EXPECT_FALSE(s.open->isEnabled());
    }
}

}  // namespace
}  // namespace vel::test
