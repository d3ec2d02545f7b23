// What the user does in the planner: a click on a day opens the one-day
// booking dialog of that day, the command bar opens the interval dialog, the
// summary and the guide and closes the planner, the status line describes
// what lies under the pointer.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include "common/DateText.h"
#include "planner/AnteprimaPlanning.h"
#include "planner/StampaPlanning.h"
#include "PlannerFixture.h"
#include "dialogs/Guida.h"
#include "planner/Giorno.h"
#include "planner/Intervallo.h"
#include "planner/RiepPrenotazioni.h"

namespace vel::test {
namespace {

const QString kPlate = QStringLiteral("FD100AA");
const QString kDayHint = QStringLiteral("Fai clic sul numero del giorno per inserire o cancellare una prenotazione.");
const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

QString TextOf(QWidget *dialog, const char *name) {
    if (auto *label = dialog->findChild<QLabel *>(QString::fromLatin1(name))) return label->text();
    if (auto *combo = dialog->findChild<QComboBox *>(QString::fromLatin1(name))) return combo->currentText();
    if (auto *edit = dialog->findChild<QLineEdit *>(QString::fromLatin1(name))) return edit->text();
    ADD_FAILURE() << "no control " << name;
    return {};
}

class PlanningCommandsTest : public PlannerTest {
protected:
    void OpenVan(const QString &year, const QString &make = QStringLiteral("Fiat"),
                 const QString &model = QStringLiteral("Ducato")) {
        OpenPlannerOf(Car(QStringLiteral("Furgone"), make, model, kPlate), year);
        ASSERT_TRUE(frmPlanning->isVisible());
    }
    // What the one-day dialog was given when it opened.
    struct Opened {
        QString key, title, vehicle, text;
        QWidget *owner = nullptr;
        bool fresh = false;
    };
    Opened ClickDay(QWidget *marker) {
        Opened seen;
        modals.Expect<TfrmGiorno>([&](TfrmGiorno &dlg) {
            seen = {TextOf(&dlg, "lblMemory"), TextOf(&dlg, "infGiorno"), TextOf(&dlg, "infCamera"),
                    TextOf(&dlg, "txtPrenotazione"), dlg.parentWidget(), &dlg != frmGiorno};
            dlg.Close();
        });
        Click(marker);
        modals.Verify();
        return seen;
    }
};

TEST_F(PlanningCommandsTest, ADayOpensTheDialogOfThatDay) {
    OpenVan(QStringLiteral("2026"));
    SetDay(4, 9, QStringLiteral("  Rossi 333 1234567 "));
    const struct {
        int month, day;
        const char *key;
        const char *title;
    } days[] = {
        {1, 1, "gen_01", "Prenotazione del 1 gennaio 2026"},
        {1, 31, "gen_31", "Prenotazione del 31 gennaio 2026"},
        {2, 28, "feb_28", "Prenotazione del 28 febbraio 2026"},
        {3, 1, "mar_01", "Prenotazione del 1 marzo 2026"},
        {4, 9, "apr_09", "Prenotazione del 9 aprile 2026"},
        {5, 10, "mag_10", "Prenotazione del 10 maggio 2026"},
        {6, 27, "giu_27", "Prenotazione del 27 giugno 2026"},
        {6, 28, "giu_28", "Prenotazione del 28 giugno 2026"},
        {6, 29, "giu_29", "Prenotazione del 29 giugno 2026"},
        {6, 30, "giu_30", "Prenotazione del 30 giugno 2026"},
        {7, 4, "lug_04", "Prenotazione del 4 luglio 2026"},
        {8, 15, "ago_15", "Prenotazione del 15 agosto 2026"},
        {9, 30, "set_30", "Prenotazione del 30 settembre 2026"},
        {10, 2, "ott_02", "Prenotazione del 2 ottobre 2026"},
        {11, 11, "nov_11", "Prenotazione del 11 novembre 2026"},
        {12, 31, "dic_31", "Prenotazione del 31 dicembre 2026"},
    };
    for (const auto &d : days) {
        SCOPED_TRACE(d.key);
        const TfrmPlanning::DayCell &cell = frmPlanning->Cell(d.month, d.day);
        // The marker on show is the one clicked: the free one, or the booked one.
        QWidget *marker = cell.occ->isHidden() ? static_cast<QWidget *>(cell.lib) : cell.occ;
        const Opened seen = ClickDay(marker);
        EXPECT_EQ(seen.key, QString::fromLatin1(d.key));
        EXPECT_EQ(seen.title, QString::fromLatin1(d.title));
        EXPECT_EQ(seen.vehicle, QStringLiteral("Fiat Ducato"));
        EXPECT_EQ(seen.text, d.month == 4 && d.day == 9 ? QStringLiteral("Rossi 333 1234567") : QString());
        EXPECT_EQ(seen.owner, frmPlanning);
        EXPECT_TRUE(seen.fresh);
    }
    // The handler itself changes no day.
    EXPECT_EQ(Day(4, 9), BookedDay(QStringLiteral("  Rossi 333 1234567 ")));
    EXPECT_EQ(Day(1, 1), FreeDay());
}

TEST_F(PlanningCommandsTest, BothMarkersOfADayOpenItsDialog) {
    OpenVan(QStringLiteral("2026"));
    for (DayImage *marker : {frmPlanning->Cell(10, 5).lib, frmPlanning->Cell(10, 5).occ}) {
        SCOPED_TRACE(marker->objectName().toStdString());
        SetDay(10, 5, marker == frmPlanning->Cell(10, 5).occ ? QStringLiteral("Bruni") : QString());
        ASSERT_TRUE(marker->isVisible());
        const Opened seen = ClickDay(marker);
        EXPECT_EQ(seen.key, QStringLiteral("ott_05"));
        EXPECT_EQ(seen.title, QStringLiteral("Prenotazione del 5 ottobre 2026"));
    }
}

TEST_F(PlanningCommandsTest, TheVehicleLineKeepsItsBlankWhateverIsMissing) {
    const struct {
        QString make, model, line;
    } cases[] = {
        {QStringLiteral("Fiat"), QStringLiteral("Ducato"), QStringLiteral("Fiat Ducato")},
        {QString(), QStringLiteral("Ducato"), QStringLiteral(" Ducato")},
        {QStringLiteral("Fiat"), QString(), QStringLiteral("Fiat ")},
        {QString(), QString(), QStringLiteral(" ")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        TestFolder fresh;
        OpenVan(QStringLiteral("2026"), c.make, c.model);
        EXPECT_EQ(ClickDay(frmPlanning->Cell(1, 1).lib).vehicle, c.line);
        frmPlanning->Close();
    }
}

TEST_F(PlanningCommandsTest, TheTwentyNinthOfFebruaryOpensOnlyInALeapYear) {
    const struct {
        const char *year;
        bool leap;
    } years[] = {{"2023", false}, {"2024", true}, {"1900", false}, {"2000", true}, {"2100", false}, {"0000", false}};
    for (const auto &y : years) {
        SCOPED_TRACE(y.year);
        TestFolder fresh;
        const QString year = QString::fromLatin1(y.year);
        OpenVan(year);
        if (y.leap) {
            const Opened seen = ClickDay(frmPlanning->Cell(2, 29).lib);
            EXPECT_EQ(seen.key, QStringLiteral("feb_29"));
            EXPECT_EQ(seen.title, QStringLiteral("Prenotazione del 29 febbraio ") + year);
        } else {
            messages.Expect(MsgKind::Warning,
                            QStringLiteral("Attenzione: la data 29/02/") + year + QStringLiteral(" non esiste.\n\r\n\r") +
                                U("Per poter effettuare la prenotazione \xc3\xa8 necessario indicare una data valida."));
            const qsizetype opened = modals.Opened().size();
            Click(frmPlanning->Cell(2, 29).lib);
            messages.Verify();
            EXPECT_EQ(modals.Opened().size(), opened);
            EXPECT_EQ(Day(2, 29), FreeDay());
        }
        // The days around it open in every year.
        EXPECT_EQ(ClickDay(frmPlanning->Cell(2, 28).lib).key, QStringLiteral("feb_28"));
        EXPECT_EQ(ClickDay(frmPlanning->Cell(3, 1).lib).key, QStringLiteral("mar_01"));
        frmPlanning->Close();
    }
}

TEST_F(PlanningCommandsTest, ABookingMadeInTheDialogReachesTheFileWhenThePlannerCloses) {
    OpenVan(QStringLiteral("2026"));
    modals.Expect<TfrmGiorno>([](TfrmGiorno &dlg) {
        dlg.findChild<QLineEdit *>(QStringLiteral("txtPrenotazione"))->setText(QStringLiteral("Esposito"));
        Click(dlg.findChild<QPushButton *>(QStringLiteral("btnChiudi")));
    });
    Click(frmPlanning->Cell(7, 20).lib);
    modals.Verify();
    EXPECT_EQ(Day(7, 20), BookedDay(QStringLiteral("Esposito")));
    // Nothing is written before the close.
    const QString name = PlannerName(kPlate, QStringLiteral("2026"));
    EXPECT_EQ(folder.Read(name).size(), 0);

    // "Annulla" leaves the day as it was.
    modals.Expect<TfrmGiorno>([](TfrmGiorno &dlg) {
        dlg.findChild<QLineEdit *>(QStringLiteral("txtPrenotazione"))->clear();
        Click(dlg.findChild<QPushButton *>(QStringLiteral("btnAnnulla")));
    });
    Click(frmPlanning->Cell(7, 20).occ);
    modals.Verify();
    EXPECT_EQ(Day(7, 20), BookedDay(QStringLiteral("Esposito")));

    frmPlanning->Close();
    EXPECT_EQ(PlannerImage::DayAt(folder.Read(name), DayIndex(7, 20)), QStringLiteral("Esposito"));
}

TEST_F(PlanningCommandsTest, IsValidDateTextTakesRealDatesOnly) {
    const struct {
        const char *text;
        bool valid;
    } cases[] = {
        {"29/02/2024", true},  {"29/02/2023", false}, {"31/04/2024", false}, {"", false},
        {"01/01/2026", true},  {"31/12/2026", true},  {"29/02/2000", true},  {"29/02/1900", false},
        {"29/02/0000", false}, {"00/01/2026", false}, {"01/13/2026", false}, {"31/02/2025", false},
        {"01-01-2026", false}, {" 01/01/2026", false}, {"01/01/2026 ", false}, {"aa/01/2026", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsValidDateText(QString::fromLatin1(c.text)), c.valid) << c.text;
}

TEST_F(PlanningCommandsTest, TheIntervalDialogOpensWithTheYearAndTheVehicle) {
    OpenVan(QStringLiteral("2028"), QStringLiteral(" Iveco"), QStringLiteral("Daily "));
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        QPointer<TfrmIntervallo> opened;
        modals.Expect<TfrmIntervallo>([&](TfrmIntervallo &dlg) {
            opened = &dlg;
            EXPECT_NE(&dlg, frmIntervallo);
            EXPECT_EQ(dlg.parentWidget(), frmPlanning);
            EXPECT_EQ(TextOf(&dlg, "lblAnnoInizio"), QStringLiteral("2028"));
            EXPECT_EQ(TextOf(&dlg, "lblAnnoFine"), QStringLiteral("2028"));
            EXPECT_EQ(TextOf(&dlg, "infCamera"), QStringLiteral("Iveco Daily"));
            for (const char *combo : {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"})
                EXPECT_EQ(TextOf(&dlg, combo), QString()) << combo;
            EXPECT_EQ(TextOf(&dlg, "txtPrenotazione"), QString());
            // What this round leaves behind is not seen by the next one.
            dlg.findChild<QComboBox *>(QStringLiteral("txtGiornoInizio"))->setEditText(QStringLiteral("05"));
            dlg.findChild<QLineEdit *>(QStringLiteral("txtPrenotazione"))->setText(QStringLiteral("Gialli"));
            dlg.Close();
        });
        Click(frmPlanning->cmdIntervallo);
        modals.Verify();
        EXPECT_TRUE(opened.isNull());
    }
    for (int i = 0; i < 366; ++i) ASSERT_EQ(DayAt(i), FreeDay()) << i;
}

TEST_F(PlanningCommandsTest, TheSummaryAndTheGuideAreNewWindowsOwnedByThePlanner) {
    OpenVan(QStringLiteral("2026"));
    QPointer<Form> opened[2];
    modals.Expect<TfrmRiepPrenotazioni>([&](TfrmRiepPrenotazioni &dlg) {
        opened[0] = &dlg;
        EXPECT_NE(&dlg, frmRiepPrenotazioni);
        EXPECT_EQ(dlg.parentWidget(), frmPlanning);
        Click(dlg.btnChiudi);
    });
    modals.Expect<TfrmGuida>([&](TfrmGuida &guide) {
        opened[1] = &guide;
        EXPECT_EQ(guide.parentWidget(), frmPlanning);
        EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("App Planner Noleggi"));
        const QStringList paragraphs = guide.txtGuida->toPlainText().split(QStringLiteral("\r\n\r\n"));
        const char *openings[] = {
            "L'app Planner Noleggi mette a disposizione un planning annuale",
            "Visualizzato il planner annuale",
            "Il pulsante Intervallo consente di registrare velocemente",
            "E' possibile registrare prenotazioni non solo per l'anno corrente",
            "E' quindi chiaro che il planner annuale va aperto",
            "Il pulsante Riepilogo permette di ottenere l'elenco",
            "Il planning annuale relativo a ciascun mezzo",
        };
        ASSERT_EQ(paragraphs.size(), 7);
        for (int i = 0; i < 7; ++i) {
            EXPECT_TRUE(paragraphs[i].startsWith(QString::fromLatin1(openings[i]))) << i;
            EXPECT_FALSE(paragraphs[i].contains(u'\n') || paragraphs[i].contains(u'\r')) << i;
        }
        Click(guide.btnChiudi);
    });
    Click(frmPlanning->cmdRiepilogo);
    Click(frmPlanning->cmdGuida);
    modals.Verify();
    EXPECT_TRUE(opened[0].isNull());
    EXPECT_TRUE(opened[1].isNull());
    EXPECT_TRUE(frmPlanning->isVisible());
}

TEST_F(PlanningCommandsTest, PrintAndPreviewOpenTheirOwnWindows) {
    OpenVan(QStringLiteral("2026"));
    modals.Expect<TfrmAnteprimaPlanning>([](TfrmAnteprimaPlanning &dlg) {
        EXPECT_EQ(dlg.parentWidget(), frmPlanning);
        dlg.Close();
    });
    modals.Expect<TfrmStampaPlanning>([](TfrmStampaPlanning &dlg) {
        EXPECT_EQ(dlg.parentWidget(), frmPlanning);
        dlg.Close();
    });
    Click(frmPlanning->cmdAnteprima);
    Click(frmPlanning->cmdStampa);
    modals.Verify();
    EXPECT_TRUE(frmPlanning->isVisible());
}

TEST_F(PlanningCommandsTest, EsciSavesAndReturnsToTheLauncher) {
    OpenVan(QStringLiteral("2026"));
    SetDay(12, 25, QStringLiteral("Natale"));
    Click(frmPlanning->cmdEsci);
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(frmMenuCamere->isVisible());
    EXPECT_EQ(PlannerImage::DayAt(folder.Read(PlannerName(kPlate, QStringLiteral("2026"))), DayIndex(12, 25)),
              QStringLiteral("Natale"));
}

// The Enter walks end on a button that Enter then presses: the chooser's
// year leads to "Apri", which opens the planner; the interval dialog's
// entries lead to "Applica e chiudi", which books the interval and closes.
TEST_F(PlanningCommandsTest, EnterPressesTheButtonAtTheEndOfTheEnterWalks) {
    WriteFleet({Car(QStringLiteral("Furgone"), QStringLiteral("Fiat"), QStringLiteral("Ducato"), kPlate)});
    OpenChooser();
    ClickLine(RowOf(kPlate));
    SetYear(QStringLiteral("2026"));
    frmMenuCamere->txtAnnoFatture->setFocus();
    Press(frmMenuCamere->txtAnnoFatture, Qt::Key_Return);
    ASSERT_EQ(Focused(), frmMenuCamere->btnApriFatture);
    EXPECT_FALSE(frmPlanning->isVisible()) << "Enter in the year presses nothing";
    Press(frmMenuCamere->btnApriFatture, Qt::Key_Return);
    ASSERT_TRUE(frmPlanning->isVisible());
    EXPECT_FALSE(frmMenuCamere->isVisible());
    EXPECT_EQ(frmPlanning->txtTarga->text(), kPlate);

    bool closedByEnter = false;
    modals.Expect<TfrmIntervallo>([&](TfrmIntervallo &d) {
        QApplication::setActiveWindow(&d);
        const std::pair<ComboEdit *, QString> choices[] = {{d.txtGiornoInizio, QStringLiteral("02")},
                                                           {d.txtMeseInizio, QStringLiteral("Marzo")},
                                                           {d.txtGiornoFine, QStringLiteral("04")},
                                                           {d.txtMeseFine, QStringLiteral("Marzo")}};
        for (const auto &[combo, item] : choices) combo->setCurrentIndex(combo->findText(item));
        Type(d.txtPrenotazione, QStringLiteral("Rossi"));
        d.txtGiornoInizio->setFocus();
        for (int i = 0; i < 5; ++i) Press(Focused(), Qt::Key_Return);
        ASSERT_EQ(Focused(), d.btnChiudi);
        EXPECT_TRUE(d.isVisible()) << "Enter in the name presses nothing";
        messages.Expect(MsgKind::Confirmation,
                        QStringLiteral("INTERVALLO SELEZIONATO:  DAL  02/03/2026 AL 04/03/2026.\r\n\r\n"
                                       "Si conferma la prenotazione?"),
                        MsgButton::Yes);
        Press(d.btnChiudi, Qt::Key_Return);
        messages.Verify();
        closedByEnter = !d.isVisible();
    });
    Click(frmPlanning->cmdIntervallo);
    modals.Verify();
    EXPECT_TRUE(closedByEnter);
    EXPECT_EQ(Day(3, 1), FreeDay());
    for (int day = 2; day <= 4; ++day) EXPECT_EQ(Day(3, day), BookedDay(QStringLiteral("Rossi"))) << day;
    EXPECT_EQ(Day(3, 5), FreeDay());
}

TEST_F(PlanningCommandsTest, TheStatusLineDescribesWhatLiesUnderThePointer) {
    OpenVan(QStringLiteral("2026"));
    TfrmPlanning *w = frmPlanning;
    EXPECT_EQ(w->panInfo->text(), kReady);
    EXPECT_EQ(w->shpInfo->geometry(), QRect(16, 642, 962, 32));
    const struct {
        QWidget *control;
        QString hint;
    } commands[] = {
        {w->cmdIntervallo, QStringLiteral("Prenota intervallo di tempo.")},
        {w->cmdRiepilogo, QStringLiteral("Visualizza il riepilogo delle prenotazioni registrate.")},
        {w->cmdAnteprima, QStringLiteral("Visualizza l'anteprima di stampa del planning corrente.")},
        {w->cmdStampa, QStringLiteral("Stampa il planning corrente.")},
        {w->cmdGuida, QStringLiteral("Visualizza la guida in linea.")},
        {w->cmdEsci, QStringLiteral("Esci da questa schermata di lavoro.")},
    };
    for (const auto &c : commands) {
        w->panInfo->setText(QStringLiteral("x"));
        MoveMouseOver(c.control);
        EXPECT_EQ(w->panInfo->text(), c.hint) << c.control->objectName().toStdString();
        EXPECT_EQ(c.control->cursor().shape(), Qt::PointingHandCursor);
    }

    // Every day image, free or booked, gives the same hint; the gap between
    // two of them and the empty places of the grid give an empty line. The
    // pointer goes to whatever lies on top at each point of the panel.
    const auto moveTo = [w](QPoint at) {
        QWidget *target = w->panContainer->childAt(at);
        if (!target) target = w->panContainer;
        MoveMouseOver(target, target->mapFrom(w->panContainer, at));
        return target;
    };
    SetDay(2, 29, QStringLiteral("Bisestile"));
    for (const TfrmPlanning::DayCell *cell : {&w->Cell(1, 1), &w->Cell(2, 29), &w->Cell(6, 15), &w->Cell(12, 31)}) {
        SCOPED_TRACE(cell->mem->objectName().toStdString());
        const QPoint place = cell->lib->pos();
        w->panInfo->setText(QStringLiteral("x"));
        EXPECT_EQ(moveTo(place + QPoint(12, 16)), cell->occ->isHidden() ? cell->lib : cell->occ);
        EXPECT_EQ(w->panInfo->text(), kDayHint);
        EXPECT_EQ(moveTo(place + QPoint(25, 16)), w->shpSezione01);  // the gap on its right
        EXPECT_TRUE(w->panInfo->text().isEmpty());
        moveTo(place + QPoint(3, 3));
        EXPECT_EQ(w->panInfo->text(), kDayHint);
    }
    // 30 and 31 February, 31 April, June, September, November.
    for (QPoint empty : {QPoint(920, 192), QPoint(946, 192), QPoint(946, 272), QPoint(946, 352), QPoint(946, 472),
                         QPoint(946, 552)}) {
        SCOPED_TRACE(std::to_string(empty.x()) + "," + std::to_string(empty.y()));
        w->panInfo->setText(QStringLiteral("x"));
        EXPECT_EQ(moveTo(empty + QPoint(12, 16)), w->shpSezione01);
        EXPECT_TRUE(w->panInfo->text().isEmpty());
        // A click there opens nothing.
        QTest::mouseClick(w->shpSezione01, Qt::LeftButton, Qt::NoModifier, empty + QPoint(12, 16) - QPoint(16, 144));
        EXPECT_TRUE(modals.Opened().isEmpty());
    }

    // The window and its background shapes empty it too.
    for (QWidget *area : std::initializer_list<QWidget *>{w, w->shpContainer, w->shpTitolo, w->shpIntervallo,
                                                          w->shpRiepilogo, w->shpAnteprima, w->shpStampa,
                                                          w->shpControlli06, w->bkgCamera, w->icoTitolo}) {
        w->panInfo->setText(QStringLiteral("x"));
        MoveMouseOver(area, QPoint(2, 2));
        EXPECT_TRUE(w->panInfo->text().isEmpty()) << area->objectName().toStdString();
    }
    // The header, the year, the month titles and the status bar have no hint.
    for (QWidget *quiet : std::initializer_list<QWidget *>{w->txtMarca, w->txtAnno, w->icoAnno, w->titMonths[4],
                                                           w->panInfo, w->shpInfo}) {
        w->panInfo->setText(QStringLiteral("x"));
        MoveMouseOver(quiet, QPoint(2, 2));
        EXPECT_EQ(w->panInfo->text(), QStringLiteral("x")) << quiet->objectName().toStdString();
    }

    // Showing the planner again does not reset the status line.
    w->panInfo->setText(QStringLiteral("y"));
    frmPlanning->Close();
    OpenPlanner(kPlate, QStringLiteral("2026"));
    EXPECT_EQ(w->panInfo->text(), QStringLiteral("y"));
}

TEST_F(PlanningCommandsTest, TheCommandBarLiesAtItsPlaces) {
    TfrmPlanning *w = frmPlanning;
    const struct {
        QWidget *control;
        QRect geometry;
    } places[] = {
        {w->shpTitolo, {16, 16, 238, 57}},      {w->icoTitolo, {34, 29, 199, 38}},
        {w->shpIntervallo, {260, 16, 150, 57}}, {w->cmdIntervallo, {268, 26, 135, 43}},
        {w->shpRiepilogo, {416, 16, 150, 57}},  {w->cmdRiepilogo, {424, 26, 135, 43}},
        {w->shpAnteprima, {572, 16, 150, 57}},  {w->cmdAnteprima, {580, 26, 135, 43}},
        {w->shpStampa, {728, 16, 150, 57}},     {w->cmdStampa, {736, 26, 135, 43}},
        {w->shpControlli06, {884, 16, 93, 57}}, {w->cmdGuida, {892, 27, 37, 39}},
        {w->cmdEsci, {933, 27, 37, 39}},        {w->bkgCamera, {16, 80, 766, 56}},
    };
    for (const auto &p : places) {
        EXPECT_EQ(p.control->geometry(), p.geometry) << p.control->objectName().toStdString();
        EXPECT_EQ(p.control->parentWidget(), w->panContainer) << p.control->objectName().toStdString();
    }
    // The reset and the save are never on show.
    EXPECT_TRUE(w->cmdNuovo->isHidden());
    EXPECT_TRUE(w->cmdSalva->isHidden());
    EXPECT_TRUE(w->lblPosizione->isHidden());
    EXPECT_EQ(w->lblPosizione->text(), QStringLiteral("1"));
}

}  // namespace
}  // namespace vel::test
