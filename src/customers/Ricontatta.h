#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmRicontatta : public Form {
public:
    explicit TfrmRicontatta(QWidget *owner = nullptr);
};

extern TfrmRicontatta *frmRicontatta;

}  // namespace vel
