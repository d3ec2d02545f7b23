#include <QGroupBox>
#include <memory>

#include "ContractFixture.h"
#include "contracts/Numerazione.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

const QString kTag = QStringLiteral("contrattinsc");
const QString kSettingsFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere al file delle impostazioni Velmora.ini.\n\r\n\rAccertarsi di "
    "possedere i privilegi di scrittura nella cartella di installazione del programma.");

class NumerazioneTest : public ContractTest {
protected:
    // The dialog as the contract card opens it: owned by the card, tagged,
    // shown and active.
    std::unique_ptr<TfrmNumerazione> Open(const QString &tag = kTag) {
        auto dlg = std::make_unique<TfrmNumerazione>(frmContrattiNSC);
        dlg->Create();
        dlg->lblMemory->setText(tag);
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    // The focus leaves the number for the dialog's other button, as a click
    // elsewhere takes it.
    static void Leave(TfrmNumerazione &dlg) {
        dlg.btnAnnulla->setFocus();
        QApplication::processEvents();
    }
    QString Stored() const { return ReadSetting(kNumberingSection, QStringLiteral("Inizio")); }
};

TEST_F(NumerazioneTest, WindowLooksAsDesigned) {
    TfrmNumerazione fresh(frmContrattiNSC);
    fresh.Create();
    EXPECT_EQ(fresh.txtInizio->text(), QStringLiteral("1"));
    EXPECT_FALSE(fresh.effInizio->isVisibleTo(&fresh));

    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmNumerazione"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Impostazione inizio numerazione"));
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
    EXPECT_EQ(dlg->grpNumerazione->title(), QStringLiteral(" Inizia numerazione da: "));
    EXPECT_EQ(dlg->txtInizio->parentWidget(), dlg->grpNumerazione);
    EXPECT_EQ(dlg->txtInizio->MaxLength(), 5);
    EXPECT_TRUE(dlg->txtInizio->font().bold());
    EXPECT_TRUE(dlg->txtInizio->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(dlg->btnApplica->text(), QStringLiteral("Applica e chiudi"));
    EXPECT_EQ(dlg->btnAnnulla->text(), QStringLiteral("Annulla"));
    EXPECT_FALSE(dlg->lblMemory->isVisible());
    for (QLabel *picture : {dlg->imgNumerazione, dlg->imgCalendario, dlg->imgMano}) {
        EXPECT_TRUE(picture->isVisible()) << picture->objectName().toStdString();
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
    }
    // Shown: the number has the focus and its frame.
    EXPECT_EQ(Focused(), dlg->txtInizio);
    EXPECT_TRUE(dlg->effInizio->isVisible());
    // Centred on the card that opened it.
    EXPECT_LE((dlg->frameGeometry().center() - frmContrattiNSC->frameGeometry().center()).manhattanLength(), 2);
}

