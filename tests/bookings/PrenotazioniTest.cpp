// The booking card's own behaviour: the year panel, the date and time lists,
// the save's checks in their order, the typing rules, the commands that open
// other windows and the picks it takes. What the card does through the card
// engine is tested by PrenotazioniCardSuiteTest.cpp.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QWheelEvent>

#include "BookingFixture.h"
#include "bookings/ExpPrenotazioni.h"
#include "bookings/RiepAnnualePren.h"
#include "bookings/RiepGiornalieroPren.h"
#include "bookings/RiepMensilePren.h"
#include "bookings/TrovaPrenotazioni.h"
#include "cards/FindDialog.h"
#include "cards/Receivers.h"
#include "common/TextRules.h"
#include "customers/TrovaClienti.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "fleet/TrovaFlotta.h"
#include "shell/Avvio.h"
#include "support/TaxCodeChecks.h"

namespace vel::test {
namespace {

const QString kSavedNew = QStringLiteral("La scheda corrente \u00e8 stata salvata in archivio.");
const QString kSavedAgain =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kValidDate = QStringLiteral("Per poter salvare la scheda \u00e8 necessario indicare una data valida.");

QString Needed(const char *ending) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ") + QString::fromUtf8(ending);
}

QString NoSuchDate(const QString &date) {
    return QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" non esiste.\n\r\n\r") + kValidDate;
}

QString WrongOrder(const QString &giveBack, const QString &pickUp) {
    return QStringLiteral("Attenzione: la data di rientro del veicolo (") + giveBack +
           QStringLiteral(") non pu\u00f2 essere anteriore a quella di partenza (") + pickUp +
           QStringLiteral(").\n\r\n\rPer poter salvare la prenotazione \u00e8 necessario indicare un intervallo di "
                          "tempo valido.");
}

QString FieldName(const FieldDef &f) { return QString::fromLatin1(f.name.data(), int(f.name.size())); }

class PrenotazioniTest : public BookingTest {
protected:
    void SetUp() override {
        BookingTest::SetUp();
        card = Card();
    }
    void ShowCard() {
        card->Show();
        ShowActive(card);
    }
    // Puts a booking's texts on the card by the controls' names, as the user
    // would choose and type them.
    void Put(const Record &r) {
        for (const FieldDef &f : BookingRecord.Fields()) {
            const QString name = FieldName(f);
            if (name.startsWith(QStringLiteral("Anno")) || name.startsWith(QStringLiteral("Data")) ||
                name.startsWith(QStringLiteral("Ora")))
                continue;
            SetControlTextOf(card, (QStringLiteral("txt") + name).toLatin1().constData(), r.Text(f.name));
        }
    }
    Record Stored(int year, int n) const {
        Record r(BookingRecord);
        r.Bytes() = folder.Read(BookingArchive(year)).mid(qsizetype(n - 1) * 704, 704);
        return r;
    }
    void Save(const QString &expected, MsgKind kind = MsgKind::Information) {
        messages.Expect(kind, expected);
        card->cmdSalvaClick();
        messages.Verify();
    }
    ChoiceList *List(const char *name) const { return card->findChild<ChoiceList *>(QString::fromLatin1(name)); }

    TfrmPrenotazioni *card = nullptr;
};

// ---- the year panel -------------------------------------------------------------

TEST_F(PrenotazioniTest, EachShowStartsOnTheYearPanelWithTheCurrentYear) {
    ShowCard();
    EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Prenotazione Veicoli"));
    EXPECT_TRUE(card->panAvvio->isVisible());
    EXPECT_FALSE(card->panContainer->isVisible());
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2026"));
    EXPECT_EQ(card->txtAnno->MaxLength(), 4);
    EXPECT_EQ(Focused(), card->txtAnno);
    EXPECT_EQ(card->lblApri->text(), QStringLiteral("Indicare l'anno solare e premere Apri."));
    EXPECT_EQ(card->btnApri->text(), QStringLiteral("Apri"));
    EXPECT_FALSE(card->lblFile->isVisible());

    // The show clears nothing: what the card held is there until "Apri".
    OpenYear(2025);
    Put(CompleteBooking(2025));
    card->lblPosizione->setText(QStringLiteral("4"));
    card->cmdEsciClick();
    clock.Set(QDateTime(QDate(2027, 1, 2), QTime(8, 0)));
    ShowCard();
    EXPECT_TRUE(card->panAvvio->isVisible());
    EXPECT_FALSE(card->panContainer->isVisible());
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2027"));
    EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Prenotazione Veicoli"));
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("4"));
    EXPECT_EQ(card->lblFile->text(), ProgramPath(QStringLiteral("2025.car")));
}

// "Apri" wants exactly four digits and stays on the year panel otherwise.
TEST_F(PrenotazioniTest, ApriWantsFourDigits) {
    ShowCard();
    for (const char *typed : {"25", "", "202", "2 25"}) {
        SCOPED_TRACE(typed);
        card->txtAnno->setText(QString::fromLatin1(typed));
        card->btnApri->setFocus();
        messages.Expect(MsgKind::Warning, kYearWarning);
        Click(card->btnApri);
        messages.Verify();
        EXPECT_TRUE(card->panAvvio->isVisible());
        EXPECT_FALSE(card->panContainer->isVisible());
        EXPECT_EQ(Focused(), card->txtAnno);
        EXPECT_EQ(card->lblFile->text(), QString());
        EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Prenotazione Veicoli"));
    }
}

// The year edit takes digits only, a paste included; Enter moves on to
// "Apri" without pressing it.
TEST_F(PrenotazioniTest, TheYearEditTakesDigitsAndEnterGoesToApri) {
    ShowCard();
    card->txtAnno->clear();
    Type(card->txtAnno, QStringLiteral("2a0-2 5x"));
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2025"));
    card->txtAnno->clear();
    // A paste (the edit's menu) that is not all digits is refused whole.
    QApplication::clipboard()->setText(QStringLiteral("20a4"));
    card->txtAnno->paste();
    EXPECT_EQ(card->txtAnno->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("2024"));
    card->txtAnno->paste();
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2024"));

    Press(card->txtAnno, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->btnApri);
    EXPECT_TRUE(card->panAvvio->isVisible());
    Press(card->btnApri, Qt::Key_Return);
    EXPECT_TRUE(card->panContainer->isVisible());
    EXPECT_EQ(card->lblAnnoRit->text(), QStringLiteral("2024"));
}

