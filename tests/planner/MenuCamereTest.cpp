// The planner's chooser: the fleet listed by the chooser's line, a year of
// four digits, the pick of a vehicle and "Apri", which hands vehicle, year and
// planner file to the planner.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPointer>

#include "PlannerFixture.h"
#include "common/ListLines.h"
#include "dialogs/Guida.h"

namespace vel::test {
namespace {

const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kEmptyListWarning =
    QStringLiteral("Attenzione: l'elenco dei veicoli non contiene nessuna voce.\n\r\n\r") +
    U("Per poter utilizzare il planner delle prenotazioni \xc3\xa8 necessario registrare almeno un veicolo nel "
      "parco automezzi.");
const QString kNoSelectionWarning =
    QStringLiteral("Attenzione: selezionare un veicolo dall'elenco prima di premere il pulsante Apri.");
const QString kPlateWarning =
    QStringLiteral("Attenzione: la targa del veicolo selezionato contiene caratteri che non possono far parte del "
                   "nome di un file (/, \\ o caratteri di controllo).\n\r\n\r") +
    U("Per poter utilizzare il planner delle prenotazioni \xc3\xa8 necessario correggere la targa nel parco "
      "automezzi.");

using MenuCamereTest = PlannerTest;

TEST_F(MenuCamereTest, WindowLooksAsDesigned) {
    TfrmMenuCamere *w = frmMenuCamere;
    EXPECT_EQ(w->objectName(), QStringLiteral("frmMenuCamere"));
    EXPECT_EQ(w->Caption(), QStringLiteral(" Velmora - Planner Noleggi"));
    EXPECT_EQ(w->panContainer->size(), QSize(995, 692));
    const struct {
        QWidget *control;
        QRect geometry;
    } places[] = {
        {w->shpTitle, {16, 16, 961, 100}},       {w->bkgTitle, {24, 24, 945, 84}},
        {w->icoTitolo, {258, 48, 483, 48}},      {w->icoLetto, {38, 36, 139, 64}},
        {w->Image1, {822, 44, 144, 52}},         {w->shpContainer, {8, 8, 977, 675}},
        {w->shpBody, {16, 122, 961, 561}},       {w->shpAnnoFatture, {24, 152, 945, 62}},
        {w->txtAnnoFatture, {422, 170, 94, 28}}, {w->btnApriFatture, {526, 170, 122, 28}},
        {w->icoMano, {656, 176, 36, 19}},        {w->bkgBianco03, {24, 224, 945, 353}},
        {w->lstRecords, {32, 232, 929, 337}},    {w->bkgBianco04, {24, 584, 945, 92}},
        {w->imgGuida, {40, 604, 141, 67}},       {w->imgEsci, {812, 604, 140, 67}},
    };
    for (const auto &p : places) {
        SCOPED_TRACE(p.control->objectName().toStdString());
        EXPECT_EQ(p.control->parentWidget(), w->panContainer);
        EXPECT_EQ(p.control->geometry(), p.geometry);
    }
    EXPECT_EQ(w->lblInformazioni->pos(), QPoint(26, 130));
    EXPECT_EQ(w->lblInformazioni->text(),
              QStringLiteral("Selezionare un anno solare e un veicolo e premere il pulsante Apri."));
    EXPECT_EQ(w->titAnno->pos(), QPoint(370, 174));
    EXPECT_EQ(w->titAnno->text(), QStringLiteral("Anno:"));
    EXPECT_EQ(w->btnApriFatture->text(), QStringLiteral("Apri"));
    EXPECT_EQ(w->txtAnnoFatture->MaxLength(), 4);
    EXPECT_TRUE(w->txtAnnoFatture->font().bold());
    EXPECT_EQ(w->imgGuida->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w->imgEsci->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w->txtAnnoFatture->nextInFocusChain(), w->btnApriFatture);
    EXPECT_EQ(w->lblMemory->text(), QStringLiteral("avvio"));
    for (QLabel *hidden : {w->lblVeicolo, w->lblMarca, w->lblModello, w->lblTarga, w->lblFile, w->lblMemory})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();

    OpenChooser();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->icoMano->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());
    EXPECT_EQ(Focused(), w->txtAnnoFatture);
}

TEST_F(MenuCamereTest, TheFirstShowCreatesAnEmptyFleetFileAndListsNothing) {
    ASSERT_FALSE(folder.Exists(kFleetFile));
    OpenChooser();
    EXPECT_TRUE(folder.Exists(kFleetFile));
    EXPECT_EQ(folder.Read(kFleetFile).size(), 0);
    EXPECT_EQ(frmMenuCamere->lstRecords->count(), 0);
    EXPECT_EQ(frmMenuCamere->txtAnnoFatture->text(), QStringLiteral("2026"));  // the clock's year

    messages.Expect(MsgKind::Warning, kEmptyListWarning);
    Click(frmMenuCamere->btnApriFatture);
    EXPECT_TRUE(frmMenuCamere->isVisible());
    EXPECT_FALSE(frmPlanning->isVisible());
}

TEST_F(MenuCamereTest, ListsEveryVehicleWithAPlateSortedWithoutRegardToCase) {
    const std::vector<Record> fleet = {
        Car(QStringLiteral("furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"), QStringLiteral("FD100AA")),
        Car(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), QStringLiteral("  ")),
        Car(QStringLiteral("Autovettura"), QStringLiteral("Lancia"), QStringLiteral("Ypsilon"), QStringLiteral("LY200BB")),
        Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC")),
        Car(QStringLiteral("Autovettura"), QStringLiteral("Alfa"), QStringLiteral("Mito"), QString()),
    };
    WriteFleet(fleet);
    OpenChooser();
    const ListBox *list = frmMenuCamere->lstRecords;
    const QStringList shown = list->Lines();
    // File order would be furgone, Autovettura, Camper; the plate-less two are left out.
    EXPECT_EQ(shown, (QStringList{VehicleChooserLine(fleet[2]), VehicleChooserLine(fleet[3]),
                                  VehicleChooserLine(fleet[0])}));
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(list->SelectedRow(), -1);
    ExpectResultListLook(list, 910);
}

