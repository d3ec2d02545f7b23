#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmAllegaCartella : public Form {
public:
    explicit TfrmAllegaCartella(QWidget *owner = nullptr);
};

extern TfrmAllegaCartella *frmAllegaCartella;

}  // namespace vel
