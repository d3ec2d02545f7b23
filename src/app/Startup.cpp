#include "Startup.h"

#include "shell/Password.h"
#include "shell/CambiaPassword.h"
#include "shell/Guida.h"
#include "shell/Info.h"
#include "shell/Splash.h"
#include "shell/Avvio.h"
#include "customers/Clienti.h"
#include "shell/CodFisc.h"
#include "shell/PartitaIVA.h"
#include "shell/Carta.h"
#include "shell/Iban.h"
#include "customers/Ricontatta.h"
#include "customers/ExpClienti.h"
#include "shell/AllegaCartella.h"
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

template <typename T>
T *MakeWindow() {
    auto *window = new T();
    window->Create();
    return window;
}

}  // namespace

const std::vector<WindowEntry> &WindowTable() {
    static const std::vector<WindowEntry> table = {
        {"TfrmPassword", [] { frmPassword = MakeWindow<TfrmPassword>(); return frmPassword; }},
        {"TfrmCambiaPassword", [] { frmCambiaPassword = MakeWindow<TfrmCambiaPassword>(); return frmCambiaPassword; }},
        {"TfrmGuida", [] { frmGuida = MakeWindow<TfrmGuida>(); return frmGuida; }},
        {"TfrmInfo", [] { frmInfo = MakeWindow<TfrmInfo>(); return frmInfo; }},
        {"TfrmSplash", [] { frmSplash = MakeWindow<TfrmSplash>(); return frmSplash; }},
        {"TfrmAvvio", [] { frmAvvio = MakeWindow<TfrmAvvio>(); return frmAvvio; }},
        {"TfrmClienti", [] { frmClienti = MakeWindow<TfrmClienti>(); return frmClienti; }},
        {"TfrmCodFisc", [] { frmCodFisc = MakeWindow<TfrmCodFisc>(); return frmCodFisc; }},
        {"TfrmPartitaIva", [] { frmPartitaIva = MakeWindow<TfrmPartitaIva>(); return frmPartitaIva; }},
        {"TfrmCarta", [] { frmCarta = MakeWindow<TfrmCarta>(); return frmCarta; }},
        {"TfrmIban", [] { frmIban = MakeWindow<TfrmIban>(); return frmIban; }},
        {"TfrmRicontatta", [] { frmRicontatta = MakeWindow<TfrmRicontatta>(); return frmRicontatta; }},
        {"TfrmExpClienti", [] { frmExpClienti = MakeWindow<TfrmExpClienti>(); return frmExpClienti; }},
        {"TfrmAllegaCartella", [] { frmAllegaCartella = MakeWindow<TfrmAllegaCartella>(); return frmAllegaCartella; }},
        {"TfrmTrovaClienti", [] { frmTrovaClienti = MakeWindow<TfrmTrovaClienti>(); return frmTrovaClienti; }},
        {"TfrmFlotta", [] { frmFlotta = MakeWindow<TfrmFlotta>(); return frmFlotta; }},
        {"TfrmTrovaFlotta", [] { frmTrovaFlotta = MakeWindow<TfrmTrovaFlotta>(); return frmTrovaFlotta; }},
        {"TfrmDisponibili", [] { frmDisponibili = MakeWindow<TfrmDisponibili>(); return frmDisponibili; }},
        {"TfrmExpFlotta", [] { frmExpFlotta = MakeWindow<TfrmExpFlotta>(); return frmExpFlotta; }},
        {"TfrmTariffario", [] { frmTariffario = MakeWindow<TfrmTariffario>(); return frmTariffario; }},
        {"TfrmExpTariffario", [] { frmExpTariffario = MakeWindow<TfrmExpTariffario>(); return frmExpTariffario; }},
        {"TfrmTrovaTariffa", [] { frmTrovaTariffa = MakeWindow<TfrmTrovaTariffa>(); return frmTrovaTariffa; }},
        {"TfrmListino", [] { frmListino = MakeWindow<TfrmListino>(); return frmListino; }},
        {"TfrmMenuCamere", [] { frmMenuCamere = MakeWindow<TfrmMenuCamere>(); return frmMenuCamere; }},
        {"TfrmPlanning", [] { frmPlanning = MakeWindow<TfrmPlanning>(); return frmPlanning; }},
        {"TfrmGiorno", [] { frmGiorno = MakeWindow<TfrmGiorno>(); return frmGiorno; }},
        {"TfrmIntervallo", [] { frmIntervallo = MakeWindow<TfrmIntervallo>(); return frmIntervallo; }},
        {"TfrmStampaPlanning", [] { frmStampaPlanning = MakeWindow<TfrmStampaPlanning>(); return frmStampaPlanning; }},
        {"TfrmAnteprimaPlanning", [] { frmAnteprimaPlanning = MakeWindow<TfrmAnteprimaPlanning>(); return frmAnteprimaPlanning; }},
        {"TfrmRiepPrenotazioni", [] { frmRiepPrenotazioni = MakeWindow<TfrmRiepPrenotazioni>(); return frmRiepPrenotazioni; }},
        {"TfrmPrenotazioni", [] { frmPrenotazioni = MakeWindow<TfrmPrenotazioni>(); return frmPrenotazioni; }},
        {"TfrmTrovaPrenotazioni", [] { frmTrovaPrenotazioni = MakeWindow<TfrmTrovaPrenotazioni>(); return frmTrovaPrenotazioni; }},
        {"TfrmExpPrenotazioni", [] { frmExpPrenotazioni = MakeWindow<TfrmExpPrenotazioni>(); return frmExpPrenotazioni; }},
        {"TfrmRiepAnnualePren", [] { frmRiepAnnualePren = MakeWindow<TfrmRiepAnnualePren>(); return frmRiepAnnualePren; }},
        {"TfrmRiepMensilePren", [] { frmRiepMensilePren = MakeWindow<TfrmRiepMensilePren>(); return frmRiepMensilePren; }},
        {"TfrmRiepGiornalieroPren", [] { frmRiepGiornalieroPren = MakeWindow<TfrmRiepGiornalieroPren>(); return frmRiepGiornalieroPren; }},
        {"TfrmContrattiNSC", [] { frmContrattiNSC = MakeWindow<TfrmContrattiNSC>(); return frmContrattiNSC; }},
        {"TfrmNumerazione", [] { frmNumerazione = MakeWindow<TfrmNumerazione>(); return frmNumerazione; }},
        {"TfrmImpPrenotazioni", [] { frmImpPrenotazioni = MakeWindow<TfrmImpPrenotazioni>(); return frmImpPrenotazioni; }},
        {"TfrmExpContratti", [] { frmExpContratti = MakeWindow<TfrmExpContratti>(); return frmExpContratti; }},
        {"TfrmDaSaldare", [] { frmDaSaldare = MakeWindow<TfrmDaSaldare>(); return frmDaSaldare; }},
        {"TfrmTrovaContrattiNSC", [] { frmTrovaContrattiNSC = MakeWindow<TfrmTrovaContrattiNSC>(); return frmTrovaContrattiNSC; }},
        {"TfrmStampaContrattoNSC", [] { frmStampaContrattoNSC = MakeWindow<TfrmStampaContrattoNSC>(); return frmStampaContrattoNSC; }},
        {"TfrmLogo", [] { frmLogo = MakeWindow<TfrmLogo>(); return frmLogo; }},
        {"TfrmStampaLav", [] { frmStampaLav = MakeWindow<TfrmStampaLav>(); return frmStampaLav; }},
        {"TfrmPrivacy", [] { frmPrivacy = MakeWindow<TfrmPrivacy>(); return frmPrivacy; }},
        {"TfrmCalendario", [] { frmCalendario = MakeWindow<TfrmCalendario>(); return frmCalendario; }},
    };
    return table;
}

