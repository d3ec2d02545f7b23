#include "TrovaFlotta.h"

#include "Flotta.h"
#include "bookings/Prenotazioni.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "contracts/ContrattiNSC.h"

namespace vel {

TfrmTrovaFlotta *frmTrovaFlotta = nullptr;

QString FleetArchiveName() { return QStringLiteral("Flotta_Automezzi.pro"); }

namespace {

constexpr CriterionDef kCriteria[] = {
    {"txtVeicolo", "Tipo veicolo:", "Veicolo", "effVeicolo"},
    {"txtAlimentazione", "Alimentazione:", "Alimentazione", "effAlimentazione"},
    {"txtMarca", "Marca:", "Marca", "effMarca"},
    {"txtModello", "Modello:", "Modello", "effModello"},
    {"txtTarga", "Targa:", "Targa", "effTarga"},
    {"txtTelaio", "Telaio:", "Telaio", "effTelaio"},
    {"txtConducente", "Proprietario o responsabile:", "Conducente", "effConducente"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
    {"txtIncidenti", "Incidenti subiti:", "Incidenti", "effIncidenti", true},
    {"txtNote", "Note:", "Note", "effNote", true},
};

// The vehicle as the booking card receives it.
constexpr ControlFill kBookingFills[] = {
    {"txtVeicolo", "Veicolo"}, {"txtMarca", "Marca"}, {"txtModello", "Modello"},
    {"txtColore", "Colore"},   {"txtAlimentazione", "Alimentazione"},
    {"txtTarga", "Targa"},     {"txtPosti", "Posti"},
};

// The vehicle as the contract card receives it: make and model in one edit.
constexpr ControlFill kContractFills[] = {
    {"txtVeicolo", "Veicolo"},   {"txtMarca", "Marca", "Modello"},
    {"txtColore", "Colore"},     {"txtAlimentazione", "Alimentazione"},
    {"txtImpianti", "Impianti"}, {"txtTarga", "Targa"},
    {"txtPosti", "Posti"},
};

ResultListDef Definition() {
    return {"frmTrovaFlotta",
            QStringLiteral(" Trova automezzi in archivio"),
            QStringLiteral("Riepilogo parco automezzi"),
            &VehicleRecord,
            [] { return ProgramPath(FleetArchiveName()); },
            VehicleListLine};
}

std::vector<PickTarget> Picks() {
    return {
        {QStringLiteral("flotta"),
         [](const Record &r, int number) {
             if (frmFlotta) frmFlotta->ShowRecord(r, number);
         }},
        {QStringLiteral("prenotazioni"), [](const Record &r, int) { FillControls(frmPrenotazioni, r, kBookingFills); }},
        {QStringLiteral("contrattinsc"), [](const Record &r, int) { FillControls(frmContrattiNSC, r, kContractFills); }},
    };
}

}  // namespace

TfrmTrovaFlotta::TfrmTrovaFlotta(QWidget *owner) : FindDialog(owner, Definition(), kCriteria, Picks()) {
    NameCriteria({&txtVeicolo, &txtAlimentazione, &txtMarca, &txtModello, &txtTarga,
                  &txtTelaio, &txtConducente, &txtCodFisc, &txtIncidenti, &txtNote},
                 {&effVeicolo, &effAlimentazione, &effMarca, &effModello, &effTarga,
                  &effTelaio, &effConducente, &effCodFisc, &effIncidenti, &effNote});
}

}  // namespace vel
