// SPDX-License-Identifier: MIT
#include "exit_routines.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace plakora {
namespace {

std::vector<ExitRoutine>& Routines() {
  static std::vector<ExitRoutine> routines;
  return routines;
}

}  // namespace

void RegisterExitRoutine(ExitRoutine routine) {
  auto& routines = Routines();
  if (std::find(routines.begin(), routines.end(), routine) == routines.end()) {
    routines.push_back(routine);
  }
}

void RunExitRoutines() {
  // Taken out first, so a routine that registers again cannot make it run twice.
  const std::vector<ExitRoutine> routines = std::exchange(Routines(), {});
  for (ExitRoutine routine : routines) routine();
}

void DiscardExitRoutines() { Routines().clear(); }

}  // namespace plakora
