// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>

#include "imaging/byte_buffer.h"

namespace plakora {

// Pictures whose pixels would need more memory than this are refused before allocation.
inline constexpr qint64 kMaxDecodedPixelBytes = qint64{256} << 20;

enum class DecodedPixels {
  Colour,
  // What reading codes needs: a JPEG in colour (not CMYK) decodes to Format_Grayscale8 straight
  // from its luma, for a quarter of the memory and no colour work. Other pictures as Colour.
  Brightness,
};

// Decodes a picture file held in memory. The format is recognised from the content alone
// (JPEG, PNG, BMP, GIF, ICO, CUR, PCX), never from a file name. A valid `fitBox` lets a JPEG
// far larger than the box decode at a reduced DCT scale that is still at least the box's
// size in both directions. The result is Format_ARGB32 for pictures with alpha and
// Format_RGB32 otherwise (see DecodedPixels::Brightness); a null image when the bytes are no
// picture, are damaged or are too large to decode safely. For an animated GIF it is the first
// frame.
QImage DecodePicture(ByteView bytes, QSize fitBox = {},
                     DecodedPixels pixels = DecodedPixels::Colour);

}  // namespace plakora
