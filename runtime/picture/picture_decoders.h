// SPDX-License-Identifier: MIT
// The decoders behind DecodePicture, one per format family. Internal to the runtime library.
#pragma once

#include <QImage>
#include <QSize>

#include "imaging/byte_buffer.h"
#include "runtime/picture/decode_picture.h"
#include "runtime/picture/picture_format.h"

namespace plakora {

// True when a width × height picture of 32-bit pixels stays within kMaxDecodedPixelBytes.
bool FitsPixelBudget(qint64 width, qint64 height);

QImage DecodePng(ByteView bytes);
QImage DecodeJpeg(ByteView bytes, QSize fitBox, DecodedPixels pixels);
QImage DecodePcx(ByteView bytes);
// BMP, GIF, ICO and CUR through Qt's image readers.
QImage DecodeWithQtReader(ByteView bytes, PictureFormat format);

// True when a BMP's header is sane and its pixel data covers every pixel, so Qt's reader,
// which leaves missing pixels uninitialised, never hands back stale memory.
bool IsCompleteBmp(ByteView bytes);
// True when a GIF's logical screen fits the budget and its first image's data is all there;
// Qt's reader would accept a cut-off frame and show the rest as background.
bool IsCompleteGif(ByteView bytes);

}  // namespace plakora
