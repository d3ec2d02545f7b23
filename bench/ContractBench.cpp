// Times the contract search and the contract export as the user meets them,
// on Qt's offscreen platform, with the real dialogs reading the archive that
// the contract card names in its lblFile:
//
// - the contract search's "Cerca" over 20,000 contracts with no criterion, so
//   that every contract is listed, up to the filled list shown (the search,
//   the lines sorted, the list filled, its layout and first paint), against
//   the bare read of the same file in blocks of 256 KiB: at most 3 times;
// - the contract export's grid over 5,000 contracts, filled as the dialog's
//   show fills it with the events that follow, against the search of the
//   same archive with every contract listed: at most 5 times;
// - the .xls write of that grid through the spreadsheet picture, the
//   questions answered as a user would, against a plain write of the very
//   same bytes into the same folder: at most 3 times;
// - the memory the filled grid adds to the process (resident size before and
//   after the fill), reported, at most 100 MB.
//
// The program exits with 1 when any target is missed.
#include <benchmark/benchmark.h>

#include "RegisterBench.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "FleetArchive.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "contracts/ContrattiNSC.h"
#include "contracts/ExpContratti.h"
#include "contracts/TrovaContrattiNSC.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace {

using namespace vel;

constexpr int kSearchContracts = 20000;
constexpr int kExportContracts = 5000;
constexpr double kAllowedSearchOverRead = 3.0;
constexpr double kAllowedFillOverSearch = 5.0;
constexpr double kAllowedWriteOverPlain = 3.0;
constexpr double kAllowedMegabytes = 100.0;

const char *const kTariffs[] = {"Oraria", "Giornaliera", "Weekend", "Settimanale", "Mensile", "Chilometrica"};
const char *const kLevels[] = {"Riserva", "1/4", "2/4", "3/4", "Pieno"};
const char *const kTowns[] = {"Roma",    "Milano",  "Napoli", "Torino",  "Bologna", "Firenze",
                              "Bari",    "Palermo", "Genova", "Verona",  "Padova",  "Trieste"};
const char *const kProvinces[] = {"RM", "MI", "NA", "TO", "BO", "FI", "BA", "PA", "GE", "VR", "PD", "TS"};
const char *const kDefects[] = {"", "", "", "Graffio sul paraurti posteriore", "Specchietto destro incrinato",
                                "Cerchio anteriore sinistro rigato"};
const char *const kPayments[] = {"Contanti", "Carta di credito", "Bonifico bancario", "Bancomat"};

