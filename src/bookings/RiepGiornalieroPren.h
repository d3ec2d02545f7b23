#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmRiepGiornalieroPren : public Form {
public:
    explicit TfrmRiepGiornalieroPren(QWidget *owner = nullptr);
};

extern TfrmRiepGiornalieroPren *frmRiepGiornalieroPren;

}  // namespace vel
