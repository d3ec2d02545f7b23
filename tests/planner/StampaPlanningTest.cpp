// The yearly chart of the planner, printed and previewed: the two windows,
// the chart they lay out, how they fill it from the planner on screen, what
// they hand out, and what becomes of the window when printing fails.
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>

#include "PlannerFixture.h"
#include "planner/AnteprimaPlanning.h"
#include "planner/PlanningAnnuale.h"
#include "planner/StampaPlanning.h"
#include "report/PageImages.h"
#include "report/ReportOutput.h"

namespace vel::test {
namespace {

using report::Memo;
using report::PreparedPage;
using report::Report;

const QColor kBeige(0xF5, 0xF5, 0xDC);
const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kGold(0xFF, 0xD7, 0x00);

enum class Kind { Print, Preview };

const char *KindName(Kind kind) { return kind == Kind::Print ? "print" : "preview"; }

QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
QString MarkName(int month, int day) { return DayComponentName("txt", month, day); }

// The planner's header put in by name, as the chooser leaves it.
void SetHeader(const QString &year, const QString &type, const QString &make, const QString &model,
               const QString &plate) {
    frmPlanning->findChild<QLabel *>(QStringLiteral("txtAnno"))->setText(year);
    const std::pair<const char *, QString> edits[] = {
        {"txtVeicolo", type}, {"txtMarca", make}, {"txtModello", model}, {"txtTarga", plate}};
    for (const auto &[name, text] : edits) frmPlanning->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(text);
}

// The day texts of a prepared page, all 366 marks in calendar order.
QStringList Marks(const Report &chart) {
    QStringList marks;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= kMonths[m - 1].days; ++d) marks.append(chart.Get<Memo>(MarkName(m, d)).Text());
    return marks;
}

class StampaPlanningTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        SetHeader(QStringLiteral("2026"), QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"),
                  QStringLiteral("FD100AA"));
    }

    // A window as the planner's command makes it: a new one, owned by the
    // planner, created.
    static std::unique_ptr<PlanningPrintWindow> Make(Kind kind) {
        std::unique_ptr<PlanningPrintWindow> window;
        if (kind == Kind::Print)
            window = std::make_unique<TfrmStampaPlanning>(frmPlanning);
        else
            window = std::make_unique<TfrmAnteprimaPlanning>(frmPlanning);
        window->Create();
        return window;
    }

    // Shows the window modally, as the planner does, and acts on it while it
    // is open.
    void WhileOpen(PlanningPrintWindow &window, std::function<void(PlanningPrintWindow &)> act) {
        modals.Expect<PlanningPrintWindow>(std::move(act));
        window.ShowModal();
        modals.Verify();
    }

    // The main button pressed in a window shown modally; true when the
    // window was still open after it.
    bool PressMain(PlanningPrintWindow &window) {
        bool open = false;
        WhileOpen(window, [&](PlanningPrintWindow &w) {
            Click(w.btnStampa);
            open = w.isVisible();
        });
        return open;
    }

    // The chart the window handed out.
    std::unique_ptr<PlanningPrintWindow> Produce(Kind kind) {
        auto window = Make(kind);
        EXPECT_FALSE(PressMain(*window)) << KindName(kind);
        return window;
    }

    const std::vector<PrintJob> &Jobs(Kind kind) const {
        return kind == Kind::Print ? printer.printed : printer.previewed;
    }
    const std::vector<PrintJob> &OtherJobs(Kind kind) const {
        return kind == Kind::Print ? printer.previewed : printer.printed;
    }
};

// ---- the windows ----------------------------------------------------------

