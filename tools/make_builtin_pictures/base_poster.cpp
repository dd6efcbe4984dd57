// SPDX-License-Identifier: MIT
#include "base_poster.h"

#include <QPainter>

#include "cjk_text.h"
#include "generic_logo.h"

namespace plakora::pictures {
namespace {

constexpr int kWidth = 1242;
constexpr int kHeight = 1678;
constexpr double kCentreX = kWidth / 2.0;

// The window hides rows above ~258 under its header and writes a white
// caption on rows ~1259-1362, so the panel sits between the two and the
// caption spot stays green.
const QRectF kPanel(96, 286, 1050, 936);
const QRectF kQrSquare(298, 540, 646, 646);
const QRectF kBottomBand(0, 1398, kWidth, kHeight - 1398);

void FillText(QPainter& painter, const QFont& font, const QString& text, double inkHeight,
              QPointF centre, const QColor& colour) {
  painter.fillPath(InkCentredAt(TextOutline(font, text), inkHeight, centre), colour);
}

void DrawLogoAndName(QPainter& painter, const QFont& bold) {
  constexpr double kLogoSide = 136;
  constexpr double kGap = 30;
  constexpr double kNameInk = 70;
  const QPainterPath name = TextOutline(bold, QStringLiteral("微信支付"));
  const double nameWidth = name.boundingRect().width() * kNameInk / name.boundingRect().height();
  const double left = kCentreX - (kLogoSide + kGap + nameWidth) / 2;
  const double middle = kBottomBand.center().y();
  DrawGenericLogo(painter, QRectF(left, middle - kLogoSide / 2, kLogoSide, kLogoSide));
  painter.fillPath(
      InkCentredAt(name, kNameInk, QPointF(left + kLogoSide + kGap + nameWidth / 2, middle)),
      QColor(38, 38, 38));
}

}  // namespace

QImage MakeBasePoster() {
  QImage poster(kWidth, kHeight, QImage::Format_RGB32);
  poster.fill(QColor(34, 171, 57));
  const QFont bold = CjkFont(QFont::Bold);
  const QFont regular = CjkFont(QFont::Normal);

  QPainter painter(&poster);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  FillText(painter, bold, QStringLiteral("推荐使用微信支付"), 84, QPointF(kCentreX, 150),
           Qt::white);

  painter.setBrush(Qt::white);
  painter.drawRoundedRect(kPanel, 40, 40);
  FillText(painter, bold, QStringLiteral("¥10.00"), 88, QPointF(kCentreX, 376), QColor(25, 25, 25));
  FillText(painter, regular, QStringLiteral("1号设备"), 46, QPointF(kCentreX, 468),
           QColor(88, 88, 88));
  // A hairline between the amount and the QR square; the square itself stays white.
  painter.fillRect(QRectF(kQrSquare.left(), 514, kQrSquare.width(), 2), QColor(232, 232, 232));

  painter.fillRect(kBottomBand, Qt::white);
  DrawLogoAndName(painter, bold);
  return poster;
}

}  // namespace plakora::pictures
