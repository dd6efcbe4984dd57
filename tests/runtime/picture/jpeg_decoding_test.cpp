// SPDX-License-Identifier: MIT
// JPEG-only behaviour of DecodePicture: DCT scaling to a box and the scan limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "picture_fixtures.h"
#include "runtime/picture/decode_picture.h"

namespace plakora {
namespace {

using namespace plakora::testing;

struct ScaleCase {
  std::string name;
  QSize source;
  QSize fitBox;
  QSize expected;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class JpegScaling : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(JpegScaling, PicksTheSmallestScaleThatCoversTheBox) {
  const ScaleCase& c = GetParam();
  const ByteBuffer jpeg =
      QtEncoded(Blocks(c.source.width(), c.source.height(), 64, {0xFF102030, 0xFFE0D0C0}), "jpeg");
  const QImage image = DecodePicture(jpeg, c.fitBox);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), c.expected);
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, JpegScaling,
    ::testing::Values(
        ScaleCase{"phone_photo_into_poster_box", {1242, 1678}, {390, 520}, {621, 839}},
        ScaleCase{"no_box_is_full_size", {1242, 1678}, {}, {1242, 1678}},
        ScaleCase{"box_larger_than_picture_is_full_size", {1242, 1678}, {2000, 2000}, {1242, 1678}},
        ScaleCase{"one_side_decides", {1242, 1678}, {700, 10}, {1242, 1678}},
        ScaleCase{"exact_eighth", {800, 640}, {100, 80}, {100, 80}},
        ScaleCase{"just_over_a_quarter", {800, 640}, {201, 10}, {400, 320}},
        ScaleCase{"empty_box_is_full_size", {800, 640}, {0, 0}, {800, 640}}),
    [](const auto& row) { return row.param.name; });

TEST(JpegScaling, ScalesGreyAndCmykToo) {
  LibjpegPicture grey{.width = 64, .height = 64, .components = 1, .inColorSpace = JCS_GRAYSCALE};
  grey.samples.assign(64 * 64, 90);
  LibjpegPicture cmyk{.width = 64, .height = 64, .components = 4, .inColorSpace = JCS_CMYK};
  cmyk.samples.assign(64 * 64 * 4, 255);
  for (const LibjpegPicture& picture : {grey, cmyk}) {
    const QImage image = DecodePicture(LibjpegEncoded(picture), QSize(16, 16));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(16, 16));
  }
}

// ---- brightness only, for reading codes ----

struct BrightnessCase {
  std::string name;
  ByteBuffer bytes;
  QSize fitBox;
  QImage::Format expected;
};

void PrintTo(const BrightnessCase& c, std::ostream* os) { *os << c.name; }

class JpegBrightness : public ::testing::TestWithParam<BrightnessCase> {};

// The luma the file stores is the grey of the colour decode by the JPEG weights, up to
// rounding.
TEST_P(JpegBrightness, MatchesTheColourDecode) {
  const BrightnessCase& c = GetParam();
  const QImage colour = DecodePicture(c.bytes, c.fitBox);
  const QImage bright = DecodePicture(c.bytes, c.fitBox, DecodedPixels::Brightness);
  ASSERT_FALSE(colour.isNull());
  ASSERT_EQ(bright.format(), c.expected);
  ASSERT_EQ(bright.size(), colour.size());
  if (bright.format() != QImage::Format_Grayscale8) {
    EXPECT_EQ(bright, colour);
    return;
  }
  int worst = 0;
  for (int y = 0; y < bright.height(); ++y) {
    for (int x = 0; x < bright.width(); ++x) {
      const QRgb pixel = colour.pixel(x, y);
      const double luma = 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
      const int difference = static_cast<int>(std::lround(std::abs(bright.constScanLine(y)[x] - luma)));
      worst = std::max(worst, difference);
    }
  }
  EXPECT_LE(worst, 3);  // saturated colours clamp in the colour decode
}

std::vector<BrightnessCase> BrightnessCases() {
  const QImage blocks = Blocks(96, 64, 16, {0xFF102030, 0xFFE0D0C0, 0xFF20C040, 0xFFFF0000});
  LibjpegPicture rgbStored{.width = 32, .height = 32, .storedColorSpace = JCS_RGB};
  for (int i = 0; i < 32 * 32; ++i) rgbStored.samples.insert(rgbStored.samples.end(), {200, 40, 90});
  LibjpegPicture grey{.width = 32, .height = 32, .components = 1, .inColorSpace = JCS_GRAYSCALE};
  for (int i = 0; i < 32 * 32; ++i) grey.samples.push_back(static_cast<std::uint8_t>(i % 251));
  LibjpegPicture cmyk{.width = 32, .height = 32, .components = 4, .inColorSpace = JCS_CMYK};
  cmyk.samples.assign(32 * 32 * 4, 128);
  return {
      {"ycbcr", QtEncoded(blocks, "jpeg", 95), {}, QImage::Format_Grayscale8},
      {"ycbcr_scaled_to_a_box", QtEncoded(blocks, "jpeg", 95), {24, 16}, QImage::Format_Grayscale8},
      {"stored_as_rgb", LibjpegEncoded(rgbStored), {}, QImage::Format_Grayscale8},
      {"grey", LibjpegEncoded(grey), {}, QImage::Format_Grayscale8},
      // libjpeg has no grey output for ink; the colour decode is the reading.
      {"cmyk_stays_colour", LibjpegEncoded(cmyk), {}, QImage::Format_RGB32},
      {"png_stays_colour", QtEncoded(blocks.convertToFormat(QImage::Format_ARGB32), "png"), {},
       QImage::Format_ARGB32},
  };
}

INSTANTIATE_TEST_SUITE_P(Pictures, JpegBrightness, ::testing::ValuesIn(BrightnessCases()),
                         [](const auto& row) { return row.param.name; });

TEST(JpegBrightness, ACutOffFileIsStillRefused) {
  const ByteBuffer jpeg = QtEncoded(Blocks(256, 256, 16, {0xFF102030, 0xFFE0D0C0}), "jpeg");
  EXPECT_TRUE(DecodePicture(Cut(jpeg, jpeg.size() / 2), {}, DecodedPixels::Brightness).isNull());
}

ByteBuffer ProgressiveFixture() {
  LibjpegPicture picture{.width = 16, .height = 16, .progressive = true};
  picture.samples.assign(16 * 16 * 3, 128);
  return LibjpegEncoded(picture);
}

// Repeated scans only warn in libjpeg; a flood of them must not be decoded scan after scan.
TEST(JpegScans, AFewRepeatedScansStillDecode) {
  EXPECT_FALSE(DecodePicture(WithLastScanRepeated(ProgressiveFixture(), 50)).isNull());
}

TEST(JpegScans, AFloodOfScansIsRefused) {
  EXPECT_TRUE(DecodePicture(WithLastScanRepeated(ProgressiveFixture(), 1200)).isNull());
}

}  // namespace
}  // namespace plakora
