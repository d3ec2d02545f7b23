#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmTrovaClienti : public Form {
public:
    explicit TfrmTrovaClienti(QWidget *owner = nullptr);
};

extern TfrmTrovaClienti *frmTrovaClienti;

}  // namespace vel
