#include <QDir>
#include <QFile>
#include <memory>

#include "FleetFixture.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "fleet/Disponibili.h"
#include "fleet/Flotta.h"
#include "platform/QtPrint.h"
#include "support/ReadFault.h"

namespace vel::test {
namespace {

const QString kYes = U("S\xc3\xac");

class DisponibiliTest : public FleetTest {
protected:
    // The list as the vehicle card opens it: owned by the card, no tag.
    std::unique_ptr<TfrmDisponibili> Open() {
        auto dlg = std::make_unique<TfrmDisponibili>(frmFlotta);
        dlg->Create();
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    static Record Car(const char *make, const char *model, const QString &flag, const char *note = "") {
        return Vehicle({{"Marca", U(make)}, {"Modello", U(model)}, {"Disponibile", flag}, {"Note", U(note)},
                        {"File01", U(make) + QStringLiteral(".pdf")}});
    }
};

TEST_F(DisponibiliTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmDisponibili"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Riepilogo veicoli disponibili"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_TRUE(dlg->panContainer->isVisible());
    EXPECT_EQ(Focused(), dlg->txtTrova);
    EXPECT_EQ(dlg->btnTrova->text(), QStringLiteral("Trova"));
    EXPECT_EQ(dlg->btnStampa->text(), QStringLiteral("Stampa"));
    EXPECT_EQ(dlg->btnChiudi->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->lblIstruzioni01->text(),
              U("Immettere una o pi\xc3\xb9 parole consecutive presenti nella scheda in elenco da cercare e premere "
                "il pulsante Trova."));
    EXPECT_EQ(dlg->lblIstruzioni03->text(),
              U("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    // No count, no criteria, no tag.
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("lblTrovate")), nullptr);
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("lblMemory")), nullptr);
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("panAvvio")), nullptr);
}

TEST_F(DisponibiliTest, ListsOnlyVehiclesFlaggedYesInListOrder) {
    std::vector<Record> fleet = {
        Car("Lancia", "Ypsilon", kYes, "da luglio"),
        Car("Fiat", "Panda", QStringLiteral("No")),
        Car("alfa", "Mito", kYes),
        Car("Fiat", "Uno", QString()),
        Car("Audi", "A3", U("s\xc3\xac")),  // written by some other program
        Car("Bmw", "X1", QStringLiteral("Si")),
        Car("Alfa", "Giulia", kYes),
    };
    WriteFleet(fleet);
    auto dlg = Open();
    EXPECT_EQ(LinesOf(dlg->lstRecords),
              (QStringList{VehicleListLine(fleet[6]), VehicleListLine(fleet[2]), VehicleListLine(fleet[0])}));
    // Alfa Giulia before alfa Mito: small and capital letters sort together.
    EXPECT_TRUE(dlg->lstRecords->Line(0).startsWith(QStringLiteral("Alfa Giulia")));
    ExpectResultListLook(dlg->lstRecords, 1600);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DisponibiliTest, NothingAvailableGivesAnEmptyList) {
    struct Case {
        const char *label;
        bool archive;
    };
    for (const Case c : {Case{"no archive at all", false}, Case{"no ticked vehicle", true}}) {
        SCOPED_TRACE(c.label);
        if (c.archive) WriteFleet({Car("Fiat", "Panda", QStringLiteral("No"))});
        auto dlg = Open();
        EXPECT_TRUE(folder.Exists(kFleetArchive));  // a missing archive is created empty
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        messages.Expect(MsgKind::Plain, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        Click(dlg->btnTrova);
        printer.printed.clear();
        Click(dlg->btnStampa);
        ASSERT_EQ(printer.printed.size(), 1u);
        EXPECT_EQ(printer.printed[0].title, QStringLiteral("Riepilogo veicoli disponibili"));
        EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
                  (QStringList{QStringLiteral("Riepilogo veicoli disponibili"),
                               QStringLiteral("Stampa eseguita in data 14/03/2026")}));
    }
}

