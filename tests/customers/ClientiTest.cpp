// The customer card's own behaviour: its looks, its record on disk, its
// hints, the checkers, the mail, the dialogs it opens, and what the customer
// search and the attachments dialog write into it.
#include <QCheckBox>

#include "CustomerFixture.h"
#include "cards/Receivers.h"
#include "common/TextRules.h"
#include "customers/Clienti.h"
#include "customers/ExpClienti.h"
#include "customers/Ricontatta.h"
#include "customers/TrovaClienti.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/Carta.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/Iban.h"
#include "dialogs/PartitaIVA.h"
#include "shell/Avvio.h"
#include "support/TaxCodeChecks.h"

namespace vel::test {
namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kInserted = QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio.");
const QString kSaved = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
constexpr int kRicontattaOffset = 1642;

class ClientiTest : public CustomerTest {
protected:
    void SetUp() override {
        CustomerTest::SetUp();
        card = frmClienti;
        card->Show();
        ShowActive(card);
    }
    // The card's control for a field: "txt" + field (an edit or a combo edit).
    QWidget *ControlOf(std::string_view field) const {
        return card->findChild<QWidget *>(QStringLiteral("txt") +
                                          QString::fromLatin1(field.data(), qsizetype(field.size())));
    }
    static void Put(QWidget *control, const QString &text) {
        if (auto *combo = qobject_cast<ComboEdit *>(control)) combo->setText(text);
        else if (auto *edit = qobject_cast<Edit *>(control)) edit->setText(text);
    }
    static QString TextOf(QWidget *control) {
        if (auto *combo = qobject_cast<ComboEdit *>(control)) return combo->text();
        if (auto *edit = qobject_cast<Edit *>(control)) return edit->text();
        return QString();
    }
    QStringList AttachmentTexts() const {
        return {card->lblFile01->text(), card->lblDesc01->text(), card->lblFile02->text(),
                card->lblDesc02->text(), card->lblFile03->text(), card->lblDesc03->text()};
    }
    // Every text the card shows, with the flag and the number.
    QStringList CardTexts() const {
        QStringList texts;
        for (const FieldDef &f : CustomerRecord.Fields())
            if (QWidget *c = ControlOf(f.name)) texts.append(TextOf(c));
        texts.append(card->chkRicontatta->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]"));
        texts += AttachmentTexts();
        texts.append(card->lblPosizione->text());
        return texts;
    }

