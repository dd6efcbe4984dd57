// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace plakora {

struct PixelSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// A rectangle of a window in pixels, from the top-left corner of its frame.
struct PixelRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// A window that can paint itself, frame included, into memory. Keeps the imaging code free
// of any GUI toolkit: the application supplies the implementation.
class CapturableWindow {
 public:
  virtual ~CapturableWindow() = default;

  // False once the window has been destroyed.
  virtual bool Exists() const = 0;

  // Outer size, frame and caption bar included.
  virtual PixelSize OuterSize() const = 0;

  // Paints `area` of the window, which lies inside OuterSize(), into `pixels`: `area.height`
  // rows top-down, `strideBytes` apart, each pixel 32-bit B, G, R, X in memory order; `pixels`
  // is 32-bit aligned. Returns false when painting failed.
  virtual bool PrintInto(std::uint8_t* pixels, const PixelRect& area,
                         std::ptrdiff_t strideBytes) = 0;
};

}  // namespace plakora
