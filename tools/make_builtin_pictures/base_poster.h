// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace plakora::pictures {

// 1242 x 1678 green collection poster with an empty white square for the QR code.
QImage MakeBasePoster();

}  // namespace plakora::pictures
