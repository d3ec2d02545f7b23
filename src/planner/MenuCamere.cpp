#include "MenuCamere.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "Planning.h"
#include "PlannerKit.h"
#include "pictures/Pictures.h"
#include "cards/Launcher.h"
#include "cards/ResultList.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/DateText.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "dialogs/Guida.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmMenuCamere *frmMenuCamere = nullptr;

namespace {

// The chooser reads the vehicle archive; only the vehicle card writes it.
const QString kFleetArchive = QStringLiteral("Flotta_Automezzi.pro");

// A plate becomes part of a file name: one holding a path separator or a
// control character would name another file, or none.
bool PlateFitsFileName(const QString &plate) {
    return std::none_of(plate.begin(), plate.end(), [](QChar c) {
        return c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F;
    });
}

QLabel *HiddenLabel(QWidget *parent, const char *name, const QString &text = {}) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}

const BoxLook kSteelGradient{QColor(0x46, 0x82, 0xB4), Qt::white, 6, Qt::white};
const BoxLook kLightBand{QColor(0xDE, 0xEA, 0xF3), Qt::white, 4, QColor(), 2};

}  // namespace

QString PlannerFilePath(const QString &plate, const QString &year) {
    return ProgramFolder() + QStringLiteral("Prenotazioni veicolo targa ") + plate + QStringLiteral(" anno ") + year +
           QStringLiteral(".pln");
}

TfrmMenuCamere::TfrmMenuCamere(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmMenuCamere"));
    panContainer = BuildPlannerWindow(this);
    QWidget *c = panContainer;

    shpContainer = Shape(c, "shpContainer", QRect(8, 8, 977, 675), kSteelGradient);
    shpTitle = Shape(c, "shpTitle", QRect(16, 16, 961, 100), BoxLook{QColor(0x28, 0x53, 0xA2), QColor(), 6});
    bkgTitle = Shape(c, "bkgTitle", QRect(24, 24, 945, 84), BoxLook{Qt::white, QColor(), 4});
    icoTitolo = Picture(c, "icoTitolo", QRect(258, 48, 483, 48), {PictureName::TitleArtwork, {483, 48}, 0, QStringLiteral("PLANNER NOLEGGI")});
    icoLetto = Picture(c, "icoLetto", QRect(38, 36, 139, 64), {PictureName::Car, {139, 64}});
    Image1 = Picture(c, "Image1", QRect(822, 44, 144, 52), {PictureName::Keys, {144, 52}});
    shpBody = Shape(c, "shpBody", QRect(16, 122, 961, 561), kSteelGradient);

    lblInformazioni = new QLabel(
        QStringLiteral("Selezionare un anno solare e un veicolo e premere il pulsante Apri."), c);
    lblInformazioni->setObjectName(QStringLiteral("lblInformazioni"));
    lblInformazioni->move(26, 130);
    lblInformazioni->setFont(PixelFont(QStringLiteral("Verdana"), 12));
    SetTextColour(lblInformazioni, Qt::yellow);
    // Sized to its text when first shown: measuring loads the font.
    WhenFirstShown(lblInformazioni, [label = lblInformazioni] { label->adjustSize(); });

    shpAnnoFatture = Shape(c, "shpAnnoFatture", QRect(24, 152, 945, 62), kLightBand);
    titAnno = new QLabel(QStringLiteral("Anno:"), c);
    titAnno->setObjectName(QStringLiteral("titAnno"));
    titAnno->move(370, 174);
    titAnno->setFont(PixelFont(QStringLiteral("Verdana"), 14));
    WhenFirstShown(titAnno, [label = titAnno] { label->adjustSize(); });

    txtAnnoFatture = new YearEdit(c);
    txtAnnoFatture->setObjectName(QStringLiteral("txtAnnoFatture"));
    txtAnnoFatture->setGeometry(422, 170, 94, 28);
    txtAnnoFatture->setFont(PixelFont(QStringLiteral("Verdana"), 14, true));

    btnApriFatture = new Button(QStringLiteral("Apri"), c);
    btnApriFatture->setObjectName(QStringLiteral("btnApriFatture"));
    btnApriFatture->setGeometry(526, 170, 122, 28);
    btnApriFatture->setFont(PixelFont(QStringLiteral("Verdana"), 12));

    icoMano = Picture(c, "icoMano", QRect(656, 176, 36, 19), {PictureName::PointingHand, {36, 19}});
    icoMano->hide();

    bkgBianco03 = Shape(c, "bkgBianco03", QRect(24, 224, 945, 353), kLightBand);
    lstRecords = new ListBox(c);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(32, 232, 929, 337);
    PrepareResultList(lstRecords);

    bkgBianco04 = Shape(c, "bkgBianco04", QRect(24, 584, 945, 92),
                        BoxLook{Qt::white, QColor(), 4});
    imgGuida = new ImageButton(c);
    imgGuida->setObjectName(QStringLiteral("imgGuida"));
    imgGuida->setGeometry(40, 604, 141, 67);
    ShowPicture(imgGuida, {PictureName::BlueButton, {141, 67}, 0, QStringLiteral("Guida")});
    imgEsci = new ImageButton(c);
    imgEsci->setObjectName(QStringLiteral("imgEsci"));
    imgEsci->setGeometry(812, 604, 140, 67);
    ShowPicture(imgEsci, {PictureName::BlueButton, {140, 67}, 0, QStringLiteral("Esci")});

    lblVeicolo = HiddenLabel(this, "lblVeicolo");
    lblMarca = HiddenLabel(this, "lblMarca");
    lblModello = HiddenLabel(this, "lblModello");
    lblTarga = HiddenLabel(this, "lblTarga");
    lblFile = HiddenLabel(this, "lblFile");
    lblMemory = HiddenLabel(this, "lblMemory", QStringLiteral("avvio"));

    setTabOrder(txtAnnoFatture, btnApriFatture);
    setTabOrder(btnApriFatture, lstRecords);

    txtAnnoFatture->SetEnterTarget(btnApriFatture);
    txtAnnoFatture->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) { txtAnnoFattureKeyDown(k, ch, s); };
    connect(btnApriFatture, &QPushButton::clicked, this, &TfrmMenuCamere::btnApriFattureClick);
    // The pick follows the selected line however it was chosen, by the mouse
    // or by the keyboard: "Apri" always opens the vehicle the list shows selected.
    lstRecords->onSelectionChange = [this] {
        if (SelectedRow(lstRecords) >= 0) lstRecordsClick();
    };
    imgGuida->onClick = [this] { imgGuidaClick(); };
    imgEsci->onClick = [this] { imgEsciClick(); };
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules; only the limit of the year is left.
void TfrmMenuCamere::FormCreate() { txtAnnoFatture->SetMaxLength(4); }

