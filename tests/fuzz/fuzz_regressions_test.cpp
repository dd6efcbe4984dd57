// SPDX-License-Identifier: MIT
// Every input that once broke a fuzz target is replayed here under the test's sanitizers, one
// named case per file, through the same calls and checks as the target.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <string>
#include <vector>

#include "imaging/bmp_file_image.h"
#include "imaging/crop_bitmap_region.h"
#include "imaging/little_endian.h"
#include "runtime/picture/decode_picture.h"

namespace plakora {
namespace {

struct Regression {
  std::string name;  // the file name, as a test name
  ByteBuffer bytes;
};

void PrintTo(const Regression& r, std::ostream* os) { *os << r.name; }

std::string TestName(const QString& fileName) {
  std::string name;
  for (const QChar c : fileName) {
    name += c.isLetterOrNumber() && c.unicode() < 128 ? static_cast<char>(c.unicode()) : '_';
  }
  return name;
}

std::vector<Regression> Inputs(const char* target) {
  std::vector<Regression> inputs;
  const QDir dir(QStringLiteral(PLAKORA_FUZZ_REGRESSIONS "/%1").arg(QLatin1String(target)));
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    inputs.push_back({TestName(name), ByteBuffer(bytes.begin(), bytes.end())});
  }
  return inputs;
}

const auto kName = [](const auto& row) { return row.param.name; };

class CropRegression : public ::testing::TestWithParam<Regression> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CropRegression);

TEST_P(CropRegression, GivesAWellFormedResultOrNothing) {
  const ByteBuffer& input = GetParam().bytes;
  ASSERT_GE(input.size(), 16u) << "the target ignores inputs this short";
  const ByteBuffer source(input.begin() + 16, input.end());
  const ByteBuffer out = CropBitmapRegion(
      source, ReadLittleEndian<std::int32_t>(input, 0), ReadLittleEndian<std::int32_t>(input, 4),
      ReadLittleEndian<std::int32_t>(input, 8), ReadLittleEndian<std::int32_t>(input, 12));
  if (out.empty()) return;
  EXPECT_EQ(out[0], 'B');
  EXPECT_EQ(out[1], 'M');
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(out, bmp::kOffsetFileSize), out.size());
}

INSTANTIATE_TEST_SUITE_P(Inputs, CropRegression, ::testing::ValuesIn(Inputs("crop_bitmap_region")),
                         kName);

class PictureRegression : public ::testing::TestWithParam<Regression> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(PictureRegression);

void ExpectNullOrWithinTheBudget(const QImage& image, bool greyAllowed = false) {
  if (image.isNull()) return;
  EXPECT_LE(static_cast<qint64>(image.sizeInBytes()), kMaxDecodedPixelBytes);
  EXPECT_TRUE(image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32 ||
              (greyAllowed && image.format() == QImage::Format_Grayscale8))
      << image.format();
}

TEST_P(PictureRegression, DecodesWithinTheBudgetOrNotAtAll) {
  const ByteBuffer& input = GetParam().bytes;
  ExpectNullOrWithinTheBudget(DecodePicture(input));
  ExpectNullOrWithinTheBudget(DecodePicture(input, QSize(390, 520)));
  ExpectNullOrWithinTheBudget(
      DecodePicture(input, QSize(1560, 2080), DecodedPixels::Brightness), true);
}

INSTANTIATE_TEST_SUITE_P(Inputs, PictureRegression, ::testing::ValuesIn(Inputs("decode_picture")),
                         kName);

}  // namespace
}  // namespace plakora
