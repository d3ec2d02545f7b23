#pragma once
// The payment card checker: a modal dialog that checks a card
// number with the Luhn check digit, names the card's type and only reports.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmCarta : public Form {
    Q_OBJECT
public:
    explicit TfrmCarta(QWidget *owner = nullptr);

    QLabel *imgBanner;      // the banner with the dialog's title
    QLabel *lblIstruzioni;  // the caption line
    Edit *txtNumero;
    Button *btnControlla;
    Button *btnChiudi;

    void txtNumeroKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtNumeroTyping();
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void FormCreate() override;
    void FormShow() override;
};

extern TfrmCarta *frmCarta;

}  // namespace vel
