// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace plakora {

// The current user's desktop directory (the platform's desktop location).
QString GetDesktopFolder();

}  // namespace plakora
