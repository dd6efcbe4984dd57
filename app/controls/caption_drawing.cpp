// SPDX-License-Identifier: MIT
#include "caption_drawing.h"

#include <QPainter>

namespace plakora {

void DrawCaption(QPainter& painter, const QRect& rect, const QString& caption, const QFont& font,
                 const QColor& colour, Qt::Alignment alignment) {
  if (caption.isEmpty()) return;
  painter.setFont(font);
  painter.setPen(colour);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(rect, static_cast<int>(alignment) | Qt::TextSingleLine | Qt::TextShowMnemonic,
                   caption);
}

}  // namespace plakora
