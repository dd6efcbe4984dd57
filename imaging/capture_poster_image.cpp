// SPDX-License-Identifier: MIT
#include "capture_poster_image.h"

#include "capture_window_image.h"
#include "crop_bitmap_region.h"
#include "painted_bitmap.h"

namespace plakora {
namespace {

// Within the window and within what a whole capture would paint: the cut then takes the
// region's pixels unchanged, so painting only the region gives the same image.
bool LiesInside(const CaptureRegion& region, PixelSize window) {
  const std::int64_t right = std::int64_t{region.left} + region.width;
  const std::int64_t bottom = std::int64_t{region.top} + region.height;
  return region.left >= 0 && region.top >= 0 && region.width >= 1 && region.height >= 1 &&
         right <= window.width && bottom <= window.height &&
         std::int64_t{window.width} * window.height * 4 <= kMaxWindowPixelBytes;
}

}  // namespace

ByteBuffer CapturePosterImage(CapturableWindow* window, const CaptureRegion& region) {
  if (window == nullptr || !window->Exists()) return {};
  if (LiesInside(region, window->OuterSize())) {
    // As the cut writes it: no image size in the header.
    return PaintedBitmap(*window, {region.left, region.top, region.width, region.height}, 0);
  }
  // Clipping at the edges and refusals are the cut's to decide.
  const ByteBuffer full = CaptureWindowImage(window);
  return CropBitmapRegion(full, region.left, region.top, region.width, region.height);
}

}  // namespace plakora
