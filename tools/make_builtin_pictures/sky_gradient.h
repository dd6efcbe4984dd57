// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRgb>

namespace plakora::pictures {

// The header's vertical gradient: first row almost white, last row light blue.
inline constexpr int kSkyRows = 79;

// Colour of header row `row`; rows past either end continue the same slope.
QRgb SkyColourAtRow(int row);

// Fills an opaque image so that its row y gets header row y + firstRow.
QImage SkyImage(int width, int height, int firstRow);

}  // namespace plakora::pictures
