#include "Launcher.h"

#include <utility>

namespace vel {
namespace {

std::function<void()> &Hook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void ShowLauncher() {
    if (Hook()) Hook()();
}

void SetShowLauncher(std::function<void()> show) { Hook() = std::move(show); }

}  // namespace vel