// The proposed year comes selected: a year typed straight away replaces it,
// and "Apri" opens the year typed, not the proposed one.
TEST_F(PrenotazioniTest, AYearTypedAtOnceReplacesTheProposedOne) {
    ShowCard();
    EXPECT_EQ(card->txtAnno->selectedText(), QStringLiteral("2026"));
    Type(card->txtAnno, QStringLiteral("2025"));
    EXPECT_EQ(card->txtAnno->text(), QStringLiteral("2025"));
    Press(card->txtAnno, Qt::Key_Return);
    Press(card->btnApri, Qt::Key_Return);
    EXPECT_EQ(card->lblFile->text(), ProgramPath(QStringLiteral("2025.car")));
    EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Prenotazione veicoli anno 2025"));

    // So again on the next show: Backspace empties the proposed year.
    card->cmdEsciClick();
    ShowCard();
    EXPECT_EQ(card->txtAnno->selectedText(), QStringLiteral("2026"));
    Press(card->txtAnno, Qt::Key_Backspace);
    EXPECT_EQ(card->txtAnno->text(), QString());
}

// "Apri" names the year's archive and clears the card; it opens no file.
TEST_F(PrenotazioniTest, ApriOpensAnEmptyCardOfTheYear) {
    OpenYear(2026);
    Put(CompleteBooking(2026));
    card->lblPosizione->setText(QStringLiteral("3"));
    card->lblDataRit->setText(QStringLiteral("04/03/2026"));
    card->lblOraRic->setText(QStringLiteral("18:00"));
    card->txtOreRit->setCurrentIndex(5);
    card->cmdEsciClick();

    ShowCard();
    card->txtAnno->setText(QStringLiteral("2025"));
    card->btnApriClick();
    EXPECT_EQ(card->lblFile->text(), ProgramPath(QStringLiteral("2025.car")));
    EXPECT_EQ(card->lblFile->text(), folder.Path(QStringLiteral("2025.car")));
    EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Prenotazione veicoli anno 2025"));
    EXPECT_FALSE(card->panAvvio->isVisible());
    EXPECT_TRUE(card->panContainer->isVisible());
    EXPECT_EQ(card->lblAnnoRit->text(), QStringLiteral("2025"));
    EXPECT_EQ(card->lblAnnoRic->text(), QStringLiteral("2025"));
    EXPECT_EQ(card->panInfo->text(), QStringLiteral("Pronto per stampare una nuova scheda..."));
    // The 15 edits and the number emptied, the lists as "Nuovo" leaves them.
    for (Edit *edit : {static_cast<Edit *>(card->txtAnno), card->txtSedeRit, card->txtSedeRic, card->txtVeicolo, card->txtMarca,
                       card->txtModello, card->txtColore, card->txtPosti, card->txtTarga, card->txtAlimentazione,
                       card->txtCliente, card->txtCodFisc, card->txtRecapito, card->txtTelCel, card->txtEmail})
        EXPECT_EQ(edit->text(), QString()) << edit->objectName().toStdString();
    EXPECT_EQ(card->lblPosizione->text(), QString());
    for (ChoiceList *list : {card->txtGiornoRit, card->txtMeseRit, card->txtGiornoRic, card->txtMeseRic})
        EXPECT_EQ(list->text(), QString());
    for (ChoiceList *list : {card->txtOreRit, card->txtMinutiRit, card->txtOreRic, card->txtMinutiRic}) {
        EXPECT_EQ(list->text(), QStringLiteral("00"));
        EXPECT_EQ(list->currentIndex(), -1);
    }
    // The date and time labels keep what they held.
    EXPECT_EQ(card->lblDataRit->text(), QStringLiteral("04/03/2026"));
    EXPECT_EQ(card->lblOraRic->text(), QStringLiteral("18:00"));
    EXPECT_EQ(Focused(), card->txtGiornoRit);
    EXPECT_FALSE(folder.Exists(QStringLiteral("2025.car")));
    EXPECT_FALSE(card->lblDataRit->isVisible());
    EXPECT_FALSE(card->lblOraRit->isVisible());
    EXPECT_TRUE(card->lblPosizione->isVisible());
    EXPECT_TRUE(card->lblAnnoRit->isVisible());
}

TEST_F(PrenotazioniTest, TheCardLooksAsDesigned) {
    OpenYear(2026);
    const struct {
        QGroupBox *group;
        const char *title;
    } groups[] = {{card->grpDataRit, " Data partenza: "},
                  {card->grpOraRit, " Ora partenza: "},
                  {card->grpDataRic, " Data rientro: "},
                  {card->grpOraRic, " Ora rientro: "}};
    for (const auto &g : groups) EXPECT_EQ(g.group->title(), QString::fromLatin1(g.title));
    for (const char *name : {"txtGiornoRit", "txtGiornoRic"}) {
        EXPECT_EQ(List(name)->count(), 31);
        EXPECT_EQ(List(name)->itemText(0), QStringLiteral("01"));
        EXPECT_EQ(List(name)->itemText(30), QStringLiteral("31"));
    }
    for (const char *name : {"txtOreRit", "txtOreRic"}) {
        EXPECT_EQ(List(name)->count(), 24);
        EXPECT_EQ(List(name)->itemText(23), QStringLiteral("23"));
    }
    for (const char *name : {"txtMinutiRit", "txtMinutiRic"}) {
        EXPECT_EQ(List(name)->count(), 60);
        EXPECT_EQ(List(name)->itemText(0), QStringLiteral("00"));
        EXPECT_EQ(List(name)->itemText(59), QStringLiteral("59"));
    }
    const QStringList months = {QStringLiteral("Gennaio"),   QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
                                QStringLiteral("Aprile"),    QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
                                QStringLiteral("Luglio"),    QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
                                QStringLiteral("Ottobre"),   QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    for (ChoiceList *list : {card->txtMeseRit, card->txtMeseRic}) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
        EXPECT_EQ(items, months);
        EXPECT_EQ(list->ItemMatch(), ChoiceList::Match::ExactCase);
    }
    EXPECT_TRUE(card->txtPosti->alignment() & Qt::AlignHCenter);
    const QImage look = card->grab().toImage();
    EXPECT_FALSE(look.isNull());
}

// ---- the date and time lists --------------------------------------------------------

