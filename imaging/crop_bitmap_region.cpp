// SPDX-License-Identifier: MIT
#include "crop_bitmap_region.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

#include "bmp_file_image.h"
#include "little_endian.h"

namespace plakora {
namespace {

struct Depth {
  std::int64_t bytesPerPixel;
  std::int64_t pixelOffset;
};

std::optional<Depth> DepthFor(std::int16_t bitCount) {
  switch (bitCount) {
    case 32: return Depth{4, bmp::kPixelOffset};
    case 24: return Depth{3, bmp::kPixelOffset};
    case 16: return Depth{2, bmp::kPixelOffset};
    case 8: return Depth{1, bmp::kPalettedPixelOffset};
    default: return std::nullopt;
  }
}

}  // namespace

ByteBuffer CropBitmapRegion(ByteView source, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height) {
  const std::int64_t W = ReadLittleEndian<std::int32_t>(source, bmp::kOffsetWidth);
  const std::int64_t H = ReadLittleEndian<std::int32_t>(source, bmp::kOffsetHeight);
  const auto bitCount = ReadLittleEndian<std::int16_t>(source, bmp::kOffsetBitCount);
  const auto compression = ReadLittleEndian<std::int32_t>(source, bmp::kOffsetCompression);

  if (compression != static_cast<std::int32_t>(bmp::kCompressionRgb)) return {};
  const std::optional<Depth> depth = DepthFor(bitCount);
  if (!depth) return {};
  if (x < 0 || y < 0 || x >= W || y >= H || width < 1 || height < 1) return {};

  // Clip to the right and bottom edges; x and y never move.
  const std::int64_t w = std::min<std::int64_t>(width, W - x);
  const std::int64_t h = std::min<std::int64_t>(height, H - y);

  const std::int64_t P = depth->pixelOffset;
  const std::int64_t bpp = depth->bytesPerPixel;
  const std::int64_t S = bmp::RowStride(W, bitCount);
  const std::int64_t T = bmp::RowStride(w, bitCount);
  const auto sourceSize = static_cast<std::int64_t>(source.size());

  // The region's topmost picture row is the last one stored. Its pixels must lie inside the
  // source: a shorter source is truncated or lies about its size. Only the up to 3 padding
  // bytes of that row may run past the end; they stay zero.
  const std::int64_t lastStoredIndex = H - 1 - y;
  if (lastStoredIndex > 0 && S > sourceSize / lastStoredIndex) return {};
  const std::int64_t lastRowStart = P + S * lastStoredIndex + x * bpp;
  if (lastRowStart + w * bpp > sourceSize) return {};

  const std::int64_t Z = T * h;
  const std::int64_t K = bitCount == 8 ? bmp::kColourTableSize : 0;
  const std::int64_t outputSize = Z + K + bmp::kPixelOffset;
  if (outputSize > std::numeric_limits<std::int32_t>::max()) return {};

  ByteBuffer output(static_cast<std::size_t>(outputSize), 0);
  bmp::WriteFileHeader(output.data(), static_cast<std::uint32_t>(outputSize),
                       static_cast<std::uint32_t>(P));
  bmp::InfoHeader info;
  info.width = static_cast<std::int32_t>(w);
  info.height = static_cast<std::int32_t>(h);
  info.planes = 1;
  info.bitCount = static_cast<std::uint16_t>(bitCount);
  bmp::WriteInfoHeader(output.data(), info);
  if (K > 0) {
    std::memcpy(output.data() + bmp::kPixelOffset, source.data() + bmp::kPixelOffset,
                static_cast<std::size_t>(K));
  }

  // Whole rows, padding included: the padding bytes are whatever follows the region in the
  // source, as a plain row copy gives them.
  const std::int64_t rowBase = P + S * (H - h - y) + x * bpp;
  for (std::int64_t i = 0; i < h; ++i) {
    const std::int64_t from = rowBase + i * S;
    const std::int64_t count = std::min(T, sourceSize - from);
    std::memcpy(output.data() + P + i * T, source.data() + from, static_cast<std::size_t>(count));
  }
  return output;
}

}  // namespace plakora
