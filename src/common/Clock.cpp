#include "Clock.h"

namespace vel {
namespace {

class SystemClock final : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

const Clock *&Installed() {
    static const Clock *clock = nullptr;
    return clock;
}

}  // namespace

const Clock &CurrentClock() {
    static const SystemClock system;
    return Installed() ? *Installed() : system;
}

QDateTime Now() { return CurrentClock().Now(); }
QDate Today() { return Now().date(); }
void SetClock(const Clock *clock) { Installed() = clock; }

}  // namespace vel
