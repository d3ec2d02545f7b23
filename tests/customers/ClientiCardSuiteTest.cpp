// The card engine's shared behaviour, run for the customer card.
#include "common/Records.h"
#include "customers/Clienti.h"
#include "support/CardSuite.h"

namespace vel::test {
namespace {

QString Needed(const char *ending) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ") + QString::fromUtf8(ending);
}

struct CustomerCard {
    using Window = TfrmClienti;
    static Window *Card() { return frmClienti; }
    static const RecordLayout &Layout() { return CustomerRecord; }
    static QString Archive() { return QStringLiteral("Clienti.pro"); }
    static void Open(Window &) {}
    static constexpr const char *kTagField = "Cognome";
    static constexpr const char *kAttachCommand = "cmdFile";
    static constexpr const char *kAttachmentsTag = "clienti";
    static Record Valid(const QString &tag) {
        Record r(CustomerRecord);
        r.SetText("Cognome", tag);
        r.SetText("Nome", QStringLiteral("Mario"));
        r.SetText("Ditta", QStringLiteral("Rossi & Figli"));
        r.SetText("ProvRes", QStringLiteral("RM"));
        r.SetText("ComuneRes", QStringLiteral("Roma"));
        r.SetText("CodFisc", QStringLiteral("RSSMRA80A01H501U"));
        r.SetText("Email", QStringLiteral("mario.") + tag + QStringLiteral("@esempio.it"));
        r.SetText("Ricontatta", QStringLiteral("No"));
        r.SetText("Note", QStringLiteral("note di ") + tag);
        r.SetText("File01", QStringLiteral("patente_") + tag + QStringLiteral(".pdf"));
        r.SetText("Desc01", QStringLiteral("Patente"));
        return r;
    }
    static std::vector<CardCheck> Mandatory() {
        return {{"txtCognome", Needed("il cognome del cliente.")}, {"txtNome", Needed("il nome del cliente.")}};
    }
    static std::vector<const char *> EnterOrder() {
        return {"txtCognome",   "txtNome",       "txtDitta",      "txtSesso",      "txtRecapito", "txtIndirizzoRes",
                "txtProvRes",   "txtComuneRes",  "txtCapRes",     "txtDataNasc",   "txtComuneNasc", "txtProvNasc",
                "txtTelCasa",   "txtTelUff",     "txtTelCel",     "txtPec",        "txtEmail",    "txtCodFisc",
                "txtCarta",     "txtScadeCarta", "txtPartitaIva", "txtIban",       "txtTipoPat",  "txtNumPat",
                "txtEnteRil",   "txtDataRil",    "txtDataSca",    "txtConducente", "txtQuestioni", "txtNote",
                "txtCodiceDest"};
    }
    static const char *ClearFocus() { return "txtCognome"; }
    static const char *DuplicateFocus() { return "txtCognome"; }
    static std::vector<std::pair<const char *, QString>> ClearTexts() { return {}; }
    static QString InsertedText() { return QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio."); }
};

using CustomerCards = ::testing::Types<CustomerCard>;
INSTANTIATE_TYPED_TEST_SUITE_P(Customers, CardSuite, CustomerCards);

}  // namespace
}  // namespace vel::test
