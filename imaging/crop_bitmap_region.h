// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "byte_buffer.h"

namespace plakora {

// Cuts the rectangle (x, y, width, height) out of an uncompressed bottom-up BMP file image
// of 8, 16, 24 or 32 bits per pixel and returns it as a new, complete BMP file image.
// `y` counts rows from the picture's top. A region overhanging the right or bottom edge is
// clipped. Unsupported images, regions outside the picture and sources shorter than their
// headers declare give the empty buffer; no byte past the end of `source` is read.
ByteBuffer CropBitmapRegion(ByteView source, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height);

}  // namespace plakora
