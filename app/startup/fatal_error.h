// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace plakora {

// The exit status of a program stopped by a fatal error.
inline constexpr int kFatalExitCode = -1;

// Shows the error in a message box (or on standard error when no display is there to show
// it), then ends the process at once with kFatalExitCode, without the exit routines.
[[noreturn]] void ReportFatalError(const QString& message);

}  // namespace plakora
