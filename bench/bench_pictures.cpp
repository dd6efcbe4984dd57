// SPDX-License-Identifier: MIT
#include "bench_pictures.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "runtime/files/read_file_bytes.h"
#include "runtime/picture/decode_picture.h"

namespace plakora::bench {

const ByteBuffer& PictureBytes() {
  static const ByteBuffer bytes = [] {
    QString path = qEnvironmentVariable("PLAKORA_BENCH_PICTURE");
    if (path.isEmpty()) path = QStringLiteral(PLAKORA_SOURCE_DIR "/app/resources/base_poster.jpg");
    FileReadResult read = ReadFileBytes(path);
    if (!read.ok() || read.bytes.empty()) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
      std::exit(2);
    }
    return std::move(read.bytes);
  }();
  return bytes;
}

QImage PosterPixels() {
  const QImage full = DecodePicture(PictureBytes());
  return full.scaled(kBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .copy(QRect(QPoint(0, 0), kPoster));
}

}  // namespace plakora::bench
