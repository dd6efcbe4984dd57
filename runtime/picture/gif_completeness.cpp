// SPDX-License-Identifier: MIT
#include <cstdint>

#include "imaging/little_endian.h"
#include "runtime/picture/picture_decoders.h"

namespace plakora {
namespace {

constexpr std::size_t kScreenDescriptorEnd = 13;
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::size_t kImageDescriptorSize = 9;

std::size_t ColorTableSize(std::uint8_t packed) {
  return (packed & 0x80) != 0 ? 3u << ((packed & 0x07) + 1) : 0;
}

// Steps over a chain of sub-blocks ending with an empty one; false if the data ends first.
bool SkipSubBlocks(ByteView bytes, std::size_t& pos) {
  while (pos < bytes.size()) {
    const std::size_t length = bytes[pos++];
    if (length == 0) return true;
    pos += length;
  }
  return false;
}

}  // namespace

bool IsCompleteGif(ByteView bytes) {
  if (bytes.size() < kScreenDescriptorEnd) return false;
  // Qt allocates the whole logical screen, which the frame size does not tell.
  if (!FitsPixelBudget(ReadLittleEndian<std::uint16_t>(bytes, 6),
                       ReadLittleEndian<std::uint16_t>(bytes, 8))) {
    return false;
  }
  std::size_t pos = kScreenDescriptorEnd + ColorTableSize(bytes[10]);
  while (pos < bytes.size()) {
    const std::uint8_t block = bytes[pos++];
    if (block == kExtension) {
      ++pos;  // label
      if (!SkipSubBlocks(bytes, pos)) return false;
    } else if (block == kImage) {
      if (pos + kImageDescriptorSize > bytes.size()) return false;
      // A frame of no pixels is no picture; Qt would still scatter its data over the screen.
      if (ReadLittleEndian<std::uint16_t>(bytes, pos + 4) == 0 ||
          ReadLittleEndian<std::uint16_t>(bytes, pos + 6) == 0) {
        return false;
      }
      pos += kImageDescriptorSize + ColorTableSize(bytes[pos + kImageDescriptorSize - 1]);
      ++pos;  // minimum code size
      return SkipSubBlocks(bytes, pos);
    } else {
      return false;  // the trailer before any image, or garbage
    }
  }
  return false;
}

}  // namespace plakora
