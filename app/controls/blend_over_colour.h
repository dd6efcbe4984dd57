// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>

namespace plakora {

// Composes a picture with alpha over a solid colour: each channel becomes
// a × picture + (1 − a) × colour with a = alpha / 255, truncated; opaque pixels are kept as
// they are. Returns an opaque Format_RGB32 image; pictures without alpha pass unchanged.
QImage BlendOverColour(const QImage& picture, const QColor& colour);

}  // namespace plakora
