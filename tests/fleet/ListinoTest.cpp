#include <QDir>
#include <QFile>
#include <memory>
#include <vector>

#include "report/StandardFonts.h"
#include "FleetFixture.h"
#include "cards/ListReport.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "common/ListLines.h"
#include "dialogs/Guida.h"
#include "fleet/Listino.h"
#include "fleet/Tariffario.h"
#include "platform/QtPrint.h"

namespace vel::test {
namespace {

const QString kAllLists = QStringLiteral("Tutti i listini in archivio.");
const QString kFooter = QStringLiteral("Stampa eseguita in data 14/03/2026");
const QString kHyphens = QStringLiteral("--------------------------");

// A tariff as the price list shows it: the description in the list, kind,
// vehicle, class, seats and price, and the list it belongs to.
Record Tariff(const char *descList, const char *list, const char *price = "10,00", const char *kind = "Giornaliera",
              const char *vehicle = "Autovettura", const char *classe = "Economica", const char *seats = "5") {
    Record r(TariffRecord);
    r.SetText("Codice", QStringLiteral("C-") + U(descList));
    r.SetText("Descrizione", U(descList));
    r.SetText("DescList", U(descList));
    r.SetText("Listino", U(list));
    r.SetText("PrezzoList", U(price));
    r.SetText("Tariffa", U(kind));
    r.SetText("Veicolo", U(vehicle));
    r.SetText("Classe", U(classe));
    r.SetText("Posti", U(seats));
    return r;
}

// The archive most tests show, in file order.
std::vector<Record> Tariffs() {
    return {
        Tariff("Utilitaria al giorno", "Estate", "39,90"),
        Tariff("Furgone a ore", "Inverno", "15,00", "Oraria", "Furgone", "Grande", "3"),
        Tariff("Camper in settimana", "ESTATE 2", "850,00", "Settimanale", "Camper", "Lusso", "6"),
        Tariff("Scooter per il weekend", "Bassa estate", "45,5", "Weekend", "Scooter", "Mini", "2"),
        Tariff("Berlina senza listino", "", "70,00"),
        Tariff("Citycar in citt\xc3\xa0", "Citt\xc3\xa0", "29,00"),
    };
}

class ListinoTest : public FleetTest {
protected:
    // The price list as the tariff card opens it: owned by the card, given
    // the list's name, no tag.
    std::unique_ptr<TfrmListino> Open(const QString &name = QString()) {
        auto dlg = std::make_unique<TfrmListino>(frmTariffario);
        dlg->Create();
        dlg->txtTipologia->setText(name);
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    std::unique_ptr<TfrmListino> Show(const QString &name = QString()) {
        auto dlg = Open(name);
        Click(dlg->btnVisualizza);
        return dlg;
    }
    static QStringList Lines(const std::vector<Record> &tariffs, const std::vector<int> &indexes) {
        QStringList lines;
        for (int i : indexes) lines.append(PriceListLine(tariffs[i]));
        return lines;
    }
    static QStringList Labels(QWidget *panel) {
        QStringList texts;
        for (const QLabel *label : panel->findChildren<QLabel *>())
            if (label->isVisibleTo(panel) && label->pixmap().isNull()) texts.append(label->text());
        return texts;
    }
};

TEST_F(ListinoTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmListino"));
    EXPECT_EQ(frmListino->objectName(), QStringLiteral("frmListino"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Velmora - Listino Tariffe Noleggio"));
    EXPECT_TRUE(dlg->isMaximized());
    EXPECT_TRUE(dlg->panSelezione->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->panSelezione->geometry(), dlg->panContainer->geometry());
    EXPECT_EQ(dlg->panSelezione->size(), dlg->size());
    EXPECT_EQ(Focused(), dlg->txtTipologia);
    EXPECT_EQ(dlg->txtTipologia->MaxLength(), 0);
    EXPECT_TRUE(dlg->txtTipologia->font().bold());
    EXPECT_EQ(dlg->txtTipologia->font().pointSize(), 22);
    EXPECT_EQ(dlg->btnVisualizza->text(), QStringLiteral("Visualizza"));
    EXPECT_EQ(Labels(dlg->panSelezione),
              (QStringList{QStringLiteral("Indicare il nome di un listino e premere il pulsante Visualizza."),
                           QStringLiteral("Per ottenere l'elenco di tutti i listini in archivio, premere il pulsante "
                                          "Visualizza senza indicare alcun nome.")}));
    EXPECT_TRUE(dlg->btnGuida->isVisible());
    EXPECT_TRUE(dlg->imgEsci->isVisible());
    // No caller tag, no pick.
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("lblMemory")), nullptr);

    Click(dlg->btnVisualizza);
    EXPECT_FALSE(dlg->panSelezione->isVisible());
    EXPECT_TRUE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->lblTipologia->text(), QStringLiteral("Listino selezionato:"));
    EXPECT_EQ(dlg->infValore->text(), QStringLiteral("Totale tariffe in listino:"));
    EXPECT_EQ(dlg->btnTrova->text(), QStringLiteral("Trova"));
    EXPECT_EQ(dlg->btnElimina->text(), QStringLiteral("Elimina voce selezionata"));
    EXPECT_EQ(dlg->btnStampa->text(), QStringLiteral("Stampa listino tariffe"));
    EXPECT_EQ(dlg->btnEsci->text(), QStringLiteral("Esci"));
    EXPECT_TRUE(dlg->imgGuida->isVisible());
    // The two instruction lines of the find edit, above the list; nothing
    // about picking a line, since there is no pick.
    EXPECT_EQ(dlg->lblIstruzioni01->text(),
              U("Immettere una o pi\xc3\xb9 parole consecutive presenti nella scheda in elenco da cercare e premere "
                "il pulsante Trova."));
    EXPECT_EQ(dlg->lblIstruzioni02->text(),
              U("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su "
                "Trova."));
    EXPECT_LT(dlg->lblIstruzioni02->y(), dlg->lstRecords->y());
    EXPECT_FALSE(Labels(dlg->panContainer).join(u' ').contains(QStringLiteral("doppio clic")));
    // Everything lies inside the window.
    for (QWidget *w : dlg->panContainer->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(dlg->panContainer->rect().contains(w->geometry())) << w->objectName().toStdString();
}

// The card's "Listino" hands over its list name; the list shows the tariffs
// whose list name holds it, under that name, with their total.
TEST_F(ListinoTest, TheCardsListNameShowsItsList) {
    const std::vector<Record> tariffs = Tariffs();
    WriteTariffs(tariffs);
    frmTariffario->Show();
    ShowActive(frmTariffario);
    frmTariffario->txtListino->setText(QStringLiteral(" Estate "));
    modals.Expect<TfrmListino>([&](TfrmListino &d) {
        EXPECT_EQ(d.txtTipologia->text(), QStringLiteral("Estate"));
        Click(d.btnVisualizza);
        EXPECT_EQ(LinesOf(d.lstRecords), Lines(tariffs, {2, 3, 0}));
        EXPECT_EQ(d.titTipologia->text(), QStringLiteral("Estate"));
        EXPECT_EQ(d.lblTotale->text(), QStringLiteral("3"));
        Click(d.btnEsci);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.lstRecords->count(), 0);  // closing empties the list
    });
    Click(frmTariffario->cmdListino);
    EXPECT_EQ(folder.Read(kTariffArchive).size(), 6 * 4218);
}

TEST_F(ListinoTest, WhichTariffsAListNameShows) {
    const std::vector<Record> tariffs = Tariffs();
    WriteTariffs(tariffs);
    struct Case {
        const char *typed;
        std::vector<int> listed;  // indexes into Tariffs(), in list order
        QString title;
    };
    const Case cases[] = {
        {"Estate", {2, 3, 0}, QStringLiteral("Estate")},
        {"eSTATE", {2, 3, 0}, QStringLiteral("eSTATE")},
        // Every tariff once, those of no list included.
        {"", {4, 2, 5, 1, 3, 0}, kAllLists},
        {"   ", {4, 2, 5, 1, 3, 0}, kAllLists},
        // The name as typed: a blank before it must be in the list name too.
        {" estate", {3}, QStringLiteral("estate")},
        {"estate 2", {2}, QStringLiteral("estate 2")},
        {"CITT\xc3\x80", {}, U("CITT\xc3\x80")},
        {"citt\xc3\xa0", {5}, U("citt\xc3\xa0")},
        {"Primavera", {}, QStringLiteral("Primavera")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        auto dlg = Open();
        Type(dlg->txtTipologia, U(c.typed));
        Click(dlg->btnVisualizza);
        EXPECT_EQ(LinesOf(dlg->lstRecords), Lines(tariffs, c.listed));
        EXPECT_EQ(dlg->titTipologia->text(), c.title);
        EXPECT_EQ(dlg->lblTotale->text(), QString::number(c.listed.size()));
        EXPECT_TRUE(dlg->panContainer->isVisible());
        EXPECT_FALSE(dlg->panSelezione->isVisible());
    }
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ListinoTest, TheLineOfATariffInTheList) {
    // A description in the list longer than 55, a vehicle longer than 20, a
    // class longer than 12 and five characters of seats are cut; the price is
    // shown as stored.
    const Record tariff = Tariff("Noleggio giornaliero di autovettura di classe superiore con autista",
                                 "Estate", "1234,5678", "Chilometrica", "Autovettura elettrica", "Intermedia plus",
                                 "12345");
    const Record plain = Tariff("Moto", "Estate", "0,00", "Oraria", "", "", "");
    WriteTariffs({tariff, plain});
    auto dlg = Show(QStringLiteral("estate"));
    ASSERT_EQ(dlg->lstRecords->count(), 2);
    EXPECT_EQ(dlg->lstRecords->Line(0),
              QStringLiteral("Moto") + QString(51, u' ') + QStringLiteral("  Tariffa Oraria") + QString(8, u' ') +
                  QStringLiteral("  ") + QString(20, u' ') + QStringLiteral("  Cl. ") + QString(12, u' ') +
                  QStringLiteral("  Posti: ") + QString(4, u' ') + QStringLiteral("  Prezzo: \u20ac 0,00"));
    EXPECT_EQ(dlg->lstRecords->Line(1),
              QStringLiteral("Noleggio giornaliero di autovettura di classe superiore  Tariffa Chilometrica  "
                             "  Autovettura elettric  Cl. Intermedia p  Posti: 1234  Prezzo: \u20ac 1234,5678"));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(dlg->lstRecords->Line(i).mid(132, 12), QStringLiteral("  Prezzo: \u20ac ")) << i;
    ExpectResultListLook(dlg->lstRecords, 1400);
}

// The price stands past the 1400 pixels the lines are laid out in at least;
// scrolled sideways to the end, it shows whole.
TEST_F(ListinoTest, ScrollingSidewaysShowsTheWholePrice) {
    WriteTariffs({Tariff("Utilitaria al giorno", "Estate", "27,50"), Tariff("Camper", "Estate", "1850,00")});
    auto dlg = Show(QStringLiteral("Estate"));
    ASSERT_EQ(dlg->lstRecords->count(), 2);
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        EXPECT_FALSE(LineEndShown(dlg->lstRecords, row, 2));
        ScrollSideways(dlg->lstRecords, row);
        EXPECT_TRUE(LineEndShown(dlg->lstRecords, row, 2));
        ScrollSideways(dlg->lstRecords, row, 0);
    }
    // A line removed leaves the rest scrolling to their end.
    dlg->lstRecords->setCurrentRow(0);
    Click(dlg->btnElimina);
    ScrollSideways(dlg->lstRecords, 0);
    EXPECT_TRUE(LineEndShown(dlg->lstRecords, 0, 2));
}

TEST_F(ListinoTest, MissingArchiveIsCreatedAndGivesAnEmptyList) {
    auto dlg = Show(QStringLiteral("Estate"));
    EXPECT_TRUE(folder.Exists(kTariffArchive));
    EXPECT_EQ(folder.Read(kTariffArchive).size(), 0);
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    EXPECT_EQ(dlg->lblTotale->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->titTipologia->text(), QStringLiteral("Estate"));
    EXPECT_TRUE(dlg->panContainer->isVisible());
}

// An archive that cannot be read says nothing and keeps the selection panel,
// so that the user may try again.
TEST_F(ListinoTest, ArchiveThatCannotBeOpenedIsNotReported) {
    folder.Block(kTariffArchive);
    auto dlg = Open(QStringLiteral("Estate"));
    Click(dlg->btnVisualizza);
    EXPECT_TRUE(dlg->panSelezione->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->lblTotale->text(), QStringLiteral("0"));
    EXPECT_TRUE(messages.Shown().empty());

    QFile::remove(folder.Path(kTariffArchive));
    QDir(folder.Path(QString())).rmdir(kTariffArchive);
    WriteTariffs(Tariffs());
    Click(dlg->btnVisualizza);
    EXPECT_TRUE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->lblTotale->text(), QStringLiteral("3"));
}

// Lines leave the list only: the total follows, the print ends with it, and
// the archive stays whole for the next opening.
TEST_F(ListinoTest, RemovedLinesLeaveTheListOnly) {
    std::vector<Record> tariffs;
    for (int i = 1; i <= 10; ++i)
        tariffs.push_back(Tariff(QStringLiteral("Tariffa %1").arg(i, 2, 10, QChar(u'0')).toUtf8().constData(),
                                 "Estate"));
    WriteTariffs(tariffs);
    const QByteArray before = folder.Read(kTariffArchive);
    auto dlg = Show(QStringLiteral("Estate"));
    ASSERT_EQ(dlg->lstRecords->count(), 10);
    const QStringList all = LinesOf(dlg->lstRecords);
    for (int row : {9, 4, 0}) {
        dlg->lstRecords->setCurrentRow(row);
        Click(dlg->btnElimina);
        // Nothing stays selected: each removal needs its own choice.
        EXPECT_EQ(SelectedRow(dlg->lstRecords), -1);
    }
    const QStringList left = {all[1], all[2], all[3], all[5], all[6], all[7], all[8]};
    EXPECT_EQ(LinesOf(dlg->lstRecords), left);
    EXPECT_EQ(dlg->lblTotale->text(), QStringLiteral("7"));

    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    ASSERT_EQ(printer.printed[0].pages.size(), 1);
    EXPECT_EQ(printer.printed[0].title, QStringLiteral("Listino selezionato: Estate"));
    EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
              (QStringList{QStringLiteral("Listino selezionato: Estate")} + left +
               QStringList{kHyphens, QStringLiteral("Totale tariffe in listino: 7"), kFooter}));
    EXPECT_EQ(folder.Read(kTariffArchive), before);

