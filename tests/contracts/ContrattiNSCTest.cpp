// The contract card's own life: the year panel, the company defaults in
// "Velmora.ini", "Nuovo" with its number, the save checks that are its own,
// the loads of other windows, the close, the hints and the looks.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "contracts/ContractFixture.h"
#include "contracts/Numerazione.h"
#include "shell/Avvio.h"
#include "support/PipeTrap.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

const QString kCaption = QStringLiteral(" Velmora - Contratti di autonoleggio senza conducente");
const QString kDateMissing = QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\r"
                                            "Per poter salvare la scheda \u00e8 necessario indicare una data "
                                            "valida nel formato gg/mm/anno.");

using ContrattiNSCTest = ContractCardTest;

// ---- the year panel ----------------------------------------------------------------

TEST_F(ContrattiNSCTest, ShowingOffersTheCurrentYearOnTheYearPanel) {
    EXPECT_EQ(card->Caption(), kCaption);
    EXPECT_TRUE(card->panAvvio->isVisible());
    EXPECT_FALSE(card->panContainer->isVisible());
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2026"));
    EXPECT_EQ(Focused(), card->txtAnno);
    EXPECT_EQ(card->lblIstruzioni->text(), QStringLiteral("Indicare l'anno solare e premere Apri."));
    EXPECT_EQ(card->btnApri->text(), QStringLiteral("Apri"));
    EXPECT_EQ(card->txtAnno->MaxLength(), 4);
    // Enter goes on to "Apri" without pressing it.
    Press(card->txtAnno, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->btnApri);
    EXPECT_TRUE(card->panAvvio->isVisible());
    // Enter on the focused "Apri" presses it.
    Press(card->btnApri, Qt::Key_Return);
    EXPECT_TRUE(card->panContainer->isVisible());
    EXPECT_EQ(card->Caption(), kCaption + QStringLiteral(" anno 2026"));
}

// The proposed year fills the edit: unless it is selected, the digits typed
// would be refused and "Apri" would open the proposed year instead.
TEST_F(ContrattiNSCTest, AYearTypedReplacesTheProposedOne) {
    ASSERT_EQ(Focused(), card->txtAnno);
    Type(card->txtAnno, QStringLiteral("2025"));
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2025"));
    // The same after the four-digit warning has put the focus back.
    card->txtAnno->setText(QStringLiteral("202"));
    card->btnApri->setFocus();
    messages.Expect(MsgKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    Click(card->btnApri);
    messages.Verify();
    ASSERT_EQ(Focused(), card->txtAnno);
    Type(card->txtAnno, QStringLiteral("2024"));
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2024"));
    // And when the card is shown again after a close.
    Press(card->txtAnno, Qt::Key_Return);
    Press(card->btnApri, Qt::Key_Return);
    ASSERT_TRUE(card->panContainer->isVisible());
    card->Close();
    card->Show();
    ShowActive(card);
    ASSERT_EQ(Focused(), card->txtAnno);
    Type(card->txtAnno, QStringLiteral("2023"));
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2023"));
}

TEST_F(ContrattiNSCTest, ApriTakesFourDigitsOnly) {
    const QString warning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
    for (const char *year : {"202", "", "20a6"}) {
        SCOPED_TRACE(year);
        card->txtAnno->setText(QString::fromLatin1(year));
        card->btnApri->setFocus();
        messages.Expect(MsgKind::Warning, warning);
        Click(card->btnApri);
        messages.Verify();
        EXPECT_EQ(Focused(), card->txtAnno);
        EXPECT_FALSE(card->panContainer->isVisible());
        EXPECT_EQ(card->Caption(), kCaption);
    }
    // A paste that is not all digits is refused whole.
    card->txtAnno->setText(QStringLiteral("2026"));
    card->txtAnno->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("20x5"));
    card->txtAnno->paste();
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2026"));
}

TEST_F(ContrattiNSCTest, ApriOpensTheYearWithoutTouchingItsArchive) {
    card->txtDitta->setText(QStringLiteral("Ditta dal file"));
    OpenYear(2025);
    EXPECT_EQ(card->lblFile->text(), ProgramPath(QStringLiteral("2025.nsc")));
    EXPECT_EQ(card->Caption(), kCaption + QStringLiteral(" anno 2025"));
    EXPECT_FALSE(card->panAvvio->isVisible());
    EXPECT_TRUE(card->panContainer->isVisible());
    EXPECT_FALSE(folder.Exists(QStringLiteral("2025.nsc")));
    EXPECT_EQ(Focused(), card->txtCliente);
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("0,00"));
    EXPECT_EQ(card->txtDitta->text(), QStringLiteral("Ditta dal file"));
    // Shown again, the card starts on the year panel with a cleared card.
    card->txtCliente->setText(QStringLiteral("Bianchi"));
    card->lblPosizione->setText(QStringLiteral("4"));
    card->Close();
    card->Show();
    EXPECT_TRUE(card->panAvvio->isVisible());
    EXPECT_FALSE(card->panContainer->isVisible());
    EXPECT_EQ(card->txtCliente->text(), QString());
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_EQ(card->Caption(), kCaption);
}