TEST_F(StampaPlanningTest, BothWindowsAreTheSameSmallModalWindowButForTheirWords) {
    const struct {
        Kind kind;
        Form *programWide;
        const char *name;
        const char *caption;
        const char *mainButton;
    } cases[] = {
        {Kind::Print, frmStampaPlanning, "frmStampaPlanning", " Stampa scheda corrente", "Stampa"},
        {Kind::Preview, frmAnteprimaPlanning, "frmAnteprimaPlanning", " Anteprima di stampa", "Mostra anteprima"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // The program-wide window is created at start and never shown.
        ASSERT_NE(c.programWide, nullptr);
        EXPECT_EQ(c.programWide->objectName(), QString::fromLatin1(c.name));
        EXPECT_FALSE(c.programWide->isVisible());

        auto window = Make(c.kind);
        EXPECT_EQ(window->objectName(), QString::fromLatin1(c.name));
        EXPECT_EQ(window->Caption(), QString::fromUtf8(c.caption));
        EXPECT_EQ(window->parentWidget(), frmPlanning);
        WhileOpen(*window, [&](PlanningPrintWindow &w) {
            EXPECT_TRUE(w.IsModal());
            EXPECT_EQ(w.size(), QSize(364, 287));
            EXPECT_EQ(w.minimumSize(), w.maximumSize());
            // No close, minimise or maximise box: the buttons are the only way out.
            EXPECT_FALSE(w.windowFlags().testAnyFlags(Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                                      Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint));
            EXPECT_EQ(w.shpSfondo->geometry(), QRect(18, 18, 326, 215));
            EXPECT_EQ(w.btnAnnulla->geometry(), QRect(18, 243, 137, 28));
            EXPECT_EQ(w.btnStampa->geometry(), QRect(208, 243, 137, 28));
            EXPECT_EQ(w.btnAnnulla->text(), QStringLiteral("Annulla"));
            EXPECT_EQ(w.btnStampa->text(), QString::fromLatin1(c.mainButton));
            for (Button *button : {w.btnAnnulla, w.btnStampa}) {
                EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
                EXPECT_EQ(button->font().family(), QStringLiteral("Verdana"));
                EXPECT_FALSE(button->autoDefault());
            }
            EXPECT_EQ(w.btnAnnulla->nextInFocusChain(), w.btnStampa);

            // Steel blue at the top shading to white at the foot, the white
            // ground in between.
            const QImage look = w.grab().toImage();
            const QColor top = look.pixelColor(2, 1), foot = look.pixelColor(2, 285), ground = look.pixelColor(30, 225);
            EXPECT_LT(std::abs(top.red() - 0x46) + std::abs(top.green() - 0x82) + std::abs(top.blue() - 0xB4), 12);
            EXPECT_GT(foot.red() + foot.green() + foot.blue(), 3 * 240);
            EXPECT_EQ(ground, QColor(Qt::white));
            Click(w.btnAnnulla);
        });
    }
}

// The texts a picture of the windows shows, each wholly inside its place.
QStringList WindowTexts(QWidget *picture) {
    QStringList texts;
    QList<QLabel *> labels = picture->findChildren<QLabel *>();
    if (auto *own = qobject_cast<QLabel *>(picture)) labels.prepend(own);
    for (QLabel *label : labels) {
        if (label->text().isEmpty()) continue;
        texts.append(label->text());
        const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        EXPECT_LE(needed, label->height()) << label->text().toStdString();
        EXPECT_TRUE(picture->rect().contains(label->geometry()) || label == picture) << label->text().toStdString();
        const QString longest = label->wordWrap() ? QString() : label->text();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(longest), label->width());
    }
    return texts;
}

TEST_F(StampaPlanningTest, ThePrintWindowTellsWhatItDoesWithItsPictures) {
    TfrmStampaPlanning window(frmPlanning);
    window.Create();
    const struct {
        QWidget *picture;
        QRect place;
    } places[] = {
        {window.icoInf01, {28, 28, 240, 83}},     {window.imgLogo01, {280, 31, 51, 81}},
        {window.shpSepara, {26, 120, 311, 4}},    {window.imgSezione04, {30, 140, 82, 72}},
        {window.icoInf02, {122, 140, 206, 71}},
    };
    for (const auto &p : places) EXPECT_EQ(p.picture->geometry(), p.place) << p.picture->objectName().toStdString();
    window.grab();  // the pictures are drawn when the window is first shown or painted
    for (QLabel *drawing : {window.imgLogo01, window.imgSezione04}) {
        ASSERT_FALSE(drawing->pixmap().isNull());
        EXPECT_EQ(drawing->pixmap().size(), drawing->size());
    }
    EXPECT_EQ(WindowTexts(window.icoInf01),
              (QStringList{QStringLiteral("Stampa scheda"),
                           U("Questa operazione provveder\u00e0 a stampare la scheda corrente su carta con i dati "
                             "immessi dall'utente.")}));
    EXPECT_EQ(WindowTexts(window.icoInf02),
              QStringList{QStringLiteral("Premere il pulsante Stampa per dare avvio alla stampa oppure premere "
                                         "Annulla per annullare l'operazione.")});
    // The heading in red, the separator bar in #427AA8.
    window.ensurePolished();
    const QImage look = window.grab().toImage();
    EXPECT_EQ(look.pixelColor(100, 122), QColor(0x42, 0x7A, 0xA8));
    const QLabel *heading = window.icoInf01->findChildren<QLabel *>().front();
    EXPECT_GT(heading->palette().color(QPalette::WindowText).red(), 0xC0);
    EXPECT_TRUE(heading->font().bold());
}

