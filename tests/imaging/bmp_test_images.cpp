// SPDX-License-Identifier: MIT
#include "bmp_test_images.h"

#include <algorithm>

#include "imaging/bmp_file_image.h"
#include "imaging/little_endian.h"

namespace plakora::testing {

std::uint8_t PatternByte(std::size_t offset) {
  return static_cast<std::uint8_t>((offset * 131 + offset / 251 + 7) & 0xFF);
}

ByteBuffer MakeBmp(const BmpSpec& spec, std::size_t keepBytes) {
  const std::uint32_t offset = spec.pixelOffset != 0 ? spec.pixelOffset
                               : spec.bitCount == 8  ? bmp::kPalettedPixelOffset
                                                     : bmp::kPixelOffset;
  const std::int64_t rows = spec.height < 0 ? -std::int64_t{spec.height} : spec.height;
  const std::int64_t size = offset + bmp::RowStride(spec.width, spec.bitCount) * rows;
  ByteBuffer image(std::max<std::size_t>(bmp::kPixelOffset,
                                         std::min(static_cast<std::size_t>(size), keepBytes)));
  for (std::size_t i = bmp::kPixelOffset; i < image.size(); ++i) image[i] = PatternByte(i);
  bmp::WriteFileHeader(image.data(), static_cast<std::uint32_t>(size), offset);
  bmp::InfoHeader info;
  info.width = spec.width;
  info.height = spec.height;
  info.planes = 1;
  info.bitCount = static_cast<std::uint16_t>(spec.bitCount);
  info.compression = static_cast<std::uint32_t>(spec.compression);
  info.xPelsPerMeter = 3780;
  info.yPelsPerMeter = 3780;
  bmp::WriteInfoHeader(image.data(), info);
  image.resize(std::min(image.size(), keepBytes));
  return image;
}

}  // namespace plakora::testing
