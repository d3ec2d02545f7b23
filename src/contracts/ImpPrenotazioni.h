#pragma once
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmImpPrenotazioni : public Form {
public:
    explicit TfrmImpPrenotazioni(QWidget *owner = nullptr);

    QLabel *lblMemory;  // the caller's tag
};

extern TfrmImpPrenotazioni *frmImpPrenotazioni;

}  // namespace vel
