// SPDX-License-Identifier: MIT
#include "cjk_text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTransform>
#include <stdexcept>

namespace plakora::pictures {

QFont CjkFont(QFont::Weight weight) {
  const QString family = QStringLiteral("Noto Sans CJK SC");
  QFont font(family);
  font.setPixelSize(200);
  font.setWeight(weight);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::NoFontMerging);
  const QFontInfo info(font);
  if (info.family() != family || info.weight() != weight) {
    throw std::runtime_error("font " + family.toStdString() +
                             " with the wanted weight is not installed (fonts-noto-cjk)");
  }
  return font;
}

QPainterPath TextOutline(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  for (const char32_t codePoint : text.toUcs4()) {
    if (!metrics.inFontUcs4(codePoint)) {
      throw std::runtime_error("font lacks a glyph for " + text.toStdString());
    }
  }
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path;
}

QPainterPath InkCentredAt(const QPainterPath& outline, double inkHeight, QPointF centre) {
  const QRectF ink = outline.boundingRect();
  const double scale = inkHeight / ink.height();
  QTransform transform;
  transform.translate(centre.x() - ink.center().x() * scale, centre.y() - ink.center().y() * scale);
  transform.scale(scale, scale);
  return transform.map(outline);
}

}  // namespace plakora::pictures
