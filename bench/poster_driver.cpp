// SPDX-License-Identifier: MIT
// Makes posters headless, as a user would with the window, for timing whole processes:
//   poster_driver [--no-qr-check] <picture> <outdir> [count]
// Loads the picture into the base box, then generates `count` posters (default 1) through
// GeneratePoster into <outdir>/微信收款码海报文件夹, cycling 10 amounts for each of the 5
// devices. --no-qr-check skips reading the QR codes, which the other tools never do.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStyleFactory>
#include <QWindow>
#include <array>
#include <cstdio>

#include "app/controls/picture_box.h"
#include "app/controls/transparent_label.h"
#include "app/poster/generate_poster.h"
#include "app/poster/widget_window_capture.h"
#include "app/window/current_device_text.h"
#include "app/window/main_window.h"
#include "runtime/files/read_file_bytes.h"
#include "runtime/picture/decode_picture.h"
#include "runtime/qr/find_qr_codes.h"

namespace {

constexpr std::array<const char*, 10> kAmounts = {"10", "15", "20", "25", "30",
                                                  "40", "50", "60", "80", "99"};

int Fail(const QString& message) {
  std::fprintf(stderr, "poster_driver: %s\n", qPrintable(message));
  return 1;
}

double Ms(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

int Usage() {
  std::fprintf(stderr, "usage: poster_driver [--no-qr-check] <picture> <outdir> [count]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace plakora;
  QElapsedTimer timer;
  timer.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QStringList args = QCoreApplication::arguments().mid(1);
  const bool checkQrCodes = !args.removeAll(QStringLiteral("--no-qr-check"));
  if (args.size() < 2 || args.size() > 3) return Usage();
  int count = 1;
  if (args.size() == 3) {
    bool ok = false;
    count = args[2].toInt(&ok);
    if (!ok || count < 1) return Usage();
  }

  MainWindow window;
  window.show();
  for (int i = 0; i < 100 && !window.windowHandle()->isExposed(); ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }

  const double shownMs = Ms(timer);

  // What the load button does once the file is chosen.
  const FileReadResult read = ReadFileBytes(args[0]);
  if (!read.ok()) return Fail(args[0] + QStringLiteral(": ") + read.error);
  if (!window.baseBox()->setPictureBytes(read.bytes))
    return Fail(args[0] + QStringLiteral(": no picture"));
  const double loadedMs = Ms(timer);
  const QStringList qrCodes = checkQrCodes ? FindQrCodes(DecodePicture(read.bytes)) : QStringList();
  const double qrReadMs = Ms(timer);

  WidgetWindowCapture capture(&window);
  for (int i = 0; i < count; ++i) {
    const int device = (i / static_cast<int>(kAmounts.size())) % 5;
    if (window.deviceCombo()->currentIndex() != device || i == 0) {
      window.deviceCombo()->setCurrentIndex(device);
      emit window.deviceCombo()->activated(device);
      QApplication::processEvents();  // the window takes the pick as a posted event
    }
    window.amountEdit()->setText(
        QString::fromLatin1(kAmounts[static_cast<std::size_t>(i) % kAmounts.size()]));
    const PosterResult result = GeneratePoster(
        capture, {args[1], currentDeviceText, window.amountLabel()->caption(), qrCodes});
    if (!result.ok()) return Fail(result.filePath + QStringLiteral(": ") + result.error);
    if (!result.qrCodesKept) return Fail(result.filePath + QStringLiteral(": QR code lost"));
  }
  // First-time costs included: this is what one process pays.
  std::printf(
      "window shown %.1f ms after main(), box load %.1f ms, QR read %.1f ms (%lld codes), %d "
      "posters %.1f ms\n",
      shownMs, loadedMs - shownMs, qrReadMs - loadedMs, static_cast<long long>(qrCodes.size()),
      count, Ms(timer) - qrReadMs);
  return 0;
}
