#include <memory>

#include "FleetFixture.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "fleet/Disponibili.h"
#include "fleet/Flotta.h"
#include "platform/QtPrint.h"
#include "support/ResultListSuite.h"

namespace vel::test {
namespace {

const QString kYes = U("S\xc3\xac");

Record Car(const char *make, const char *model, const QString &flag, const char *note = "") {
    return Vehicle({{"Marca", U(make)}, {"Modello", U(model)}, {"Disponibile", flag}, {"Note", U(note)},
                    {"File01", U(make) + QStringLiteral(".pdf")}});
}

struct AvailableVehicles {
    using Window = TfrmDisponibili;
    static QWidget *Owner() { return frmFlotta; }
    static const char *ObjectName() { return "frmDisponibili"; }
    static QString ReportTitle() { return QStringLiteral("Riepilogo veicoli disponibili"); }
    static QString Archive() { return kFleetArchive; }
    static const RecordLayout &Layout() { return VehicleRecord; }
    static Record Flagged(int) { return Car("Fiat", "Panda", kYes); }
    static Record Unflagged() { return Car("Fiat", "Panda", QStringLiteral("No")); }
    static std::vector<Record> FindRecords() {
        return {Car("Fiat", "Panda", kYes, "libera da luglio"), Car("Lancia", "Ypsilon", kYes, "libera da maggio"),
                Car("Audi", "A3", kYes, "ferma in officina")};
    }
    static QString FindText() { return QStringLiteral("libera"); }
    static std::vector<int> FindRows() { return {1, 2}; }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Disponibili, ResultListSuite, AvailableVehicles);

class DisponibiliTest : public ResultListSuite<AvailableVehicles> {};

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

}  // namespace
}  // namespace vel::test
