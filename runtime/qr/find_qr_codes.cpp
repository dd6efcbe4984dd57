// SPDX-License-Identifier: MIT
#include "find_qr_codes.h"

#include <ZXing/ReadBarcode.h>

#include <QtGlobal>
#include <algorithm>
#include <vector>

#include "runtime/picture/decode_picture.h"

namespace plakora {
namespace {

// Dark codes on a transparent background are common; over white they read as they look.
// Writing luminance here replaces the grey copy the reader would otherwise make.
QImage LuminanceOverWhite(const QImage& picture) {
  const bool direct = picture.format() == QImage::Format_ARGB32 ||
                      picture.format() == QImage::Format_ARGB32_Premultiplied;
  const QImage argb =
      direct ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const bool premultiplied = argb.format() == QImage::Format_ARGB32_Premultiplied;
  QImage grey(argb.size(), QImage::Format_Grayscale8);
  if (argb.isNull() || grey.isNull()) return {};
  for (int y = 0; y < argb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    uchar* out = grey.scanLine(y);
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb pixel = premultiplied ? in[x] : qPremultiply(in[x]);
      const int white = 255 - qAlpha(pixel);
      out[x] = ZXing::RGBToLum(static_cast<unsigned>(qRed(pixel) + white),
                               static_cast<unsigned>(qGreen(pixel) + white),
                               static_cast<unsigned>(qBlue(pixel) + white));
    }
  }
  return grey;
}

struct Readable {
  QImage image;  // shares the picture's pixels when its format can be read as it is
  ZXing::ImageFormat format = ZXing::ImageFormat::None;
};

Readable ReadableImage(const QImage& picture) {
  constexpr bool kLittleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
  switch (picture.format()) {
    case QImage::Format_RGB32:
      return {picture, kLittleEndian ? ZXing::ImageFormat::BGRX : ZXing::ImageFormat::XRGB};
    case QImage::Format_RGBX8888:
      return {picture, ZXing::ImageFormat::RGBX};
    case QImage::Format_RGB888:
      return {picture, ZXing::ImageFormat::RGB};
    case QImage::Format_BGR888:
      return {picture, ZXing::ImageFormat::BGR};
    case QImage::Format_Grayscale8:
      return {picture, ZXing::ImageFormat::Lum};
    default:
      break;
  }
  QImage grey = picture.hasAlphaChannel() ? LuminanceOverWhite(picture)
                                          : picture.convertToFormat(QImage::Format_Grayscale8);
  return {std::move(grey), ZXing::ImageFormat::Lum};
}

struct Found {
  QString text;
  int centreX = 0;
  int centreY = 0;
};

}  // namespace

QStringList FindQrCodes(const QImage& picture) {
  if (picture.isNull()) return {};
  const Readable readable = ReadableImage(picture);
  if (readable.image.isNull()) return {};

  const ZXing::ImageView view(readable.image.constBits(), readable.image.width(),
                              readable.image.height(), readable.format,
                              static_cast<int>(readable.image.bytesPerLine()));
  const auto hints = ZXing::DecodeHints()
                         .setFormats(ZXing::BarcodeFormat::QRCode)
                         .setTryHarder(true)
                         .setTryRotate(false);  // finder patterns already work at any angle
  const ZXing::Results results = ZXing::ReadBarcodes(view, hints);

  std::vector<Found> found;
  found.reserve(results.size());
  for (const ZXing::Result& result : results) {
    if (!result.isValid()) continue;
    const ZXing::Position& corners = result.position();
    int sumX = 0, sumY = 0;
    for (const auto& corner : corners) {
      sumX += corner.x;
      sumY += corner.y;
    }
    found.push_back({QString::fromStdString(result.text()), sumX / 4, sumY / 4});
  }
  std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    return a.centreY != b.centreY ? a.centreY < b.centreY : a.centreX < b.centreX;
  });

  QStringList texts;
  for (const Found& code : found) {
    if (!texts.contains(code.text)) texts.append(code.text);
  }
  return texts;
}

QStringList FindQrCodesInPicture(ByteView bytes, QSize searchBox) {
  return FindQrCodes(DecodePicture(bytes, searchBox, DecodedPixels::Brightness));
}

bool PosterKeepsQrCodes(const QStringList& expected, const QStringList& found) {
  return std::all_of(expected.cbegin(), expected.cend(),
                     [&found](const QString& text) { return found.contains(text); });
}

}  // namespace plakora
