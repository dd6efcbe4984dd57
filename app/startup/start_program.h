// SPDX-License-Identifier: MIT
#pragma once

namespace plakora {

// Starts the application: sets up the run time, shows the main window, runs the event loop
// until the window is closed, then runs the exit routines. Returns the exit code, 0.
int StartProgram(int argc, char** argv);

}  // namespace plakora