    TfrmClienti *card = nullptr;
};

TEST_F(ClientiTest, CardLooksAsDesigned) {
    EXPECT_EQ(card->Caption(), QStringLiteral(" Velmora - Anagrafica Clienti"));
    EXPECT_EQ(card->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
    EXPECT_EQ(card->chkRicontatta->text(), QStringLiteral("Da ricontattare"));
    EXPECT_TRUE(card->lblPosizione->isVisible());
    EXPECT_TRUE(card->lblPosizione->font().bold());
    for (QLabel *hidden : {card->lblFile01, card->lblFile02, card->lblFile03, card->lblDesc01, card->lblDesc02,
                           card->lblDesc03})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();

    // The 31 text fields, each with its caption and a hidden frame.
    const std::pair<const char *, const char *> captions[] = {
        {"Cognome", "Cognome:"},
        {"Nome", "Nome:"},
        {"Ditta", "Denominazione Ditta:"},
        {"Sesso", "Sesso:"},
        {"Recapito", "Telefono preferenziale:"},
        {"IndirizzoRes", "Residente in Via / Piazza e numero civico:"},
        {"ProvRes", "Prov."},
        {"ComuneRes", "Comune di residenza:"},
        {"CapRes", "CAP:"},
        {"DataNasc", "Data di nascita:"},
        {"ComuneNasc", "Comune di nascita:"},
        {"ProvNasc", "Prov."},
        {"TelCasa", "Tel. casa:"},
        {"TelUff", "Tel. ufficio:"},
        {"TelCel", "Tel. cellulare:"},
        {"Pec", "Indirizzo PEC:"},
        {"Email", "E-mail:"},
        {"CodFisc", "Codice fiscale:"},
        {"Carta", "Carta di credito n."},
        {"ScadeCarta", "Scadenza:"},
        {"PartitaIva", "Partita IVA:"},
        {"Iban", "IBAN:"},
        {"TipoPat", "Tipo patente:"},
        {"NumPat", "Numero:"},
        {"EnteRil", "Ente di rilascio:"},
        {"DataRil", "Data di rilascio:"},
        {"DataSca", "Data di scadenza:"},
        {"Conducente", "Conducente supplementare:"},
        {"Questioni", "Questioni in sospeso:"},
        {"Note", "Note:"},
        {"CodiceDest", "Codice Destinatario (attribuito da SdI):"},
    };
    for (const auto &[field, caption] : captions) {
        SCOPED_TRACE(field);
        QWidget *control = ControlOf(field);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->isVisible());
        bool captioned = false;
        for (QLabel *label : control->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            captioned = captioned || label->text() == QString::fromUtf8(caption);
        EXPECT_TRUE(captioned);
        auto *frame = card->findChild<FocusFrame *>(QStringLiteral("eff") + QString::fromLatin1(field));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->isVisible(), control == ControlOf("Cognome"));  // the card opens on the surname
    }

    // The commands, top to bottom, with their words.
    const std::pair<ImageButton *, const char *> commands[] = {
        {card->cmdNuovo, "Nuovo"},       {card->cmdDuplica, "Duplica"},
        {card->cmdFile, "Allega file"},  {card->cmdSalva, "Salva"},
        {card->cmdTrova, "Trova"},       {card->cmdAnteprima, "Anteprima"},
        {card->cmdStampa, "Stampa"},     {card->cmdPDF, "Crea PDF"},
        {card->cmdRicontatta, "Da ricontattare"}, {card->cmdEsporta, "Esporta archivio"},
        {card->cmdGuida, "Guida"},       {card->cmdEsci, "Esci"},
    };
    int lastY = -1;
    for (const auto &[button, word] : commands) {
        EXPECT_EQ(button->accessibleName(), QString::fromUtf8(word));
        EXPECT_GT(button->y(), lastY) << word;
        lastY = button->y();
    }
    // The record number stands between the second and the third arrow.
    EXPECT_LT(card->cmdIndietro->x(), card->lblPosizione->x());
    EXPECT_LT(card->lblPosizione->x(), card->cmdAvanti->x());

    // Both province lists: the 112 codes in order, nothing chosen.
    for (ComboEdit *province : {card->txtProvRes, card->txtProvNasc}) {
        SCOPED_TRACE(province->objectName().toStdString());
        ASSERT_EQ(province->count(), 112);
        EXPECT_EQ(province->itemText(0), QStringLiteral("AG"));
        EXPECT_EQ(province->itemText(31), QStringLiteral("EE"));
        EXPECT_EQ(province->itemText(61), QStringLiteral("NA"));
        EXPECT_EQ(province->itemText(111), QStringLiteral("VV"));
        QStringList items;
        for (int i = 0; i < province->count(); ++i) items << province->itemText(i);
        QStringList sorted = items;
        sorted.sort();
        EXPECT_EQ(items, sorted);
        EXPECT_EQ(province->currentIndex(), -1);
        EXPECT_EQ(province->Editor()->MaxLength(), 2);
    }
}

TEST_F(ClientiTest, FirstSaveCreatesTheArchiveAndASecondRewritesRecordOne) {
    ASSERT_FALSE(folder.Exists(kCustomerArchive));
    card->txtCognome->setText(QStringLiteral("  Rossi "));
    card->txtNome->setText(QStringLiteral("Mario"));
    card->chkRicontatta->setChecked(true);
    messages.Expect(MsgKind::Information, kInserted);
    Click(card->cmdSalva);
    messages.Verify();
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    ASSERT_EQ(folder.Read(kCustomerArchive).size(), 3151);
    EXPECT_EQ(folder.Read(kCustomerArchive).mid(kRicontattaOffset, 3), QByteArray("\x02S\xec"));
    EXPECT_EQ(folder.Read(kCustomerArchive).left(6), QByteArray("\x05Rossi"));
    EXPECT_EQ(card->txtCognome->text(), QStringLiteral("  Rossi "));  // the card keeps what was typed

    card->chkRicontatta->setChecked(false);
    messages.Expect(MsgKind::Information, kSaved);
    Click(card->cmdSalva);
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("1"));
    ASSERT_EQ(folder.Read(kCustomerArchive).size(), 3151);
    EXPECT_EQ(folder.Read(kCustomerArchive).mid(kRicontattaOffset, 3), QByteArray("\x02No"));
}

