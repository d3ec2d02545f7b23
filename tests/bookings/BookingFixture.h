#pragma once
// The booking register's windows are tested as the program runs them: every
// window created, in a fresh program folder, with the message boxes, modal
// windows, clock (14/03/2026 09:30 unless a test sets it) and printer under
// the test's control.
//
// Bookings are kept one archive per year, "<yyyy>.car". `CompleteBooking`
// builds a booking as the card saves it (every save check passed, the date
// and time labels derived from their parts); `WriteBookings` appends records
// to a year's archive as the card does; `OpenYear` brings the booking card to
// a year's card panel through its year panel, as the user does, so that the
// card's `lblFile` and `lblAnnoRit` name that year for the register's dialogs.
#include <QString>
#include <vector>

#include "bookings/Prenotazioni.h"
#include "common/DateText.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "support/ListBoxView.h"
#include "support/ProgramFixture.h"

namespace vel::test {

// The file name of a year's booking archive: "2026.car".
inline QString BookingArchive(int year) { return QString::number(year) + QStringLiteral(".car"); }

// A booking as the card stores it: picked up on 04 Marzo at 09:30 in Roma,
// returned on 06 Marzo at 18:00 in Milano, a Fiat Panda for Mario Rossi; the
// given fields replace those texts. Unless they are given themselves, the
// years and the derived labels ("dd/mm/yyyy", "hh:mm") follow the parts.
inline Record CompleteBooking(int year, FieldTexts fields = {}) {
    Record r(BookingRecord);
    const QString y = QString::number(year);
    const std::pair<const char *, QString> defaults[] = {
        {"GiornoRit", QStringLiteral("04")},
        {"MeseRit", QStringLiteral("Marzo")},
        {"OreRit", QStringLiteral("09")},
        {"MinutiRit", QStringLiteral("30")},
        {"GiornoRic", QStringLiteral("06")},
        {"MeseRic", QStringLiteral("Marzo")},
        {"OreRic", QStringLiteral("18")},
        {"MinutiRic", QStringLiteral("00")},
        {"SedeRit", QStringLiteral("Roma")},
        {"SedeRic", QStringLiteral("Milano")},
        {"Veicolo", QStringLiteral("Autovettura")},
        {"Marca", QStringLiteral("Fiat")},
        {"Modello", QStringLiteral("Panda")},
        {"Colore", QStringLiteral("Bianco")},
        {"Posti", QStringLiteral("5")},
        {"Targa", QStringLiteral("AB123CD")},
        {"Alimentazione", QStringLiteral("Benzina")},
        {"Cliente", QStringLiteral("Rossi Mario")},
        {"CodFisc", QStringLiteral("RSSMRA80A01H501U")},
        {"Recapito", QStringLiteral("06 1234567")},
        {"TelCel", QStringLiteral("333 1234567")},
        {"Email", QStringLiteral("mario.rossi@example.it")},
    };
    for (const auto &[field, text] : defaults) r.SetText(field, text);
    for (const auto &[field, text] : fields) r.SetText(field, text);
    auto given = [&fields](std::string_view name) {
        for (const auto &[field, text] : fields)
            if (name == field) return true;
        return false;
    };
    if (!given("AnnoRit")) r.SetText("AnnoRit", y);
    if (!given("AnnoRic")) r.SetText("AnnoRic", y);
    if (!given("DataRit"))
        r.SetText("DataRit", ComposeDateText(r.Text("GiornoRit"), r.Text("MeseRit"), r.Text("AnnoRit")));
    if (!given("DataRic"))
        r.SetText("DataRic", ComposeDateText(r.Text("GiornoRic"), r.Text("MeseRic"), r.Text("AnnoRic")));
    if (!given("OraRit")) r.SetText("OraRit", r.Text("OreRit") + QStringLiteral(":") + r.Text("MinutiRit"));
    if (!given("OraRic")) r.SetText("OraRic", r.Text("OreRic") + QStringLiteral(":") + r.Text("MinutiRic"));
    return r;
}

// Appends the bookings to the archive of `year` (created when missing).
inline void WriteBookings(int year, const std::vector<Record> &bookings) {
    WriteArchive(BookingArchive(year), BookingRecord, bookings);
}

class BookingTest : public ProgramTest {
protected:
    // Shows the booking card, as the launcher does, and opens `year` on it
    // with "Apri": the card panel shows an empty card of that year.
    void OpenYear(int year) {
        TfrmPrenotazioni *card = frmPrenotazioni;
        card->Show();
        ShowActive(card);
        card->txtAnno->setText(QString::number(year));
        card->btnApriClick();
    }
    static TfrmPrenotazioni *Card() { return frmPrenotazioni; }
};

}  // namespace vel::test
