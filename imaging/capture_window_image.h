// SPDX-License-Identifier: MIT
#pragma once

#include "byte_buffer.h"
#include "capturable_window.h"

namespace plakora {

// Has `window` paint itself into an off-screen 32-bit bitmap of its outer size and returns
// that picture as a BMP file image: 14-byte file header, 40-byte information header, pixel
// rows bottom-up from offset 54. A missing window or a failed paint gives the empty buffer;
// a window without area gives the 54-byte image with depth 0.
ByteBuffer CaptureWindowImage(CapturableWindow* window);

}  // namespace plakora
