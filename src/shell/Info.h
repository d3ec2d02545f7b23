#pragma once
// The about box: what the program is, and the product's contact address.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmInfo : public Form {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *owner = nullptr);

    QLabel *imgLogo;
    ImageButton *imgEmail;
    ImageButton *lnkWeb;  // the contact e-mail address
    Button *btnChiudi;

    void btnChiudiClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void lnkWebClick();
};

extern TfrmInfo *frmInfo;

}  // namespace vel
