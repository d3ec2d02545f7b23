#include "Planning.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <exception>

#include "AnteprimaPlanning.h"
#include "common/DateText.h"
#include "StampaPlanning.h"

#include "Giorno.h"
#include "Intervallo.h"
#include "MenuCamere.h"
#include "PlannerKit.h"
#include "pictures/Pictures.h"
#include "RiepPrenotazioni.h"
#include "cards/Launcher.h"
#include "common/ArchiveFile.h"
#include "common/MonthTable.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "dialogs/Guida.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmPlanning *frmPlanning = nullptr;

namespace {

// The grid: day d of month m has its top left corner here, on panContainer.
constexpr int kGridLeft = 166, kGridTop = 152, kColumnStep = 26, kRowStep = 40;
constexpr int kTileWidth = 24, kTileHeight = 33;

constexpr int kDaysField = PlannerRecord.IndexOf("Giorni");

const BoxLook kWhiteFrame{Qt::white, QColor(0x9F, 0xB6, 0xCD), 6};

ImageButton *Command(QWidget *parent, const char *name, const QRect &geometry, const PictureKey &face) {
    auto *button = new ImageButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    ShowPicture(button, face);
    return button;
}

// Dialogs are filled through their published controls, found by name.
void SetLabelText(QWidget *dialog, const char *name, const QString &text) {
    if (auto *label = dialog->findChild<QLabel *>(QString::fromLatin1(name))) label->setText(text);
}

void EmptyCombo(QWidget *dialog, const char *name) {
    auto *combo = dialog->findChild<QComboBox *>(QString::fromLatin1(name));
    if (!combo) return;
    if (combo->isEditable())
        combo->setEditText(QString());
    else
        combo->setCurrentIndex(-1);
}

// DayComponentName, written straight into one buffer: the grid names 2,196
// controls while the program starts.
QString GridName(const char *prefix, int month, int day) {
    char name[32];
    size_t n = 0;
    for (const char *c = prefix; *c && n < 24; ++c) name[n++] = *c;
    for (const char *c = kMonths[month - 1].component; *c && n < 28; ++c) name[n++] = *c;
    name[n++] = '_';
    name[n++] = char('0' + day / 10 % 10);
    name[n++] = char('0' + day % 10);
    return QString::fromLatin1(name, qsizetype(n));
}

}  // namespace

// ---- the day cells --------------------------------------------------------

DayImage::DayImage(QWidget *parent, int month, int day) : QLabel(parent), month_(month), day_(day) {}

// The one handler of all 732 day markers: the pointer over a marker puts the
// grid's hint in the status line, a click on it opens the dialog of its day.
class DayCellEvents : public QObject {
public:
    explicit DayCellEvents(TfrmPlanning *planner) : QObject(planner), planner_(planner) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove: planner_->libGen_01MouseMove(); break;
        case QEvent::MouseButtonRelease: {
            auto *image = static_cast<DayImage *>(watched);
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && image->rect().contains(mouse->position().toPoint())) {
                planner_->occDayClick(image->Month(), image->Day());
                return true;
            }
            break;
        }
        default: break;
        }
        return false;
    }

private:
    TfrmPlanning *planner_;
};

// ---- the window -----------------------------------------------------------

