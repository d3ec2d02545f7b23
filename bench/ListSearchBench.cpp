// Times the search of the vehicle search dialog without its window: two
// criteria matched against every record, the lines of the listed records
// built and sorted, exactly as the dialog does it, against the bare read of
// the same file in blocks of the same size. The search must stay within three
// times the bare read.
#include <benchmark/benchmark.h>

#include "MedianReporter.h"

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

#include "FleetArchive.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/Records.h"

namespace {

using vel::Record;
using vel::VehicleRecord;

constexpr int kSizes[] = {1000, 50000};
constexpr double kAllowedRatio = 3.0;

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
        for (int n : kSizes) vel::bench::WriteFleetArchive(Path(n), n, g);
    }
    QTemporaryDir dir_;
};

// Reading the file's bytes alone, in blocks of the archive's own size.
void BM_BareRead(benchmark::State &state) {
    const QString path = Archives::Get().Path(int(state.range(0)));
    qint64 total = 0;
    for (auto _ : state) {
        const qint64 read = vel::bench::BareRead(path);
        if (read < 0) state.SkipWithError("cannot open");
        total += read;
    }
    state.SetBytesProcessed(total);
}

// The dialog's search: make "fiat" and fuel "diesel", lines built and sorted.
void Search(benchmark::State &state, std::vector<vel::Criterion> criteria) {
    const QString path = Archives::Get().Path(int(state.range(0)));
    qint64 listed = 0;
    for (auto _ : state) {
        const QStringList lines = vel::bench::SearchFleet(path, criteria);
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

}  // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    Archives::Get();  // written once, before any timing
    vel::bench::MedianReporter reporter;
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
