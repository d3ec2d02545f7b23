#include <gtest/gtest.h>

#include "cards/FindDialog.h"
#include "common/Records.h"
#include "platform/QtPrint.h"

namespace vel {
namespace {

constexpr ControlFill kFills[] = {
    {"txtVeicolo", "Veicolo"}, {"txtMarca", "Marca", "Modello"}, {"lblTarga", "Targa"}, {"txtPosti", "Posti"}};

// A pick writes into the named controls of the receiving window itself: a
// find dialog that window owns has edits of the same names and keeps its own.
TEST(FillControlsTest, WritesTheWindowsOwnControlsByName) {
    Form card;
    // A dialog the card owns, with edits of the same names, found first.
    Form dialog(&card);
    auto *dialogMarca = new Edit(&dialog);
    dialogMarca->setObjectName(QStringLiteral("txtMarca"));
    dialogMarca->setText(QStringLiteral("fiat"));
    auto *dialogPosti = new Edit(&dialog);
    dialogPosti->setObjectName(QStringLiteral("txtPosti"));
    auto *veicolo = new ComboEdit(&card);
    veicolo->setObjectName(QStringLiteral("txtVeicolo"));
    veicolo->SetSuggestions({QStringLiteral("Autobus"), QStringLiteral("Camper")});
    auto *panel = new QWidget(&card);
    auto *marca = new Edit(panel);
    marca->setObjectName(QStringLiteral("txtMarca"));
    auto *targa = new QLabel(&card);
    targa->setObjectName(QStringLiteral("lblTarga"));

    Record vehicle(VehicleRecord);
    vehicle.SetText("Veicolo", QStringLiteral(" Furgone "));
    vehicle.SetText("Marca", QStringLiteral("Fiat"));
    vehicle.SetText("Modello", QStringLiteral("Panda"));
    vehicle.SetText("Targa", QStringLiteral("AB123CD"));
    vehicle.SetText("Posti", QStringLiteral("5"));
    FillControls(&card, vehicle, kFills);

    EXPECT_EQ(veicolo->text(), QStringLiteral("Furgone"));
    EXPECT_EQ(veicolo->currentIndex(), -1);
    EXPECT_EQ(marca->text(), QStringLiteral("Fiat Panda"));
    EXPECT_EQ(targa->text(), QStringLiteral("AB123CD"));
    EXPECT_EQ(dialogMarca->text(), QStringLiteral("fiat"));
    EXPECT_EQ(dialogPosti->text(), QString());  // the card has no txtPosti: left out

    // An empty make leaves the joining blank in front of the model.
    vehicle.SetText("Marca", QString());
    FillControls(&card, vehicle, kFills);
    EXPECT_EQ(marca->text(), QStringLiteral(" Panda"));
    // No window, no harm.
    FillControls(nullptr, vehicle, kFills);
}

}  // namespace
}  // namespace vel