// The fuel column stands past the 910 pixels the lines are laid out in at
// least; scrolled sideways to the end, it shows whole.
TEST_F(MenuCamereTest, ScrollingSidewaysShowsTheFuelColumn) {
    WriteFleet({Car(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"),
                    QStringLiteral("FP100AA"), QStringLiteral("5"), QStringLiteral("Benzina e GPL")),
                Car(QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"),
                    QStringLiteral("FD200BB"))});
    OpenChooser();
    ListBox *list = frmMenuCamere->lstRecords;
    ASSERT_EQ(list->count(), 2);
    ASSERT_TRUE(list->Line(0).endsWith(QStringLiteral("Alim. Benzina e GPL")));
    EXPECT_FALSE(LineEndShown(list, 0));
    ScrollSideways(list, 0);
    EXPECT_TRUE(LineEndShown(list, 0, 3));
    EXPECT_TRUE(LineEndShown(list, 1, 3));  // "Diesel", shorter, ends in view too
}

TEST_F(MenuCamereTest, TheChooserLineHasItsColumns) {
    const QString blanks20(20, u' ');
    const struct {
        const char *label;
        Record vehicle;
        QString line;
    } cases[] = {
        {"short values padded",
         Car(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), QStringLiteral("AB123CD"),
             QStringLiteral("5"), QStringLiteral("Benzina")),
         QStringLiteral("Autovettura") + QString(9, u' ') + QStringLiteral("  Fiat Panda") + QString(20, u' ') +
             QStringLiteral("  Targa: AB123CD") + QString(7, u' ') + QStringLiteral("  Posti: 5") +
             QString(11, u' ') + QStringLiteral("  Alim. Benzina")},
        {"long values cut, fuel whole",
         Car(QStringLiteral("Veicolo per trasporto disabili"), QStringLiteral("Mercedes-Benz"),
             QStringLiteral("Sprinter 316 CDI passo lungo"), QStringLiteral("EE123FF-RIMORCHIO"),
             U("nove pi\xc3\xb9 autista"), QStringLiteral("Gasolio a basso tenore di zolfo, additivato")),
         QStringLiteral("Veicolo per trasport") + QStringLiteral("  Mercedes-Benz Sprinter 316 CDI") +
             QStringLiteral("  Targa: EE123FF-RIMORC") + U("  Posti: nove pi\xc3\xb9 aut") + QStringLiteral("  Alim. Gasolio a basso tenore di zolfo, additivato")},
        {"empty seats and fuel",
         Car(QString(), QString(), QString(), QStringLiteral("X1"), QString(), QString()),
         blanks20 + QStringLiteral("   ") + QString(29, u' ') + QStringLiteral("  Targa: X1") + QString(12, u' ') +
             QStringLiteral("  Posti: ") + QString(12, u' ') + QStringLiteral("  Alim. ")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const QString line = VehicleChooserLine(c.vehicle);
        EXPECT_EQ(line, c.line);
        // The fuel always begins at the 105th character.
        EXPECT_EQ(line.mid(96, 8), QStringLiteral("  Alim. "));
    }
}

