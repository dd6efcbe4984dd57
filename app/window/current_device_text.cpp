// SPDX-License-Identifier: MIT
#include "current_device_text.h"

namespace plakora {

QString currentDeviceText;

void ReleaseGlobals() { currentDeviceText.clear(); }

}  // namespace plakora
