// SPDX-License-Identifier: MIT
#include "capture_window_image.h"

#include <algorithm>
#include <cstdint>

#include "bmp_file_image.h"

namespace plakora {
namespace {

// Larger windows than any screen shows are refused rather than allocated.
constexpr std::int64_t kMaxPixelBytes = std::int64_t{256} << 20;

ByteBuffer HeaderOnlyImage() {
  ByteBuffer image(bmp::kPixelOffset, 0);
  bmp::WriteFileHeader(image.data(), bmp::kPixelOffset, bmp::kPixelOffset);
  bmp::WriteInfoHeader(image.data(), bmp::InfoHeader{});
  return image;
}

void FlipRows(std::uint8_t* pixels, std::int64_t stride, std::int64_t height) {
  for (std::int64_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(pixels + top * stride, pixels + (top + 1) * stride, pixels + bottom * stride);
  }
}

}  // namespace

ByteBuffer CaptureWindowImage(CapturableWindow* window) {
  if (window == nullptr || !window->Exists()) return {};

  const PixelSize size = window->OuterSize();
  const std::int64_t stride = bmp::RowStride(size.width, 32);
  const std::int64_t sizeImage = stride * size.height;
  if (size.width <= 0 || size.height <= 0 || sizeImage > kMaxPixelBytes) return HeaderOnlyImage();

  ByteBuffer image(static_cast<std::size_t>(bmp::kPixelOffset + sizeImage), 0);
  std::uint8_t* pixels = image.data() + bmp::kPixelOffset;
  if (!window->PrintInto(pixels, size, stride)) return {};
  // Painted top-down; a BMP stores its bottom row first.
  FlipRows(pixels, stride, size.height);

  bmp::WriteFileHeader(image.data(), static_cast<std::uint32_t>(image.size()), bmp::kPixelOffset);
  bmp::InfoHeader info;
  info.width = size.width;
  info.height = size.height;
  info.planes = 1;
  info.bitCount = 32;
  info.compression = bmp::kCompressionRgb;
  info.sizeImage = static_cast<std::uint32_t>(sizeImage);
  bmp::WriteInfoHeader(image.data(), info);
  return image;
}

}  // namespace plakora
