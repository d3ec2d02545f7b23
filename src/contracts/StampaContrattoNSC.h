#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmStampaContrattoNSC : public Form {
public:
    explicit TfrmStampaContrattoNSC(QWidget *owner = nullptr);
};

extern TfrmStampaContrattoNSC *frmStampaContrattoNSC;

}  // namespace vel
