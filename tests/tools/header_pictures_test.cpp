// SPDX-License-Identifier: MIT
// The header strip and the device label are laid over each other in the
// window, which paints the device digit and the amount into the strip's gaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "picture_files.h"

namespace plakora::pictures_test {
namespace {

constexpr Colour kSkyTop{254, 254, 255};
constexpr Colour kSkyBottom{149, 179, 215};
constexpr int kHeaderRows = 79;

// An inclusive pixel box.
struct Box {
  int left, top, right, bottom;
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

const Picture& Header() {
  static const Picture picture = DecodePng(ResourcePath("header_strip.png"));
  return picture;
}

const Picture& Label() {
  static const Picture picture = DecodePng(ResourcePath("device_label.png"));
  return picture;
}

// Column 0 holds no ink, so it gives each row's background.
int InkLevel(const Picture& header, int x, int y) {
  return Distance(header.At(x, y), header.At(0, y));
}

struct PngCase {
  std::string file;
  int width, height;
};

void PrintTo(const PngCase& c, std::ostream* os) { *os << c.file; }

class OpaqueRgbaPngTest : public ::testing::TestWithParam<PngCase> {};

TEST_P(OpaqueRgbaPngTest, IsEightBitRgbaOfTheRightSizeAndFullyOpaque) {
  const PngCase& c = GetParam();
  const Bytes file = ReadBytes(ResourcePath(c.file));
  ASSERT_GT(file.size(), 33u);
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), file.begin()));
  EXPECT_EQ(std::string(file.begin() + 12, file.begin() + 16), "IHDR");
  EXPECT_EQ(Be32(file, 16), static_cast<std::uint32_t>(c.width));
  EXPECT_EQ(Be32(file, 20), static_cast<std::uint32_t>(c.height));
  EXPECT_EQ(file[24], 8) << "bit depth";
  EXPECT_EQ(file[25], 6) << "colour type";

  const Picture picture = DecodePng(ResourcePath(c.file));
  EXPECT_EQ(picture.components, 4);
  const auto translucent = std::count_if(picture.pixels.begin(), picture.pixels.end(),
                                         [](const Colour& p) { return p.a != 255; });
  EXPECT_EQ(translucent, 0);
}

INSTANTIATE_TEST_SUITE_P(BuiltinPictures, OpaqueRgbaPngTest,
                         ::testing::Values(PngCase{"header_strip.png", 387, 79},
                                           PngCase{"device_label.png", 61, 70}));

TEST(HeaderStripTest, RunsFromAlmostWhiteToLightBlueDownwards) {
  const Picture& header = Header();
  for (int x = 0; x < 75; ++x) {
    EXPECT_LE(Distance(header.At(x, 0), kSkyTop), 1) << "column " << x;
    EXPECT_LE(Distance(header.At(x, kHeaderRows - 1), kSkyBottom), 1) << "column " << x;
  }
  for (int y = 1; y < kHeaderRows; ++y) {
    const Colour& above = header.At(0, y - 1);
    const Colour& here = header.At(0, y);
    EXPECT_TRUE(here.r <= above.r && here.g <= above.g && here.b <= above.b) << "row " << y;
  }
}

struct TextBox {
  std::string text;
  Box box;
};

void PrintTo(const TextBox& c, std::ostream* os) { *os << c.box.left << "-" << c.box.right; }

const std::array<TextBox, 2> kTextBoxes = {{
    {"号设备", {75, 23, 175, 53}},
    {"元付款码", {222, 23, 356, 53}},
}};

TEST(HeaderStripTest, HasInkOnlyInsideTheTextBoxes) {
  const Picture& header = Header();
  for (int y = 0; y < header.height; ++y) {
    for (int x = 0; x < header.width; ++x) {
      const bool inBox = std::any_of(kTextBoxes.begin(), kTextBoxes.end(),
                                     [&](const TextBox& t) { return t.box.Contains(x, y); });
      if (!inBox) {
        ASSERT_LE(InkLevel(header, x, y), 2) << "stray ink at " << x << "," << y;
      }
    }
  }
}

class HeaderTextTest : public ::testing::TestWithParam<TextBox> {};

TEST_P(HeaderTextTest, BlackTextFillsMostOfItsBox) {
  const Box& box = GetParam().box;
  const Picture& header = Header();
  Box ink{box.right, box.bottom, box.left, box.top};
  int darkest = 255;
  for (int y = box.top; y <= box.bottom; ++y) {
    for (int x = box.left; x <= box.right; ++x) {
      if (InkLevel(header, x, y) > 96) {
        ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
               std::max(ink.bottom, y)};
      }
      const Colour& p = header.At(x, y);
      darkest = std::min(darkest, std::max({p.r, p.g, p.b}));
    }
  }
  EXPECT_LE(darkest, 8) << "the text is black";
  EXPECT_GE(ink.Width() * 100, box.Width() * 85) << "ink columns " << ink.left << "-" << ink.right;
  EXPECT_GE(ink.Height() * 100, box.Height() * 85) << "ink rows " << ink.top << "-" << ink.bottom;
}

INSTANTIATE_TEST_SUITE_P(BuiltinPictures, HeaderTextTest, ::testing::ValuesIn(kTextBoxes));

TEST(DeviceLabelTest, MatchesTheHeaderUnderTheDeviceDigit) {
  const Picture& header = Header();
  const Picture& label = Label();
  for (int y = 0; y < 52; ++y) {
    for (int x = 0; x < 48; ++x) {
      ASSERT_LE(Distance(label.At(x, y), header.At(24 + x, 9 + y)), 3) << x << "," << y;
    }
  }
}

TEST(DeviceLabelTest, IsThePlainGradientStartingAtHeaderRowNine) {
  const Picture& header = Header();
  const Picture& label = Label();
  for (int y = 0; y < label.height; ++y) {
    for (int x = 0; x < label.width; ++x) {
      ASSERT_LE(Distance(label.At(x, y), header.At(0, y + 9)), 3) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace plakora::pictures_test
