#pragma once
// What the register benchmarks (customers, bookings, contracts, fleet export)
// share: the floors they are measured against (the bare read of an archive,
// the plain write of an export's bytes), the search with every record listed,
// a result dialog's "Cerca" up to its list shown, the export's grid fill and
// write, the memory a fill adds, the export's questions answered as a user
// would, and the report of the ratios against their targets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <unistd.h>

#include "FleetArchive.h"
#include "MedianReporter.h"
#include "cards/ExportDialog.h"
#include "common/ListLines.h"
#include "common/Records.h"
#include "platform/MessageBox.h"

namespace vel::bench {

// How a register builds a record's list line (VehicleListLine, ...).
using ListLineFn = QString (*)(const Record &);

// The export's questions answered as a user who exports and does not open
// the file; any other box (a failure) is counted.
class ExportAnswers final : public MessageService {
public:
    MsgButton Show(MsgKind, const QString &text) override {
        if (text == ExportQuestion()) return MsgButton::Yes;
        if (text == ExportDoneQuestion()) return MsgButton::No;
        ++failures;
        return MsgButton::Ok;
    }
    int failures = 0;
};

// The process's resident size, in MB.
inline double ResidentMegabytes() {
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The MB that `fill` and the events that follow add to the process.
template <typename Fill>
double MegabytesAddedBy(Fill &&fill) {
    const double before = ResidentMegabytes();
    fill();
    QApplication::processEvents();
    return ResidentMegabytes() - before;
}

// The file's bytes, empty when it cannot be read.
inline QByteArray BytesOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The export made ready for timing: created, shown over an archive with no
// record (`toEmpty` points the program there) so that only the rows count,
// then filled from the full archive (`toFull`) with the MB that adds
// measured, and its .xls written once to `xls`, whose bytes go to `written`.
template <typename Export, typename ToEmpty, typename ToFull>
void PrepareExport(Export &dialog, ToEmpty &&toEmpty, ToFull &&toFull, const QString &xls, double &addedMegabytes,
                   QByteArray &written) {
    dialog.Create();
    toEmpty();
    dialog.Show();
    QApplication::processEvents();
    addedMegabytes = MegabytesAddedBy([&] {
        toFull();
        dialog.FormShow();
    });
    dialog.cmdEsportaClick();
    written = BytesOf(xls);
}

// A search dialog's own search without its window: the records of `layout`
// at `path` with no criterion, every one listed, lines built and sorted.
inline QStringList SearchEverything(const QString &path, const RecordLayout &layout, ListLineFn line) {
    const CriteriaMatch match(layout, {});
    QStringList lines;
    CollectListLines(
        path, layout, [&match](const Record &r) { return match.Matches(r); }, line, lines);
    SortListLines(lines);
    return lines;
}

// ---- the timed loops ---------------------------------------------------------

// The bare read of the archive at `path`, the floor of every scan.
inline void BareReadLoop(benchmark::State &state, const QString &path) {
    qint64 total = 0;
    for (auto _ : state) {
        const qint64 read = BareRead(path);
        if (read < 0) state.SkipWithError("cannot open");
        total += read;
    }
    state.SetBytesProcessed(total);
}

// The search with every record listed, without a window.
inline void SearchEverythingLoop(benchmark::State &state, const QString &path, const RecordLayout &layout,
                                 ListLineFn line) {
    qsizetype listed = 0;
    for (auto _ : state) {
        const QStringList lines = SearchEverything(path, layout, line);
        listed = lines.size();
        benchmark::DoNotOptimize(lines.constData());
    }
    state.counters["listed"] = double(listed);
}

// "Cerca" to the filled list shown: a new dialog from `make` for every
// search, as the program makes one for every search; making it, `prepare`
// (criteria typed, tag set) with its show, and destroying it are left out of
// the timing. `listed` receives the lines of the last search.
template <typename Make, typename Prepare>
void CercaToListShownLoop(benchmark::State &state, qsizetype &listed, Make &&make, Prepare &&prepare) {
    for (auto _ : state) {
        state.PauseTiming();
        auto dialog = make();
        dialog->Create();
        prepare(*dialog);
        QApplication::processEvents();
        state.ResumeTiming();

        dialog->btnCercaClick();
        QApplication::processEvents();

        state.PauseTiming();
        listed = dialog->lstRecords->count();
        if (!dialog->panContainer->isVisible()) state.SkipWithError("the result list was not shown");
        dialog->Close();
        dialog.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["listed"] = double(listed);
}

// The export's grid fill as its show makes it, with the first paint.
template <typename Export>
void ExportFillLoop(benchmark::State &state, Export &dialog) {
    for (auto _ : state) {
        dialog.FormShow();
        QApplication::processEvents();
    }
    state.counters["rows"] = double(dialog.grdRecords->rowCount());
}

// The export's .xls write through the spreadsheet picture; `written` is the
// size of what it writes.
template <typename Export>
void ExportWriteLoop(benchmark::State &state, Export &dialog, const QByteArray &written) {
    for (auto _ : state) dialog.cmdEsportaClick();
    state.SetBytesProcessed(int64_t(state.iterations()) * written.size());
    state.counters["MB"] = double(written.size()) / (1024.0 * 1024.0);
}

// A plain buffered write of the same bytes into `path`, beside it.
inline void PlainWriteLoop(benchmark::State &state, const QString &path, const QByteArray &written) {
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(written) != written.size())
            state.SkipWithError("cannot write");
        file.close();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * written.size());
}

// The same bytes as the export leaves them: written to a new file beside
// `path`, synced to the disk, renamed over `path`. What a write that is on
// the disk when it says so costs at the least, the disk's own time included;
// the plain write above reaches only the kernel's cache.
inline void DurableWriteLoop(benchmark::State &state, const QString &path, const QByteArray &written) {
    const QString fresh = path + QStringLiteral(".new");
    for (auto _ : state) {
        QFile file(fresh);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(written) != written.size() ||
            !file.flush() || fdatasync(file.handle()) != 0)
            state.SkipWithError("cannot write");
        file.close();
        if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) != 0)
            state.SkipWithError("cannot rename");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * written.size());
}

