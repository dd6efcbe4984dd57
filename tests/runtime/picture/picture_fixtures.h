// SPDX-License-Identifier: MIT
// Small pictures made by the tests themselves, with Qt's writers, libjpeg or by hand.
#pragma once

#include <QImage>
#include <QRgb>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

#include "imaging/byte_buffer.h"

namespace plakora::testing {

// The picture in a format Qt can write ("png", "bmp", "ico", "jpeg"); quality -1 is Qt's default.
ByteBuffer QtEncoded(const QImage& image, const char* format, int quality = -1);

// A picture of flat colour blocks, `block` pixels square, colours taken in turn from `colors`.
QImage Blocks(int width, int height, int block, const std::vector<QRgb>& colors);

struct LibjpegPicture {
  int width = 0;
  int height = 0;
  int components = 3;  // samples per pixel in `samples`
  J_COLOR_SPACE inColorSpace = JCS_RGB;
  std::optional<J_COLOR_SPACE> storedColorSpace{};  // jpeg_set_colorspace, when not the default
  bool progressive = false;
  std::vector<std::uint8_t> samples{};  // rows top to bottom, no padding
};
ByteBuffer LibjpegEncoded(const LibjpegPicture& picture);

// The JPEG with its last scan repeated `times` more times before the end marker.
ByteBuffer WithLastScanRepeated(const ByteBuffer& jpeg, int times);

struct GifPicture {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette{};          // 2, 4, 8 ... 256 entries
  std::vector<std::uint8_t> indices{};  // rows top to bottom
  int transparentIndex = -1;
  int screenWidth = 0;  // 0: the image's size
  int screenHeight = 0;
};
ByteBuffer MakeGif(const GifPicture& picture);

struct PcxPicture {
  std::uint8_t version = 5;
  std::uint8_t encoding = 1;
  std::uint8_t bitsPerPixel = 8;
  std::uint8_t planes = 1;
  std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::uint16_t bytesPerLine = 0;
  std::array<std::uint8_t, 48> headerPalette{};
  std::vector<std::uint8_t> planeLines{};  // unencoded, planes × bytesPerLine per row
  std::optional<std::vector<std::uint8_t>> trailingPalette{};  // 768 bytes after 0x0C
};
// Run-length encodes the lines as one stream, so runs may cross line ends.
ByteBuffer MakePcx(const PcxPicture& picture);

// An 8-bit run-length (RLE8) BMP of `width` × `height` with the colour table `palette` and the
// run-length stream `runs` as stored, bottom row first.
ByteBuffer MakeRunLengthBmp(std::int32_t width, std::int32_t height,
                            const std::vector<QRgb>& palette, const ByteBuffer& runs);

// A little-endian write into a fixture, for lying headers.
void Patch16(ByteBuffer& bytes, std::size_t at, std::uint16_t value);
void Patch32(ByteBuffer& bytes, std::size_t at, std::uint32_t value);
// A PNG with its IHDR size replaced and the chunk's CRC fixed.
ByteBuffer WithPngSize(ByteBuffer png, std::uint32_t width, std::uint32_t height);
// A JPEG with its frame header's size replaced.
ByteBuffer WithJpegSize(ByteBuffer jpeg, std::uint16_t width, std::uint16_t height);
// Where a marker's segment starts (at its 0xFF), or npos.
std::size_t FindJpegMarker(const ByteBuffer& jpeg, std::uint8_t marker);

ByteBuffer Cut(const ByteBuffer& bytes, std::size_t size);

}  // namespace plakora::testing
