#pragma once
// The VAT number checker: a modal dialog that checks the check
// digit of an 11-digit VAT number, names the VAT office that issued it and
// only reports.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmPartitaIva : public Form {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget *owner = nullptr);

    QLabel *imgBanner;      // the banner with the dialog's title
    QLabel *lblIstruzioni;  // the caption line
    Edit *txtPartitaIva;
    Button *btnControlla;
    Button *btnChiudi;

    void txtPartitaIvaKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void FormCreate() override;
    void FormShow() override;
};

extern TfrmPartitaIva *frmPartitaIva;

}  // namespace vel
