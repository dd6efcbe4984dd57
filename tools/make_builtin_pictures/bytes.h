// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

namespace plakora::pictures {

using Bytes = std::vector<unsigned char>;

// Windows icons and Exif blocks written here are little-endian.
inline void AppendLe16(Bytes& out, std::uint16_t value) {
  out.push_back(static_cast<unsigned char>(value & 0xFFu));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

inline void AppendLe32(Bytes& out, std::uint32_t value) {
  AppendLe16(out, static_cast<std::uint16_t>(value & 0xFFFFu));
  AppendLe16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace plakora::pictures
