// The interval booking dialog: the entry of the interval (the day and month
// lists, their keys and their check on leaving, the name and its two icons)
// and "Applica e chiudi", which checks the entries in a fixed order, asks, and
// books every day of the interval in the program-wide planner.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QLabel>
#include <map>

#include "common/MonthTable.h"
#include "common/TextRules.h"
#include "planner/Intervallo.h"
#include "planner/Planning.h"
#include "planner/PlannerStandIn.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel::test {
namespace {

const QString kNoStartDay = QStringLiteral(
    "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.");
const QString kNoStartMonth = QStringLiteral(
    "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.");
const QString kNoEndDay = QStringLiteral(
    "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.");
const QString kNoEndMonth = QStringLiteral(
    "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.");
const QString kNoName = QStringLiteral(
    "Attenzione: per effettuare la prenotazione \u00e8 necessario indicare il nome del cliente.");
QString NoStartDate(const QString &date) {
    return QStringLiteral("Attenzione: la data ") + date +
           QStringLiteral(" di inizio intervallo non esiste.\n\r\n\r"
                          "Per poter effettuare la prenotazione \u00e8 necessario indicare una data valida.");
}
QString NoEndDate(const QString &date) {
    return QStringLiteral("Attenzione: la data ") + date +
           QStringLiteral(" di fine intervallo non esiste.\n\r\n\r"
                          "Per effettuare la prenotazione \u00e8 necessario indicare una data valida.");
}
QString EndBeforeStart(const QString &end, const QString &start) {
    return QStringLiteral("Attenzione: la data di fine intervallo (") + end +
           QStringLiteral(") non pu\u00f2 essere anteriore a quella di inizio intervallo (") + start +
           QStringLiteral(").\n\r\n\rPer effettuare la prenotazione \u00e8 necessario indicare un intervallo di "
                          "tempo valido.");
}
QString Question(const QString &start, const QString &end) {
    return QStringLiteral("INTERVALLO SELEZIONATO:  DAL  ") + start + QStringLiteral(" AL ") + end +
           QStringLiteral(".\r\n\r\nSi conferma la prenotazione?");
}

const QStringList kMonthItems = {
    QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),     QStringLiteral("Aprile"),
    QStringLiteral("Maggio"),  QStringLiteral("Giugno"),   QStringLiteral("Luglio"),    QStringLiteral("Agosto"),
    QStringLiteral("Settembre"), QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};

// The user's choice of an item from a list.
void Choose(ComboEdit *combo, const QString &item) {
    const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << item.toStdString();
    combo->setCurrentIndex(index);
}

// Emptying a list by code, as the opener does.
void Empty(ComboEdit *combo) {
    combo->setCurrentIndex(-1);
    combo->setText(QString());
}

struct Entry {
    QString startDay, startMonth, endDay, endMonth, name;
};

class IntervalloTest : public ::testing::Test {
protected:
    // What the planner's interval command does: a new dialog owned by the
    // planner, the year in both year labels, make and model in infCamera, the
    // four lists emptied, the dialog shown modally and destroyed when it
    // returns. `act` plays the user.
    void Open(const QString &year, const std::function<void(TfrmIntervallo &)> &act) {
        auto *dialog = new TfrmIntervallo(planner.Window());
        dialog->Create();
        dialog->lblAnnoInizio->setText(year);
        dialog->lblAnnoFine->setText(year);
        dialog->infCamera->setText(QStringLiteral("Fiat Panda"));
        for (ComboEdit *combo : {dialog->txtGiornoInizio, dialog->txtMeseInizio, dialog->txtGiornoFine,
                                 dialog->txtMeseFine})
            combo->setText(QString());
        bool opened = false;
        modals.Expect<TfrmIntervallo>([&](TfrmIntervallo &d) {
            opened = true;
            ShowActive(&d);
            act(d);
        });
        dialog->ShowModal();
        EXPECT_TRUE(opened);
        EXPECT_FALSE(dialog->isVisible()) << "the dialog closes";
        delete dialog;
        modals.Verify();
        messages.Verify();
    }

