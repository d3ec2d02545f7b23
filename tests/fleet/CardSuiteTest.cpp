// The card engine's shared behaviour, run for the vehicle and the tariff card.
#include "common/Records.h"
#include "fleet/Flotta.h"
#include "fleet/Tariffario.h"
#include "support/CardSuite.h"

namespace vel::test {
namespace {

QString Needed(const char *ending) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ") + QString::fromUtf8(ending);
}

struct VehicleCard {
    using Window = TfrmFlotta;
    static Window *Card() { return frmFlotta; }
    static const RecordLayout &Layout() { return VehicleRecord; }
    static QString Archive() { return QStringLiteral("Flotta_Automezzi.pro"); }
    static void Open(Window &) {}
    static constexpr const char *kTagField = "Targa";
    static constexpr const char *kAttachCommand = "cmdAllega";
    static constexpr const char *kAttachmentsTag = "flotta";
    static Record Valid(const QString &tag) {
        Record r(VehicleRecord);
        r.SetText("Veicolo", QStringLiteral("Autovettura"));
        r.SetText("Marca", QStringLiteral("Fiat"));
        r.SetText("Modello", QStringLiteral("Panda ") + tag);
        r.SetText("Targa", tag);
        r.SetText("Disponibile", QStringLiteral("No"));
        r.SetText("Note", QStringLiteral("note di ") + tag);
        r.SetText("File01", QStringLiteral("libretto_") + tag + QStringLiteral(".pdf"));
        r.SetText("Desc01", QStringLiteral("Libretto"));
        return r;
    }
    static std::vector<CardCheck> Mandatory() {
        return {{"txtVeicolo", Needed("il tipo di veicolo.")},
                {"txtMarca", Needed("la marca del veicolo.")},
                {"txtModello", Needed("il modello del veicolo.")},
                {"txtTarga", Needed("la targa del veicolo.")}};
    }
    static std::vector<const char *> EnterOrder() {
        return {"txtVeicolo", "txtMarca", "txtModello", "txtColore", "txtAlimentazione", "txtTarga",
                "txtImpianti", "txtTelaio", "txtImmatricolazione", "txtCilindrata", "txtCavalli",
                "txtDataAcq", "txtPrezzoAcq", "txtTelepass", "txtPosti", "txtPeso", "txtViacard",
                "txtLitro", "txtUso", "txtPneumatici", "txtAssi", "txtAmbientale", "txtOfficina",
                "txtCompagnia", "txtIncidenti", "txtStato", "txtConducente", "txtCodFisc",
                "txtRecapito", "txtNote"};
    }
    static const char *ClearFocus() { return "txtVeicolo"; }
    static const char *DuplicateFocus() { return "txtVeicolo"; }
    static std::vector<std::pair<const char *, QString>> ClearTexts() { return {}; }
    static QString InsertedText() { return QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio."); }
};

struct TariffCard {
    using Window = TfrmTariffario;
    static Window *Card() { return frmTariffario; }
    static const RecordLayout &Layout() { return TariffRecord; }
    static QString Archive() { return QStringLiteral("Tariffario.pro"); }
    static void Open(Window &) {}
    static constexpr const char *kTagField = "Codice";
    static constexpr const char *kAttachCommand = "cmdFile";
    static constexpr const char *kAttachmentsTag = "tariffario";
    static Record Valid(const QString &tag) {
        Record r(TariffRecord);
        r.SetText("Tariffa", QStringLiteral("Giornaliera"));
        r.SetText("Descrizione", QStringLiteral("Noleggio ") + tag);
        r.SetText("Codice", tag);
        r.SetText("Importo", QStringLiteral("45,00"));
        r.SetText("Listino", QStringLiteral("Estate"));
        r.SetText("DescList", QStringLiteral("Giornata ") + tag);
        r.SetText("File01", tag + QStringLiteral(".pdf"));
        return r;
    }
    static std::vector<CardCheck> Mandatory() {
        return {{"txtTariffa", Needed("il tipo di tariffa.")},
                {"txtDescrizione", Needed("la descrizione della tariffa.")},
                {"txtCodice", Needed("il codice della tariffa.")},
                {"txtListino", Needed("il nome del listino di appartenenza della tariffa.")},
                {"txtDescList", Needed("la descrizione della tariffa da riportare in listino.")}};
    }
    static std::vector<const char *> EnterOrder() {
        return {"txtTariffa", "txtDescrizione", "txtCodice", "txtImporto", "txtConteggio", "txtEccedenza",
                "txtVeicolo", "txtClasse", "txtAlimentazione", "txtPosti", "txtRitiro", "txtRiconsegna",
                "txtListino", "txtPrezzoList", "txtDescList", "txtPagamento", "txtBanca", "txtCauzione",
                "txtIban", "txtIntestatario", "txtNote", "txtPatente", "txtDocumenti", "txtAssicurazioni",
                "txtRequisiti"};
    }
    static const char *ClearFocus() { return "txtTariffa"; }
    static const char *DuplicateFocus() { return "txtTariffa"; }
    static std::vector<std::pair<const char *, QString>> ClearTexts() {
        return {{"txtImporto", QStringLiteral("0,00")}, {"txtPrezzoList", QStringLiteral("0,00")}};
    }
    static QString InsertedText() { return QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio."); }
};

using FleetCards = ::testing::Types<VehicleCard, TariffCard>;
INSTANTIATE_TYPED_TEST_SUITE_P(Fleet, CardSuite, FleetCards);

}  // namespace
}  // namespace vel::test
