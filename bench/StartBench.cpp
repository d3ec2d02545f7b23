// Times the program's start as the user meets it: a fresh process, from its
// launch until the login window has been shown and painted, against a bare Qt
// program that creates the same number of windows and widgets of each kind,
// sets nothing else and shows its first window. Both run as fresh children of
// this program, alternately, the same number of times; the medians of the
// whole process (launch to exit) give the ratio, which must stay within 1.5.
//
// One binary, four modes:
//   (no argument)         the parent: counts, runs, prints, exits 1 over the limit;
//   --count <file>        creates the program's windows and writes, per window,
//                         how many widgets of each Qt kind it holds, and the
//                         plan the bare program follows to create as many;
//   --program             exactly the start of src/app/main.cpp, ended after
//                         the login's first paint;
//   --bare <file>         the bare Qt program, following the plan;
//   --grab <folder>       creates the program's windows, shows each in turn
//                         and saves it as <objectName>.png in the folder, so
//                         that two builds can be compared window by window.
// A child prints three moments on the steady clock (nanoseconds): main's
// first line, the first paint of its first window, and the end of its main.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "common/ProgramFolder.h"
#include "platform/Platform.h"
#include "shell/Password.h"

namespace {

// Enough starts that a machine busy for a moment moves neither median much.
constexpr int kRounds = 31;
constexpr double kLimit = 1.5;

qint64 Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// ---------------------------------------------------------------- kinds

// The Qt class a widget is made of: the program's own controls count as the
// Qt widget they derive from.
QString QtKind(const QWidget *widget) {
    for (const QMetaObject *meta = widget->metaObject(); meta; meta = meta->superClass()) {
        const char *name = meta->className();
        if (name[0] == 'Q' && !std::strstr(name, "::")) return QString::fromLatin1(name);
    }
    return QStringLiteral("QWidget");
}

using Counts = std::map<QString, int>;

// The widgets of one window: the window itself and every descendant that is
// not a window of its own. A drop-down list a combo box has already made is a
// popup window of its own, and counts with the combo's window.
void CountInto(const QWidget *widget, Counts &counts) {
    ++counts[QtKind(widget)];
    for (const QObject *child : widget->children()) {
        if (!child->isWidgetType()) continue;
        const auto *inner = static_cast<const QWidget *>(child);
        if (!inner->isWindow() || inner->windowType() == Qt::Popup) CountInto(inner, counts);
    }
}

// The kinds the bare program can create, each with no setting at all.
const std::map<QString, std::function<QWidget *(QWidget *)>> &Factories() {
    static const std::map<QString, std::function<QWidget *(QWidget *)>> factories = {
        {QStringLiteral("QWidget"), [](QWidget *p) { return new QWidget(p); }},
        {QStringLiteral("QFrame"), [](QWidget *p) { return new QFrame(p); }},
        {QStringLiteral("QLabel"), [](QWidget *p) { return new QLabel(p); }},
        {QStringLiteral("QLineEdit"), [](QWidget *p) { return new QLineEdit(p); }},
        {QStringLiteral("QPushButton"), [](QWidget *p) { return new QPushButton(p); }},
        {QStringLiteral("QToolButton"), [](QWidget *p) { return new QToolButton(p); }},
        {QStringLiteral("QCheckBox"), [](QWidget *p) { return new QCheckBox(p); }},
        {QStringLiteral("QRadioButton"), [](QWidget *p) { return new QRadioButton(p); }},
        {QStringLiteral("QComboBox"), [](QWidget *p) { return new QComboBox(p); }},
        // A combo box whose drop-down list has been made (its view asked for).
        {QStringLiteral("QComboBox+list"),
         [](QWidget *p) {
             auto *combo = new QComboBox(p);
             combo->view();
             return combo;
         }},
        {QStringLiteral("QGroupBox"), [](QWidget *p) { return new QGroupBox(p); }},
        {QStringLiteral("QSpinBox"), [](QWidget *p) { return new QSpinBox(p); }},
        {QStringLiteral("QProgressBar"), [](QWidget *p) { return new QProgressBar(p); }},
        {QStringLiteral("QScrollBar"), [](QWidget *p) { return new QScrollBar(p); }},
        {QStringLiteral("QScrollArea"), [](QWidget *p) { return new QScrollArea(p); }},
        {QStringLiteral("QListWidget"), [](QWidget *p) { return new QListWidget(p); }},
        {QStringLiteral("QListView"), [](QWidget *p) { return new QListView(p); }},
        {QStringLiteral("QTableWidget"), [](QWidget *p) { return new QTableWidget(p); }},
        {QStringLiteral("QTableView"), [](QWidget *p) { return new QTableView(p); }},
        {QStringLiteral("QTreeWidget"), [](QWidget *p) { return new QTreeWidget(p); }},
        {QStringLiteral("QHeaderView"), [](QWidget *p) { return new QHeaderView(Qt::Horizontal, p); }},
        {QStringLiteral("QTextEdit"), [](QWidget *p) { return new QTextEdit(p); }},
        {QStringLiteral("QPlainTextEdit"), [](QWidget *p) { return new QPlainTextEdit(p); }},
        {QStringLiteral("QCalendarWidget"), [](QWidget *p) { return new QCalendarWidget(p); }},
        {QStringLiteral("QDateEdit"), [](QWidget *p) { return new QDateEdit(p); }},
    };
    return factories;
}

// ---------------------------------------------------------------- the plan

// What the bare program creates in one window: so many widgets of each kind,
// composite kinds (those that make inner widgets of their own) first.
struct WindowPlan {
    QSize size;
    std::vector<std::pair<QString, int>> create;
};

std::vector<WindowPlan> ReadPlan(const QString &path) {
    std::vector<WindowPlan> plan;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return plan;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList words = in.readLine().split(u' ', Qt::SkipEmptyParts);
        if (words.size() == 3 && words[0] == QLatin1String("window"))
            plan.push_back({QSize(words[1].toInt(), words[2].toInt()), {}});
        else if (words.size() == 2 && !plan.empty())
            plan.back().create.emplace_back(words[0], words[1].toInt());
    }
    return plan;
}

