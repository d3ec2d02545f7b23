#include "RiepPrenotazioni.h"

#include <exception>

#include "Planning.h"
#include "PlannerKit.h"
#include "pictures/Pictures.h"
#include "cards/ListReport.h"
#include "cards/ResultList.h"
#include "common/MonthTable.h"
#include "common/TextRules.h"

namespace vel {

TfrmRiepPrenotazioni *frmRiepPrenotazioni = nullptr;

namespace {

constexpr int kWidth = 862, kHeight = 560;
// Every line is laid out this wide, so that the list scrolls sideways.
constexpr int kLineWidth = 760;

Button *MakeButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry) {
    auto *button = new Button(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(PixelFont(QStringLiteral("Verdana"), 12, true));
    return button;
}

const BoxLook kShadedFrame{QColor(0xDE, 0xEA, 0xF3), Qt::white, 4, QColor(0x9F, 0xB6, 0xCD)};

}  // namespace

QString BookedDayLine(int month, int day, const QString &text) {
    const QString date = QStringLiteral("%1 ").arg(day, 2, 10, QLatin1Char('0')) + QString::fromUtf16(kMonths[month - 1].name);
    return date.leftJustified(15, u' ', true) + Trim(text);
}

TfrmRiepPrenotazioni::TfrmRiepPrenotazioni(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmRiepPrenotazioni"));
    SetCaption(QStringLiteral(" Riepilogo prenotazioni veicolo"));
    SetFixedClientSize(kWidth, kHeight);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(0, 0, kWidth, kHeight);
    QWidget *c = panContainer;

    imgLogo = new QLabel(c);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(8, 8, 817, 53);
    ShowPicture(imgLogo, {PictureName::SummaryHeader, {817, 53}});
    icoIstruzioni01 = new QLabel(c);
    icoIstruzioni01->setObjectName(QStringLiteral("icoIstruzioni01"));
    icoIstruzioni01->setGeometry(8, 66, 645, 31);
    ShowPicture(icoIstruzioni01,
                {PictureName::InstructionLines, {645, 31}, 0,
                 QStringLiteral("Digitare una o pi\u00f9 parole consecutive presenti nella voce da cercare e premere Trova."),
                 QStringLiteral("Per passare alla voce successiva con le stesse parole, premere di nuovo Trova.")});

    shpLente = Shape(c, "shpLente", QRect(16, 112, 64, 41), BoxLook{Qt::white, QColor(), 4});
    imgLente = new QLabel(c);
    imgLente->setObjectName(QStringLiteral("imgLente"));
    imgLente->setGeometry(16, 112, 64, 41);
    ShowPicture(imgLente, {PictureName::Magnifier, {64, 41}});
    imgLente->setAlignment(Qt::AlignCenter);

    shpTrova = Shape(c, "shpTrova", QRect(104, 114, 605, 38), kShadedFrame);
    txtTrova = new Edit(c);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setGeometry(112, 122, 593, 22);
    txtTrova->setFont(PixelFont(QStringLiteral("Verdana"), 12, true));
    btnTrova = MakeButton(c, "btnTrova", QStringLiteral("Trova"), QRect(710, 117, 105, 30));

    shpRecords = Shape(c, "shpRecords", QRect(8, 168, 817, 313), kShadedFrame);
    lstRecords = new ListBox(c);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(16, 176, 801, 297);
    PrepareResultList(lstRecords);

    btnChiudi = MakeButton(c, "btnChiudi", QStringLiteral("Chiudi"), QRect(8, 488, 150, 30));
    btnStampa = MakeButton(c, "btnStampa", QStringLiteral("Stampa"), QRect(675, 488, 150, 30));

    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnChiudi);
    setTabOrder(btnChiudi, btnStampa);

    connect(btnTrova, &QPushButton::clicked, this, &TfrmRiepPrenotazioni::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepPrenotazioni::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmRiepPrenotazioni::btnChiudiClick);
    txtTrova->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) { txtTrovaKeyDown(k, ch, s); };
}

// The list is built once, when the planner's command creates the window: the
// planner cannot change while the summary is open.
void TfrmRiepPrenotazioni::FormCreate() {
    try {
        txtTrova->clear();
        // Calendar order, whatever the planner's year; only the text decides
        // whether a day is listed.
        QStringList lines;
        if (frmPlanning) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= kMonths[m - 1].days; ++d) {
                    const QString text = Trim(frmPlanning->Cell(m, d).mem->text());
                    if (!text.isEmpty()) lines.append(BookedDayLine(m, d, text));
                }
            }
        }
        SetResultLines(lstRecords, lines, kLineWidth);
        txtTrova->setFocus();
    } catch (const std::exception &) {
        // A list that cannot be built stays as far as it got, without a word.
    }
}

// The summary's find text is never emptied: it is one for every summary
// window of the run.
void TfrmRiepPrenotazioni::btnTrovaClick() { FindNextInList(lstRecords, txtTrova->text(), LastFindText(this)); }

void TfrmRiepPrenotazioni::txtTrovaKeyDown(int &key, QChar &, Qt::KeyboardModifiers) {
    if (key != vkReturn) return;
    FocusByEnter(btnTrova);
    key = 0;
}

void TfrmRiepPrenotazioni::btnStampaClick() {
    QString title = QStringLiteral("Riepilogo prenotazioni veicolo ");
    if (frmPlanning)
        title += Trim(frmPlanning->txtMarca->text()) + u' ' + Trim(frmPlanning->txtModello->text()) +
                 QStringLiteral(" anno ") + Trim(frmPlanning->txtAnno->text());
    ListReport(this, title, ResultLines(lstRecords));
}

void TfrmRiepPrenotazioni::btnChiudiClick() { Close(); }

void TfrmRiepPrenotazioni::FormClose(CloseAction &) { lstRecords->clear(); }

}  // namespace vel
