#pragma once
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmListino : public Form {
public:
    explicit TfrmListino(QWidget *owner = nullptr);

    Edit *txtTipologia;  // the name of the price list to show; empty for every list
};

extern TfrmListino *frmListino;

}  // namespace vel