// Typing is refused, Backspace and Delete empty the list, Left and Right pass.
TEST_F(PrenotazioniTest, TheListsRefuseTyping) {
    OpenYear(2026);
    const struct {
        const char *list;
        const char *value;
    } cases[] = {{"txtGiornoRit", "12"}, {"txtMeseRit", "Marzo"},  {"txtOreRit", "09"},  {"txtMinutiRit", "30"},
                 {"txtGiornoRic", "31"}, {"txtMeseRic", "Agosto"}, {"txtOreRic", "23"},  {"txtMinutiRic", "45"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.list);
        ChoiceList *list = List(c.list);
        const QString value = QString::fromLatin1(c.value);
        list->setText(value);
        list->setFocus();
        Type(list, QStringLiteral("1a \u00e8"));
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_F4, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                            Qt::Key_End, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Insert})
            Press(list, key);
        Press(list, Qt::Key_Down, Qt::AltModifier);
        EXPECT_EQ(list->text(), value);
        EXPECT_EQ(Focused(), list);
        // Left and Right move in the text.
        list->Editor()->setCursorPosition(0);
        Press(list, Qt::Key_Right);
        EXPECT_EQ(list->Editor()->cursorPosition(), 1);
        Press(list, Qt::Key_Left);
        EXPECT_EQ(list->Editor()->cursorPosition(), 0);
        EXPECT_EQ(list->text(), value);
        Press(list, (c.list[3] == 'M') ? Qt::Key_Delete : Qt::Key_Backspace);
        EXPECT_EQ(list->text(), QString());
        EXPECT_EQ(Focused(), list);
    }
}

// The mouse wheel stands for Up and Down, which the lists refuse: turned over
// a list, with the list focused or not, it changes nothing and takes no focus.
TEST_F(PrenotazioniTest, TheWheelChangesNoList) {
    OpenYear(2026);
    WriteBookings(2026, {CompleteBooking(2026)});
    card->cmdPrimoClick();
    card->txtGiornoRic->setCurrentIndex(9);
    for (ChoiceList *list : {card->txtGiornoRit, card->txtMeseRit, card->txtOreRit, card->txtMinutiRit,
                             card->txtGiornoRic, card->txtMeseRic, card->txtOreRic, card->txtMinutiRic}) {
        SCOPED_TRACE(list->objectName().toStdString());
        EXPECT_NE(list->focusPolicy(), Qt::WheelFocus);
        for (QWidget *focus : {static_cast<QWidget *>(card->txtCliente), static_cast<QWidget *>(list)}) {
            focus->setFocus();
            const QString text = list->text();
            const int index = list->currentIndex();
            for (int delta : {-120, 120, -240}) {
                const QPointF at(list->width() / 2.0, list->height() / 2.0);
                QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(list, &wheel);
            }
            EXPECT_EQ(list->text(), text);
            EXPECT_EQ(list->currentIndex(), index);
            EXPECT_EQ(Focused(), focus);
        }
    }
    EXPECT_EQ(card->txtGiornoRit->text(), QStringLiteral("04"));
    EXPECT_EQ(card->txtGiornoRic->text(), QStringLiteral("10"));
    EXPECT_EQ(card->txtOreRit->text(), QStringLiteral("09"));
    EXPECT_TRUE(messages.Shown().empty());
}

