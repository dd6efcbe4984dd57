// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "imaging/capturable_window.h"

namespace plakora {

// Widths of the plain frame drawn around a captured window: 3 pixels at the left, right and
// bottom; 25 at the top, frame and caption bar together.
inline constexpr int kFrameWidth = 3;
inline constexpr int kFrameTop = 25;

// Lets a top-level widget paint itself, with a frame and caption bar of our own around its
// client area, into memory. The client area is rendered at scale 1 whatever the screen's
// scaling, so captures are the same size everywhere.
class WidgetWindowCapture : public CapturableWindow {
 public:
  explicit WidgetWindowCapture(QWidget* window) : window_(window) {}

  bool Exists() const override { return !window_.isNull(); }
  PixelSize OuterSize() const override;
  bool PrintInto(std::uint8_t* pixels, const PixelRect& area, std::ptrdiff_t strideBytes) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace plakora
