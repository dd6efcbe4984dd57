// SPDX-License-Identifier: MIT
#include "background_label.h"

#include <QPainter>

#include "blend_over_colour.h"
#include "caption_drawing.h"

namespace plakora {

BackgroundLabel::BackgroundLabel(const QColor& textColour, const QColor& background,
                                 Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), textColour_(textColour), background_(background), alignment_(alignment) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundLabel::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void BackgroundLabel::setBackgroundPicture(const QImage& picture) {
  picture_ = picture.isNull() ? QImage() : BlendOverColour(picture, background_);
  update();
}

void BackgroundLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull()) {
    painter.fillRect(rect(), background_);
  } else {
    // Tiles cover the whole label, so no colour shows through.
    painter.drawTiledPixmap(rect(), QPixmap::fromImage(picture_));
  }
  DrawCaption(painter, rect(), caption_, font(), textColour_, alignment_);
}

}  // namespace plakora