    Click(dlg->btnEsci);
    auto again = Show(QStringLiteral("Estate"));
    EXPECT_EQ(LinesOf(again->lstRecords), all);
    EXPECT_EQ(again->lblTotale->text(), QStringLiteral("10"));
}

TEST_F(ListinoTest, EliminaWithoutASelectionOnlyWarns) {
    WriteTariffs(Tariffs());
    const QString warning = QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole eliminare "
                                           "prima di premere il pulsante di cancellazione.");
    auto dlg = Show();
    messages.Expect(MsgKind::Warning, warning);
    Click(dlg->btnElimina);
    EXPECT_EQ(dlg->lstRecords->count(), 6);
    EXPECT_EQ(dlg->lblTotale->text(), QStringLiteral("6"));

    // After a removal nothing is selected, so a second press only warns.
    dlg->lstRecords->setCurrentRow(2);
    Click(dlg->btnElimina);
    messages.Expect(MsgKind::Warning, warning);
    Click(dlg->btnElimina);
    EXPECT_EQ(dlg->lstRecords->count(), 5);
    EXPECT_EQ(dlg->lblTotale->text(), QStringLiteral("5"));

    // On an empty list too.
    auto empty = Show(QStringLiteral("Primavera"));
    messages.Expect(MsgKind::Warning, warning);
    Click(empty->btnElimina);
    EXPECT_EQ(empty->lblTotale->text(), QStringLiteral("0"));
}

