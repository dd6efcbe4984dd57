// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace plakora {

// A label that paints no background: whatever lies beneath it stays visible. Qt composes the
// parent's painting under it on every update, so a shorter caption leaves no trace of a
// longer one.
class TransparentLabel : public QWidget {
  Q_OBJECT
 public:
  TransparentLabel(const QColor& textColour, Qt::Alignment alignment, QWidget* parent = nullptr);

  void setCaption(const QString& caption);
  QString caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QColor textColour_;
  Qt::Alignment alignment_;
};

}  // namespace plakora
