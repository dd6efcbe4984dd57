// SPDX-License-Identifier: MIT
// JPEG-only behaviour of DecodePicture: DCT scaling to a box and the scan limit.
#include <gtest/gtest.h>

#include <string>

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
