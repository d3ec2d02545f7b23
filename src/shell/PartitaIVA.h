#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmPartitaIva : public Form {
public:
    explicit TfrmPartitaIva(QWidget *owner = nullptr);
};

extern TfrmPartitaIva *frmPartitaIva;

}  // namespace vel
