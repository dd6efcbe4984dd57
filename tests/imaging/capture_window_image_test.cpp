// SPDX-License-Identifier: MIT
#include "imaging/capture_window_image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "imaging/crop_bitmap_region.h"
#include "imaging/little_endian.h"

namespace plakora {
namespace {

// Paints every pixel as B = column, G = row & 0xFF, R = row >> 8, X = 0x5A, top-down.
class FakeWindow : public CapturableWindow {
 public:
  bool exists = true;
  bool printSucceeds = true;
  PixelSize size{390, 670};
  int prints = 0;

  bool Exists() const override { return exists; }
  PixelSize OuterSize() const override { return size; }
  bool PrintInto(std::uint8_t* pixels, PixelSize s, std::ptrdiff_t stride) override {
    ++prints;
    for (int row = 0; row < s.height; ++row) {
      for (int col = 0; col < s.width; ++col) {
        std::uint8_t* p = pixels + row * stride + col * 4;
        p[0] = static_cast<std::uint8_t>(col);
        p[1] = static_cast<std::uint8_t>(row);
        p[2] = static_cast<std::uint8_t>(row >> 8);
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

}  // namespace
}  // namespace plakora
