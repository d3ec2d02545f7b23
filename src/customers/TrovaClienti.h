#pragma once
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmTrovaClienti : public Form {
public:
    explicit TfrmTrovaClienti(QWidget *owner = nullptr);

    QLabel *lblMemory;  // the window that receives the chosen customer
};

extern TfrmTrovaClienti *frmTrovaClienti;

}  // namespace vel
