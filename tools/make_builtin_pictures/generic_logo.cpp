// SPDX-License-Identifier: MIT
#include "generic_logo.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

namespace plakora::pictures {
namespace {

// A rounded rectangle with a small tail under one bottom corner.
QPainterPath Bubble(const QRectF& body, bool tailOnLeft, double unit) {
  QPainterPath path;
  path.addRoundedRect(body, body.height() * 0.42, body.height() * 0.42);
  const double baseX =
      tailOnLeft ? body.left() + body.width() * 0.24 : body.right() - body.width() * 0.24;
  const double lean = tailOnLeft ? -1.0 : 1.0;
  QPolygonF tail;
  tail << QPointF(baseX - 0.07 * unit, body.bottom() - 0.04 * unit)
       << QPointF(baseX + 0.07 * unit, body.bottom() - 0.04 * unit)
       << QPointF(baseX + lean * 0.09 * unit, body.bottom() + 0.10 * unit);
  QPainterPath tailPath;
  tailPath.addPolygon(tail);
  tailPath.closeSubpath();
  return path.united(tailPath);
}

}  // namespace

void DrawGenericLogo(QPainter& painter, const QRectF& square) {
  const QColor green(34, 171, 57);
  const double s = square.width();
  const QPointF o = square.topLeft();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(green);
  painter.drawRoundedRect(square, s * 0.22, s * 0.22);

  painter.setBrush(Qt::white);
  painter.drawPath(
      Bubble(QRectF(o + QPointF(0.13 * s, 0.18 * s), QSizeF(0.52 * s, 0.40 * s)), true, s));
  // The green rim separates the front bubble from the one behind it.
  painter.setPen(QPen(green, 0.05 * s));
  painter.drawPath(
      Bubble(QRectF(o + QPointF(0.38 * s, 0.40 * s), QSizeF(0.50 * s, 0.36 * s)), false, s));
  painter.restore();
}

}  // namespace plakora::pictures