std::vector<std::unique_ptr<QWidget>> BuildBareWindows(const std::vector<WindowPlan> &plan) {
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const WindowPlan &window : plan) {
        windows.push_back(std::make_unique<QWidget>());
        QWidget *top = windows.back().get();
        for (const auto &[kind, count] : window.create) {
            const auto &make = Factories().at(kind);
            for (int i = 0; i < count; ++i) make(top);
        }
    }
    return windows;
}

// Counts the program's windows and writes the plan that gives the bare
// program as many widgets of each kind per window; checks the plan by
// building it and counting again. Returns false when a kind cannot be made.
bool WriteCountsAndPlan(const QString &path) {
    vel::CreateWindows();
    std::vector<QWidget *> tops;
    tops.push_back(vel::frmPassword);
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top != vel::frmPassword && top->windowType() != Qt::Popup) tops.push_back(top);

    // What one widget made by each factory amounts to, itself included.
    std::map<QString, Counts> made;
    {
        QWidget scratch;
        for (const auto &[kind, make] : Factories()) {
            QWidget *widget = make(&scratch);
            CountInto(widget, made[kind]);
            delete widget;
        }
    }
    // The largest first, so that what a table or a list makes inside it is
    // not made a second time on its own.
    std::vector<QString> order;
    for (const auto &entry : made) order.push_back(entry.first);
    auto size = [&](const QString &kind) {
        int n = 0;
        for (const auto &entry : made[kind]) n += entry.second;
        return n;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](const QString &a, const QString &b) { return size(a) > size(b); });

    bool ok = true;
    std::vector<WindowPlan> plan;
    Counts totals;
    int widgets = 0;
    for (QWidget *top : tops) {
        Counts left;
        CountInto(top, left);
        for (const auto &[kind, n] : left) {
            totals[kind] += n;
            widgets += n;
        }
        // The window itself: the bare program's windows are plain widgets.
        --left[QtKind(top)];
        WindowPlan window{top->size(), {}};
        for (const QString &kind : order) {
            int n = INT_MAX;
            for (const auto &[innerKind, m] : made[kind]) n = std::min(n, left[innerKind] / m);
            if (n <= 0) continue;
            window.create.emplace_back(kind, n);
            for (const auto &[innerKind, m] : made[kind]) left[innerKind] -= n * m;
        }
        for (const auto &[kind, n] : left)
            if (n != 0) {
                std::fprintf(stderr, "%s: no bare counterpart for %d widget(s) of kind %s\n",
                             qPrintable(top->objectName()), n, qPrintable(kind));
                ok = false;
            }
        plan.push_back(window);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream out(&file);
    for (const WindowPlan &window : plan) {
        out << "window " << window.size.width() << ' ' << window.size.height() << '\n';
        for (const auto &[kind, n] : window.create) out << kind << ' ' << n << '\n';
    }
    out.flush();
    file.close();

    // Build the plan once here, where time does not count, and compare.
    const auto bare = BuildBareWindows(ReadPlan(path));
    Counts bareTotals;
    for (const auto &window : bare) CountInto(window.get(), bareTotals);
    std::printf("%zu windows, %d widgets:", tops.size(), widgets);
    for (const auto &[kind, n] : totals) {
        std::printf(" %s %d", qPrintable(kind), n);
        if (bareTotals[kind] != n) std::printf(" (bare %d)", bareTotals[kind]);
    }
    for (const auto &[kind, n] : bareTotals)
        if (!totals.count(kind) && n) std::printf(" %s 0 (bare %d)", qPrintable(kind), n);
    std::printf("\n");
    vel::DestroyWindows();
    return ok && bare.size() == tops.size();
}

