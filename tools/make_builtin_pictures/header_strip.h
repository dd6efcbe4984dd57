// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace plakora::pictures {

// 387 x 79 gradient with "号设备" and "元付款码"; the window paints the device
// digit and the amount into the gaps before them.
QImage MakeHeaderStrip();

}  // namespace plakora::pictures
