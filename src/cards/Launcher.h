#pragma once
// Closing a main window shows the launcher again. The main windows live in
// libraries below the launcher's, so they reach it through this one hook,
// which the start sequence sets once the launcher exists.
#include <functional>

namespace vel {

// Shows the launcher; does nothing while no launcher is set (a window tested
// on its own).
void ShowLauncher();
// An empty function unsets it.
void SetShowLauncher(std::function<void()> show);

}  // namespace vel
