// SPDX-License-Identifier: MIT
#include "transparent_label.h"

#include <QPainter>

#include "caption_drawing.h"

namespace plakora {

TransparentLabel::TransparentLabel(const QColor& textColour, Qt::Alignment alignment,
                                   QWidget* parent)
    : QWidget(parent), textColour_(textColour), alignment_(alignment) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TransparentLabel::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TransparentLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawCaption(painter, rect(), caption_, font(), textColour_, alignment_);
}

}  // namespace plakora
