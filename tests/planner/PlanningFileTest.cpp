// The planner's file and grid: 366 day cells laid out in twelve rows, loaded
// from record 1 of the planner file of a vehicle and year each time the
// planner is shown, and saved there, byte for byte, each time it closes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "PlannerFixture.h"
#include "pictures/Pictures.h"
#include "support/WriteFault.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

using PlanningFileTest = PlannerTest;

const QString kPlate = QStringLiteral("AB123CD");
const QString kCloseWithoutSaving =
    QStringLiteral("Attenzione: non \u00e8 stato possibile salvare il planner.\n\r\n\r"
                   "Chiudere il planner senza salvare le prenotazioni?");
Record TheCar() {
    return Car(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate);
}

TEST_F(PlanningFileTest, TheGridHasTwelveRowsOfDaysAtTheirPlaces) {
    TfrmPlanning *w = frmPlanning;
    EXPECT_EQ(w->panContainer->size(), QSize(995, 692));
    EXPECT_EQ(w->shpSezione01->geometry(), QRect(16, 144, 962, 490));
    int images = 0;
    for (QLabel *label : w->findChildren<QLabel *>()) {
        const QString name = label->objectName();
        if (name.startsWith(QStringLiteral("lib")) || name.startsWith(QStringLiteral("occ"))) ++images;
    }
    EXPECT_EQ(images, 732);
    EXPECT_EQ(w->panMemGiorni->findChildren<QLabel *>().size(), 366);

    for (int m = 1; m <= 12; ++m) {
        const int y = 152 + 40 * (m - 1);
        QLabel *title = w->findChild<QLabel *>(QStringLiteral("tit") + QLatin1String(kMonths[m - 1].component));
        ASSERT_NE(title, nullptr) << m;
        EXPECT_EQ(title->geometry(), QRect(24, y, 136, 33));
        for (int d = 1; d <= 31; ++d) {
            SCOPED_TRACE(DayKey(m, std::min(d, 29)).toStdString() + " day " + std::to_string(d));
            QLabel *lib = w->findChild<QLabel *>(DayComponentName("lib", m, d));
            QLabel *occ = w->findChild<QLabel *>(DayComponentName("occ", m, d));
            QLabel *mem = w->findChild<QLabel *>(DayComponentName("mem", m, d));
            if (d > kMonths[m - 1].days) {
                // 30 and 31 February, 31 April, June, September, November: no image.
                EXPECT_EQ(lib, nullptr);
                EXPECT_EQ(occ, nullptr);
                EXPECT_EQ(mem, nullptr);
                continue;
            }
            ASSERT_TRUE(lib && occ && mem);
            const QRect place(166 + 26 * (d - 1), y, 24, 33);
            EXPECT_EQ(lib->geometry(), place);
            EXPECT_EQ(occ->geometry(), place);
            EXPECT_EQ(lib->parentWidget(), w->panContainer);
            EXPECT_EQ(occ->parentWidget(), w->panContainer);
            EXPECT_EQ(mem->parentWidget(), w->panMemGiorni);
            EXPECT_EQ(lib->cursor().shape(), Qt::PointingHandCursor);
            EXPECT_EQ(occ->cursor().shape(), Qt::PointingHandCursor);
            // At creation every day is free.
            EXPECT_FALSE(lib->isHidden());
            EXPECT_TRUE(occ->isHidden());
            EXPECT_TRUE(mem->isHidden());
            EXPECT_TRUE(mem->text().isEmpty());
            EXPECT_EQ(&w->Cell(m, d), &w->CellAt(DayIndex(m, d)));
            EXPECT_EQ(w->Cell(m, d).lib, lib);
            EXPECT_EQ(w->Cell(m, d).mem, mem);
        }
    }
    EXPECT_TRUE(w->panMemGiorni->isHidden());
    // The corners and the leap day, as the design places them.
    EXPECT_EQ(w->Cell(1, 1).lib->pos(), QPoint(166, 152));
    EXPECT_EQ(w->Cell(12, 31).lib->pos(), QPoint(946, 592));
    EXPECT_EQ(w->Cell(2, 29).lib->pos(), QPoint(894, 192));
    EXPECT_EQ(w->Cell(12, 31).lib->geometry().right() + 1, 970);
}

