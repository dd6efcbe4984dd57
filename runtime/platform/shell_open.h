// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace plakora {

// Asks the desktop to open a file or folder with its default program. False when no
// program could be asked.
bool ShellOpen(const QString& path);

}  // namespace plakora