// ---------------------------------------------------------------- the children

// Ends the event loop once the window's first paint has been processed.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget *window) { window->installEventFilter(this); }
    qint64 painted = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !painted) {
            // Queued: the paint under way, and its children's, finish first.
            QTimer::singleShot(0, qApp, [this] {
                painted = Now();
                QCoreApplication::exit(0);
            });
            painted = -1;
        }
        return QObject::eventFilter(watched, event);
    }
};

void PrintMoments(qint64 entered, qint64 painted) { std::printf("%lld %lld %lld\n", entered, painted, Now()); }

int RunProgram(int argc, char **argv, qint64 entered) {
    vel::PrepareRendering();
    QApplication app(argc, argv);
    vel::InitPlatform();
    vel::CreateWindows();
    FirstPaint watch(vel::frmPassword);
    vel::frmPassword->Show();
    const int code = app.exec();
    vel::DestroyWindows();
    PrintMoments(entered, watch.painted);
    return code;
}

int GrabWindows(const QString &folder) {
    // Shown windows read and write their archives: in a folder of their own.
    QTemporaryDir programFolder;
    vel::SetProgramFolder(programFolder.path());
    vel::CreateWindows();
    std::vector<QWidget *> tops;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->windowType() != Qt::Popup && !top->objectName().isEmpty()) tops.push_back(top);
    int saved = 0;
    for (QWidget *top : tops) {
        top->show();
        QApplication::processEvents();
        if (top->grab().save(folder + u'/' + top->objectName() + QStringLiteral(".png"))) ++saved;
        top->hide();
        QApplication::processEvents();
    }
    std::printf("%d windows saved\n", saved);
    vel::DestroyWindows();
    return 0;
}

int RunBare(int argc, char **argv, qint64 entered, const QString &planPath) {
    QApplication app(argc, argv);
    const std::vector<WindowPlan> plan = ReadPlan(planPath);
    if (plan.empty()) return 2;
    auto windows = BuildBareWindows(plan);
    windows.front()->resize(plan.front().size);
    FirstPaint watch(windows.front().get());
    windows.front()->show();
    const int code = app.exec();
    windows.clear();
    PrintMoments(entered, watch.painted);
    return code;
}

// ---------------------------------------------------------------- the parent

struct Start {
    double whole = 0;   // launch to exit, seen by the parent
    double shown = 0;   // launch to the first paint processed
    double inside = 0;  // main's first line to the first paint processed
};