TEST_F(PlanningFileTest, TheTilesArePaleVioletWhenFreeAndRedWhenBooked) {
    // The tiles are drawn when the grid is first shown, not at the start.
    EXPECT_TRUE(frmPlanning->Cell(1, 1).lib->pixmap().isNull());
    frmPlanning->grab();
    for (int d : {1, 9, 10, 29, 31}) {
        SCOPED_TRACE(d);
        const QImage free = frmPlanning->Cell(1, d).lib->pixmap().toImage();
        const QImage booked = frmPlanning->Cell(1, d).occ->pixmap().toImage();
        ASSERT_EQ(free.size(), QSize(24, 33));
        // A point of the tile's ground, away from the number and the border.
        EXPECT_EQ(free.pixelColor(3, 4).rgb(), QColor(0xD9, 0xD2, 0xF0).rgb());
        EXPECT_EQ(booked.pixelColor(3, 4).rgb(), QColor(0xFE, 0x05, 0x10).rgb());
        // The number: dark on the free tile, white on the booked one.
        bool dark = false, white = false;
        for (int y = 8; y < 25; ++y)
            for (int x = 3; x < 21; ++x) {
                dark = dark || free.pixelColor(x, y).lightness() < 90;
                white = white || booked.pixelColor(x, y) == QColor(Qt::white);
            }
        EXPECT_TRUE(dark);
        EXPECT_TRUE(white);
    }
    // Every month uses the same picture for the same day number.
    EXPECT_EQ(frmPlanning->Cell(3, 7).lib->pixmap().cacheKey(), frmPlanning->Cell(11, 7).lib->pixmap().cacheKey());
}