TEST_F(StampaPlanningTest, ThePreviewWindowTellsWhatItDoesInOnePicture) {
    TfrmAnteprimaPlanning window(frmPlanning);
    window.Create();
    EXPECT_EQ(window.imgLogo02->geometry(), QRect(23, 30, 315, 191));
    EXPECT_EQ(WindowTexts(window.imgLogo02),
              (QStringList{QStringLiteral("Anteprima di stampa"),
                           QStringLiteral("Questa operazione consente di visualizzare in anteprima i dati che "
                                          "appariranno in stampa."),
                           QStringLiteral("Fare clic su Mostra anteprima per visualizzare il documento sullo schermo "
                                          "prima di eseguire la stampa su carta.")}));
    window.grab();  // the pictures are drawn when the window is first shown or painted
    int drawings = 0;
    for (QLabel *label : window.imgLogo02->findChildren<QLabel *>())
        if (!label->pixmap().isNull()) ++drawings;
    EXPECT_EQ(drawings, 2);  // the person with the document, the printer under the glass
    // None of the print window's pictures.
    for (const char *name : {"icoInf01", "imgLogo01", "shpSepara", "imgSezione04", "icoInf02"})
        EXPECT_EQ(window.findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
}

// ---- the chart as designed ------------------------------------------------

TEST_F(StampaPlanningTest, TheChartIsOneLandscapeSheetLaidOutAsDesigned) {
    auto chart = PlanningAnnualeTemplate();
    EXPECT_EQ(chart->name, QStringLiteral("Planning Annuale"));
    ASSERT_EQ(chart->Pages().size(), 1u);
    const report::ReportPage &page = chart->Page();
    EXPECT_EQ(page.SheetSize(), QSizeF(297, 210));
    EXPECT_EQ(page.orientation, QPageLayout::Landscape);
    EXPECT_EQ(page.margins, QMarginsF(10, 10, 10, 10));
    EXPECT_TRUE(page.Bands().empty());

    // Every rectangle has a thin black outline and lies beneath every line
    // and text: all of them come first.
    struct BoxCase {
        QString name;
        QRectF bounds;
        QColor fill;
    };
    std::vector<BoxCase> boxes = {
        {QStringLiteral("recTitolo"), {1, 1, 276, 5.8}, kLightSteelBlue},
        {QStringLiteral("recGiorni"), {1, 7, 276, 4.6}, QColor()},
        {QStringLiteral("recTitVeicolo"), {1, 89, 29, 6}, kBeige},
        {QStringLiteral("recTitModello"), {1, 97, 29, 6}, kBeige},
        {QStringLiteral("recTitTarga"), {1, 105, 29, 6}, kBeige},
        {QStringLiteral("recVeicolo"), {32, 89, 118, 6}, Qt::white},
        {QStringLiteral("recModello"), {32, 97, 118, 6}, Qt::white},
        {QStringLiteral("recTarga"), {32, 105, 37, 6}, Qt::white},
        {QStringLiteral("recCalce"), {1, 120, 276, 5.8}, kGold},
    };
    for (int m = 1; m <= 12; ++m)
        boxes.push_back({QStringLiteral("rec") + QLatin1String(kMonths[m - 1].component),
                         {1, 12.0 + 6 * (m - 1), 276, 6}, m % 2 ? kBeige : QColor()});
    EXPECT_DOUBLE_EQ(boxes.back().bounds.bottom(), 84);
    for (const BoxCase &b : boxes) {
        SCOPED_TRACE(b.name.toStdString());
        const auto &shape = chart->Get<report::Shape>(b.name);
        EXPECT_EQ(shape.bounds, b.bounds);
        EXPECT_EQ(shape.fill, b.fill);
        EXPECT_EQ(shape.frame, QColor(Qt::black));
        EXPECT_DOUBLE_EQ(shape.frameWidth, report::kThinLine);
    }
    // The column lines, from the day numbers' top to December's foot.
    for (int k = 0; k <= 30; ++k) {
        const auto &line = chart->Get<report::Line>(QStringLiteral("linColonna") + Two(k));
        EXPECT_EQ(line.bounds, QRectF(30 + 8 * k, 7, 0, 77)) << k;
        EXPECT_EQ(line.colour, QColor(Qt::black));
    }
    enum Order { Boxes, Lines, Texts };
    int last = Boxes, boxCount = 0, textCount = 0;
    for (const auto &object : page.Objects()) {
        const int order = dynamic_cast<report::Shape *>(object.get())  ? Boxes
                          : dynamic_cast<report::Line *>(object.get()) ? Lines
                                                                       : Texts;
        EXPECT_GE(order, last) << object->name.toStdString();
        last = order;
        boxCount += order == Boxes;
        textCount += order == Texts;
    }
    EXPECT_EQ(boxCount, 21);
    // Title, footer, 31 day numbers, 12 month labels, 366 marks, 3 vehicle
    // labels and 3 vehicle values.
    EXPECT_EQ(textCount, 2 + 31 + 12 + 366 + 6);

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter, left = Qt::AlignLeft | Qt::AlignVCenter;
    struct TextCase {
        QString name;
        QRectF bounds;
        double points;
        Qt::Alignment alignment;
        QString text;  // the design text
    };
    std::vector<TextCase> texts = {
        {QStringLiteral("txtTitolo"), {2, 2, 274, 4.2}, 9, Qt::AlignHCenter | Qt::AlignTop,
         QStringLiteral("PLANNER PRENOTAZIONI ANNO")},
        {QStringLiteral("txtCalce"), {2, 121, 274, 4.2}, 8, Qt::AlignHCenter | Qt::AlignTop,
         QStringLiteral("Stampa eseguita in data")},
        {QStringLiteral("titVeicolo"), {2, 89.7, 27, 4.4}, 9, left, QStringLiteral("Veicolo:")},
        {QStringLiteral("titModello"), {2, 97.7, 27, 4.4}, 9, left, QStringLiteral("Modello:")},
        {QStringLiteral("titTarga"), {2, 105.7, 27, 4.4}, 9, left, QStringLiteral("Targa:")},
        {QStringLiteral("txtVeicolo"), {33, 89.7, 116, 4.4}, 9, left, QStringLiteral("Veicolo")},
        {QStringLiteral("txtModello"), {33, 97.7, 116, 4.4}, 9, left, QStringLiteral("Modello")},
        {QStringLiteral("txtTarga"), {33, 105.7, 35, 4.4}, 9, left, QStringLiteral("Targa")},
    };
    for (int d = 1; d <= 31; ++d)
        texts.push_back({QStringLiteral("tit_") + Two(d), {31.0 + 8 * (d - 1), 8, d == 31 ? 5.6 : 6, 3.5}, 7, centred,
                         QString::number(d)});
    const char *labels[] = {"GENNAIO:", "FEBBRAIO:", "MARZO:",    "APRILE:",   "MAGGIO:",   "GIUGNO:",
                            "LUGLIO:",  "AGOSTO:",   "SETTEMBRE:", "OTTOBRE:", "NOVEMBRE:", "DICEMBRE:"};
    for (int m = 1; m <= 12; ++m) {
        texts.push_back({QStringLiteral("tit") + QLatin1String(kMonths[m - 1].component),
                         {2, 12.8 + 6 * (m - 1), 27, 4.4}, 9, left, QString::fromLatin1(labels[m - 1])});
        for (int d = 1; d <= kMonths[m - 1].days; ++d)
            texts.push_back({MarkName(m, d), {31.0 + 8 * (d - 1), 13.0 + 6 * (m - 1), d == 31 ? 5.2 : 6, 4.4}, 9,
                             centred, QStringLiteral("X")});
    }
    for (const TextCase &t : texts) {
        SCOPED_TRACE(t.name.toStdString());
        const Memo &memo = chart->Get<Memo>(t.name);
        EXPECT_NEAR(memo.bounds.left(), t.bounds.left(), 1e-9);
        EXPECT_NEAR(memo.bounds.top(), t.bounds.top(), 1e-9);
        EXPECT_NEAR(memo.bounds.width(), t.bounds.width(), 1e-9);
        EXPECT_NEAR(memo.bounds.height(), t.bounds.height(), 1e-9);
        EXPECT_EQ(memo.font.family, QStringLiteral("Arial"));
        EXPECT_EQ(memo.font.size, t.points);
        EXPECT_FALSE(memo.font.bold);
        EXPECT_EQ(memo.font.colour, QColor(Qt::black));
        EXPECT_FALSE(memo.fill.isValid());
        EXPECT_FALSE(memo.frame.isValid());
        EXPECT_FALSE(memo.wordWrap);
        EXPECT_EQ(memo.alignment, t.alignment);
        EXPECT_EQ(memo.Text(), t.text);
    }
    // The names follow the planner's day keys; the days no month has get no mark.
    EXPECT_NE(chart->FindObject(QStringLiteral("txtGen_01")), nullptr);
    EXPECT_NE(chart->FindObject(QStringLiteral("txtFeb_29")), nullptr);
    EXPECT_NE(chart->FindObject(QStringLiteral("txtDic_31")), nullptr);
    for (const char *absent : {"txtFeb_30", "txtFeb_31", "txtApr_31", "txtGiu_31", "txtSet_31", "txtNov_31"})
        EXPECT_EQ(chart->FindObject(QString::fromLatin1(absent)), nullptr) << absent;
}

// ---- what the command fills -----------------------------------------------

TEST_F(StampaPlanningTest, TheChartShowsTheDaysBookedOnThePlannerAndNotTheirTexts) {
    for (Kind kind : {Kind::Print, Kind::Preview}) {
        SCOPED_TRACE(KindName(kind));
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= kMonths[m - 1].days; ++d) SetDay(m, d, QString());
        SetHeader(QStringLiteral(" 2026 "), QStringLiteral(" Furgone "), QStringLiteral(" Fiat"),
                  QStringLiteral("Ducato  "), QStringLiteral("  FD100AA"));
        const struct {
            int month, day;
        } booked[] = {{1, 1}, {1, 2}, {2, 28}, {3, 1}, {6, 27}, {6, 30}, {7, 31}, {10, 15}, {12, 31}};
        for (const auto &b : booked) SetDay(b.month, b.day, QStringLiteral("Rossi Mario 333 1234567"));
        SetDay(4, 4, QStringLiteral("   "));  // blanks only: a free day

        auto window = Produce(kind);
        const Report &chart = *window->repDocumento;
        EXPECT_EQ(chart.Pages().front()->orientation, QPageLayout::Landscape);
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtTitolo")).Text(), QStringLiteral("PLANNER PRENOTAZIONI ANNO 2026"));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtVeicolo")).Text(), QStringLiteral("Furgone"));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtModello")).Text(), QStringLiteral("Fiat Ducato"));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtTarga")).Text(), QStringLiteral("FD100AA"));
        QStringList expected(366, QStringLiteral(" "));
        for (const auto &b : booked) expected[DayIndex(b.month, b.day)] = QStringLiteral("X");
        EXPECT_EQ(Marks(chart), expected);

        // One landscape page, handed out once, the way of this window only.
        ASSERT_EQ(chart.PreparedPages().size(), 1u);
        const PreparedPage &page = chart.PreparedPages().front();
        EXPECT_EQ(page.size, QSizeF(297, 210));
        EXPECT_EQ(page.Texts(QStringLiteral("txtGen_02")), QStringList{QStringLiteral("X")});
        EXPECT_EQ(page.Texts(QStringLiteral("txtGen_03")), QStringList{QStringLiteral(" ")});
        for (const QString &text : page.Texts()) EXPECT_FALSE(text.contains(QStringLiteral("Rossi")));
        ASSERT_EQ(Jobs(kind).size(), 1u);
        EXPECT_TRUE(OtherJobs(kind).empty());
        const PrintJob &job = Jobs(kind).front();
        EXPECT_EQ(job.title, QStringLiteral("Planning Annuale"));
        EXPECT_EQ(job.layout.orientation(), QPageLayout::Landscape);
        ASSERT_EQ(job.pages.size(), 1);
        const QStringList printed = PictureTexts(job.pages.front());
        EXPECT_TRUE(printed.contains(QStringLiteral("PLANNER PRENOTAZIONI ANNO 2026")));
        EXPECT_TRUE(printed.contains(QStringLiteral("Fiat Ducato")));
        EXPECT_TRUE(printed.contains(QStringLiteral("SETTEMBRE:")));
        EXPECT_EQ(printed.count(QStringLiteral("X")), int(std::size(booked)));

        // The planner is left as it was.
        EXPECT_EQ(Day(1, 1), BookedDay(QStringLiteral("Rossi Mario 333 1234567")));
        EXPECT_EQ(Day(4, 4), (DayState{QStringLiteral("   "), true, false}));
        printer.printed.clear();
        printer.previewed.clear();
    }
}