// A contract of the year, as the card stores one: varied customers, cars,
// tariffs and dates, the company defaults in every record.
Record RandomContract(QRandomGenerator &g, int number) {
    using namespace vel::bench;
    Record r(ContractRecord);
    const Model &m = kModels[g.bounded(int(kModels.size()))];
    const int town = g.bounded(int(std::size(kTowns)));
    const QString start = Date(g), end = Date(g);
    r.SetText("Ditta", QStringLiteral("Autonoleggi Riuniti S.r.l. - Via Appia Nuova 123 - 00183 Roma"));
    r.SetText("NumContratto", QString::number(number));
    r.SetText("Data", start);
    r.SetText("Luogo", QStringLiteral("Roma"));
    r.SetText("Cliente", Pick(g, kSurnames) + u' ' + Pick(g, kNames));
    r.SetText("Sesso", g.bounded(2) ? QStringLiteral("M") : QStringLiteral("F"));
    r.SetText("IndirizzoRes", QStringLiteral("Via Garibaldi ") + QString::number(1 + g.bounded(200)));
    r.SetText("ComuneRes", QString::fromUtf8(kTowns[town]));
    r.SetText("ProvRes", QString::fromUtf8(kProvinces[town]));
    r.SetText("CapRes", Digits(g, 5));
    r.SetText("CodFisc", Letters(g, 6) + Digits(g, 2) + Letters(g, 1) + Digits(g, 2) + Letters(g, 1) +
                             Digits(g, 3) + Letters(g, 1));
    r.SetText("Recapito", QStringLiteral("3") + Digits(g, 2) + u' ' + Digits(g, 7));
    r.SetText("DataNasc", Date(g));
    r.SetText("ComuneNasc", Pick(g, kTowns));
    r.SetText("TipoPat", QStringLiteral("B"));
    r.SetText("NumPat", Letters(g, 2) + Digits(g, 7) + Letters(g, 1));
    r.SetText("EnteRil", QStringLiteral("MIT-UCO"));
    r.SetText("DataRil", Date(g));
    r.SetText("DataSca", Date(g));
    if (g.bounded(4) == 0) r.SetText("Conducente", Pick(g, kSurnames) + u' ' + Pick(g, kNames));
    r.SetText("Veicolo", Pick(g, kTypes));
    r.SetText("Marca", QString::fromUtf8(m.make) + u' ' +
                           QString::fromUtf8(m.models[g.bounded(int(m.models.size()))]));
    r.SetText("Colore", Pick(g, kColours));
    r.SetText("Alimentazione", Pick(g, kFuels));
    r.SetText("Targa", Letters(g, 2) + Digits(g, 3) + Letters(g, 2));
    r.SetText("Posti", QString::number(2 + g.bounded(8)));
    r.SetText("Impianti", Pick(g, kFittings));
    r.SetText("Tariffa", Pick(g, kTariffs));
    r.SetText("Conteggio", QStringLiteral("24 ore dal ritiro, frazioni oltre 59 minuti come giorno intero"));
    r.SetText("Eccedenza", QStringLiteral("0,25 euro per km oltre i 200 km giornalieri inclusi"));
    r.SetText("Importo", QString::number(30 + g.bounded(90)) + QStringLiteral(",00"));
    r.SetText("Totale", QString::number(60 + g.bounded(900)) + QStringLiteral(",00"));
    r.SetText("DataInizio", start);
    r.SetText("OraInizio", QStringLiteral("%1:%2").arg(g.bounded(24), 2, 10, QChar('0')).arg(g.bounded(60), 2, 10, QChar('0')));
    r.SetText("SedeRit", QStringLiteral("Roma, Via Appia Nuova 123"));
    r.SetText("DataFine", end);
    r.SetText("OraFine", QStringLiteral("%1:%2").arg(g.bounded(24), 2, 10, QChar('0')).arg(g.bounded(60), 2, 10, QChar('0')));
    r.SetText("SedeRic", QStringLiteral("Roma, Via Appia Nuova 123"));
    r.SetText("TotGiorni", QString::number(1 + g.bounded(30)));
    r.SetText("Livello", Pick(g, kLevels));
    r.SetText("KmParte", QString::number(10000 + g.bounded(150000)));
    r.SetText("KmRientro", QString::number(10000 + g.bounded(150000)));
    r.SetText("Cauzione", QStringLiteral("300,00"));
    r.SetText("Difetti", Pick(g, kDefects));
    r.SetText("Pagamento", Pick(g, kPayments));
    r.SetText("Foro", QStringLiteral("Roma"));
    r.SetText("Assicurazioni", QStringLiteral("RCA Assicurazioni Generali, franchigia kasko 500 euro, furto 10%"));
    r.SetText("Privacy", QStringLiteral("Autonoleggi Riuniti S.r.l."));
    r.SetText("Note", Pick(g, kNotes));
    r.SetText("DaSaldare", YesNoText(g.bounded(3) == 0));
    if (g.bounded(3) == 0) {
        r.SetText("File01", QStringLiteral("Patente_") + QString::number(number) + QStringLiteral(".pdf"));
        r.SetText("Desc01", QStringLiteral("Copia della patente di guida"));
    }
    return r;
}

void WriteContractArchive(const QString &path, int records, QRandomGenerator &g) {
    ArchiveFile archive;
    archive.OpenArchivePath(path, ContractRecord);
    for (int i = 1; i <= records; ++i) archive.AppendRecord(RandomContract(g, i));
}

// The export's show handler, reachable from here.
class ContractExport : public TfrmExpContratti {
public:
    using TfrmExpContratti::TfrmExpContratti;
    using TfrmExpContratti::FormShow;
};

