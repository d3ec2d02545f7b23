#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmMenuCamere : public Form {
public:
    explicit TfrmMenuCamere(QWidget *owner = nullptr);
};

extern TfrmMenuCamere *frmMenuCamere;

}  // namespace vel
