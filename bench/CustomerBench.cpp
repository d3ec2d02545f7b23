// Times the customer registry's lists over a customer archive of 50,000
// records, on Qt's offscreen platform, with the real dialogs:
//
// - the customer search's "Cerca" up to the filled list shown (the search,
//   the lines sorted, the dialog's list filled, the events that follow with
//   the list's layout and first paint), once with two criteria and once with
//   every record listed, against the bare read of the same file in blocks of
//   256 KiB: at most 3 times that read;
// - the customer export's grid fill as its show makes it (first paint
//   included) against the search with every record listed (criteria match,
//   lines built, lines sorted, no window): at most 5 times that search;
// - the export's .xls write through the spreadsheet picture, the questions
//   answered as a user would, against a plain buffered write of the very
//   same bytes into the same folder: at most 3 times that write;
// - the memory the filled grid adds to the process (resident size before and
//   after the fill): at most 100 MB.
//
// The program exits with 1 when any of them is missed.
#include <benchmark/benchmark.h>

#include "RegisterBench.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "FleetArchive.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "customers/ExpClienti.h"
#include "customers/TrovaClienti.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace {

using namespace vel;
using bench::Date;
using bench::Digits;
using bench::Letters;
using bench::Pick;

constexpr int kRecords = 50000;
constexpr double kAllowedCercaOverRead = 3.0;
constexpr double kAllowedFillOverSearch = 5.0;
constexpr double kAllowedWriteOverPlain = 3.0;
constexpr double kAllowedMegabytes = 100.0;

// The two criteria of the narrow search: a surname and a town, as a user
// looking for one customer types them.
const char *const kSurnameCriterion = "ross";
const char *const kTownCriterion = "roma";

const char *const kTowns[][2] = {{"Roma", "RM"},   {"Milano", "MI"},  {"Napoli", "NA"}, {"Torino", "TO"},
                                 {"Bologna", "BO"}, {"Firenze", "FI"}, {"Bari", "BA"},   {"Viterbo", "VT"},
                                 {"Frascati", "RM"}, {"Monza", "MB"},  {"Pesaro", "PU"}, {"Forlì", "FC"}};
const char *const kStreets[] = {"Via Roma", "Via Garibaldi", "Corso Italia", "Piazza Mazzini", "Viale Europa",
                                "Via dei Mille", "Largo Cavour"};
const char *const kCompanies[] = {"", "", "", "Trasporti", "Costruzioni", "Servizi", "Catering", "Edilizia"};
const char *const kLicences[] = {"B", "B", "A, B", "B, C", "B, C, D", "AM"};
const char *const kOffices[] = {"Motorizzazione Civile di Roma", "Prefettura di Milano",
                                "Motorizzazione Civile di Napoli", "UCO Torino"};
const char *const kQuestions[] = {"", "", "", "", "Deposito cauzionale da restituire", "Fattura da contestare",
                                  "Danno alla carrozzeria da quantificare"};
const char *const kNotes[] = {"", "", "Cliente abituale", "Preferisce essere contattato la sera",
                              "Chiede sempre il seggiolino", "Pagamento con bonifico anticipato"};

