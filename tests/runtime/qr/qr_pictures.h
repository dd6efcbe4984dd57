// SPDX-License-Identifier: MIT
// Pictures with QR codes, made in memory, and what the poster does to them.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace plakora::test {

inline constexpr QSize kPosterBox{390, 520};           // the picture is stretched to this
inline constexpr QSize kPosterSize{384, 520};          // the saved top-left part of it
inline constexpr int kHeaderRows = 80;                 // covered by the header strip
inline constexpr QRect kCaptionBox{61, 390, 264, 32};  // white caption over the picture

enum class QrText {
  Utf8WithEci,     // UTF-8 announced in the code
  Utf8WithoutEci,  // UTF-8 bytes left for the reader to guess, as many generators do
};

// Draws the code with its modules filling `symbol` and a white quiet zone of four modules
// around it, at error correction level H. Returns the number of modules along a side.
int DrawQrCode(QImage& picture, const QString& text, const QRectF& symbol,
               QrText encoding = QrText::Utf8WithEci, QColor dark = Qt::black,
               QColor light = Qt::white);

// An opaque green picture such as payment apps export, without any code.
QImage GreenPicture(QSize size);

// The saved poster of `picture`: stretched smoothly to kPosterBox, the header strip and
// caption painted over it, cut to kPosterSize and read back from a quality-95 JPEG.
QImage PosterRoundTrip(const QImage& picture);

}  // namespace plakora::test
