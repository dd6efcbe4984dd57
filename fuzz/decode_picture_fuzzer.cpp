// SPDX-License-Identifier: MIT
// Every picture format through the one entry point, content sniffing included, at full size
// and with the box the window stretches pictures to.
#include <QGuiApplication>
#include <cstdint>

#include "runtime/picture/decode_picture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plakora::ByteBuffer bytes(data, data + size);
  const QImage full = plakora::DecodePicture(bytes);
  const QImage boxed = plakora::DecodePicture(bytes, QSize(390, 520));
  if (!full.isNull() &&
      static_cast<qint64>(full.sizeInBytes()) > plakora::kMaxDecodedPixelBytes) {
    __builtin_trap();
  }
  (void)boxed;
  return 0;
}