TEST_F(StampaPlanningTest, TheMarkFollowsTheBookedMarkerAlone) {
    // The chart asks the booked marker, not the text, and not whether the
    // planner is on screen (here it is not).
    ASSERT_FALSE(frmPlanning->isVisible());
    const auto marker = [](int m, int d) {
        return frmPlanning->findChild<QLabel *>(DayComponentName("occ", m, d));
    };
    SetDay(5, 5, QStringLiteral("Verdi"));
    marker(5, 5)->hide();
    SetDay(5, 6, QString());
    marker(5, 6)->show();
    SetDay(5, 7, QStringLiteral("Neri"));
    auto window = Produce(Kind::Print);
    const Report &chart = *window->repDocumento;
    EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtMag_05")).Text(), QStringLiteral(" "));
    EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtMag_06")).Text(), QStringLiteral("X"));
    EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtMag_07")).Text(), QStringLiteral("X"));
}

TEST_F(StampaPlanningTest, TwentyNinthFebruaryFollowsItsMarkerInEveryYear) {
    const struct {
        const char *year;
        bool booked;
        const char *mark;
    } cases[] = {
        {"2024", true, "X"},  {"2024", false, " "},
        {"2026", false, " "},  // a common year: the planner offers no booking of that day
        {"2026", true, "X"},   // ...but one stored in its file still shows
        {"2100", true, "X"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.year) + (c.booked ? " booked" : " free"));
        SetHeader(QString::fromLatin1(c.year), QStringLiteral("Camper"), QStringLiteral("Laika"),
                  QStringLiteral("Kreos"), QStringLiteral("CK300CC"));
        SetDay(2, 28, QStringLiteral("Bianchi"));
        SetDay(2, 29, c.booked ? QStringLiteral("Bianchi") : QString());
        SetDay(3, 1, QString());
        auto window = Produce(Kind::Preview);
        const Report &chart = *window->repDocumento;
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtTitolo")).Text(),
                  QStringLiteral("PLANNER PRENOTAZIONI ANNO ") + QString::fromLatin1(c.year));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtFeb_28")).Text(), QStringLiteral("X"));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtFeb_29")).Text(), QString::fromLatin1(c.mark));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtMar_01")).Text(), QStringLiteral(" "));
    }
}