// Nothing reaches a list by the clipboard, a drop or an input method either:
// its edit has no menu to paste from, takes no drops, refuses the paste keys
// and every character that comes without a key.
TEST_F(PrenotazioniTest, NothingIsPastedIntoAList) {
    OpenYear(2026);
    QApplication::clipboard()->setText(QStringLiteral("Ma"));
    for (ChoiceList *list : {card->txtGiornoRit, card->txtMeseRit, card->txtOreRit, card->txtMinutiRit,
                             card->txtGiornoRic, card->txtMeseRic, card->txtOreRic, card->txtMinutiRic}) {
        SCOPED_TRACE(list->objectName().toStdString());
        EXPECT_EQ(list->contextMenuPolicy(), Qt::NoContextMenu);
        EXPECT_EQ(list->Editor()->contextMenuPolicy(), Qt::NoContextMenu);
        EXPECT_FALSE(list->Editor()->acceptDrops());
        list->setFocus();
        const QString text = list->text();
        Press(list, Qt::Key_V, Qt::ControlModifier);
        Press(list, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(list->text(), text);
    }
    // What "Salva" stores is what the lists show, the items put in: no text
    // brought in by a dead key or an input method, a middle-button paste or
    // a drop reaches them either ("ab" saved as the hour before).
    Put(CompleteBooking(2026));
    for (const Arrival how : kArrivals) {
        SCOPED_TRACE(NameOf(how));
        for (ChoiceList *list : {card->txtOreRit, card->txtMinutiRit, card->txtOreRic, card->txtGiornoRit,
                                 card->txtMeseRic}) {
            SCOPED_TRACE(list->objectName().toStdString());
            const QString text = list->text();
            list->setFocus();
            for (const QString &brought : {QStringLiteral("ab"), QStringLiteral("ab:30"), QStringLiteral("\u00e8")}) {
                Bring(list, how, brought);
                EXPECT_EQ(list->text(), text);
            }
        }
    }
    Save(kSavedNew);
    EXPECT_EQ(Stored(2026, 1).Text("OreRit"), QStringLiteral("09"));
    EXPECT_EQ(Stored(2026, 1).Text("OraRit"), QStringLiteral("09:30"));
    EXPECT_EQ(Stored(2026, 1).Text("OraRic"), QStringLiteral("18:00"));
    EXPECT_EQ(Stored(2026, 1).Text("MeseRic"), QStringLiteral("Marzo"));
}

// Leaving a list keeps its text only when the trimmed text is one of its
// items, compared with case.
TEST_F(PrenotazioniTest, LeavingAListKeepsOnlyOneOfItsItems) {
    OpenYear(2026);
    const struct {
        const char *list;
        const char *text;
        bool kept;
    } cases[] = {
        {"txtGiornoRit", "05", true},        {"txtGiornoRit", "5", false},       {"txtGiornoRit", "32", false},
        {"txtGiornoRit", " 07 ", true},      {"txtGiornoRic", "00", false},      {"txtGiornoRic", "31", true},
        {"txtMeseRit", "Gennaio", true},     {"txtMeseRit", "gennaio", false},   {"txtMeseRit", "GENNAIO", false},
        {"txtMeseRic", " Dicembre", true},   {"txtMeseRic", "Dic", false},       {"txtOreRit", "24", false},
        {"txtOreRit", "00", true},           {"txtOreRic", "9", false},          {"txtMinutiRit", "59", true},
        {"txtMinutiRit", "60", false},       {"txtMinutiRic", "", false},        {"txtMinutiRic", "07", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.list << " '" << c.text << "'");
        ChoiceList *list = List(c.list);
        const QString text = QString::fromLatin1(c.text);
        list->setFocus();
        list->setText(text);
        card->txtCliente->setFocus();
        EXPECT_EQ(list->text(), c.kept ? text : QString());
        EXPECT_TRUE(messages.Shown().empty());
    }
}

// A value put in by a load or a clock button stays until the list is
// entered and left; then what is none of the items goes.
TEST_F(PrenotazioniTest, ValuesPutInByCodeStayUntilTheListIsLeft) {
    OpenYear(2026);
    card->txtCliente->setFocus();
    WriteBookings(2026, {CompleteBooking(2026, {{"GiornoRit", QStringLiteral("5")},
                                                {"MeseRit", QStringLiteral("marzo")},
                                                {"OreRic", QStringLiteral("24")}})});
    card->cmdUltimoClick();
    EXPECT_EQ(card->txtGiornoRit->text(), QStringLiteral("5"));
    EXPECT_EQ(card->txtMeseRit->text(), QStringLiteral("marzo"));
    EXPECT_EQ(card->txtOreRic->text(), QStringLiteral("24"));
    card->txtCliente->setFocus();
    EXPECT_EQ(card->txtMeseRit->text(), QStringLiteral("marzo"));
    for (ChoiceList *list : {card->txtGiornoRit, card->txtMeseRit, card->txtOreRic}) {
        list->setFocus();
        card->txtCliente->setFocus();
        EXPECT_EQ(list->text(), QString()) << list->objectName().toStdString();
    }
    EXPECT_EQ(card->txtMinutiRic->text(), QStringLiteral("00"));
}

// Each clock button writes today and the current time into its own side's
// four lists and nothing else, whatever year is open.
TEST_F(PrenotazioniTest, TheClockButtonsFillTheirOwnSide) {
    clock.Set(QDateTime(QDate(2026, 3, 4), QTime(9, 5, 42)));
    OpenYear(2025);
    card->impRitiroClick();
    EXPECT_EQ(card->txtGiornoRit->text(), QStringLiteral("04"));
    EXPECT_EQ(card->txtMeseRit->text(), QStringLiteral("Marzo"));
    EXPECT_EQ(card->txtOreRit->text(), QStringLiteral("09"));
    EXPECT_EQ(card->txtMinutiRit->text(), QStringLiteral("05"));
    EXPECT_EQ(card->txtGiornoRic->text(), QString());
    EXPECT_EQ(card->txtMeseRic->text(), QString());
    EXPECT_EQ(card->txtOreRic->text(), QStringLiteral("00"));
    EXPECT_EQ(card->txtMinutiRic->text(), QStringLiteral("00"));
    EXPECT_EQ(card->lblAnnoRit->text(), QStringLiteral("2025"));

    clock.Set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 1)));
    Click(card->impRiconsegna);
    EXPECT_EQ(card->txtGiornoRic->text(), QStringLiteral("31"));
    EXPECT_EQ(card->txtMeseRic->text(), QStringLiteral("Dicembre"));
    EXPECT_EQ(card->txtOreRic->text(), QStringLiteral("23"));
    EXPECT_EQ(card->txtMinutiRic->text(), QStringLiteral("59"));
    EXPECT_EQ(card->txtGiornoRit->text(), QStringLiteral("04"));
    EXPECT_EQ(card->lblAnnoRic->text(), QStringLiteral("2025"));
    EXPECT_FALSE(folder.Exists(QStringLiteral("2025.car")));
    EXPECT_TRUE(messages.Shown().empty());

    // The booking gets that day and month in the open year.
    Put(CompleteBooking(2025, {{"GiornoRit", QStringLiteral("04")}, {"MeseRit", QStringLiteral("Marzo")}}));
    card->impRiconsegnaClick();
    clock.Set(QDateTime(QDate(2026, 3, 4), QTime(9, 5)));
    card->impRitiroClick();
    card->impRiconsegnaClick();
    Save(kSavedNew);
    EXPECT_EQ(Stored(2025, 1).Text("DataRit"), QStringLiteral("04/03/2025"));
    EXPECT_EQ(Stored(2025, 1).Text("OraRic"), QStringLiteral("09:05"));
}

// ---- the save ------------------------------------------------------------------------

// The checks of two digits stand between the blank checks, in the card's order.
TEST_F(PrenotazioniTest, SaveWantsTwoDigitsWhereTheListsGiveThem) {
    OpenYear(2026);
    const struct {
        const char *list;
        const char *ending;
    } cases[] = {
        {"txtGiornoRit", "il giorno del ritiro del veicolo usando due cifre."},
        {"txtOreRit", "l'ora del ritiro del veicolo usando due cifre."},
        {"txtMinutiRit", "i minuti dell'ora del ritiro del veicolo usando due cifre."},
        {"txtGiornoRic", "il giorno della riconsegna del veicolo usando due cifre."},
        {"txtOreRic", "l'ora della riconsegna del veicolo usando due cifre."},
        {"txtMinutiRic", "i minuti dell'ora della riconsegna del veicolo usando due cifre."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.list);
        card->cmdNuovoClick();
        Put(CompleteBooking(2026));
        card->txtCliente->setFocus();
        List(c.list)->setText(QStringLiteral(" 5 "));
        Save(Needed(c.ending), MsgKind::Warning);
        EXPECT_EQ(Focused(), List(c.list));
    }
    // A blank minute stops before a short hour of the same side.
    card->cmdNuovoClick();
    Put(CompleteBooking(2026));
    card->txtOreRit->setText(QStringLiteral("9"));
    card->txtMinutiRit->setText(QString());
    Save(Needed("i minuti dell'ora del ritiro del veicolo."), MsgKind::Warning);
    // A short pick-up day stops before a blank month.
    card->txtGiornoRit->setText(QStringLiteral("4"));
    card->txtMeseRit->setText(QString());
    Save(Needed("il giorno del ritiro del veicolo usando due cifre."), MsgKind::Warning);
    EXPECT_FALSE(folder.Exists(BookingArchive(2026)));
}

// A cleared card stops at the pick-up day; with the day alone chosen, at the
// month, since hours and minutes already hold "00".
TEST_F(PrenotazioniTest, ACardWithOnlyTheDayStopsAtTheMonth) {
    OpenYear(2026);
    Save(Needed("il giorno del ritiro del veicolo."), MsgKind::Warning);
    card->txtGiornoRit->setCurrentIndex(3);
    EXPECT_EQ(card->txtGiornoRit->text(), QStringLiteral("04"));
    card->txtOreRic->setCurrentIndex(9);
    Save(Needed("il mese del ritiro del veicolo."), MsgKind::Warning);
    EXPECT_EQ(Focused(), card->txtMeseRit);
    EXPECT_EQ(card->txtGiornoRit->text(), QStringLiteral("04"));
    // The save forgets the chosen items and keeps their texts.
    EXPECT_EQ(card->txtOreRic->currentIndex(), -1);
    EXPECT_EQ(card->txtOreRic->text(), QStringLiteral("09"));
}

