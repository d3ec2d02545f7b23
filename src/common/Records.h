#pragma once
// The six record types of the program's archives, each defined once. Card
// files, lists, exports and the planner all work from these tables.
#include "RecordLayout.h"

namespace vel {

// "Flotta_Automezzi.pro"
inline constexpr FieldDef kVehicleFields[] = {
    {"Veicolo", 50},       {"Marca", 50},      {"Modello", 50},    {"Colore", 50},
    {"Alimentazione", 50}, {"Targa", 30},      {"Impianti", 250},  {"Telaio", 50},
    {"Immatricolazione", 30}, {"Cilindrata", 30}, {"Cavalli", 30},  {"DataAcq", 30},
    {"PrezzoAcq", 30},     {"Telepass", 50},   {"Posti", 30},      {"Peso", 30},
    {"Viacard", 50},       {"Litro", 30},      {"Uso", 50},        {"Pneumatici", 120},
    {"Assi", 30},          {"Ambientale", 30}, {"Officina", 250},  {"Compagnia", 50},
    {"Incidenti", 250},    {"Stato", 30},      {"Conducente", 50}, {"CodFisc", 16},
    {"Recapito", 50},      {"Disponibile", 2}, {"Note", 250},      {"File01", 250},
    {"File02", 250},       {"File03", 250},    {"Desc01", 250},    {"Desc02", 250},
    {"Desc03", 250},
};
inline constexpr RecordLayout VehicleRecord{"VehicleRecord", kVehicleFields};
static_assert(VehicleRecord.FieldCount() == 37 && VehicleRecord.Size() == 3635);

// "Tariffario.pro"
inline constexpr FieldDef kTariffFields[] = {
    {"Tariffa", 50},       {"Descrizione", 55}, {"Codice", 20},      {"Importo", 10},
    {"Conteggio", 250},    {"Eccedenza", 250},  {"Veicolo", 50},     {"Classe", 50},
    {"Alimentazione", 50}, {"Posti", 30},       {"Ritiro", 250},     {"Riconsegna", 250},
    {"Listino", 50},       {"PrezzoList", 10},  {"DescList", 55},    {"Pagamento", 50},
    {"Banca", 50},         {"Cauzione", 50},    {"Iban", 27},        {"Intestatario", 50},
    {"Note", 250},         {"Patente", 30},     {"Documenti", 250},  {"Assicurazioni", 250},
    {"Requisiti", 250},    {"File01", 250},     {"File02", 250},     {"File03", 250},
    {"Desc01", 250},       {"Desc02", 250},     {"Desc03", 250},
};
inline constexpr RecordLayout TariffRecord{"TariffRecord", kTariffFields};
static_assert(TariffRecord.FieldCount() == 31 && TariffRecord.Size() == 4218);

// The planner file of one vehicle and year: the vehicle header, then the 366
// day texts in the order of a leap year (index 0 is 1 January, 59 is 29 February).
inline constexpr int kPlannerDays = 366;
inline constexpr FieldDef kPlannerFields[] = {
    {"Veicolo", 50}, {"Marca", 50}, {"Modello", 50}, {"Targa", 30}, {"Giorni", 50, kPlannerDays},
};
inline constexpr RecordLayout PlannerRecord{"PlannerRecord", kPlannerFields};
static_assert(PlannerRecord.Size() == 18850 && PlannerRecord.Offset("Giorni") == 184);

// "Clienti.pro"
inline constexpr FieldDef kCustomerFields[] = {
    {"Cognome", 50},     {"Nome", 50},         {"Ditta", 50},      {"Sesso", 1},
    {"Recapito", 50},    {"IndirizzoRes", 50}, {"ProvRes", 2},     {"ComuneRes", 50},
    {"CapRes", 5},       {"DataNasc", 30},     {"ComuneNasc", 50}, {"ProvNasc", 2},
    {"TelCasa", 30},     {"TelUff", 30},       {"TelCel", 30},     {"Pec", 60},
    {"Email", 50},       {"CodFisc", 16},      {"Carta", 30},      {"ScadeCarta", 30},
    {"PartitaIva", 11},  {"Iban", 27},         {"TipoPat", 30},    {"NumPat", 50},
    {"EnteRil", 50},     {"DataRil", 10},      {"DataSca", 10},    {"Conducente", 250},
    {"Questioni", 250},  {"Note", 250},        {"CodiceDest", 7},  {"Ricontatta", 2},
    {"File01", 250},     {"File02", 250},      {"File03", 250},    {"Desc01", 250},
    {"Desc02", 250},     {"Desc03", 250},
};
inline constexpr RecordLayout CustomerRecord{"CustomerRecord", kCustomerFields};
static_assert(CustomerRecord.FieldCount() == 38 && CustomerRecord.Size() == 3151);

// The booking archive of one year, "<yyyy>.car"
inline constexpr FieldDef kBookingFields[] = {
    {"GiornoRit", 2},  {"MeseRit", 10},   {"AnnoRit", 4},    {"DataRit", 10},
    {"OreRit", 2},     {"MinutiRit", 2},  {"OraRit", 5},     {"GiornoRic", 2},
    {"MeseRic", 10},   {"AnnoRic", 4},    {"DataRic", 10},   {"OreRic", 2},
    {"MinutiRic", 2},  {"OraRic", 5},     {"SedeRit", 50},   {"SedeRic", 50},
    {"Veicolo", 50},   {"Marca", 50},     {"Modello", 50},   {"Colore", 50},
    {"Posti", 30},     {"Targa", 30},     {"Alimentazione", 50}, {"Cliente", 50},
    {"CodFisc", 16},   {"Recapito", 50},  {"TelCel", 30},    {"Email", 50},
};
inline constexpr RecordLayout BookingRecord{"BookingRecord", kBookingFields};
static_assert(BookingRecord.FieldCount() == 28 && BookingRecord.Size() == 704);

// The contract archive of one year, "<yyyy>.nsc"
inline constexpr FieldDef kContractFields[] = {
    {"Ditta", 250},        {"NumContratto", 30}, {"Data", 10},         {"Luogo", 30},
    {"Cliente", 50},       {"Sesso", 1},         {"IndirizzoRes", 50}, {"ComuneRes", 50},
    {"ProvRes", 2},        {"CapRes", 5},        {"CodFisc", 16},      {"Recapito", 50},
    {"DataNasc", 30},      {"ComuneNasc", 50},   {"ProvNasc", 2},      {"TipoPat", 30},
    {"NumPat", 50},        {"EnteRil", 50},      {"DataRil", 30},      {"DataSca", 30},
    {"Conducente", 250},   {"Veicolo", 50},      {"Marca", 50},        {"Colore", 50},
    {"Alimentazione", 50}, {"Targa", 30},        {"Posti", 30},        {"Impianti", 250},
    {"Tariffa", 50},       {"Conteggio", 250},   {"Eccedenza", 250},   {"Importo", 10},
    {"Totale", 10},        {"DataInizio", 10},   {"OraInizio", 5},     {"SedeRit", 50},
    {"DataFine", 10},      {"OraFine", 5},       {"SedeRic", 50},      {"TotGiorni", 5},
    {"Livello", 20},       {"KmParte", 20},      {"KmRientro", 20},    {"Cauzione", 10},
    {"Difetti", 250},      {"Pagamento", 250},   {"Foro", 50},         {"Assicurazioni", 250},
    {"Privacy", 120},      {"Note", 250},        {"DaSaldare", 2},     {"File01", 250},
    {"File02", 250},       {"File03", 250},      {"Desc01", 250},      {"Desc02", 250},
    {"Desc03", 250},
};
inline constexpr RecordLayout ContractRecord{"ContractRecord", kContractFields};
static_assert(ContractRecord.FieldCount() == 57 && ContractRecord.Size() == 5080);

}  // namespace vel