// Every field of the record goes to its place, trimmed, byte for byte.
TEST_F(ClientiTest, EveryFieldIsStoredInItsPlace) {
    const Record full = FullCustomer(QStringLiteral("1"));
    for (const FieldDef &f : CustomerRecord.Fields())
        if (QWidget *c = ControlOf(f.name)) Put(c, QStringLiteral(" ") + full.Text(f.name) + QStringLiteral("\t "));
    card->chkRicontatta->setChecked(true);
    card->lblFile01->setText(full.Text("File01"));
    card->lblFile02->setText(full.Text("File02"));
    card->lblFile03->setText(full.Text("File03"));
    card->lblDesc01->setText(full.Text("Desc01"));
    card->lblDesc02->setText(full.Text("Desc02"));
    card->lblDesc03->setText(full.Text("Desc03"));
    messages.Expect(MsgKind::Information, kInserted);
    Click(card->cmdSalva);
    EXPECT_EQ(folder.Read(kCustomerArchive), full.Bytes());
    // The offsets of the record table, checked on the bytes written.
    const QByteArray bytes = folder.Read(kCustomerArchive);
    EXPECT_EQ(bytes.mid(1634, 8), QByteArray("\x07") + QByteArray("CodiceD"));
    EXPECT_EQ(bytes.at(2900), char(7));  // "Desc031" at the last field
}

// The archive holds Windows-1252: the euro sign and the accents go in as
// such, a character it cannot hold is stored as "?", a longer text is cut.
TEST_F(ClientiTest, TextsAreStoredInTheArchivesCodePage) {
    card->txtCognome->setText(QStringLiteral("Nicol\u00f2"));
    card->txtNome->setText(QStringLiteral("\u0141ukasz"));
    card->txtNote->setText(QStringLiteral("Cauzione 100 \u20ac"));
    card->txtSesso->setText(QStringLiteral("MF"));
    messages.Expect(MsgKind::Information, kInserted);
    Click(card->cmdSalva);
    const QByteArray bytes = folder.Read(kCustomerArchive);
    EXPECT_EQ(bytes.mid(0, 7), QByteArray("\x06Nicol\xf2"));
    EXPECT_EQ(bytes.mid(51, 7), QByteArray("\x06?ukasz"));
    EXPECT_EQ(bytes.mid(153, 2), QByteArray("\x01M"));
    EXPECT_EQ(bytes.mid(1383, 15), QByteArray("\x0e" "Cauzione 100 \x80"));
    EXPECT_EQ(bytes.mid(1383 + 15, 250 - 14), QByteArray(250 - 14, '\0'));  // unused bytes are zeros
}

