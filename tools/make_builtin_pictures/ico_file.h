// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include "bytes.h"

namespace plakora::pictures {

// A one-image .ico in the classic form: BITMAPINFOHEADER, 32-bpp BGRA rows
// bottom-up, then the 1-bpp AND mask. Sides of 1 to 256 pixels.
Bytes IcoWith32BitImage(const QImage& image);

}  // namespace plakora::pictures