// ---- the company defaults ------------------------------------------------------------

TEST_F(ContrattiNSCTest, ShowReadsTheCompanyDefaultsAndCloseWritesThemBack) {
    card->Close();
    WriteCompanyDefaults({{"Ditta", U("Autonoleggi Ros\u00ec & C.")},
                          {"Luogo", QStringLiteral("Roma")},
                          {"Sede Ritiro", QStringLiteral("Via Appia 1")},
                          {"Sede Riconsegna", QStringLiteral("Via Appia 2")},
                          {"Foro", QStringLiteral("Tribunale di Roma")},
                          {"Polizze", QStringLiteral("RC e Kasko")},
                          {"Titolare Privacy", QStringLiteral("Mario Rossi")}});
    card->Show();
    EXPECT_EQ(Defaults(), (QStringList{U("Autonoleggi Ros\u00ec & C."), "Roma", "Via Appia 1", "Via Appia 2",
                                       "Tribunale di Roma", "RC e Kasko", "Mario Rossi"}));
    OpenYear();
    NewContract();
    EXPECT_EQ(Defaults()[0], U("Autonoleggi Ros\u00ec & C."));

    // Whatever the card shows is written back, trimmed, when it closes.
    card->txtDitta->setText(QStringLiteral("  Nuova Ditta  "));
    card->txtPrivacy->setText(QString());
    card->Close();
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Ditta")), QStringLiteral("Nuova Ditta"));
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Titolare Privacy")), QString());
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Polizze")), QStringLiteral("RC e Kasko"));
    const QByteArray ini = folder.Read(kSettingsFile);
    EXPECT_TRUE(ini.contains("Ditta=Nuova Ditta\r\n"));
    EXPECT_TRUE(ini.contains("[Contratti NSC]\r\n"));
}

TEST_F(ContrattiNSCTest, ALoadedContractsFirmDataBecomeTheDefaults) {
    WriteContracts({FullContract(QStringLiteral("A"))});
    OpenYear();
    Click(card->cmdUltimo);
    // "Nuovo" after the load keeps the loaded firm data.
    NewContract();
    EXPECT_EQ(card->txtDitta->text(), QStringLiteral("DittaA"));
    EXPECT_EQ(card->txtForo->text(), QStringLiteral("ForoA"));
    card->Close();
    for (size_t i = 0; i < std::size(kDefaultKeyNames); ++i)
        EXPECT_EQ(ReadSetting(kDefaultsSection, QString::fromLatin1(kDefaultKeyNames[i])),
                  QStringList({"DittaA", "LuogoA", "SedeRitA", "SedeRicA", "ForoA", "AssicurazioniA", "PrivacyA"})
                      .at(int(i)));
    card->Show();
    EXPECT_EQ(Defaults(),
              (QStringList{"DittaA", "LuogoA", "SedeRitA", "SedeRicA", "ForoA", "AssicurazioniA", "PrivacyA"}));
}

TEST_F(ContrattiNSCTest, BothExitsCloseTheCard) {
    Click(card->imgEsci);
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Ditta")), QString());
    card->Show();
    ShowActive(card);
    OpenYear();
    card->txtLuogo->setText(QStringLiteral("Napoli"));
    Click(card->cmdEsci);
    EXPECT_FALSE(card->isVisible());
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Luogo")), QStringLiteral("Napoli"));
}

// A settings file that exists but cannot be read is never written over with
// blanks: the close says once that the defaults could not be kept.
TEST_F(ContrattiNSCTest, UnreadableSettingsAreNotOverwritten) {
    card->Close();
    QFile::remove(folder.Path(kSettingsFile));  // the close just wrote it
    folder.Block(kSettingsFile);
    card->Show();
    EXPECT_EQ(Defaults(), QStringList(7, QString()));
    OpenYear();
    card->txtDitta->setText(QStringLiteral("Ditta digitata"));
    messages.Expect(MsgKind::Error, SettingsFailureMessage());
    card->Close();
    messages.Verify();
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_TRUE(QFileInfo(folder.Path(kSettingsFile)).isDir());
}