TEST_F(StampaPlanningTest, AFreeYearIsAllBlanksAFullYearIsAllCrosses) {
    for (const bool full : {false, true}) {
        SCOPED_TRACE(full ? "full" : "free");
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= kMonths[m - 1].days; ++d) SetDay(m, d, full ? QStringLiteral("Cliente") : QString());
        auto window = Produce(Kind::Print);
        EXPECT_EQ(Marks(*window->repDocumento), QStringList(366, full ? QStringLiteral("X") : QStringLiteral(" ")));
        // Every mark reaches the sheet, a blank one as a blank.
        const QStringList printed = window->repDocumento->PreparedPages().front().Texts();
        EXPECT_EQ(printed.count(full ? QStringLiteral("X") : QStringLiteral(" ")), 366);
    }
}

TEST_F(StampaPlanningTest, TheHeaderIsTrimmedAndMakeAndModelShareOneCell) {
    const struct {
        const char *year, *type, *make, *model, *plate;
        const char *title, *vehicle, *makeModel, *plateShown;
    } cases[] = {
        {" 2027\t", "  Autovettura ", " Fiat ", " Panda  ", " AB123CD ", "PLANNER PRENOTAZIONI ANNO 2027",
         "Autovettura", "Fiat Panda", "AB123CD"},
        {"2027", "Furgone", "", "", "XY", "PLANNER PRENOTAZIONI ANNO 2027", "Furgone", " ", "XY"},
        {"2027", "Furgone", "Iveco", "  ", "XY", "PLANNER PRENOTAZIONI ANNO 2027", "Furgone", "Iveco ", "XY"},
        {"2027", "Furgone", "", "Daily", "XY", "PLANNER PRENOTAZIONI ANNO 2027", "Furgone", " Daily", "XY"},
        {"", "", "", "", "", "PLANNER PRENOTAZIONI ANNO ", "", " ", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title + std::string("|") + c.makeModel);
        SetHeader(U(c.year), U(c.type), U(c.make), U(c.model), U(c.plate));
        auto window = Produce(Kind::Print);
        const Report &chart = *window->repDocumento;
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtTitolo")).Text(), U(c.title));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtVeicolo")).Text(), U(c.vehicle));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtModello")).Text(), U(c.makeModel));
        EXPECT_EQ(chart.Get<Memo>(QStringLiteral("txtTarga")).Text(), U(c.plateShown));
    }
}

