#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmCalendario : public Form {
public:
    explicit TfrmCalendario(QWidget *owner = nullptr);
};

extern TfrmCalendario *frmCalendario;

}  // namespace vel