TEST_F(ListinoTest, TrovaSearchesTheListAndAnEmptyOneSaysSoInAnInformationBox) {
    const std::vector<Record> tariffs = Tariffs();
    WriteTariffs(tariffs);
    {
        // Berlina, Camper, Citycar, Furgone a ore, Scooter, Utilitaria.
        auto dlg = Show();
        Type(dlg->txtTrova, QStringLiteral("ORE"));
        // Enter in the find edit does nothing of its own.
        Press(dlg->txtTrova, Qt::Key_Return);
        EXPECT_EQ(Focused(), dlg->txtTrova);
        EXPECT_EQ(SelectedRow(dlg->lstRecords), -1);
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 3);  // Furgone a ore
        dlg->lstRecords->setCurrentRow(1);
        dlg->txtTrova->clear();
        Type(dlg->txtTrova, QStringLiteral("EURO"));  // no line holds it: the selection stays
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
        dlg->txtTrova->clear();
        Type(dlg->txtTrova, QStringLiteral("a"));
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 0);
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
    }
    {
        // A new dialog does not forget the last find when it opens, but when
        // it builds its list: "a" then starts again from the first line.
        auto dlg = Show();
        dlg->lstRecords->setCurrentRow(2);
        Type(dlg->txtTrova, QStringLiteral("a"));
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 0);
    }
    auto empty = Show(QStringLiteral("Primavera"));
    messages.Expect(MsgKind::Information,
                    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    Click(empty->btnTrova);
}

