#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmNumerazione : public Form {
public:
    explicit TfrmNumerazione(QWidget *owner = nullptr);
};

extern TfrmNumerazione *frmNumerazione;

}  // namespace vel