TEST_F(StampaPlanningTest, ALongVehicleStaysOnOneLineAndBracketsPrintAsTheyAre) {
    const QString type = QStringLiteral("Autocarro [cassone ribaltabile] con gru {idraulica} ") + QString(20, u'W');
    const QString plate = QStringLiteral("[TARGA PROVA 2026 - NUMERO LUNGO]");
    SetHeader(QStringLiteral("2026"), type, QStringLiteral("Iveco"), QStringLiteral("Eurocargo [4x4]"), plate);
    auto window = Produce(Kind::Print);
    const PreparedPage &page = window->repDocumento->PreparedPages().front();
    const QStringList vehicle = page.Texts(QStringLiteral("txtVeicolo"));
    ASSERT_EQ(vehicle.size(), 1);
    EXPECT_TRUE(type.startsWith(vehicle[0]));
    EXPECT_LT(vehicle[0].size(), type.size());
    EXPECT_EQ(page.Texts(QStringLiteral("txtModello")), QStringList{QStringLiteral("Iveco Eurocargo [4x4]")});
    const QStringList plateShown = page.Texts(QStringLiteral("txtTarga"));
    ASSERT_EQ(plateShown.size(), 1);
    EXPECT_TRUE(plate.startsWith(plateShown[0]));
    EXPECT_LT(plateShown[0].size(), plate.size());

    // Nothing of the plate is drawn past its value cell (32 + 37 mm from the
    // printable area's left, which lies 10 mm in).
    const QImage sheet = RenderPage(page, 8);
    EXPECT_GT(DarkPixels(sheet, 8, QRectF(10 + 33, 10 + 106, 30, 3.5)), 0);
    EXPECT_EQ(DarkPixels(sheet, 8, QRectF(10 + 69.5, 10 + 105.5, 40, 5)), 0);
}