class Setup {
public:
    static Setup &Get() {
        static Setup setup;
        return setup;
    }
    QString SearchArchive() const { return ProgramPath(QStringLiteral("2026.nsc")); }
    QString ExportArchive() const { return ProgramPath(QStringLiteral("2025.nsc")); }
    QString Xls() const { return ProgramPath(QStringLiteral("Contratti_NSC.xls")); }
    QString Plain() const { return ProgramPath(QStringLiteral("Copia.xls")); }
    // The card opens the year the benchmark reads.
    void OpenYear(const QString &archive) { card_->lblFile->setText(archive); }
    ContractExport &Export() { return *export_; }
    // The windows go before the application object does.
    void Release() {
        export_.reset();
        frmContrattiNSC = nullptr;
        card_.reset();
        SetMessageService(nullptr);
    }
    bench::ExportAnswers answers;
    qsizetype listed = -1;
    double addedMegabytes = -1;
    QByteArray written;  // the export's bytes, for the plain write

private:
    Setup() {
        SetProgramFolder(dir_.path());
        QRandomGenerator g(20260314);
        WriteContractArchive(SearchArchive(), kSearchContracts, g);
        WriteContractArchive(ExportArchive(), kExportContracts, g);
        SetMessageService(&answers);
        card_ = std::make_unique<TfrmContrattiNSC>();
        frmContrattiNSC = card_.get();
        card_->Create();

        // The memory the filled grid holds: the export is made and shown over
        // an empty year first, so only the rows count.
        export_ = std::make_unique<ContractExport>(card_.get());
        bench::PrepareExport(
            *export_, [this] { OpenYear(ProgramPath(QStringLiteral("1999.nsc"))); },
            [this] { OpenYear(ExportArchive()); }, Xls(), addedMegabytes, written);
    }
    QTemporaryDir dir_;
    std::unique_ptr<TfrmContrattiNSC> card_;
    std::unique_ptr<ContractExport> export_;
};

// ---- the search over 20,000 contracts ------------------------------------

void BM_BareRead(benchmark::State &state) { bench::BareReadLoop(state, Setup::Get().SearchArchive()); }

// "Cerca" to the filled list shown: a new dialog for every search, as the
// card makes one for every "Trova".
void BM_CercaToListShown(benchmark::State &state) {
    Setup &setup = Setup::Get();
    setup.OpenYear(setup.SearchArchive());
    bench::CercaToListShownLoop(
        state, setup.listed, [] { return std::make_unique<TfrmTrovaContrattiNSC>(frmContrattiNSC); },
        [](TfrmTrovaContrattiNSC &dialog) {
            dialog.lblMemory->setText(QStringLiteral("contrattinsc"));
            dialog.Show();
        });
}

// ---- the export of 5,000 contracts -----------------------------------------

void BM_SearchEverything5000(benchmark::State &state) {
    bench::SearchEverythingLoop(state, Setup::Get().ExportArchive(), ContractRecord, ContractListLine);
}

void BM_ExportFill(benchmark::State &state) {
    Setup &setup = Setup::Get();
    setup.OpenYear(setup.ExportArchive());
    bench::ExportFillLoop(state, setup.Export());
}

void BM_ExportWrite(benchmark::State &state) {
    Setup &setup = Setup::Get();
    bench::ExportWriteLoop(state, setup.Export(), setup.written);
}

void BM_PlainWrite(benchmark::State &state) {
    Setup &setup = Setup::Get();
    bench::PlainWriteLoop(state, setup.Plain(), setup.written);
}

BENCHMARK(BM_BareRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CercaToListShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchEverything5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRendering();
    QApplication app(argc, argv);
    InitPlatform();
    benchmark::Initialize(&argc, argv);
    Setup &setup = Setup::Get();  // archives written, grid filled and written once, before any timing
    vel::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    bench::Targets targets(reporter, setup.answers.failures == 0 && !setup.written.isEmpty() &&
                                         (setup.listed < 0 || setup.listed == kSearchContracts));
    if (!targets.Within())
        std::printf("\na search or the export failed (%d failure boxes, %lld lines listed)\n", setup.answers.failures,
                    static_cast<long long>(setup.listed));
    std::printf("\nsearch: %d contracts; export: %d contracts, file of %.1f MB\n", kSearchContracts,
                kExportContracts, double(setup.written.size()) / (1024.0 * 1024.0));
    targets.CheckRatio("\"Cerca\" to the list shown / bare read", "BM_CercaToListShown", "BM_BareRead",
                       kAllowedSearchOverRead);
    targets.CheckExport("grid fill / search with every contract listed", "BM_SearchEverything5000",
                        setup.addedMegabytes, kAllowedFillOverSearch, kAllowedWriteOverPlain, kAllowedMegabytes);
    benchmark::Shutdown();
    setup.Release();
    return targets.Within() ? 0 : 1;
}
