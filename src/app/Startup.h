#pragma once
// The start sequence: every window of the program is created once, in a fixed
// order, and stays reachable through its program-wide reference.
#include <functional>
#include <vector>

#include "platform/Form.h"

namespace vel {

struct WindowEntry {
    const char *className;
    std::function<Form *()> create;  // creates the window and sets its reference
};

// The 47 windows in the order of their creation.
const std::vector<WindowEntry> &WindowTable();

// Creates every window, runs each creation handler in turn, and makes the
// login window the main window.
void CreateWindows();
// Destroys every window and clears the references (tests start afresh).
void DestroyWindows();

}  // namespace vel
