#pragma once
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmNumerazione : public Form {
public:
    explicit TfrmNumerazione(QWidget *owner = nullptr);

    QLabel *lblMemory;  // the caller's tag
};

extern TfrmNumerazione *frmNumerazione;

}  // namespace vel