// The same file readable again at the next show, yet the show before failed:
// the stored defaults stay, and nothing blank reaches them.
TEST_F(ContrattiNSCTest, DefaultsUnreadAtShowAreNotWrittenAtClose) {
    card->Close();
    QFile::remove(folder.Path(kSettingsFile));  // the close just wrote it
    WriteCompanyDefaults({{"Ditta", QStringLiteral("Ditta salvata")}});
    QFile::rename(folder.Path(kSettingsFile), folder.Path(QStringLiteral("saved.ini")));
    folder.Block(kSettingsFile);
    card->Show();
    QDir().rmdir(folder.Path(kSettingsFile));
    QFile::rename(folder.Path(QStringLiteral("saved.ini")), folder.Path(kSettingsFile));
    messages.Expect(MsgKind::Error, SettingsFailureMessage());
    card->Close();
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Ditta")), QStringLiteral("Ditta salvata"));
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("Luogo")), QStringLiteral("<missing>"));
}

// A settings file saved by another editor, in UTF-8 with or without a mark,
// or in UTF-16: the card shows the firm as written, "Nuovo" keeps it, and the
// close leaves the file in its encoding, every line it does not own as it was.
TEST_F(ContrattiNSCTest, SettingsInAnyEncodingAreShownAndKeptInIt) {
    const QString before = U("; impostazioni\n[Contratti NSC]\nDitta=Citt\u00e0 Noleggi\nLuogo=Forl\u00ec\n"
                             "[Altro]\nNome=\u0141\u00f3d\u017a \u20ac\n");
    const QString after = U("; impostazioni\n[Contratti NSC]\nDitta=Citt\u00e0 Noleggi\nLuogo=Forl\u00ec\n"
                            "Sede Ritiro=\nSede Riconsegna=\nForo=\nPolizze=\nTitolare Privacy=\n"
                            "[Altro]\nNome=\u0141\u00f3d\u017a \u20ac\n");
    const auto crlf = [](QString text) { return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n")); };
    const auto utf16 = [](const QString &text) {
        QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
        return QByteArray(encoder(text));
    };
    const struct {
        const char *label;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"UTF-8 without a mark", before.toUtf8(), after.toUtf8()},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + crlf(before).toUtf8(), "\xEF\xBB\xBF" + crlf(after).toUtf8()},
        {"UTF-16 with a mark", utf16(crlf(before)), utf16(crlf(after))},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        card->Close();
        folder.Write(kSettingsFile, c.before);
        card->Show();
        EXPECT_EQ(card->txtDitta->text(), U("Citt\u00e0 Noleggi"));
        EXPECT_EQ(card->txtLuogo->text(), U("Forl\u00ec"));
        OpenYear();
        NewContract();
        EXPECT_EQ(card->txtDitta->text(), U("Citt\u00e0 Noleggi"));
        card->Close();
        EXPECT_EQ(folder.Read(kSettingsFile), c.after);
        card->Show();
    }
}

TEST_F(ContrattiNSCTest, AFailedSettingsWriteIsToldOnceAndTheCardCloses) {
    WriteCompanyDefaults({{"Ditta", QStringLiteral("Ditta salvata")}});
    const QByteArray before = folder.Read(kSettingsFile);
    OpenYear();
    card->txtDitta->setText(QStringLiteral("Altra"));
    messages.Expect(MsgKind::Error, SettingsFailureMessage());
    {
        WriteLimit full(10);
        card->Close();
    }
    messages.Verify();
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_EQ(folder.Read(kSettingsFile), before);
}

// ---- "Nuovo" ------------------------------------------------------------------------------

TEST_F(ContrattiNSCTest, NewOnAnEmptyYearCreatesTheArchiveAndProposesTheFirstNumber) {
    OpenYear();
    card->txtCliente->setText(QStringLiteral("vecchio"));
    card->txtDataFine->setText(QStringLiteral("01/01/2026"));
    card->txtCauzione->setText(QStringLiteral("5,00"));
    card->lblFile01->setText(QStringLiteral("a.pdf"));
    card->chkDaSaldare->setChecked(true);
    NewContract();
    EXPECT_TRUE(folder.Exists(ContractArchive()));
    EXPECT_EQ(folder.Read(ContractArchive()).size(), 0);
    EXPECT_EQ(card->lblInizio->text(), QStringLiteral("1"));
    EXPECT_EQ(card->txtNumContratto->text(), QStringLiteral("1"));
    EXPECT_EQ(card->txtData->text(), QStringLiteral("14/03/2026"));
    EXPECT_EQ(card->txtDataInizio->text(), QStringLiteral("14/03/2026"));
    EXPECT_EQ(card->txtOraInizio->text(), QStringLiteral("09:30"));
    EXPECT_EQ(card->txtCliente->text(), QString());
    EXPECT_EQ(card->txtDataFine->text(), QString());
    EXPECT_EQ(card->txtCauzione->text(), QStringLiteral("0,00"));
    EXPECT_EQ(card->lblFile01->text(), QString());
    EXPECT_FALSE(card->chkDaSaldare->isChecked());
    EXPECT_EQ(Focused(), card->txtCliente);

    card->txtDitta->setText(QStringLiteral("Ditta"));
    card->txtLuogo->setText(QStringLiteral("Roma"));
    card->txtCliente->setText(QStringLiteral("Rossi Mario"));
    messages.Expect(MsgKind::Information, InsertedNotice());
    Click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_EQ(StoredContract(1).Text("NumContratto"), QStringLiteral("1"));
    EXPECT_EQ(StoredContract(1).Text("DaSaldare"), QStringLiteral("No"));
    NewContract();
    EXPECT_EQ(card->txtNumContratto->text(), QStringLiteral("2"));
    // A second save of the same card writes it in place.
    card->txtCliente->setText(QStringLiteral("Verdi Anna"));
    messages.Expect(MsgKind::Information, InsertedNotice());
    Click(card->cmdSalva);
    messages.Expect(MsgKind::Information, SavedNotice());
    Click(card->cmdSalva);
    EXPECT_EQ(StoredContractCount(), 2);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
}

