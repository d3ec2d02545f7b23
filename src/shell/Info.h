#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmInfo : public Form {
public:
    explicit TfrmInfo(QWidget *owner = nullptr);
};

extern TfrmInfo *frmInfo;

}  // namespace vel