bool RunChild(const QString &program, const QStringList &arguments, Start &start) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    const qint64 launched = Now();
    child.start(program, arguments);
    if (!child.waitForFinished(60000)) return false;
    const qint64 ended = Now();
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) return false;
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() != 3) return false;
    const qint64 entered = words[0].toLongLong(), painted = words[1].toLongLong();
    if (painted <= 0) return false;
    start.whole = (ended - launched) / 1e6;
    start.shown = (painted - launched) / 1e6;
    start.inside = (painted - entered) / 1e6;
    return true;
}

struct Figure {
    double median, low, high;
};

Figure Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

int RunParent(const QString &self) {
    QTemporaryDir folder;
    const QString planPath = folder.filePath(QStringLiteral("plan.txt"));
    {
        QProcess counter;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        counter.setProcessEnvironment(environment);
        counter.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        counter.start(self, {QStringLiteral("--count"), planPath});
        if (!counter.waitForFinished(60000) || counter.exitCode() != 0) {
            std::printf("the program's windows could not be counted\n");
            return 1;
        }
        std::printf("the program after its start: %s\n", counter.readAllStandardOutput().trimmed().constData());
    }

    std::vector<Start> program, bare;
    for (int round = 0; round < kRounds; ++round) {
        // Alternate which goes first, so that neither always follows the other.
        for (int turn = 0; turn < 2; ++turn) {
            const bool isProgram = (round + turn) % 2 == 0;
            Start start;
            const bool ok = isProgram ? RunChild(self, {QStringLiteral("--program")}, start)
                                      : RunChild(self, {QStringLiteral("--bare"), planPath}, start);
            if (!ok) {
                std::printf("the %s start failed\n", isProgram ? "program's" : "bare");
                return 1;
            }
            (isProgram ? program : bare).push_back(start);
        }
    }

    auto figure = [](const std::vector<Start> &starts, double Start::*field) {
        std::vector<double> values;
        for (const Start &s : starts) values.push_back(s.*field);
        return Summarise(values);
    };
    std::printf("\n%d fresh starts of each, alternating; milliseconds, median (range)\n", kRounds);
    std::printf("%-40s %26s %26s %7s\n", "", "program", "bare Qt", "ratio");
    const struct {
        const char *label;
        double Start::*field;
    } rows[] = {
        {"whole process, launch to exit", &Start::whole},
        {"launch to the first window painted", &Start::shown},
        {"main's first line to the first paint", &Start::inside},
    };
    double ratio = 0;
    for (const auto &row : rows) {
        const Figure p = figure(program, row.field), b = figure(bare, row.field);
        std::printf("%-40s %8.1f (%6.1f to %6.1f) %8.1f (%6.1f to %6.1f) %7.2f\n", row.label, p.median, p.low, p.high,
                    b.median, b.low, b.high, p.median / b.median);
        if (row.field == &Start::whole) ratio = p.median / b.median;
    }
    const bool within = ratio <= kLimit;
    std::printf("\nstart ratio (whole process, medians): %.2f, limit %.1f%s\n", ratio, kLimit, within ? "" : "  OVER");
    return within ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    const qint64 entered = Now();
    if (argc > 1 && std::strcmp(argv[1], "--program") == 0) return RunProgram(argc, argv, entered);
    if (argc > 2 && std::strcmp(argv[1], "--bare") == 0)
        return RunBare(argc, argv, entered, QString::fromLocal8Bit(argv[2]));
    if (argc > 2 && std::strcmp(argv[1], "--grab") == 0) {
        vel::PrepareRendering();
        QApplication app(argc, argv);
        vel::InitPlatform();
        return GrabWindows(QString::fromLocal8Bit(argv[2]));
    }
    if (argc > 2 && std::strcmp(argv[1], "--count") == 0) {
        vel::PrepareRendering();
        QApplication app(argc, argv);
        vel::InitPlatform();
        return WriteCountsAndPlan(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    return RunParent(QCoreApplication::applicationFilePath());
}