TEST_F(ListinoTest, StampaPrintsTheListWithItsTotal) {
    const std::vector<Record> tariffs = Tariffs();
    WriteTariffs(tariffs);
    auto dlg = Show(QStringLiteral("   "));
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
              (QStringList{QStringLiteral("Listino selezionato: Tutti i listini in archivio.")} +
               Lines(tariffs, {4, 2, 5, 1, 3, 0}) +
               QStringList{kHyphens, QStringLiteral("Totale tariffe in listino: 6"), kFooter}));

    // An empty list prints its title, the hyphens and a total of 0.
    auto empty = Show(QStringLiteral("Primavera"));
    Click(empty->btnStampa);
    ASSERT_EQ(printer.printed.size(), 2u);
    EXPECT_EQ(StringsOf(printer.printed[1].pages[0]),
              (QStringList{QStringLiteral("Listino selezionato: Primavera"), kHyphens,
                           QStringLiteral("Totale tariffe in listino: 0"), kFooter}));

    // A failed print says why; the list stays as it was.
    printer.failWith = QStringLiteral("carta esaurita");
    dlg->lstRecords->setCurrentRow(2);
    messages.Expect(MsgKind::Error, PrintFailureMessage(QStringLiteral("carta esaurita")));
    Click(dlg->btnStampa);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 6);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
}