TEST_F(PlanningFileTest, ANewPlannerFileGetsItsRecordWhenThePlannerCloses) {
    ASSERT_FALSE(folder.Exists(PlannerName(kPlate, QStringLiteral("2026"))));
    OpenPlannerOf(TheCar(), QStringLiteral("2026"));
    const QString name = PlannerName(kPlate, QStringLiteral("2026"));
    ASSERT_TRUE(folder.Exists(name));
    EXPECT_EQ(folder.Read(name).size(), 0);  // the load only creates it
    for (int i = 0; i < 366; ++i) ASSERT_EQ(DayAt(i), FreeDay()) << i;
    EXPECT_EQ(frmPlanning->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_TRUE(frmPlanning->lblPosizione->isHidden());

    frmPlanning->Close();
    EXPECT_EQ(folder.Read(name),
              PlannerImage().Header(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate).bytes);
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(frmMenuCamere->isVisible());
}

TEST_F(PlanningFileTest, DayTextsLieAtTheirBytesInEveryYear) {
    const struct {
        int month, day, index, byte;
    } days[] = {
        {1, 1, 0, 184},      {1, 31, 30, 1714},    {2, 1, 31, 1765},    {2, 29, 59, 3193},
        {3, 1, 60, 3244},    {4, 9, 99, 5233},     {6, 27, 178, 9262},  {9, 30, 273, 14107},
        {12, 1, 335, 17269}, {12, 31, 365, 18799},
    };
    for (const QString &year : {QStringLiteral("2023"), QStringLiteral("2024")}) {
        SCOPED_TRACE(year.toStdString());
        TestFolder fresh;
        PlannerImage stored;
        for (const auto &d : days) stored.Day(d.index, QStringLiteral("Cliente %1").arg(d.index));
        fresh.Write(PlannerName(kPlate, year), stored.bytes);
        OpenPlannerOf(TheCar(), year);
        for (const auto &d : days) {
            SCOPED_TRACE(DayKey(d.month, d.day).toStdString());
            EXPECT_EQ(DayIndex(d.month, d.day), d.index);
            EXPECT_EQ(kDaysOffset + kDayStride * d.index, d.byte);
            EXPECT_EQ(Day(d.month, d.day), BookedDay(QStringLiteral("Cliente %1").arg(d.index)));
        }
        EXPECT_EQ(Day(2, 28), FreeDay());
        EXPECT_EQ(Day(3, 2), FreeDay());

        // Booking two more days and freeing one, the way the dialogs do.
        SetDay(3, 1, QString());
        SetDay(7, 14, QStringLiteral("Rossi Mario 333 1234567"));
        SetDay(2, 29, QStringLiteral("Bianchi"));
        frmPlanning->Close();
        const QByteArray saved = fresh.Read(PlannerName(kPlate, year));
        ASSERT_EQ(saved.size(), kPlannerSize);
        PlannerImage expected = stored;
        expected.Header(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate)
            .Day(60, QString())
            .Day(DayIndex(7, 14), QStringLiteral("Rossi Mario 333 1234567"))
            .Day(59, QStringLiteral("Bianchi"));
        EXPECT_EQ(saved, expected.bytes);
        EXPECT_EQ(quint8(saved[3193]), 7);
        EXPECT_EQ(saved.mid(3194, 7), QByteArray("Bianchi"));
    }
}

TEST_F(PlanningFileTest, AWholeYearOfBookingsComesBackUnchanged) {
    PlannerImage stored;
    stored.Header(QStringLiteral("Furgone"), QStringLiteral("Iveco"), QStringLiteral("Daily"), kPlate);
    for (int i = 0; i < 366; ++i) stored.Day(i, U("Cliente n\xc2\xb0 %1 \xe2\x82\xac").arg(i, 3, 10, QLatin1Char('0')));
    folder.Write(PlannerName(kPlate, QStringLiteral("2025")), stored.bytes);
    WriteFleet({Car(QStringLiteral("Furgone"), QStringLiteral("Iveco"), QStringLiteral("Daily"), kPlate)});
    OpenPlanner(kPlate, QStringLiteral("2025"));
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= kMonths[m - 1].days; ++d)
            ASSERT_EQ(Day(m, d), BookedDay(U("Cliente n\xc2\xb0 %1 \xe2\x82\xac").arg(DayIndex(m, d), 3, 10, QLatin1Char('0'))));
    frmPlanning->Close();
    EXPECT_EQ(folder.Read(PlannerName(kPlate, QStringLiteral("2025"))), stored.bytes);
}

TEST_F(PlanningFileTest, StoredTextsAreTrimmedAndBlankTextsAreFree) {
    PlannerImage stored;
    stored.Day(0, QStringLiteral("  Rossi  ")).Day(1, QStringLiteral("   ")).Day(2, QStringLiteral("\tVerdi\r\n"));
    // A damaged length byte: no more than the field's 50 characters are read.
    stored.Day(3, QString(50, u'x'));
    stored.bytes[kDaysOffset + 3 * kDayStride] = char(200);
    stored.bytes[kDaysOffset + 4 * kDayStride] = char(1);
    stored.bytes[kDaysOffset + 4 * kDayStride + 1] = 'y';
    folder.Write(PlannerName(kPlate, QStringLiteral("2026")), stored.bytes);
    OpenPlannerOf(TheCar(), QStringLiteral("2026"));
    EXPECT_EQ(Day(1, 1), BookedDay(QStringLiteral("Rossi")));
    EXPECT_EQ(Day(1, 2), FreeDay());
    EXPECT_EQ(Day(1, 3), BookedDay(QStringLiteral("Verdi")));
    EXPECT_EQ(Day(1, 4), BookedDay(QString(50, u'x')));
    EXPECT_EQ(Day(1, 5), BookedDay(QStringLiteral("y")));

    frmPlanning->Close();
    const QByteArray saved = folder.Read(PlannerName(kPlate, QStringLiteral("2026")));
    EXPECT_EQ(saved.mid(kDaysOffset, kDayStride), Field(QStringLiteral("Rossi"), 50));
    EXPECT_EQ(saved.mid(kDaysOffset + kDayStride, kDayStride), QByteArray(kDayStride, '\0'));
    EXPECT_EQ(saved.mid(kDaysOffset + 3 * kDayStride, kDayStride), Field(QString(50, u'x'), 50));
}

