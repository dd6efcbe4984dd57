// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

namespace plakora {

// A label that paints its own background: a picture tiled from the top-left corner (or its
// background colour where there is none), then its caption.
class BackgroundLabel : public QWidget {
  Q_OBJECT
 public:
  BackgroundLabel(const QColor& textColour, const QColor& background, Qt::Alignment alignment,
                  QWidget* parent = nullptr);

  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setBackgroundPicture(const QImage& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QColor textColour_;
  QColor background_;
  Qt::Alignment alignment_;
  QImage picture_;  // blended over the background colour once
};

}  // namespace plakora
