// SPDX-License-Identifier: MIT
// The picture steps that need no window: decode, scale, JPEG encode and the atomic write.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QTemporaryDir>

#include "bench_pictures.h"
#include "runtime/files/write_file_atomically.h"
#include "runtime/picture/decode_picture.h"
#include "runtime/picture/jpeg_encoder.h"

namespace plakora::bench {
namespace {

void SkipUnless(benchmark::State& state, bool ok, const char* why) {
  if (!ok) state.SkipWithError(why);
}

void BM_DecodeFull(benchmark::State& state) {
  const ByteBuffer& bytes = PictureBytes();
  for (auto _ : state) {
    QImage image = DecodePicture(bytes);
    benchmark::DoNotOptimize(image.constBits());
  }
  const QImage image = DecodePicture(bytes);
  state.counters["width"] = image.width();
  state.counters["height"] = image.height();
}
BENCHMARK(BM_DecodeFull)->Unit(benchmark::kMillisecond);

// What the base box asks for: the smallest DCT scale that still covers 390 × 520.
void BM_DecodeForBox(benchmark::State& state) {
  const ByteBuffer& bytes = PictureBytes();
  for (auto _ : state) {
    QImage image = DecodePicture(bytes, kBox);
    benchmark::DoNotOptimize(image.constBits());
  }
  const QImage image = DecodePicture(bytes, kBox);
  state.counters["width"] = image.width();
  state.counters["height"] = image.height();
}
BENCHMARK(BM_DecodeForBox)->Unit(benchmark::kMillisecond);

void ScaleToBox(benchmark::State& state, const QImage& source) {
  SkipUnless(state, !source.isNull(), "the picture did not decode");
  for (auto _ : state) {
    QImage scaled = source.scaled(kBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    benchmark::DoNotOptimize(scaled.constBits());
  }
}

void BM_SmoothScaleFullToBox(benchmark::State& state) {
  ScaleToBox(state, DecodePicture(PictureBytes()));
}
BENCHMARK(BM_SmoothScaleFullToBox)->Unit(benchmark::kMillisecond);

void BM_SmoothScaleDctScaledToBox(benchmark::State& state) {
  ScaleToBox(state, DecodePicture(PictureBytes(), kBox));
}
BENCHMARK(BM_SmoothScaleDctScaledToBox)->Unit(benchmark::kMillisecond);

// The box load and its reference, a full decode then one smooth scale. With cold_memory:1 the
// allocator returns its free memory first, so the scaled picture lands on fresh pages; the
// decoder's kept block stays warm, as for a second picture loaded in a process.
// poster_driver's phases show the first load of a process.
void DecodeThenScale(benchmark::State& state, QSize fitBox) {
  const ByteBuffer& bytes = PictureBytes();
  const bool coldMemory = state.range(0) == 1;
  for (auto _ : state) {
    if (coldMemory) {
      state.PauseTiming();
      malloc_trim(0);
      state.ResumeTiming();
    }
    QImage scaled =
        DecodePicture(bytes, fitBox).scaled(kBox, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    benchmark::DoNotOptimize(scaled.constBits());
  }
}

void BM_FullDecodeThenScale(benchmark::State& state) { DecodeThenScale(state, QSize()); }
BENCHMARK(BM_FullDecodeThenScale)
    ->ArgName("cold_memory")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void BM_BoxDecodeThenScale(benchmark::State& state) { DecodeThenScale(state, kBox); }
BENCHMARK(BM_BoxDecodeThenScale)
    ->ArgName("cold_memory")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Read bottom-up with a negative stride, as the poster's BMP rows are.
BgrxRows BottomUpRows(const QImage& image) {
  BgrxRows rows;
  rows.width = image.width();
  rows.height = image.height();
  rows.stride = -static_cast<std::ptrdiff_t>(image.bytesPerLine());
  rows.top = image.constScanLine(image.height() - 1);
  return rows;
}

void BM_EncodePosterJpeg(benchmark::State& state) {
  const QImage poster = PosterPixels().mirrored(false, true);
  const BgrxRows rows = BottomUpRows(poster);
  std::size_t size = 0;
  for (auto _ : state) {
    ByteBuffer jpeg = EncodeJpeg(rows, 95);
    size = jpeg.size();
    benchmark::DoNotOptimize(jpeg.data());
  }
  SkipUnless(state, size > 0, "encoding failed");
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_EncodePosterJpeg)->Unit(benchmark::kMillisecond);

void BM_WritePosterAtomically(benchmark::State& state) {
  const ByteBuffer jpeg = EncodeJpeg(BottomUpRows(PosterPixels().mirrored(false, true)), 95);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("1号设备10元.jpg"));
  for (auto _ : state) {
    FileWriteResult written = WriteFileAtomically(path, jpeg);
    if (!written.ok()) state.SkipWithError("the write failed");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(jpeg.size()));
}
BENCHMARK(BM_WritePosterAtomically)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plakora::bench
