// The booking import: its year panel, the search through FindDialog, and the
// fifteen fields a pick copies into the contract card.
#include <QLineEdit>

#include "ContractFixture.h"
#include "cards/FindDialog.h"
#include "cards/ReportPages.h"
#include "common/ListLines.h"
#include "contracts/ImpPrenotazioni.h"
#include "support/FindSuite.h"

namespace vel::test {
namespace {

const QString kBookings = QStringLiteral("2026.car");

// The bookings most tests search, in file order. Their lines sort as
// alfa, Citroën, Fiat Auto, Fiat Panda, Lancia, _Prova.
std::vector<Record> Bookings() {
    return {
        Booking({{"Marca", U("Fiat")}, {"Modello", U("Panda")}, {"Targa", U("AB111AA")}, {"Cliente", U("Rossi Mario")},
                 {"Recapito", U("051 111")}, {"DataRit", U("10/03/2026")}, {"OraRit", U("09:00")},
                 {"DataRic", U("12/03/2026")}, {"OraRic", U("18:30")}, {"Veicolo", U("Autovettura")},
                 {"Colore", U("Rosso")}, {"Alimentazione", U("Benzina")}, {"Posti", U("5")},
                 {"CodFisc", U("RSSMRA80A01H501U")}, {"SedeRit", U("Roma")}, {"SedeRic", U("Milano")},
                 {"TelCel", U("333 1")}, {"Email", U("rossi@example.it")}}),
        Booking({{"Marca", U("Lancia")}, {"Modello", U("Ypsilon")}, {"Targa", U("CD222BB")}, {"Cliente", U("Verdi Anna")},
                 {"Veicolo", U("Autovettura")}, {"SedeRit", U("Napoli")}, {"DataRit", U("01/04/2026")}}),
        Booking({{"Marca", U("Fiat Auto")}, {"Modello", U("Dobl\xc3\xb2")}, {"Targa", U("EF333CC")},
                 {"Cliente", U("Rossi Luca")}, {"Veicolo", U("Furgone")}, {"SedeRit", U("Roma")}}),
        Booking({{"Marca", U("Citro\xc3\xabn")}, {"Modello", U("C3")}, {"Targa", U("GH444DD")}, {"Cliente", U("Bianchi")},
                 {"Veicolo", U("Autovettura")}}),
        Booking({{"Marca", U("alfa")}, {"Modello", U("Mito")}, {"Targa", U("IJ555EE")}, {"Cliente", U("Rossi Carla")},
                 {"Veicolo", U("Autovettura")}, {"SedeRit", U("Roma Termini")}}),
        Booking({{"Marca", U("_Prova")}, {"Modello", U("X")}, {"Cliente", U("Neri")}}),
    };
}

const int kSorted[] = {4, 3, 2, 0, 1, 5};

// The import as the contract card opens it, its year left at the clock's.
struct BookingImport {
    using Window = TfrmImpPrenotazioni;
    using Card = TfrmContrattiNSC;
    static constexpr bool kKeepsRecordNumber = true;
    static Card *Owner() { return frmContrattiNSC; }
    static QString Tag() { return QStringLiteral("contrattinsc"); }
    static QString OtherTag() { return QStringLiteral("prenotazioni"); }
    static void Opened(Window &dlg) { Click(dlg.btnApri); }
    static const RecordLayout &Layout() { return BookingRecord; }
    static QString Archive() { return kBookings; }
    static QString Line(const Record &r) { return BookingListLine(r); }
    static QString ReportTitle() { return QStringLiteral("Riepilogo prenotazione veicoli"); }
    static std::vector<Record> Records() { return Bookings(); }
    static std::vector<int> Sorted() { return {std::begin(kSorted), std::end(kSorted)}; }
    static Criteria Narrowing() { return {{"txtVeicolo", U("autovettura")}, {"txtSedeRit", U("roma")}}; }
    static std::vector<int> Narrowed() { return {4, 0}; }
    static QString FindText() { return U("rossi"); }  // Carla, Luca, Mario
    static std::vector<int> FindRows() { return {0, 2, 3}; }
    static QString LoneFindText() { return U("verdi"); }
    static int LoneFindRow() { return 4; }
    // The Panda again, as a blue van: neither shows in the line.
    static Record Twin(Record r) {
        r.SetText("Veicolo", U("Furgone"));
        r.SetText("Colore", U("Blu"));
        return r;
    }
    static int TwinOf() { return 0; }
    static const char *ShownField() { return "Targa"; }
    static void ExpectCardShows(const Record &booking, const QString &) {
        EXPECT_EQ(ControlTextOf(frmContrattiNSC, "txtTarga"), booking.Text("Targa"));
        EXPECT_EQ(ControlTextOf(frmContrattiNSC, "txtVeicolo"), booking.Text("Veicolo"));
        EXPECT_EQ(ControlTextOf(frmContrattiNSC, "txtColore"), booking.Text("Colore"));
        // The booking joins the contract on screen: its record number stays.
        EXPECT_EQ(frmContrattiNSC->lblPosizione->text(), QString());
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(ImpPrenotazioni, FindSuite, BookingImport);

class ImpPrenotazioniTest : public FindTest<BookingImport> {
protected:
    // The dialog on its year panel, as the card opens it.
    std::unique_ptr<TfrmImpPrenotazioni> OpenOnYear() {
        auto dlg = std::make_unique<TfrmImpPrenotazioni>(frmContrattiNSC);
        dlg->Create();
        dlg->lblMemory->setText(QStringLiteral("contrattinsc"));
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    static QString Card(const char *control) { return ControlTextOf(frmContrattiNSC, control); }
};

TEST_F(ImpPrenotazioniTest, WindowLooksAsDesigned) {
    auto dlg = OpenOnYear();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmImpPrenotazioni"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Importa dati da archivio annuale prenotazioni"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_TRUE(dlg->panAnno->isVisible());
    EXPECT_FALSE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->panAnno->geometry(), dlg->panAvvio->geometry());
    EXPECT_EQ(dlg->panAnno->geometry(), dlg->panContainer->geometry());

    EXPECT_EQ(dlg->lblTitolo->text(), QStringLiteral("Importa dati da archivio annuale prenotazioni."));
    EXPECT_EQ(dlg->lblInfoAnno->text(), QStringLiteral("Indicare l'anno solare e premere Apri."));
    EXPECT_EQ(dlg->lblInfo01->text(),
              U("Utilizzare questo ambiente per compilare il documento attingendo i dati da una prenotazione."));
    EXPECT_EQ(dlg->lblInfo02->text(), U("N.B. Ciascun documento pu\xc3\xb2 importare i dati da una sola prenotazione."));
    EXPECT_EQ(dlg->btnApri->text(), QStringLiteral("Apri"));
    EXPECT_EQ(dlg->btnClose->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->btnNoCerca->text(), QStringLiteral("Cerca"));
    EXPECT_FALSE(dlg->btnNoCerca->isEnabled());
    EXPECT_FALSE(dlg->lblFile->isVisible());
    EXPECT_EQ(dlg->txtAnno->text(), QStringLiteral("2026"));
    EXPECT_EQ(dlg->txtAnno->MaxLength(), 4);
    EXPECT_EQ(Focused(), dlg->txtAnno);
    if (const QByteArray dir = qgetenv("VELMORA_GRAB_DIR"); !dir.isEmpty())
        dlg->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/ImpPrenotazioni-anno.png"));

    Click(dlg->btnApri);
    EXPECT_FALSE(dlg->panAnno->isVisible());
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_EQ(Focused(), dlg->txtDataRit);
    EXPECT_TRUE(dlg->effDataRit->isVisible());
    const struct {
        Edit *edit;
        FocusFrame *frame;
        const char *caption;
    } criteria[] = {
        {dlg->txtDataRit, dlg->effDataRit, "Data partenza (gg/mm/aaaa):"},
        {dlg->txtDataRic, dlg->effDataRic, "Data rientro (gg/mm/aaaa):"},
        {dlg->txtVeicolo, dlg->effVeicolo, "Tipo veicolo:"},
        {dlg->txtMarca, dlg->effMarca, "Marca:"},
        {dlg->txtModello, dlg->effModello, "Modello:"},
        {dlg->txtTarga, dlg->effTarga, "Targa:"},
        {dlg->txtCliente, dlg->effCliente, "Cognome e nome cliente:"},
        {dlg->txtCodFisc, dlg->effCodFisc, "Codice fiscale:"},
        {dlg->txtSedeRit, dlg->effSedeRit, "Sede partenza:"},
        {dlg->txtSedeRic, dlg->effSedeRic, "Sede rientro:"},
    };
    QStringList texts;
    for (const QLabel *label : dlg->panAvvio->findChildren<QLabel *>())
        if (label->isVisibleTo(dlg.get())) texts.append(label->text());
    for (size_t i = 0; i < std::size(criteria); ++i) {
        const auto &c = criteria[i];
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(dlg->Criteria()[i], c.edit);
        EXPECT_EQ(c.edit->MaxLength(), 0);
        EXPECT_TRUE(texts.contains(U(c.caption)));
        // Enter goes on to the next criterion, the last back to the first,
        // and the frame follows the focus.
        ASSERT_EQ(Focused(), c.edit);
        EXPECT_TRUE(c.frame->isVisible());
        Press(c.edit, Qt::Key_Return);
        EXPECT_FALSE(c.frame->isVisible());
    }
    EXPECT_EQ(Focused(), dlg->txtDataRit);
    if (const QByteArray dir = qgetenv("VELMORA_GRAB_DIR"); !dir.isEmpty())
        dlg->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/ImpPrenotazioni-criteri.png"));

    WriteRecords(Bookings());
    EXPECT_EQ(dlg->lblTrovate->text(), QStringLiteral("Il presente elenco contiene 0 schede."));
    Click(dlg->btnCerca);
    EXPECT_TRUE(dlg->panContainer->isVisible());
    ExpectResultListLook(dlg->lstRecords, 1600);
    if (const QByteArray dir = qgetenv("VELMORA_GRAB_DIR"); !dir.isEmpty())
        dlg->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/ImpPrenotazioni-elenco.png"));
}

// The six instruction lines carry the dialog's names: 01 to 03 on the result
// panel, 04 to 06 on the criteria panel.
TEST_F(ImpPrenotazioniTest, TheInstructionLinesCarryTheirNames) {
    auto dlg = OpenOnYear();
    const struct {
        const char *name;
        QWidget *panel;
        const char *text;
    } lines[] = {
        {"lblRigo01", dlg->panContainer,
         "Immettere una o pi\xc3\xb9 parole consecutive presenti nella scheda in elenco da cercare e premere il "
         "pulsante Trova."},
        {"lblRigo02", dlg->panContainer,
         "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su Trova."},
        {"lblRigo03", dlg->panContainer, "Per richiamare i dati di una scheda, selezionarla con un doppio clic."},
        {"lblRigo04", dlg->panAvvio,
         "Immettere nei campi prescelti una o pi\xc3\xb9 parole consecutive presenti nelle schede da trovare e "
         "premere il pulsante Cerca."},
        {"lblRigo05", dlg->panAvvio, "Lasciare in bianco tutti gli altri campi."},
        {"lblRigo06", dlg->panAvvio,
         "Per ogni ricerca \xc3\xa8 possibile utilizzare uno o pi\xc3\xb9 campi contemporaneamente."},
    };
    for (const auto &line : lines) {
        SCOPED_TRACE(line.name);
        const auto *label = dlg->findChild<QLabel *>(QString::fromLatin1(line.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), line.panel);
        EXPECT_EQ(label->text(), U(line.text));
    }
}

// The year needs its four digits: fewer give the warning and the year panel
// stays; a year of four opens the criteria without touching any file; Enter
// in the year goes to "Apri" without pressing it; "Chiudi" closes.
TEST_F(ImpPrenotazioniTest, TheYearNeedsFourDigits) {
    auto dlg = OpenOnYear();
    dlg->txtAnno->clear();
    Type(dlg->txtAnno, QStringLiteral("2a0x2"));
    EXPECT_EQ(dlg->txtAnno->text(), QStringLiteral("202"));
    Press(dlg->txtAnno, Qt::Key_Return);
    EXPECT_EQ(Focused(), dlg->btnApri);
    EXPECT_TRUE(dlg->panAnno->isVisible());

    messages.Expect(MsgKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    Click(dlg->btnApri);
    messages.Verify();
    EXPECT_TRUE(dlg->panAnno->isVisible());
    EXPECT_FALSE(dlg->panAvvio->isVisible());
    EXPECT_EQ(Focused(), dlg->txtAnno);
    EXPECT_EQ(dlg->lblFile->text(), QString());

    Type(dlg->txtAnno, QStringLiteral("5"));
    Click(dlg->btnApri);
    EXPECT_EQ(dlg->lblFile->text(), ProgramPath(QStringLiteral("2025.car")));
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_TRUE(QDir(folder.Path(QString())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    auto other = OpenOnYear();
    Click(other->btnClose);
    EXPECT_FALSE(other->isVisible());
}

// The proposed year comes selected: a year typed at once replaces it and
// "Apri" opens that year, not the proposed one; on the next opening
// Backspace empties the proposed year in one stroke.
TEST_F(ImpPrenotazioniTest, AYearTypedAtOnceReplacesTheProposedOne) {
    auto dlg = OpenOnYear();
    EXPECT_EQ(Focused(), dlg->txtAnno);
    EXPECT_EQ(dlg->txtAnno->selectedText(), QStringLiteral("2026"));
    Type(dlg->txtAnno, QStringLiteral("2025"));
    EXPECT_EQ(dlg->txtAnno->text(), QStringLiteral("2025"));
    Press(dlg->txtAnno, Qt::Key_Return);
    Press(dlg->btnApri, Qt::Key_Return);
    EXPECT_EQ(dlg->lblFile->text(), ProgramPath(QStringLiteral("2025.car")));
    EXPECT_TRUE(dlg->panAvvio->isVisible());

    auto again = OpenOnYear();
    EXPECT_EQ(again->txtAnno->selectedText(), QStringLiteral("2026"));
    Press(again->txtAnno, Qt::Key_Backspace);
    EXPECT_EQ(again->txtAnno->text(), QString());
}

// The year of the import is its own: last year's bookings are listed and
// picked into a contract of this year.
TEST_F(ImpPrenotazioniTest, TheYearIsTheDialogsOwn) {
    WriteRecords(Bookings());
    WriteArchive(QStringLiteral("2025.car"), BookingRecord,
                 {Booking({{"Marca", U("Opel")}, {"Modello", U("Corsa")}, {"Targa", U("ZZ999ZZ")},
                           {"Cliente", U("Gialli Ugo")}})});
    frmContrattiNSC->lblFile->setText(ProgramPath(ContractArchive(2026)));
    auto dlg = OpenOnYear();
    dlg->txtAnno->setText(QStringLiteral("2025"));
    Click(dlg->btnApri);
    Click(dlg->btnCerca);
    ASSERT_EQ(LinesOf(dlg->lstRecords).size(), 1);
    EXPECT_TRUE(dlg->lstRecords->Line(0).startsWith(QStringLiteral("Opel Corsa")));
    EXPECT_EQ(dlg->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 1 schede."));
    DoubleClickLine(dlg->lstRecords, 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Card("txtTarga"), QStringLiteral("ZZ999ZZ"));
    EXPECT_EQ(Card("txtCliente"), QStringLiteral("Gialli Ugo"));
    EXPECT_EQ(frmContrattiNSC->lblFile->text(), ProgramPath(ContractArchive(2026)));
}

// A pick copies the fifteen fields, trimmed, make and model joined by one
// blank; an empty field empties its control; nothing else of the card
// changes, its record number least of all.
TEST_F(ImpPrenotazioniTest, APickCopiesTheFifteenFieldsAndNothingElse) {
    const Record full = Bookings()[0];
    const Record sparse = Booking({{"Marca", U("Fiat")}, {"Targa", U("KL666FF")}, {"Cliente", U("Blu Ada")}});
    WriteRecords({full, sparse});
    // A contract already on the card.
    const Record contract = FullContract(QStringLiteral("x"));
    frmContrattiNSC->ShowRecord(contract, 4);
    ASSERT_EQ(frmContrattiNSC->lblPosizione->text(), QStringLiteral("4"));
    const auto untouched = [&] {
        QStringList texts;
        for (const FieldDef &field : ContractRecord.Fields()) {
            const QByteArray control = "txt" + QByteArray(field.name.data(), qsizetype(field.name.size()));
            bool filled = false;
            for (const ControlFill &fill : BookingImportFills()) filled = filled || control == fill.control;
            if (!filled && field.name.substr(0, 4) != "File" && field.name.substr(0, 4) != "Desc" &&
                field.name != "DaSaldare")
                texts.append(Card(control.constData()));
        }
        texts.append(frmContrattiNSC->lblPosizione->text());
        texts.append(frmContrattiNSC->lblFile01->text());
        return texts;
    };
    const QStringList before = untouched();

    const struct {
        const char *control;
        QString full;
        QString sparse;
    } expected[] = {
        {"txtDataInizio", U("10/03/2026"), QString()}, {"txtOraInizio", U("09:00"), QString()},
        {"txtDataFine", U("12/03/2026"), QString()},   {"txtOraFine", U("18:30"), QString()},
        {"txtVeicolo", U("Autovettura"), QString()},   {"txtMarca", U("Fiat Panda"), U("Fiat ")},
        {"txtColore", U("Rosso"), QString()},          {"txtAlimentazione", U("Benzina"), QString()},
        {"txtTarga", U("AB111AA"), U("KL666FF")},      {"txtPosti", U("5"), QString()},
        {"txtCliente", U("Rossi Mario"), U("Blu Ada")}, {"txtCodFisc", U("RSSMRA80A01H501U"), QString()},
        {"txtRecapito", U("051 111"), QString()},      {"txtSedeRit", U("Roma"), QString()},
        {"txtSedeRic", U("Milano"), QString()},
    };
    ASSERT_EQ(BookingImportFills().size(), std::size(expected));
    for (const bool second : {false, true}) {
        SCOPED_TRACE(second);
        auto dlg = Search({{"txtTarga", second ? U("kl6") : U("ab1")}});
        ASSERT_EQ(dlg->lstRecords->count(), 1);
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_FALSE(dlg->isVisible());
        for (const auto &e : expected) EXPECT_EQ(Card(e.control), second ? e.sparse : e.full) << e.control;
        EXPECT_EQ(untouched(), before);
    }
    EXPECT_EQ(StoredContractCount(), 0);
    EXPECT_TRUE(messages.Shown().empty());
}

// Every control the pick fills is a text control of the contract card.
TEST_F(ImpPrenotazioniTest, EveryFilledControlIsOnTheCard) {
    for (const ControlFill &fill : BookingImportFills()) {
        QWidget *control = nullptr;
        for (QWidget *w : frmContrattiNSC->findChildren<QWidget *>(QString::fromLatin1(fill.control)))
            if (w->window() == frmContrattiNSC) control = w;
        ASSERT_NE(control, nullptr) << fill.control;
        EXPECT_TRUE(qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)) << fill.control;
    }
}

// "Stampa" prints the list under its own title.
TEST_F(ImpPrenotazioniTest, StampaPrintsTheListUnderItsTitle) {
    WriteRecords(Bookings());
    auto dlg = Search({});
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    const QStringList strings = StringsOf(printer.printed[0].pages[0]);
    ASSERT_FALSE(strings.isEmpty());
    EXPECT_EQ(strings.front(), QStringLiteral("Riepilogo prenotazione veicoli"));
    for (const QString &line : LinesOf(dlg->lstRecords)) EXPECT_TRUE(strings.contains(line)) << line.toStdString();
}

// The card's import command opens the dialog with the card's tag, on its
// year panel.
TEST_F(ImpPrenotazioniTest, TheCardOpensItWithItsTag) {
    WriteRecords(Bookings());
    frmContrattiNSC->lblPosizione->setText(QStringLiteral("2"));
    modals.Expect<TfrmImpPrenotazioni>([](TfrmImpPrenotazioni &dlg) {
        EXPECT_EQ(dlg.lblMemory->text(), QStringLiteral("contrattinsc"));
        EXPECT_TRUE(dlg.panAnno->isVisible());
        EXPECT_EQ(dlg.txtAnno->text(), QStringLiteral("2026"));
        Click(dlg.btnApri);
        Type(dlg.txtCliente, QStringLiteral("VERDI"));
        Click(dlg.btnCerca);
        ASSERT_EQ(dlg.lstRecords->count(), 1);
        DoubleClickLine(dlg.lstRecords, 0);
    });
    frmContrattiNSC->cmdImportaClick();
    modals.Verify();
    EXPECT_EQ(Card("txtCliente"), QStringLiteral("Verdi Anna"));
    EXPECT_EQ(Card("txtMarca"), QStringLiteral("Lancia Ypsilon"));
    EXPECT_EQ(frmContrattiNSC->lblPosizione->text(), QStringLiteral("2"));
}

}  // namespace
}  // namespace vel::test
