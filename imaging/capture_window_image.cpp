// SPDX-License-Identifier: MIT
#include "capture_window_image.h"

#include <cstdint>
#include <vector>

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


}  // namespace

ByteBuffer CaptureWindowImage(CapturableWindow* window) {
  if (window == nullptr || !window->Exists()) return {};

  const PixelSize size = window->OuterSize();
  const std::int64_t stride = bmp::RowStride(size.width, 32);
  const std::int64_t sizeImage = stride * size.height;
  if (size.width <= 0 || size.height <= 0 || sizeImage > kMaxPixelBytes) return HeaderOnlyImage();

  // Painters want 32-bit aligned rows, which offset 54 of the file image is not: paint into
  // an aligned buffer, then copy the rows bottom-up, as a BMP stores them.
  std::vector<std::uint32_t> painted(static_cast<std::size_t>(sizeImage / 4), 0);
  auto* paintedBytes = reinterpret_cast<std::uint8_t*>(painted.data());
  if (!window->PrintInto(paintedBytes, size, stride)) return {};

  // Appended rather than zeroed and then overwritten.
  ByteBuffer image;
  image.reserve(static_cast<std::size_t>(bmp::kPixelOffset + sizeImage));
  image.resize(bmp::kPixelOffset);
  for (std::int64_t row = size.height - 1; row >= 0; --row) {
    const std::uint8_t* from = paintedBytes + row * stride;
    image.insert(image.end(), from, from + stride);
  }

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
