#pragma once
// The customer card: one customer of "Clienti.pro" at a time.
#include "platform/Form.h"

namespace vel {

class TfrmClienti : public Form {
public:
    explicit TfrmClienti(QWidget *owner = nullptr);

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmClienti *frmClienti;

}  // namespace vel