TEST_F(StampaPlanningTest, TheFooterTellsTheMomentOfTheCommand) {
    clock.Set(QDateTime(QDate(2026, 3, 7), QTime(8, 5, 9)));
    auto window = Produce(Kind::Print);
    EXPECT_EQ(window->repDocumento->Get<Memo>(QStringLiteral("txtCalce")).Text(),
              QStringLiteral("Stampa eseguita in data 07/03/2026 alle ore 08:05:09"));
    clock.Set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)));
    Produce(Kind::Preview);
    ASSERT_EQ(printer.previewed.size(), 1u);
    EXPECT_TRUE(PictureTexts(printer.previewed[0].pages[0])
                    .contains(QStringLiteral("Stampa eseguita in data 31/12/2026 alle ore 23:59:58")));
}

// ---- leaving the window ---------------------------------------------------

TEST_F(StampaPlanningTest, AnnullaClosesTheWindowAndHandsOutNothing) {
    SetDay(8, 15, QStringLiteral("Ferragosto"));
    for (Kind kind : {Kind::Print, Kind::Preview}) {
        SCOPED_TRACE(KindName(kind));
        auto window = Make(kind);
        bool open = true;
        WhileOpen(*window, [&](PlanningPrintWindow &w) {
            Click(w.btnAnnulla);
            open = w.isVisible();
        });
        EXPECT_FALSE(open);
        EXPECT_TRUE(printer.printed.empty());
        EXPECT_TRUE(printer.previewed.empty());
        // Nothing was filled: the chart is still the design.
        EXPECT_TRUE(window->repDocumento->PreparedPages().empty());
        EXPECT_EQ(window->repDocumento->Get<Memo>(QStringLiteral("txtTitolo")).Text(),
                  QStringLiteral("PLANNER PRENOTAZIONI ANNO"));
        EXPECT_EQ(window->repDocumento->Get<Memo>(QStringLiteral("txtGen_01")).Text(), QStringLiteral("X"));
    }
}

TEST_F(StampaPlanningTest, ACancelledPrintDialogStillClosesTheWindow) {
    printer.acceptDialog = false;
    auto window = Make(Kind::Print);
    EXPECT_FALSE(PressMain(*window));
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(window->repDocumento->PreparedPages().size(), 1u);
}

