#pragma once
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmStampaContrattoNSC : public Form {
public:
    explicit TfrmStampaContrattoNSC(QWidget *owner = nullptr);

    QLabel *lblMemory;  // the caller's tag
};

extern TfrmStampaContrattoNSC *frmStampaContrattoNSC;

}  // namespace vel
