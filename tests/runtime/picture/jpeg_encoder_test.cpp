// SPDX-License-Identifier: MIT
#include "runtime/picture/jpeg_encoder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>
// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <jpeglib.h>
// clang-format on

#include "runtime/picture/decode_picture.h"

namespace plakora {
namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 16;

// A top-down BGRX picture: left half red, right half blue, bottom quarter white.
std::vector<std::uint8_t> TopDownPixels() {
  std::vector<std::uint8_t> bytes;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool white = y >= kHeight * 3 / 4;
      const bool red = x < kWidth / 2;
      const std::uint8_t b = white || !red ? 255 : 0;
      const std::uint8_t r = white || red ? 255 : 0;
      const std::uint8_t g = white ? 255 : 0;
      bytes.insert(bytes.end(), {b, g, r, 0x5A});  // the fourth byte is ignored
    }
  }
  return bytes;
}

std::vector<std::uint8_t> BottomUp(const std::vector<std::uint8_t>& topDown) {
  std::vector<std::uint8_t> flipped;
  const std::size_t row = kWidth * 4;
  for (int y = kHeight - 1; y >= 0; --y) {
    const auto start = topDown.begin() + static_cast<std::ptrdiff_t>(y * row);
    flipped.insert(flipped.end(), start, start + static_cast<std::ptrdiff_t>(row));
  }
  return flipped;
}

bool Near(QRgb actual, QRgb expected) {
  const auto close = [](int a, int b) { return std::abs(a - b) <= 8; };
  return close(qRed(actual), qRed(expected)) && close(qGreen(actual), qGreen(expected)) &&
         close(qBlue(actual), qBlue(expected));
}

void ExpectTheTopDownPicture(const ByteBuffer& jpeg) {
  const QImage image = DecodePicture(jpeg);
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
  // Sample next to the colour edges: without chroma subsampling they stay sharp.
  EXPECT_TRUE(Near(image.pixel(kWidth / 2 - 1, 2), qRgb(255, 0, 0)));
  EXPECT_TRUE(Near(image.pixel(kWidth / 2, 2), qRgb(0, 0, 255)));
  EXPECT_TRUE(Near(image.pixel(3, kHeight * 3 / 4 - 1), qRgb(255, 0, 0)));
  EXPECT_TRUE(Near(image.pixel(3, kHeight - 1), qRgb(255, 255, 255)));
}

TEST(EncodeJpeg, TopDownRowsRoundTrip) {
  const std::vector<std::uint8_t> pixels = TopDownPixels();
  const ByteBuffer jpeg = EncodeJpeg({pixels.data(), kWidth, kHeight, kWidth * 4}, 95);
  ExpectTheTopDownPicture(jpeg);
}

TEST(EncodeJpeg, BottomUpRowsWithNegativeStrideComeOutUpright) {
  const std::vector<std::uint8_t> stored = BottomUp(TopDownPixels());
  const std::uint8_t* top = stored.data() + (kHeight - 1) * kWidth * 4;
  const ByteBuffer jpeg = EncodeJpeg({top, kWidth, kHeight, -kWidth * 4}, 95);
  ExpectTheTopDownPicture(jpeg);
}

TEST(EncodeJpeg, WritesBaselineJfifWithoutChromaSubsampling) {
  const std::vector<std::uint8_t> pixels = TopDownPixels();
  const ByteBuffer jpeg = EncodeJpeg({pixels.data(), kWidth, kHeight, kWidth * 4}, 80);
  ASSERT_FALSE(jpeg.empty());

  jpeg_decompress_struct codec{};
  jpeg_error_mgr errors{};
  codec.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&codec);
  jpeg_mem_src(&codec, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  ASSERT_EQ(jpeg_read_header(&codec, TRUE), JPEG_HEADER_OK);
  EXPECT_TRUE(codec.saw_JFIF_marker);
  EXPECT_FALSE(codec.progressive_mode);
  EXPECT_EQ(codec.jpeg_color_space, JCS_YCbCr);
  ASSERT_EQ(codec.num_components, 3);
  for (int c = 0; c < codec.num_components; ++c) {
    EXPECT_EQ(codec.comp_info[c].h_samp_factor, 1) << "component " << c;
    EXPECT_EQ(codec.comp_info[c].v_samp_factor, 1) << "component " << c;
  }
  jpeg_destroy_decompress(&codec);
}

struct InvalidCase {
  std::string name;
  BgrxRows rows;
  int quality;
};

void PrintTo(const InvalidCase& c, std::ostream* os) { *os << c.name; }

class EncodeJpegRefuses : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(EncodeJpegRefuses, GivesNoBytes) {
  const InvalidCase& c = GetParam();
  EXPECT_TRUE(EncodeJpeg(c.rows, c.quality).empty());
}

const std::uint8_t kPixels[64] = {};

INSTANTIATE_TEST_SUITE_P(
    Arguments, EncodeJpegRefuses,
    ::testing::Values(InvalidCase{"zero_width", {kPixels, 0, 2, 16}, 90},
                      InvalidCase{"zero_height", {kPixels, 2, 0, 16}, 90},
                      InvalidCase{"no_pixels", {nullptr, 2, 2, 8}, 90},
                      InvalidCase{"rows_overlap", {kPixels, 4, 2, 8}, 90},
                      InvalidCase{"too_wide_for_jpeg", {kPixels, 70000, 1, 280000}, 90},
                      InvalidCase{"quality_zero", {kPixels, 2, 2, 8}, 0},
                      InvalidCase{"quality_over_100", {kPixels, 2, 2, 8}, 101}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace plakora
