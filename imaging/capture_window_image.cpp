// SPDX-License-Identifier: MIT
#include "capture_window_image.h"

#include <cstdint>

#include "bmp_file_image.h"
#include "painted_bitmap.h"

namespace plakora {
namespace {

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
  if (size.width <= 0 || size.height <= 0 || sizeImage > kMaxWindowPixelBytes) return HeaderOnlyImage();

  return PaintedBitmap(*window, PixelRect{0, 0, size.width, size.height},
                       static_cast<std::uint32_t>(sizeImage));
}

}  // namespace plakora
