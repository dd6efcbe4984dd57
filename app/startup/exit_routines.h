// SPDX-License-Identifier: MIT
#pragma once

namespace plakora {

using ExitRoutine = void (*)();

// Routines run once, in order of registration, after the window has closed on a normal end.
// A routine registered twice is kept once.
void RegisterExitRoutine(ExitRoutine routine);

// Runs the registered routines and empties the list.
void RunExitRoutines();

// Empties the list without running it: a fatal error ends the program without them.
void DiscardExitRoutines();

}  // namespace plakora