TEST_F(PlanningFileTest, ALongerFileKeepsEveryByteAfterRecordOne) {
    QByteArray foreign(kPlannerSize + 777, '\0');
    for (int i = kPlannerSize; i < foreign.size(); ++i) foreign[i] = char(i * 7 + 3);
    PlannerImage stored;
    stored.Day(10, QStringLiteral("Neri"));
    QByteArray file = stored.bytes + foreign.mid(kPlannerSize);
    folder.Write(PlannerName(kPlate, QStringLiteral("2026")), file);
    OpenPlannerOf(TheCar(), QStringLiteral("2026"));
    EXPECT_EQ(Day(1, 11), BookedDay(QStringLiteral("Neri")));
    // The load changes nothing.
    EXPECT_EQ(folder.Read(PlannerName(kPlate, QStringLiteral("2026"))), file);
    SetDay(1, 12, QStringLiteral("Gialli"));
    frmPlanning->Close();
    const QByteArray saved = folder.Read(PlannerName(kPlate, QStringLiteral("2026")));
    ASSERT_EQ(saved.size(), file.size());
    EXPECT_EQ(saved.mid(kPlannerSize), file.mid(kPlannerSize));
    EXPECT_EQ(saved.left(kPlannerSize),
              stored.Header(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate)
                  .Day(11, QStringLiteral("Gialli"))
                  .bytes);
}

TEST_F(PlanningFileTest, AShorterFileIsFreeUntilTheSaveWritesItsRecord) {
    for (int length : {1, 184, kPlannerSize - 1}) {
        SCOPED_TRACE(length);
        TestFolder fresh;
        QByteArray shortFile(length, 'Z');
        fresh.Write(PlannerName(kPlate, QStringLiteral("2026")), shortFile);
        OpenPlannerOf(TheCar(), QStringLiteral("2026"));
        for (int i = 0; i < 366; ++i) ASSERT_EQ(DayAt(i), FreeDay()) << i;
        EXPECT_EQ(fresh.Read(PlannerName(kPlate, QStringLiteral("2026"))), shortFile);
        SetDay(5, 5, QStringLiteral("Viola"));
        frmPlanning->Close();
        EXPECT_EQ(fresh.Read(PlannerName(kPlate, QStringLiteral("2026"))),
                  PlannerImage()
                      .Header(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate)
                      .Day(DayIndex(5, 5), QStringLiteral("Viola"))
                      .bytes);
    }
}