TEST_F(ContrattiNSCTest, NewProposesTheFirstNumberPlusTheStoredCount) {
    const struct {
        const char *inizio;  // nullptr: no key at all
        int stored;
        const char *label;
        const char *proposed;
    } cases[] = {
        {"100", 3, "100", "103"}, {nullptr, 2, "1", "3"}, {"", 0, "1", "1"},   {"  ", 1, "1", "2"},
        {"0", 0, "0", "0"},       {"007", 1, "007", "8"}, {"-5", 2, "-5", "-3"},
    };
    OpenYear();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.proposed);
        QFile::remove(folder.Path(kSettingsFile));
        QFile::remove(folder.Path(ContractArchive()));
        if (c.inizio) WriteNumberingStart(QString::fromLatin1(c.inizio));
        std::vector<Record> contracts;
        for (int i = 0; i < c.stored; ++i) contracts.push_back(FullContract(QString::number(i)));
        WriteContracts(contracts);
        NewContract();
        EXPECT_EQ(card->lblInizio->text(), QString::fromLatin1(c.label));
        EXPECT_EQ(card->txtNumContratto->text(), QString::fromLatin1(c.proposed));
    }
}

// "Inizio" is a whole decimal number; anything else, or a number beyond the
// range of a contract number, stops "Nuovo" with the archive message on the
// cleared card: the number, the dates and the time stay empty.
TEST_F(ContrattiNSCTest, NewRefusesAFirstNumberItCannotRead) {
    OpenYear();
    const struct {
        const char *inizio;
        int stored;
    } cases[] = {{"abc", 0}, {"12a", 0}, {"1,5", 0}, {"$10", 0}, {"99999999999", 0}, {"2147483647", 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.inizio);
        card->txtCliente->setText(QStringLiteral("vecchio"));
        card->txtNumContratto->setText(QStringLiteral("7"));
        card->txtData->setText(QStringLiteral("01/01/2026"));
        card->lblPosizione->setText(QStringLiteral("3"));
        card->txtDitta->setText(QStringLiteral("Ditta"));
        QFile::remove(folder.Path(ContractArchive()));
        if (c.stored) WriteContracts({FullContract(QStringLiteral("X"))});
        WriteNumberingStart(QString::fromLatin1(c.inizio));
        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        Click(card->cmdNuovo);
        messages.Verify();
        EXPECT_EQ(card->lblInizio->text(), QString::fromLatin1(c.inizio));
        for (Edit *cleared : {card->txtCliente, card->txtNumContratto, card->txtData, card->txtDataInizio,
                              card->txtOraInizio})
            EXPECT_EQ(cleared->text(), QString()) << cleared->objectName().toStdString();
        EXPECT_EQ(card->lblPosizione->text(), QString());
        EXPECT_EQ(card->txtDitta->text(), QStringLiteral("Ditta"));
        EXPECT_TRUE(folder.Exists(ContractArchive()));
        EXPECT_EQ(StoredContractCount(), c.stored);
    }
    // The largest number that fits is proposed.
    QFile::remove(folder.Path(ContractArchive()));
    WriteNumberingStart(QStringLiteral("2147483647"));
    NewContract();
    EXPECT_EQ(card->txtNumContratto->text(), QStringLiteral("2147483647"));
}

TEST_F(ContrattiNSCTest, NewReportsAnArchiveItCannotOpenAsAnError) {
    OpenYear();
    folder.Block(ContractArchive());
    card->txtCliente->setText(QStringLiteral("resta"));
    messages.Expect(MsgKind::Error, ArchiveFailureMessage());
    Click(card->cmdNuovo);
    messages.Verify();
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral("resta"));
    QDir().rmdir(folder.Path(ContractArchive()));
}

