#pragma once
// The fleet dialogs are tested as the program runs them: every window
// created, in a fresh program folder, with the message boxes, modal windows,
// clock and printer under the test's control.
#include "support/ListBoxView.h"
#include "support/ProgramFixture.h"

namespace vel::test {

using FleetTest = ProgramTest;

}  // namespace vel::test
