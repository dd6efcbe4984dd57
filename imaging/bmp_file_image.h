// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "byte_buffer.h"

namespace plakora::bmp {

inline constexpr std::uint16_t kSignature = 0x4D42;  // "BM"
inline constexpr std::int32_t kFileHeaderSize = 14;
inline constexpr std::int32_t kInfoHeaderSize = 40;
inline constexpr std::int32_t kColourTableSize = 1024;  // 256 entries of 4 bytes
inline constexpr std::int32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;  // 54
inline constexpr std::int32_t kPalettedPixelOffset = kPixelOffset + kColourTableSize;  // 1078
inline constexpr std::uint32_t kCompressionRgb = 0;  // BI_RGB

// Field offsets within a BMP file image.
inline constexpr std::size_t kOffsetFileSize = 2;
inline constexpr std::size_t kOffsetPixelOffset = 10;
inline constexpr std::size_t kOffsetInfoSize = 14;
inline constexpr std::size_t kOffsetWidth = 18;
inline constexpr std::size_t kOffsetHeight = 22;
inline constexpr std::size_t kOffsetPlanes = 26;
inline constexpr std::size_t kOffsetBitCount = 28;
inline constexpr std::size_t kOffsetCompression = 30;
inline constexpr std::size_t kOffsetSizeImage = 34;
inline constexpr std::size_t kOffsetXPelsPerMeter = 38;
inline constexpr std::size_t kOffsetYPelsPerMeter = 42;
inline constexpr std::size_t kOffsetClrUsed = 46;
inline constexpr std::size_t kOffsetClrImportant = 50;

// The 40-byte BITMAPINFOHEADER, field by field.
struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

// Bytes of one stored row of `width` pixels at `bitCount` bits, padded to 4 bytes.
constexpr std::int64_t RowStride(std::int64_t width, std::int64_t bitCount) {
  return ((width * bitCount + 31) >> 5) << 2;
}

// Writes the 14-byte file header at `image[0]`; `image` must hold at least 14 bytes.
void WriteFileHeader(std::uint8_t* image, std::uint32_t fileSize, std::uint32_t pixelOffset);

// Writes the 40-byte information header at `image[14]`; `image` must hold at least 54 bytes.
void WriteInfoHeader(std::uint8_t* image, const InfoHeader& header);

// Reads the information header at offset 14; missing bytes read as zero.
InfoHeader ReadInfoHeader(ByteView image);

}  // namespace plakora::bmp
