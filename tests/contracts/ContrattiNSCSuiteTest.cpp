// The card engine's shared behaviour, run for the contract card.
#include "common/Records.h"
#include "contracts/ContrattiNSC.h"
#include "support/CardSuite.h"

namespace vel::test {
namespace {

QString Needed(const char *ending) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ") + QString::fromUtf8(ending);
}

struct ContractCard {
    using Window = TfrmContrattiNSC;
    static Window *Card() { return frmContrattiNSC; }
    static const RecordLayout &Layout() { return ContractRecord; }
    static QString Archive() { return QStringLiteral("2026.nsc"); }
    // The fixed clock's year is on the year panel: "Apri".
    static void Open(Window &card) {
        card.txtAnno->setText(QStringLiteral("2026"));
        card.btnApriClick();
    }
    static constexpr const char *kTagField = "Cliente";
    static constexpr const char *kAttachCommand = "cmdFile";
    static constexpr const char *kAttachmentsTag = "contrattinsc";
    static Record Valid(const QString &tag) {
        Record r(ContractRecord);
        r.SetText("Ditta", QStringLiteral("Autonoleggi Rossi"));
        r.SetText("NumContratto", QStringLiteral("N") + tag);
        r.SetText("Data", QStringLiteral("10/03/2026"));
        r.SetText("Luogo", QStringLiteral("Roma"));
        r.SetText("Cliente", tag);
        r.SetText("Importo", QStringLiteral("45,00"));
        r.SetText("Totale", QStringLiteral("90,00"));
        r.SetText("DataInizio", QStringLiteral("11/03/2026"));
        r.SetText("OraInizio", QStringLiteral("08:15"));
        r.SetText("SedeRit", QStringLiteral("Via Appia 1"));
        r.SetText("SedeRic", QStringLiteral("Via Appia 2"));
        r.SetText("Cauzione", QStringLiteral("200,00"));
        r.SetText("Foro", QStringLiteral("Roma"));
        r.SetText("Assicurazioni", QStringLiteral("Kasko"));
        r.SetText("Privacy", QStringLiteral("Mario Rossi"));
        r.SetText("DaSaldare", QStringLiteral("No"));
        r.SetText("Note", QStringLiteral("note di ") + tag);
        r.SetText("File01", QStringLiteral("patente_") + tag + QStringLiteral(".pdf"));
        r.SetText("Desc01", QStringLiteral("Patente"));
        return r;
    }
    static std::vector<CardCheck> Mandatory() {
        return {{"txtDitta", Needed("la denominazione della propria Ditta di autonoleggio.")},
                {"txtNumContratto", Needed("il numero del contratto.")},
                {"txtData", Needed("la data di stipula del contratto.")},
                {"txtLuogo", Needed("il luogo di stipula del contratto.")},
                {"txtCliente", Needed("il nome del Cliente.")}};
    }
    static std::vector<const char *> EnterOrder() {
        return {"txtDitta",      "txtNumContratto", "txtData",      "txtLuogo",         "txtCliente",
                "txtSesso",      "txtIndirizzoRes", "txtComuneRes", "txtProvRes",       "txtCapRes",
                "txtCodFisc",    "txtRecapito",     "txtDataNasc",  "txtComuneNasc",    "txtProvNasc",
                "txtTipoPat",    "txtNumPat",       "txtEnteRil",   "txtDataRil",       "txtDataSca",
                "txtConducente", "txtVeicolo",      "txtMarca",     "txtColore",        "txtAlimentazione",
                "txtTarga",      "txtPosti",        "txtImpianti",  "txtTariffa",       "txtConteggio",
                "txtEccedenza",  "txtImporto",      "txtTotale",    "txtDataInizio",    "txtOraInizio",
                "txtSedeRit",    "txtDataFine",     "txtOraFine",   "txtSedeRic",       "txtTotGiorni",
                "txtLivello",    "txtKmParte",      "txtKmRientro", "txtCauzione",      "txtDifetti",
                "txtPagamento",  "txtForo",         "txtAssicurazioni", "txtPrivacy",   "txtNote"};
    }
    static const char *ClearFocus() { return "txtCliente"; }
    static const char *DuplicateFocus() { return nullptr; }
    // "Nuovo" proposes the number (first number 1 plus the one stored
    // contract of the suite's clearing test), today and the time of the
    // fixed clock; the amounts show "0,00".
    static std::vector<std::pair<const char *, QString>> ClearTexts() {
        return {{"txtNumContratto", QStringLiteral("2")},  {"txtData", QStringLiteral("14/03/2026")},
                {"txtDataInizio", QStringLiteral("14/03/2026")}, {"txtOraInizio", QStringLiteral("09:30")},
                {"txtImporto", QStringLiteral("0,00")},    {"txtTotale", QStringLiteral("0,00")},
                {"txtCauzione", QStringLiteral("0,00")}};
    }
    static QString InsertedText() { return QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio."); }
    // The firm's standing data stay for the next contract.
    static std::vector<const char *> KeptOnClear() {
        return {"txtDitta", "txtLuogo", "txtSedeRit", "txtSedeRic", "txtForo", "txtAssicurazioni", "txtPrivacy"};
    }
    static std::vector<const char *> CheckedTexts() { return {"txtData"}; }
    static std::vector<const char *> SelectionKeptOnClear() { return {"txtAlimentazione"}; }
    static MsgKind FailureKind(const char *command) {
        const QString name = QString::fromLatin1(command);
        return name == QLatin1String("cmdSalva") || name == QLatin1String("cmdPrimo") ? MsgKind::Warning
                                                                                      : MsgKind::Error;
    }
    static constexpr bool kNewOpensArchive = true;
};

using ContractCards = ::testing::Types<ContractCard>;
INSTANTIATE_TYPED_TEST_SUITE_P(Contracts, CardSuite, ContractCards);

}  // namespace
}  // namespace vel::test
