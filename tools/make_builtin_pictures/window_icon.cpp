// SPDX-License-Identifier: MIT
#include "window_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

namespace plakora::pictures {
namespace {

// Drawn four times larger, then averaged down for smooth 64-pixel edges.
constexpr int kSide = 64;
constexpr int kCanvas = kSide * 4;

struct Petal {
  double angle;  // degrees from upright
  double length;
  double width;
  QColor base;
  QColor tip;
};

void DrawPetal(QPainter& painter, QPointF root, const Petal& petal) {
  const double l = petal.length;
  const double w = petal.width;
  QPainterPath shape;
  shape.moveTo(0, 0);
  shape.cubicTo(-w, -l * 0.30, -w * 0.75, -l * 0.78, 0, -l);
  shape.cubicTo(w * 0.75, -l * 0.78, w, -l * 0.30, 0, 0);
  QTransform transform;
  transform.translate(root.x(), root.y());
  transform.rotate(petal.angle);
  QLinearGradient shade(transform.map(QPointF(0, 0)), transform.map(QPointF(0, -l)));
  shade.setColorAt(0, petal.base);
  shade.setColorAt(1, petal.tip);
  painter.setBrush(shade);
  painter.setPen(QPen(QColor(205, 70, 120), 2.5));
  painter.drawPath(transform.map(shape));
}

// A round leaf with a notch cut towards its centre.
void DrawLeaf(QPainter& painter, const QRectF& oval, double notchAngle) {
  QPainterPath leaf;
  leaf.moveTo(oval.center());
  leaf.arcTo(oval, notchAngle + 14, 332);
  leaf.closeSubpath();
  painter.setBrush(QColor(80, 168, 84));
  painter.setPen(QPen(QColor(46, 120, 56), 3));
  painter.drawPath(leaf);
  painter.setPen(QPen(QColor(120, 196, 120), 2.5));
  for (const double spoke : {60.0, 150.0, 240.0}) {
    QTransform turn;
    turn.translate(oval.center().x(), oval.center().y());
    turn.scale(oval.width() / 2, oval.height() / 2);
    turn.rotate(-(notchAngle + spoke));
    painter.drawLine(oval.center(), turn.map(QPointF(0.7, 0)));
  }
}

}  // namespace

QImage MakeWindowIcon() {
  QImage canvas(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing);

  painter.setPen(QPen(QColor(214, 226, 214), 4));
  painter.setBrush(QColor(246, 250, 242));
  painter.drawRoundedRect(QRectF(6, 6, kCanvas - 12, kCanvas - 12), 52, 52);

  DrawLeaf(painter, QRectF(22, 168, 112, 58), 20);
  DrawLeaf(painter, QRectF(124, 174, 110, 54), 160);

  const QPointF root(128, 188);
  const QColor pale(255, 226, 236);
  const QColor pink(240, 120, 166);
  const QColor deep(222, 78, 136);
  // Back to front, so the shorter, deeper petals overlap the tall ones.
  const Petal petals[] = {
      {-64, 88, 30, pale, pink}, {64, 88, 30, pale, pink},  {-34, 116, 36, pale, pink},
      {34, 116, 36, pale, pink}, {0, 128, 40, pale, deep},  {-86, 66, 26, pale, deep},
      {86, 66, 26, pale, deep},  {-16, 92, 34, pale, deep}, {16, 92, 34, pale, deep},
  };
  for (const Petal& petal : petals) {
    DrawPetal(painter, root, petal);
  }
  painter.end();

  return canvas.scaled(kSide, kSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace plakora::pictures
