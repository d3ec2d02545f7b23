// Times the search of the vehicle search dialog without its window: two
// criteria matched against every record, the lines of the listed records
// built and sorted, exactly as the dialog does it, against the bare read of
// the same file in blocks of the same size. The search must stay within three
// times the bare read.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/Records.h"

namespace {

using vel::Record;
using vel::VehicleRecord;

constexpr int kSizes[] = {1000, 50000};
constexpr double kAllowedRatio = 3.0;

struct Model {
    const char *make;
    std::vector<const char *> models;
};
const std::vector<Model> kModels = {
    {"Fiat", {"Panda", "Punto", "500", "Tipo", "Doblò", "Ducato", "Qubo"}},
    {"Alfa Romeo", {"Giulietta", "Giulia Veloce", "Stelvio", "Mito"}},
    {"Lancia", {"Ypsilon", "Delta", "Musa"}},
    {"Volkswagen", {"Golf", "Polo", "Passat Variant", "Transporter", "T-Roc"}},
    {"Renault", {"Clio", "Mégane", "Kangoo", "Trafic", "Captur"}},
    {"Peugeot", {"208", "308 SW", "Partner", "Boxer"}},
    {"Citroën", {"C3", "C4 Picasso", "Berlingo", "Jumper"}},
    {"Ford", {"Fiesta", "Focus", "Transit Custom", "Kuga"}},
    {"Opel", {"Corsa", "Astra", "Vivaro", "Mokka"}},
    {"Toyota", {"Yaris", "Corolla Touring Sports", "RAV4", "Proace"}},
    {"Mercedes-Benz", {"Classe A", "Sprinter", "Vito Tourer", "GLA"}},
    {"BMW", {"Serie 1", "X1", "Serie 3 Touring"}},
    {"Audi", {"A3 Sportback", "Q3", "A4 Avant"}},
    {"Dacia", {"Sandero", "Duster", "Logan MCV"}},
    {"Nissan", {"Qashqai", "Micra", "NV200"}},
    {"Piaggio", {"Porter", "Liberty 125", "Beverly 300"}},
    {"Iveco", {"Daily", "Eurocargo"}},
    {"Kia", {"Picanto", "Sportage", "Ceed"}},
};
const char *kTypes[] = {"Autovettura", "Furgone", "Furgoncino", "Autocarro", "Scooter", "Camper", "Motociclo"};
const char *kFuels[] = {"Benzina", "Diesel", "Elettricità", "GPL", "Ibrida", "Metano"};
const char *kColours[] = {"Bianco", "Nero metallizzato", "Grigio chiaro", "Rosso", "Blu notte", "Argento"};
const char *kStates[] = {"Ottimo", "Buono", "Discreto", "Utilizzabile", "Precario"};
const char *kSurnames[] = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo", "Ricci",
                           "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa",
                           "Giordano", "Rizzo", "Lombardi", "Moretti", "Barbieri", "Fontana", "Santoro"};
const char *kNames[] = {"Mario", "Luca", "Giulia", "Francesca", "Marco", "Alessandro", "Chiara", "Paolo",
                        "Sara", "Andrea", "Elena", "Giovanni", "Anna", "Stefano", "Martina"};
const char *kNotes[] = {"",
                        "",
                        "Disponibile dal 1 giugno al 15 settembre",
                        "In officina per tagliando fino a fine mese",
                        "Noleggio lungo termine, rientro previsto a dicembre",
                        "Gomme invernali montate; catene a bordo",
                        "Segnalato rumore ai freni: controllare prima della consegna",
                        "Libero nei fine settimana"};
const char *kFittings[] = {"Climatizzatore, navigatore, sensori di parcheggio", "Gancio traino, portapacchi",
                           "Climatizzatore", "Cruise control, Bluetooth, telecamera posteriore", ""};

QString Pick(QRandomGenerator &g, const char *const *items, int n) { return QString::fromUtf8(items[g.bounded(n)]); }
template <size_t N>
QString Pick(QRandomGenerator &g, const char *const (&items)[N]) {
    return Pick(g, items, int(N));
}

QString Letters(QRandomGenerator &g, int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'A' + g.bounded(26));
    return s;
}
QString Digits(QRandomGenerator &g, int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'0' + g.bounded(10));
    return s;
}
QString Date(QRandomGenerator &g) {
    return QStringLiteral("%1/%2/%3")
        .arg(1 + g.bounded(28), 2, 10, QChar('0'))
        .arg(1 + g.bounded(12), 2, 10, QChar('0'))
        .arg(2005 + g.bounded(20));
}

