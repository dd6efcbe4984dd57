// SPDX-License-Identifier: MIT
// The poster cut next to a plain copy of the same bytes: the cut should cost little more.
#include <benchmark/benchmark.h>

#include <cstring>

#include "imaging/bmp_file_image.h"
#include "imaging/crop_bitmap_region.h"

namespace plakora {
namespace {

ByteBuffer WindowCapture() {
  constexpr std::int32_t kWidth = 390, kHeight = 670;
  ByteBuffer image(bmp::kPixelOffset + std::size_t{kWidth} * kHeight * 4);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 31);
  bmp::WriteFileHeader(image.data(), static_cast<std::uint32_t>(image.size()), bmp::kPixelOffset);
  bmp::InfoHeader info;
  info.width = kWidth;
  info.height = kHeight;
  info.planes = 1;
  info.bitCount = 32;
  bmp::WriteInfoHeader(image.data(), info);
  return image;
}

void BM_CropPosterFromCapture(benchmark::State& state) {
  const ByteBuffer capture = WindowCapture();
  for (auto _ : state) {
    ByteBuffer poster = CropBitmapRegion(capture, 3, 25, 384, 520);
    benchmark::DoNotOptimize(poster.data());
  }
  state.SetBytesProcessed(state.iterations() * (54 + 384 * 520 * 4));
}
BENCHMARK(BM_CropPosterFromCapture);

// The same output bytes as one allocation plus one memcpy.
void BM_MemcpySameBytes(benchmark::State& state) {
  const ByteBuffer capture = WindowCapture();
  const std::size_t bytes = 54 + 384 * 520 * 4;
  for (auto _ : state) {
    ByteBuffer copy(bytes);
    std::memcpy(copy.data(), capture.data(), bytes);
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_MemcpySameBytes);

}  // namespace
}  // namespace plakora
