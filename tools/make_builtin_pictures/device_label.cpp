// SPDX-License-Identifier: MIT
#include "device_label.h"

#include "sky_gradient.h"

namespace plakora::pictures {

QImage MakeDeviceLabel() { return SkyImage(61, 70, 9); }

}  // namespace plakora::pictures
