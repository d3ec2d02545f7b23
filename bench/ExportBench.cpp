// Times the fleet export over a vehicle archive of 50,000 records, on Qt's
// offscreen platform, with the real dialog:
//
// - the fill of its grid as the dialog's show makes it, with the events that
//   follow (the grid's first paint included), against the search of the
//   vehicle search dialog with every record listed (criteria match, lines
//   built, lines sorted): at most 5 times that search;
// - the .xls write of the filled grid through the spreadsheet picture, the
//   questions answered as a user would, against a plain buffered write of the
//   very same bytes into the same folder: at most 3 times that write;
// - the memory the filled grid adds to the process (resident size before and
//   after the fill): at most 100 MB.
//
// The program exits with 1 when any of the three is missed. It also tells,
// with no target, the write against the same bytes synced to the disk and
// renamed into place, as the export leaves its file.
#include <benchmark/benchmark.h>

#include "RegisterBench.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

#include "FleetArchive.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "fleet/ExpFlotta.h"
#include "fleet/TrovaFlotta.h"
#include "platform/MessageBox.h"

namespace {

using namespace vel;

constexpr int kRecords = 50000;
constexpr double kAllowedFillOverSearch = 5.0;
constexpr double kAllowedWriteOverPlain = 3.0;
constexpr double kAllowedMegabytes = 100.0;

// The dialog's show handler, reachable from here.
class FleetExport : public TfrmExpFlotta {
public:
    using TfrmExpFlotta::FormShow;
};

class Setup {
public:
    static Setup &Get() {
        static Setup setup;
        return setup;
    }
    QString Archive() const { return ProgramPath(FleetArchiveName()); }
    QString Xls() const { return ProgramPath(QStringLiteral("Flotta_Automezzi.xls")); }
    QString Plain() const { return ProgramPath(QStringLiteral("Copia.xls")); }
    FleetExport &Dialog() { return *dialog_; }
    // The dialog goes before the application object does.
    void Release() {
        dialog_.reset();
        SetMessageService(nullptr);
    }
    bench::ExportAnswers answers;
    double addedMegabytes = -1;
    QByteArray written;  // the export's bytes, for the plain write

private:
    Setup() {
        SetProgramFolder(dir_.path());
        QRandomGenerator g(20260611);
        bench::WriteFleetArchive(Archive(), kRecords, g);
        SetMessageService(&answers);
        dialog_ = std::make_unique<FleetExport>();
        // The memory the filled grid holds: the dialog is shown over an empty
        // folder first, so only the rows count.
        bench::PrepareExport(
            *dialog_, [this] { SetProgramFolder(empty_.path()); }, [this] { SetProgramFolder(dir_.path()); }, Xls(),
            addedMegabytes, written);
    }
    QTemporaryDir dir_, empty_;
    std::unique_ptr<FleetExport> dialog_;
};

// (a) The vehicle search with no criterion: every record listed.
void BM_SearchEverything(benchmark::State &state) {
    bench::SearchEverythingLoop(state, Setup::Get().Archive(), VehicleRecord, VehicleListLine);
}

// (b) The export dialog's fill, as its show makes it, and the first paint.
void BM_ExportFill(benchmark::State &state) { bench::ExportFillLoop(state, Setup::Get().Dialog()); }

// (c) The spreadsheet picture: the grid written to "Flotta_Automezzi.xls".
void BM_ExportWrite(benchmark::State &state) {
    Setup &setup = Setup::Get();
    bench::ExportWriteLoop(state, setup.Dialog(), setup.written);
}

// (d) A plain buffered write of the same bytes, beside it.
void BM_PlainWrite(benchmark::State &state) {
    Setup &setup = Setup::Get();
    bench::PlainWriteLoop(state, setup.Plain(), setup.written);
}

// (e) The same bytes synced to the disk and renamed over a former copy, as
// the export leaves its file: no target, it tells the disk's share.
void BM_DurableWrite(benchmark::State &state) {
    Setup &setup = Setup::Get();
    bench::DurableWriteLoop(state, setup.Plain(), setup.written);
}

BENCHMARK(BM_SearchEverything)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DurableWrite)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Setup &setup = Setup::Get();  // archive written, grid filled and written once, before any timing
    vel::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    bench::Targets targets(reporter, setup.answers.failures == 0 && !setup.written.isEmpty(), 48);
    if (!targets.Within()) std::printf("\nthe export failed (%d failure boxes)\n", setup.answers.failures);
    std::printf("\n%d records, file of %.1f MB\n", kRecords, double(setup.written.size()) / (1024.0 * 1024.0));
    targets.CheckExport("grid fill / search with every record listed", "BM_SearchEverything", setup.addedMegabytes,
                        kAllowedFillOverSearch, kAllowedWriteOverPlain, kAllowedMegabytes);
    benchmark::Shutdown();
    setup.Release();
    return targets.Within() ? 0 : 1;
}