TEST_F(ClientiTest, LoadingReplacesEveryControlButKeepsAnUnknownFlag) {
    WriteCustomers({FullCustomer(QStringLiteral("1")),
                    FullCustomer(QStringLiteral("2"), {{"Ricontatta", QStringLiteral("Forse")}}),
                    FullCustomer(QStringLiteral("3"), {{"Ricontatta", QStringLiteral("No")}})});
    Click(card->cmdPrimo);
    EXPECT_TRUE(card->chkRicontatta->isChecked());
    EXPECT_EQ(card->txtQuestioni->text(), QStringLiteral("Questioni1"));
    EXPECT_EQ(card->lblDesc03->text(), QStringLiteral("Desc031"));
    Click(card->cmdAvanti);
    EXPECT_TRUE(card->chkRicontatta->isChecked());  // "Forse" leaves the box as it was
    EXPECT_EQ(card->txtCognome->text(), QStringLiteral("Cognome2"));
    EXPECT_EQ(card->txtProvRes->text(), QStringLiteral("RM"));
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
    Click(card->cmdAvanti);
    EXPECT_FALSE(card->chkRicontatta->isChecked());
    Click(card->cmdAvanti);  // the last record: nothing happens
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("3"));
}

TEST_F(ClientiTest, ShowingClearsTheCardAndClosingShowsTheLauncher) {
    WriteCustomers({FullCustomer(QStringLiteral("1"))});
    Click(card->cmdUltimo);
    card->txtProvNasc->setCurrentIndex(3);
    card->txtNote->setFocus();
    card->Close();
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(card->isVisible());
    card->Show();
    ShowActive(card);
    for (const FieldDef &f : CustomerRecord.Fields())
        if (QWidget *c = ControlOf(f.name)) {
            EXPECT_EQ(TextOf(c), QString()) << f.name;
        }
    EXPECT_FALSE(card->chkRicontatta->isChecked());
    EXPECT_EQ(AttachmentTexts(), QStringList(6, QString()));
    EXPECT_EQ(card->lblPosizione->text(), QString());
    EXPECT_EQ(card->txtProvNasc->currentIndex(), -1);
    EXPECT_EQ(Focused(), card->txtCognome);
    EXPECT_EQ(StoredCustomerCount(), 1);  // nothing was saved
}

