// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace plakora {

// An uninitialised image for a decoder to fill. Large pictures live in memory that the kernel
// may back with huge pages: writing fresh memory otherwise faults once per 4 KiB page, which
// costs more than decoding into it on some virtual machines. The memory of the last large
// picture freed is kept for the next one.
QImage NewPictureImage(int width, int height, QImage::Format format);

}  // namespace plakora