Record RandomVehicle(QRandomGenerator &g) {
    Record r(VehicleRecord);
    const Model &m = kModels[g.bounded(int(kModels.size()))];
    r.SetText("Veicolo", Pick(g, kTypes));
    r.SetText("Marca", QString::fromUtf8(m.make));
    r.SetText("Modello", QString::fromUtf8(m.models[g.bounded(int(m.models.size()))]));
    r.SetText("Colore", Pick(g, kColours));
    r.SetText("Alimentazione", Pick(g, kFuels));
    r.SetText("Targa", Letters(g, 2) + Digits(g, 3) + Letters(g, 2));
    r.SetText("Impianti", Pick(g, kFittings));
    r.SetText("Telaio", QStringLiteral("ZFA") + Letters(g, 3) + Digits(g, 11));
    r.SetText("Immatricolazione", Date(g));
    r.SetText("Cilindrata", QString::number(900 + 100 * g.bounded(20)));
    r.SetText("Cavalli", QString::number(50 + g.bounded(150)) + QStringLiteral(" kW"));
    r.SetText("DataAcq", Date(g));
    r.SetText("PrezzoAcq", QString::number(8000 + g.bounded(40000)) + QStringLiteral(",00"));
    r.SetText("Telepass", Digits(g, 10));
    r.SetText("Posti", QString::number(2 + g.bounded(8)));
    r.SetText("Viacard", Digits(g, 12));
    r.SetText("Litro", QString::number(8 + g.bounded(20)));
    r.SetText("Uso", QStringLiteral("Noleggio senza conducente"));
    r.SetText("Pneumatici", QStringLiteral("205/55 R16 91V"));
    r.SetText("Ambientale", QStringLiteral("Euro 6"));
    r.SetText("Officina", QStringLiteral("Libretto n. ") + Digits(g, 8) + QStringLiteral(", CdP n. ") + Digits(g, 8));
    r.SetText("Compagnia", QStringLiteral("Assicurazioni Generali"));
    if (g.bounded(5) == 0) r.SetText("Incidenti", QStringLiteral("Urto posteriore il ") + Date(g));
    r.SetText("Stato", Pick(g, kStates));
    r.SetText("Conducente", Pick(g, kSurnames) + u' ' + Pick(g, kNames));
    r.SetText("CodFisc", Letters(g, 6) + Digits(g, 2) + Letters(g, 1) + Digits(g, 2) + Letters(g, 1) +
                             Digits(g, 3) + Letters(g, 1));
    r.SetText("Recapito", QStringLiteral("3") + Digits(g, 2) + u' ' + Digits(g, 7));
    r.SetText("Disponibile", vel::YesNoText(g.bounded(2) == 0));
    r.SetText("Note", Pick(g, kNotes));
    if (g.bounded(3) == 0) {
        r.SetText("File01", QStringLiteral("Libretto_") + r.Text("Targa") + QStringLiteral(".pdf"));
        r.SetText("Desc01", QStringLiteral("Libretto di circolazione"));
    }
    return r;
}

class Archives {
public:
    static Archives &Get() {
        static Archives archives;
        return archives;
    }
    QString Path(int records) const { return dir_.path() + QStringLiteral("/Flotta_%1.pro").arg(records); }

private:
    Archives() {
        QRandomGenerator g(20260314);
        for (int n : kSizes) {
            vel::ArchiveFile archive;
            archive.OpenArchivePath(Path(n), VehicleRecord);
            for (int i = 0; i < n; ++i) archive.AppendRecord(RandomVehicle(g));
        }
    }
    QTemporaryDir dir_;
};

// Reading the file's bytes alone, in blocks of the archive's own size.
void BM_BareRead(benchmark::State &state) {
    const QString path = Archives::Get().Path(int(state.range(0)));
    QByteArray block(256 * 1024, '\0');
    qint64 total = 0;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("cannot open");
        qint64 got;
        while ((got = file.read(block.data(), block.size())) > 0) total += got;
        benchmark::DoNotOptimize(block.data());
    }
    state.SetBytesProcessed(total);
}

// The dialog's search: make "fiat" and fuel "diesel", lines built and sorted.
void Search(benchmark::State &state, std::vector<vel::Criterion> criteria) {
    const QString path = Archives::Get().Path(int(state.range(0)));
    qint64 listed = 0;
    for (auto _ : state) {
        const vel::CriteriaMatch match(VehicleRecord, criteria);
        QStringList lines;
        vel::CollectListLines(
            path, VehicleRecord, [&match](const Record &r) { return match.Matches(r); }, vel::VehicleListLine,
            lines);
        vel::SortListLines(lines);
        listed = lines.size();
        benchmark::DoNotOptimize(lines.constData());
    }
    state.counters["listed"] = double(listed);
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0) * VehicleRecord.Size());
}

void BM_SearchTwoCriteria(benchmark::State &state) {
    Search(state, {{"Marca", QStringLiteral("fiat")}, {"Alimentazione", QStringLiteral("diesel")}});
}

// The worst case for the lines: no criterion, every record listed.
void BM_SearchEverything(benchmark::State &state) { Search(state, {}); }

BENCHMARK(BM_BareRead)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoCriteria)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchEverything)->Arg(kSizes[0])->Arg(kSizes[1])->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration, so the ratios can be told at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            if (run.error_occurred) continue;
            // With repetitions the median stands for the benchmark.
            if (run.run_type == Run::RT_Iteration && !medians.count(run.run_name.str()))
                times[run.run_name.str()] = run.GetAdjustedRealTime();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times[run.run_name.str()] = run.GetAdjustedRealTime();
                medians.insert(run.run_name.str());
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::set<std::string> medians;
};

}  // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    Archives::Get();  // written once, before any timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool within = true;
    std::printf("\nsearch time / bare read time (allowed: %.1f)\n", kAllowedRatio);
    for (const char *search : {"BM_SearchTwoCriteria", "BM_SearchEverything"}) {
        for (int n : kSizes) {
            const std::string read = "BM_BareRead/" + std::to_string(n);
            const std::string name = std::string(search) + "/" + std::to_string(n);
            if (!reporter.times.count(read) || !reporter.times.count(name)) continue;
            const double ratio = reporter.times[name] / reporter.times[read];
            const bool bounded = std::string(search) == "BM_SearchTwoCriteria";
            if (bounded && ratio > kAllowedRatio) within = false;
            std::printf("  %-30s %6.2f%s\n", name.c_str(), ratio,
                        bounded ? (ratio > kAllowedRatio ? "  OVER" : "  ok") : "  (for information)");
        }
    }
    benchmark::Shutdown();
    return within ? 0 : 1;
}
