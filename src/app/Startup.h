#pragma once
// The start sequence: every window of the program is created once, in a fixed
// order, and stays reachable through its program-wide reference.
#include <functional>
#include <vector>

#include "platform/Form.h"

namespace vel {

// One window of the program: its class and what creates and destroys it.
struct WindowEntry {
    const char *className;
    std::function<Form *()> create;  // creates the window, runs its creation handler, sets its reference
    std::function<void()> destroy;   // destroys the window and clears its reference
};

// The 47 windows in the order of their creation.
const std::vector<WindowEntry> &WindowTable();

// Creates every window in the order of the table, runs each creation handler
// in turn, makes the login window the main window and lets the main windows'
// close show the launcher.
void CreateWindows();
// Destroys every window in the reverse order and clears the references (tests
// start afresh).
void DestroyWindows();

}  // namespace vel
