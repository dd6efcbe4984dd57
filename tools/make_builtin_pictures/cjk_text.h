// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace plakora::pictures {

// Noto Sans CJK SC at a large size; the outlines get scaled to the ink size
// wanted, so placement depends on glyph shapes only, not on hinting.
// Throws std::runtime_error when the face is not installed.
QFont CjkFont(QFont::Weight weight);

// Outline of `text` with its baseline at y = 0. Throws when a character is
// missing from the face, as a fallback face would change the pictures.
QPainterPath TextOutline(const QFont& font, const QString& text);

// The outline scaled so its ink is `inkHeight` tall, its ink box centred on `centre`.
QPainterPath InkCentredAt(const QPainterPath& outline, double inkHeight, QPointF centre);

}  // namespace plakora::pictures
