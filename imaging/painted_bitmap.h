// SPDX-License-Identifier: MIT
// Internal to the capture functions.
#pragma once

#include <cstdint>

#include "byte_buffer.h"
#include "capturable_window.h"

namespace plakora {

// Larger windows than any screen shows are refused rather than allocated.
inline constexpr std::int64_t kMaxWindowPixelBytes = std::int64_t{256} << 20;

// Has the window paint `area` and returns it as a 32-bit BMP file image of the area's size,
// with `sizeImageField` as the information header's image size. Empty when painting fails.
ByteBuffer PaintedBitmap(CapturableWindow& window, const PixelRect& area,
                         std::uint32_t sizeImageField);

}  // namespace plakora
