// The program-wide instances of the four checkers: created at start with
// the other windows, never shown.
#include "ShellFixture.h"

#include "dialogs/Carta.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Iban.h"
#include "dialogs/PartitaIVA.h"

namespace vel::test {
namespace {

class CheckersAtStart : public ShellTest {};

TEST_F(CheckersAtStart, AreCreatedAndHidden) {
    ASSERT_NE(frmCodFisc, nullptr);
    ASSERT_NE(frmPartitaIva, nullptr);
    ASSERT_NE(frmCarta, nullptr);
    ASSERT_NE(frmIban, nullptr);
    EXPECT_EQ(frmCodFisc->objectName(), QStringLiteral("frmCodFisc"));
    EXPECT_EQ(frmPartitaIva->objectName(), QStringLiteral("frmPartitaIva"));
    EXPECT_EQ(frmCarta->objectName(), QStringLiteral("frmCarta"));
    EXPECT_EQ(frmIban->objectName(), QStringLiteral("frmIban"));
    // Their creation handlers ran.
    EXPECT_EQ(frmCodFisc->txtCodFisc->MaxLength(), 16);
    EXPECT_EQ(frmPartitaIva->txtPartitaIva->MaxLength(), 11);
    EXPECT_EQ(frmCarta->txtNumero->MaxLength(), 30);
    EXPECT_EQ(frmIban->txtIban->MaxLength(), 27);
    for (QWidget *w : {static_cast<QWidget *>(frmCodFisc), static_cast<QWidget *>(frmPartitaIva),
                       static_cast<QWidget *>(frmCarta), static_cast<QWidget *>(frmIban)})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

}  // namespace
}  // namespace vel::test