void TfrmMenuCamere::FormShow() {
    try {
        lblVeicolo->clear();
        lblMarca->clear();
        lblModello->clear();
        lblTarga->clear();
        pickedLine_.clear();
        icoMano->hide();

        // A vehicle without a plate has no planner file, so it is not listed.
        QStringList lines;
        std::exception_ptr failure;
        try {
            CollectListLines(
                ProgramPath(kFleetArchive), VehicleRecord,
                [](const Record &vehicle) { return !vehicle.Text("Targa").isEmpty(); }, VehicleChooserLine, lines);
        } catch (const std::exception &) {
            failure = std::current_exception();
        }
        // The lines read before a failure are shown all the same.
        SortListLines(lines);
        SetResultLines(lstRecords, std::move(lines), 910);
        if (failure) std::rethrow_exception(failure);

        txtAnnoFatture->setText(Today().toString(QStringLiteral("yyyy")));
        lblMemory->setText(QStringLiteral("avvio"));
        txtAnnoFatture->setFocus();
    } catch (const std::exception &) {
        // The chooser says nothing of a fleet file it cannot read.
    }
}

void TfrmMenuCamere::lstRecordsClick() {
    const int row = SelectedRow(lstRecords);
    if (row < 0) return;
    const QString chosen = Trim(lstRecords->Line(row));
    // The line is the only link to its vehicle: of the records whose line is
    // the same, the last in the file is taken, once. A read that fails part
    // way still takes the last one read before it.
    Record vehicle(VehicleRecord);
    std::optional<Record> last;
    try {
        ArchiveFile archive;
        archive.OpenArchivePath(ProgramPath(kFleetArchive), VehicleRecord);
        while (archive.Position() < archive.RecordCount()) {
            archive.ReadNextRecord(vehicle);
            if (Trim(VehicleChooserLine(vehicle)) == chosen) last = vehicle;
        }
    } catch (const std::exception &) {
        // A pick that fails before any match leaves the labels as they were.
    }
    if (!last) return;
    lblVeicolo->setText(last->Text("Veicolo"));
    lblMarca->setText(last->Text("Marca"));
    lblModello->setText(last->Text("Modello"));
    lblTarga->setText(last->Text("Targa"));
    icoMano->show();
    pickedLine_ = chosen;
}

