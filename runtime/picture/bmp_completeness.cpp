// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "imaging/little_endian.h"
#include "runtime/picture/picture_decoders.h"

namespace plakora {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // OS/2 1.x
constexpr std::uint32_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitFields = 3,
  kAlphaBitFields = 6,
};

struct BmpLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, whatever the direction
  std::uint32_t bitCount = 0;
  std::uint32_t compression = kRgb;
  std::uint64_t dataStart = 0;
};

bool ReadLayout(ByteView bytes, BmpLayout& layout) {
  const std::uint32_t headerSize = ReadLittleEndian<std::uint32_t>(bytes, kFileHeaderSize);
  std::uint64_t tableEntrySize = 4;
  std::uint64_t masksSize = 0;
  std::uint32_t colorsUsed = 0;
  if (headerSize == kCoreHeaderSize) {
    layout.width = ReadLittleEndian<std::int16_t>(bytes, 18);
    layout.height = std::abs(std::int64_t{ReadLittleEndian<std::int16_t>(bytes, 20)});
    layout.bitCount = ReadLittleEndian<std::uint16_t>(bytes, 24);
    tableEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize) {
    layout.width = ReadLittleEndian<std::int32_t>(bytes, 18);
    layout.height = std::abs(std::int64_t{ReadLittleEndian<std::int32_t>(bytes, 22)});
    layout.bitCount = ReadLittleEndian<std::uint16_t>(bytes, 28);
    layout.compression = ReadLittleEndian<std::uint32_t>(bytes, 30);
    colorsUsed = ReadLittleEndian<std::uint32_t>(bytes, 46);
    // A plain info header keeps the channel masks after it; later versions hold them inside.
    if (headerSize == kInfoHeaderSize && layout.compression == kBitFields) masksSize = 12;
    if (headerSize == kInfoHeaderSize && layout.compression == kAlphaBitFields) masksSize = 16;
  } else {
    return false;
  }
  if (bytes.size() < kFileHeaderSize + std::uint64_t{headerSize}) return false;
  if (!FitsPixelBudget(layout.width, layout.height)) return false;

  std::uint64_t tableSize = 0;
  if (layout.bitCount <= 8) {
    const std::uint64_t colors = colorsUsed != 0 ? colorsUsed : 1u << layout.bitCount;
    tableSize = std::min<std::uint64_t>(colors, 256) * tableEntrySize;
  }
  // Qt starts at the declared offset unless that points back into the headers.
  layout.dataStart =
      std::max<std::uint64_t>(ReadLittleEndian<std::uint32_t>(bytes, 10),
                              kFileHeaderSize + std::uint64_t{headerSize} + masksSize + tableSize);
  return true;
}

bool UncompressedDataIsComplete(ByteView bytes, const BmpLayout& layout) {
  const std::uint64_t rowBytes =
      (static_cast<std::uint64_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
  return layout.dataStart + rowBytes * static_cast<std::uint64_t>(layout.height) <= bytes.size();
}

// Walks the run-length stream without decoding it. Only streams that write every pixel
// pass: cut-off data, row ends before the row is full, skips (delta) and an early end of
// bitmap would all leave pixels Qt never writes.
bool RunLengthDataIsComplete(ByteView bytes, const BmpLayout& layout) {
  const bool fourBit = layout.compression == kRle4;
  std::uint64_t pos = layout.dataStart;
  std::int64_t x = 0;
  std::int64_t row = 0;
  const auto done = [&] {
    return row >= layout.height || (row == layout.height - 1 && x >= layout.width);
  };
  while (pos + 2 <= bytes.size()) {
    const std::uint8_t count = bytes[pos];
    const std::uint8_t code = bytes[pos + 1];
    pos += 2;
    if (count > 0) {
      x += count;  // Qt clips a run that overshoots the row
      continue;
    }
    switch (code) {
      case 0:  // end of row
        if (x < layout.width) return false;
        x = 0;
        if (++row >= layout.height) return true;
        break;
      case 1:  // end of bitmap
        return done();
      case 2:  // skip
        return false;
      default: {                                    // literal pixels, padded to a 16-bit boundary
        if (x + code > layout.width) return false;  // Qt would read fewer bytes than stored
        std::uint64_t literalBytes = fourBit ? (code + 1u) / 2 : code;
        literalBytes += literalBytes & 1;
        pos += literalBytes;
        if (pos > bytes.size()) return false;
        x += code;
      }
    }
  }
  return done();
}

}  // namespace

bool IsCompleteBmp(ByteView bytes) {
  BmpLayout layout;
  if (!ReadLayout(bytes, layout)) return false;
  switch (layout.compression) {
    case kRgb:
    case kBitFields:
    case kAlphaBitFields:
      return UncompressedDataIsComplete(bytes, layout);
    case kRle8:
      return layout.bitCount == 8 && RunLengthDataIsComplete(bytes, layout);
    case kRle4:
      return layout.bitCount == 4 && RunLengthDataIsComplete(bytes, layout);
    default:
      return false;
  }
}

}  // namespace plakora
