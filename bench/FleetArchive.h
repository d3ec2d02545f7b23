#pragma once
// A vehicle archive of any size for the benchmarks, written with the
// program's own ArchiveFile and Record from varied texts: 18 makes with their
// models, types, fuels, colours, plates, chassis numbers, people in charge,
// telephones, notes and attachments, as a rental fleet holds them.
#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <vector>

#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/Records.h"

namespace vel::bench {

struct Model {
    const char *make;
    std::vector<const char *> models;
};
inline const std::vector<Model> kModels = {
    {"Fiat", {"Panda", "Punto", "500", "Tipo", "Doblò", "Ducato", "Qubo"}},
    {"Alfa Romeo", {"Giulietta", "Giulia Veloce", "Stelvio", "Mito"}},
    {"Lancia", {"Ypsilon", "Delta", "Musa"}},
    {"Volkswagen", {"Golf", "Polo", "Passat Variant", "Transporter", "T-Roc"}},
    {"Renault", {"Clio", "Mégane", "Kangoo", "Trafic", "Captur"}},
    {"Peugeot", {"208", "308 SW", "Partner", "Boxer"}},
    {"Citroën", {"C3", "C4 Picasso", "Berlingo", "Jumper"}},
    {"Ford", {"Fiesta", "Focus", "Transit Custom", "Kuga"}},
    {"Opel", {"Corsa", "Astra", "Vivaro", "Mokka"}},
    {"Toyota", {"Yaris", "Corolla Touring Sports", "RAV4", "Proace"}},
    {"Mercedes-Benz", {"Classe A", "Sprinter", "Vito Tourer", "GLA"}},
    {"BMW", {"Serie 1", "X1", "Serie 3 Touring"}},
    {"Audi", {"A3 Sportback", "Q3", "A4 Avant"}},
    {"Dacia", {"Sandero", "Duster", "Logan MCV"}},
    {"Nissan", {"Qashqai", "Micra", "NV200"}},
    {"Piaggio", {"Porter", "Liberty 125", "Beverly 300"}},
    {"Iveco", {"Daily", "Eurocargo"}},
    {"Kia", {"Picanto", "Sportage", "Ceed"}},
};
inline const char *const kTypes[] = {"Autovettura", "Furgone",  "Furgoncino", "Autocarro",
                                     "Scooter",     "Camper",   "Motociclo"};
inline const char *const kFuels[] = {"Benzina", "Diesel", "Elettricità", "GPL", "Ibrida", "Metano"};
inline const char *const kColours[] = {"Bianco",    "Nero metallizzato", "Grigio chiaro",
                                       "Rosso",     "Blu notte",         "Argento"};
inline const char *const kStates[] = {"Ottimo", "Buono", "Discreto", "Utilizzabile", "Precario"};
inline const char *const kSurnames[] = {"Rossi",   "Russo",   "Ferrari", "Esposito", "Bianchi",  "Romano",
                                        "Colombo", "Ricci",   "Marino",  "Greco",    "Bruno",    "Gallo",
                                        "Conti",   "De Luca", "Mancini", "Costa",    "Giordano", "Rizzo",
                                        "Lombardi", "Moretti", "Barbieri", "Fontana", "Santoro"};
inline const char *const kNames[] = {"Mario",  "Luca",   "Giulia", "Francesca", "Marco",    "Alessandro", "Chiara",
                                     "Paolo",  "Sara",   "Andrea", "Elena",     "Giovanni", "Anna",       "Stefano",
                                     "Martina"};
inline const char *const kNotes[] = {"",
                                     "",
                                     "Disponibile dal 1 giugno al 15 settembre",
                                     "In officina per tagliando fino a fine mese",
                                     "Noleggio lungo termine, rientro previsto a dicembre",
                                     "Gomme invernali montate; catene a bordo",
                                     "Segnalato rumore ai freni: controllare prima della consegna",
                                     "Libero nei fine settimana"};
inline const char *const kFittings[] = {"Climatizzatore, navigatore, sensori di parcheggio",
                                        "Gancio traino, portapacchi", "Climatizzatore",
                                        "Cruise control, Bluetooth, telecamera posteriore", ""};

inline QString Pick(QRandomGenerator &g, const char *const *items, int n) {
    return QString::fromUtf8(items[g.bounded(n)]);
}
template <size_t N>
QString Pick(QRandomGenerator &g, const char *const (&items)[N]) {
    return Pick(g, items, int(N));
}

inline QString Letters(QRandomGenerator &g, int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'A' + g.bounded(26));
    return s;
}
inline QString Digits(QRandomGenerator &g, int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'0' + g.bounded(10));
    return s;
}
inline QString Date(QRandomGenerator &g) {
    return QStringLiteral("%1/%2/%3")
        .arg(1 + g.bounded(28), 2, 10, QChar('0'))
        .arg(1 + g.bounded(12), 2, 10, QChar('0'))
        .arg(2005 + g.bounded(20));
}

