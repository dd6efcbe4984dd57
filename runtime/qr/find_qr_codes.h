// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>

#include "imaging/byte_buffer.h"

namespace plakora {

// The texts of every QR code in the picture, in reading order (top to bottom by the code's
// centre, then left to right), each text once. Any QImage format; transparent parts are read
// as white. Empty for a null picture or one without a readable code.
QStringList FindQrCodes(const QImage& picture);

// FindQrCodes on a picture file held in memory, decoded for reading only (a JPEG as its luma).
// A valid `searchBox` reads a large JPEG at a reduced scale that still covers the box.
QStringList FindQrCodesInPicture(ByteView bytes, QSize searchBox = {});

// True when every expected text is among the found ones; nothing expected is always kept.
bool PosterKeepsQrCodes(const QStringList& expected, const QStringList& found);

}  // namespace plakora
