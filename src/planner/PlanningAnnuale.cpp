#include "PlanningAnnuale.h"

#include <QLabel>
#include <QLineEdit>

#include "Planning.h"
#include "common/Clock.h"
#include "common/MonthTable.h"
#include "common/TextRules.h"

namespace vel {
namespace {

using report::Memo;
using report::Report;
using report::ReportPage;

const QString kReportName = QStringLiteral("Planning Annuale");

const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kGold(0xFF, 0xD7, 0x00);

constexpr double kTextPoints = 9;
constexpr double kFooterPoints = 8;
constexpr double kDayNumberPoints = 7;

// The grid, in millimetres of the printable area. Day d has the column from
// 30 + 8 (d - 1) to 38 + 8 (d - 1); the first 30 mm hold the month labels.
// The last column ends at the rows' right edge, 277, one millimetre short.
constexpr double kRowLeft = 1, kRowWidth = 276;
constexpr double kFirstRowTop = 12, kRowHeight = 6;
constexpr double kColumnStep = 8, kFirstColumn = 30;
constexpr double kGridTop = 7, kGridBottom = 84;
constexpr int kColumns = 31;

const char *const kMonthLabels[12] = {"GENNAIO:", "FEBBRAIO:", "MARZO:",    "APRILE:",   "MAGGIO:",   "GIUGNO:",
                                      "LUGLIO:",  "AGOSTO:",   "SETTEMBRE:", "OTTOBRE:", "NOVEMBRE:", "DICEMBRE:"};

double RowTop(int month) { return kFirstRowTop + kRowHeight * (month - 1); }
double ColumnLeft(int day) { return kFirstColumn + kColumnStep * (day - 1); }
QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
QString MonthName(const char *prefix, int month) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(kMonths[month - 1].component);
}

// Every rectangle of the chart has a thin black outline.
void AddBox(ReportPage &page, const QString &name, const QRectF &bounds, const QColor &fill = QColor()) {
    report::Shape &box = page.AddShape(name, bounds);
    box.fill = fill;
    box.frame = Qt::black;
}

// Every text of the chart: Arial, black, regular, no frame, one line cut at
// its edge, printed as it is.
void AddText(ReportPage &page, const QString &name, const QRectF &bounds, const QString &text, double points,
             Qt::Alignment alignment) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, false, Qt::black};
    memo.alignment = alignment;
    memo.wordWrap = false;
}

// ---- what the chart reads of the planner ----------------------------------

QWidget &PlannerControl(const QString &name) {
    if (!frmPlanning) throw report::ReportError(QStringLiteral("il planner non \u00e8 disponibile"));
    auto *control = frmPlanning->findChild<QWidget *>(name);
    if (!control) throw report::ReportError(QStringLiteral("il planner non contiene il controllo \"%1\"").arg(name));
    return *control;
}

// The trimmed text of a label or edit of the planner.
QString PlannerText(const char *name) {
    QWidget &control = PlannerControl(QString::fromLatin1(name));
    if (const auto *label = qobject_cast<const QLabel *>(&control)) return Trim(label->text());
    if (const auto *edit = qobject_cast<const QLineEdit *>(&control)) return Trim(edit->text());
    throw report::ReportError(QStringLiteral("il controllo \"%1\" del planner non contiene un testo")
                                  .arg(QString::fromLatin1(name)));
}

// A day is booked while its booked marker is shown. The marker's own state
// is read, not whether the planner window is on screen at this moment.
bool BookedOnPlanner(int month, int day) {
    return !PlannerControl(DayComponentName("occ", month, day)).isHidden();
}

}  // namespace