// An archive that cannot be opened, or fails part way: a list of some of the
// available vehicles would pass for all of them, so the failure is said and
// no line is shown; the list stays open.
TEST_F(DisponibiliTest, AnArchiveThatFailsIsReportedAndListsNothing) {
    folder.Block(kFleetArchive);
    messages.Expect(MsgKind::Error, ArchiveFailureMessage());
    {
        auto dlg = Open();
        messages.Verify();
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        EXPECT_TRUE(dlg->isVisible());
    }
    QDir(folder.Path(QString())).rmdir(kFleetArchive);
    std::vector<Record> many;
    for (int i = 0; i < 200; ++i) many.push_back(Car("Fiat", "Panda", kYes));
    WriteFleet(many);
    {
        ReadFault badSectors(folder.Path(kFleetArchive), qint64(100) * VehicleRecord.Size());
        messages.Expect(MsgKind::Error, ArchiveFailureMessage());
        auto dlg = Open();
        messages.Verify();
        EXPECT_GE(badSectors.Refused(), 1);
        EXPECT_EQ(dlg->lstRecords->count(), 0);
    }
    // Readable again, the next opening lists every one.
    auto dlg = Open();
    EXPECT_EQ(dlg->lstRecords->count(), 200);
}

TEST_F(DisponibiliTest, TrovaAndStampaWorkOnTheList) {
    WriteFleet({Car("Fiat", "Panda", kYes, "libera da luglio"), Car("Lancia", "Ypsilon", kYes, "libera da maggio"),
                Car("Audi", "A3", kYes, "ferma in officina")});
    auto dlg = Open();
    Type(dlg->txtTrova, QStringLiteral("LIBERA"));
    Press(dlg->txtTrova, Qt::Key_Return);
    EXPECT_EQ(Focused(), dlg->btnTrova);
    EXPECT_EQ(SelectedRow(dlg->lstRecords), -1);  // Enter did not find
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 1);

    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
              QStringList{QStringLiteral("Riepilogo veicoli disponibili")} + LinesOf(dlg->lstRecords) +
                  QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});

    // A new opening forgets the last find: "libera" starts from the first line.
    Click(dlg->btnChiudi);
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    auto next = Open();
    next->lstRecords->setCurrentRow(2);
    Type(next->txtTrova, QStringLiteral("libera"));
    Click(next->btnTrova);
    EXPECT_EQ(next->lstRecords->currentRow(), 1);
}

// A double-click loads the vehicle whose line equals the chosen one, the last
// such in the file even when that one is not available.
TEST_F(DisponibiliTest, PickLoadsTheLastVehicleWithTheLine) {
    Record available = Car("Fiat", "Panda", kYes, "dal 1 luglio");
    Record busy = available;
    busy.SetText("Disponibile", QStringLiteral("No"));
    busy.SetText("File01", QStringLiteral("occupato.pdf"));
    WriteFleet({Car("Audi", "A3", kYes), available, Car("Opel", "Corsa", QStringLiteral("No")), busy});
    frmFlotta->lblPosizione->setText(QStringLiteral("1"));  // the card on screen is replaced
    TfrmDisponibili dlg(frmFlotta);
    dlg.Create();
    modals.Expect<TfrmDisponibili>([&](TfrmDisponibili &d) {
        ShowActive(&d);
        ASSERT_EQ(d.lstRecords->count(), 2);
        DoubleClickLine(d.lstRecords, 1);
        EXPECT_FALSE(d.isVisible());
    });
    dlg.ShowModal();
    EXPECT_EQ(frmFlotta->lblPosizione->text(), QStringLiteral("4"));
    EXPECT_EQ(frmFlotta->lblFile01->text(), QStringLiteral("occupato.pdf"));
    EXPECT_EQ(dlg.lstRecords->count(), 0);

    auto audi = Open();
    DoubleClickLine(audi->lstRecords, 0);
    EXPECT_EQ(frmFlotta->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_EQ(frmFlotta->lblFile01->text(), QStringLiteral("Audi.pdf"));
}

TEST_F(DisponibiliTest, PickWithoutALineOrArchiveJustCloses) {
    WriteFleet({Car("Audi", "A3", kYes)});
    frmFlotta->lblPosizione->setText(QStringLiteral("5"));
    {
        auto dlg = Open();
        DoubleClickBelowLines(dlg->lstRecords);
        EXPECT_FALSE(dlg->isVisible());
    }
    {
        auto dlg = Open();
        QFile::remove(folder.Path(kFleetArchive));
        folder.Block(kFleetArchive);
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(frmFlotta->lblPosizione->text(), QStringLiteral("5"));
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
