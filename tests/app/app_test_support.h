// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>
#include <functional>

#include "app/window/file_chooser.h"

class QWidget;

namespace plakora {
class MainWindow;
}

namespace plakora::testing {

// Answers the open-file dialog from a script: each call takes the next answer; an empty
// answer is a cancel.
class ScriptedFileChooser : public FileChooser {
 public:
  explicit ScriptedFileChooser(QStringList* answers) : answers_(answers) {}
  QString chooseFileToOpen(QWidget*, const QString& previous) override {
    offered.append(previous);
    return answers_->isEmpty() ? QString() : answers_->takeFirst();
  }
  QStringList offered;

 private:
  QStringList* answers_;
};

// Shows the window and waits until the platform has exposed it; false when it never is.
bool ShowAndWaitForExposure(QWidget& window);

// Replaces the amount the way a user does: select all, delete, type.
void TypeAmount(MainWindow& window, const QString& text);

// What the widget paints, at scale 1, as an RGB32 image.
QImage Paint(QWidget* widget);

// Pixels inside `rect` for which `test` holds.
int CountPixels(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& test);

bool IsRed(QRgb p);
bool IsDark(QRgb p);
bool IsNearWhite(QRgb p);

}  // namespace plakora::testing