    static void Fill(TfrmIntervallo &d, const Entry &e) {
        const std::pair<ComboEdit *, QString> choices[] = {
            {d.txtGiornoInizio, e.startDay}, {d.txtMeseInizio, e.startMonth},
            {d.txtGiornoFine, e.endDay},     {d.txtMeseFine, e.endMonth}};
        for (const auto &[combo, item] : choices)
            if (!item.isEmpty()) Choose(combo, item);
        Type(d.txtPrenotazione, e.name);
    }

    static std::vector<QString> Entries(const TfrmIntervallo &d) {
        return {d.txtGiornoInizio->text(), d.txtMeseInizio->text(), d.txtGiornoFine->text(), d.txtMeseFine->text(),
                d.txtPrenotazione->text()};
    }

    // The cells as they must be after booking `name` from `start` to `end`:
    // every day of the grid that is a date of `year` within the interval is
    // booked, every other cell is as it was.
    std::map<QString, CellState> Expected(const std::map<QString, CellState> &before, int year, QDate start,
                                          QDate end, const QString &name) const {
        std::map<QString, CellState> cells = before;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= kMonths[m - 1].days; ++d) {
                const QDate date(year, m, d);
                if (date.isValid() && start <= date && date <= end) cells[DayKey(m, d)] = Booked(name);
            }
        }
        return cells;
    }

    static int BookedCount(const std::map<QString, CellState> &cells) {
        int count = 0;
        for (const auto &[key, state] : cells) count += state.bookedShown;
        return count;
    }

    Planner planner;
    MessageScript messages;
    ModalScript modals;
};

