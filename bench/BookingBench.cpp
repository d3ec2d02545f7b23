// Times the booking register's two scans as the user meets them, on Qt's
// offscreen platform with the real windows:
//
// - the yearly listing of a year of 10,000 bookings: the window shown, its
//   grid filled, sorted by pick-up and laid out, against the bare read of the
//   same file; it must stay within 0.5 s;
// - the booking search over an archive of 50,000 bookings: "Cerca" with no
//   criterion, every booking listed, up to the filled list shown, against the
//   bare read of that file; it must stay within three times the bare read.
//
// The program exits with 1 when a target is missed or a message box shows.
#include <benchmark/benchmark.h>

#include "FleetArchive.h"
#include "RegisterBench.h"

#include <QApplication>
#include <QDate>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "bookings/Prenotazioni.h"
#include "bookings/RiepAnnualePren.h"
#include "bookings/TrovaPrenotazioni.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/TextRules.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace {

using namespace vel;

constexpr int kYearBookings = 10000, kSearchBookings = 50000;
constexpr int kListingYear = 2024, kSearchYear = 2025;
constexpr double kListingLimitMs = 500.0;
constexpr double kAllowedSearchRatio = 3.0;

const char *const kMonths[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                               "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
const char *const kBranches[] = {"Roma", "Milano", "Napoli", "Torino", "Bologna", "Firenze", "Bari"};

class FailureCount final : public MessageService {
public:
    MsgButton Show(MsgKind, const QString &) override {
        ++failures;
        return MsgButton::Ok;
    }
    int failures = 0;
};

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// A booking as the card saves it, picked up on a day of `year` drawn from
// the generator and returned up to a week later within the year.
Record RandomBooking(QRandomGenerator &g, int year) {
    using namespace vel::bench;
    const QDate first(year, 1, 1);
    const QDate pickUp = first.addDays(g.bounded(first.daysInYear() - 7));
    const QDate back = pickUp.addDays(g.bounded(8));
    Record r(BookingRecord);
    const auto side = [&](const char *suffix, const QDate &day) {
        const std::string s(suffix);
        const QString hours = TwoDigits(7 + g.bounded(13)), minutes = TwoDigits(15 * g.bounded(4));
        r.SetText(std::string("Giorno") + s, TwoDigits(day.day()));
        r.SetText(std::string("Mese") + s, QString::fromLatin1(kMonths[day.month() - 1]));
        r.SetText(std::string("Anno") + s, QString::number(year));
        r.SetText(std::string("Data") + s, FormatDateText(day));
        r.SetText(std::string("Ore") + s, hours);
        r.SetText(std::string("Minuti") + s, minutes);
        r.SetText(std::string("Ora") + s, hours + u':' + minutes);
        r.SetText(std::string("Sede") + s, Pick(g, kBranches));
    };
    side("Rit", pickUp);
    side("Ric", back);
    const Model &m = kModels[g.bounded(int(kModels.size()))];
    r.SetText("Veicolo", Pick(g, kTypes));
    r.SetText("Marca", QString::fromUtf8(m.make));
    r.SetText("Modello", QString::fromUtf8(m.models[g.bounded(int(m.models.size()))]));
    r.SetText("Colore", Pick(g, kColours));
    r.SetText("Posti", QString::number(2 + g.bounded(8)));
    r.SetText("Targa", Letters(g, 2) + Digits(g, 3) + Letters(g, 2));
    r.SetText("Alimentazione", Pick(g, kFuels));
    const QString surname = Pick(g, kSurnames), name = Pick(g, kNames);
    r.SetText("Cliente", surname + u' ' + name);
    r.SetText("CodFisc", Letters(g, 6) + Digits(g, 2) + Letters(g, 1) + Digits(g, 2) + Letters(g, 1) +
                             Digits(g, 3) + Letters(g, 1));
    r.SetText("Recapito", QStringLiteral("3") + Digits(g, 2) + u' ' + Digits(g, 7));
    r.SetText("TelCel", QStringLiteral("3") + Digits(g, 2) + u' ' + Digits(g, 7));
    r.SetText("Email", surname.toLower().remove(u' ') + u'.' + name.toLower() + QStringLiteral("@example.it"));
    return r;
}

QString ArchiveOf(int year) { return ProgramPath(QString::number(year) + QStringLiteral(".car")); }

void WriteBookings(int year, int count, QRandomGenerator &g) {
    ArchiveFile archive;
    archive.OpenArchivePath(ArchiveOf(year), BookingRecord);
    for (int i = 0; i < count; ++i) archive.AppendRecord(RandomBooking(g, year));
}

class Setup {
public:
    static Setup &Get() {
        static Setup setup;
        return setup;
    }
    // The booking card the dialogs read their archive and year from.
    void OpenYear(int year) {
        frmPrenotazioni->lblFile->setText(ArchiveOf(year));
        frmPrenotazioni->lblAnnoRit->setText(QString::number(year));
    }
    FailureCount boxes;
    int listingRows = -1;
    qsizetype listed = -1;

private:
    Setup() {
        SetProgramFolder(dir_.path());
        QRandomGenerator g(20260314);
        WriteBookings(kListingYear, kYearBookings, g);
        WriteBookings(kSearchYear, kSearchBookings, g);
        SetMessageService(&boxes);
        card_ = std::make_unique<TfrmPrenotazioni>();
        frmPrenotazioni = card_.get();
    }
    QTemporaryDir dir_;
    std::unique_ptr<TfrmPrenotazioni> card_;
};

void BM_BareReadYear(benchmark::State &state) { bench::BareReadLoop(state, ArchiveOf(kListingYear)); }

// The yearly listing shown: a new window each time, as the card makes one;
// making and destroying it are left out of the timing.
void BM_YearlyListingShown(benchmark::State &state) {
    Setup &setup = Setup::Get();
    setup.OpenYear(kListingYear);
    for (auto _ : state) {
        state.PauseTiming();
        auto listing = std::make_unique<TfrmRiepAnnualePren>();
        listing->Create();
        QApplication::processEvents();
        state.ResumeTiming();

        listing->Show();
        QApplication::processEvents();

        state.PauseTiming();
        setup.listingRows = listing->grdRecords->rowCount();
        listing->Close();
        listing.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(setup.listingRows);
}

void BM_BareReadSearch(benchmark::State &state) { bench::BareReadLoop(state, ArchiveOf(kSearchYear)); }

// The search without its window, for information: the lines of every
// booking built, then sorted.
void BM_BookingLinesBuilt(benchmark::State &state) {
    const QString path = ArchiveOf(kSearchYear);
    for (auto _ : state) {
        QStringList lines;
        CollectListLines(path, BookingRecord, {}, BookingListLine, lines);
        benchmark::DoNotOptimize(lines.constData());
    }
}

void BM_BookingLinesBuiltAndSorted(benchmark::State &state) {
    const QString path = ArchiveOf(kSearchYear);
    for (auto _ : state) {
        QStringList lines;
        CollectListLines(path, BookingRecord, {}, BookingListLine, lines);
        SortListLines(lines);
        benchmark::DoNotOptimize(lines.constData());
    }
}

// "Cerca" with no criterion to the filled list shown.
void BM_BookingCercaToListShown(benchmark::State &state) {
    Setup &setup = Setup::Get();
    setup.OpenYear(kSearchYear);
    bench::CercaToListShownLoop(
        state, setup.listed, [] { return std::make_unique<TfrmTrovaPrenotazioni>(); },
        [](TfrmTrovaPrenotazioni &dialog) { dialog.Show(); });
}

BENCHMARK(BM_BareReadYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearlyListingShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareReadSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BookingLinesBuilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BookingLinesBuiltAndSorted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BookingCercaToListShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRendering();
    QApplication app(argc, argv);
    InitPlatform();
    benchmark::Initialize(&argc, argv);
    Setup &setup = Setup::Get();  // the archives written once, before any timing
    vel::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto time = [&reporter](const char *name) { return reporter.Time(name); };
    bool within = !reporter.failed && setup.boxes.failures == 0 &&
                  (setup.listingRows < 0 || setup.listingRows == kYearBookings) &&
                  (setup.listed < 0 || setup.listed == kSearchBookings);
    if (!within)
        std::printf("\na scan failed (%d boxes, %d rows listed, %lld lines found)\n", setup.boxes.failures,
                    setup.listingRows, static_cast<long long>(setup.listed));

    const double yearRead = time("BM_BareReadYear"), listing = time("BM_YearlyListingShown");
    if (listing > 0) {
        const bool ok = listing <= kListingLimitMs;
        within = within && ok;
        std::printf("\nyearly listing of %d bookings shown and sorted: %.1f ms (allowed %.0f ms)%s\n", kYearBookings,
                    listing, kListingLimitMs, ok ? "  ok" : "  OVER");
        if (yearRead > 0) std::printf("  %-40s %8.1f  (for information)\n", "time / bare read time", listing / yearRead);
    }
    const double searchRead = time("BM_BareReadSearch"), shown = time("BM_BookingCercaToListShown");
    if (searchRead > 0 && shown > 0) {
        const bool ok = shown / searchRead <= kAllowedSearchRatio;
        within = within && ok;
        std::printf("\nbooking search over %d bookings; time / bare read time\n", kSearchBookings);
        for (const auto &[name, label] : {std::pair{"BM_BookingLinesBuilt", "lines built, for information"},
                                          std::pair{"BM_BookingLinesBuiltAndSorted", "lines built and sorted, for information"}})
            if (const double t = time(name); t > 0) std::printf("  %-40s %6.2f\n", label, t / searchRead);
        std::printf("  %-40s %6.2f  (allowed %.1f)%s\n", "\"Cerca\" to the filled list shown", shown / searchRead,
                    kAllowedSearchRatio, ok ? "  ok" : "  OVER");
    }
    benchmark::Shutdown();
    SetMessageService(nullptr);
    return within ? 0 : 1;
}
