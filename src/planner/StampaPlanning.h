#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmStampaPlanning : public Form {
public:
    explicit TfrmStampaPlanning(QWidget *owner = nullptr);
};

extern TfrmStampaPlanning *frmStampaPlanning;

}  // namespace vel