TEST_F(StampaPlanningTest, AFailedOutputShowsItsReasonAndTheWindowStaysForAnotherTry) {
    const QString reason = QStringLiteral("nessuna stampante installata");
    const struct {
        Kind kind;
        QString box;
    } cases[] = {
        {Kind::Print, report::PrintFailureMessage(reason)},
        {Kind::Preview, report::PreviewFailureMessage(reason)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(KindName(c.kind));
        auto window = Make(c.kind);
        WhileOpen(*window, [&](PlanningPrintWindow &w) {
            printer.failWith = reason;
            messages.Expect(MsgKind::Error, c.box);
            Click(w.btnStampa);
            messages.Verify();
            EXPECT_TRUE(w.isVisible());
            EXPECT_TRUE(Jobs(c.kind).empty());
            // Once the printer is back, the same window hands the chart out
            // and closes.
            printer.failWith.clear();
            Click(w.btnStampa);
            EXPECT_FALSE(w.isVisible());
        });
        EXPECT_EQ(Jobs(c.kind).size(), 1u);
        printer.printed.clear();
        printer.previewed.clear();
    }
}

// ---- the planner on screen ------------------------------------------------

TEST_F(StampaPlanningTest, ThePlannerPrintsAsItStandsOnScreenNotAsItsFile) {
    const QString plate = QStringLiteral("CK300CC");
    PlannerImage stored;
    stored.Header(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), plate)
        .Day(DayIndex(1, 10), QStringLiteral("Rossi"))
        .Day(DayIndex(2, 29), QStringLiteral("Neri"))
        .Day(DayIndex(8, 20), QStringLiteral("Verdi"));
    folder.Write(PlannerName(plate, QStringLiteral("2025")), stored.bytes);
    OpenPlannerOf(Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), plate),
                  QStringLiteral("2025"));
    ASSERT_TRUE(frmPlanning->isVisible());
    ASSERT_EQ(Day(2, 29), BookedDay(QStringLiteral("Neri")));
    // Booked and freed since the file was written.
    SetDay(8, 20, QString());
    SetDay(12, 24, QStringLiteral("Bruni"));

    auto window = Produce(Kind::Print);
    QStringList expected(366, QStringLiteral(" "));
    for (int index : {DayIndex(1, 10), DayIndex(2, 29), DayIndex(12, 24)}) expected[index] = QStringLiteral("X");
    EXPECT_EQ(Marks(*window->repDocumento), expected);
    EXPECT_EQ(window->repDocumento->Get<Memo>(QStringLiteral("txtTitolo")).Text(),
              QStringLiteral("PLANNER PRENOTAZIONI ANNO 2025"));
    EXPECT_EQ(window->repDocumento->Get<Memo>(QStringLiteral("txtModello")).Text(), QStringLiteral("Laika Kreos"));
    // Printing writes nothing.
    EXPECT_EQ(folder.Read(PlannerName(plate, QStringLiteral("2025"))), stored.bytes);
}

// ---- the sheet ------------------------------------------------------------

TEST_F(StampaPlanningTest, TheSheetShowsTheBandsTheRowsAndTheCrosses) {
    SetDay(1, 5, QStringLiteral("Rossi"));
    SetDay(2, 6, QStringLiteral("Rossi"));
    SetDay(12, 31, QStringLiteral("Rossi"));
    auto window = Produce(Kind::Print);
    constexpr double dpm = 8;
    const QImage sheet = RenderPage(window->repDocumento->PreparedPages().front(), dpm);
    // A point of the chart, in millimetres from the printable area's corner.
    const auto at = [&](double x, double y) { return QColor(PixelAtMm(sheet, dpm, 10 + x, 10 + y)); };
    EXPECT_EQ(at(2, 1.5), kLightSteelBlue);      // the title band
    EXPECT_EQ(at(2, 9), QColor(Qt::white));      // the day numbers' row
    EXPECT_EQ(at(28, 14.5), kBeige);             // January
    EXPECT_EQ(at(28, 20.5), QColor(Qt::white));  // February
    EXPECT_EQ(at(28, 80.5), QColor(Qt::white));  // December
    EXPECT_EQ(at(28, 74.5), kBeige);             // November
    EXPECT_EQ(at(28, 90), kBeige);               // "Veicolo:"
    EXPECT_EQ(at(140, 90), QColor(Qt::white));   // its value
    EXPECT_EQ(at(200, 90), QColor(Qt::white));   // beside the vehicle block: nothing
    EXPECT_EQ(at(270, 123), kGold);              // the footer band, beside its text
    EXPECT_EQ(at(150, 130), QColor(Qt::white));  // below the chart: nothing

    // The inside of a day's column in a month's row, clear of its lines.
    const auto cell = [&](int month, int day) {
        const double left = 30 + 8 * (day - 1), top = 12 + 6 * (month - 1);
        return DarkPixels(sheet, dpm, QRectF(10 + left + 0.6, 10 + top + 0.6, day == 31 ? 5.8 : 6.8, 4.8));
    };
    EXPECT_GT(cell(1, 5), 10);
    EXPECT_GT(cell(2, 6), 10);
    EXPECT_GT(cell(12, 31), 10);
    EXPECT_EQ(cell(1, 6), 0);
    EXPECT_EQ(cell(2, 29), 0);
    // The places of days no month has: row fill and lines only.
    EXPECT_EQ(cell(2, 30), 0);
    EXPECT_EQ(cell(2, 31), 0);
    EXPECT_EQ(cell(4, 31), 0);
    EXPECT_EQ(cell(11, 31), 0);
    // The day numbers above the columns, and a column line between two days.
    EXPECT_GT(DarkPixels(sheet, dpm, QRectF(10 + 31, 10 + 8, 6, 3.5)), 0);
    EXPECT_GT(DarkPixels(sheet, dpm, QRectF(10 + 37.9, 10 + 37, 0.3, 3)), 0);
}

}  // namespace
}  // namespace vel::test
