#pragma once
// The tax-code button of the cards (vehicle, customer, booking, contract):
// a text of digits only opens the VAT-number checker, any other text the
// fiscal-code checker, each given the trimmed text; the card's field is left
// as it was.
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include "common/TextRules.h"
#include "dialogs/CodFisc.h"
#include "dialogs/PartitaIVA.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel::test {

inline void ExpectTaxCodeChecker(ModalScript &modals, QLineEdit *field, QWidget *button) {
    const struct {
        const char *text;
        bool vat;
    } cases[] = {{"01234567890", true}, {" 01234567890 ", true}, {"12", true},          {" 123 ", true},
                 {"RSSMRA80A01H501U", false}, {"", false},          {"   ", false}, {"0123456789A", false},
                 {"12A", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const QString given = QString::fromLatin1(c.text);
        field->setText(given);
        const QString expected = Trim(given);
        if (c.vat)
            modals.Expect<TfrmPartitaIva>([&](TfrmPartitaIva &d) {
                EXPECT_EQ(d.txtPartitaIva->text(), expected);
                d.Close();
            });
        else
            modals.Expect<TfrmCodFisc>([&](TfrmCodFisc &d) {
                EXPECT_EQ(d.txtCodFisc->text(), expected);
                d.Close();
            });
        Click(button);
        modals.Verify();
        EXPECT_EQ(field->text(), given);
    }
}

}  // namespace vel::test