// A settings file that is there but cannot be read hides the first number:
// "Nuovo" proposes none, says which file is at fault, and changes nothing.
TEST_F(ContrattiNSCTest, NewStopsOnASettingsFileItCannotRead) {
    EXPECT_EQ(NumberingUnreadMessage(),
              QStringLiteral("Attenzione: il sistema non permette di leggere il file delle impostazioni Velmora.ini, "
                             "che contiene l'inizio della numerazione dei contratti.\n\r\n\r"
                             "Il numero del nuovo contratto non pu\u00f2 essere proposto: accertarsi che il file "
                             "sia accessibile nella cartella di installazione del programma."));
    OpenYear();
    card->txtCliente->setText(QStringLiteral("resta"));
    card->txtNumContratto->setText(QStringLiteral("7"));
    card->lblInizio->setText(QStringLiteral("100"));
    folder.Block(kSettingsFile);
    messages.Expect(MsgKind::Error, NumberingUnreadMessage());
    Click(card->cmdNuovo);
    messages.Verify();
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral("resta"));
    EXPECT_EQ(card->txtNumContratto->text(), QStringLiteral("7"));
    EXPECT_EQ(card->lblInizio->text(), QStringLiteral("100"));
    EXPECT_FALSE(folder.Exists(ContractArchive()));
    QDir().rmdir(folder.Path(kSettingsFile));  // the close may write its defaults
}

// A settings file Notepad saved as UTF-8 starts with a byte-order mark; the
// first number in the section right after it is found all the same.
TEST_F(ContrattiNSCTest, NewReadsTheFirstNumberBehindAByteOrderMark) {
    folder.Write(kSettingsFile, "\xEF\xBB\xBF[Numerazione Contratti NSC]\r\nInizio=40\r\n");
    OpenYear();
    WriteContracts({FullContract(QStringLiteral("A"))});
    NewContract();
    EXPECT_EQ(card->lblInizio->text(), QStringLiteral("40"));
    EXPECT_EQ(card->txtNumContratto->text(), QStringLiteral("41"));
}

// A contract archive written elsewhere, or damaged, may hold line breaks in
// the firm's data. Loaded and taken as the defaults, they reach the settings
// file as one line each: they add no section, and the numbering stays.
TEST_F(ContrattiNSCTest, LineBreaksInALoadedContractAddNothingToTheSettings) {
    const QString forged = QStringLiteral("ACME\r\n[Numerazione Contratti NSC]\r\nInizio=900");
    WriteContracts({FullContract(QStringLiteral("A"), {{"Ditta", forged}, {"Foro", QStringLiteral("Foro\nX=1")}})});
    ASSERT_EQ(StoredContract(1).Text("Ditta"), forged);
    OpenYear();
    Click(card->cmdUltimo);
    card->Close();
    const QByteArray ini = folder.Read(kSettingsFile);
    EXPECT_EQ(ini.count("\r\n"), 8) << ini.toStdString();
    EXPECT_EQ(ini.count('\n'), 8);
    EXPECT_EQ(ini.count("[Numerazione"), 1);
    EXPECT_EQ(ReadSetting(kNumberingSection, QStringLiteral("Inizio")), QStringLiteral("<missing>"));
    EXPECT_EQ(ReadSetting(kDefaultsSection, QStringLiteral("X")), QStringLiteral("<missing>"));

    card->Show();
    EXPECT_EQ(card->txtDitta->text(), QStringLiteral("ACME [Numerazione Contratti NSC] Inizio=900"));
    EXPECT_EQ(card->txtForo->text(), QStringLiteral("Foro X=1"));
    OpenYear();
    NewContract();
    EXPECT_EQ(card->txtNumContratto->text(), QStringLiteral("2"));
}

// A named pipe at the settings file's name is a file that cannot be read:
// the card shows without waiting on it and keeps it as it is at the close.
TEST_F(ContrattiNSCTest, ANamedPipeForSettingsIsASettingsFileThatCannotBeRead) {
    card->Close();
    QFile::remove(folder.Path(kSettingsFile));  // the close just wrote it
    PipeTrap pipe(folder.Path(kSettingsFile));
    ASSERT_TRUE(pipe.Made());
    card->Show();
    EXPECT_EQ(Defaults(), QStringList(7, QString()));
    OpenYear();
    messages.Expect(MsgKind::Error, NumberingUnreadMessage());
    Click(card->cmdNuovo);
    messages.Verify();
    messages.Expect(MsgKind::Error, SettingsFailureMessage());
    card->Close();
    messages.Verify();
    EXPECT_FALSE(pipe.Opened());
    EXPECT_FALSE(QFileInfo(folder.Path(kSettingsFile)).isFile());
}

// ---- "Salva" -------------------------------------------------------------------------------

