#pragma once
// The IBAN checker: a modal dialog that checks an IBAN with the
// MOD 97-10 check of ISO 13616 and only reports.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmIban : public Form {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget *owner = nullptr);

    QLabel *imgBanner;      // the banner with the dialog's title
    QLabel *lblIstruzioni;  // the caption line
    Edit *txtIban;
    Button *btnControlla;
    Button *btnChiudi;

    void txtIbanKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtIbanTyping();
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void FormCreate() override;
    void FormShow() override;
};

extern TfrmIban *frmIban;

}  // namespace vel