// The month is matched lower-cased and trimmed: a month put in by a load in
// other letters passes the save; a text that is no month stops it.
TEST_F(PrenotazioniTest, TheSaveMatchesTheMonthWithoutCase) {
    OpenYear(2026);
    const QString monthMessage =
        QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r") + kValidDate;
    Put(CompleteBooking(2026));
    card->txtMeseRit->setText(QStringLiteral("Marzolino"));
    card->txtVeicolo->setFocus();
    Save(monthMessage, MsgKind::Warning);
    EXPECT_EQ(Focused(), card->txtMeseRit);
    // The times were built before the month was judged.
    EXPECT_EQ(card->lblOraRit->text(), QStringLiteral("09:30"));
    EXPECT_EQ(card->lblOraRic->text(), QStringLiteral("18:00"));

    card->txtMeseRit->setText(QStringLiteral("Marzo"));
    card->txtMeseRic->setText(QStringLiteral("Mar"));
    card->txtVeicolo->setFocus();
    Save(monthMessage, MsgKind::Warning);
    EXPECT_EQ(Focused(), card->txtMeseRic);
    EXPECT_EQ(card->lblDataRit->text(), QStringLiteral("04/03/2026"));

    card->txtMeseRit->setText(QStringLiteral("MARZO "));
    card->txtMeseRic->setText(QStringLiteral(" marzo"));
    Save(kSavedNew);
    const Record stored = Stored(2026, 1);
    EXPECT_EQ(stored.Text("MeseRit"), QStringLiteral("MARZO"));
    EXPECT_EQ(stored.Text("MeseRic"), QStringLiteral("marzo"));
    EXPECT_EQ(stored.Text("DataRit"), QStringLiteral("04/03/2026"));
    EXPECT_EQ(stored.Text("DataRic"), QStringLiteral("06/03/2026"));
}

// A date the calendar lacks stops the save with a plain box that names it;
// 29 February exists in leap years only.
TEST_F(PrenotazioniTest, ADateThatDoesNotExistIsRefused) {
    const struct {
        int year;
        const char *day;
        const char *month;
        bool pickUp;  // the side that holds the date; the other side is 31 Dicembre
        const char *date;
        bool exists;
    } cases[] = {
        {2025, "31", "Febbraio", true, "31/02/2025", false}, {2025, "29", "Febbraio", true, "29/02/2025", false},
        {2024, "29", "Febbraio", true, "29/02/2024", true},  {2100, "29", "Febbraio", true, "29/02/2100", false},
        {2000, "29", "Febbraio", true, "29/02/2000", true},  {2026, "31", "Aprile", false, "31/04/2026", false},
        {2026, "31", "Gennaio", true, "31/01/2026", true},   {2028, "29", "Febbraio", false, "29/02/2028", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.date);
        OpenYear(c.year);
        const QString day = QString::fromLatin1(c.day), month = QString::fromLatin1(c.month);
        const Record booking =
            c.pickUp ? CompleteBooking(c.year, {{"GiornoRit", day},
                                                {"MeseRit", month},
                                                {"GiornoRic", QStringLiteral("31")},
                                                {"MeseRic", QStringLiteral("Dicembre")}})
                     : CompleteBooking(c.year, {{"GiornoRit", QStringLiteral("01")},
                                                {"MeseRit", QStringLiteral("Gennaio")},
                                                {"GiornoRic", day},
                                                {"MeseRic", month}});
        Put(booking);
        card->txtCliente->setFocus();
        if (c.exists) {
            Save(kSavedNew);
            EXPECT_EQ(Stored(c.year, 1).Bytes(), booking.Bytes());
        } else {
            Save(NoSuchDate(QString::fromLatin1(c.date)), MsgKind::Plain);
            EXPECT_EQ(Focused(), c.pickUp ? card->txtGiornoRit : card->txtGiornoRic);
            EXPECT_EQ((c.pickUp ? card->lblDataRit : card->lblDataRic)->text(), QString::fromLatin1(c.date));
            EXPECT_FALSE(folder.Exists(BookingArchive(c.year)));
        }
        EXPECT_EQ(card->lblPosizione->text(), c.exists ? QStringLiteral("1") : QString());
        card->cmdEsciClick();
    }
}

// Dates are compared, not times; the return named first in the message.
TEST_F(PrenotazioniTest, TheReturnMayNotComeBeforeThePickUp) {
    OpenYear(2025);
    Put(CompleteBooking(2025, {{"GiornoRit", QStringLiteral("10")},
                               {"OreRit", QStringLiteral("18")},
                               {"MinutiRit", QStringLiteral("00")},
                               {"GiornoRic", QStringLiteral("09")},
                               {"OreRic", QStringLiteral("09")}}));
    card->txtTarga->setFocus();
    Save(WrongOrder(QStringLiteral("09/03/2025"), QStringLiteral("10/03/2025")), MsgKind::Plain);
    EXPECT_EQ(Focused(), card->txtTarga);
    EXPECT_FALSE(folder.Exists(BookingArchive(2025)));
    // The labels the save built keep their values.
    EXPECT_EQ(card->lblDataRit->text(), QStringLiteral("10/03/2025"));
    EXPECT_EQ(card->lblDataRic->text(), QStringLiteral("09/03/2025"));
    EXPECT_EQ(card->lblOraRit->text(), QStringLiteral("18:00"));
    EXPECT_EQ(card->lblOraRic->text(), QStringLiteral("09:00"));

    // The same day passes whatever the hours.
    card->txtGiornoRic->setText(QStringLiteral("10"));
    Save(kSavedNew);
    EXPECT_EQ(Stored(2025, 1).Text("DataRic"), QStringLiteral("10/03/2025"));
    EXPECT_EQ(Stored(2025, 1).Text("OraRit"), QStringLiteral("18:00"));

    // A return meant for the next year falls in the open year, before the
    // pick-up: no booking crosses the end of its year.
    card->cmdNuovoClick();
    Put(CompleteBooking(2025, {{"GiornoRit", QStringLiteral("30")},
                               {"MeseRit", QStringLiteral("Dicembre")},
                               {"GiornoRic", QStringLiteral("02")},
                               {"MeseRic", QStringLiteral("Gennaio")}}));
    Save(WrongOrder(QStringLiteral("02/01/2025"), QStringLiteral("30/12/2025")), MsgKind::Plain);
    EXPECT_EQ(folder.Read(BookingArchive(2025)).size(), 704);
}