TEST_F(ContrattiNSCTest, TheSigningDateMustExistAsTyped) {
    OpenYear();
    NewContract();
    card->txtDitta->setText(QStringLiteral("Ditta"));
    card->txtCliente->setText(QStringLiteral("Rossi"));
    const struct {
        const char *date;
        bool valid;
    } cases[] = {{"31/02/2024", false}, {"29/02/2023", false}, {" 10/03/2026", false}, {"10/03/2026 ", false},
                 {"10-03-2026", false}, {"29/02/2024", true},  {"1/3/2026", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.date);
        card->lblPosizione->clear();
        QFile::remove(folder.Path(ContractArchive()));
        card->txtData->setText(QString::fromLatin1(c.date));
        // The date is judged before the place: a blank place waits.
        card->txtLuogo->clear();
        if (c.valid) {
            messages.Expect(MsgKind::Warning, QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario "
                                                             "indicare il luogo di stipula del contratto."));
        } else {
            messages.Expect(MsgKind::Warning, kDateMissing);
        }
        Click(card->cmdSalva);
        messages.Verify();
        EXPECT_EQ(Focused(), c.valid ? static_cast<QWidget *>(card->txtLuogo) : card->txtData);
        EXPECT_FALSE(folder.Exists(ContractArchive()) && StoredContractCount() > 0);
    }
}

TEST_F(ContrattiNSCTest, SavedRecordIsByteExact) {
    OpenYear();
    NewContract();
    const Record full = FullContract(QStringLiteral("Z"), {{"Data", QStringLiteral("14/03/2026")}});
    for (const FieldDef &f : ContractRecord.Fields()) {
        const QString name = QString::fromLatin1(f.name.data(), int(f.name.size()));
        if (auto *w = card->findChild<QWidget *>(QStringLiteral("txt") + name)) {
            // Blanks around every text but the signing date, which is judged as typed.
            const QString around = name == QLatin1String("Data") ? QString() : QStringLiteral(" ");
            if (auto *e = qobject_cast<Edit *>(w)) e->setText(around + full.Text(f.name) + around);
            else if (auto *c = qobject_cast<ComboEdit *>(w)) c->setText(full.Text(f.name) + u' ');
        } else if (auto *l = card->findChild<QLabel *>(QStringLiteral("lbl") + name)) {
            l->setText(full.Text(f.name));
        }
    }
    card->chkDaSaldare->setChecked(true);
    messages.Expect(MsgKind::Information, InsertedNotice());
    Click(card->cmdSalva);
    EXPECT_EQ(folder.Read(ContractArchive()), full.Bytes());
    EXPECT_EQ(folder.Read(ContractArchive()).mid(3571, 3), QByteArray("\x02\x53\xEC", 3));
    card->chkDaSaldare->setChecked(false);
    messages.Expect(MsgKind::Information, SavedNotice());
    Click(card->cmdSalva);
    EXPECT_EQ(folder.Read(ContractArchive()).mid(3571, 3), QByteArray("\x02\x4E\x6F", 3));
    EXPECT_EQ(folder.Read(ContractArchive()).size(), 5080);
}

TEST_F(ContrattiNSCTest, AnArchiveFailureOfFirstAndSaveIsAWarning) {
    OpenYear();
    folder.Block(ContractArchive());
    card->txtDitta->setText(QStringLiteral("Ditta"));
    card->txtNumContratto->setText(QStringLiteral("1"));
    card->txtData->setText(QStringLiteral("10/03/2026"));
    card->txtLuogo->setText(QStringLiteral("Roma"));
    card->txtCliente->setText(QStringLiteral("Rossi"));
    const std::pair<ImageButton *, MsgKind> commands[] = {
        {card->cmdSalva, MsgKind::Warning},   {card->cmdPrimo, MsgKind::Warning}, {card->cmdIndietro, MsgKind::Error},
        {card->cmdAvanti, MsgKind::Error},    {card->cmdUltimo, MsgKind::Error},  {card->cmdNuovo, MsgKind::Error},
    };
    for (const auto &[command, kind] : commands) {
        SCOPED_TRACE(command->objectName().toStdString());
        messages.Expect(kind, ArchiveFailureMessage());
        Click(command);
        messages.Verify();
        EXPECT_EQ(card->txtCliente->text(), QStringLiteral("Rossi"));
        EXPECT_EQ(card->lblPosizione->text(), QString());
    }
}

// ---- loads by other windows -------------------------------------------------------------

