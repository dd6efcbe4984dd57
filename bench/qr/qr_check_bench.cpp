// SPDX-License-Identifier: MIT
// QR reading on the saved poster and on a phone-sized picture when it is loaded.
#include <benchmark/benchmark.h>

#include "runtime/qr/find_qr_codes.h"
#include "tests/runtime/qr/qr_pictures.h"

namespace plakora {
namespace {

QImage PhonePicture() {
  QImage picture = test::GreenPicture({1242, 1678});
  test::DrawQrCode(picture, QStringLiteral("wxp://f2f0k3Yx0lYgR1Cq9nJ2uXz7aQw"),
                   {321, 539, 600, 600});
  return picture;
}

void Run(benchmark::State& state, const QImage& picture) {
  if (FindQrCodes(picture).size() != 1) state.SkipWithError("the code was not found");
  for (auto _ : state) {
    QStringList texts = FindQrCodes(picture);
    benchmark::DoNotOptimize(texts);
  }
  state.SetItemsProcessed(state.iterations() * picture.width() * picture.height());
}

void BM_FindQrCodesOnPoster(benchmark::State& state) {
  Run(state, test::PosterRoundTrip(PhonePicture()));
}
BENCHMARK(BM_FindQrCodesOnPoster)->Unit(benchmark::kMillisecond);

void BM_FindQrCodesOnLoadedPicture(benchmark::State& state) { Run(state, PhonePicture()); }
BENCHMARK(BM_FindQrCodesOnLoadedPicture)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plakora