TEST_F(PlanningFileTest, TheHeaderComesFromTheChooserAndIsStoredAtEachClose) {
    PlannerImage stored;
    stored.Header(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"), QStringLiteral("OLD"));
    stored.Day(100, QStringLiteral("Blu"));
    folder.Write(PlannerName(kPlate, QStringLiteral("2026")), stored.bytes);
    WriteFleet({Car(QString(), QStringLiteral("Fiat"), QString(51, u'M'), kPlate)});
    OpenPlanner(kPlate, QStringLiteral("2026"));
    EXPECT_EQ(frmPlanning->txtVeicolo->text(), QString());
    EXPECT_EQ(frmPlanning->txtMarca->text(), QStringLiteral("Fiat"));
    EXPECT_EQ(frmPlanning->txtModello->text(), QString(50, u'M'));  // the vehicle file's own cut
    EXPECT_EQ(frmPlanning->txtTarga->text(), kPlate);
    frmPlanning->Close();
    EXPECT_EQ(folder.Read(PlannerName(kPlate, QStringLiteral("2026"))),
              stored.Header(QString(), QStringLiteral("Fiat"), QString(50, u'M'), kPlate).bytes);
}

TEST_F(PlanningFileTest, HeaderEditsAreReadOnlyAndLimited) {
    const struct {
        Edit *edit;
        QRect geometry;
        int maxLength;
    } edits[] = {
        {frmPlanning->txtVeicolo, {28, 104, 176, 22}, 50},
        {frmPlanning->txtMarca, {216, 104, 200, 22}, 50},
        {frmPlanning->txtModello, {428, 104, 200, 22}, 50},
        {frmPlanning->txtTarga, {640, 104, 130, 22}, 30},
    };
    for (const auto &e : edits) {
        SCOPED_TRACE(e.edit->objectName().toStdString());
        EXPECT_EQ(e.edit->geometry(), e.geometry);
        EXPECT_EQ(e.edit->MaxLength(), e.maxLength);
        EXPECT_TRUE(e.edit->isReadOnly());
        EXPECT_TRUE(e.edit->font().bold());
        EXPECT_TRUE(e.edit->styleSheet().contains(QStringLiteral("#F0F8FF")));
        EXPECT_TRUE(e.edit->styleSheet().contains(QStringLiteral("#87CEEB")));
    }
    EXPECT_EQ(frmPlanning->txtAnno->text(), QStringLiteral("ANNO"));
    EXPECT_EQ(frmPlanning->txtAnno->pos(), QPoint(889, 93));
    EXPECT_EQ(frmPlanning->icoAnno->geometry(), QRect(788, 80, 190, 56));
    EXPECT_EQ(frmPlanning->Caption(), QStringLiteral(" Velmora - Planner Noleggi"));
}

TEST_F(PlanningFileTest, ATextLongerThanADayHoldsIsStoredCut) {
    OpenPlannerOf(TheCar(), QStringLiteral("2026"));
    SetDay(8, 15, QString(60, u'F'));
    frmPlanning->Close();
    const QByteArray saved = folder.Read(PlannerName(kPlate, QStringLiteral("2026")));
    EXPECT_EQ(PlannerImage::DayAt(saved, DayIndex(8, 15)), QString(50, u'F'));
}

TEST_F(PlanningFileTest, OnlyWhatWasSavedSurvivesTheNextShowing) {
    PlannerImage stored;
    stored.Day(0, QStringLiteral("Primo"));
    folder.Write(PlannerName(kPlate, QStringLiteral("2026")), stored.bytes);
    folder.Write(PlannerName(kPlate, QStringLiteral("2027")), PlannerImage().Day(1, QStringLiteral("Secondo")).bytes);
    WriteFleet({TheCar()});
    OpenPlanner(kPlate, QStringLiteral("2026"));
    SetDay(6, 1, QStringLiteral("Nuovo"));
    frmPlanning->Close();

    // Another year of the same vehicle: nothing of the first is left on screen.
    OpenPlanner(kPlate, QStringLiteral("2027"));
    EXPECT_EQ(Day(1, 1), FreeDay());
    EXPECT_EQ(Day(6, 1), FreeDay());
    EXPECT_EQ(Day(1, 2), BookedDay(QStringLiteral("Secondo")));
    frmPlanning->Close();

    OpenPlanner(kPlate, QStringLiteral("2026"));
    EXPECT_EQ(Day(1, 1), BookedDay(QStringLiteral("Primo")));
    EXPECT_EQ(Day(6, 1), BookedDay(QStringLiteral("Nuovo")));
    EXPECT_EQ(Day(1, 2), FreeDay());
}

// Mended: a planner file that cannot be read is reported and the planner does
// not open (every day would show free, and a booking made there could not be
// kept): the chooser stays, and the stored planner is left alone. Once the
// file can be read, "Apri" opens it with its bookings.
TEST_F(PlanningFileTest, ALoadThatFailsKeepsTheChooserAndOpensNoPlanner) {
    const QString name = PlannerName(kPlate, QStringLiteral("2026"));
    folder.Block(name);
    WriteFleet({TheCar()});
    messages.Expect(MsgKind::Error, ArchiveFailureMessage());
    OpenPlanner(kPlate, QStringLiteral("2026"));
    messages.Verify();
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmMenuCamere->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());
    EXPECT_EQ(frmMenuCamere->lblMemory->text(), QStringLiteral("avvio"));
    EXPECT_TRUE(QFileInfo(folder.Path(name)).isDir());

    QDir(folder.Path(QString())).rmdir(name);
    folder.Write(name, PlannerImage().Day(4, QStringLiteral("Rossi")).bytes);
    Click(frmMenuCamere->btnApriFatture);
    EXPECT_TRUE(frmPlanning->isVisible());
    EXPECT_FALSE(frmMenuCamere->isVisible());
    EXPECT_EQ(DayAt(4), BookedDay(QStringLiteral("Rossi")));
    frmPlanning->Close();
    EXPECT_TRUE(frmAvvio->isVisible());
}

