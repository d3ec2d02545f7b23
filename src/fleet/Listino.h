#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmListino : public Form {
public:
    explicit TfrmListino(QWidget *owner = nullptr);
};

extern TfrmListino *frmListino;

}  // namespace vel
