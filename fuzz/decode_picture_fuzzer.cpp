// SPDX-License-Identifier: MIT
// Every picture format through the one entry point, content sniffing included, at full size,
// with the box the window stretches pictures to, and as the QR read decodes them.
#include <QGuiApplication>
#include <cstdint>

#include "runtime/picture/decode_picture.h"

namespace {

// Qt's readers warn on every damaged input; printing that costs more than the decoding.
void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// What DecodePicture promises for any input: null, or a 32-bit picture within the budget;
// decoded for brightness, a JPEG may also come back grey.
void CheckResult(const QImage& image, bool greyAllowed = false) {
  if (image.isNull()) return;
  if (static_cast<qint64>(image.sizeInBytes()) > plakora::kMaxDecodedPixelBytes) __builtin_trap();
  const bool grey = greyAllowed && image.format() == QImage::Format_Grayscale8;
  if (!grey && image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(DropMessage);
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so any read past the end is caught.
  const plakora::ByteBuffer bytes(data, data + size);
  CheckResult(plakora::DecodePicture(bytes));
  CheckResult(plakora::DecodePicture(bytes, QSize(390, 520)));
  CheckResult(plakora::DecodePicture(bytes, QSize(1560, 2080), plakora::DecodedPixels::Brightness),
              true);
  return 0;
}
