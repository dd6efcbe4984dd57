// SPDX-License-Identifier: MIT
#include "app_test_support.h"

#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include "app/window/main_window.h"

namespace plakora::testing {

bool ShowAndWaitForExposure(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

void TypeAmount(MainWindow& window, const QString& text) {
  QLineEdit* edit = window.amountEdit();
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

QImage Paint(QWidget* widget) {
  QImage image(widget->size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  widget->render(&painter);
  return image;
}

int CountPixels(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& test) {
  int count = 0;
  const QRect inside = rect.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
  }
  return count;
}

bool IsRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; }
bool IsDark(QRgb p) { return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60; }
bool IsNearWhite(QRgb p) { return qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235; }

}  // namespace plakora::testing
