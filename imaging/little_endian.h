// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "byte_buffer.h"

namespace plakora {

// Reads a little-endian integer at `offset`; bytes past the end of `bytes` read as zero,
// so a short or empty buffer never reads out of bounds.
template <typename T>
T ReadLittleEndian(ByteView bytes, std::size_t offset) {
  static_assert(std::is_integral_v<T>);
  using U = std::make_unsigned_t<T>;
  U value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    const std::size_t at = offset + i;
    const U byte = at < bytes.size() ? bytes[at] : 0;
    value = static_cast<U>(value | static_cast<U>(byte << (8 * i)));
  }
  return static_cast<T>(value);
}

// Writes a little-endian integer at `offset`; the caller guarantees room for it.
template <typename T>
void WriteLittleEndian(std::uint8_t* at, T value) {
  static_assert(std::is_integral_v<T>);
  using U = std::make_unsigned_t<T>;
  const U bits = static_cast<U>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

}  // namespace plakora
