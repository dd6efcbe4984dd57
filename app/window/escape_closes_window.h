// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace plakora {

// Turns every Escape key press in a window, or in a pop-up of one of its controls such as an
// open combo-box list, into a close request for the window. Install on the application.
class EscapeClosesWindow : public QObject {
  Q_OBJECT
 public:
  explicit EscapeClosesWindow(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool belongsToWindow(QObject* object) const;
  QPointer<QWidget> window_;
};

}  // namespace plakora
