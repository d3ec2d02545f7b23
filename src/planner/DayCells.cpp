#include "DayCells.h"

#include <QLabel>

#include "Planning.h"
#include "common/MonthTable.h"
#include "common/TextRules.h"

namespace vel {

void WriteDayCell(int month, int day, const QString &text) {
    if (!frmPlanning) return;
    const QString booking = Trim(text);
    auto *free = frmPlanning->findChild<QWidget *>(DayComponentName("lib", month, day));
    auto *booked = frmPlanning->findChild<QWidget *>(DayComponentName("occ", month, day));
    auto *memo = frmPlanning->findChild<QLabel *>(DayComponentName("mem", month, day));
    if (!booking.isEmpty()) {
        if (free) free->setVisible(false);
        if (booked) booked->setVisible(true);
    } else {
        if (free) free->setVisible(true);
        if (booked) booked->setVisible(false);
    }
    if (memo) memo->setText(booking);
}

}  // namespace vel