TEST_F(IntervalloTest, WindowLooksAsDesigned) {
    TfrmIntervallo fresh;
    EXPECT_EQ(fresh.lblAnnoInizio->text(), QStringLiteral("ANNO"));
    EXPECT_EQ(fresh.lblAnnoFine->text(), QStringLiteral("ANNO"));
    EXPECT_EQ(fresh.infCamera->text(), QStringLiteral("Veicolo"));
    for (const ComboEdit *combo : {fresh.txtGiornoInizio, fresh.txtMeseInizio, fresh.txtGiornoFine, fresh.txtMeseFine}) {
        EXPECT_EQ(combo->text(), QString()) << combo->objectName().toStdString();
        EXPECT_EQ(combo->currentIndex(), -1) << combo->objectName().toStdString();
    }

    Open(QStringLiteral("2024"), [](TfrmIntervallo &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("frmIntervallo"));
        EXPECT_EQ(d.Caption(), QStringLiteral(" Prenotazione noleggio veicolo per intervallo di tempo"));
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        EXPECT_FALSE(d.windowFlags() &
                     (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(d.grpDataInizio->title(), QStringLiteral(" Data inizio intervallo: "));
        EXPECT_EQ(d.grpDataFine->title(), QStringLiteral(" Data fine intervallo: "));
        EXPECT_LT(d.grpDataInizio->x(), d.grpDataFine->x()) << "side by side";
        EXPECT_EQ(d.grpDataInizio->y(), d.grpDataFine->y());
        QStringList texts;
        for (const QLabel *label : d.findChildren<QLabel *>()) texts.append(label->text());
        for (const QString &text : {QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da prenotare."),
                                    QStringLiteral("Indicare il nome del cliente nel campo sottostante."),
                                    QStringLiteral("Giorno:"), QStringLiteral("Mese:")})
            EXPECT_TRUE(texts.contains(text)) << text.toStdString();
        EXPECT_EQ(texts.count(QStringLiteral("Giorno:")), 2);
        EXPECT_EQ(texts.count(QStringLiteral("Mese:")), 2);

        QStringList days;
        for (int day = 1; day <= 31; ++day) days.append(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
        for (const ComboEdit *combo : {d.txtGiornoInizio, d.txtGiornoFine}) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
            EXPECT_EQ(items, days);
        }
        for (const ComboEdit *combo : {d.txtMeseInizio, d.txtMeseFine}) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
            EXPECT_EQ(items, kMonthItems);
        }
        for (const QWidget *w : {static_cast<QWidget *>(d.lblDataInizio), static_cast<QWidget *>(d.lblDataFine),
                                 static_cast<QWidget *>(d.lblMemory)})
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
        EXPECT_EQ(d.lblDataInizio->text(), QString());
        EXPECT_EQ(d.lblDataFine->text(), QString());
        for (const FocusFrame *frame : {d.effGiornoInizio, d.effMeseInizio, d.effGiornoFine, d.effMeseFine})
            EXPECT_TRUE(frame->isHidden()) << frame->objectName().toStdString();

        EXPECT_EQ(d.txtPrenotazione->text(), QString());
        EXPECT_EQ(d.txtPrenotazione->MaxLength(), 50);
        for (const ImageButton *icon : {d.cmdClipboard, d.cmdCancella})
            EXPECT_EQ(icon->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(d.btnChiudi->text(), QStringLiteral("Applica e chiudi"));
        EXPECT_EQ(d.btnAnnulla->text(), QStringLiteral("Annulla"));
        EXPECT_LT(d.btnAnnulla->x(), d.btnChiudi->x()) << "Annulla on the left";
        for (const Button *b : {d.btnChiudi, d.btnAnnulla}) EXPECT_FALSE(b->isDefault() || b->autoDefault());
        EXPECT_EQ(Focused(), d.txtPrenotazione) << "the focus starts in the name";
        d.btnAnnullaClick();
    });
}

// --- Applica e chiudi: the checks, in their order --------------------------------

struct RefusalCase {
    const char *name;
    QString year;
    Entry entry;
    MsgKind kind;
    QString message;
    const char *focus;  // where the focus goes; nullptr: it stays on the button
};
void PrintTo(const RefusalCase &c, std::ostream *os) { *os << c.name; }

class IntervalloRefusal : public IntervalloTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(IntervalloRefusal, ReportsTheFirstFaultAndWritesNothing) {
    const RefusalCase &c = GetParam();
    planner.Set(4, 7, Booked(QStringLiteral("Bianchi")));
    const auto before = planner.Snapshot();
    Open(c.year, [&](TfrmIntervallo &d) {
        Fill(d, c.entry);
        const auto entries = Entries(d);
        messages.Expect(c.kind, c.message);
        Click(d.btnChiudi);
        messages.Verify();
        EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
        EXPECT_EQ(Entries(d), entries) << "with every entry as it was";
        QWidget *focus = c.focus ? d.findChild<QWidget *>(QString::fromLatin1(c.focus)) : d.btnChiudi;
        EXPECT_EQ(Focused(), focus);
        d.btnAnnullaClick();
    });
    EXPECT_EQ(planner.Snapshot(), before);
}

const QString k2024 = QStringLiteral("2024");
const QString k2023 = QStringLiteral("2023");

INSTANTIATE_TEST_SUITE_P(
    Cases, IntervalloRefusal,
    ::testing::Values(
        RefusalCase{"AllEmptyStartDayFirst", k2024, {"", "", "", "", ""}, MsgKind::Warning, kNoStartDay,
                    "txtGiornoInizio"},
        RefusalCase{"StartDayBeforeTheName", k2024, {"", "Marzo", "05", "Marzo", "   "}, MsgKind::Warning,
                    kNoStartDay, "txtGiornoInizio"},
        RefusalCase{"StartMonth", k2024, {"01", "", "", "", "Rossi"}, MsgKind::Warning, kNoStartMonth,
                    "txtMeseInizio"},
        RefusalCase{"EndDay", k2024, {"01", "Marzo", "", "Aprile", "Rossi"}, MsgKind::Warning, kNoEndDay,
                    "txtGiornoFine"},
        RefusalCase{"EndMonth", k2024, {"01", "Marzo", "05", "", "Rossi"}, MsgKind::Warning, kNoEndMonth,
                    "txtMeseFine"},
        RefusalCase{"StartDateBeyondTheMonth", k2024, {"31", "Febbraio", "05", "Marzo", "Rossi"}, MsgKind::Plain,
                    NoStartDate(QStringLiteral("31/02/2024")), "txtGiornoInizio"},
        RefusalCase{"StartOn29FebruaryOfACommonYear", k2023, {"29", "Febbraio", "29", "Febbraio", "Rossi"},
                    MsgKind::Plain, NoStartDate(QStringLiteral("29/02/2023")), "txtGiornoInizio"},
        RefusalCase{"StartOn29FebruaryOf1900", QStringLiteral("1900"), {"29", "Febbraio", "01", "Marzo", "Rossi"},
                    MsgKind::Plain, NoStartDate(QStringLiteral("29/02/1900")), "txtGiornoInizio"},
        RefusalCase{"YearZeroHasNoDate", QStringLiteral("0000"), {"01", "Gennaio", "02", "Gennaio", "Rossi"},
                    MsgKind::Plain, NoStartDate(QStringLiteral("01/01/0000")), "txtGiornoInizio"},
        RefusalCase{"EndDateBeyondTheMonth", k2024, {"01", "Aprile", "31", "Aprile", "Rossi"}, MsgKind::Plain,
                    NoEndDate(QStringLiteral("31/04/2024")), "txtGiornoFine"},
        RefusalCase{"EndOn29FebruaryOfACommonYear", k2023, {"01", "Febbraio", "29", "Febbraio", "Rossi"},
                    MsgKind::Plain, NoEndDate(QStringLiteral("29/02/2023")), "txtGiornoFine"},
        RefusalCase{"EndBeforeStartNamesTheEndFirst", k2024, {"10", "Aprile", "05", "Aprile", "Rossi"},
                    MsgKind::Plain,
                    EndBeforeStart(QStringLiteral("05/04/2024"), QStringLiteral("10/04/2024")), nullptr},
        RefusalCase{"EndInAnEarlierMonth", k2024, {"01", "Dicembre", "31", "Gennaio", "   "}, MsgKind::Plain,
                    EndBeforeStart(QStringLiteral("31/01/2024"), QStringLiteral("01/12/2024")), nullptr},
        RefusalCase{"NameOfBlanksOnly", k2024, {"01", "Marzo", "05", "Marzo", "    "}, MsgKind::Warning, kNoName,
                    "txtPrenotazione"},
        RefusalCase{"NoName", k2024, {"15", "Marzo", "15", "Marzo", ""}, MsgKind::Warning, kNoName,
                    "txtPrenotazione"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(IntervalloTest, YearTheOpenerDidNotWriteMakesNoDate) {
    Open(QStringLiteral("2024"), [&](TfrmIntervallo &d) {
        d.lblAnnoInizio->setText(QStringLiteral("ANNO"));
        Fill(d, {"01", "Marzo", "05", "Marzo", "Rossi"});
        messages.Expect(MsgKind::Plain, NoStartDate(QStringLiteral("01/03/ANNO")));
        Click(d.btnChiudi);
        messages.Verify();
        EXPECT_EQ(d.lblDataInizio->text(), QStringLiteral("01/03/ANNO"));
        d.btnAnnullaClick();
    });
}

TEST_F(IntervalloTest, DateLabelsHoldTheComposedDatesAndAreEmptiedEachRun) {
    Open(QStringLiteral(" 2024 "), [&](TfrmIntervallo &d) {
        Fill(d, {"10", "Aprile", "05", "Aprile", "Rossi"});
        messages.Expect(MsgKind::Plain, EndBeforeStart(QStringLiteral("05/04/2024"), QStringLiteral("10/04/2024")));
        Click(d.btnChiudi);
        EXPECT_EQ(d.lblDataInizio->text(), QStringLiteral("10/04/2024"));
        EXPECT_EQ(d.lblDataFine->text(), QStringLiteral("05/04/2024"));

        Empty(d.txtGiornoFine);
        messages.Expect(MsgKind::Warning, kNoEndDay);
        Click(d.btnChiudi);
        EXPECT_EQ(d.lblDataInizio->text(), QString()) << "emptied before the checks";
        EXPECT_EQ(d.lblDataFine->text(), QString());
        d.btnAnnullaClick();
    });
}

// --- Applica e chiudi: the question and the booking --------------------------------

TEST_F(IntervalloTest, AnswerNoWritesNothingAndKeepsTheEntries) {
    planner.Set(3, 15, Booked(QStringLiteral("Bianchi")));
    const auto before = planner.Snapshot();
    Open(k2024, [&](TfrmIntervallo &d) {
        Fill(d, {"14", "Marzo", "16", "Marzo", "Rossi"});
        const auto entries = Entries(d);
        messages.Expect(MsgKind::Confirmation, Question(QStringLiteral("14/03/2024"), QStringLiteral("16/03/2024")),
                        MsgButton::No);
        Click(d.btnChiudi);
        messages.Verify();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(Entries(d), entries);
        EXPECT_EQ(planner.Snapshot(), before);

        // The same command, run again, goes on after Yes.
        messages.Expect(MsgKind::Confirmation, Question(QStringLiteral("14/03/2024"), QStringLiteral("16/03/2024")),
                        MsgButton::Yes);
        Click(d.btnChiudi);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(planner.Snapshot(), Expected(before, 2024, QDate(2024, 3, 14), QDate(2024, 3, 16),
                                           QStringLiteral("Rossi")));
}

struct BookingCase {
    const char *name;
    int year;
    Entry entry;
    QString start, end;  // the dates the question names
    int booked;          // booked cells afterwards, those booked before included
};
void PrintTo(const BookingCase &c, std::ostream *os) { *os << c.name; }

class IntervalloBooking : public IntervalloTest, public ::testing::WithParamInterface<BookingCase> {};

TEST_P(IntervalloBooking, BooksEveryDayOfTheIntervalAndNoOther) {
    const BookingCase &c = GetParam();
    // Bookings of another customer: in February's last days, in March and at
    // both ends of the year, and on 29 February, which a common year passes over.
    const std::pair<int, int> others[] = {{1, 1}, {2, 27}, {2, 29}, {3, 2}, {3, 20}, {12, 31}};
    for (const auto &[m, d] : others) planner.Set(m, d, Booked(QStringLiteral("Bianchi")));
    const auto before = planner.Snapshot();
    Open(QString::number(c.year), [&](TfrmIntervallo &d) {
        Fill(d, c.entry);
        messages.Expect(MsgKind::Confirmation, Question(c.start, c.end), MsgButton::Yes);
        Click(d.btnChiudi);
        EXPECT_FALSE(d.isVisible()) << "the dialog closes after booking";
    });
    const QDate start = QDate::fromString(c.start, QStringLiteral("dd/MM/yyyy"));
    const QDate end = QDate::fromString(c.end, QStringLiteral("dd/MM/yyyy"));
    const auto after = planner.Snapshot();
    EXPECT_EQ(after, Expected(before, c.year, start, end, Trim(c.entry.name)));
    EXPECT_EQ(BookedCount(after), c.booked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntervalloBooking,
    ::testing::Values(
        BookingCase{"OneDay", 2024, {"15", "Marzo", "15", "Marzo", "Rossi"}, "15/03/2024", "15/03/2024", 7},
        BookingCase{"AcrossFebruaryInALeapYear", 2024, {"25", "Febbraio", "05", "Marzo", "Rossi"}, "25/02/2024",
                    "05/03/2024", 6 + 10 - 3},
        BookingCase{"AcrossFebruaryInACommonYear", 2023, {"25", "Febbraio", "05", "Marzo", "Rossi"}, "25/02/2023",
                    "05/03/2023", 6 + 9 - 2},
        BookingCase{"TwentyNinthOfFebruaryInALeapYear", 2024, {"29", "Febbraio", "29", "Febbraio", "Rossi"},
                    "29/02/2024", "29/02/2024", 6},
        BookingCase{"WholeLeapYear", 2024, {"01", "Gennaio", "31", "Dicembre", "Rossi"}, "01/01/2024",
                    "31/12/2024", 366},
        BookingCase{"WholeCommonYear", 2023, {"01", "Gennaio", "31", "Dicembre", "Rossi"}, "01/01/2023",
                    "31/12/2023", 366},
        BookingCase{"Year2000IsLeap", 2000, {"28", "Febbraio", "01", "Marzo", "Rossi"}, "28/02/2000", "01/03/2000",
                    6 + 3 - 1},
        BookingCase{"NameIsTrimmed", 2024, {"30", "Dicembre", "31", "Dicembre", "  Verdi Anna 333 1234567  "},
                    "30/12/2024", "31/12/2024", 7},
        BookingCase{"MonthsAcrossTheYear", 2025, {"31", "Gennaio", "01", "Dicembre", "Rossi"}, "31/01/2025",
                    "01/12/2025", 305 + 3}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(IntervalloTest, CommonYearLeavesAFree29FebruaryFree) {
    Open(k2023, [&](TfrmIntervallo &d) {
        Fill(d, {"01", "Gennaio", "31", "Dicembre", "Rossi"});
        messages.Expect(MsgKind::Confirmation, Question(QStringLiteral("01/01/2023"), QStringLiteral("31/12/2023")),
                        MsgButton::Yes);
        Click(d.btnChiudi);
    });
    const auto after = planner.Snapshot();
    EXPECT_EQ(BookedCount(after), 365);
    EXPECT_EQ(after.at(QStringLiteral("feb_29")), kFree);
    EXPECT_EQ(after.at(QStringLiteral("feb_28")), Booked(QStringLiteral("Rossi")));
    EXPECT_EQ(after.at(QStringLiteral("mar_01")), Booked(QStringLiteral("Rossi")));
}

TEST_F(IntervalloTest, AnnullaWritesNothing) {
    const auto before = planner.Snapshot();
    Open(k2024, [&](TfrmIntervallo &d) {
        Fill(d, {"01", "Gennaio", "31", "Dicembre", "Rossi"});
        Click(d.btnAnnulla);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(planner.Snapshot(), before);
}

// --- The entry: lists, keys, leaving, the name -------------------------------------

TEST_F(IntervalloTest, ChoosingFromTheOpenListKeepsTheChoice) {
    Open(k2024, [&](TfrmIntervallo &d) {
        ComboEdit *combo = d.txtMeseInizio;
        combo->setFocus();
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        ASSERT_TRUE(view->isVisible());
        const QModelIndex item = view->model()->index(kMonthItems.indexOf(QStringLiteral("Ottobre")), 0);
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        EXPECT_FALSE(view->isVisible());
        EXPECT_EQ(combo->text(), QStringLiteral("Ottobre"));
        EXPECT_EQ(Focused(), combo);
        EXPECT_TRUE(d.effMeseInizio->isVisible()) << "the list took nothing away from the focus";
        d.txtPrenotazione->setFocus();
        EXPECT_EQ(combo->text(), QStringLiteral("Ottobre")) << "a list value passes the check";
        d.btnAnnullaClick();
    });
}

TEST_F(IntervalloTest, TypingIntoAListChangesNothing) {
    Open(k2024, [&](TfrmIntervallo &d) {
        for (ComboEdit *combo : {d.txtGiornoInizio, d.txtMeseInizio, d.txtGiornoFine, d.txtMeseFine}) {
            for (const QString &before : {QString(), combo->itemText(1)}) {
                combo->setText(before);
                combo->setFocus();
                const int index = combo->currentIndex();
                Type(combo, QStringLiteral("12aZ \u00e8"));
                for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                    Qt::Key_End, Qt::Key_Escape, Qt::Key_Space, Qt::Key_F4})
                    Press(combo, key);
                Press(combo, Qt::Key_Down, Qt::AltModifier);
                Press(combo, Qt::Key_V, Qt::ControlModifier);
                EXPECT_EQ(combo->text(), before) << combo->objectName().toStdString();
                EXPECT_EQ(combo->currentIndex(), index) << combo->objectName().toStdString();
                EXPECT_FALSE(combo->view()->isVisible()) << "no key opens the list";
                Press(combo, Qt::Key_Tab);
                Press(combo, Qt::Key_Backtab);
                EXPECT_EQ(Focused(), combo) << "Tab is refused as well";
            }
        }
        d.btnAnnullaClick();
    });
}

TEST_F(IntervalloTest, BackspaceAndDeleteEmptyAListInOneStroke) {
    Open(k2024, [&](TfrmIntervallo &d) {
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
            for (ComboEdit *combo : {d.txtGiornoInizio, d.txtMeseInizio, d.txtGiornoFine, d.txtMeseFine}) {
                combo->setFocus();
                Choose(combo, combo->itemText(combo->count() - 1));
                combo->lineEdit()->setCursorPosition(0);  // Delete at the start, Backspace at the end alike
                Press(combo, key);
                EXPECT_EQ(combo->text(), QString()) << combo->objectName().toStdString();
            }
        }
        d.btnAnnullaClick();
    });
}

TEST_F(IntervalloTest, LeftAndRightMoveInTheText) {
    Open(k2024, [&](TfrmIntervallo &d) {
        d.txtMeseFine->setFocus();
        Choose(d.txtMeseFine, QStringLiteral("Settembre"));
        QLineEdit *line = d.txtMeseFine->lineEdit();
        line->setCursorPosition(4);
        Press(d.txtMeseFine, Qt::Key_Left);
        EXPECT_EQ(line->cursorPosition(), 3);
        Press(d.txtMeseFine, Qt::Key_Right);
        Press(d.txtMeseFine, Qt::Key_Right);
        EXPECT_EQ(line->cursorPosition(), 5);
        EXPECT_EQ(d.txtMeseFine->text(), QStringLiteral("Settembre"));
        d.btnAnnullaClick();
    });
}

TEST_F(IntervalloTest, EnterWalksTheEntriesUpToTheButtonWithoutPressingIt) {
    Open(k2024, [&](TfrmIntervallo &d) {
        Fill(d, {"01", "Marzo", "05", "Marzo", "Rossi"});
        d.txtGiornoInizio->setFocus();
        const QWidget *order[] = {d.txtMeseInizio, d.txtGiornoFine, d.txtMeseFine, d.txtPrenotazione, d.btnChiudi};
        for (const QWidget *next : order) {
            Press(Focused(), Qt::Key_Return);
            EXPECT_EQ(Focused(), next) << next->objectName().toStdString();
        }
        EXPECT_TRUE(d.isVisible()) << "Enter in the name asks nothing and books nothing";
        d.btnAnnullaClick();
    });
    EXPECT_EQ(BookedCount(planner.Snapshot()), 0);
}

TEST_F(IntervalloTest, FocusFrameMarksTheListWithTheFocusAndItsSelectionIsForgotten) {
    Open(k2024, [&](TfrmIntervallo &d) {
        const std::pair<ComboEdit *, FocusFrame *> lists[] = {{d.txtGiornoInizio, d.effGiornoInizio},
                                                              {d.txtMeseInizio, d.effMeseInizio},
                                                              {d.txtGiornoFine, d.effGiornoFine},
                                                              {d.txtMeseFine, d.effMeseFine}};
        for (const auto &[combo, frame] : lists) {
            Choose(combo, combo->itemText(2));
            ASSERT_EQ(combo->currentIndex(), 2);
            combo->setFocus();
            EXPECT_TRUE(frame->isVisible()) << frame->objectName().toStdString();
            EXPECT_EQ(combo->currentIndex(), -1) << "no item selected as the list takes the focus";
            EXPECT_EQ(combo->text(), combo->itemText(2)) << "the text stays";
            for (const auto &[other, otherFrame] : lists) {
                if (other != combo) {
                    EXPECT_FALSE(otherFrame->isVisible());
                }
            }
            d.txtPrenotazione->setFocus();
            EXPECT_FALSE(frame->isVisible());
        }
        d.btnAnnullaClick();
    });
}

struct LeaveCase {
    const char *name;
    bool month;
    QString text;
    QString kept;  // what the list holds after the focus left it
};
void PrintTo(const LeaveCase &c, std::ostream *os) { *os << c.name; }

class IntervalloLeave : public IntervalloTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(IntervalloLeave, LeavingKeepsOnlyAListValue) {
    const LeaveCase &c = GetParam();
    Open(k2024, [&](TfrmIntervallo &d) {
        for (ComboEdit *combo : c.month ? std::vector<ComboEdit *>{d.txtMeseInizio, d.txtMeseFine}
                                        : std::vector<ComboEdit *>{d.txtGiornoInizio, d.txtGiornoFine}) {
            combo->setFocus();
            combo->setText(c.text);  // a text put there other than by a choice
            d.txtPrenotazione->setFocus();
            EXPECT_EQ(combo->text(), c.kept) << combo->objectName().toStdString();
        }
        d.btnAnnullaClick();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntervalloLeave,
    ::testing::Values(LeaveCase{"DayOfTheList", false, "07", "07"},
                      LeaveCase{"DayWithBlanksKeptAsItIs", false, " 07 ", " 07 "},
                      LeaveCase{"DayWithoutLeadingZero", false, "7", ""},
                      LeaveCase{"DayAboveThirtyOne", false, "32", ""},
                      LeaveCase{"DayZero", false, "00", ""},
                      LeaveCase{"DayNotANumber", false, "ab", ""},
                      LeaveCase{"EmptyDayStaysEmpty", false, "", ""},
                      LeaveCase{"MonthOfTheList", true, "Marzo", "Marzo"},
                      LeaveCase{"MonthInCapitalsKept", true, "MARZO", "MARZO"},
                      LeaveCase{"MonthInLowerCaseWithBlanksKept", true, " dicembre ", " dicembre "},
                      LeaveCase{"MonthCut", true, "Marz", ""},
                      LeaveCase{"MonthNumber", true, "03", ""},
                      LeaveCase{"MonthWithAccentedLetter", true, "Febbra\u00cdo", ""},
                      LeaveCase{"EmptyMonthStaysEmpty", true, "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(IntervalloTest, MonthInAnyCaseBooksItsDays) {
    Open(k2024, [&](TfrmIntervallo &d) {
        d.txtGiornoInizio->setText(QStringLiteral("01"));
        d.txtMeseInizio->setText(QStringLiteral("aPRILE"));
        d.txtGiornoFine->setText(QStringLiteral("02"));
        d.txtMeseFine->setText(QStringLiteral(" APRILE "));
        Type(d.txtPrenotazione, QStringLiteral("Rossi"));
        messages.Expect(MsgKind::Confirmation, Question(QStringLiteral("01/04/2024"), QStringLiteral("02/04/2024")),
                        MsgButton::Yes);
        Click(d.btnChiudi);
    });
    EXPECT_EQ(BookedCount(planner.Snapshot()), 2);
    EXPECT_EQ(planner.Cell(4, 1), Booked(QStringLiteral("Rossi")));
    EXPECT_EQ(planner.Cell(4, 2), Booked(QStringLiteral("Rossi")));
}

TEST_F(IntervalloTest, ClearEmptiesTheNameAndFocusesIt) {
    Open(k2024, [&](TfrmIntervallo &d) {
        Type(d.txtPrenotazione, QStringLiteral("Rossi"));
        d.txtGiornoFine->setFocus();
        Click(d.cmdCancella);
        EXPECT_EQ(d.txtPrenotazione->text(), QString());
        EXPECT_EQ(Focused(), d.txtPrenotazione);
        d.btnAnnullaClick();
    });
}

TEST_F(IntervalloTest, NameTakesFiftyCharacters) {
    Open(k2024, [&](TfrmIntervallo &d) {
        Type(d.txtPrenotazione, QString(52, u'n'));
        EXPECT_EQ(d.txtPrenotazione->text(), QString(50, u'n'));
        d.btnAnnullaClick();
    });
}

TEST_F(IntervalloTest, CopyPutsTheNameAsTypedOnTheClipboard) {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    Open(k2024, [&](TfrmIntervallo &d) {
        Type(d.txtPrenotazione, QStringLiteral("  "));
        d.txtMeseInizio->setFocus();
        messages.Expect(MsgKind::Warning, kNothingToCopy);
        Click(d.cmdClipboard);
        messages.Verify();
        EXPECT_EQ(Focused(), d.txtPrenotazione);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

        Type(d.txtPrenotazione, QStringLiteral("Rossi "));
        messages.Expect(MsgKind::Information, kCopied);
        Click(d.cmdClipboard);
        messages.Verify();
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("  Rossi "));
        d.btnAnnullaClick();
    });
}

}  // namespace
}  // namespace vel::test
