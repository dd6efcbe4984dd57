// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace plakora::pictures {

// 61 x 70 plain gradient under the device digit; its row r matches header row r + 9.
QImage MakeDeviceLabel();

}  // namespace plakora::pictures