// After the failed load the chooser leads back to the launcher as usual.
TEST_F(PlanningFileTest, AfterAFailedLoadTheChooserClosesToTheLauncher) {
    folder.Block(PlannerName(kPlate, QStringLiteral("2026")));
    WriteFleet({TheCar()});
    messages.Expect(MsgKind::Error, ArchiveFailureMessage());
    OpenPlanner(kPlate, QStringLiteral("2026"));
    messages.Verify();
    Click(frmMenuCamere->imgEsci);
    EXPECT_FALSE(frmMenuCamere->isVisible());
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
}

// Mended: a save that fails is reported and the planner stays open with its
// days; once the file can be written the close saves and leaves.
TEST_F(PlanningFileTest, ASaveThatFailsKeepsThePlannerOpenWithItsDays) {
    OpenPlannerOf(TheCar(), QStringLiteral("2026"));
    SetDay(9, 9, QStringLiteral("Marrone"));
    {
        WriteLimit limit(1000);
        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        frmPlanning->Close();
        messages.Verify();
    }
    EXPECT_TRUE(frmPlanning->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());
    EXPECT_EQ(Day(9, 9), BookedDay(QStringLiteral("Marrone")));

    Click(frmPlanning->cmdEsci);
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_EQ(PlannerImage::DayAt(folder.Read(PlannerName(kPlate, QStringLiteral("2026"))), DayIndex(9, 9)),
              QStringLiteral("Marrone"));
}

