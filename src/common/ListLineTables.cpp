// The column tables of the archives' list lines. Each line is built by the
// one rule of ListLines (trimmed fields, padded and cut to their widths);
// the tables are all that differs from one archive to another.
#include "ListLines.h"
#include "Records.h"

namespace vel {
namespace {

constexpr ListColumn kVehicleColumns[] = {
    {u"", "Marca", 30, "Modello"},
    {u"  Targa: ", "Targa", 12},
    {u"  ", "Conducente", 25},
    {u"  Tel. ", "Recapito", 15},
    {u"  ", "Note", kWholeText},
};

constexpr ListColumn kTariffColumns[] = {
    {u"", "Codice", 20},
    {u"  Tariffa ", "Tariffa", 14},
    {u"  ", "Descrizione", 35},
    {u"  ", "Veicolo", 25},
    {u"  Cl. ", "Classe", 12},
    {u"  Posti: ", "Posti", 5},
    {u"  \u20ac ", "Importo", kWholeText},
};

constexpr ListColumn kCustomerColumns[] = {
    {u"", "Cognome", 30, "Nome"},
    {u"  Tel. ", "Recapito", 16},
    {u"  C.F. ", "CodFisc", 16},
    {u"  Patente: ", "TipoPat", 10},
    {u"  ", "Note", kWholeText},
};

constexpr ListColumn kCallBackColumns[] = {
    {u"", "Cognome", 30, "Nome"},
    {u"  Tel. ", "Recapito", 16},
    {u"  C.F. ", "CodFisc", 16},
    {u"  Patente: ", "TipoPat", 10},
    {u"  ", "Questioni", kWholeText},
};

// The return date is the one column without a width, and not the last.
constexpr ListColumn kBookingColumns[] = {
    {u"", "Marca", 26, "Modello"},
    {u"  Targa: ", "Targa", 12},
    {u"  ", "Cliente", 25},
    {u"  Tel. ", "Recapito", 15},
    {u"  Da: ", "DataRit", 10},
    {u"  Ore: ", "OraRit", 5},
    {u"  A: ", "DataRic", kWholeText},
    {u"  Ore: ", "OraRic", 5},
};

constexpr ListColumn kPriceColumns[] = {
    {u"", "DescList", 55},
    {u"  Tariffa ", "Tariffa", 14},
    {u"  ", "Veicolo", 20},
    {u"  Cl. ", "Classe", 12},
    {u"  Posti: ", "Posti", 4},
    {u"  Prezzo: \u20ac ", "PrezzoList", kWholeText},
};

constexpr ListColumn kChooserColumns[] = {
    {u"", "Veicolo", 20},
    {u"  ", "Marca", 30, "Modello"},
    {u"  Targa: ", "Targa", 14},
    {u"  Posti: ", "Posti", 12},
    {u"  Alim. ", "Alimentazione", kWholeText},
};

// Number and date share the first column: joined first, then cut, so a
// long number cuts the end of the date.
constexpr ListColumn kContractColumns[] = {
    {u"N. ", "NumContratto", 25, "Data", u" del "},
    {u"  ", "Cliente", 30},
    {u"  CF: ", "CodFisc", 16},
    {u"  DAL: ", "DataInizio", 10},
    {u"  AL: ", "DataFine", 10},
    {u"  Targa: ", "Targa", 12},
    {u"  Tot. \u20ac ", "Totale", kWholeText},
};

}  // namespace

std::span<const ListColumn> VehicleListColumns() { return kVehicleColumns; }
QString VehicleListLine(const Record &vehicle) {
    static const ListLineRule rule(VehicleRecord, kVehicleColumns);
    return rule.Line(vehicle);
}

std::span<const ListColumn> TariffListColumns() { return kTariffColumns; }
QString TariffListLine(const Record &tariff) {
    static const ListLineRule rule(TariffRecord, kTariffColumns);
    return rule.Line(tariff);
}

std::span<const ListColumn> CustomerListColumns() { return kCustomerColumns; }
QString CustomerListLine(const Record &customer) {
    static const ListLineRule rule(CustomerRecord, kCustomerColumns);
    return rule.Line(customer);
}

std::span<const ListColumn> CallBackListColumns() { return kCallBackColumns; }
QString CallBackListLine(const Record &customer) {
    static const ListLineRule rule(CustomerRecord, kCallBackColumns);
    return rule.Line(customer);
}

std::span<const ListColumn> BookingListColumns() { return kBookingColumns; }
QString BookingListLine(const Record &booking) {
    static const ListLineRule rule(BookingRecord, kBookingColumns);
    return rule.Line(booking);
}

std::span<const ListColumn> ContractListColumns() { return kContractColumns; }
QString ContractListLine(const Record &contract) {
    static const ListLineRule rule(ContractRecord, kContractColumns);
    return rule.Line(contract);
}

QString PriceListLine(const Record &tariff) {
    static const ListLineRule rule(TariffRecord, kPriceColumns);
    return rule.Line(tariff);
}

QString VehicleChooserLine(const Record &vehicle) {
    static const ListLineRule rule(VehicleRecord, kChooserColumns);
    return rule.Line(vehicle);
}

QString SubText(const QString &text, int from, int count) {
    if (from < 1 || count <= 0 || from > text.size()) return QString();
    return text.mid(from - 1, count);
}

QString PickupSortKey(const Record &booking) {
    return SubText(booking.Text("DataRit"), 4, 2) + booking.Text("GiornoRit") + booking.Text("OreRit") +
           booking.Text("MinutiRit");
}

}  // namespace vel
