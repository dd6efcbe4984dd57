// SPDX-License-Identifier: MIT
// Writes the picture the benchmarks load: the built-in base poster with a payment QR code
// drawn into its white card, as a phone exports it (JPEG, quality 90, 4:2:0), optionally
// stretched first to a larger size for the memory runs:
//   make_bench_picture <out.jpg> [width height]
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "runtime/files/read_file_bytes.h"
#include "runtime/picture/decode_picture.h"
#include "tests/runtime/qr/qr_pictures.h"

int main(int argc, char** argv) {
  using namespace plakora;
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: make_bench_picture <out.jpg> [width height]\n");
    return 2;
  }
  const FileReadResult read =
      ReadFileBytes(QStringLiteral(PLAKORA_SOURCE_DIR "/app/resources/base_poster.jpg"));
  QImage picture = DecodePicture(read.bytes);
  if (picture.isNull()) return 1;
  const QSize base = picture.size();
  if (argc == 4) {
    const QSize size(QString::fromLocal8Bit(argv[2]).toInt(),
                     QString::fromLocal8Bit(argv[3]).toInt());
    if (size.isEmpty()) return 2;
    picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  // The card's middle in the built-in picture, kept in proportion when stretched.
  const qreal sx = qreal(picture.width()) / base.width(),
              sy = qreal(picture.height()) / base.height();
  test::DrawQrCode(picture, QStringLiteral("wxp://f2f0k3Yx0lYgR1Cq9nJ2uXz7aQw"),
                   QRectF(371 * sx, 600 * sy, 500 * sx, 500 * sy));
  QImageWriter writer(QString::fromLocal8Bit(argv[1]), "jpg");
  writer.setQuality(90);
  if (!writer.write(picture)) {
    std::fprintf(stderr, "make_bench_picture: %s\n", qPrintable(writer.errorString()));
    return 1;
  }
  return 0;
}