// Showing reads "Inizio" as stored; only a blank becomes "1", and showing
// writes nothing.
TEST_F(NumerazioneTest, ShowsTheStoredFirstNumber) {
    const struct {
        const char *label;
        const char *stored;  // nullptr: no file at all
        const char *shown;
    } cases[] = {
        {"no settings file", nullptr, "1"},
        {"the key missing", "", "1"},
        {"a blank value", "   ", "1"},
        {"zero", "0", "0"},
        {"a number", "120", "120"},
        {"leading zeros as stored", "00120", "00120"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        QFile::remove(folder.Path(kSettingsFile));
        if (c.stored) {
            WriteSetting(kDefaultsSection, QStringLiteral("Ditta"), QStringLiteral("Autonoleggi Rossi"));
            if (*c.stored) WriteNumberingStart(QString::fromLatin1(c.stored));
        }
        const QByteArray before = folder.Exists(kSettingsFile) ? folder.Read(kSettingsFile) : QByteArray();
        auto dlg = Open();
        EXPECT_EQ(dlg->txtInizio->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(folder.Exists(kSettingsFile), c.stored != nullptr);
        if (c.stored) {
            EXPECT_EQ(folder.Read(kSettingsFile), before);
        }
    }
    EXPECT_TRUE(messages.Shown().empty());
}

// Opened with any tag but the card's own, the dialog neither reads nor writes
// the settings file.
TEST_F(NumerazioneTest, AnotherTagShowsOneAndWritesNothing) {
    WriteNumberingStart(QStringLiteral("250"));
    const QByteArray before = folder.Read(kSettingsFile);
    for (const QString &tag : {QStringLiteral("lblMemory"), QStringLiteral("CONTRATTINSC"), QStringLiteral("flotta"),
                               QString()}) {
        SCOPED_TRACE(tag.toStdString());
        auto dlg = Open(tag);
        EXPECT_EQ(dlg->txtInizio->text(), QStringLiteral("1"));
        Type(dlg->txtInizio, QStringLiteral("7"));
        Click(dlg->btnApplica);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(folder.Read(kSettingsFile), before);
    }
    // Blanks around the card's tag do not count.
    auto dlg = Open(QStringLiteral(" contrattinsc  "));
    EXPECT_EQ(dlg->txtInizio->text(), QStringLiteral("250"));
}

// The number shown is selected when the dialog opens, so that the number the
// user types replaces it: with the caret before it, typing 120 over "1"
// would store 1201 (and over a five-digit number nothing at all).
TEST_F(NumerazioneTest, ANumberTypedReplacesTheShownOne) {
    const struct {
        const char *stored;  // nullptr: no settings file
        const char *typed;
    } cases[] = {{nullptr, "120"}, {"12345", "7"}, {"250", "00300"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        QFile::remove(folder.Path(kSettingsFile));
        if (c.stored) WriteNumberingStart(QString::fromLatin1(c.stored));
        auto dlg = Open();
        ASSERT_EQ(Focused(), dlg->txtInizio);
        Type(dlg->txtInizio, QString::fromLatin1(c.typed));
        EXPECT_EQ(dlg->txtInizio->text(), QString::fromLatin1(c.typed));
        Press(dlg->txtInizio, Qt::Key_Return);
        Press(dlg->btnApplica, Qt::Key_Return);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(Stored(), QString::number(QString::fromLatin1(c.typed).toInt()));
    }
    EXPECT_TRUE(messages.Shown().empty());
}

// Digits, Backspace, Delete, Left and Right pass; every other key is refused;
// five digits at most; Enter moves on to the button without pressing it.
TEST_F(NumerazioneTest, OnlyDigitsCanBeTyped) {
    auto dlg = Open();
    Edit *edit = dlg->txtInizio;
    edit->selectAll();
    Type(edit, QStringLiteral("1a,.-+ 2e"));
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    Press(edit, Qt::Key_Left);
    Type(edit, QStringLiteral("0"));
    EXPECT_EQ(edit->text(), QStringLiteral("102"));
    Press(edit, Qt::Key_Right);
    Type(edit, QStringLiteral("3456"));
    EXPECT_EQ(edit->text(), QStringLiteral("10234"));
    Press(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("1023"));
    Press(edit, Qt::Key_Home);
    Press(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), QStringLiteral("1023"));  // Home stayed put: the caret is still at the end
    Press(edit, Qt::Key_Up);
    Press(edit, Qt::Key_Tab);
    EXPECT_EQ(Focused(), edit);
    Press(edit, Qt::Key_Return);
    EXPECT_EQ(Focused(), dlg->btnApplica);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(folder.Exists(kSettingsFile));
    EXPECT_FALSE(dlg->effInizio->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("1023"));
}

// Leaving the number writes it back as a whole number in plain digits; a
// text that is no number (only a paste can bring one) becomes "1".
TEST_F(NumerazioneTest, LeavingTheNumberNormalisesIt) {
    const struct {
        const char *text;
        const char *kept;
    } cases[] = {
        {"", "1"},        {"   ", "1"},     {"00120", "120"}, {"007", "7"},    {"0", "0"},   {"00000", "0"},
        {" 42 ", "42"},   {"12,5", "13"},   {"12,4", "12"},   {"abc", "1"},    {"1e3", "1000"}, {"-2", "-2"},
        {"9e99", "1"},    {"12a", "1"},
    };
    auto dlg = Open();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        dlg->txtInizio->setFocus();
        dlg->txtInizio->setText(QString::fromLatin1(c.text));
        Leave(*dlg);
        EXPECT_EQ(dlg->txtInizio->text(), QString::fromLatin1(c.kept));
        EXPECT_FALSE(dlg->effInizio->isVisible());
    }
    EXPECT_FALSE(folder.Exists(kSettingsFile));
    EXPECT_TRUE(messages.Shown().empty());
}

// "Applica e chiudi" stores the number at once (the file is created when
// missing, every other line kept) and closes.
TEST_F(NumerazioneTest, ApplyStoresTheNumberAndCloses) {
    {
        auto dlg = Open();
        Click(dlg->btnApplica);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(folder.Read(kSettingsFile), QByteArray("[Numerazione Contratti NSC]\r\nInizio=1\r\n"));
    }
    WriteCompanyDefaults({{"Ditta", QStringLiteral("Autonoleggi Rossi")}, {"Foro", QStringLiteral("Roma")}});
    auto dlg = Open();
    dlg->txtInizio->selectAll();
    Type(dlg->txtInizio, QStringLiteral("00120"));
    Click(dlg->btnApplica);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Stored(), QStringLiteral("120"));
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Ditta")), QStringLiteral("Autonoleggi Rossi"));
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Foro")), QStringLiteral("Roma"));
    EXPECT_TRUE(messages.Shown().empty());

    // Enter on the focused button presses it.
    auto again = Open();
    EXPECT_EQ(again->txtInizio->text(), QStringLiteral("120"));
    again->txtInizio->selectAll();
    Type(again->txtInizio, QStringLiteral("0"));
    Press(again->txtInizio, Qt::Key_Return);
    Press(again->btnApplica, Qt::Key_Return);
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(Stored(), QStringLiteral("0"));
}

