// SPDX-License-Identifier: MIT
#include "ico_file.h"

#include <stdexcept>

namespace plakora::pictures {

Bytes IcoWith32BitImage(const QImage& image) {
  const int width = image.width();
  const int height = image.height();
  if (width < 1 || width > 256 || height < 1 || height > 256) {
    throw std::runtime_error("icon sides must be 1 to 256 pixels");
  }
  // Icon entries and bitmaps store straight (not premultiplied) alpha.
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const auto w = static_cast<std::uint32_t>(width);
  const auto h = static_cast<std::uint32_t>(height);
  const std::uint32_t maskStride = (w + 31) / 32 * 4;
  const std::uint32_t imageSize = 40 + w * h * 4 + maskStride * h;

  Bytes out;
  AppendLe16(out, 0);                                    // reserved
  AppendLe16(out, 1);                                    // icon, not cursor
  AppendLe16(out, 1);                                    // one image
  out.push_back(static_cast<unsigned char>(w & 0xFFu));  // 256 is stored as 0
  out.push_back(static_cast<unsigned char>(h & 0xFFu));
  out.push_back(0);  // no palette
  out.push_back(0);
  AppendLe16(out, 1);   // planes
  AppendLe16(out, 32);  // bits per pixel
  AppendLe32(out, imageSize);
  AppendLe32(out, 22);  // image data follows this 6 + 16 byte directory

  AppendLe32(out, 40);
  AppendLe32(out, w);
  AppendLe32(out, h * 2);  // colour rows plus mask rows
  AppendLe16(out, 1);
  AppendLe16(out, 32);
  AppendLe32(out, 0);  // BI_RGB
  AppendLe32(out, imageSize - 40);
  for (int i = 0; i < 4; ++i) {
    AppendLe32(out, 0);  // resolution and palette fields unused
  }

  for (int y = height - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<unsigned char>(qBlue(row[x])));
      out.push_back(static_cast<unsigned char>(qGreen(row[x])));
      out.push_back(static_cast<unsigned char>(qRed(row[x])));
      out.push_back(static_cast<unsigned char>(qAlpha(row[x])));
    }
  }
  // Set mask bits mark fully transparent pixels for readers that ignore alpha.
  for (int y = height - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    Bytes mask(maskStride, 0);
    for (int x = 0; x < width; ++x) {
      if (qAlpha(row[x]) == 0) {
        mask[x / 8] = static_cast<unsigned char>(mask[x / 8] | (0x80u >> (x % 8)));
      }
    }
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

}  // namespace plakora::pictures
