// SPDX-License-Identifier: MIT
// Every input that once broke a fuzz target is replayed here under the test's sanitizers.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "imaging/crop_bitmap_region.h"
#include "imaging/little_endian.h"
#include "runtime/picture/decode_picture.h"

namespace plakora {
namespace {

std::vector<ByteBuffer> Inputs(const char* target) {
  std::vector<ByteBuffer> inputs;
  const QDir dir(QStringLiteral(PLAKORA_FUZZ_REGRESSIONS "/%1").arg(QLatin1String(target)));
  for (const QString& name : dir.entryList(QDir::Files)) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    inputs.emplace_back(bytes.begin(), bytes.end());
  }
  return inputs;
}

TEST(FuzzRegressions, CropInputsGiveWellFormedResults) {
  for (const ByteBuffer& input : Inputs("crop_bitmap_region")) {
    if (input.size() < 16) continue;
    const ByteBuffer source(input.begin() + 16, input.end());
    const ByteBuffer out = CropBitmapRegion(
        source, ReadLittleEndian<std::int32_t>(input, 0), ReadLittleEndian<std::int32_t>(input, 4),
        ReadLittleEndian<std::int32_t>(input, 8), ReadLittleEndian<std::int32_t>(input, 12));
    if (!out.empty()) {
      EXPECT_EQ(ReadLittleEndian<std::uint32_t>(out, 2), out.size());
    }
  }
}

TEST(FuzzRegressions, PictureInputsDecodeWithinTheMemoryLimit) {
  for (const ByteBuffer& input : Inputs("decode_picture")) {
    const QImage image = DecodePicture(input, QSize(390, 520));
    EXPECT_LE(static_cast<qint64>(image.sizeInBytes()), kMaxDecodedPixelBytes);
  }
}

}  // namespace
}  // namespace plakora