TEST_F(MenuCamereTest, APickFillsTheVehicleLabelsAndShowsTheHand) {
    WriteFleet({Car(QStringLiteral(" Furgone "), QStringLiteral("Fiat"), QStringLiteral("Ducato "), QStringLiteral("FD100AA")),
                Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC"))});
    OpenChooser();
    ClickLine(RowOf(QStringLiteral("FD100AA")));
    EXPECT_EQ(frmMenuCamere->lblVeicolo->text(), QStringLiteral("Furgone"));
    EXPECT_EQ(frmMenuCamere->lblMarca->text(), QStringLiteral("Fiat"));
    EXPECT_EQ(frmMenuCamere->lblModello->text(), QStringLiteral("Ducato"));
    EXPECT_EQ(frmMenuCamere->lblTarga->text(), QStringLiteral("FD100AA"));
    EXPECT_TRUE(frmMenuCamere->icoMano->isVisible());

    ClickLine(RowOf(QStringLiteral("CK300CC")));
    EXPECT_EQ(frmMenuCamere->lblVeicolo->text(), QStringLiteral("Camper"));
    EXPECT_EQ(frmMenuCamere->lblTarga->text(), QStringLiteral("CK300CC"));
    // The hidden labels never show.
    EXPECT_FALSE(frmMenuCamere->lblTarga->isVisible());
}

TEST_F(MenuCamereTest, OfTwoVehiclesWithOneLineTheLaterInTheFileIsPicked) {
    // Equal lines: the records differ only beyond the cut of the plate.
    Record first = Car(QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"),
                       QStringLiteral("FD100AA-RIMORCHIO1"));
    Record second = Car(QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"),
                        QStringLiteral("FD100AA-RIMORCHIO2"));
    first.SetText("Colore", QStringLiteral("Bianco"));
    WriteFleet({first, second});
    OpenChooser();
    ASSERT_EQ(frmMenuCamere->lstRecords->count(), 2);
    for (int row : {0, 1}) {
        frmMenuCamere->lblTarga->clear();
        frmMenuCamere->lstRecords->clearSelection();
        ClickLine(row);
        EXPECT_EQ(frmMenuCamere->lblTarga->text(), QStringLiteral("FD100AA-RIMORCHIO2")) << row;
    }
}

// Mended: "Apri" opens the vehicle the list shows selected, however it was
// selected; a vehicle chosen with the arrow keys is the one opened.
TEST_F(MenuCamereTest, AVehicleSelectedWithTheKeyboardIsTheOneOpened) {
    WriteFleet({Car(QStringLiteral("Autovettura"), QStringLiteral("Alfa"), QStringLiteral("Giulia"), QStringLiteral("AA111AA")),
                Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC")),
                Car(QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"), QStringLiteral("FD100AA"))});
    OpenChooser();
    ClickLine(0);  // Autovettura first
    ASSERT_EQ(frmMenuCamere->lblTarga->text(), QStringLiteral("AA111AA"));
    frmMenuCamere->lstRecords->setFocus();
    Press(frmMenuCamere->lstRecords, Qt::Key_Down);
    Press(frmMenuCamere->lstRecords, Qt::Key_Down);
    ASSERT_EQ(frmMenuCamere->lstRecords->currentRow(), 2);
    EXPECT_EQ(frmMenuCamere->lblTarga->text(), QStringLiteral("FD100AA"));
    Click(frmMenuCamere->btnApriFatture);
    EXPECT_EQ(frmMenuCamere->lblFile->text(), folder.Path(PlannerName(QStringLiteral("FD100AA"), QStringLiteral("2026"))));
    EXPECT_EQ(frmPlanning->txtTarga->text(), QStringLiteral("FD100AA"));
    EXPECT_EQ(frmPlanning->txtMarca->text(), QStringLiteral("Fiat"));
}

// Mended: when the vehicle of the selected line cannot be read, "Apri" says
// so rather than open the planner of another vehicle.
TEST_F(MenuCamereTest, ApriRefusesAVehicleItCannotRead) {
    WriteFleet({Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC")),
                Car(QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"), QStringLiteral("FD100AA"))});
    OpenChooser();
    ClickLine(0);
    ASSERT_EQ(frmMenuCamere->lblTarga->text(), QStringLiteral("CK300CC"));
    ASSERT_TRUE(QFile::remove(folder.Path(kFleetFile)));
    folder.Block(kFleetFile);
    ClickLine(1);  // the pick cannot read the file: the labels keep the camper
    EXPECT_EQ(frmMenuCamere->lblTarga->text(), QStringLiteral("CK300CC"));
    messages.Expect(MsgKind::Error, ArchiveFailureMessage());
    Click(frmMenuCamere->btnApriFatture);
    EXPECT_TRUE(frmMenuCamere->isVisible());
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmMenuCamere->lblFile->text().isEmpty());
}

TEST_F(MenuCamereTest, ApriChecksYearListAndSelectionInThisOrder) {
    const struct {
        const char *label;
        bool fleet;
        QString year;
        bool select;
        QString message;
        bool focusOnYear;
    } cases[] = {
        {"short year, empty list", false, QStringLiteral("202"), false, kYearWarning, true},
        {"short year, nothing selected", true, QStringLiteral("202"), false, kYearWarning, true},
        {"short year, vehicle selected", true, QStringLiteral("202"), true, kYearWarning, true},
        {"no year", true, QString(), true, kYearWarning, true},
        {"empty list", false, QStringLiteral("2025"), false, kEmptyListWarning, false},
        {"nothing selected", true, QStringLiteral("2025"), false, kNoSelectionWarning, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        TestFolder fresh;
        if (c.fleet)
            WriteFleet({Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"),
                            QStringLiteral("CK300CC"))});
        OpenChooser();
        if (c.select) ClickLine(0);
        SetYear(c.year);
        frmMenuCamere->lstRecords->setFocus();
        const QString labels = frmMenuCamere->lblTarga->text();
        messages.Expect(MsgKind::Warning, c.message);
        frmMenuCamere->btnApriFatture->click();
        messages.Verify();
        EXPECT_EQ(Focused(), c.focusOnYear ? static_cast<QWidget *>(frmMenuCamere->txtAnnoFatture)
                                           : static_cast<QWidget *>(frmMenuCamere->lstRecords));
        EXPECT_TRUE(frmMenuCamere->isVisible());
        EXPECT_FALSE(frmPlanning->isVisible());
        EXPECT_TRUE(frmMenuCamere->lblFile->text().isEmpty());
        EXPECT_EQ(frmMenuCamere->lblTarga->text(), labels);
        EXPECT_EQ(frmMenuCamere->lblMemory->text(), QStringLiteral("avvio"));
        frmMenuCamere->Close();
    }
}

TEST_F(MenuCamereTest, ApriHandsVehicleYearAndFileToThePlanner) {
    const struct {
        QString plate;
        QString year;
    } cases[] = {
        {QStringLiteral("AB123CD"), QStringLiteral("2025")},
        {QStringLiteral("AB 123  CD"), QStringLiteral("2024")},  // blanks inside stay
        {U("Z\xc3\xa8-9"), QStringLiteral("0999")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.plate.toStdString());
        TestFolder fresh;
        WriteFleet({Car(QStringLiteral("Autovettura"), QStringLiteral(" Fiat "), QStringLiteral("Panda"), c.plate)});
        OpenPlanner(c.plate, c.year);
        const QString expected = fresh.Path(QString()) + PlannerName(c.plate, c.year);
        EXPECT_EQ(frmMenuCamere->lblFile->text(), expected);
        EXPECT_TRUE(QFile::exists(expected));  // the planner's load created it
        EXPECT_EQ(frmPlanning->Caption(), QStringLiteral(" Velmora - Planner noleggi anno ") + c.year);
        EXPECT_EQ(frmPlanning->txtAnno->text(), c.year);
        EXPECT_EQ(frmPlanning->txtVeicolo->text(), QStringLiteral("Autovettura"));
        EXPECT_EQ(frmPlanning->txtMarca->text(), QStringLiteral("Fiat"));
        EXPECT_EQ(frmPlanning->txtModello->text(), QStringLiteral("Panda"));
        EXPECT_EQ(frmPlanning->txtTarga->text(), c.plate);
        EXPECT_EQ(frmMenuCamere->lblMemory->text(), QStringLiteral("planning"));
        EXPECT_FALSE(frmMenuCamere->isVisible());
        EXPECT_TRUE(frmPlanning->isVisible());
        EXPECT_FALSE(frmAvvio->isVisible());
        frmPlanning->Close();
        EXPECT_TRUE(frmAvvio->isVisible());
    }
}

// Mended: a plate that cannot be part of a file name is refused.
TEST_F(MenuCamereTest, APlateThatCannotBeAFileNameIsRefused) {
    for (const QString &plate : {QStringLiteral("AB/123"), QStringLiteral("AB\\123"), QStringLiteral("AB\t123"),
                                QStringLiteral("AB\x01") + QStringLiteral("123"), QStringLiteral("AB\x7f") + QStringLiteral("1")}) {
        SCOPED_TRACE(plate.toStdString());
        TestFolder fresh;
        WriteFleet({Car(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), plate)});
        OpenChooser();
        ClickLine(0);
        ASSERT_EQ(frmMenuCamere->lblTarga->text(), plate);
        messages.Expect(MsgKind::Warning, kPlateWarning);
        Click(frmMenuCamere->btnApriFatture);
        messages.Verify();
        EXPECT_TRUE(frmMenuCamere->isVisible());
        EXPECT_FALSE(frmPlanning->isVisible());
        EXPECT_TRUE(frmMenuCamere->lblFile->text().isEmpty());
        EXPECT_EQ(frmPlanning->txtAnno->text(), QStringLiteral("ANNO"));
        EXPECT_EQ(frmMenuCamere->lblMemory->text(), QStringLiteral("avvio"));
        frmMenuCamere->Close();
    }
}

TEST_F(MenuCamereTest, TheYearTakesOnlyDigitsAndTheEditingKeys) {
    WriteFleet({Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC"))});
    OpenChooser();
    Edit *year = frmMenuCamere->txtAnnoFatture;
    year->clear();
    Type(year, QStringLiteral("2a0-2 5.7"));
    EXPECT_EQ(year->text(), QStringLiteral("2025"));  // the fifth digit does not fit
    Press(year, Qt::Key_Left);
    Press(year, Qt::Key_Backspace);
    EXPECT_EQ(year->text(), QStringLiteral("205"));
    Press(year, Qt::Key_Left);
    Press(year, Qt::Key_Delete);
    EXPECT_EQ(year->text(), QStringLiteral("25"));
    Press(year, Qt::Key_Right);
    Type(year, QStringLiteral("0"));
    EXPECT_EQ(year->text(), QStringLiteral("250"));
    // Home, End, Up, Down and Tab are swallowed: the caret and the focus stay.
    const int caret = year->cursorPosition();
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab}) {
        Press(year, key);
        EXPECT_EQ(year->cursorPosition(), caret) << key;
        EXPECT_EQ(Focused(), year) << key;
    }
    // Enter moves on to "Apri" without pressing it (no warning for "250").
    Press(year, Qt::Key_Return);
    EXPECT_EQ(Focused(), frmMenuCamere->btnApriFatture);
    EXPECT_TRUE(frmMenuCamere->isVisible());
}

// Mended: a paste or drop cannot bring anything but digits into the year.
TEST_F(MenuCamereTest, APastedYearMustBeMadeOfDigits) {
    OpenChooser();
    Edit *year = frmMenuCamere->txtAnnoFatture;
    ASSERT_EQ(year->text(), QStringLiteral("2026"));
    // What the user pastes after "20".
    const struct {
        QString clipboard;
        QString kept;
    } cases[] = {
        {QStringLiteral("x5"), QStringLiteral("20")},
        {QStringLiteral(" 26"), QStringLiteral("20")},
        {QStringLiteral("26"), QStringLiteral("2026")},
        {QStringLiteral("2612"), QStringLiteral("2026")},  // the limit cuts what does not fit
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.clipboard.toStdString());
        year->setText(QStringLiteral("20"));
        year->end(false);
        QApplication::clipboard()->setText(c.clipboard);
        year->paste();
        EXPECT_EQ(year->text(), c.kept);
    }
    // The keyboard's paste is one of the keys the year refuses.
    year->setText(QStringLiteral("2026"));
    QApplication::clipboard()->setText(QStringLiteral("1234"));
    year->selectAll();
    Press(year, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(year->text(), QStringLiteral("2026"));
}

// Mended: "Apri" takes exactly four digits, whatever put the text there.
TEST_F(MenuCamereTest, ApriTakesOnlyFourDigitsAsTheYear) {
    WriteFleet({Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC"))});
    OpenChooser();
    for (const QString &text : {QStringLiteral("20a5"), QStringLiteral(" 202"), QStringLiteral("202 "),
                                QStringLiteral("\u0662\u0660\u0662\u0665"), QStringLiteral("20255")}) {
        SCOPED_TRACE(text.toStdString());
        frmMenuCamere->txtAnnoFatture->setText(text);
        messages.Expect(MsgKind::Warning, kYearWarning);
        frmMenuCamere->btnApriFatture->click();
        messages.Verify();
        EXPECT_EQ(Focused(), frmMenuCamere->txtAnnoFatture);
        EXPECT_TRUE(frmMenuCamere->lblFile->text().isEmpty());
    }
    // Four digits pass on to the next check.
    frmMenuCamere->txtAnnoFatture->setText(QStringLiteral("0000"));
    messages.Expect(MsgKind::Warning, kNoSelectionWarning);
    frmMenuCamere->btnApriFatture->click();
    messages.Verify();
}

TEST_F(MenuCamereTest, EveryShowStartsAfresh) {
    WriteFleet({Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC"))});
    OpenPlanner(QStringLiteral("CK300CC"), QStringLiteral("2027"));
    const QString path = frmMenuCamere->lblFile->text();
    frmPlanning->Close();
    WriteFleet({Car(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), QStringLiteral("FP1"))});

    OpenChooser();
    for (QLabel *label : {frmMenuCamere->lblVeicolo, frmMenuCamere->lblMarca, frmMenuCamere->lblModello,
                          frmMenuCamere->lblTarga})
        EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
    EXPECT_FALSE(frmMenuCamere->icoMano->isVisible());
    EXPECT_EQ(frmMenuCamere->lstRecords->count(), 2);  // the vehicle added meanwhile too
    EXPECT_EQ(frmMenuCamere->lstRecords->currentRow(), -1);
    EXPECT_EQ(frmMenuCamere->txtAnnoFatture->text(), QStringLiteral("2026"));
    EXPECT_EQ(frmMenuCamere->lblMemory->text(), QStringLiteral("avvio"));
    EXPECT_EQ(frmMenuCamere->lblFile->text(), path);
    EXPECT_EQ(Focused(), frmMenuCamere->txtAnnoFatture);

    // Right after a show nothing is selected.
    messages.Expect(MsgKind::Warning, kNoSelectionWarning);
    Click(frmMenuCamere->btnApriFatture);
}

TEST_F(MenuCamereTest, ClosingWithoutApriLeadsToTheLauncher) {
    for (const char *how : {"Esci", "close box"}) {
        SCOPED_TRACE(how);
        OpenChooser();
        if (QLatin1String(how) == QLatin1String("Esci"))
            Click(frmMenuCamere->imgEsci);
        else
            frmMenuCamere->close();
        EXPECT_FALSE(frmMenuCamere->isVisible());
        EXPECT_TRUE(frmAvvio->isVisible());
        EXPECT_FALSE(frmPlanning->isVisible());
        EXPECT_FALSE(TerminateRequested());
    }
}

TEST_F(MenuCamereTest, AFleetFileThatCannotBeReadListsWhatWasRead) {
    // Two whole records and the start of a third, which is not read.
    WriteFleet({Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("CK300CC")),
                Car(QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"), QStringLiteral("FD100AA"))});
    QByteArray bytes = folder.Read(kFleetFile);
    folder.Write(kFleetFile, bytes + bytes.left(1000));
    OpenChooser();
    EXPECT_EQ(frmMenuCamere->lstRecords->count(), 2);
    frmMenuCamere->Close();

    // A folder in the file's place: the show ends silently, the year and
    // the close target keep what they held.
    TestFolder blocked;
    blocked.Block(kFleetFile);
    frmMenuCamere->txtAnnoFatture->setText(QStringLiteral("1999"));
    OpenChooser();
    EXPECT_EQ(frmMenuCamere->lstRecords->count(), 0);
    EXPECT_EQ(frmMenuCamere->txtAnnoFatture->text(), QStringLiteral("1999"));
    EXPECT_EQ(frmMenuCamere->lblMemory->text(), QStringLiteral("avvio"));
}

TEST_F(MenuCamereTest, TheGuideShowsThePlannersHelp) {
    const QStringList paragraphs = {
        U("L'app Planner Noleggi mette a disposizione un planning annuale, ossia un calendario nel quale annotare, "
          "per ciascun veicolo, le prenotazioni dei noleggi di ogni giorno dell'anno. La prima operazione da "
          "eseguire per creare il planning delle prenotazioni consiste nell'indicare un anno solare, selezionare "
          "dall'elenco il veicolo da noleggiare al cliente e premere il pulsante Apri. I veicoli che appaiono "
          "nell'elenco di selezione sono quelli presenti nel parco automezzi precedentemente compilato. Ognuno di "
          "essi \xc3\xa8 indicato nell'elenco dalla tipologia (autovettura, furgone, camper ecc.), marca e modello, "
          "numero di targa, posti e alimentazione."),
        U("Visualizzato il planner annuale, per registrare la prenotazione del noleggio di un veicolo in un certo "
          "giorno dell'anno, basta fare clic sul numero del giorno corrispondente nel calendario e digitare il nome "
          "del cliente per cui si effettua la prenotazione, eventualmente seguito da un suo recapito telefonico. "
          "Per cancellare una prenotazione bisogna fare clic sul giorno di interesse, cancellare il contenuto del "
          "campo di testo e premere Applica e chiudi. Il salvataggio delle prenotazioni registrate nel planning "
          "avviene automaticamente quando si esce dalla schermata di lavoro."),
        U("Il pulsante Intervallo consente di registrare velocemente una prenotazione che copre un arco di tempo di "
          "pi\xc3\xb9 giorni. A tal fine, basta selezionare la data di inizio e di fine intervallo, indicare il nome "
          "del cliente e premere Applica e chiudi."),
        U("E' possibile registrare prenotazioni non solo per l'anno corrente ma anche per gli anni futuri "
          "indicando l'anno di interesse nell'apposita casella presente nella schermata di accesso al planner "
          "annuale. I giorni dell'anno che appaiono in rosso indicano che il veicolo \xc3\xa8 prenotato, quelli che "
          "appaiono in viola indicano che \xc3\xa8 disponibile."),
        U("E' quindi chiaro che il planner annuale va aperto nel momento in cui il cliente chiama per noleggiare "
          "un veicolo. L'addetto alle prenotazioni potr\xc3\xa0 sapere a colpo d'occhio se il veicolo da noleggiare "
          "\xc3\xa8 disponibile nei giorni che interessano al cliente semplicemente visualizzando il planning "
          "annuale del veicolo e controllando che quegli stessi giorni non appaiano in rosso nel calendario. Se il "
          "veicolo \xc3\xa8 gi\xc3\xa0 stato prenotato da un altro cliente, si pu\xc3\xb2 tornare all'elenco di "
          "selezione dei veicoli e visualizzare il planning annuale di un altro mezzo. Una volta appurato che "
          "esiste un veicolo disponibile per il cliente, si pu\xc3\xb2 procedere a registrare la prenotazione nel "
          "planner annuale."),
        U("Il pulsante Riepilogo permette di ottenere l'elenco di tutte le prenotazioni del veicolo registrate nel "
          "planner annuale in ordine cronologico, mostrando i giorni prenotati seguiti dai nomi dei clienti. Tale "
          "riepilogo pu\xc3\xb2 essere stampato all'occorrenza."),
        U("Il planning annuale relativo a ciascun mezzo pu\xc3\xb2 essere visualizzato in anteprima o stampato su "
          "carta per avere a disposizione il prospetto delle prenotazioni."),
    };
    OpenChooser();
    QPointer<TfrmGuida> opened;
    modals.Expect<TfrmGuida>([&](TfrmGuida &guide) {
        opened = &guide;
        EXPECT_NE(&guide, frmGuida);
        EXPECT_EQ(guide.parentWidget(), frmMenuCamere);
        EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("App Planner Noleggi"));
        EXPECT_EQ(guide.txtGuida->toPlainText(), paragraphs.join(QStringLiteral("\r\n\r\n")));
        Click(guide.btnChiudi);
    });
    Click(frmMenuCamere->imgGuida);
    modals.Verify();
    EXPECT_TRUE(opened.isNull());
    EXPECT_TRUE(frmMenuCamere->isVisible());
}

}  // namespace
}  // namespace vel::test