TEST_F(NumerazioneTest, CancelLeavesTheSettingsFileUntouched) {
    for (bool withFile : {false, true}) {
        SCOPED_TRACE(withFile);
        if (withFile) WriteNumberingStart(QStringLiteral("5"));
        const QByteArray before = withFile ? folder.Read(kSettingsFile) : QByteArray();
        auto dlg = Open();
        dlg->txtInizio->selectAll();
        Type(dlg->txtInizio, QStringLiteral("77"));
        Leave(*dlg);
        Click(dlg->btnAnnulla);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(folder.Exists(kSettingsFile), withFile);
        if (withFile) {
            EXPECT_EQ(folder.Read(kSettingsFile), before);
        }
    }
}

// A settings file that is there but cannot be read does not pass for a
// missing one, and a write that fails is said: the number in force stays as
// it was and the dialog stays open to try again or give up.
TEST_F(NumerazioneTest, SettingsThatCannotBeReadOrWrittenAreReported) {
    folder.Block(kSettingsFile);
    messages.Expect(MsgKind::Error, kSettingsFailure);
    auto blocked = Open();
    messages.Verify();
    EXPECT_EQ(blocked->txtInizio->text(), QStringLiteral("1"));
    messages.Expect(MsgKind::Error, kSettingsFailure);
    Click(blocked->btnApplica);
    messages.Verify();
    EXPECT_TRUE(blocked->isVisible());
    EXPECT_TRUE(QFileInfo(folder.Path(kSettingsFile)).isDir());
    Click(blocked->btnAnnulla);
    EXPECT_FALSE(blocked->isVisible());

    QDir(folder.Path(QString())).rmdir(kSettingsFile);
    WriteNumberingStart(QStringLiteral("40"));
    const QByteArray before = folder.Read(kSettingsFile);
    auto dlg = Open();
    dlg->txtInizio->selectAll();
    Type(dlg->txtInizio, QStringLiteral("90"));
    {
        WriteLimit noRoom(10);
        messages.Expect(MsgKind::Error, kSettingsFailure);
        Click(dlg->btnApplica);
    }
    messages.Verify();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(folder.Read(kSettingsFile), before);
    EXPECT_EQ(dlg->txtInizio->text(), QStringLiteral("90"));
    Click(dlg->btnApplica);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Stored(), QStringLiteral("90"));
}

// The card's opener: modal, destroyed on return, the value read anew each time.
TEST_F(NumerazioneTest, EachOpeningStartsAfresh) {
    WriteNumberingStart(QStringLiteral("300"));
    modals.Expect<TfrmNumerazione>([](TfrmNumerazione &d) {
        ShowActive(&d);
        EXPECT_EQ(d.txtInizio->text(), QStringLiteral("300"));
        d.txtInizio->selectAll();
        Type(d.txtInizio, QStringLiteral("301"));
        Click(d.btnApplica);
    });
    modals.Expect<TfrmNumerazione>([](TfrmNumerazione &d) {
        ShowActive(&d);
        EXPECT_EQ(d.txtInizio->text(), QStringLiteral("301"));
        Click(d.btnAnnulla);
    });
    for (int i = 0; i < 2; ++i) {
        TfrmNumerazione dlg(frmContrattiNSC);
        dlg.Create();
        dlg.lblMemory->setText(kTag);
        dlg.ShowModal();
        EXPECT_FALSE(dlg.isVisible());
    }
    modals.Verify();
    EXPECT_EQ(Stored(), QStringLiteral("301"));
}

}  // namespace
}  // namespace vel::test
