// SPDX-License-Identifier: MIT
#include "png_file.h"

#include <png.h>

#include <QFile>
#include <stdexcept>

namespace plakora::pictures {

void WriteRgbaPng(const QImage& image, const QString& path) {
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(rgba.width());
  png.height = static_cast<png_uint_32>(rgba.height());
  png.format = PNG_FORMAT_RGBA;
  const QByteArray file = QFile::encodeName(path);
  if (png_image_write_to_file(&png, file.constData(), 0, rgba.constBits(),
                              static_cast<png_int_32>(rgba.bytesPerLine()), nullptr) == 0) {
    const std::string message = png.message;
    png_image_free(&png);
    throw std::runtime_error("cannot write " + path.toStdString() + ": " + message);
  }
}

}  // namespace plakora::pictures
