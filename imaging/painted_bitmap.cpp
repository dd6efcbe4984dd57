// SPDX-License-Identifier: MIT
#include "painted_bitmap.h"

#include <vector>

#include "bmp_file_image.h"

namespace plakora {

ByteBuffer PaintedBitmap(CapturableWindow& window, const PixelRect& area,
                         std::uint32_t sizeImageField) {
  const std::int64_t stride = bmp::RowStride(area.width, 32);
  const std::int64_t sizeImage = stride * area.height;

  // Painters want 32-bit aligned rows, which offset 54 of the file image is not: paint into
  // an aligned buffer, then copy the rows bottom-up, as a BMP stores them.
  std::vector<std::uint32_t> painted(static_cast<std::size_t>(sizeImage / 4), 0);
  auto* paintedBytes = reinterpret_cast<std::uint8_t*>(painted.data());
  if (!window.PrintInto(paintedBytes, area, stride)) return {};

  // Appended rather than zeroed and then overwritten.
  ByteBuffer image;
  image.reserve(static_cast<std::size_t>(bmp::kPixelOffset + sizeImage));
  image.resize(bmp::kPixelOffset);
  for (std::int64_t row = area.height - 1; row >= 0; --row) {
    const std::uint8_t* from = paintedBytes + row * stride;
    image.insert(image.end(), from, from + stride);
  }

  bmp::WriteFileHeader(image.data(), static_cast<std::uint32_t>(image.size()), bmp::kPixelOffset);
  bmp::InfoHeader info;
  info.width = area.width;
  info.height = area.height;
  info.planes = 1;
  info.bitCount = 32;
  info.compression = bmp::kCompressionRgb;
  info.sizeImage = sizeImageField;
  bmp::WriteInfoHeader(image.data(), info);
  return image;
}

}  // namespace plakora
