// SPDX-License-Identifier: MIT
#include "runtime/picture/decode_picture.h"
#include "runtime/picture/picture_decoders.h"

namespace plakora {

bool FitsPixelBudget(qint64 width, qint64 height) {
  constexpr qint64 kBytesPerPixel = 4;
  if (width <= 0 || height <= 0) return false;
  // Divide rather than multiply so that no product of header values can overflow.
  return width <= kMaxDecodedPixelBytes / kBytesPerPixel / height;
}

}  // namespace plakora
