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
  // Filled one-pixel edges rather than an outline, which the raster engine may leave short of
  // the target's last pixel when only a corner of the window is painted.
  const int right = outer.width() - 1;
  const int bottom = outer.height() - 1;
  painter.fillRect(QRect(0, 0, outer.width(), 1), border);
  painter.fillRect(QRect(0, bottom, outer.width(), 1), border);
  painter.fillRect(QRect(0, 0, 1, outer.height()), border);
  painter.fillRect(QRect(right, 0, 1, outer.height()), border);

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

bool WidgetWindowCapture::PrintInto(std::uint8_t* pixels, const PixelRect& area,
                                    std::ptrdiff_t strideBytes) {
  if (window_.isNull()) return false;
  QImage target(pixels, area.width, area.height, static_cast<qsizetype>(strideBytes),
                QImage::Format_RGB32);
  target.setDevicePixelRatio(1.0);
  QPainter painter(&target);
  if (!painter.isActive()) return false;

  const QRect wanted(area.left, area.top, area.width, area.height);
  const QRect client(QPoint(kFrameWidth, kFrameTop), window_->size());
  if (!client.contains(wanted)) {
    painter.translate(-area.left, -area.top);
    const PixelSize outer = OuterSize();
    PaintFrame(painter, *window_, QSize(outer.width, outer.height));
    painter.resetTransform();
  }
  // Only the widgets under the area paint; render() puts the region's top-left at the offset.
  const QRegion source = QRegion(wanted.translated(-client.topLeft())) & window_->rect();
  if (!source.isEmpty()) {
    const QPoint regionAt = source.boundingRect().topLeft() + client.topLeft() - wanted.topLeft();
    window_->render(&painter, regionAt, source);
  }
  return painter.end();
}

}  // namespace plakora