TEST_F(ClientiTest, HintsFollowThePointer) {
    const std::pair<QWidget *, const char *> hints[] = {
        {card->cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {card->cmdDuplica, "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {card->cmdFile, "Allega file alla scheda corrente."},
        {card->cmdSalva, "Salva la scheda corrente in archivio."},
        {card->cmdTrova, "Trova una scheda in archivio."},
        {card->cmdAnteprima, "Visualizza l'anteprima di stampa."},
        {card->cmdStampa, "Stampa la scheda corrente."},
        {card->cmdPDF, "Esporta la scheda in formato PDF."},
        {card->cmdRicontatta, "Visualizza l'elenco dei Clienti da ricontattare."},
        {card->cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {card->cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {card->cmdEsci, "Esci da questa schermata di lavoro."},
        {card->cmdPrimo, "Visualizza la prima scheda in archivio."},
        {card->cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {card->cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {card->cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {card->btnCodFisc, "Controlla il codice fiscale."},
        {card->btnPartitaIva, "Controlla il numero di partita IVA."},
        {card->btnCarta, "Controlla il numero di carta di credito."},
        {card->btnIban, "Controlla l'IBAN."},
        {card->btnEmail, "Invia una e-mail all'indirizzo indicato."},
        {card->chkRicontatta, "Annota che il cliente \u00e8 da ricontattare per questioni in sospeso."},
    };
    for (const auto &[control, hint] : hints) {
        SCOPED_TRACE(control->objectName().toStdString());
        MoveMouseOver(control);
        EXPECT_EQ(card->panInfo->text(), QString::fromUtf8(hint));
    }
    MoveMouseOver(card->txtCognome);  // an edit changes nothing
    EXPECT_EQ(card->panInfo->text(), QString::fromUtf8(hints[21].second));
    for (QWidget *background : {static_cast<QWidget *>(card->shpAnagrafica), static_cast<QWidget *>(card->shpQuestioni),
                                static_cast<QWidget *>(card->lblPosizione)}) {
        MoveMouseOver(card->cmdSalva);
        MoveMouseOver(background, QPoint(2, 2));
        EXPECT_EQ(card->panInfo->text(), QString()) << background->objectName().toStdString();
    }
}

TEST_F(ClientiTest, TaxCodeButtonOpensTheRightChecker) {
    ExpectTaxCodeChecker(modals, card->txtCodFisc, card->btnCodFisc);
}

// The other checkers take their edit's trimmed text, an empty one too, and
// write nothing back.
TEST_F(ClientiTest, CheckersTakeTheTrimmedTexts) {
    for (const char *text : {"  01234567890 ", ""}) {
        SCOPED_TRACE(text);
        const QString typed = QString::fromLatin1(text);
        const QString trimmed = Trim(typed);
        card->txtPartitaIva->setText(typed);
        card->txtCarta->setText(typed);
        card->txtIban->setText(typed);
        const QStringList before = CardTexts();
        modals.Expect<TfrmPartitaIva>([&](TfrmPartitaIva &d) {
            EXPECT_EQ(d.txtPartitaIva->text(), trimmed);
            d.txtPartitaIva->setText(QStringLiteral("99"));
            d.Close();
        });
        Click(card->btnPartitaIva);
        modals.Expect<TfrmCarta>([&](TfrmCarta &d) {
            EXPECT_EQ(d.txtNumero->text(), trimmed);
            d.Close();
        });
        Click(card->btnCarta);
        modals.Expect<TfrmIban>([&](TfrmIban &d) {
            EXPECT_EQ(d.txtIban->text(), trimmed);
            d.Close();
        });
        Click(card->btnIban);
        modals.Verify();
        EXPECT_EQ(CardTexts(), before);
    }
}

TEST_F(ClientiTest, TheMailButtonHandsTheTrimmedAddressToTheMailProgram) {
    FakeShell shell;
    const struct {
        const char *typed;
        const char *opened;
    } cases[] = {
        {"  mario.rossi@esempio.it ", "\"mailto:mario.rossi@esempio.it\""},
        {"", "\"mailto:\""},
        // What would end the address early is encoded; the user's text stays.
        {"a&b#c%d@esempio.it", "\"mailto:a%26b%23c%25d@esempio.it\""},
        // A "?" would start the query inside the address and add a copy.
        {"a?cc=x@y.it", "\"mailto:a%3Fcc=x@y.it\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        shell.opened.clear();
        card->txtEmail->setText(QString::fromLatin1(c.typed));
        Click(card->btnEmail);
        EXPECT_EQ(shell.opened, QStringList{QString::fromLatin1(c.opened)});
        EXPECT_EQ(card->txtEmail->text(), QString::fromLatin1(c.typed));
    }

    // Without a mail program the user is told so; the card stays as it was.
    shell.opens = false;
    messages.Expect(MsgKind::Warning,
                    QStringLiteral("Attenzione: impossibile avviare il programma di posta elettronica.\r\n\r\n"
                                   "Verificare che nel sistema sia installato e configurato un programma di posta "
                                   "elettronica."));
    Click(card->btnEmail);
    messages.Verify();
    EXPECT_TRUE(card->isVisible());
}

TEST_F(ClientiTest, DialogOpenersHandOverTheirTagAndTexts) {
    modals.Expect<TfrmTrovaClienti>([](TfrmTrovaClienti &d) {
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("clienti"));
        d.Close();
    });
    Click(card->cmdTrova);

    modals.Expect<TfrmRicontatta>([](TfrmRicontatta &d) { d.Close(); });
    Click(card->cmdRicontatta);

    modals.Expect<TfrmExpClienti>([](TfrmExpClienti &d) { d.Close(); });
    Click(card->cmdEsporta);

    modals.Expect<TfrmGuida>([](TfrmGuida &d) {
        EXPECT_EQ(d.lblTitolo->text(), QStringLiteral("App Anagrafica Clienti"));
        const QStringList paragraphs = d.txtGuida->toPlainText().split(QStringLiteral("\r\n\r\n"));
        ASSERT_EQ(paragraphs.size(), 10);
        EXPECT_TRUE(paragraphs[0].startsWith(QStringLiteral(
            "L'app Anagrafica Clienti \u00e8 utile per velocizzare la compilazione dei vari documenti messi a "
            "disposizione dal software grazie alla possibilit\u00e0 di importare i dati, ma pu\u00f2 essere usata "
            "anche come una completa rubrica elettronica dotata di funzioni avanzate quali l'invio di e-mail al "
            "cliente, il controllo della validit\u00e0 del codice fiscale, della partita IVA, del numero di carta di "
            "credito e del codice IBAN.")));
        for (const QString &p : paragraphs) EXPECT_FALSE(p.trimmed().isEmpty());
        EXPECT_TRUE(paragraphs[5].contains(QStringLiteral("Duplica")));
        EXPECT_TRUE(paragraphs[9].contains(QStringLiteral("PDF")));
        d.Close();
    });
    Click(card->cmdGuida);
    modals.Verify();
}

// The search's pick with the tag "clienti" loads the whole customer and its
// number, dropping what the card showed.
TEST_F(ClientiTest, ThePickForThisCardLoadsTheWholeCustomer) {
    const ApplyRecord pick = RegisteredPick(QStringLiteral("frmTrovaClienti"), QStringLiteral("clienti"));
    ASSERT_TRUE(bool(pick));
    card->txtNote->setText(QStringLiteral("non salvato"));
    card->chkRicontatta->setChecked(false);
    card->lblFile02->setText(QStringLiteral("vecchio.pdf"));
    const Record customer = FullCustomer(QStringLiteral("7"));
    pick(customer, 7);
    for (const FieldDef &f : CustomerRecord.Fields())
        if (QWidget *c = ControlOf(f.name)) {
            EXPECT_EQ(TextOf(c), customer.Text(f.name)) << f.name;
        }
    EXPECT_TRUE(card->chkRicontatta->isChecked());
    EXPECT_EQ(AttachmentTexts(), (QStringList{"File017", "Desc017", "File027", "Desc027", "File037", "Desc037"}));
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("7"));

    // A flag that is neither "S\u00ec" nor "No" leaves the box alone; the next
    // "Salva" writes over the picked record.
    WriteCustomers({FullCustomer(QStringLiteral("1")), FullCustomer(QStringLiteral("2"))});
    pick(FullCustomer(QStringLiteral("2"), {{"Ricontatta", QStringLiteral("?")}}), 2);
    EXPECT_TRUE(card->chkRicontatta->isChecked());
    card->txtNome->setText(QStringLiteral("Giulia"));
    messages.Expect(MsgKind::Information, kSaved);
    Click(card->cmdSalva);
    EXPECT_EQ(StoredCustomerCount(), 2);
    EXPECT_EQ(StoredCustomer(2).Text("Nome"), QStringLiteral("Giulia"));
    EXPECT_EQ(StoredCustomer(2).Text("Ricontatta"), QStringLiteral("S\u00ec"));
    EXPECT_EQ(StoredCustomer(1).Bytes(), FullCustomer(QStringLiteral("1")).Bytes());
}

// "Applica e chiudi" of the attachments dialog writes into this card, and
// the next "Salva" stores the attachments with the customer.
TEST_F(ClientiTest, TheAttachmentsDialogWritesIntoTheCard) {
    card->txtCognome->setText(QStringLiteral("Bianchi"));
    card->txtNome->setText(QStringLiteral("Anna"));
    card->lblFile01->setText(QStringLiteral("vecchio.pdf"));
    card->lblDesc01->setText(QStringLiteral("Vecchio"));
    modals.Expect<TfrmAllegaCartella>([](TfrmAllegaCartella &d) {
        d.txtDesc01->setText(QStringLiteral("  Carta d'identit\u00e0 "));
        d.txtDesc03->setText(QStringLiteral("Solo descrizione"));
        Click(d.btnApplica);
    });
    Click(card->cmdFile);
    modals.Verify();
    EXPECT_EQ(AttachmentTexts(), (QStringList{"vecchio.pdf", U("Carta d'identit\u00e0"), "", "", "",
                                              "Solo descrizione"}));
    EXPECT_EQ(card->txtCognome->text(), QStringLiteral("Bianchi"));
    messages.Expect(MsgKind::Information, kInserted);
    Click(card->cmdSalva);
    EXPECT_EQ(StoredCustomer(1).Text("Desc01"), U("Carta d'identit\u00e0"));
    EXPECT_EQ(StoredCustomer(1).Text("Desc03"), QStringLiteral("Solo descrizione"));
    EXPECT_EQ(StoredCustomer(1).Text("File01"), QStringLiteral("vecchio.pdf"));

    // "Annulla" writes nothing.
    modals.Expect<TfrmAllegaCartella>([](TfrmAllegaCartella &d) {
        d.txtDesc02->setText(QStringLiteral("mai"));
        Click(d.btnAnnulla);
    });
    Click(card->cmdFile);
    EXPECT_EQ(card->lblDesc02->text(), QString());
}

// The names of the focus frames lit on the card.
QStringList LitFrames(const QWidget *window) {
    QStringList lit;
    for (const FocusFrame *frame : window->findChildren<FocusFrame *>())
        if (frame->isVisible()) lit << frame->objectName();
    return lit;
}

// Only the field with the focus is framed, whatever closed or covered the
// card: closed from a field and shown again, and after a checker dialog.
TEST_F(ClientiTest, OneFieldIsFramedAfterAClosingOrADialog) {
    card->txtCarta->setFocus();
    ASSERT_EQ(LitFrames(card), QStringList{"effCarta"});
    Click(card->cmdEsci);
    ASSERT_FALSE(card->isVisible());
    EXPECT_TRUE(LitFrames(card).isEmpty());
    card->Show();
    ShowActive(card);
    EXPECT_EQ(Focused(), card->txtCognome);
    EXPECT_EQ(LitFrames(card), QStringList{"effCognome"});
    Click(card->txtProvNasc->Editor());
    EXPECT_EQ(LitFrames(card), QStringList{"effProvNasc"});

    card->txtIban->setFocus();
    modals.Expect<TfrmIban>([this](TfrmIban &d) {
        QApplication::setActiveWindow(&d);
        EXPECT_TRUE(LitFrames(card).isEmpty());
        d.Close();
    });
    Click(card->btnIban);
    modals.Verify();
    Click(card->txtNote);  // the click comes first, the activation after
    QApplication::setActiveWindow(card);
    EXPECT_EQ(Focused(), card->txtNote);
    EXPECT_EQ(LitFrames(card), QStringList{"effNote"});
}

// A tag the card does not know, or this card's own tag in another case,
// reaches no customer.
TEST_F(ClientiTest, OnlyTheExactTagReachesTheCard) {
    for (const char *tag : {"Clienti", "CLIENTI", "cliente", ""})
        EXPECT_FALSE(bool(RegisteredPick(QStringLiteral("frmTrovaClienti"), QString::fromLatin1(tag)))) << tag;
    AttachmentLabels labels{};
    ASSERT_TRUE(RegisteredAttachments(QStringLiteral("clienti"), labels));
    EXPECT_EQ(labels.file[0], card->lblFile01);
    EXPECT_EQ(labels.desc[2], card->lblDesc03);
}

}  // namespace
}  // namespace vel::test
