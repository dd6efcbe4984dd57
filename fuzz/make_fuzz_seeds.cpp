// SPDX-License-Identifier: MIT
// Writes small valid pictures of every format into the seed folders of the fuzz targets:
//   make_fuzz_seeds <decode-seed-dir> <crop-seed-dir>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

QImage Sample(QImage::Format format) {
  QImage image(13, 7, format);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.fillRect(0, 0, 6, 7, QColor(30, 170, 60, 200));
  painter.fillRect(6, 2, 7, 3, QColor(250, 250, 250));
  return image;
}

bool Save(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

// A 2 × 2 GIF with a two-colour table.
const unsigned char kGif[] = {
    'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0x22, 0xAA, 0x39, 0xFF, 0xFF, 0xFF,
    ',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 2, 0x44, 0x0A, 0, ';'};

// A 4 × 2 PCX of 8 bits in one plane with a 256-colour palette, RLE-encoded.
QByteArray Pcx() {
  QByteArray header(128, '\0');
  header[0] = 0x0A;
  header[1] = 5;
  header[2] = 1;
  header[3] = 8;
  header[8] = 3;   // xmax
  header[10] = 1;  // ymax
  header[65] = 1;  // planes
  header[66] = 4;  // bytes per line
  QByteArray body = header;
  body.append("\xC4\x01", 2);
  body.append("\x02\x03\x04\x05", 4);
  body.append('\x0C');
  for (int i = 0; i < 256; ++i) body.append(3, static_cast<char>(i));
  return body;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_fuzz_seeds <decode-seed-dir> <crop-seed-dir>\n");
    return 2;
  }
  const QDir decode(QString::fromLocal8Bit(argv[1]));
  const QDir crop(QString::fromLocal8Bit(argv[2]));
  QDir().mkpath(decode.path());
  QDir().mkpath(crop.path());

  const QImage argb = Sample(QImage::Format_ARGB32);
  const QImage rgb = Sample(QImage::Format_RGB32);
  bool ok = Save(decode.filePath("sample.png"), Encode(argb, "PNG")) &&
            Save(decode.filePath("sample.jpg"), Encode(rgb, "JPG")) &&
            Save(decode.filePath("sample.bmp"), Encode(rgb, "BMP")) &&
            Save(decode.filePath("sample.ico"), Encode(argb, "ICO")) &&
            Save(decode.filePath("sample.gif"),
                 QByteArray(reinterpret_cast<const char*>(kGif), sizeof kGif)) &&
            Save(decode.filePath("sample.pcx"), Pcx());

  // Region prefixes (x, y, width, height) before small bitmaps of each depth.
  const QByteArray region("\x01\0\0\0\x01\0\0\0\x05\0\0\0\x03\0\0\0", 16);
  const QImage::Format depths[] = {QImage::Format_RGB32, QImage::Format_RGB888,
                                   QImage::Format_RGB16, QImage::Format_Indexed8};
  int n = 0;
  for (QImage::Format depth : depths) {
    QImage image = rgb.convertToFormat(depth);
    ok = ok && Save(crop.filePath(QStringLiteral("depth%1.bin").arg(n++)),
                    region + Encode(image, "BMP"));
  }
  return ok ? 0 : 1;
}