inline Record RandomVehicle(QRandomGenerator &g) {
    Record r(VehicleRecord);
    const Model &m = kModels[g.bounded(int(kModels.size()))];
    r.SetText("Veicolo", Pick(g, kTypes));
    r.SetText("Marca", QString::fromUtf8(m.make));
    r.SetText("Modello", QString::fromUtf8(m.models[g.bounded(int(m.models.size()))]));
    r.SetText("Colore", Pick(g, kColours));
    r.SetText("Alimentazione", Pick(g, kFuels));
    r.SetText("Targa", Letters(g, 2) + Digits(g, 3) + Letters(g, 2));
    r.SetText("Impianti", Pick(g, kFittings));
    r.SetText("Telaio", QStringLiteral("ZFA") + Letters(g, 3) + Digits(g, 11));
    r.SetText("Immatricolazione", Date(g));
    r.SetText("Cilindrata", QString::number(900 + 100 * g.bounded(20)));
    r.SetText("Cavalli", QString::number(50 + g.bounded(150)) + QStringLiteral(" kW"));
    r.SetText("DataAcq", Date(g));
    r.SetText("PrezzoAcq", QString::number(8000 + g.bounded(40000)) + QStringLiteral(",00"));
    r.SetText("Telepass", Digits(g, 10));
    r.SetText("Posti", QString::number(2 + g.bounded(8)));
    r.SetText("Viacard", Digits(g, 12));
    r.SetText("Litro", QString::number(8 + g.bounded(20)));
    r.SetText("Uso", QStringLiteral("Noleggio senza conducente"));
    r.SetText("Pneumatici", QStringLiteral("205/55 R16 91V"));
    r.SetText("Ambientale", QStringLiteral("Euro 6"));
    r.SetText("Officina", QStringLiteral("Libretto n. ") + Digits(g, 8) + QStringLiteral(", CdP n. ") + Digits(g, 8));
    r.SetText("Compagnia", QStringLiteral("Assicurazioni Generali"));
    if (g.bounded(5) == 0) r.SetText("Incidenti", QStringLiteral("Urto posteriore il ") + Date(g));
    r.SetText("Stato", Pick(g, kStates));
    r.SetText("Conducente", Pick(g, kSurnames) + u' ' + Pick(g, kNames));
    r.SetText("CodFisc", Letters(g, 6) + Digits(g, 2) + Letters(g, 1) + Digits(g, 2) + Letters(g, 1) +
                             Digits(g, 3) + Letters(g, 1));
    r.SetText("Recapito", QStringLiteral("3") + Digits(g, 2) + u' ' + Digits(g, 7));
    r.SetText("Disponibile", vel::YesNoText(g.bounded(2) == 0));
    r.SetText("Note", Pick(g, kNotes));
    if (g.bounded(3) == 0) {
        r.SetText("File01", QStringLiteral("Libretto_") + r.Text("Targa") + QStringLiteral(".pdf"));
        r.SetText("Desc01", QStringLiteral("Libretto di circolazione"));
    }
    return r;
}

// Appends `records` vehicles drawn from the generator to the archive at
// `path`, creating it when it is missing.
inline void WriteFleetArchive(const QString &path, int records, QRandomGenerator &g) {
    ArchiveFile archive;
    archive.OpenArchivePath(path, VehicleRecord);
    for (int i = 0; i < records; ++i) archive.AppendRecord(RandomVehicle(g));
}

// The vehicle search dialog's search without its window: the records the
// criteria let through, their lines built and sorted.
inline QStringList SearchFleet(const QString &path, const std::vector<Criterion> &criteria = {}) {
    const CriteriaMatch match(VehicleRecord, criteria);
    QStringList lines;
    CollectListLines(
        path, VehicleRecord, [&match](const Record &r) { return match.Matches(r); }, VehicleListLine, lines);
    SortListLines(lines);
    return lines;
}

// The physical floor of a scan: the file's bytes read alone, in blocks of the
// size the archive reads. Returns the bytes read, -1 when it cannot be opened.
inline qint64 BareRead(const QString &path) {
    static QByteArray block(256 * 1024, '\0');
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    qint64 total = 0, got;
    while ((got = file.read(block.data(), block.size())) > 0) total += got;
    return total;
}

}  // namespace vel::bench