void CreateWindows() {
    for (const WindowEntry &entry : WindowTable()) entry.create();
    Form::SetMainForm(frmPassword);
}

void DestroyWindows() {
    delete frmCalendario;
    frmCalendario = nullptr;
    delete frmPrivacy;
    frmPrivacy = nullptr;
    delete frmStampaLav;
    frmStampaLav = nullptr;
    delete frmLogo;
    frmLogo = nullptr;
    delete frmStampaContrattoNSC;
    frmStampaContrattoNSC = nullptr;
    delete frmTrovaContrattiNSC;
    frmTrovaContrattiNSC = nullptr;
    delete frmDaSaldare;
    frmDaSaldare = nullptr;
    delete frmExpContratti;
    frmExpContratti = nullptr;
    delete frmImpPrenotazioni;
    frmImpPrenotazioni = nullptr;
    delete frmNumerazione;
    frmNumerazione = nullptr;
    delete frmContrattiNSC;
    frmContrattiNSC = nullptr;
    delete frmRiepGiornalieroPren;
    frmRiepGiornalieroPren = nullptr;
    delete frmRiepMensilePren;
    frmRiepMensilePren = nullptr;
    delete frmRiepAnnualePren;
    frmRiepAnnualePren = nullptr;
    delete frmExpPrenotazioni;
    frmExpPrenotazioni = nullptr;
    delete frmTrovaPrenotazioni;
    frmTrovaPrenotazioni = nullptr;
    delete frmPrenotazioni;
    frmPrenotazioni = nullptr;
    delete frmRiepPrenotazioni;
    frmRiepPrenotazioni = nullptr;
    delete frmAnteprimaPlanning;
    frmAnteprimaPlanning = nullptr;
    delete frmStampaPlanning;
    frmStampaPlanning = nullptr;
    delete frmIntervallo;
    frmIntervallo = nullptr;
    delete frmGiorno;
    frmGiorno = nullptr;
    delete frmPlanning;
    frmPlanning = nullptr;
    delete frmMenuCamere;
    frmMenuCamere = nullptr;
    delete frmListino;
    frmListino = nullptr;
    delete frmTrovaTariffa;
    frmTrovaTariffa = nullptr;
    delete frmExpTariffario;
    frmExpTariffario = nullptr;
    delete frmTariffario;
    frmTariffario = nullptr;
    delete frmExpFlotta;
    frmExpFlotta = nullptr;
    delete frmDisponibili;
    frmDisponibili = nullptr;
    delete frmTrovaFlotta;
    frmTrovaFlotta = nullptr;
    delete frmFlotta;
    frmFlotta = nullptr;
    delete frmTrovaClienti;
    frmTrovaClienti = nullptr;
    delete frmAllegaCartella;
    frmAllegaCartella = nullptr;
    delete frmExpClienti;
    frmExpClienti = nullptr;
    delete frmRicontatta;
    frmRicontatta = nullptr;
    delete frmIban;
    frmIban = nullptr;
    delete frmCarta;
    frmCarta = nullptr;
    delete frmPartitaIva;
    frmPartitaIva = nullptr;
    delete frmCodFisc;
    frmCodFisc = nullptr;
    delete frmClienti;
    frmClienti = nullptr;
    delete frmAvvio;
    frmAvvio = nullptr;
    delete frmSplash;
    frmSplash = nullptr;
    delete frmInfo;
    frmInfo = nullptr;
    delete frmGuida;
    frmGuida = nullptr;
    delete frmCambiaPassword;
    frmCambiaPassword = nullptr;
    delete frmPassword;
    frmPassword = nullptr;
    Form::SetMainForm(nullptr);
}

}  // namespace vel
