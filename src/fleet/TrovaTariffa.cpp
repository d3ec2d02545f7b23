#include "TrovaTariffa.h"

#include "Tariffario.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "contracts/ContrattiNSC.h"

namespace vel {

TfrmTrovaTariffa *frmTrovaTariffa = nullptr;

QString TariffArchiveName() { return QStringLiteral("Tariffario.pro"); }

namespace {

constexpr ListColumn kTariffColumns[] = {
    {u"", "Codice", 20},
    {u"  Tariffa ", "Tariffa", 14},
    {u"  ", "Descrizione", 35},
    {u"  ", "Veicolo", 25},
    {u"  Cl. ", "Classe", 12},
    {u"  Posti: ", "Posti", 5},
    {u"  \u20ac ", "Importo", kWholeText},
};

// The frames keep the numbers of the fields they were first drawn for, not
// the order of the criteria.
constexpr CriterionDef kCriteria[] = {
    {"txtTariffa", "Tariffa:", "Tariffa", "effCampo01"},
    {"txtDescrizione", "Descrizione:", "Descrizione", "effCampo02"},
    {"txtCodice", "Codice:", "Codice", "effCampo09"},
    {"txtConteggio", "Criterio conteggio:", "Conteggio", "effCampo10"},
    {"txtVeicolo", "Tipo veicolo:", "Veicolo", "effCampo05"},
    {"txtClasse", "Classe:", "Classe", "effCampo06"},
    {"txtAlimentazione", "Alimentazione:", "Alimentazione", "effCampo07"},
    {"txtPatente", "Patente:", "Patente", "effCampo08"},
    {"txtListino", "Listino appartenenza:", "Listino", "effCampo03"},
    {"txtNote", "Note:", "Note", "effCampo04"},
};

// The tariff as the contract card receives it. The deposit is a free text
// here and lands in the contract's amount edit as it is; the contract card's
// own rules decide what it stores.
constexpr ControlFill kContractFills[] = {
    {"txtTariffa", "Tariffa"}, {"txtConteggio", "Conteggio"}, {"txtEccedenza", "Eccedenza"},
    {"txtImporto", "Importo"}, {"txtCauzione", "Cauzione"},   {"txtAssicurazioni", "Assicurazioni"},
};

ResultListDef Definition() {
    return {"frmTrovaTariffa",
            QStringLiteral(" Trova tariffe in listino"),
            QStringLiteral("Listino tariffario"),
            &TariffRecord,
            [] { return ProgramPath(TariffArchiveName()); },
            TariffListLine};
}

std::vector<PickTarget> Picks() {
    return {
        {QStringLiteral("tariffario"),
         [](const Record &r, int number) {
             if (frmTariffario) frmTariffario->ShowRecord(r, number);
         }},
        {QStringLiteral("contrattinsc"), [](const Record &r, int) { FillControls(frmContrattiNSC, r, kContractFills); }},
    };
}

}  // namespace

QString TariffListLine(const Record &tariff) {
    static const ListLineRule rule(TariffRecord, kTariffColumns);
    return rule.Line(tariff);
}

TfrmTrovaTariffa::TfrmTrovaTariffa(QWidget *owner) : FindDialog(owner, Definition(), kCriteria, Picks()) {
    NameCriteria({&txtTariffa, &txtDescrizione, &txtCodice, &txtConteggio, &txtVeicolo,
                  &txtClasse, &txtAlimentazione, &txtPatente, &txtListino, &txtNote},
                 {&effCampo01, &effCampo02, &effCampo09, &effCampo10, &effCampo05,
                  &effCampo06, &effCampo07, &effCampo08, &effCampo03, &effCampo04});
}

}  // namespace vel