// Forty lines and the two extra ones make one block of 42 lines, each
// 12.822 report units below the last.
TEST_F(ListinoTest, FortyLinesPrintABlockOfFortyTwo) {
    std::vector<Record> tariffs;
    for (int i = 1; i <= 40; ++i)
        tariffs.push_back(Tariff(QStringLiteral("Voce %1").arg(i, 2, 10, QChar(u'0')).toUtf8().constData(), "Base"));
    WriteTariffs(tariffs);
    auto dlg = Show(QStringLiteral("base"));
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    ASSERT_EQ(printer.printed[0].pages.size(), 1);
    const std::vector<PageText> texts = TextsOf(printer.printed[0].pages[0]);
    ASSERT_EQ(texts.size(), 44u);
    EXPECT_EQ(texts[0].text, QStringLiteral("Listino selezionato: base"));
    EXPECT_EQ(texts[41].text, kHyphens);
    EXPECT_EQ(texts[42].text, QStringLiteral("Totale tariffe in listino: 40"));
    EXPECT_EQ(texts[43].text, kFooter);
    EXPECT_NEAR(texts[42].at.y() - texts[1].at.y(), 41 * 12.822 * 0.75, 0.05);
    // Courier New is painted with a font of the same widths as the PDF's Courier.
    for (int i = 1; i <= 42; ++i) EXPECT_TRUE(report::IsFixedPitch(texts[i].font.family())) << i;
}

