// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "control_description.h"

namespace plakora {

// The font a control uses. Faces the system lacks are replaced by a close installed face;
// the character height still applies.
QFont MakeFont(FontName name);

}  // namespace plakora
