// SPDX-License-Identifier: MIT
#include "runtime/picture/picture_format.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace plakora {
namespace {

template <std::size_t N>
bool StartsWith(ByteView bytes, const std::array<std::uint8_t, N>& prefix) {
  return bytes.size() >= N && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

bool LooksLikePcx(ByteView bytes) {
  if (bytes.size() < 4 || bytes[0] != 0x0A || bytes[2] != 1) return false;
  const std::uint8_t version = bytes[1];
  const std::uint8_t bitsPerPixel = bytes[3];
  const bool knownVersion = version == 0 || (version >= 2 && version <= 5);
  const bool plausibleBits =
      bitsPerPixel == 1 || bitsPerPixel == 2 || bitsPerPixel == 4 || bitsPerPixel == 8;
  return knownVersion && plausibleBits;
}

}  // namespace

PictureFormat SniffPictureFormat(ByteView bytes) {
  static constexpr std::array<std::uint8_t, 3> kJpeg{0xFF, 0xD8, 0xFF};
  static constexpr std::array<std::uint8_t, 8> kPng{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  static constexpr std::array<std::uint8_t, 6> kGif87{'G', 'I', 'F', '8', '7', 'a'};
  static constexpr std::array<std::uint8_t, 6> kGif89{'G', 'I', 'F', '8', '9', 'a'};
  static constexpr std::array<std::uint8_t, 2> kBmp{'B', 'M'};
  static constexpr std::array<std::uint8_t, 4> kIco{0, 0, 1, 0};
  static constexpr std::array<std::uint8_t, 4> kCur{0, 0, 2, 0};

  if (StartsWith(bytes, kJpeg)) return PictureFormat::Jpeg;
  if (StartsWith(bytes, kPng)) return PictureFormat::Png;
  if (StartsWith(bytes, kGif87) || StartsWith(bytes, kGif89)) return PictureFormat::Gif;
  if (StartsWith(bytes, kBmp)) return PictureFormat::Bmp;
  if (StartsWith(bytes, kIco)) return PictureFormat::Ico;
  if (StartsWith(bytes, kCur)) return PictureFormat::Cur;
  if (LooksLikePcx(bytes)) return PictureFormat::Pcx;
  return PictureFormat::Unknown;
}

}  // namespace plakora
