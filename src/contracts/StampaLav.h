#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmStampaLav : public Form {
public:
    explicit TfrmStampaLav(QWidget *owner = nullptr);
};

extern TfrmStampaLav *frmStampaLav;

}  // namespace vel
