// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace plakora {

// An owned run of bytes. "Absent" and "empty" are the same empty vector.
using ByteBuffer = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

}  // namespace plakora
