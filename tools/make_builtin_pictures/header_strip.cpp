// SPDX-License-Identifier: MIT
#include "header_strip.h"

#include <QPainter>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <array>
#include <limits>

#include "cjk_text.h"
#include "sky_gradient.h"

namespace plakora::pictures {
namespace {

struct Caption {
  QString text;
  QRectF box;  // pixel edges of the columns and rows the ink may touch
};

}  // namespace

QImage MakeHeaderStrip() {
  QImage image = SkyImage(387, kSkyRows, 0);
  const std::array<Caption, 2> captions = {{
      {QStringLiteral("号设备"), QRectF(75, 23, 101, 31)},
      {QStringLiteral("元付款码"), QRectF(222, 23, 135, 31)},
  }};
  const QFont font = CjkFont(QFont::Bold);
  std::array<QPainterPath, 2> outlines;
  double top = std::numeric_limits<double>::max();
  double bottom = std::numeric_limits<double>::lowest();
  for (std::size_t i = 0; i < captions.size(); ++i) {
    outlines[i] = TextOutline(font, captions[i].text);
    top = std::min(top, outlines[i].boundingRect().top());
    bottom = std::max(bottom, outlines[i].boundingRect().bottom());
  }
  // One pixel of margin keeps antialiased edges inside the boxes; one scale
  // and one baseline keep the two captions looking like one line.
  double scale = (captions[0].box.height() - 2) / (bottom - top);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    scale = std::min(scale, (captions[i].box.width() - 2) / outlines[i].boundingRect().width());
  }
  const QRectF& lineBox = captions[0].box;
  const double baseline = lineBox.center().y() - (top + bottom) / 2 * scale;

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < captions.size(); ++i) {
    const QRectF ink = outlines[i].boundingRect();
    QTransform transform;
    transform.translate(captions[i].box.center().x() - ink.center().x() * scale, baseline);
    transform.scale(scale, scale);
    painter.fillPath(transform.map(outlines[i]), Qt::black);
  }
  return image;
}

}  // namespace plakora::pictures