// The first save creates the archive with the booking, byte for byte; the
// next writes it in place; a new card on 7 bookings becomes the 8th.
TEST_F(PrenotazioniTest, SaveAppendsThenWritesInPlace) {
    OpenYear(2025);
    const Record booking = CompleteBooking(2025, {{"Cliente", U("Citt\u00e0 Niccol\u00f2")}});
    Put(booking);
    card->txtCliente->setText(U("  Citt\u00e0 Niccol\u00f2 "));
    Save(kSavedNew);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    ASSERT_EQ(folder.Read(BookingArchive(2025)).size(), 704);
    EXPECT_EQ(Stored(2025, 1).Bytes(), booking.Bytes());
    EXPECT_EQ(card->lblDataRit->text(), QStringLiteral("04/03/2025"));
    EXPECT_EQ(card->lblOraRit->text(), QStringLiteral("09:30"));
    EXPECT_EQ(card->lblDataRic->text(), QStringLiteral("06/03/2025"));
    EXPECT_EQ(card->lblOraRic->text(), QStringLiteral("18:00"));
    // The record's fixed bytes: the day at 0, the year at 14, the customer at 503.
    const QByteArray bytes = folder.Read(BookingArchive(2025));
    EXPECT_EQ(bytes.mid(0, 3), QByteArray("\x02" "04"));
    EXPECT_EQ(bytes.mid(14, 5), QByteArray("\x04" "2025"));
    EXPECT_EQ(bytes.mid(503, 14), QByteArray("\x0d" "Citt\xe0 Niccol\xf2"));

    card->txtSedeRic->setText(QStringLiteral("Napoli"));
    Save(kSavedAgain);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_EQ(folder.Read(BookingArchive(2025)).size(), 704);
    EXPECT_EQ(Stored(2025, 1).Text("SedeRic"), QStringLiteral("Napoli"));

    std::vector<Record> seven;
    for (int i = 2; i <= 7; ++i) seven.push_back(CompleteBooking(2025, {{"Cliente", QStringLiteral("C%1").arg(i)}}));
    WriteBookings(2025, seven);
    card->cmdNuovoClick();
    Put(CompleteBooking(2025, {{"Cliente", QStringLiteral("Ottavo")}}));
    Save(kSavedNew);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("8"));
    EXPECT_EQ(folder.Read(BookingArchive(2025)).size(), 8 * 704);
    EXPECT_EQ(Stored(2025, 8).Text("Cliente"), QStringLiteral("Ottavo"));
    EXPECT_EQ(Stored(2025, 7).Text("Cliente"), QStringLiteral("C7"));
}

// A customer name written whole by the pick and an address typed up to the
// edit's 250 characters are stored cut to their fields' 50.
TEST_F(PrenotazioniTest, LongNamesAndAddressesAreStoredCut) {
    OpenYear(2026);
    Put(CompleteBooking(2026));
    const QString name = QStringLiteral("Bianchi ") + QString(52, u'n');
    card->txtCliente->setText(name);
    card->txtEmail->clear();
    const QString address = QString(70, u'a') + QStringLiteral("@posta.it");
    Type(card->txtEmail, address);
    EXPECT_EQ(card->txtEmail->text(), address);
    Save(kSavedNew);
    EXPECT_EQ(Stored(2026, 1).Text("Cliente"), name.left(50));
    EXPECT_EQ(Stored(2026, 1).Text("Email"), address.left(50));
    card->cmdNuovoClick();
    card->cmdPrimoClick();
    EXPECT_EQ(card->txtCliente->text(), name.left(50));
    EXPECT_EQ(card->txtEmail->text(), address.left(50));
    // Typing stops at 250 characters.
    card->txtEmail->clear();
    Type(card->txtEmail, QString(260, u'x'));
    EXPECT_EQ(card->txtEmail->text().size(), 250);
}

// The plate and the tax code are trimmed capitals while typed; the address
// is trimmed while typed and when left; the other edits keep what is typed.
TEST_F(PrenotazioniTest, TypingRulesOfThePlateTheCodeAndTheAddress) {
    OpenYear(2026);
    // A blank typed after the text goes at once, so none stands inside it.
    Type(card->txtTarga, QStringLiteral("ab 123cd "));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral("AB123CD"));
    Type(card->txtCodFisc, QStringLiteral(" rssmra80\u00e8 "));
    EXPECT_EQ(card->txtCodFisc->text(), QStringLiteral("RSSMRA80\u00e8"));
    Type(card->txtEmail, QStringLiteral(" Mario.Rossi@Posta.it "));
    EXPECT_EQ(card->txtEmail->text(), QStringLiteral("Mario.Rossi@Posta.it"));
    Type(card->txtCliente, QStringLiteral("rossi mario "));
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral("rossi mario "));

    // Texts put in by code are left as they are until the address is left.
    card->txtTarga->setText(QStringLiteral(" xy1 "));
    card->txtEmail->setText(QStringLiteral("  a@b.it  "));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral(" xy1 "));
    EXPECT_EQ(card->txtEmail->text(), QStringLiteral("  a@b.it  "));
    card->txtEmail->setFocus();
    card->txtCliente->setFocus();
    EXPECT_EQ(card->txtEmail->text(), QStringLiteral("a@b.it"));
}

// A full leap year of bookings, one a day, saved through the card.
TEST_F(PrenotazioniTest, AFullLeapYearOfBookings) {
    OpenYear(2024);
    int n = 0;
    for (QDate day(2024, 1, 1); day.year() == 2024; day = day.addDays(1)) {
        ++n;
        card->cmdNuovoClick();
        Put(CompleteBooking(2024, {{"GiornoRit", QStringLiteral("%1").arg(day.day(), 2, 10, QLatin1Char('0'))},
                                   {"MeseRit", MonthItem(day.month())},
                                   {"GiornoRic", QStringLiteral("31")},
                                   {"MeseRic", QStringLiteral("Dicembre")},
                                   {"Cliente", QStringLiteral("Cliente %1").arg(n)}}));
        messages.Expect(MsgKind::Information, kSavedNew);
        card->cmdSalvaClick();
        ASSERT_EQ(card->lblPosizione->text(), QString::number(n));
    }
    messages.Verify();
    EXPECT_EQ(n, 366);
    EXPECT_EQ(folder.Read(BookingArchive(2024)).size(), 366 * 704);
    EXPECT_EQ(Stored(2024, 60).Text("DataRit"), QStringLiteral("29/02/2024"));
    EXPECT_EQ(Stored(2024, 366).Text("DataRit"), QStringLiteral("31/12/2024"));
    card->cmdUltimoClick();
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral("Cliente 366"));
    card->lblPosizione->setText(QStringLiteral("61"));
    card->cmdIndietroClick();
    EXPECT_EQ(card->txtGiornoRit->text(), QStringLiteral("29"));
    EXPECT_EQ(card->txtMeseRit->text(), QStringLiteral("Febbraio"));
    EXPECT_EQ(card->lblDataRit->text(), QStringLiteral("29/02/2024"));
}

