// SPDX-License-Identifier: MIT
#include "escape_closes_window.h"

#include <QKeyEvent>
#include <QTimer>

namespace plakora {

EscapeClosesWindow::EscapeClosesWindow(QWidget* window) : QObject(window), window_(window) {}

bool EscapeClosesWindow::belongsToWindow(QObject* object) const {
  // Pop-ups are windows of their own whose parent chain leads back to the control.
  for (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr;
       widget = widget->parentWidget()) {
    if (widget == window_) return true;
  }
  return false;
}

bool EscapeClosesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (window_.isNull()) return false;
  const bool isEscape =
      (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
  if (!isEscape || !belongsToWindow(watched)) return false;
  if (event->type() == QEvent::KeyPress) {
    // Closing from inside a pop-up's own key handling would tear it down under its feet.
    QTimer::singleShot(0, window_, [window = window_] {
      if (window) window->close();
    });
  }
  event->accept();
  return true;
}

}  // namespace plakora