Record RandomCustomer(QRandomGenerator &g) {
    Record r(CustomerRecord);
    const QString surname = Pick(g, bench::kSurnames), name = Pick(g, bench::kNames);
    const auto &town = kTowns[g.bounded(int(std::size(kTowns)))];
    const auto &birth = kTowns[g.bounded(int(std::size(kTowns)))];
    r.SetText("Cognome", surname);
    r.SetText("Nome", name);
    const QString company = Pick(g, kCompanies);
    if (!company.isEmpty()) r.SetText("Ditta", surname + u' ' + company + QStringLiteral(" S.r.l."));
    r.SetText("Sesso", g.bounded(2) ? QStringLiteral("M") : QStringLiteral("F"));
    r.SetText("Recapito", QStringLiteral("3") + Digits(g, 2) + u' ' + Digits(g, 7));
    r.SetText("IndirizzoRes", Pick(g, kStreets) + u' ' + QString::number(1 + g.bounded(200)));
    r.SetText("ProvRes", QString::fromUtf8(town[1]));
    r.SetText("ComuneRes", QString::fromUtf8(town[0]));
    r.SetText("CapRes", QStringLiteral("00") + Digits(g, 3));
    r.SetText("DataNasc", Date(g));
    r.SetText("ComuneNasc", QString::fromUtf8(birth[0]));
    r.SetText("ProvNasc", QString::fromUtf8(birth[1]));
    r.SetText("TelCasa", QStringLiteral("06 ") + Digits(g, 7));
    if (g.bounded(3) == 0) r.SetText("TelUff", QStringLiteral("02 ") + Digits(g, 7));
    r.SetText("TelCel", QStringLiteral("3") + Digits(g, 2) + u' ' + Digits(g, 7));
    if (g.bounded(4) == 0) r.SetText("Pec", surname.toLower() + QStringLiteral("@pec.example.it"));
    r.SetText("Email", name.toLower() + u'.' + surname.toLower() + QStringLiteral("@example.it"));
    r.SetText("CodFisc", Letters(g, 6) + Digits(g, 2) + Letters(g, 1) + Digits(g, 2) + Letters(g, 1) +
                             Digits(g, 3) + Letters(g, 1));
    r.SetText("Carta", Digits(g, 4) + u' ' + Digits(g, 4) + u' ' + Digits(g, 4) + u' ' + Digits(g, 4));
    r.SetText("ScadeCarta", QStringLiteral("%1/20%2").arg(1 + g.bounded(12), 2, 10, QChar('0')).arg(26 + g.bounded(6)));
    if (!company.isEmpty()) r.SetText("PartitaIva", Digits(g, 11));
    r.SetText("Iban", QStringLiteral("IT") + Digits(g, 2) + Letters(g, 1) + Digits(g, 22));
    r.SetText("TipoPat", Pick(g, kLicences));
    r.SetText("NumPat", Letters(g, 2) + Digits(g, 7) + Letters(g, 1));
    r.SetText("EnteRil", Pick(g, kOffices));
    r.SetText("DataRil", Date(g));
    r.SetText("DataSca", Date(g));
    if (g.bounded(5) == 0) r.SetText("Conducente", Pick(g, bench::kSurnames) + u' ' + Pick(g, bench::kNames));
    const QString questions = Pick(g, kQuestions);
    r.SetText("Questioni", questions);
    r.SetText("Note", Pick(g, kNotes));
    if (g.bounded(3) == 0) r.SetText("CodiceDest", Letters(g, 7));
    r.SetText("Ricontatta", YesNoText(!questions.isEmpty()));
    if (g.bounded(3) == 0) {
        r.SetText("File01", QStringLiteral("Patente_") + surname + QStringLiteral(".pdf"));
        r.SetText("Desc01", QStringLiteral("Patente di guida"));
    }
    return r;
}

// The export's show handler, reachable from here.
class CustomerExport : public TfrmExpClienti {
public:
    using TfrmExpClienti::FormShow;
};

class Setup {
public:
    static Setup &Get() {
        static Setup setup;
        return setup;
    }
    QString Archive() const { return ProgramPath(CustomerArchiveName()); }
    QString Xls() const { return ProgramPath(QStringLiteral("Clienti.xls")); }
    QString Plain() const { return ProgramPath(QStringLiteral("Copia.xls")); }
    CustomerExport &Export() { return *export_; }
    // The dialog goes before the application object does.
    void Release() {
        export_.reset();
        SetMessageService(nullptr);
    }
    bench::ExportAnswers answers;
    double addedMegabytes = -1;
    QByteArray written;  // the export's bytes, for the plain write
    qsizetype listedNarrow = -1, listedEverything = -1;

private:
    Setup() {
        SetProgramFolder(dir_.path());
        QRandomGenerator g(20260315);
        {
            ArchiveFile archive;
            archive.OpenArchivePath(Archive(), CustomerRecord);
            for (int i = 0; i < kRecords; ++i) archive.AppendRecord(RandomCustomer(g));
        }
        SetMessageService(&answers);
        export_ = std::make_unique<CustomerExport>();
        // The memory the filled grid holds: the dialog is shown over an empty
        // folder first, so only the rows count.
        bench::PrepareExport(
            *export_, [this] { SetProgramFolder(empty_.path()); }, [this] { SetProgramFolder(dir_.path()); }, Xls(),
            addedMegabytes, written);
    }
    QTemporaryDir dir_, empty_;
    std::unique_ptr<CustomerExport> export_;
};

