// SPDX-License-Identifier: MIT
#include "capture_poster_image.h"

#include "capture_window_image.h"
#include "crop_bitmap_region.h"

namespace plakora {

ByteBuffer CapturePosterImage(CapturableWindow* window, const CaptureRegion& region) {
  const ByteBuffer full = CaptureWindowImage(window);
  return CropBitmapRegion(full, region.left, region.top, region.width, region.height);
}

}  // namespace plakora
