// SPDX-License-Identifier: MIT
#include "qr_pictures.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/CharacterSet.h>
#include <ZXing/MultiFormatWriter.h>

#include <QBuffer>
#include <QPainter>
#include <string>

namespace plakora::test {

int DrawQrCode(QImage& picture, const QString& text, const QRectF& symbol, QrText encoding,
               QColor dark, QColor light) {
  ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
  writer.setEccLevel(8).setMargin(0);
  const QByteArray utf8 = text.toUtf8();
  ZXing::BitMatrix modules;
  if (encoding == QrText::Utf8WithEci) {
    writer.setEncoding(ZXing::CharacterSet::UTF8);
    modules = writer.encode(utf8.toStdString(), 0, 0);
  } else {
    // One Latin-1 character per byte, which the writer stores unannounced.
    std::wstring bytes;
    for (const char byte : utf8) bytes.push_back(static_cast<wchar_t>(static_cast<uchar>(byte)));
    modules = writer.encode(bytes, 0, 0);
  }

  const int count = modules.width();
  const qreal module = symbol.width() / count;
  QPainter painter(&picture);
  painter.fillRect(symbol.adjusted(-4 * module, -4 * module, 4 * module, 4 * module), light);
  for (int y = 0; y < count; ++y) {
    for (int x = 0; x < count; ++x) {
      if (!modules.get(x, y)) continue;
      painter.fillRect(
          QRectF(symbol.left() + x * module, symbol.top() + y * module, module, module), dark);
    }
  }
  return count;
}

QImage GreenPicture(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(QColor(26, 173, 25));
  return picture;
}

QImage PosterRoundTrip(const QImage& picture) {
  QImage box = picture.scaled(kPosterBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
  {
    QPainter painter(&box);
    painter.fillRect(0, 0, kPosterBox.width(), kHeaderRows, QColor(7, 193, 96));
    painter.fillRect(kCaptionBox, Qt::white);
  }
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  box.copy(QRect(QPoint(0, 0), kPosterSize)).save(&buffer, "JPEG", 95);
  return QImage::fromData(jpeg);
}

}  // namespace plakora::test
