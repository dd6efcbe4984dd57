// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/byte_buffer.h"

namespace plakora::testing {

struct BmpSpec {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int16_t bitCount = 32;
  std::int32_t compression = 0;
  std::uint32_t pixelOffset = 0;  // 0: the classic 54, or 1078 for 8 bits
};

// A bottom-up BMP file image whose every byte after the headers holds a value derived from
// its offset, so a test can tell which source bytes a copy took.
// Only the first `keepBytes` bytes are made, so a huge declared size costs nothing.
ByteBuffer MakeBmp(const BmpSpec& spec, std::size_t keepBytes = SIZE_MAX);

// The value MakeBmp stores at `offset`.
std::uint8_t PatternByte(std::size_t offset);

}  // namespace plakora::testing
