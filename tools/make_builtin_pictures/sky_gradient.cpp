// SPDX-License-Identifier: MIT
#include "sky_gradient.h"

#include <algorithm>
#include <cmath>

namespace plakora::pictures {
namespace {

int Channel(int top, int bottom, int row) {
  const double value = top + (bottom - top) * static_cast<double>(row) / (kSkyRows - 1);
  return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

}  // namespace

QRgb SkyColourAtRow(int row) {
  return qRgb(Channel(254, 149, row), Channel(254, 179, row), Channel(255, 215, row));
}

QImage SkyImage(int width, int height, int firstRow) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(line, line + width, SkyColourAtRow(y + firstRow));
  }
  return image;
}

}  // namespace plakora::pictures
