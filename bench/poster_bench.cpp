// SPDX-License-Identifier: MIT
// The window steps: loading the base box, painting, capture, cut and the whole generate.
// They need a QApplication before any benchmark runs, hence this main.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <vector>

#include "app/controls/picture_box.h"
#include "app/poster/generate_poster.h"
#include "app/poster/widget_window_capture.h"
#include "app/window/main_window.h"
#include "bench_pictures.h"
#include "imaging/capture_poster_image.h"
#include "imaging/capture_window_image.h"
#include "imaging/crop_bitmap_region.h"
#include "runtime/qr/find_qr_codes.h"

namespace plakora::bench {
namespace {

MainWindow* window = nullptr;

// setPictureBytes as the load button calls it: decode at DCT scale, blend, scale once.
void BM_PictureBoxLoad(benchmark::State& state) {
  const ByteBuffer& bytes = PictureBytes();
  for (auto _ : state) {
    if (!window->baseBox()->setPictureBytes(bytes)) state.SkipWithError("not a picture");
  }
}
BENCHMARK(BM_PictureBoxLoad)->Unit(benchmark::kMillisecond);

// One paint of the poster area, the client's top 384 × 520, into a QImage.
void BM_PaintPosterArea(benchmark::State& state) {
  QImage target(kPoster, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&target);
    window->render(&painter, QPoint(), QRegion(QRect(QPoint(), kPoster)));
    painter.end();
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_PaintPosterArea)->Unit(benchmark::kMillisecond);

// Only the painting the capture asks for: frame and window into a ready buffer.
void BM_PrintWindowInto(benchmark::State& state) {
  WidgetWindowCapture capture(window);
  const PixelSize size = capture.OuterSize();
  const std::ptrdiff_t stride = std::ptrdiff_t{size.width} * 4;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(stride / 4 * size.height));
  for (auto _ : state) {
    if (!capture.PrintInto(reinterpret_cast<std::uint8_t*>(pixels.data()),
                           {0, 0, size.width, size.height}, stride)) {
      state.SkipWithError("painting failed");
    }
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(BM_PrintWindowInto)->Unit(benchmark::kMillisecond);

// The whole window, frame drawn around it, as a BMP file image.
void BM_CaptureWindow(benchmark::State& state) {
  WidgetWindowCapture capture(window);
  for (auto _ : state) {
    ByteBuffer image = CaptureWindowImage(&capture);
    if (image.empty()) state.SkipWithError("the capture failed");
    benchmark::DoNotOptimize(image.data());
  }
}
BENCHMARK(BM_CaptureWindow)->Unit(benchmark::kMillisecond);

// The cut on a real capture, next to one allocation and memcpy of the same output bytes.
void BM_CutPosterFromCapture(benchmark::State& state) {
  WidgetWindowCapture capture(window);
  const ByteBuffer full = CaptureWindowImage(&capture);
  const CaptureRegion region;
  for (auto _ : state) {
    ByteBuffer poster =
        CropBitmapRegion(full, region.left, region.top, region.width, region.height);
    benchmark::DoNotOptimize(poster.data());
  }
}
BENCHMARK(BM_CutPosterFromCapture)->Unit(benchmark::kMicrosecond);

void BM_MemcpyPosterBytes(benchmark::State& state) {
  WidgetWindowCapture capture(window);
  const ByteBuffer full = CaptureWindowImage(&capture);
  const std::size_t bytes = 54 + std::size_t{384} * 520 * 4;
  for (auto _ : state) {
    ByteBuffer copy(bytes);
    std::memcpy(copy.data(), full.data(), bytes);
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_MemcpyPosterBytes)->Unit(benchmark::kMicrosecond);

void BM_CapturePosterImage(benchmark::State& state) {
  WidgetWindowCapture capture(window);
  for (auto _ : state) {
    ByteBuffer poster = CapturePosterImage(&capture);
    benchmark::DoNotOptimize(poster.data());
  }
}
BENCHMARK(BM_CapturePosterImage)->Unit(benchmark::kMillisecond);

// Capture, cut, encode and atomic write; with the QR codes of the loaded picture to check
// when range(0) is 1, as after the load button.
void BM_GeneratePoster(benchmark::State& state) {
  QTemporaryDir desktop;
  PosterRequest request{desktop.path(), QStringLiteral("1号设备"), QStringLiteral("10"), {}};
  if (state.range(0) == 1) {
    request.expectedQrCodes = FindQrCodesInPicture(PictureBytes());
    if (request.expectedQrCodes.isEmpty()) state.SkipWithError("the picture has no QR code");
  }
  WidgetWindowCapture capture(window);
  for (auto _ : state) {
    const PosterResult result = GeneratePoster(capture, request);
    if (!result.ok() || !result.qrCodesKept) state.SkipWithError("generating failed");
  }
}
BENCHMARK(BM_GeneratePoster)->ArgName("qr_check")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plakora::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  auto window = std::make_unique<plakora::MainWindow>();
  window->show();
  QApplication::processEvents();
  plakora::bench::window = window.get();
  // The box as after loading the picture, not the built-in one, when they differ.
  if (!window->baseBox()->setPictureBytes(plakora::bench::PictureBytes())) return 2;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