// ---- the commands that open other windows -----------------------------------------------

TEST_F(PrenotazioniTest, TheFiscalCodeButtonOpensTheRightChecker) {
    OpenYear(2026);
    ExpectTaxCodeChecker(modals, card->txtCodFisc, card->btnCodFisc);
}

// The searches get the tag "prenotazioni"; the monthly and daily listings
// the year on the card; the export and the yearly listing nothing.
TEST_F(PrenotazioniTest, TheCommandsOpenTheirDialogsWithTheirTags) {
    OpenYear(2025);
    card->lblAnnoRit->setText(QStringLiteral(" 2025 "));
    auto tagOf = [](Form &d) { return ControlTextOf(&d, "lblMemory"); };
    QString seen;
    modals.Expect<TfrmTrovaClienti>([&](TfrmTrovaClienti &d) {
        seen = tagOf(d);
        EXPECT_EQ(d.parentWidget(), card);
        d.Close();
    });
    Click(card->impCliente);
    EXPECT_EQ(seen, QStringLiteral("prenotazioni"));
    modals.Expect<TfrmTrovaFlotta>([&](TfrmTrovaFlotta &d) {
        seen = tagOf(d);
        d.Close();
    });
    Click(card->impVeicolo);
    EXPECT_EQ(seen, QStringLiteral("prenotazioni"));
    modals.Expect<TfrmTrovaPrenotazioni>([&](TfrmTrovaPrenotazioni &d) {
        seen = tagOf(d);
        d.Close();
    });
    Click(card->cmdTrova);
    EXPECT_EQ(seen, QStringLiteral("prenotazioni"));
    modals.Expect<TfrmExpPrenotazioni>([](TfrmExpPrenotazioni &d) { d.Close(); });
    Click(card->cmdEsporta);
    modals.Expect<TfrmRiepAnnualePren>([](TfrmRiepAnnualePren &d) { d.Close(); });
    Click(card->cmdRiepAnnuale);
    modals.Expect<TfrmRiepMensilePren>([&](TfrmRiepMensilePren &d) {
        seen = ControlTextOf(&d, "lblAnno");
        d.Close();
    });
    Click(card->cmdRiepMensile);
    EXPECT_EQ(seen, QStringLiteral("2025"));
    modals.Expect<TfrmRiepGiornalieroPren>([&](TfrmRiepGiornalieroPren &d) {
        seen = ControlTextOf(&d, "lblAnno");
        d.Close();
    });
    Click(card->cmdRiepGiornaliero);
    EXPECT_EQ(seen, QStringLiteral("2025"));
    modals.Verify();
}

// Closing the card shows the launcher; reopening it on another year gives
// an empty card, and the listings then take the new year.
TEST_F(PrenotazioniTest, AnotherYearMeansClosingAndOpeningAgain) {
    WriteBookings(2025, {CompleteBooking(2025)});
    OpenYear(2025);
    card->cmdPrimoClick();
    ASSERT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    Click(card->cmdEsci);
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());

    OpenYear(2024);
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_EQ(card->txtCliente->text(), QString());
    EXPECT_EQ(card->lblAnnoRit->text(), QStringLiteral("2024"));
    QString year;
    modals.Expect<TfrmRiepMensilePren>([&](TfrmRiepMensilePren &d) {
        year = ControlTextOf(&d, "lblAnno");
        d.Close();
    });
    card->cmdRiepMensileClick();
    EXPECT_EQ(year, QStringLiteral("2024"));

    // The year panel's own exit closes the card too.
    card->cmdEsciClick();
    ShowCard();
    Click(card->imgEsci);
    EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
}

TEST_F(PrenotazioniTest, TheGuideTellsAboutTheBookings) {
    ShowCard();
    int shown = 0;
    auto expectGuide = [&] {
        modals.Expect<TfrmGuida>([&](TfrmGuida &d) {
            ++shown;
            EXPECT_EQ(d.lblTitolo->text(), QStringLiteral("App Prenotazioni Veicoli"));
            const QString text = d.txtGuida->toPlainText();
            EXPECT_TRUE(text.startsWith(QStringLiteral(
                "L'app Prenotazioni Veicoli mette a disposizione un ambiente per la registrazione delle prenotazioni "
                "effettuate dai clienti che interagisce con quello dell'emissione dei contratti di noleggio auto "
                "velocizzandone la compilazione grazie ad una funzione di importazione dati.")));
            EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")).size(), 6);
            EXPECT_FALSE(text.contains(QStringLiteral("\n\n")));
            d.Close();
        });
    };
    expectGuide();
    Click(card->imgGuida);
    card->txtAnno->setText(QStringLiteral("2026"));
    card->btnApriClick();
    expectGuide();
    Click(card->cmdGuida);
    EXPECT_EQ(shown, 2);
}

