#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmGiorno : public Form {
public:
    explicit TfrmGiorno(QWidget *owner = nullptr);
};

extern TfrmGiorno *frmGiorno;

}  // namespace vel
