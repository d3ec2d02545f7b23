#pragma once
// The planner of one vehicle for one year.
#include "platform/Form.h"

namespace vel {

class TfrmPlanning : public Form {
public:
    explicit TfrmPlanning(QWidget *owner = nullptr);

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmPlanning *frmPlanning;

}  // namespace vel