// The hints of the commands; the background and the groups empty the line.
TEST_F(PrenotazioniTest, HintsFollowThePointer) {
    OpenYear(2026);
    const std::pair<QWidget *, const char *> hints[] = {
        {card->cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {card->cmdSalva, "Salva la scheda corrente in archivio."},
        {card->cmdTrova, "Trova una scheda in archivio."},
        {card->cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {card->cmdStampa, "Stampa la scheda corrente."},
        {card->cmdAnteprima, "Visualizza l'anteprima di stampa della scheda corrente."},
        {card->cmdPrimo, "Visualizza la prima scheda in archivio."},
        {card->cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {card->cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {card->cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {card->cmdRiepGiornaliero, "Visualizza il riepilogo giornaliero delle prenotazioni veicoli."},
        {card->cmdRiepMensile, "Visualizza il riepilogo mensile delle prenotazioni veicoli."},
        {card->cmdRiepAnnuale, "Visualizza il riepilogo annuale delle prenotazioni veicoli."},
        {card->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {card->cmdEsci, "Esci da questa schermata di lavoro."},
        {card->cmdEmail, "Invia al cliente una e-mail di conferma prenotazione."},
        {card->btnCodFisc, "Controlla il codice fiscale."},
        {card->impCliente, "Importa i dati dall'archivio anagrafico dei clienti."},
        {card->impVeicolo, "Importa i dati dal parco automezzi."},
        {card->impRitiro, "Inserisci la data e l'ora corrente."},
        {card->impRiconsegna, "Inserisci la data e l'ora corrente."},
    };
    for (const auto &[control, hint] : hints) {
        MoveMouseOver(control);
        EXPECT_EQ(card->panInfo->text(), QString::fromUtf8(hint)) << control->objectName().toStdString();
        MoveMouseOver(card->grpDataRit, QPoint(4, 40));
        EXPECT_EQ(card->panInfo->text(), QString());
    }
    for (QWidget *area : {static_cast<QWidget *>(card->grpOraRit), static_cast<QWidget *>(card->grpDataRic),
                          static_cast<QWidget *>(card->grpOraRic), static_cast<QWidget *>(card->panContainer),
                          static_cast<QWidget *>(card)}) {
        MoveMouseOver(card->cmdSalva);
        MoveMouseOver(area, area == card->panContainer ? QPoint(600, 560) : QPoint(2, 2));
        EXPECT_EQ(card->panInfo->text(), QString()) << area->objectName().toStdString();
    }
}

// ---- picks ------------------------------------------------------------------------------

// The customer search fills the customer's five edits into the card on
// screen; the number and every other control stay.
TEST_F(PrenotazioniTest, TheCustomerPickJoinsTheCardOnScreen) {
    WriteArchive(QStringLiteral("Clienti.pro"), CustomerRecord,
                 {Customer({{"Cognome", QStringLiteral("Verdi")},
                            {"Nome", QStringLiteral("Anna Maria")},
                            {"CodFisc", QStringLiteral("VRDNMR70A41F205X")},
                            {"Recapito", QStringLiteral("02 555666")},
                            {"TelCel", QStringLiteral("347 1112223")},
                            {"Email", QStringLiteral("anna.verdi@example.it")},
                            {"TelCasa", QStringLiteral("02 999")}})});
    WriteBookings(2026, {CompleteBooking(2026), CompleteBooking(2026, {{"Cliente", QStringLiteral("Secondo")}})});
    OpenYear(2026);
    card->cmdUltimoClick();
    ASSERT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
    modals.Expect<TfrmTrovaClienti>([](TfrmTrovaClienti &d) {
        ShowActive(&d);
        Click(d.btnCerca);
        ASSERT_EQ(d.lstRecords->count(), 1);
        DoubleClickLine(d.lstRecords, 0);
    });
    card->impClienteClick();
    modals.Verify();
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral("Verdi Anna Maria"));
    EXPECT_EQ(card->txtCodFisc->text(), QStringLiteral("VRDNMR70A41F205X"));
    EXPECT_EQ(card->txtRecapito->text(), QStringLiteral("02 555666"));
    EXPECT_EQ(card->txtTelCel->text(), QStringLiteral("347 1112223"));
    EXPECT_EQ(card->txtEmail->text(), QStringLiteral("anna.verdi@example.it"));
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral("AB123CD"));
    EXPECT_EQ(card->lblDataRit->text(), QStringLiteral("04/03/2026"));
    // It reaches the archive only with "Salva", over the booking on screen.
    EXPECT_EQ(Stored(2026, 2).Text("Cliente"), QStringLiteral("Secondo"));
    Save(kSavedAgain);
    EXPECT_EQ(Stored(2026, 2).Text("Cliente"), QStringLiteral("Verdi Anna Maria"));
}

// The vehicle search fills the vehicle's seven edits into a new card.
TEST_F(PrenotazioniTest, TheVehiclePickJoinsANewCard) {
    ProgramTest::WriteFleet({Vehicle({{"Veicolo", QStringLiteral("Furgone")},
                                      {"Marca", QStringLiteral("Iveco")},
                                      {"Modello", QStringLiteral("Daily")},
                                      {"Colore", QStringLiteral("Bianco")},
                                      {"Alimentazione", QStringLiteral("Diesel")},
                                      {"Targa", QStringLiteral("ZZ999ZZ")},
                                      {"Posti", QStringLiteral("3")},
                                      {"Impianti", QStringLiteral("Gancio")}})});
    OpenYear(2026);
    card->txtCliente->setText(QStringLiteral("Rossi Mario"));
    modals.Expect<TfrmTrovaFlotta>([](TfrmTrovaFlotta &d) {
        ShowActive(&d);
        Click(d.btnCerca);
        ASSERT_EQ(d.lstRecords->count(), 1);
        DoubleClickLine(d.lstRecords, 0);
    });
    Click(card->impVeicolo);
    modals.Verify();
    EXPECT_EQ(card->txtVeicolo->text(), QStringLiteral("Furgone"));
    EXPECT_EQ(card->txtMarca->text(), QStringLiteral("Iveco"));
    EXPECT_EQ(card->txtModello->text(), QStringLiteral("Daily"));
    EXPECT_EQ(card->txtColore->text(), QStringLiteral("Bianco"));
    EXPECT_EQ(card->txtAlimentazione->text(), QStringLiteral("Diesel"));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral("ZZ999ZZ"));
    EXPECT_EQ(card->txtPosti->text(), QStringLiteral("3"));
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_FALSE(folder.Exists(BookingArchive(2026)));
}

// The booking search's pick puts the whole booking and its number on the card.
TEST_F(PrenotazioniTest, TheBookingPickLoadsTheWholeBooking) {
    OpenYear(2026);
    Put(CompleteBooking(2026, {{"Cliente", QStringLiteral("sullo schermo")}}));
    const ApplyRecord pick = RegisteredPick(QStringLiteral("frmTrovaPrenotazioni"), QStringLiteral("prenotazioni"));
    ASSERT_TRUE(pick);
    Record booking(BookingRecord);
    for (const FieldDef &f : BookingRecord.Fields()) booking.SetText(f.name, QStringLiteral("v") + FieldName(f));
    pick(booking, 7);
    for (const FieldDef &f : BookingRecord.Fields()) {
        const QString name = FieldName(f);
        QWidget *control = card->findChild<QWidget *>(QStringLiteral("txt") + name);
        if (!control) control = card->findChild<QLabel *>(QStringLiteral("lbl") + name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(ControlTextOf(card, control->objectName().toLatin1().constData()), booking.Text(f.name));
    }
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("7"));
}

}  // namespace
}  // namespace vel::test
