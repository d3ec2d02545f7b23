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

// A fill shows each text from its first character, also when the control
// already held the same text (the same customer picked again) with the caret
// left at its end.
TEST(FillControlsTest, ATextFilledAgainShowsItsStart) {
    Form card;
    auto *veicolo = new ComboEdit(&card);
    veicolo->setObjectName(QStringLiteral("txtVeicolo"));
    auto *marca = new Edit(&card);
    marca->setObjectName(QStringLiteral("txtMarca"));
    auto *posti = new Edit(&card);
    posti->setObjectName(QStringLiteral("txtPosti"));
    for (QWidget *control : {static_cast<QWidget *>(veicolo), static_cast<QWidget *>(marca),
                             static_cast<QWidget *>(posti)})
        control->setGeometry(0, 0, 60, 26);
    card.show();

    Record vehicle(VehicleRecord);
    vehicle.SetText("Veicolo", QStringLiteral("Autovettura con rimorchio"));
    vehicle.SetText("Marca", QStringLiteral("Mercedes-Benz"));
    vehicle.SetText("Modello", QStringLiteral("Sprinter 316 CDI passo lungo"));
    vehicle.SetText("Posti", QStringLiteral("Nove posti con accessori"));
    FillControls(&card, vehicle, kFills);
    for (QLineEdit *line : {static_cast<QLineEdit *>(veicolo->Editor()), static_cast<QLineEdit *>(marca),
                            static_cast<QLineEdit *>(posti)}) {
        SCOPED_TRACE(line->text().toStdString());
        line->end(false);
        ASSERT_GT(line->cursorPosition(), 0);
    }
    FillControls(&card, vehicle, kFills);
    SetControlTextOf(&card, "txtPosti", QStringLiteral("Nove posti con accessori"));
    for (QLineEdit *line : {static_cast<QLineEdit *>(veicolo->Editor()), static_cast<QLineEdit *>(marca),
                            static_cast<QLineEdit *>(posti)}) {
        SCOPED_TRACE(line->text().toStdString());
        EXPECT_EQ(line->cursorPosition(), 0);
    }
}

}  // namespace
}  // namespace vel
