#include "Startup.h"

#include <QCoreApplication>
#include <QEvent>

#include "cards/Launcher.h"

#include "shell/Password.h"
#include "shell/CambiaPassword.h"
#include "dialogs/Guida.h"
#include "shell/Info.h"
#include "shell/Splash.h"
#include "shell/Avvio.h"
#include "customers/Clienti.h"
#include "dialogs/CodFisc.h"
#include "dialogs/PartitaIVA.h"
#include "dialogs/Carta.h"
#include "dialogs/Iban.h"
#include "customers/Ricontatta.h"
#include "customers/ExpClienti.h"
#include "dialogs/AllegaCartella.h"
#include "customers/TrovaClienti.h"
#include "fleet/Flotta.h"
#include "fleet/TrovaFlotta.h"
#include "fleet/Disponibili.h"
#include "fleet/ExpFlotta.h"
#include "fleet/Tariffario.h"
#include "fleet/ExpTariffario.h"
#include "fleet/TrovaTariffa.h"
#include "fleet/Listino.h"
#include "planner/MenuCamere.h"
#include "planner/Planning.h"
#include "planner/Giorno.h"
#include "planner/Intervallo.h"
#include "planner/StampaPlanning.h"
#include "planner/AnteprimaPlanning.h"
#include "planner/RiepPrenotazioni.h"
#include "bookings/Prenotazioni.h"
#include "bookings/TrovaPrenotazioni.h"
#include "bookings/ExpPrenotazioni.h"
#include "bookings/RiepAnnualePren.h"
#include "bookings/RiepMensilePren.h"
#include "bookings/RiepGiornalieroPren.h"
#include "contracts/ContrattiNSC.h"
#include "contracts/Numerazione.h"
#include "contracts/ImpPrenotazioni.h"
#include "contracts/ExpContratti.h"
#include "contracts/DaSaldare.h"
#include "contracts/TrovaContrattiNSC.h"
#include "contracts/StampaContrattoNSC.h"
#include "contracts/Logo.h"
#include "contracts/StampaLav.h"
#include "contracts/Privacy.h"
#include "contracts/Calendario.h"

namespace vel {
namespace {

// The entry of a window of class T known through `reference`.
template <typename T>
WindowEntry Window(const char *className, T *&reference) {
    return {className,
            [&reference]() -> Form * {
                reference = new T();
                reference->Create();
                return reference;
            },
            [&reference] {
                delete reference;
                reference = nullptr;
            }};
}

}  // namespace

const std::vector<WindowEntry> &WindowTable() {
    static const std::vector<WindowEntry> table = {
        Window("TfrmPassword", frmPassword),
        Window("TfrmCambiaPassword", frmCambiaPassword),
        Window("TfrmGuida", frmGuida),
        Window("TfrmInfo", frmInfo),
        Window("TfrmSplash", frmSplash),
        Window("TfrmAvvio", frmAvvio),
        Window("TfrmClienti", frmClienti),
        Window("TfrmCodFisc", frmCodFisc),
        Window("TfrmPartitaIva", frmPartitaIva),
        Window("TfrmCarta", frmCarta),
        Window("TfrmIban", frmIban),
        Window("TfrmRicontatta", frmRicontatta),
        Window("TfrmExpClienti", frmExpClienti),
        Window("TfrmAllegaCartella", frmAllegaCartella),
        Window("TfrmTrovaClienti", frmTrovaClienti),
        Window("TfrmFlotta", frmFlotta),
        Window("TfrmTrovaFlotta", frmTrovaFlotta),
        Window("TfrmDisponibili", frmDisponibili),
        Window("TfrmExpFlotta", frmExpFlotta),
        Window("TfrmTariffario", frmTariffario),
        Window("TfrmExpTariffario", frmExpTariffario),
        Window("TfrmTrovaTariffa", frmTrovaTariffa),
        Window("TfrmListino", frmListino),
        Window("TfrmMenuCamere", frmMenuCamere),
        Window("TfrmPlanning", frmPlanning),
        Window("TfrmGiorno", frmGiorno),
        Window("TfrmIntervallo", frmIntervallo),
        Window("TfrmStampaPlanning", frmStampaPlanning),
        Window("TfrmAnteprimaPlanning", frmAnteprimaPlanning),
        Window("TfrmRiepPrenotazioni", frmRiepPrenotazioni),
        Window("TfrmPrenotazioni", frmPrenotazioni),
        Window("TfrmTrovaPrenotazioni", frmTrovaPrenotazioni),
        Window("TfrmExpPrenotazioni", frmExpPrenotazioni),
        Window("TfrmRiepAnnualePren", frmRiepAnnualePren),
        Window("TfrmRiepMensilePren", frmRiepMensilePren),
        Window("TfrmRiepGiornalieroPren", frmRiepGiornalieroPren),
        Window("TfrmContrattiNSC", frmContrattiNSC),
        Window("TfrmNumerazione", frmNumerazione),
        Window("TfrmImpPrenotazioni", frmImpPrenotazioni),
        Window("TfrmExpContratti", frmExpContratti),
        Window("TfrmDaSaldare", frmDaSaldare),
        Window("TfrmTrovaContrattiNSC", frmTrovaContrattiNSC),
        Window("TfrmStampaContrattoNSC", frmStampaContrattoNSC),
        Window("TfrmLogo", frmLogo),
        Window("TfrmStampaLav", frmStampaLav),
        Window("TfrmPrivacy", frmPrivacy),
        Window("TfrmCalendario", frmCalendario),
    };
    return table;
}

void CreateWindows() {
    for (const WindowEntry &entry : WindowTable()) entry.create();
    // Every widget asks to be polished when the event loop starts, shown or
    // not; most windows stay hidden for a long while, or for good. A window is
    // polished, with everything inside it, when it is first shown (or when a
    // size is asked of it), so the requests of the hidden ones are dropped.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    Form::SetMainForm(frmPassword);
    SetShowLauncher([] {
        if (frmAvvio) frmAvvio->Show();
    });
}

void DestroyWindows() {
    SetShowLauncher({});
    const std::vector<WindowEntry> &table = WindowTable();
    for (auto entry = table.rbegin(); entry != table.rend(); ++entry) entry->destroy();
    Form::SetMainForm(nullptr);
}

}  // namespace vel
