#pragma once
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmCalendario : public Form {
public:
    explicit TfrmCalendario(QWidget *owner = nullptr);

    QLabel *lblMemory;  // the caller's tag
};

extern TfrmCalendario *frmCalendario;

}  // namespace vel
