// SPDX-License-Identifier: MIT
#include "bmp_file_image.h"

#include "little_endian.h"

namespace plakora::bmp {

void WriteFileHeader(std::uint8_t* image, std::uint32_t fileSize, std::uint32_t pixelOffset) {
  WriteLittleEndian<std::uint16_t>(image, kSignature);
  WriteLittleEndian<std::uint32_t>(image + kOffsetFileSize, fileSize);
  WriteLittleEndian<std::uint16_t>(image + 6, 0);
  WriteLittleEndian<std::uint16_t>(image + 8, 0);
  WriteLittleEndian<std::uint32_t>(image + kOffsetPixelOffset, pixelOffset);
}

void WriteInfoHeader(std::uint8_t* image, const InfoHeader& header) {
  WriteLittleEndian<std::uint32_t>(image + kOffsetInfoSize, kInfoHeaderSize);
  WriteLittleEndian<std::int32_t>(image + kOffsetWidth, header.width);
  WriteLittleEndian<std::int32_t>(image + kOffsetHeight, header.height);
  WriteLittleEndian<std::uint16_t>(image + kOffsetPlanes, header.planes);
  WriteLittleEndian<std::uint16_t>(image + kOffsetBitCount, header.bitCount);
  WriteLittleEndian<std::uint32_t>(image + kOffsetCompression, header.compression);
  WriteLittleEndian<std::uint32_t>(image + kOffsetSizeImage, header.sizeImage);
  WriteLittleEndian<std::int32_t>(image + kOffsetXPelsPerMeter, header.xPelsPerMeter);
  WriteLittleEndian<std::int32_t>(image + kOffsetYPelsPerMeter, header.yPelsPerMeter);
  WriteLittleEndian<std::uint32_t>(image + kOffsetClrUsed, header.clrUsed);
  WriteLittleEndian<std::uint32_t>(image + kOffsetClrImportant, header.clrImportant);
}

InfoHeader ReadInfoHeader(ByteView image) {
  InfoHeader h;
  h.width = ReadLittleEndian<std::int32_t>(image, kOffsetWidth);
  h.height = ReadLittleEndian<std::int32_t>(image, kOffsetHeight);
  h.planes = ReadLittleEndian<std::uint16_t>(image, kOffsetPlanes);
  h.bitCount = ReadLittleEndian<std::uint16_t>(image, kOffsetBitCount);
  h.compression = ReadLittleEndian<std::uint32_t>(image, kOffsetCompression);
  h.sizeImage = ReadLittleEndian<std::uint32_t>(image, kOffsetSizeImage);
  h.xPelsPerMeter = ReadLittleEndian<std::int32_t>(image, kOffsetXPelsPerMeter);
  h.yPelsPerMeter = ReadLittleEndian<std::int32_t>(image, kOffsetYPelsPerMeter);
  h.clrUsed = ReadLittleEndian<std::uint32_t>(image, kOffsetClrUsed);
  h.clrImportant = ReadLittleEndian<std::uint32_t>(image, kOffsetClrImportant);
  return h;
}

}  // namespace plakora::bmp
