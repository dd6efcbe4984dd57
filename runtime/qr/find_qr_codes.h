// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QStringList>

namespace plakora {

// The texts of every QR code in the picture, in reading order (top to bottom by the code's
// centre, then left to right), each text once. Any QImage format; transparent parts are read
// as white. Empty for a null picture or one without a readable code.
QStringList FindQrCodes(const QImage& picture);

// True when every expected text is among the found ones; nothing expected is always kept.
bool PosterKeepsQrCodes(const QStringList& expected, const QStringList& found);

}  // namespace plakora
