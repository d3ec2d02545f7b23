// The card engine's shared behaviour, run for the booking card.
#include "bookings/BookingFixture.h"
#include "support/CardSuite.h"

namespace vel::test {
namespace {

QString Needed(const char *ending) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ") + QString::fromUtf8(ending);
}

// The clock's year (14/03/2026), which the card proposes and opens.
constexpr int kYear = 2026;

struct BookingCard {
    using Window = TfrmPrenotazioni;
    static Window *Card() { return frmPrenotazioni; }
    static const RecordLayout &Layout() { return BookingRecord; }
    static QString Archive() { return BookingArchive(kYear); }
    static void Open(Window &card) {
        card.txtAnno->setText(QString::number(kYear));
        card.btnApriClick();
    }
    static constexpr const char *kTagField = "Cliente";
    static Record Valid(const QString &tag) { return CompleteBooking(kYear, {{"Cliente", tag}}); }
    // The blank checks of "Salva"; the checks of two digits stand between
    // them and are tested with the card.
    static std::vector<CardCheck> Mandatory() {
        return {{"txtGiornoRit", Needed("il giorno del ritiro del veicolo.")},
                {"txtMeseRit", Needed("il mese del ritiro del veicolo.")},
                {"txtOreRit", Needed("l'ora del ritiro del veicolo.")},
                {"txtMinutiRit", Needed("i minuti dell'ora del ritiro del veicolo.")},
                {"txtGiornoRic", Needed("il giorno della riconsegna del veicolo.")},
                {"txtMeseRic", Needed("il mese della riconsegna del veicolo.")},
                {"txtOreRic", Needed("l'ora della riconsegna del veicolo.")},
                {"txtMinutiRic", Needed("i minuti dell'ora della riconsegna del veicolo.")},
                {"txtVeicolo", Needed("il tipo di veicolo.")},
                {"txtMarca", Needed("la marca del veicolo.")},
                {"txtModello", Needed("il modello del veicolo.")},
                {"txtTarga", Needed("il numero di targa del veicolo.")},
                {"txtCliente", Needed("il nome del cliente.")}};
    }
    // The ring of the Enter key, which is not the record's order.
    static std::vector<const char *> EnterOrder() {
        return {"txtGiornoRit", "txtMeseRit",  "txtOreRit",        "txtMinutiRit", "txtSedeRit",   "txtVeicolo",
                "txtMarca",     "txtModello",  "txtColore",        "txtPosti",     "txtTarga",     "txtAlimentazione",
                "txtCliente",   "txtCodFisc",  "txtRecapito",      "txtTelCel",    "txtEmail",     "txtGiornoRic",
                "txtMeseRic",   "txtOreRic",   "txtMinutiRic",     "txtSedeRic"};
    }
    static const char *ClearFocus() { return "txtGiornoRit"; }
    static const char *DuplicateFocus() { return nullptr; }
    static std::vector<std::pair<const char *, QString>> ClearTexts() {
        return {{"txtOreRit", QStringLiteral("00")},
                {"txtMinutiRit", QStringLiteral("00")},
                {"txtOreRic", QStringLiteral("00")},
                {"txtMinutiRic", QStringLiteral("00")}};
    }
    static QString InsertedText() { return QStringLiteral("La scheda corrente \u00e8 stata salvata in archivio."); }
    static std::vector<std::pair<const char *, int>> TypedLengths() { return {{"txtEmail", 250}}; }
    static std::vector<const char *> KeptOnClear() {
        return {"lblAnnoRit", "lblDataRit", "lblOraRit", "lblAnnoRic", "lblDataRic", "lblOraRic"};
    }
    static std::vector<const char *> ItemLists() {
        return {"txtGiornoRit", "txtMeseRit", "txtOreRit", "txtMinutiRit",
                "txtGiornoRic", "txtMeseRic", "txtOreRic", "txtMinutiRic"};
    }
};

using BookingCards = ::testing::Types<BookingCard>;
INSTANTIATE_TYPED_TEST_SUITE_P(Bookings, CardSuite, BookingCards);

}  // namespace
}  // namespace vel::test
