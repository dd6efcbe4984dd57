// SPDX-License-Identifier: MIT
// Starts as the program does and quits once the window has been painted the first time.
// Prints the milliseconds from entering main() to the end of that paint.
#include <QApplication>
#include <QStyleFactory>
#include <chrono>
#include <cstdio>

#include "app/window/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(Clock::time_point start) : start_(start) {}
  double paintedMs = -1;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint || seen_) return false;
    seen_ = true;
    // Queued, so it runs after the children of the window have painted too.
    QMetaObject::invokeMethod(
        qApp,
        [this] {
          paintedMs = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
          QApplication::quit();
        },
        Qt::QueuedConnection);
    return false;
  }

 private:
  Clock::time_point start_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point start = Clock::now();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plakora"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  FirstPaint watcher(start);
  int exitCode = 0;
  {
    plakora::MainWindow window;
    window.installEventFilter(&watcher);
    window.show();
    exitCode = QApplication::exec();
  }
  const auto closedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (watcher.paintedMs < 0) return 1;
  std::printf("first paint %.1f ms after main(); window gone at %.1f ms\n", watcher.paintedMs,
              closedMs);
  return exitCode;
}
