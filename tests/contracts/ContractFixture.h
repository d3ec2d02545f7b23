#pragma once
// The contract windows are tested as the program runs them: every window
// created, in a fresh program folder, with the message boxes, modal windows,
// clock and printer under the test's control. Contracts are built from the
// record table and stored in the year's archive "<yyyy>.nsc" as the card
// appends them; the company defaults and the numbering live in "Velmora.ini".
#include <QFileInfo>
#include <initializer_list>
#include <utility>
#include <vector>

#include "common/ArchiveFile.h"
#include "common/IniFile.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "contracts/ContrattiNSC.h"
#include "support/ListBoxView.h"
#include "support/ProgramFixture.h"

namespace vel::test {

// The fixed clock's year (FixedClock: 14/03/2026 09:30).
inline constexpr int kContractYear = 2026;

// The name of a year's contract archive: "2026.nsc".
inline QString ContractArchive(int year = kContractYear) { return QString::number(year) + QStringLiteral(".nsc"); }

inline const QString kSettingsFile = QStringLiteral("Velmora.ini");
inline const QString kDefaultsSection = QStringLiteral("Contratti NSC");
inline const QString kNumberingSection = QStringLiteral("Numerazione Contratti NSC");

// A contract whose every text field holds the field's name followed by `tag`
// (cut to the field's capacity), so two contracts built with different tags
// differ in every field; "Sesso" is "M", the provinces "RM" and "MI", the
// dates "10/03/2026" .. "12/03/2026" (signing, start, end), the amounts
// "12,50", "25,00", "100,00", "DaSaldare" "S\u00ec", and the three attachments
// are filled. Fields given in `overrides` replace the made-up values.
inline Record FullContract(const QString &tag, FieldTexts overrides = {}) {
    Record r(ContractRecord);
    for (const FieldDef &field : ContractRecord.Fields()) {
        const QString name = QString::fromLatin1(field.name.data(), qsizetype(field.name.size()));
        r.SetText(field.name, (name + tag).left(field.capacity));
    }
    r.SetText("Sesso", QStringLiteral("M"));
    r.SetText("ProvRes", QStringLiteral("RM"));
    r.SetText("ProvNasc", QStringLiteral("MI"));
    r.SetText("Data", QStringLiteral("10/03/2026"));
    r.SetText("DataInizio", QStringLiteral("11/03/2026"));
    r.SetText("DataFine", QStringLiteral("12/03/2026"));
    r.SetText("Importo", QStringLiteral("12,50"));
    r.SetText("Totale", QStringLiteral("25,00"));
    r.SetText("Cauzione", QStringLiteral("100,00"));
    r.SetText("DaSaldare", QStringLiteral("S\u00ec"));
    for (const auto &[field, text] : overrides) r.SetText(field, text);
    return r;
}

// Appends the contracts to the year's archive (creating it when missing).
inline void WriteContracts(const std::vector<Record> &contracts, int year = kContractYear) {
    WriteArchive(ContractArchive(year), ContractRecord, contracts);
}

// The number of whole records in the year's archive; 0 when it is missing.
inline int StoredContractCount(int year = kContractYear) {
    if (!QFileInfo::exists(ProgramPath(ContractArchive(year)))) return 0;
    ArchiveFile archive;
    archive.OpenArchive(ContractArchive(year), ContractRecord);
    return archive.RecordCount();
}

// Record `number` (from 1) of the year's archive as stored.
inline Record StoredContract(int number, int year = kContractYear) {
    ArchiveFile archive;
    archive.OpenArchive(ContractArchive(year), ContractRecord);
    Record r(ContractRecord);
    archive.ReadRecord(number, r);
    return r;
}

// ---- "Velmora.ini" ---------------------------------------------------------------

// Writes keys into "Velmora.ini" as the program's INI writer does (the file
// is created when missing; other keys stay).
inline void WriteSetting(const QString &section, const QString &key, const QString &value) {
    IniFile(ProgramPath(kSettingsFile)).WriteString(section, key, value);
}
inline void WriteSettings(const QString &section, std::initializer_list<std::pair<const char *, QString>> keys) {
    for (const auto &[key, value] : keys) WriteSetting(section, QString::fromUtf8(key), value);
}
// The value of a key of "Velmora.ini", "<missing>" when it is not there.
inline QString ReadSetting(const QString &section, const QString &key) {
    return IniFile(ProgramPath(kSettingsFile)).ReadString(section, key, QStringLiteral("<missing>"));
}
// The seven company defaults of section "Contratti NSC", by key.
inline void WriteCompanyDefaults(std::initializer_list<std::pair<const char *, QString>> keys) {
    WriteSettings(kDefaultsSection, keys);
}
// The first contract number of every year, key "Inizio".
inline void WriteNumberingStart(const QString &value) { WriteSetting(kNumberingSection, QStringLiteral("Inizio"), value); }

class ContractTest : public ProgramTest {
protected:
    // Points the contract card at a year's archive as its "Apri" does, for
    // the dialogs that read the archive named by the card's lblFile.
    static void PointCardAt(int year = kContractYear) {
        frmContrattiNSC->lblFile->setText(ProgramPath(ContractArchive(year)));
    }
    static void WriteContracts(const std::vector<Record> &contracts, int year = kContractYear) {
        vel::test::WriteContracts(contracts, year);
    }
};

// The contract card's own tests: the card shown as the launcher shows it,
// and opened on a year as its "Apri" does.
class ContractCardTest : public ContractTest {
protected:
    void SetUp() override {
        ContractTest::SetUp();
        card = frmContrattiNSC;
        card->Show();
        ShowActive(card);
    }
    // The year panel's "Apri" for `year`.
    void OpenYear(int year = kContractYear) {
        card->txtAnno->setText(QString::number(year));
        Click(card->btnApri);
    }
    // "Nuovo", expecting no message.
    void NewContract() {
        Click(card->cmdNuovo);
        messages.Verify();
    }
    // The company defaults the card shows, in the order of kDefaultKeyNames.
    QStringList Defaults() const {
        return {card->txtDitta->text(), card->txtLuogo->text(),   card->txtSedeRit->text(),
                card->txtSedeRic->text(), card->txtForo->text(),  card->txtAssicurazioni->text(),
                card->txtPrivacy->text()};
    }

    TfrmContrattiNSC *card = nullptr;
};

// The keys of the company defaults in section "Contratti NSC", in the order
// of the card's fields.
inline const char *const kDefaultKeyNames[] = {"Ditta", "Luogo", "Sede Ritiro", "Sede Riconsegna",
                                               "Foro",  "Polizze", "Titolare Privacy"};

inline QString InsertedNotice() { return QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio."); }
inline QString SavedNotice() {
    return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}

}  // namespace vel::test
