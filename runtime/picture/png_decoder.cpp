// SPDX-License-Identifier: MIT
#include <png.h>

#include <QSysInfo>

#include "runtime/picture/picture_decoders.h"
#include "runtime/picture/picture_memory.h"

namespace plakora {
namespace {

// QImage's 32-bit formats are native-endian words 0xAARRGGBB.
constexpr png_uint_32 kQImageByteOrder =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;

// png_image_free is safe to call at any point; this makes sure it runs on every path.
class PngImage {
 public:
  PngImage() {
    image_.version = PNG_IMAGE_VERSION;
    image_.opaque = nullptr;
  }
  ~PngImage() { png_image_free(&image_); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  png_image* get() { return &image_; }

 private:
  png_image image_{};
};

}  // namespace

QImage DecodePng(ByteView bytes) {
  PngImage png;
  png_image* info = png.get();
  if (!png_image_begin_read_from_memory(info, bytes.data(), bytes.size())) return {};
  if (!FitsPixelBudget(info->width, info->height)) return {};

  // The simplified API reports a tRNS chunk as an alpha channel too.
  const bool hasAlpha = (info->format & PNG_FORMAT_FLAG_ALPHA) != 0;
  QImage image = NewPictureImage(static_cast<int>(info->width), static_cast<int>(info->height),
                                 hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) return {};

  info->format = kQImageByteOrder;
  // 16-bit files without gamma information are sRGB in practice; libpng would assume linear
  // light and decode them far too bright.
  info->flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  // The stride counts components; with one byte per component that is bytesPerLine.
  const auto rowStride = static_cast<png_int_32>(image.bytesPerLine());
  if (!png_image_finish_read(info, nullptr, image.bits(), rowStride, nullptr)) return {};
  return image;
}

}  // namespace plakora
