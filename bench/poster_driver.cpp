// SPDX-License-Identifier: MIT
// Makes posters headless through the window's own buttons, for timing whole processes:
//   poster_driver [--show] <picture> <home> [count]
// Loads the picture with 载入图片, then makes `count` posters (default 1) with 生成图片 into
// <home>/Desktop/微信收款码海报文件夹, cycling 10 amounts for each of the 5 devices. The window
// is built but not shown unless --show asks for it; the posters are the same either way.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QWindow>
#include <array>
#include <cstdio>
#include <utility>

#include "app/window/main_window.h"

namespace {

constexpr std::array<const char*, 10> kAmounts = {"10", "15", "20", "25", "30",
                                                  "40", "50", "60", "80", "99"};

int Fail(const QString& message) {
  std::fprintf(stderr, "poster_driver: %s\n", qPrintable(message));
  return 1;
}

double Ms(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

int Usage() {
  std::fprintf(stderr, "usage: poster_driver [--show] <picture> <home> [count]\n");
  return 2;
}

// Answers the open-file dialog with the picture named on the command line.
class PictureArgument : public plakora::FileChooser {
 public:
  explicit PictureArgument(QString path) : path_(std::move(path)) {}
  QString chooseFileToOpen(QWidget*, const QString&) override { return path_; }

 private:
  QString path_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace plakora;
  QElapsedTimer timer;
  timer.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QStringList args = QCoreApplication::arguments().mid(1);
  const bool show = args.removeAll(QStringLiteral("--show")) > 0;
  if (args.size() < 2 || args.size() > 3) return Usage();
  int count = 1;
  if (args.size() == 3) {
    bool ok = false;
    count = args[2].toInt(&ok);
    if (!ok || count < 1) return Usage();
  }
  // Where the generate button finds the desktop.
  qputenv("HOME", args[1].toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (args[1] + QStringLiteral("/.config")).toLocal8Bit());

  MainWindow window(std::make_unique<PictureArgument>(args[0]));
  if (show) {
    window.show();
    for (int i = 0; i < 100 && !window.windowHandle()->isExposed(); ++i) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
  }
  const double builtMs = Ms(timer);

  const QString statusBefore = window.statusEdit()->text();
  window.loadPictureButton()->click();
  if (window.statusEdit()->text() != statusBefore) return Fail(window.statusEdit()->text());
  const double loadedMs = Ms(timer);

  for (int i = 0; i < count; ++i) {
    const int device = (i / static_cast<int>(kAmounts.size())) % 5;
    if (window.deviceCombo()->currentIndex() != device || i == 0) {
      window.deviceCombo()->setCurrentIndex(device);
      emit window.deviceCombo()->activated(device);
      QApplication::processEvents();  // the window takes the pick as a posted event
    }
    window.amountEdit()->setText(
        QString::fromLatin1(kAmounts[static_cast<std::size_t>(i) % kAmounts.size()]));
    window.generateButton()->click();
    // A poster written with every code of the picture still readable says nothing more.
    const QString status = window.statusEdit()->text();
    if (!status.startsWith(QStringLiteral("生成完毕")) || status.contains(QStringLiteral("，")))
      return Fail(status);
  }
  // First-time costs included: this is what one process pays.
  std::printf("window built%s %.1f ms after main(), picture loaded in %.1f ms, %d posters in %.1f ms\n",
              show ? " and shown" : "", builtMs, loadedMs - builtMs, count, Ms(timer) - loadedMs);
  return 0;
}
