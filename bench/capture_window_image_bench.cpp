// SPDX-License-Identifier: MIT
// What the capture costs beyond the painting: its buffers and the bottom-up row copy.
#include <benchmark/benchmark.h>

#include "imaging/capture_window_image.h"

namespace plakora {
namespace {

// The window's outer size; paints nothing, so only the capture's own work is timed.
class UnpaintedWindow : public CapturableWindow {
 public:
  bool Exists() const override { return true; }
  PixelSize OuterSize() const override { return {390, 670}; }
  bool PrintInto(std::uint8_t* pixels, const PixelRect&, std::ptrdiff_t) override {
    benchmark::DoNotOptimize(pixels);
    return true;
  }
};

void BM_CaptureBuffersOnly(benchmark::State& state) {
  UnpaintedWindow window;
  for (auto _ : state) {
    ByteBuffer image = CaptureWindowImage(&window);
    benchmark::DoNotOptimize(image.data());
  }
}
BENCHMARK(BM_CaptureBuffersOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plakora