TEST_F(ListinoTest, BothGuidePicturesOpenTheGuide) {
    const QStringList paragraphs = {
        QStringLiteral("L'app Listino Tariffe Noleggio consente di visualizzare tutti i listini della propria ditta "
                       "di autonoleggio o soltanto quelli appartenenti ad una tipologia. A tal fine \u00e8 "
                       "sufficiente servirsi del pulsante contraddistinto dalla lettera \"L\" nell'ambiente di lavoro "
                       "del tariffario, indicare il nome di un listino nell'apposito campo che compare nella finestra "
                       "successiva e premere il pulsante Visualizza. Per ottenere l'elenco di tutti i listini, bisogna "
                       "premere il pulsante Visualizza senza immettere nessun dato."),
        QStringLiteral("La finestra dei listini mostra in apertura l'elenco dettagliato delle tariffe applicate dalla "
                       "propria Ditta di autonoleggio, indicando per ciascuno di esse la descrizione in listino, la "
                       "tipologia di tariffa, il tipo di veicolo, la classe di appartenenza, il numero di posti e il "
                       "prezzo indicato nel listino. In calce alla schermata \u00e8 riportato il numero totale delle "
                       "tariffe elencate nel listino."),
        QStringLiteral("Il campo \"Listino di appartenenza\" presente nella schermata del tariffario \u00e8 molto "
                       "importante ai fini della creazione dei listini parziali, dal momento che serve ad associare "
                       "la tariffa ad un determinato listino. Questo significa che l'utente deve inserire lo stesso "
                       "valore in tale campo all'interno della scheda di ciascuna tariffa che si vuole faccia parte "
                       "di un determinato listino parziale."),
        QStringLiteral("Il pulsante Stampa listino tariffe permette di ottenere su carta l'elenco delle tariffe "
                       "visualizzate in quel momento con l'indicazione in calce del totale delle voci in elenco."),
    };
    const auto expectGuide = [&](TfrmGuida &d) {
        EXPECT_EQ(d.lblTitolo->text(), QStringLiteral("App Listino Tariffe Noleggio"));
        EXPECT_EQ(d.txtGuida->toPlainText(), paragraphs.join(QStringLiteral("\r\n\r\n")));
        d.Close();
    };
    WriteTariffs(Tariffs());
    auto dlg = Open(QStringLiteral("Estate"));
    modals.Expect<TfrmGuida>(expectGuide);
    Click(dlg->btnGuida);
    EXPECT_TRUE(dlg->panSelezione->isVisible());  // the guide changes nothing here
    Click(dlg->btnVisualizza);
    modals.Expect<TfrmGuida>(expectGuide);
    Click(dlg->imgGuida);
    EXPECT_EQ(dlg->lstRecords->count(), 3);
    EXPECT_EQ(modals.Opened(), (QStringList{QStringLiteral("frmGuida"), QStringLiteral("frmGuida")}));
    // Each guide was the dialog's own, destroyed when it returned.
    EXPECT_TRUE(dlg->findChildren<TfrmGuida *>().isEmpty());
}

TEST_F(ListinoTest, ExitPicturesCloseAndADoubleClickPicksNothing) {
    WriteTariffs(Tariffs());
    {
        auto dlg = Open();
        Click(dlg->imgEsci);
        EXPECT_FALSE(dlg->isVisible());
    }
    frmTariffario->lblPosizione->setText(QStringLiteral("2"));
    auto dlg = Show();
    DoubleClickLine(dlg->lstRecords, 1);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 6);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
    EXPECT_EQ(frmTariffario->lblPosizione->text(), QStringLiteral("2"));
    EXPECT_EQ(frmTariffario->txtCodice->text(), QString());
    Click(dlg->btnEsci);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
