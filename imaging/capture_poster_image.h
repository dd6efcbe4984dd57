// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "byte_buffer.h"
#include "capturable_window.h"

namespace plakora {

// The poster area of a window: the client area's top-left 384 × 520, which starts 3 pixels
// in from the left edge and 25 down from the top of the whole window, frame included.
struct CaptureRegion {
  std::int32_t left = 3;
  std::int32_t top = 25;
  std::int32_t width = 384;
  std::int32_t height = 520;
};

// The BMP file image that cutting `region` out of the whole window's capture gives; empty when
// the capture or the cut fails. A region inside the window is all the window paints.
ByteBuffer CapturePosterImage(CapturableWindow* window, const CaptureRegion& region = {});

}  // namespace plakora
