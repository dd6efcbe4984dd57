// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace plakora::pictures {

// 64 x 64 pink lotus with green leaves on a pale rounded square, transparent corners.
QImage MakeWindowIcon();

}  // namespace plakora::pictures