// A planner file with holes (as a copy that keeps them leaves it) on a disk
// that fills up: one day freed and another booked, the close fails before
// any day is stored, either part way through the record or for want of room
// to reserve it. The file keeps every byte, the planner stays open with its
// days, and the next close saves them.
TEST_F(PlanningFileTest, AFailedSaveOverASparseFileLeavesItAsItWas) {
    using Reserve = WriteFault::Reserve;
    const QString name = PlannerName(kPlate, QStringLiteral("2026"));
    const QByteArray stored =
        PlannerImage()
            .Header(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate)
            .Day(DayIndex(1, 3), QStringLiteral("Bianchi"))
            .bytes;
    const qint64 july10 = kDaysOffset + kDayStride * DayIndex(7, 10);
    const struct {
        const char *what;
        qint64 failFrom;
        Reserve reserve;
    } cases[] = {
        {"full from 10 July on", july10, Reserve::Granted},
        {"no room to reserve", kPlannerSize, Reserve::Refused},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        {
            // The header and 3 January written, the rest of the record a hole.
            QFile::remove(folder.Path(name));
            QFile file(folder.Path(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(stored.left(4096)), 4096);
            ASSERT_TRUE(file.resize(kPlannerSize));
        }
        ASSERT_EQ(folder.Read(name), stored);
        OpenPlannerOf(TheCar(), QStringLiteral("2026"));
        ASSERT_EQ(Day(1, 3), BookedDay(QStringLiteral("Bianchi")));
        SetDay(1, 3, QString());
        SetDay(7, 10, QStringLiteral("Neri"));
        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        {
            WriteFault full(folder.Path(name), c.failFrom, c.reserve);
            frmPlanning->Close();
        }
        messages.Verify();
        EXPECT_EQ(folder.Read(name), stored);
        EXPECT_TRUE(frmPlanning->isVisible());
        EXPECT_FALSE(frmAvvio->isVisible());
        EXPECT_EQ(Day(1, 3), FreeDay());
        EXPECT_EQ(Day(7, 10), BookedDay(QStringLiteral("Neri")));

        frmPlanning->Close();
        EXPECT_FALSE(frmPlanning->isVisible());
        PlannerImage expected;
        expected.Header(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate)
            .Day(DayIndex(7, 10), QStringLiteral("Neri"));
        EXPECT_EQ(folder.Read(name), expected.bytes);
    }
}

// Mended: while the folder stays unwritable, a further close reports the
// failure again and asks whether to close without saving. "No" keeps the
// planner open with its days; "Sì" closes it, shows the launcher and leaves
// the stored planner as it was.
TEST_F(PlanningFileTest, AFurtherFailedCloseAsksWhetherToCloseWithoutSaving) {
    const QString name = PlannerName(kPlate, QStringLiteral("2026"));
    OpenPlannerOf(TheCar(), QStringLiteral("2026"));
    SetDay(3, 3, QStringLiteral("Verdi"));
    frmPlanning->Close();  // saved once: the file holds "Verdi"
    OpenPlanner(kPlate, QStringLiteral("2026"));
    SetDay(9, 9, QStringLiteral("Marrone"));
    const QByteArray stored = folder.Read(name);
    {
        WriteLimit limit(1000);
        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        frmPlanning->Close();
        messages.Verify();
        ASSERT_TRUE(frmPlanning->isVisible());

        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        messages.Expect(MsgKind::Confirmation, kCloseWithoutSaving, MsgButton::No);
        Click(frmPlanning->cmdEsci);
        messages.Verify();
        EXPECT_TRUE(frmPlanning->isVisible());
        EXPECT_FALSE(frmAvvio->isVisible());
        EXPECT_EQ(Day(9, 9), BookedDay(QStringLiteral("Marrone")));
        EXPECT_EQ(Day(3, 3), BookedDay(QStringLiteral("Verdi")));

        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        messages.Expect(MsgKind::Confirmation, kCloseWithoutSaving, MsgButton::Yes);
        frmPlanning->Close();
        messages.Verify();
    }
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_EQ(folder.Read(name), stored);

    // The next planner starts afresh: a first failure only reports it.
    OpenPlanner(kPlate, QStringLiteral("2026"));
    EXPECT_EQ(Day(9, 9), FreeDay());
    {
        WriteLimit limit(1000);
        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        frmPlanning->Close();
        messages.Verify();
        EXPECT_TRUE(frmPlanning->isVisible());
    }
    frmPlanning->Close();
    EXPECT_FALSE(frmPlanning->isVisible());
}

TEST_F(PlanningFileTest, EveryCloseSavesEvenWithoutAChange) {
    OpenPlannerOf(TheCar(), QStringLiteral("2026"));
    frmPlanning->Close();
    const QString name = PlannerName(kPlate, QStringLiteral("2026"));
    // Something else touches the record meanwhile: the next close writes it again.
    folder.Write(name, QByteArray(kPlannerSize, 'q'));
    OpenPlanner(kPlate, QStringLiteral("2026"));
    frmPlanning->Close();
    QByteArray saved = folder.Read(name);
    // 'q' is 113, above a day's 50: each day reads as its first 50 'q's.
    PlannerImage expected;
    expected.Header(QStringLiteral("Autovettura"), QStringLiteral("Fiat"), QStringLiteral("Panda"), kPlate);
    for (int i = 0; i < 366; ++i) expected.Day(i, QString(50, u'q'));
    EXPECT_EQ(saved, expected.bytes);
}

// The planner shown without a file named (no "Apri" yet) keeps nothing.
TEST_F(PlanningFileTest, WithoutAFileNamedNothingIsReadOrWritten) {
    frmPlanning->Open();
    for (int i = 0; i < 366; ++i) ASSERT_EQ(DayAt(i), FreeDay()) << i;
    SetDay(1, 1, QStringLiteral("Nessuno"));
    frmPlanning->Close();
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_TRUE(QDir(folder.Path(QString())).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace vel::test
