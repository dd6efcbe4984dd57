// SPDX-License-Identifier: MIT
// The first 16 bytes choose the region; the rest is the source image.
#include <cstdint>
#include <cstring>

#include "imaging/bmp_file_image.h"
#include "imaging/crop_bitmap_region.h"
#include "imaging/little_endian.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 16) return 0;
  const plakora::ByteView region(data, 16);
  const auto x = plakora::ReadLittleEndian<std::int32_t>(region, 0);
  const auto y = plakora::ReadLittleEndian<std::int32_t>(region, 4);
  const auto width = plakora::ReadLittleEndian<std::int32_t>(region, 8);
  const auto height = plakora::ReadLittleEndian<std::int32_t>(region, 12);
  // An exact-size copy, so any read past the end is caught.
  const plakora::ByteBuffer source(data + 16, data + size);
  const plakora::ByteBuffer out = plakora::CropBitmapRegion(source, x, y, width, height);
  if (!out.empty()) {
    // A result is always a well-formed header whose stated size is its length.
    const auto stated = plakora::ReadLittleEndian<std::uint32_t>(out, plakora::bmp::kOffsetFileSize);
    if (stated != out.size() || out[0] != 'B' || out[1] != 'M') __builtin_trap();
  }
  return 0;
}
