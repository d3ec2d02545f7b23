#pragma once
// The credits window, opened from the launcher.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmSplash : public Form {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *owner = nullptr);

    QLabel *imgLogo;
    ImageButton *imgWeb;
    ImageButton *lnkWeb;  // the product's web address
    Button *btnChiudi;

    void btnChiudiClick();
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void lnkWebClick();
};

extern TfrmSplash *frmSplash;

}  // namespace vel
