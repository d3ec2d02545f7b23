// The contract card's commands beside its archive: "Calcola", the tax-code
// button, the guide, the thirteen openers and what the picks write back.
#include <QCalendarWidget>

#include "common/Records.h"
#include "common/TextRules.h"
#include "contracts/Calendario.h"
#include "contracts/ContractFixture.h"
#include "contracts/DaSaldare.h"
#include "contracts/ExpContratti.h"
#include "contracts/ImpPrenotazioni.h"
#include "contracts/Logo.h"
#include "contracts/Numerazione.h"
#include "contracts/Privacy.h"
#include "contracts/StampaContrattoNSC.h"
#include "contracts/StampaLav.h"
#include "contracts/TrovaContrattiNSC.h"
#include "customers/TrovaClienti.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "fleet/TrovaFlotta.h"
#include "fleet/TrovaTariffa.h"
#include "support/TaxCodeChecks.h"

namespace vel::test {
namespace {

const QString kMissingDate =
    QStringLiteral("Attenzione: per poter effettuare il calcolo dei giorni \u00e8 necessario indicare la data di ");
const QString kNoDate = QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo \u00e8 necessario indicare "
                                       "una data valida.");

class ContrattiNSCCommandsTest : public ContractCardTest {
protected:
    void SetUp() override {
        ContractCardTest::SetUp();
        OpenYear();
    }
};

// ---- "Calcola" ---------------------------------------------------------------------

TEST_F(ContrattiNSCCommandsTest, CalcolaCountsWholeDaysBetweenTheDates) {
    const struct {
        const char *start;
        const char *end;
        const char *days;
    } cases[] = {
        {"10/03/2024", "10/03/2024", "1"}, {"10/03/2024", "11/03/2024", "1"}, {"28/02/2024", "01/03/2024", "2"},
        {"01/01/2023", "31/12/2023", "364"}, {"1/1/2024", "1/1/2025", "366"}, {"30/12/2025", "02/01/2026", "3"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.start);
        card->txtDataInizio->setText(QString::fromLatin1(c.start));
        card->txtDataFine->setText(QString::fromLatin1(c.end));
        // The times play no part.
        card->txtOraInizio->setText(QStringLiteral("23:59"));
        card->txtOraFine->setText(QStringLiteral("00:01"));
        card->txtTotGiorni->setText(QStringLiteral("99"));
        Click(card->cmdCalcola);
        EXPECT_EQ(card->txtTotGiorni->text(), QString::fromLatin1(c.days));
    }
}

TEST_F(ContrattiNSCCommandsTest, CalcolaReportsItsFourChecksInOrder) {
    const struct {
        const char *start;
        const char *end;
        MsgKind kind;
        QString message;
        Edit *TfrmContrattiNSC::*focus;  // nullptr: the focus stays
    } cases[] = {
        {"", "", MsgKind::Warning, kMissingDate + QStringLiteral("inizio noleggio."), &TfrmContrattiNSC::txtDataInizio},
        {"  ", "10/03/2024", MsgKind::Warning, kMissingDate + QStringLiteral("inizio noleggio."),
         &TfrmContrattiNSC::txtDataInizio},
        {"10/03/2024", "", MsgKind::Warning, kMissingDate + QStringLiteral("fine noleggio."),
         &TfrmContrattiNSC::txtDataFine},
        {"31/02/2024", "31/02/2025", MsgKind::Plain,
         QStringLiteral("Attenzione: la data 31/02/2024 non esiste.") + kNoDate, &TfrmContrattiNSC::txtDataInizio},
        {" 10/03/2024", "11/03/2024", MsgKind::Plain,
         QStringLiteral("Attenzione: la data 10/03/2024 non esiste.") + kNoDate, &TfrmContrattiNSC::txtDataInizio},
        {"10/03/2024", "29/02/2023", MsgKind::Plain,
         QStringLiteral("Attenzione: la data 29/02/2023 non esiste.") + kNoDate, &TfrmContrattiNSC::txtDataFine},
        {"10/03/2024", "09/03/2024", MsgKind::Plain,
         QStringLiteral("Attenzione: la data di fine noleggio (09/03/2024) non pu\u00f2 essere anteriore a quella "
                        "di inizio noleggio (10/03/2024).\n\r\n\rPer poter visualizzare il riepilogo \u00e8 "
                        "necessario indicare un intervallo di tempo valido."),
         nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        card->txtDataInizio->setText(QString::fromLatin1(c.start));
        card->txtDataFine->setText(QString::fromLatin1(c.end));
        card->txtTotGiorni->setText(QStringLiteral("12"));
        card->txtNote->setFocus();
        messages.Expect(c.kind, c.message);
        card->cmdCalcolaClick();
        messages.Verify();
        EXPECT_EQ(card->txtTotGiorni->text(), QStringLiteral("12"));
        EXPECT_EQ(Focused(), c.focus ? static_cast<QWidget *>(card->*c.focus) : card->txtNote);
    }
}

// ---- the tax-code button and the guide ------------------------------------------------

TEST_F(ContrattiNSCCommandsTest, TaxCodeButtonOpensTheRightChecker) {
    ExpectTaxCodeChecker(modals, card->txtCodFisc, card->btnCodFisc);
}

TEST_F(ContrattiNSCCommandsTest, GuideOpensFromTheCardAndTheYearPanel) {
    auto expectGuide = [this] {
        modals.Expect<TfrmGuida>([](TfrmGuida &d) {
            EXPECT_EQ(d.lblTitolo->text(), QStringLiteral("App Contratti di autonoleggio senza conducente"));
            const QString text = d.txtGuida->toPlainText();
            EXPECT_EQ(text.split(QStringLiteral("\r\n\r\n")).size(), 10);
            EXPECT_TRUE(text.startsWith(QStringLiteral(
                "L'app Contratti N.S.C. consente di redigere contratti di autonoleggio senza conducente inserendo i "
                "dati sul momento oppure importando le informazioni da una prenotazione registrata.")));
            EXPECT_FALSE(text.contains(u'\n' + QString(u' ')));
            d.Close();
        });
    };
    expectGuide();
    Click(card->cmdGuida);
    modals.Verify();
    card->Close();
    card->Show();
    expectGuide();
    Click(card->imgGuida);
    modals.Verify();
}

// ---- the openers ---------------------------------------------------------------------------

TEST_F(ContrattiNSCCommandsTest, OpenersHandOverTheirTags) {
    const QString tag = QStringLiteral("contrattinsc");
    modals.Expect<TfrmTrovaClienti>([&](TfrmTrovaClienti &d) {
        EXPECT_EQ(d.lblMemory->text(), tag);
        d.Close();
    });
    Click(card->impCliente);
    modals.Expect<TfrmTrovaFlotta>([&](TfrmTrovaFlotta &d) {
        EXPECT_EQ(d.lblMemory->text(), tag);
        d.Close();
    });
    Click(card->impVeicolo);
    modals.Expect<TfrmTrovaTariffa>([&](TfrmTrovaTariffa &d) {
        EXPECT_EQ(d.lblMemory->text(), tag);
        d.Close();
    });
    Click(card->impTariffa);
    modals.Expect<TfrmImpPrenotazioni>([&](TfrmImpPrenotazioni &d) {
        EXPECT_EQ(d.lblMemory->text(), tag);
        d.Close();
    });
    Click(card->cmdImporta);
    modals.Expect<TfrmTrovaContrattiNSC>([&](TfrmTrovaContrattiNSC &d) {
        EXPECT_EQ(d.lblMemory->text(), tag);
        d.Close();
    });
    Click(card->cmdTrova);
    modals.Expect<TfrmStampaContrattoNSC>([&](TfrmStampaContrattoNSC &d) {
        EXPECT_EQ(d.lblMemory->text(), tag);
        d.Close();
    });
    Click(card->cmdWord);
    modals.Expect<TfrmNumerazione>([&](TfrmNumerazione &d) {
        EXPECT_EQ(d.lblMemory->text(), tag);
        EXPECT_EQ(d.Caption(), QStringLiteral(" Impostazione inizio numerazione contratti"));
        d.Close();
    });
    Click(card->cmdNumerazione);
    modals.Verify();
    // Each dialog is a new one, owned by the card while it is open.
    EXPECT_TRUE(card->findChildren<TfrmTrovaClienti *>().isEmpty());
    EXPECT_TRUE(card->findChildren<TfrmNumerazione *>().isEmpty());
}

TEST_F(ContrattiNSCCommandsTest, OpenersWithoutTagsOpenTheirDialogs) {
    modals.Expect<TfrmDaSaldare>([&](TfrmDaSaldare &d) {
        EXPECT_EQ(d.parent(), card);
        EXPECT_NE(&d, frmDaSaldare);
        d.Close();
    });
    Click(card->cmdDaSaldare);
    modals.Expect<TfrmExpContratti>([&](TfrmExpContratti &d) {
        EXPECT_NE(&d, frmExpContratti);
        d.Close();
    });
    Click(card->cmdEsporta);
    modals.Expect<TfrmStampaLav>([&](TfrmStampaLav &d) {
        EXPECT_NE(&d, frmStampaLav);
        d.Close();
    });
    Click(card->cmdStampa);
    modals.Expect<TfrmLogo>([&](TfrmLogo &d) {
        EXPECT_NE(&d, frmLogo);
        d.Close();
    });
    Click(card->btnLogo);
    modals.Verify();
}

TEST_F(ContrattiNSCCommandsTest, PrivacyNoticeTakesTheCardsTextsUnsaved) {
    const std::pair<Edit *, const char *> texts[] = {
        {card->txtNumContratto, " 12 "}, {card->txtData, "10/03/2026 "},  {card->txtDitta, " Ditta Srl"},
        {card->txtCliente, "Rossi Mario"}, {card->txtCodFisc, "RSSMRA80A01H501U"}, {card->txtDataNasc, "01/01/1980"},
        {card->txtComuneNasc, "Roma"},    {card->txtPrivacy, " Mario Rossi "}, {card->txtLuogo, " Milano "},
    };
    for (const auto &[edit, text] : texts) edit->setText(QString::fromLatin1(text));
    card->txtProvNasc->setText(QStringLiteral(" rm"));
    modals.Expect<TfrmPrivacy>([](TfrmPrivacy &d) {
        EXPECT_EQ(d.txtNumContratto->text(), QStringLiteral("12"));
        EXPECT_EQ(d.txtData->text(), QStringLiteral("10/03/2026"));
        EXPECT_EQ(d.txtDitta->text(), QStringLiteral("Ditta Srl"));
        EXPECT_EQ(d.txtCliente->text(), QStringLiteral("Rossi Mario"));
        EXPECT_EQ(d.txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
        EXPECT_EQ(d.txtDataNasc->text(), QStringLiteral("01/01/1980"));
        EXPECT_EQ(d.txtComuneNasc->text(), QStringLiteral("Roma"));
        EXPECT_EQ(d.txtProvNasc->text(), QStringLiteral("rm"));
        EXPECT_EQ(d.txtPrivacy->text(), QStringLiteral("Mario Rossi"));
        EXPECT_EQ(d.txtLuogoFirma->text(), QStringLiteral("Milano"));
        EXPECT_EQ(d.txtDataFirma->text(), QStringLiteral("10/03/2026"));
        d.Close();
    });
    Click(card->btnPrivacy);
    modals.Verify();
    EXPECT_FALSE(folder.Exists(ContractArchive()));
}

TEST_F(ContrattiNSCCommandsTest, AttachmentsGoBothWays) {
    card->lblFile01->setText(QStringLiteral("  patente.pdf "));
    card->lblDesc01->setText(QStringLiteral(" Patente"));
    card->lblFile03->setText(QStringLiteral("carta.pdf"));
    modals.Expect<TfrmAllegaCartella>([](TfrmAllegaCartella &d) {
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("contrattinsc"));
        EXPECT_EQ(d.txtFile01->text(), QStringLiteral("patente.pdf"));
        EXPECT_EQ(d.txtDesc01->text(), QStringLiteral("Patente"));
        EXPECT_EQ(d.txtFile02->text(), QString());
        EXPECT_EQ(d.txtFile03->text(), QStringLiteral("carta.pdf"));
        d.txtDesc03->setText(QStringLiteral("Carta d'identit\u00e0"));
        d.btnApplicaClick();
    });
    Click(card->cmdFile);
    modals.Verify();
    EXPECT_EQ(card->lblDesc03->text(), QStringLiteral("Carta d'identit\u00e0"));
    EXPECT_EQ(card->lblFile01->text(), QStringLiteral("patente.pdf"));
}

// ---- what the picks write back -----------------------------------------------------------------

TEST_F(ContrattiNSCCommandsTest, CustomerPickFillsSeventeenFieldsAndKeepsTheRecordNumber) {
    WriteArchive(QStringLiteral("Clienti.pro"), CustomerRecord,
                 {Customer({{"Cognome", QStringLiteral("Rossi")},
                            {"Nome", QStringLiteral("Mario Alberto Giovanni Battista Luigi Francesco")},
                            {"Sesso", QStringLiteral("M")},
                            {"IndirizzoRes", QStringLiteral("Via Roma 1")},
                            {"ComuneRes", QStringLiteral("Roma")},
                            {"ProvRes", QStringLiteral("rm")},
                            {"CapRes", QStringLiteral("00100")},
                            {"CodFisc", QStringLiteral("RSSMRA80A01H501U")},
                            {"Recapito", QStringLiteral("06 123456")},
                            {"DataNasc", QStringLiteral("01/01/1980")},
                            {"ComuneNasc", QStringLiteral("Milano")},
                            {"ProvNasc", QStringLiteral("MI")},
                            {"TipoPat", QStringLiteral("B")},
                            {"NumPat", QStringLiteral("U1234567")},
                            {"EnteRil", QStringLiteral("MCTC")},
                            {"DataRil", QStringLiteral("01/02/2000")},
                            {"DataSca", QStringLiteral("01/02/2030")},
                            {"Conducente", QStringLiteral("Bianchi Anna")},
                            {"TelCel", QStringLiteral("333 1234567")},
                            {"Note", QStringLiteral("non copiata")}})});
    WriteContracts({FullContract(QStringLiteral("A")), FullContract(QStringLiteral("B"))});
    Click(card->cmdUltimo);
    modals.Expect<TfrmTrovaClienti>([](TfrmTrovaClienti &d) {
        Click(d.btnCerca);
        DoubleClickLine(d.lstRecords, 0);
    });
    Click(card->impCliente);
    modals.Verify();
    const QString joined = QStringLiteral("Rossi Mario Alberto Giovanni Battista Luigi Francesco");
    EXPECT_EQ(card->txtCliente->text(), joined);
    EXPECT_EQ(card->txtSesso->text(), QStringLiteral("M"));
    EXPECT_EQ(card->txtProvRes->text(), QStringLiteral("rm"));  // normalised only when the user leaves it
    EXPECT_EQ(card->txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(card->txtDataSca->text(), QStringLiteral("01/02/2030"));
    EXPECT_EQ(card->txtConducente->text(), QStringLiteral("Bianchi Anna"));
    EXPECT_EQ(card->txtNote->text(), QStringLiteral("NoteB"));
    EXPECT_EQ(card->txtDitta->text(), QStringLiteral("DittaB"));
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
    // "Salva" writes the same record, the joined name cut to its 50 characters.
    messages.Expect(MsgKind::Information, SavedNotice());
    Click(card->cmdSalva);
    EXPECT_EQ(StoredContractCount(), 2);
    EXPECT_EQ(StoredContract(2).Text("Cliente"), joined.left(50));
    EXPECT_EQ(StoredContract(1).Bytes(), FullContract(QStringLiteral("A")).Bytes());
}

TEST_F(ContrattiNSCCommandsTest, VehicleAndTariffPicksJoinANewCard) {
    WriteFleet({Vehicle({{"Veicolo", QStringLiteral("Autovettura")},
                         {"Marca", QStringLiteral("Fiat")},
                         {"Modello", QStringLiteral("Panda")},
                         {"Colore", QStringLiteral("Rosso")},
                         {"Alimentazione", QStringLiteral("Benzina")},
                         {"Impianti", QStringLiteral("Clima")},
                         {"Targa", QStringLiteral("AB123CD")},
                         {"Posti", QStringLiteral("5")},
                         {"Telaio", QStringLiteral("non copiato")}})});
    WriteTariffs({Tariff({{"Tariffa", QStringLiteral("Giornaliera")},
                          {"Descrizione", QStringLiteral("Giorno")},
                          {"Codice", QStringLiteral("G1")},
                          {"Conteggio", QStringLiteral("24 ore")},
                          {"Eccedenza", QStringLiteral("a ore")},
                          {"Importo", QStringLiteral("45,00")},
                          {"Cauzione", QStringLiteral("Trecento euro in contanti")},
                          {"Assicurazioni", QStringLiteral("Kasko")}})});
    NewContract();
    modals.Expect<TfrmTrovaFlotta>([](TfrmTrovaFlotta &d) {
        Click(d.btnCerca);
        DoubleClickLine(d.lstRecords, 0);
    });
    Click(card->impVeicolo);
    modals.Expect<TfrmTrovaTariffa>([](TfrmTrovaTariffa &d) {
        Click(d.btnCerca);
        DoubleClickLine(d.lstRecords, 0);
    });
    Click(card->impTariffa);
    modals.Verify();
    EXPECT_EQ(card->txtVeicolo->text(), QStringLiteral("Autovettura"));
    EXPECT_EQ(card->txtMarca->text(), QStringLiteral("Fiat Panda"));
    EXPECT_EQ(card->txtImpianti->text(), QStringLiteral("Clima"));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral("AB123CD"));
    EXPECT_EQ(card->txtTariffa->text(), QStringLiteral("Giornaliera"));
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("45,00"));
    EXPECT_EQ(card->txtCauzione->text(), QStringLiteral("Trecento euro in contanti"));
    EXPECT_EQ(card->txtAssicurazioni->text(), QStringLiteral("Kasko"));
    EXPECT_EQ(card->lblPosizione->text(), QString());
    card->txtDitta->setText(QStringLiteral("Ditta"));
    card->txtLuogo->setText(QStringLiteral("Roma"));
    card->txtCliente->setText(QStringLiteral("Rossi"));
    messages.Expect(MsgKind::Information, InsertedNotice());
    Click(card->cmdSalva);
    EXPECT_EQ(StoredContract(1).Text("Cauzione"), QStringLiteral("Trecento e"));
    EXPECT_EQ(StoredContract(1).Text("Marca"), QStringLiteral("Fiat Panda"));
}

TEST_F(ContrattiNSCCommandsTest, ContractSearchLoadsTheWholeContract) {
    WriteContracts({FullContract(QStringLiteral("A")), FullContract(QStringLiteral("B"))});
    modals.Expect<TfrmTrovaContrattiNSC>([](TfrmTrovaContrattiNSC &d) {
        Click(d.btnCerca);
        DoubleClickLine(d.lstRecords, 1);
    });
    Click(card->cmdTrova);
    modals.Verify();
    EXPECT_FALSE(card->lblPosizione->text().isEmpty());
    const int n = card->lblPosizione->text().toInt();
    EXPECT_EQ(card->txtCliente->text(), StoredContract(n).Text("Cliente"));
    EXPECT_EQ(card->lblFile02->text(), StoredContract(n).Text("File02"));
}

TEST_F(ContrattiNSCCommandsTest, DatePickerWritesTheFieldItWasOpenedFrom) {
    card->txtDataFine->setFocus();
    modals.Expect<TfrmCalendario>([](TfrmCalendario &d) {
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("nsc_datafine"));
        d.calAppuntamenti->setSelectedDate(QDate(2026, 3, 20));
        d.btnImportaDataClick();
    });
    Type(card->txtDataFine, QStringLiteral("5"));
    modals.Verify();
    EXPECT_EQ(card->txtDataFine->text(), QStringLiteral("20/03/2026"));
    EXPECT_EQ(card->txtDataInizio->text(), QString());
}

}  // namespace
}  // namespace vel::test