void BM_BareRead(benchmark::State &state) { bench::BareReadLoop(state, Setup::Get().Archive()); }

// "Cerca" to the filled list shown, with the criteria typed or none.
void CercaToListShown(benchmark::State &state, bool narrow, qsizetype &listed) {
    bench::CercaToListShownLoop(
        state, listed, [] { return std::make_unique<TfrmTrovaClienti>(); },
        [narrow](TfrmTrovaClienti &dialog) {
            dialog.Show();
            if (narrow) {
                dialog.txtCognome->setText(QString::fromLatin1(kSurnameCriterion));
                dialog.txtComuneRes->setText(QString::fromLatin1(kTownCriterion));
            }
        });
}
void BM_CercaTwoCriteria(benchmark::State &state) { CercaToListShown(state, true, Setup::Get().listedNarrow); }
void BM_CercaEverything(benchmark::State &state) { CercaToListShown(state, false, Setup::Get().listedEverything); }

void BM_SearchEverything(benchmark::State &state) {
    bench::SearchEverythingLoop(state, Setup::Get().Archive(), CustomerRecord, CustomerListLine);
}

void BM_ExportFill(benchmark::State &state) { bench::ExportFillLoop(state, Setup::Get().Export()); }

void BM_ExportWrite(benchmark::State &state) {
    Setup &setup = Setup::Get();
    bench::ExportWriteLoop(state, setup.Export(), setup.written);
}

void BM_PlainWrite(benchmark::State &state) {
    Setup &setup = Setup::Get();
    bench::PlainWriteLoop(state, setup.Plain(), setup.written);
}

BENCHMARK(BM_BareRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CercaTwoCriteria)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CercaEverything)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchEverything)->Unit(benchmark::kMillisecond);
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
    Setup &setup = Setup::Get();  // archive written, grid filled and written once, before any timing
    vel::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    bench::Targets targets(reporter, setup.answers.failures == 0 && !setup.written.isEmpty() &&
                                         (setup.listedEverything < 0 || setup.listedEverything == kRecords) &&
                                         setup.listedNarrow != 0);
    if (!targets.Within())
        std::printf("\nthe search or the export failed (%d failure boxes, %lld and %lld lines listed)\n",
                    setup.answers.failures, static_cast<long long>(setup.listedNarrow),
                    static_cast<long long>(setup.listedEverything));
    std::printf("\n%d customers, archive of %.1f MB, file of %.1f MB, %lld listed by two criteria\n", kRecords,
                double(kRecords) * CustomerRecord.Size() / (1024.0 * 1024.0),
                double(setup.written.size()) / (1024.0 * 1024.0), static_cast<long long>(setup.listedNarrow));
    targets.CheckRatio("\"Cerca\", two criteria, to the list shown / bare read", "BM_CercaTwoCriteria", "BM_BareRead",
                       kAllowedCercaOverRead);
    targets.CheckRatio("\"Cerca\", every record, to the list shown / bare read", "BM_CercaEverything", "BM_BareRead",
                       kAllowedCercaOverRead);
    targets.CheckExport("grid fill / search with every record listed", "BM_SearchEverything", setup.addedMegabytes,
                        kAllowedFillOverSearch, kAllowedWriteOverPlain, kAllowedMegabytes);
    benchmark::Shutdown();
    setup.Release();
    return targets.Within() ? 0 : 1;
}
