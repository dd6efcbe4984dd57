// SPDX-License-Identifier: MIT
#include "widget_window_capture.h"

#include <QImage>
#include <QPainter>

namespace plakora {
namespace {

void PaintFrame(QPainter& painter, const QWidget& window, const QSize& outer) {
  const QColor frame(0xE8, 0xE8, 0xE8);
  const QColor border(0x9A, 0x9A, 0x9A);
  painter.fillRect(QRect(QPoint(0, 0), outer), frame);
  painter.setPen(border);
  painter.drawRect(0, 0, outer.width() - 1, outer.height() - 1);

  const QRect captionBar(kFrameWidth, 1, outer.width() - 2 * kFrameWidth, kFrameTop - 2);
  const int iconSize = 16;
  const QImage icon = window.windowIcon().pixmap(QSize(iconSize, iconSize), 1.0).toImage();
  const QPoint iconAt(captionBar.left() + 2, captionBar.top() + (captionBar.height() - iconSize) / 2);
  if (!icon.isNull()) painter.drawImage(iconAt, icon);

  QFont font = window.font();
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QRect titleRect = captionBar.adjusted(iconSize + 8, 0, 0, 0);
  painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   window.windowTitle());
}

}  // namespace

PixelSize WidgetWindowCapture::OuterSize() const {
  if (window_.isNull()) return {};
  const QSize client = window_->size();
  return {client.width() + 2 * kFrameWidth, client.height() + kFrameTop + kFrameWidth};
}

bool WidgetWindowCapture::PrintInto(std::uint8_t* pixels, PixelSize size, std::ptrdiff_t strideBytes) {
  if (window_.isNull()) return false;
  QImage target(pixels, size.width, size.height, static_cast<qsizetype>(strideBytes),
                QImage::Format_RGB32);
  target.setDevicePixelRatio(1.0);
  QPainter painter(&target);
  if (!painter.isActive()) return false;
  PaintFrame(painter, *window_, QSize(size.width, size.height));
  window_->render(&painter, QPoint(kFrameWidth, kFrameTop));
  return painter.end();
}

}  // namespace plakora