std::unique_ptr<Report> PlanningAnnualeTemplate() {
    auto repDocumento = std::make_unique<Report>(kReportName);
    ReportPage &page =
        repDocumento->AddPage(QStringLiteral("Page1"), report::kA4, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));

    // The rectangles first, so that they lie beneath the lines and texts.
    AddBox(page, QStringLiteral("recTitolo"), QRectF(1, 1, 276, 5.8), kLightSteelBlue);
    AddBox(page, QStringLiteral("recGiorni"), QRectF(1, 7, 276, 4.6));
    for (int m = 1; m <= 12; ++m)
        AddBox(page, MonthName("rec", m), QRectF(kRowLeft, RowTop(m), kRowWidth, kRowHeight),
               m % 2 == 1 ? kBeige : QColor());
    const struct {
        const char *name;
        const char *label;
        double top, valueWidth;
    } vehicle[] = {
        {"Veicolo", "Veicolo:", 89, 118},
        {"Modello", "Modello:", 97, 118},
        {"Targa", "Targa:", 105, 37},
    };
    for (const auto &v : vehicle) {
        const QString field = QString::fromLatin1(v.name);
        AddBox(page, QStringLiteral("recTit") + field, QRectF(1, v.top, 29, 6), kBeige);
        AddBox(page, QStringLiteral("rec") + field, QRectF(32, v.top, v.valueWidth, 6), Qt::white);
    }
    AddBox(page, QStringLiteral("recCalce"), QRectF(1, 120, 276, 5.8), kGold);

    // The column lines, from the top of the day numbers to the foot of December.
    for (int k = 0; k < kColumns; ++k) {
        const double x = kFirstColumn + kColumnStep * k;
        page.AddLine(QStringLiteral("linColonna") + TwoDigits(k), QRectF(x, kGridTop, 0, kGridBottom - kGridTop));
    }

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    AddText(page, QStringLiteral("txtTitolo"), QRectF(2, 2, 274, 4.2), QStringLiteral("PLANNER PRENOTAZIONI ANNO"),
            kTextPoints, Qt::AlignHCenter | Qt::AlignTop);
    for (int d = 1; d <= kColumns; ++d)
        AddText(page, QStringLiteral("tit_") + TwoDigits(d), QRectF(ColumnLeft(d) + 1, 8, d == kColumns ? 5.6 : 6, 3.5),
                QString::number(d), kDayNumberPoints, centred);
    for (int m = 1; m <= 12; ++m) {
        AddText(page, MonthName("tit", m), QRectF(2, RowTop(m) + 0.8, 27, 4.4), QString::fromLatin1(kMonthLabels[m - 1]),
                kTextPoints, left);
        // The days a month does not have get no mark: 30 and 31 February,
        // 31 April, June, September and November.
        for (int d = 1; d <= kMonths[m - 1].days; ++d)
            AddText(page, DayComponentName("txt", m, d),
                    QRectF(ColumnLeft(d) + 1, RowTop(m) + 1, d == kColumns ? 5.2 : 6, 4.4), QStringLiteral("X"),
                    kTextPoints, centred);
    }
    for (const auto &v : vehicle) {
        const QString field = QString::fromLatin1(v.name);
        AddText(page, QStringLiteral("tit") + field, QRectF(2, v.top + 0.7, 27, 4.4), QString::fromLatin1(v.label),
                kTextPoints, left);
        AddText(page, QStringLiteral("txt") + field, QRectF(33, v.top + 0.7, v.valueWidth - 2, 4.4), field,
                kTextPoints, left);
    }
    AddText(page, QStringLiteral("txtCalce"), QRectF(2, 121, 274, 4.2), QStringLiteral("Stampa eseguita in data"),
            kFooterPoints, Qt::AlignHCenter | Qt::AlignTop);
    return repDocumento;
}

void FillPlanningAnnuale(Report &repDocumento) {
    repDocumento.Page().SetOrientation(QPageLayout::Landscape);
    repDocumento.Get<Memo>(QStringLiteral("txtTitolo"))
        .SetText(QStringLiteral("PLANNER PRENOTAZIONI ANNO ") + PlannerText("txtAnno"));
    repDocumento.Get<Memo>(QStringLiteral("txtVeicolo")).SetText(PlannerText("txtVeicolo"));
    // The cell captioned "Modello:" shows make and model, the blank always there.
    repDocumento.Get<Memo>(QStringLiteral("txtModello"))
        .SetText(PlannerText("txtMarca") + u' ' + PlannerText("txtModello"));
    repDocumento.Get<Memo>(QStringLiteral("txtTarga")).SetText(PlannerText("txtTarga"));
    // Every mark is written, a free day with one blank: 29 February follows
    // its marker in any year, the chart never asks whether the year has it.
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= kMonths[m - 1].days; ++d)
            repDocumento.Get<Memo>(DayComponentName("txt", m, d))
                .SetText(BookedOnPlanner(m, d) ? QStringLiteral("X") : QStringLiteral(" "));
    const QDateTime now = Now();
    repDocumento.Get<Memo>(QStringLiteral("txtCalce"))
        .SetText(QStringLiteral("Stampa eseguita in data ") + FormatDateText(now.date()) +
                 QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("hh:mm:ss")));
}

}  // namespace vel
