// SPDX-License-Identifier: MIT
#include "blend_over_colour.h"

#include <algorithm>

namespace plakora {
namespace {

int BlendChannel(double alpha, int picture, int background) {
  const double value = alpha * picture + (1.0 - alpha) * background;
  return std::clamp(static_cast<int>(value), 0, 255);
}

}  // namespace

QImage BlendOverColour(const QImage& picture, const QColor& colour) {
  if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
  const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
  QImage out(source.size(), QImage::Format_RGB32);
  const int br = colour.red(), bg = colour.green(), bb = colour.blue();
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < source.width(); ++x) {
      const QRgb p = in[x];
      const int a = qAlpha(p);
      if (a == 255) {
        to[x] = p;
        continue;
      }
      const double alpha = a * (1.0 / 255);
      to[x] = qRgb(BlendChannel(alpha, qRed(p), br), BlendChannel(alpha, qGreen(p), bg),
                   BlendChannel(alpha, qBlue(p), bb));
    }
  }
  return out;
}

}  // namespace plakora
