// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace plakora::pictures {

// Writes an 8-bit RGBA PNG (colour type 6) whatever the image's own format.
void WriteRgbaPng(const QImage& image, const QString& path);

}  // namespace plakora::pictures
