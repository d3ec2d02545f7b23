// Times the vehicle search as the user meets it, on Qt's offscreen platform
// with the real dialog, over a vehicle archive of 50,000 records:
//
// - "Cerca" with no criterion, so that every record is listed, up to the
//   filled list shown: the search, the lines sorted, the dialog's list filled,
//   and the events that follow (the list's layout and first paint included);
// - against the bare read of the same file in blocks of 256 KiB.
//
// The search to the list shown must stay within three times the bare read;
// the program exits with 1 when it does not. The search without its window is
// timed beside them, for information.
//
// The pick is timed too, where it costs most: 40,000 vehicles that give the
// same line, the double-click on it up to the vehicle card loaded with the
// last of them, against the bare read of that archive (for information).
#include <benchmark/benchmark.h>

#include "MedianReporter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "FleetArchive.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "fleet/Flotta.h"
#include "fleet/TrovaFlotta.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace {

using namespace vel;

constexpr int kRecords = 50000;
constexpr int kIdentical = 40000;
constexpr double kAllowedRatio = 3.0;

// Any box shown during the timing is a failure of the search.
class FailureCount final : public MessageService {
public:
    MsgButton Show(MsgKind, const QString &) override {
        ++failures;
        return MsgButton::Ok;
    }
    int failures = 0;
};

class Setup {
public:
    static Setup &Get() {
        static Setup setup;
        return setup;
    }
    QString Archive() const { return ProgramPath(FleetArchiveName()); }
    // The folder whose vehicle archive holds kIdentical copies of one vehicle.
    QString IdenticalFolder() const { return identical_.path(); }
    QString MainFolder() const { return dir_.path(); }
    FailureCount boxes;
    qsizetype listed = -1;
    QString picked;  // the record number the card showed after the last pick

private:
    Setup() {
        SetProgramFolder(dir_.path());
        QRandomGenerator g(20260314);
        bench::WriteFleetArchive(Archive(), kRecords, g);
        const Record vehicle = bench::RandomVehicle(g);
        ArchiveFile archive;
        archive.OpenArchivePath(identical_.filePath(FleetArchiveName()), VehicleRecord);
        for (int i = 0; i < kIdentical; ++i) archive.AppendRecord(vehicle);
        archive.CloseArchive();
        SetMessageService(&boxes);
    }
    QTemporaryDir dir_, identical_;
};

// Reading the file's bytes alone, in blocks of the size the archive reads.
void BM_BareRead(benchmark::State &state) {
    const QString path = Setup::Get().Archive();
    qint64 total = 0;
    for (auto _ : state) {
        const qint64 read = bench::BareRead(path);
        if (read < 0) state.SkipWithError("cannot open");
        total += read;
    }
    state.SetBytesProcessed(total);
}

// The search alone, as the dialog makes it, without the window.
void BM_SearchEverything(benchmark::State &state) {
    const QString path = Setup::Get().Archive();
    for (auto _ : state) {
        const QStringList lines = bench::SearchFleet(path);
        benchmark::DoNotOptimize(lines.constData());
    }
}

// "Cerca" to the filled list shown: a new dialog for every search, as the
// program makes one for every search; making, showing and destroying it are
// left out of the timing.
void BM_CercaToListShown(benchmark::State &state) {
    Setup &setup = Setup::Get();
    for (auto _ : state) {
        state.PauseTiming();
        auto dialog = std::make_unique<TfrmTrovaFlotta>();
        dialog->Create();
        dialog->Show();
        QApplication::processEvents();
        state.ResumeTiming();

        dialog->btnCercaClick();
        QApplication::processEvents();

        state.PauseTiming();
        setup.listed = dialog->lstRecords->count();
        if (!dialog->panContainer->isVisible()) state.SkipWithError("the result list was not shown");
        dialog->Close();
        dialog.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["listed"] = double(setup.listed);
}

// The bare read of the archive of identical vehicles.
void BM_BareReadIdentical(benchmark::State &state) {
    const QString path = QDir(Setup::Get().IdenticalFolder()).filePath(FleetArchiveName());
    for (auto _ : state) benchmark::DoNotOptimize(bench::BareRead(path));
}

// The double-click on a line that all kIdentical vehicles give, with the tag
// of the vehicle card, up to the card loaded; the search before it is left
// out of the timing.
void BM_PickAmongIdenticalLines(benchmark::State &state) {
    Setup &setup = Setup::Get();
    SetProgramFolder(setup.IdenticalFolder());
    for (auto _ : state) {
        state.PauseTiming();
        auto dialog = std::make_unique<TfrmTrovaFlotta>();
        dialog->Create();
        dialog->lblMemory->setText(QStringLiteral("flotta"));
        dialog->Show();
        dialog->btnCercaClick();
        dialog->lstRecords->setCurrentRow(0);
        QApplication::processEvents();
        frmFlotta->lblPosizione->clear();
        state.ResumeTiming();

        dialog->lstRecordsDblClick();
        QApplication::processEvents();

        state.PauseTiming();
        setup.picked = frmFlotta->lblPosizione->text();
        dialog.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    SetProgramFolder(setup.MainFolder());
}

BENCHMARK(BM_BareRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchEverything)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CercaToListShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareReadIdentical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PickAmongIdenticalLines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRendering();
    QApplication app(argc, argv);
    InitPlatform();
    benchmark::Initialize(&argc, argv);
    Setup &setup = Setup::Get();  // the archives written once, before any timing
    frmFlotta = new TfrmFlotta();  // the card the pick loads
    frmFlotta->Create();
    vel::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto time = [&reporter](const char *name) { return reporter.Time(name); };
    bool within = setup.boxes.failures == 0 && (setup.listed < 0 || setup.listed == kRecords);
    if (!within) std::printf("\nthe search failed (%d boxes, %lld lines listed)\n", setup.boxes.failures,
                             static_cast<long long>(setup.listed));
    const double read = time("BM_BareRead");
    std::printf("\n%d records; time / bare read time\n", kRecords);
    if (read > 0) {
        const double search = time("BM_SearchEverything"), shown = time("BM_CercaToListShown");
        if (search > 0) std::printf("  %-40s %6.2f  (for information)\n", "search alone, every record listed", search / read);
        if (shown > 0) {
            const bool ok = shown / read <= kAllowedRatio;
            within = within && ok;
            std::printf("  %-40s %6.2f  (allowed %.1f)%s\n", "\"Cerca\" to the filled list shown", shown / read,
                        kAllowedRatio, ok ? "  ok" : "  OVER");
        }
    }
    const double identical = time("BM_BareReadIdentical"), pick = time("BM_PickAmongIdenticalLines");
    if (identical > 0 && pick > 0) {
        std::printf("\n%d identical lines; time / bare read time\n", kIdentical);
        std::printf("  %-40s %6.2f  (for information; %.1f ms)\n", "the pick, up to the card loaded", pick / identical,
                    pick);
        if (setup.picked != QString::number(kIdentical)) {
            std::printf("  the pick loaded record %s, not the last\n", qPrintable(setup.picked));
            within = false;
        }
    }
    delete frmFlotta;
    frmFlotta = nullptr;
    benchmark::Shutdown();
    SetMessageService(nullptr);
    return within ? 0 : 1;
}