// Digits and the editing keys only; Enter moves on to "Apri" (YearEdit).
void TfrmMenuCamere::txtAnnoFattureKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    txtAnnoFatture->KeyRule(key, keyChar);
}

void TfrmMenuCamere::btnApriFattureClick() {
    const QString year = txtAnnoFatture->text();
    if (!IsYearText(year)) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnnoFatture->setFocus();
        return;
    }
    if (lstRecords->count() == 0) {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: l'elenco dei veicoli non contiene nessuna voce.") +
                       QStringLiteral("\n\r\n\r") +
                       QStringLiteral("Per poter utilizzare il planner delle prenotazioni \u00e8 necessario "
                                      "registrare almeno un veicolo nel parco automezzi."));
        return;
    }
    const int row = SelectedRow(lstRecords);
    if (row < 0) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: selezionare un veicolo dall'elenco prima di "
                                                    "premere il pulsante Apri."));
        return;
    }
    // The labels must hold the vehicle of the selected line; a pick that
    // could not read it is tried once more before the planner is opened.
    const QString chosen = Trim(lstRecords->Line(row));
    if (pickedLine_ != chosen) lstRecordsClick();
    if (pickedLine_ != chosen) {
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
        return;
    }

    const QString y = Trim(year);
    const QString plate = Trim(lblTarga->text());
    if (!PlateFitsFileName(plate)) {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: la targa del veicolo selezionato contiene caratteri che non possono "
                                  "far parte del nome di un file (/, \\ o caratteri di controllo).") +
                       QStringLiteral("\n\r\n\r") +
                       QStringLiteral("Per poter utilizzare il planner delle prenotazioni \u00e8 necessario "
                                      "correggere la targa nel parco automezzi."));
        return;
    }
    lblFile->setText(PlannerFilePath(plate, y));
    frmPlanning->SetCaption(QStringLiteral(" Velmora - Planner noleggi anno ") + y);
    frmPlanning->txtAnno->setText(y);
    frmPlanning->txtVeicolo->setText(Trim(lblVeicolo->text()));
    frmPlanning->txtMarca->setText(Trim(lblMarca->text()));
    frmPlanning->txtModello->setText(Trim(lblModello->text()));
    frmPlanning->txtTarga->setText(plate);
    lblMemory->setText(QStringLiteral("planning"));
    Close();
}

void TfrmMenuCamere::imgEsciClick() { Close(); }

void TfrmMenuCamere::imgGuidaClick() {
    ShowGuide(this, QStringLiteral("App Planner Noleggi"), HelpText(QStringLiteral("MenuCamere")));
}

// Where the chooser leads when it closes: the planner after "Apri", the
// launcher otherwise. Any other target shows nothing more. A planner whose
// file cannot be read does not open: after its message the chooser stays,
// ready for another vehicle or year, and a further close leads to the
// launcher.
void TfrmMenuCamere::FormClose(CloseAction &action) {
    const QString target = Trim(lblMemory->text());
    if (target == QLatin1String("planning")) {
        if (!frmPlanning->Open()) {
            lblMemory->setText(QStringLiteral("avvio"));
            action = CloseAction::None;
            return;
        }
        Hide();
    } else if (target == QLatin1String("avvio")) {
        ShowLauncher();
        Hide();
    }
}

}  // namespace vel
