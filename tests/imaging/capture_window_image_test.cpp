// SPDX-License-Identifier: MIT
#include "imaging/capture_window_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "imaging/capture_poster_image.h"
#include "imaging/crop_bitmap_region.h"
#include "imaging/little_endian.h"

namespace plakora {
namespace {

// Paints every window pixel as B = column, G = row & 0xFF, R = row >> 8, X = 0x5A, top-down.
class FakeWindow : public CapturableWindow {
 public:
  bool exists = true;
  bool printSucceeds = true;
  PixelSize size{390, 670};
  int prints = 0;
  PixelRect lastArea;

  bool Exists() const override { return exists; }
  PixelSize OuterSize() const override { return size; }
  bool PrintInto(std::uint8_t* pixels, const PixelRect& area, std::ptrdiff_t stride) override {
    ++prints;
    lastArea = area;
    for (int row = 0; row < area.height; ++row) {
      for (int col = 0; col < area.width; ++col) {
        std::uint8_t* p = pixels + row * stride + col * 4;
        const int x = area.left + col;
        const int y = area.top + row;
        p[0] = static_cast<std::uint8_t>(x);
        p[1] = static_cast<std::uint8_t>(y);
        p[2] = static_cast<std::uint8_t>(y >> 8);
        p[3] = 0x5A;
      }
    }
    return printSucceeds;
  }
};

TEST(CaptureWindowImage, BuildsTheBitmapFileImageOfTheWholeWindow) {
  FakeWindow window;
  const ByteBuffer image = CaptureWindowImage(&window);
  ASSERT_EQ(image.size(), 1045254u);
  EXPECT_EQ(image[0], 'B');
  EXPECT_EQ(image[1], 'M');
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 2), 1045254u);
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 6), 0u);
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 10), 54u);
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 14), 40u);
  EXPECT_EQ(ReadLittleEndian<std::int32_t>(image, 18), 390);
  EXPECT_EQ(ReadLittleEndian<std::int32_t>(image, 22), 670);
  EXPECT_EQ(ReadLittleEndian<std::uint16_t>(image, 26), 1);
  EXPECT_EQ(ReadLittleEndian<std::uint16_t>(image, 28), 32);
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 30), 0u);
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 34), 1045200u);
}

TEST(CaptureWindowImage, StoresRowsBottomUpFromOffset54) {
  FakeWindow window;
  const ByteBuffer image = CaptureWindowImage(&window);
  ASSERT_EQ(image.size(), 1045254u);
  const auto pixel = [&](int storedRow, int col) { return image.data() + 54 + storedRow * 1560 + col * 4; };
  // First stored row is the window's bottom row (669).
  EXPECT_EQ(pixel(0, 0)[1], 669 & 0xFF);
  EXPECT_EQ(pixel(0, 0)[2], 669 >> 8);
  EXPECT_EQ(pixel(669, 7)[0], 7);
  EXPECT_EQ(pixel(669, 7)[1], 0);
  EXPECT_EQ(pixel(669, 7)[3], 0x5A);
}

TEST(CaptureWindowImage, CutAtThePosterAreaShowsClientColumnsAndRows) {
  FakeWindow window;
  const ByteBuffer poster = CropBitmapRegion(CaptureWindowImage(&window), 3, 25, 384, 520);
  ASSERT_EQ(poster.size(), 798774u);
  // Output row 0 is the region's bottom row: window row 25 + 519; its first pixel column 3.
  const std::uint8_t* bottomLeft = poster.data() + 54;
  EXPECT_EQ(bottomLeft[0], 3);
  EXPECT_EQ(bottomLeft[1], (25 + 519) & 0xFF);
  EXPECT_EQ(bottomLeft[2], (25 + 519) >> 8);
  const std::uint8_t* topRight = poster.data() + 54 + 519 * 1536 + 383 * 4;
  EXPECT_EQ(topRight[0], 386 & 0xFF);
  EXPECT_EQ(topRight[1], 25);
}

TEST(CaptureWindowImage, MissingWindowGivesEmptyWithoutPainting) {
  FakeWindow window;
  window.exists = false;
  EXPECT_TRUE(CaptureWindowImage(&window).empty());
  EXPECT_EQ(window.prints, 0);
  EXPECT_TRUE(CaptureWindowImage(nullptr).empty());
}

TEST(CaptureWindowImage, FailedPaintGivesEmpty) {
  FakeWindow window;
  window.printSucceeds = false;
  EXPECT_TRUE(CaptureWindowImage(&window).empty());
}

TEST(CaptureWindowImage, WindowWithoutAreaGivesHeaderOnlyImageThatCannotBeCut) {
  FakeWindow window;
  window.size = {0, 0};
  const ByteBuffer image = CaptureWindowImage(&window);
  ASSERT_EQ(image.size(), 54u);
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 2), 54u);
  EXPECT_EQ(ReadLittleEndian<std::uint32_t>(image, 14), 40u);
  EXPECT_EQ(ReadLittleEndian<std::uint16_t>(image, 28), 0);
  EXPECT_TRUE(CropBitmapRegion(image, 3, 25, 384, 520).empty());
}

// ---- the poster area ----

struct RegionCase {
  const char* name;
  CaptureRegion region;
  bool paintsOnlyTheRegion;
};

void PrintTo(const RegionCase& row, std::ostream* out) { *out << row.name; }

class CapturePosterImageTest : public ::testing::TestWithParam<RegionCase> {};

// Whatever the region, the result is the cut of the whole window's capture, byte for byte.
TEST_P(CapturePosterImageTest, EqualsTheCutOfTheWholeCapture) {
  const RegionCase& c = GetParam();
  FakeWindow whole;
  const ByteBuffer expected = CropBitmapRegion(CaptureWindowImage(&whole), c.region.left,
                                               c.region.top, c.region.width, c.region.height);
  FakeWindow window;
  EXPECT_EQ(CapturePosterImage(&window, c.region), expected);
  if (c.paintsOnlyTheRegion) {
    EXPECT_EQ(window.prints, 1);
    EXPECT_EQ(window.lastArea.left, c.region.left);
    EXPECT_EQ(window.lastArea.top, c.region.top);
    EXPECT_EQ(window.lastArea.width, c.region.width);
    EXPECT_EQ(window.lastArea.height, c.region.height);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Regions, CapturePosterImageTest,
    ::testing::Values(RegionCase{"Poster", {3, 25, 384, 520}, true},
                      RegionCase{"WholeWindow", {0, 0, 390, 670}, true},
                      RegionCase{"BottomRightPixel", {389, 669, 1, 1}, true},
                      RegionCase{"OverhangingRightAndBottom", {300, 600, 384, 520}, false},
                      RegionCase{"LeftOfTheWindow", {-1, 25, 384, 520}, false},
                      RegionCase{"BelowTheWindow", {3, 670, 10, 10}, false},
                      RegionCase{"NoWidth", {3, 25, 0, 520}, false},
                      RegionCase{"HugeHeight", {3, 25, 384, 2147483647}, false}),
    [](const ::testing::TestParamInfo<RegionCase>& row) { return std::string(row.param.name); });

TEST(CapturePosterImage, MissingWindowOrFailedPaintGivesEmpty) {
  FakeWindow window;
  window.printSucceeds = false;
  EXPECT_TRUE(CapturePosterImage(&window).empty());
  window.exists = false;
  EXPECT_TRUE(CapturePosterImage(&window).empty());
  EXPECT_TRUE(CapturePosterImage(nullptr).empty());
}

}  // namespace
}  // namespace plakora
