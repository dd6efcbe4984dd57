// SPDX-License-Identifier: MIT
// Writes small valid pictures of every format into the seed folders of the fuzz targets:
//   make_fuzz_seeds <decode-seed-dir> <crop-seed-dir>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
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

QByteArray ProgressiveJpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(true);
  writer.write(image);
  return bytes;
}

// A 2 × 2 GIF with a two-colour table.
const unsigned char kGif[] = {
    'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0x22, 0xAA, 0x39, 0xFF, 0xFF, 0xFF,
    ',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 2, 0x44, 0x0A, 0, ';'};

// Two 2 × 2 frames, the second behind a graphic control extension.
// clang-format off
const unsigned char kTwoFrameGif[] = {
    'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0, 0x22, 0xAA, 0x39, 0xFF, 0xFF, 0xFF,
    ',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 2, 0x44, 0x0A, 0,
    '!', 0xF9, 4, 1, 10, 0, 0, 0,
    ',', 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 2, 0x44, 0x0A, 0, ';'};
// clang-format on

// A 4 × 2 PCX with the given depth and planes; every byte is stored as a run of one.
QByteArray PlanarPcx(char bitsPerPixel, char planes, int bytesPerLine) {
  QByteArray body(128, '\0');
  body[0] = 0x0A;
  body[1] = 5;
  body[2] = 1;
  body[3] = bitsPerPixel;
  body[8] = 3;   // xmax
  body[10] = 1;  // ymax
  for (int i = 0; i < 48; ++i) body[16 + i] = static_cast<char>(i * 5);
  body[65] = planes;
  body[66] = static_cast<char>(bytesPerLine);
  for (int i = 0; i < 2 * planes * bytesPerLine; ++i) {
    body.append('\xC1');
    body.append(static_cast<char>(i * 37));
  }
  return body;
}

// A 4 × 2 BMP of 8 or 4 bits, run-length encoded, with a two-colour table.
QByteArray RunLengthBmp(bool fourBit) {
  QByteArray out(14 + 40 + 2 * 4, '\0');
  const auto put32 = [&out](int at, quint32 value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(value >> (8 * i));
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(10, static_cast<quint32>(out.size()));
  put32(14, 40);
  put32(18, 4);
  put32(22, 2);
  out[26] = 1;
  out[28] = fourBit ? 4 : 8;
  put32(30, fourBit ? 2 : 1);
  put32(46, 2);
  out[58] = '\xFF';
  out.append("\x04\x01\x00\x00\x04\x10\x00\x01", 8);  // run, row end, run, bitmap end
  return out;
}

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
  // Variants that take the decoders' other branches.
  QByteArray cur = Encode(argb, "ICO");
  cur[2] = 2;
  ok = ok && Save(decode.filePath("progressive.jpg"), ProgressiveJpeg(rgb)) &&
       Save(decode.filePath("grey.jpg"),
            Encode(rgb.convertToFormat(QImage::Format_Grayscale8), "JPG")) &&
       Save(decode.filePath("indexed.png"),
            Encode(rgb.convertToFormat(QImage::Format_Indexed8), "PNG")) &&
       Save(decode.filePath("grey16.png"),
            Encode(rgb.convertToFormat(QImage::Format_Grayscale16), "PNG")) &&
       Save(decode.filePath("indexed.bmp"),
            Encode(rgb.convertToFormat(QImage::Format_Indexed8), "BMP")) &&
       Save(decode.filePath("mono.bmp"), Encode(rgb.convertToFormat(QImage::Format_Mono), "BMP")) &&
       Save(decode.filePath("sample.cur"), cur) &&
       Save(decode.filePath("two-frames.gif"),
            QByteArray(reinterpret_cast<const char*>(kTwoFrameGif), sizeof kTwoFrameGif)) &&
       Save(decode.filePath("rle8.bmp"), RunLengthBmp(false)) &&
       Save(decode.filePath("rle4.bmp"), RunLengthBmp(true)) &&
       Save(decode.filePath("mono.pcx"), PlanarPcx(1, 1, 2)) &&
       Save(decode.filePath("sixteen.pcx"), PlanarPcx(1, 4, 2)) &&
       Save(decode.filePath("rgb.pcx"), PlanarPcx(8, 3, 4)) &&
       Save(decode.filePath("rgba.pcx"), PlanarPcx(8, 4, 4));

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