TfrmPlanning::TfrmPlanning(QWidget *owner) : Form(owner), dayEvents_(new DayCellEvents(this)) {
    setObjectName(QStringLiteral("frmPlanning"));
    panContainer = BuildPlannerWindow(this);
    QWidget *c = panContainer;

    shpContainer = Shape(c, "shpContainer", QRect(8, 8, 979, 676),
                         BoxLook{QColor(0x46, 0x82, 0xB4), Qt::white, 6, Qt::white});

    // The command bar.
    shpTitolo = Shape(c, "shpTitolo", QRect(16, 16, 238, 57), kWhiteFrame);
    shpIntervallo = Shape(c, "shpIntervallo", QRect(260, 16, 150, 57), kWhiteFrame);
    shpRiepilogo = Shape(c, "shpRiepilogo", QRect(416, 16, 150, 57), kWhiteFrame);
    shpAnteprima = Shape(c, "shpAnteprima", QRect(572, 16, 150, 57), kWhiteFrame);
    shpStampa = Shape(c, "shpStampa", QRect(728, 16, 150, 57), kWhiteFrame);
    shpControlli06 = Shape(c, "shpControlli06", QRect(884, 16, 93, 57), kWhiteFrame);
    icoTitolo = new QLabel(c);
    icoTitolo->setObjectName(QStringLiteral("icoTitolo"));
    icoTitolo->setGeometry(34, 29, 199, 38);
    ShowPicture(icoTitolo, {PictureName::TitleArtwork, {199, 38}, 0, QStringLiteral("PLANNER")});
    const QSize face(135, 43);
    cmdIntervallo = Command(c, "cmdIntervallo", QRect(268, 26, 135, 43), {PictureName::OrangeButton, face, 0, QStringLiteral("Intervallo")});
    cmdRiepilogo = Command(c, "cmdRiepilogo", QRect(424, 26, 135, 43), {PictureName::OrangeButton, face, 0, QStringLiteral("Riepilogo")});
    cmdAnteprima = Command(c, "cmdAnteprima", QRect(580, 26, 135, 43), {PictureName::OrangeButton, face, 0, QStringLiteral("Anteprima")});
    cmdStampa = Command(c, "cmdStampa", QRect(736, 26, 135, 43), {PictureName::OrangeButton, face, 0, QStringLiteral("Stampa")});
    cmdGuida = Command(c, "cmdGuida", QRect(892, 27, 37, 39), {PictureName::GuideIcon, {37, 39}});
    cmdEsci = Command(c, "cmdEsci", QRect(933, 27, 37, 39), {PictureName::ExitIcon, {37, 39}});

    // The vehicle header and the year.
    bkgCamera = Shape(c, "bkgCamera", QRect(16, 80, 766, 56), kWhiteFrame);
    const struct {
        Edit **edit;
        const char *name;
        const char *caption;
        int left, width;
    } header[] = {
        {&txtVeicolo, "txtVeicolo", "Tipo veicolo:", 28, 176},
        {&txtMarca, "txtMarca", "Marca:", 216, 200},
        {&txtModello, "txtModello", "Modello:", 428, 200},
        {&txtTarga, "txtTarga", "Targa:", 640, 130},
    };
    for (const auto &h : header) {
        auto *caption = new QLabel(QString::fromLatin1(h.caption), c);
        caption->setGeometry(h.left, 86, h.width, 16);
        caption->setFont(PixelFont(QStringLiteral("Verdana"), 11));
        Edit *edit = new Edit(c);
        edit->setObjectName(QString::fromLatin1(h.name));
        edit->setGeometry(h.left, 104, h.width, 22);
        // Read-only before the font: made read-only, an edit measures its
        // caret in its font, which would load it while the window is built.
        edit->setReadOnly(true);
        edit->setFont(PixelFont(QStringLiteral("Verdana"), 12, true));
        // A pale ground framed in sky blue over the whole edit; clicks reach it.
        edit->setStyleSheet(QStringLiteral("QLineEdit { background-color: #F0F8FF; border: 1px solid #87CEEB; "
                                           "padding: 0 2px; }"));
        *h.edit = edit;
    }
    icoAnno = new QLabel(c);
    icoAnno->setObjectName(QStringLiteral("icoAnno"));
    icoAnno->setGeometry(788, 80, 190, 56);
    ShowPicture(icoAnno, {PictureName::YearBox, {190, 56}});
    txtAnno = new QLabel(QStringLiteral("ANNO"), c);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setGeometry(889, 93, 86, 30);
    txtAnno->setFont(PixelFont(QStringLiteral("Verdana"), 23, true));
    SetTextColour(txtAnno, Qt::yellow);

    // The grid.
    shpSezione01 = Shape(c, "shpSezione01", QRect(16, 144, 962, 490),
                         BoxLook{QColor(0x42, 0x7A, 0xA8), Qt::white, 4, Qt::white});
    panMemGiorni = new QWidget(c);
    panMemGiorni->setObjectName(QStringLiteral("panMemGiorni"));
    panMemGiorni->setGeometry(0, 0, 1, 1);
    panMemGiorni->hide();
    BuildGrid();

    // The status line.
    shpInfo = Shape(c, "shpInfo", QRect(16, 642, 962, 32), BoxLook{QColor(0x30, 0x30, 0xDD), QColor(), 3});
    panInfo = new StatusLine(c);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setGeometry(22, 650, 950, 18);
    panInfo->setFont(PixelFont(QStringLiteral("Tahoma"), 12));
    // White text straight on the blue shape, from its left edge.
    panInfo->setAutoFillBackground(false);
    panInfo->setContentsMargins(0, 0, 0, 0);
    panInfo->setText(QStringLiteral("Pronto per archiviare una nuova scheda..."));

    lblPosizione = new QLabel(QStringLiteral("1"), c);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();
    cmdNuovo = new ImageButton(c);
    cmdNuovo->setObjectName(QStringLiteral("cmdNuovo"));
    cmdNuovo->hide();
    cmdSalva = new ImageButton(c);
    cmdSalva->setObjectName(QStringLiteral("cmdSalva"));
    cmdSalva->hide();

    cmdNuovo->onClick = [this] { cmdNuovoClick(); };
    cmdSalva->onClick = [this] { cmdSalvaClick(); };
    cmdIntervallo->onClick = [this] { cmdIntervalloClick(); };
    cmdRiepilogo->onClick = [this] { cmdRiepilogoClick(); };
    cmdAnteprima->onClick = [this] { cmdAnteprimaClick(); };
    cmdStampa->onClick = [this] { cmdStampaClick(); };
    cmdGuida->onClick = [this] { cmdGuidaClick(); };
    cmdEsci->onClick = [this] { cmdEsciClick(); };

    const std::pair<QWidget *, const char *> hints[] = {
        {cmdIntervallo, "Prenota intervallo di tempo."},
        {cmdRiepilogo, "Visualizza il riepilogo delle prenotazioni registrate."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa del planning corrente."},
        {cmdStampa, "Stampa il planning corrente."},
        {cmdGuida, "Visualizza la guida in linea."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
    };
    for (const auto &[command, hint] : hints) {
        const QString text = QString::fromLatin1(hint);
        OnMouseMove(command, [this, text] { panInfo->setText(text); });
    }
    for (QWidget *area : std::initializer_list<QWidget *>{this, shpContainer, shpControlli06, shpStampa, shpAnteprima,
                                                          shpTitolo, shpSezione01, bkgCamera, shpRiepilogo, icoTitolo,
                                                          shpIntervallo})
        OnMouseMoveOverBackground(area, [this] { FormMouseMove(); });
}

void TfrmPlanning::BuildGrid() {
    for (int m = 1; m <= 12; ++m) {
        const MonthInfo &month = kMonths[m - 1];
        const int y = kGridTop + kRowStep * (m - 1);
        auto *title = new QLabel(panContainer);
        title->setObjectName(QStringLiteral("tit") + QString::fromLatin1(month.component));
        title->setGeometry(24, y, 136, 33);
        titMonths[m - 1] = title;
        for (int d = 1; d <= month.days; ++d) {
            DayCell &cell = cells_[DayIndex(m, d)];
            const QRect place(kGridLeft + kColumnStep * (d - 1), y, kTileWidth, kTileHeight);
            cell.lib = new DayImage(panContainer, m, d);
            cell.occ = new DayImage(panContainer, m, d);
            for (DayImage *image : {cell.lib, cell.occ}) {
                const bool booked = image == cell.occ;
                image->setObjectName(GridName(booked ? "occ" : "lib", m, d));
                image->setGeometry(place);
                image->setCursor(Qt::PointingHandCursor);
                image->setMouseTracking(true);
                image->installEventFilter(dayEvents_);
            }
            cell.occ->hide();
            cell.mem = new QLabel(panMemGiorni);
            cell.mem->setObjectName(GridName("mem", m, d));
            cell.mem->hide();
        }
    }
    // The 12 titles and the 62 day tiles are drawn when the planner is first
    // shown; the tiles are shared by every month.
    WhenFirstShown(panContainer, [this] {
        for (int m = 1; m <= 12; ++m) {
            titMonths[m - 1]->setPixmap(Picture({PictureName::MonthTitle, {136, 33}, m}));
            for (int d = 1; d <= kMonths[m - 1].days; ++d) {
                const DayCell &cell = cells_[DayIndex(m, d)];
                cell.lib->setPixmap(Picture({PictureName::FreeDayTile, {24, 33}, d}));
                cell.occ->setPixmap(Picture({PictureName::BookedDayTile, {24, 33}, d}));
            }
        }
    });
}

const TfrmPlanning::DayCell &TfrmPlanning::Cell(int month, int day) const { return cells_[DayIndex(month, day)]; }

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules; only the limits of the header are left.
void TfrmPlanning::FormCreate() {
    txtVeicolo->SetMaxLength(50);
    txtMarca->SetMaxLength(50);
    txtModello->SetMaxLength(50);
    txtTarga->SetMaxLength(30);
}

// The planner is loaded before it shows, so that one whose file cannot be
// read never shows at all.
bool TfrmPlanning::Open() {
    if (!Prepare()) return false;
    Show();
    return true;
}

void TfrmPlanning::FormShow() { saveFailed_ = false; }

bool TfrmPlanning::Prepare() {
    cmdNuovoClick();
    if (frmMenuCamere) {
        txtVeicolo->setText(Trim(frmMenuCamere->lblVeicolo->text()));
        txtMarca->setText(Trim(frmMenuCamere->lblMarca->text()));
        txtModello->setText(Trim(frmMenuCamere->lblModello->text()));
        txtTarga->setText(Trim(frmMenuCamere->lblTarga->text()));
    }
    return LoadPlanner();
}

// Every close saves; a save that fails keeps the planner open with its days,
// so that nothing booked since it was shown is lost. When a further close
// fails too (a folder that stays unwritable), the user may close without
// saving rather than be held in the planner.
void TfrmPlanning::FormClose(CloseAction &action) {
    if (!SavePlanner()) {
        const bool failedBefore = saveFailed_;
        saveFailed_ = true;
        const bool leave =
            failedBefore &&
            MessageDlg(MsgKind::Confirmation,
                       QStringLiteral("Attenzione: non \u00e8 stato possibile salvare il planner.\n\r\n\r"
                                      "Chiudere il planner senza salvare le prenotazioni?")) == MsgButton::Yes;
        if (!leave) {
            action = CloseAction::None;
            return;
        }
    }
    saveFailed_ = false;
    ShowLauncher();
    Hide();
}

void TfrmPlanning::cmdNuovoClick() {
    for (DayCell &cell : cells_) {
        cell.lib->show();
        cell.occ->hide();
    }
    for (DayCell &cell : cells_) cell.mem->clear();
    lblPosizione->clear();
    txtVeicolo->setFocus();
}

bool TfrmPlanning::LoadPlanner() {
    // No planner file named (the chooser's "Apri" always names one): every day
    // stays free, and with no record number the close writes nothing.
    const QString path = frmMenuCamere ? Trim(frmMenuCamere->lblFile->text()) : QString();
    if (path.isEmpty()) return true;
    try {
        ArchiveFile planner;
        planner.OpenArchivePath(path, PlannerRecord);
        // A new file, or one shorter than a record, leaves every day free and
        // stays as it is until the save gives it its record.
        if (planner.RecordCount() > 0) {
            Record record(PlannerRecord);
            planner.ReadRecord(1, record);
            // The vehicle stored in the file is not read back: the header
            // always shows the vehicle of the chooser.
            for (int i = 0; i < kGridDays; ++i) cells_[i].mem->setText(record.Text(kDaysField, i));
            for (DayCell &cell : cells_) {
                const bool booked = !Trim(cell.mem->text()).isEmpty();
                cell.lib->setVisible(!booked);
                cell.occ->setVisible(booked);
            }
        }
        planner.CloseArchive();
        lblPosizione->setText(QStringLiteral("1"));
        return true;
    } catch (const std::exception &) {
        // The record number stays empty, so the close will not write over a
        // file whose bookings could not be read.
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
        return false;
    }
}

void TfrmPlanning::cmdSalvaClick() { SavePlanner(); }

bool TfrmPlanning::SavePlanner() {
    // Nothing was loaded (no file named, or its load failed): the stored
    // planner stays as it is.
    const QString path = frmMenuCamere ? Trim(frmMenuCamere->lblFile->text()) : QString();
    if (Trim(lblPosizione->text()).isEmpty() || path.isEmpty()) return true;
    try {
        ArchiveFile planner;
        planner.OpenArchivePath(path, PlannerRecord);
        Record record(PlannerRecord);
        record.SetText("Veicolo", Trim(txtVeicolo->text()));
        record.SetText("Marca", Trim(txtMarca->text()));
        record.SetText("Modello", Trim(txtModello->text()));
        record.SetText("Targa", Trim(txtTarga->text()));
        for (int i = 0; i < kGridDays; ++i) record.SetText(kDaysField, Trim(cells_[i].mem->text()), i);
        // Only record 1 is the planner's: a longer file keeps every byte after
        // it, a shorter one is written over from its start.
        if (planner.RecordCount() > 0)
            planner.WriteRecord(1, record);
        else
            planner.AppendRecord(record);
        planner.CloseArchive();
        lblPosizione->setText(QStringLiteral("1"));
        return true;
    } catch (const std::exception &) {
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
        return false;
    }
}

// ---- the commands ---------------------------------------------------------

void TfrmPlanning::occDayClick(int month, int day) {
    const QString year = Trim(txtAnno->text());
    if (month == 2 && day == 29) {
        const QString date = QStringLiteral("29/02/") + year;
        if (!IsValidDateText(date)) {
            MessageDlg(MsgKind::Warning,
                       QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" non esiste.") +
                           QStringLiteral("\n\r\n\r") +
                           QStringLiteral("Per poter effettuare la prenotazione \u00e8 necessario indicare una data "
                                          "valida."));
            return;
        }
    }
    TfrmGiorno dlg(this);
    dlg.Create();
    SetLabelText(&dlg, "lblMemory", DayKey(month, day));
    SetLabelText(&dlg, "infGiorno",
                 QStringLiteral("Prenotazione del ") + QString::number(day) + u' ' +
                     QString::fromUtf16(kMonths[month - 1].name) + u' ' + year);
    SetLabelText(&dlg, "infCamera", Trim(txtMarca->text()) + u' ' + Trim(txtModello->text()));
    if (auto *text = dlg.findChild<QLineEdit *>(QStringLiteral("txtPrenotazione")))
        text->setText(Trim(Cell(month, day).mem->text()));
    dlg.ShowModal();
}

void TfrmPlanning::libGen_01MouseMove() {
    panInfo->setText(QStringLiteral("Fai clic sul numero del giorno per inserire o cancellare una prenotazione."));
}

void TfrmPlanning::FormMouseMove() { panInfo->clear(); }

void TfrmPlanning::cmdIntervalloClick() {
    TfrmIntervallo dlg(this);
    dlg.Create();
    const QString year = Trim(txtAnno->text());
    SetLabelText(&dlg, "lblAnnoInizio", year);
    SetLabelText(&dlg, "lblAnnoFine", year);
    SetLabelText(&dlg, "infCamera", Trim(txtMarca->text()) + u' ' + Trim(txtModello->text()));
    for (const char *combo : {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"}) EmptyCombo(&dlg, combo);
    dlg.ShowModal();
}

void TfrmPlanning::cmdRiepilogoClick() {
    TfrmRiepPrenotazioni dlg(this);
    dlg.Create();
    dlg.ShowModal();
}

void TfrmPlanning::cmdAnteprimaClick() {
    TfrmAnteprimaPlanning preview(this);
    preview.Create();
    preview.ShowModal();
}

void TfrmPlanning::cmdStampaClick() {
    TfrmStampaPlanning print(this);
    print.Create();
    print.ShowModal();
}

// The planner's guide tells what the chooser's guide tells, word for word.
void TfrmPlanning::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("App Planner Noleggi"), HelpText(QStringLiteral("MenuCamere")));
}

void TfrmPlanning::cmdEsciClick() { Close(); }

}  // namespace vel
