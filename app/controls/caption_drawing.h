// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace plakora {

// Draws a label's caption: one line, aligned within `rect`, on a transparent background;
// '&' underlines the next character and "&&" shows one '&'. Text that does not fit runs
// past `rect` and is cut only by the painter's clip, the control's own edges.
void DrawCaption(QPainter& painter, const QRect& rect, const QString& caption, const QFont& font,
                 const QColor& colour, Qt::Alignment alignment);

}  // namespace plakora