// ---- the report at the end -----------------------------------------------------

// The ratios against their targets, one line each; `within` falls when one
// is missed. A value below zero (not measured) is left out.
class Targets {
public:
    Targets(const MedianReporter &reporter, bool within, int width = 52)
        : reporter_(reporter), within_(within), width_(width) {}
    // A benchmark's time per iteration, -1 when it did not run.
    double Time(const char *name) const { return reporter_.Time(name); }
    void Check(const char *what, double value, double allowed) {
        if (value < 0) return;
        const bool ok = value <= allowed;
        within_ = within_ && ok;
        std::printf("  %-*s %7.2f  (allowed %.0f)%s\n", width_, what, value, allowed, ok ? "  ok" : "  OVER");
    }
    // The time of benchmark `part` over that of `floor`, when both ran.
    void CheckRatio(const char *what, const char *part, const char *floor, double allowed) {
        const double over = Time(floor), under = Time(part);
        if (over > 0 && under >= 0) Check(what, under / over, allowed);
    }
    // The export's three targets, from BM_ExportFill, BM_ExportWrite and
    // BM_PlainWrite: the fill against the search `search` with every record
    // listed (told as `fillWhat`), the write against the plain write, and
    // the MB the filled grid adds.
    void CheckExport(const char *fillWhat, const char *search, double addedMegabytes, double allowedFill,
                     double allowedWrite, double allowedMegabytes) {
        CheckRatio(fillWhat, "BM_ExportFill", search, allowedFill);
        CheckRatio(".xls write / plain write of the same bytes", "BM_ExportWrite", "BM_PlainWrite", allowedWrite);
        Check("MB added by the filled grid", addedMegabytes, allowedMegabytes);
        // No target: how much of the write is the disk's, where it was timed.
        const double durable = Time("BM_DurableWrite"), write = Time("BM_ExportWrite");
        if (durable > 0 && write >= 0)
            std::printf("  %-*s %7.2f  (no limit)\n", width_, ".xls write / same bytes synced and renamed", write / durable);
    }
    bool Within() const { return within_; }

private:
    const MedianReporter &reporter_;
    bool within_;
    int width_;
};

}  // namespace vel::bench
