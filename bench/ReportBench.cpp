// Times the "Stampa" of the vehicle search with every vehicle listed: the
// list report "Riepilogo parco automezzi" filled with the lines, prepared and
// handed to the print dialog, through the very routine the dialog's "Stampa"
// calls: all that the window waits for before the print dialog shows. The
// print dialog stands in as a printer that takes the job at once; the pages
// are painted later, as the printer reaches them, and are not timed here.
// Against it, in the same run, the search that
// listed those lines, as the dialog makes it: criteria match, lines built,
// lines sorted.
//
// The preparation must grow with the lines alone: 50,000 lines within 12
// times 5,000 lines, and within 10 times the search that listed them. The
// times for 1,000 to 8,000 lines show the growth along the way.
#include <benchmark/benchmark.h>

#include "MedianReporter.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "FleetArchive.h"
#include "cards/ListReport.h"
#include "common/ListLines.h"
#include "common/Records.h"
#include "platform/Services.h"

namespace {

using vel::Record;
using vel::VehicleRecord;

constexpr int kArchives[] = {5000, 50000};
// Lists cut from the 50,000 lines, for the growth along the way.
constexpr int kShorter[] = {1000, 2000, 4000, 8000};
constexpr double kAllowedGrowth = 12.0;  // 50,000 lines over 5,000
constexpr double kAllowedOverSearch = 10.0;
const QString kTitle = QStringLiteral("Riepilogo parco automezzi");

// The print dialog, accepted at once: the job is handed over and no page is
// painted.
class AcceptingPrinter final : public vel::PrintService {
public:
    bool Print(QWidget *, const vel::PrintJob &job) override {
        pages = job.pages.size();
        return true;
    }
    void Preview(QWidget *, const vel::PrintJob &) override {}
    qsizetype pages = 0;
};

// The search of the vehicle search dialog with no criterion: every record
// listed.
QStringList SearchEverything(const QString &path) { return vel::bench::SearchFleet(path); }

class Archives {
public:
    static Archives &Get() {
        static Archives archives;
        return archives;
    }
    QString Path(int records) const { return dir_.path() + QStringLiteral("/Flotta_%1.pro").arg(records); }
    // The sorted lines of every vehicle of the archive, or the first `count`
    // lines of the largest one.
    const QStringList &Lines(int count) const { return lines_.at(count); }

private:
    Archives() {
        QRandomGenerator g(20260507);
        for (int n : kArchives) {
            vel::bench::WriteFleetArchive(Path(n), n, g);
            lines_[n] = SearchEverything(Path(n));
        }
        for (int n : kShorter) lines_[n] = lines_.at(kArchives[1]).mid(0, n);
    }
    QTemporaryDir dir_;
    std::map<int, QStringList> lines_;
};

void BM_SearchEverything(benchmark::State &state) {
    const QString path = Archives::Get().Path(int(state.range(0)));
    qsizetype listed = 0;
    for (auto _ : state) {
        QStringList lines = SearchEverything(path);
        listed = lines.size();
        benchmark::DoNotOptimize(lines.constData());
    }
    state.counters["listed"] = double(listed);
}

// "Stampa": template, fill, preparation, the job for the print dialog.
void BM_ListReport(benchmark::State &state) {
    const QStringList &lines = Archives::Get().Lines(int(state.range(0)));
    AcceptingPrinter printer;
    vel::SetPrintService(&printer);
    for (auto _ : state) vel::ListReport(nullptr, kTitle, lines);
    vel::SetPrintService(nullptr);
    state.counters["lines"] = double(lines.size());
    state.counters["pages"] = double(printer.pages);
}

BENCHMARK(BM_SearchEverything)->Arg(kArchives[0])->Arg(kArchives[1])->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListReport)
    ->Arg(kShorter[0])
    ->Arg(kShorter[1])
    ->Arg(kShorter[2])
    ->Arg(kArchives[0])
    ->Arg(kShorter[3])
    ->Arg(kArchives[1])
    ->Unit(benchmark::kMillisecond);

std::string Name(const char *benchmark, int n) { return std::string(benchmark) + "/" + std::to_string(n); }

}  // namespace

int main(int argc, char **argv) {
    // Pages are drawn with the report's fonts: the offscreen platform gives
    // them without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Unless told otherwise: seven repetitions in random order, so that a
    // machine busy for a while weighs on the short and the long lists alike,
    // and the median of each stands for it.
    std::vector<char *> args(argv, argv + argc);
    static char repetitions[] = "--benchmark_repetitions=7";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    for (char *option : {repetitions, interleaving}) {
        const std::string name = std::string(option).substr(0, std::string(option).find('='));
        const auto given = [&name](const char *arg) { return std::string(arg).rfind(name, 0) == 0; };
        if (std::none_of(args.begin() + 1, args.end(), given)) {
            args.push_back(option);
            if (option == repetitions) args.push_back(aggregates);
        }
    }
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    Archives::Get();  // written and listed once, before any timing
    {
        // Fonts and width tables are loaded once per process, not per print.
        AcceptingPrinter printer;
        vel::SetPrintService(&printer);
        vel::ListReport(nullptr, kTitle, Archives::Get().Lines(kShorter[0]));
        vel::SetPrintService(nullptr);
    }
    vel::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto time = [&reporter](const std::string &name) { return reporter.Time(name); };
    bool within = true;
    auto check = [&within](const char *what, double ratio, double allowed) {
        if (ratio < 0) return;
        const bool ok = ratio <= allowed;
        within = within && ok;
        std::printf("  %-52s %6.2f  (allowed %.0f)%s\n", what, ratio, allowed, ok ? "  ok" : "  OVER");
    };
    const double small = time(Name("BM_ListReport", kArchives[0])), large = time(Name("BM_ListReport", kArchives[1]));
    const double search = time(Name("BM_SearchEverything", kArchives[1]));
    std::printf("\nlist report, time per line (ms per 1,000 lines)\n");
    std::vector<int> sizes(std::begin(kShorter), std::end(kShorter));
    sizes.insert(sizes.end(), std::begin(kArchives), std::end(kArchives));
    std::sort(sizes.begin(), sizes.end());
    for (int n : sizes)
        if (const double t = time(Name("BM_ListReport", n)); t >= 0)
            std::printf("  %6d lines  %9.1f ms  %6.2f\n", n, t, t / n * 1000);
    std::printf("\nratios\n");
    if (small > 0 && large >= 0) check("list report, 50,000 lines / 5,000 lines", large / small, kAllowedGrowth);
    if (search > 0 && large >= 0)
        check("list report of 50,000 lines / search that listed them", large / search, kAllowedOverSearch);
    benchmark::Shutdown();
    return within ? 0 : 1;
}