TEST_F(ContrattiNSCTest, ShowRecordLoadsTheWholeContractWithItsNumber) {
    OpenYear();
    card->chkDaSaldare->setChecked(false);
    const Record contract = FullContract(QStringLiteral("Q"));
    card->ShowRecord(contract, 7);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("7"));
    EXPECT_EQ(card->txtDitta->text(), QStringLiteral("DittaQ"));
    EXPECT_EQ(card->txtNote->text(), QStringLiteral("NoteQ"));
    EXPECT_EQ(card->txtProvRes->text(), QStringLiteral("RM"));
    EXPECT_EQ(card->lblDesc03->text(), QStringLiteral("Desc03Q"));
    EXPECT_TRUE(card->chkDaSaldare->isChecked());
    // A flag that is neither "S\u00ec" nor "No" leaves the box as it was.
    card->ShowRecord(FullContract(QStringLiteral("R"), {{"DaSaldare", QStringLiteral("X")}}), 2);
    EXPECT_TRUE(card->chkDaSaldare->isChecked());
    card->ShowRecord(FullContract(QStringLiteral("R"), {{"DaSaldare", QStringLiteral("No")}}), 2);
    EXPECT_FALSE(card->chkDaSaldare->isChecked());
    card->ShowRecord(FullContract(QStringLiteral("R"), {{"DaSaldare", QStringLiteral("Maybe")}}), 2);
    EXPECT_FALSE(card->chkDaSaldare->isChecked());
}

// ---- hints and looks ----------------------------------------------------------------------

