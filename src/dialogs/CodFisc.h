#pragma once
// The fiscal-code checker: a modal dialog that checks the check
// character of a 16-character fiscal code and only reports.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmCodFisc : public Form {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget *owner = nullptr);

    QLabel *imgBanner;      // the banner with the dialog's title
    QLabel *lblIstruzioni;  // the caption line
    Edit *txtCodFisc;
    Button *btnControlla;
    Button *btnChiudi;

    void txtCodFiscKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtCodFiscTyping();
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void FormCreate() override;
    void FormShow() override;
};

extern TfrmCodFisc *frmCodFisc;

}  // namespace vel
