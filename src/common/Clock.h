#pragma once
// The one place the program asks for the date and time, so tests can fix it.
#include <QDateTime>

namespace vel {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

// The clock in use: the system's unless a test installed another.
const Clock &CurrentClock();
QDateTime Now();
QDate Today();
// Installs a clock (nullptr restores the system clock); the caller keeps ownership.
void SetClock(const Clock *clock);

}  // namespace vel
