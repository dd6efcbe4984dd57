// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/byte_buffer.h"

namespace plakora {

// Rows of 32-bit B, G, R, X pixels. `top` points at the picture's top row; `stride` is the
// signed distance in bytes from one row to the one below it, so a bottom-up bitmap is read
// in place with a negative stride.
struct BgrxRows {
  const std::uint8_t* top = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::ptrdiff_t stride = 0;
};

// Encodes the rows as a baseline JFIF JPEG at `quality` (1..100) without chroma subsampling,
// so sharp edges such as a QR code's modules survive. Empty result on failure.
ByteBuffer EncodeJpeg(const BgrxRows& rows, int quality);

}  // namespace plakora