TEST_F(ContrattiNSCTest, HintsFollowThePointer) {
    OpenYear();
    EXPECT_EQ(card->panInfo->text(), QStringLiteral("Pronto per inserire una nuova scheda..."));
    const std::pair<QWidget *, const char *> hints[] = {
        {card->cmdNuovo, "Predispone la schermata per l'emissione di un nuovo contratto."},
        {card->cmdImporta, "Importa i dati dall'archivio annuale delle prenotazioni."},
        {card->cmdSalva, "Salva o aggiorna il contratto corrente."},
        {card->cmdTrova, "Trova un contratto in archivio."},
        {card->cmdFile, "Allega file al contratto corrente."},
        {card->cmdStampa, "Stampa il contratto corrente."},
        {card->cmdWord, "Esporta e stampa il contratto corrente."},
        {card->cmdNumerazione, "Imposta il numero iniziale per la numerazione dei contratti."},
        {card->cmdPrimo, "Visualizza il primo contratto in archivio."},
        {card->cmdIndietro, "Visualizza il contratto precedente in archivio."},
        {card->cmdAvanti, "Visualizza il contratto successivo in archivio."},
        {card->cmdUltimo, "Visualizza l'ultimo contratto in archivio."},
        {card->cmdEsporta, "Esporta i contratti in archivio in un file di Microsoft Excel."},
        {card->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {card->cmdEsci, "Esci da questa schermata di lavoro."},
        {card->cmdDaSaldare, "Visualizza il riepilogo dei contratti da saldare."},
        {card->cmdCalcola, "Calcola il numero totale dei giorni di noleggio."},
        {card->impCliente, "Importa i dati dall'archivio anagrafico dei clienti."},
        {card->impVeicolo, "Importa i dati dal parco automezzi."},
        {card->impTariffa, "Importa i dati dal tariffario noleggi."},
        {card->btnCodFisc, "Controlla il codice fiscale."},
        {card->btnLogo, "Carica il logo della Ditta emittente."},
        {card->btnPrivacy, "Stampa l'informativa sulla privacy."},
    };
    for (const auto &[control, hint] : hints) {
        SCOPED_TRACE(control->objectName().toStdString());
        MoveMouseOver(card->panContainer, QPoint(900, 680));
        EXPECT_EQ(card->panInfo->text(), QString());
        MoveMouseOver(control);
        EXPECT_EQ(card->panInfo->text(), QString::fromUtf8(hint));
    }
    for (QWidget *area : std::initializer_list<QWidget *>{card, card->shpContainer, card->shpEsci, card->shpExcel,
                          card->shpRecord, card->shpStampa, card->shpAllega, card->shpControlli,
                          card->shpSezione01, card->shpWord, card->shpSezione02, card->shpDaSaldare}) {
        SCOPED_TRACE(area->objectName().toStdString());
        MoveMouseOver(card->cmdNuovo);
        MoveMouseOver(area, QPoint(2, 2));
        EXPECT_EQ(card->panInfo->text(), QString());
    }
    MoveMouseOver(card->cmdNuovo);
    MoveMouseOver(card->txtNote);  // a field changes nothing
    EXPECT_EQ(card->panInfo->text(), QString::fromUtf8(hints[0].second));
}

TEST_F(ContrattiNSCTest, CaptionsListsAndLimitsAreThoseOfTheCard) {
    OpenYear();
    EXPECT_EQ(card->cmdCalcola->text(), QStringLiteral("Calcola"));
    EXPECT_EQ(card->chkDaSaldare->text(), QStringLiteral("Da saldare"));
    EXPECT_EQ(card->lblInizio->text(), QStringLiteral("1"));
    EXPECT_FALSE(card->lblInizio->isVisible());
    EXPECT_FALSE(card->lblFile->isVisible());
    EXPECT_TRUE(card->txtDataInizio->isReadOnly());
    EXPECT_TRUE(card->txtDataFine->isReadOnly());
    EXPECT_EQ(card->txtProvRes->count(), 112);
    EXPECT_EQ(card->txtProvNasc->itemText(31), QStringLiteral("EE"));
    EXPECT_EQ(card->txtProvNasc->itemText(111), QStringLiteral("VV"));
    EXPECT_EQ(card->txtVeicolo->count(), 19);
    EXPECT_EQ(card->txtVeicolo->itemText(8), QStringLiteral("Mezzo agricolo"));
    QStringList fuels, tariffs, levels;
    for (int i = 0; i < card->txtAlimentazione->count(); ++i) fuels << card->txtAlimentazione->itemText(i);
    for (int i = 0; i < card->txtTariffa->count(); ++i) tariffs << card->txtTariffa->itemText(i);
    for (int i = 0; i < card->txtLivello->count(); ++i) levels << card->txtLivello->itemText(i);
    EXPECT_EQ(fuels, (QStringList{"Benzina", "Diesel", U("Elettricit\u00e0"), "GPL", "Ibrida", "Metano"}));
    EXPECT_EQ(tariffs, (QStringList{"Oraria", "Giornaliera", "Weekend", "Settimanale", "Mensile", "Chilometrica"}));
    EXPECT_EQ(levels, (QStringList{"Riserva", "1/4", "2/4", "3/4", "Pieno"}));
    // Every caption of the Part's table stands on the card.
    QStringList captions;
    for (QLabel *l : card->findChildren<QLabel *>()) captions << l->text();
    for (const char *caption :
         {"Ditta autonoleggio:", "Contratto n.", "Data stipula:", "Luogo stipula:", "Cognome e nome Cliente:",
          "Sesso:", "Indirizzo e numero civico:", "Comune di residenza:", "Prov.", "CAP:", "Codice fiscale:", "Tel.",
          "Data di nascita:", "Comune di nascita:", "Tipo patente:", "Numero:", "Ente di rilascio:",
          "Data di rilascio:", "Data di scadenza:", "Conducente supplementare:", "Tipo veicolo locato:",
          "Marca e modello:", "Colore:", "Alimentazione:", "Targa:", "Posti:", "Accessori in dotazione:",
          "Tipologia tariffa:", "Criterio conteggio:", "Criterio calcolo eccedenza:", "Importo unitario:",
          "Importo totale:", "Data inizio:", "Ora inizio:", "Sede ritiro veicolo:", "Data fine:", "Ora fine:",
          "Sede riconsegna veicolo:", "Totale giorni:", "Livello carburante:", "Km partenza:", "Km rientro:",
          "Importo cauzione:", "Difetti veicolo riscontrati al rientro:", "Modalit\u00e0 di pagamento:",
          "Foro competente:", "Polizze assicurative e franchigie:", "Titolare privacy:", "Note:"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
}

// Every item of a combo's list shows whole in the combo once chosen: the
// vehicle type "Mezzo agricolo" lost its first letter beside its import button.
TEST_F(ContrattiNSCTest, CombosShowTheirLongestItemWhole) {
    Click(card->btnApri);
    for (ComboEdit *combo : {card->txtProvRes, card->txtProvNasc, card->txtVeicolo, card->txtAlimentazione,
                             card->txtTariffa, card->txtLivello}) {
        Edit *editor = combo->Editor();
        ASSERT_GT(combo->count(), 0);
        for (int i = 0; i < combo->count(); ++i) {
            const QString item = combo->itemText(i);
            // The edit's own margins take two pixels each side.
            EXPECT_LE(editor->fontMetrics().horizontalAdvance(item), editor->width() - 4)
                << combo->objectName().toStdString() << ": " << item.toStdString();
        }
    }
}

// The program makes the card at start: its lists are filled when it is
// first shown, not before.
TEST(ContrattiNSCStartTest, ConstructionFillsNoList) {
    TestFolder folder;
    TfrmContrattiNSC fresh;
    fresh.Create();
    EXPECT_EQ(fresh.txtProvRes->count(), 0);
    EXPECT_EQ(fresh.txtLivello->count(), 0);
    EXPECT_EQ(fresh.txtImporto->text(), QStringLiteral("0,00"));
    EXPECT_EQ(fresh.lblFile->text(), QStringLiteral("FilePath"));
    EXPECT_FALSE(folder.Exists(kSettingsFile));
}

TEST_F(ContrattiNSCTest, LooksAsACardOfTheHouse) {
    card->panAvvio->grab().save(QStringLiteral("/tmp/velmora-contratti-anno.png"));
    OpenYear();
    NewContract();
    card->txtCliente->setText(QStringLiteral("Rossi Mario"));
    const QPixmap shot = card->panContainer->grab();
    EXPECT_FALSE(shot.isNull());
    shot.save(QStringLiteral("/tmp/velmora-contratti.png"));
}

}  // namespace
}  // namespace vel::test
