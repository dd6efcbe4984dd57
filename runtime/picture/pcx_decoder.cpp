// SPDX-License-Identifier: MIT
// PCX has no maintained library here, so this is a small reader of its own. Every length in
// the header is checked against the input before use, and the run-length reader stops at the
// end of the data. A file whose pixel data ends early is refused rather than padded.
#include <QColor>
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/little_endian.h"
#include "runtime/picture/picture_decoders.h"
#include "runtime/picture/picture_memory.h"

namespace plakora {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kHeaderPaletteAt = 16;
constexpr std::uint8_t kTrailingPaletteMarker = 0x0C;
constexpr std::size_t kTrailingPaletteSize = 1 + 256 * 3;

enum class Layout { Mono, SixteenColors, Palette256, Rgb, Rgba };

struct PcxHeader {
  Layout layout = Layout::Mono;
  int width = 0;
  int height = 0;
  std::size_t planes = 0;
  std::size_t bytesPerPlaneLine = 0;
};

bool ReadHeader(ByteView bytes, PcxHeader& header) {
  if (bytes.size() < kHeaderSize || bytes[2] != 1) return false;
  const std::uint8_t bitsPerPixel = bytes[3];
  const std::uint8_t planes = bytes[65];
  if (bitsPerPixel == 1 && planes == 1) {
    header.layout = Layout::Mono;
  } else if (bitsPerPixel == 1 && planes == 4) {
    header.layout = Layout::SixteenColors;
  } else if (bitsPerPixel == 8 && planes == 1) {
    header.layout = Layout::Palette256;
  } else if (bitsPerPixel == 8 && planes == 3) {
    header.layout = Layout::Rgb;
  } else if (bitsPerPixel == 8 && planes == 4) {
    header.layout = Layout::Rgba;
  } else {
    return false;
  }
  const int xMin = ReadLittleEndian<std::uint16_t>(bytes, 4);
  const int yMin = ReadLittleEndian<std::uint16_t>(bytes, 6);
  const int xMax = ReadLittleEndian<std::uint16_t>(bytes, 8);
  const int yMax = ReadLittleEndian<std::uint16_t>(bytes, 10);
  if (xMax < xMin || yMax < yMin) return false;
  header.width = xMax - xMin + 1;
  header.height = yMax - yMin + 1;
  if (!FitsPixelBudget(header.width, header.height)) return false;

  header.planes = planes;
  header.bytesPerPlaneLine = ReadLittleEndian<std::uint16_t>(bytes, 66);
  const std::size_t neededPerPlane = (std::size_t(header.width) * bitsPerPixel + 7) / 8;
  return header.bytesPerPlaneLine >= neededPerPlane;
}

// Run-length decoding that may carry a run from one line into the next, as some writers do.
class RunLengthReader {
 public:
  explicit RunLengthReader(ByteView data) : data_(data) {}

  // Fills `line` completely; false when the data ends first.
  bool ReadLine(std::span<std::uint8_t> line) {
    std::size_t filled = 0;
    while (filled < line.size()) {
      if (runLeft_ > 0) {
        const std::size_t take = std::min(runLeft_, line.size() - filled);
        std::fill_n(line.begin() + static_cast<std::ptrdiff_t>(filled), take, runValue_);
        filled += take;
        runLeft_ -= take;
        continue;
      }
      if (pos_ >= data_.size()) return false;
      const std::uint8_t byte = data_[pos_++];
      if ((byte & 0xC0) != 0xC0) {
        line[filled++] = byte;
        continue;
      }
      if (pos_ >= data_.size()) return false;
      runLeft_ = byte & 0x3F;
      runValue_ = data_[pos_++];
    }
    return true;
  }

 private:
  ByteView data_;
  std::size_t pos_ = 0;
  std::size_t runLeft_ = 0;
  std::uint8_t runValue_ = 0;
};

bool HasTrailingPalette(ByteView bytes) {
  return bytes.size() >= kHeaderSize + kTrailingPaletteSize &&
         bytes[bytes.size() - kTrailingPaletteSize] == kTrailingPaletteMarker;
}

QRgb PaletteColor(ByteView palette, std::size_t index) {
  const std::size_t at = index * 3;
  return qRgb(palette[at], palette[at + 1], palette[at + 2]);
}

bool Bit(const std::uint8_t* plane, int x) { return ((plane[x / 8] >> (7 - x % 8)) & 1) != 0; }

void ConvertLine(const PcxHeader& header, ByteView palette, const std::uint8_t* line, QRgb* out) {
  const std::size_t stride = header.bytesPerPlaneLine;
  for (int x = 0; x < header.width; ++x) {
    switch (header.layout) {
      case Layout::Mono:
        out[x] = Bit(line, x) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        break;
      case Layout::SixteenColors: {
        std::size_t index = 0;
        for (std::size_t p = 0; p < 4; ++p) index |= std::size_t{Bit(line + p * stride, x)} << p;
        out[x] = PaletteColor(palette, index);
        break;
      }
      case Layout::Palette256:
        out[x] = palette.empty() ? qRgb(line[x], line[x], line[x]) : PaletteColor(palette, line[x]);
        break;
      case Layout::Rgb:
        out[x] = qRgb(line[x], line[x + stride], line[x + 2 * stride]);
        break;
      case Layout::Rgba:
        out[x] = qRgba(line[x], line[x + stride], line[x + 2 * stride], line[x + 3 * stride]);
        break;
    }
  }
}

}  // namespace

QImage DecodePcx(ByteView bytes) {
  PcxHeader header;
  if (!ReadHeader(bytes, header)) return {};

  ByteView data = bytes.subspan(kHeaderSize);
  ByteView palette;
  if (header.layout == Layout::SixteenColors) {
    palette = bytes.subspan(kHeaderPaletteAt, 16 * 3);
  } else if (header.layout == Layout::Palette256 && HasTrailingPalette(bytes)) {
    palette = bytes.last(kTrailingPaletteSize - 1);
    data = data.first(data.size() - kTrailingPaletteSize);  // the palette is not pixel data
  }

  // Two input bytes make at most 63 output bytes; a header asking for more than the data can
  // hold is refused before the picture is allocated.
  const std::size_t lineBytes = header.planes * header.bytesPerPlaneLine;
  const std::uint64_t neededBytes = std::uint64_t{lineBytes} * std::uint64_t(header.height);
  const std::uint64_t mostBytes = std::uint64_t{data.size()} / 2 * 63 + data.size() % 2;
  if (mostBytes < neededBytes) return {};

  QImage image = NewPictureImage(
      header.width, header.height,
      header.layout == Layout::Rgba ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (image.isNull()) return {};
  std::vector<std::uint8_t> line(lineBytes);
  RunLengthReader reader(data);
  for (int y = 0; y < header.height; ++y) {
    if (!reader.ReadLine(line)) return {};
    ConvertLine(header, palette, line.data(), reinterpret_cast<QRgb*>(image.scanLine(y)));
  }
  return image;
}

}  // namespace plakora
