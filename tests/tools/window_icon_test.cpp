// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "picture_files.h"

namespace plakora::pictures_test {
namespace {

constexpr int kSide = 64;
constexpr std::size_t kPixelsAt = 22 + 40;
constexpr std::size_t kMaskAt = kPixelsAt + kSide * kSide * 4;
constexpr std::size_t kMaskStride = 8;
constexpr std::size_t kFileSize = kMaskAt + kMaskStride * kSide;

const Bytes& IconFile() {
  static const Bytes bytes = ReadBytes(ResourcePath("window_icon.ico"));
  return bytes;
}

// Rows are stored bottom-up; y counts from the top.
Colour PixelAt(int x, int y) {
  const std::size_t at = kPixelsAt + (static_cast<std::size_t>(kSide - 1 - y) * kSide + x) * 4;
  const Bytes& f = IconFile();
  return {f.at(at + 2), f.at(at + 1), f.at(at), f.at(at + 3)};
}

bool MaskBitAt(int x, int y) {
  const std::size_t row = kMaskAt + static_cast<std::size_t>(kSide - 1 - y) * kMaskStride;
  return (IconFile().at(row + x / 8) >> (7 - x % 8) & 1) != 0;
}

struct Field {
  std::string name;
  std::size_t offset;
  int bytes;
  std::uint32_t value;
};

void PrintTo(const Field& f, std::ostream* os) { *os << f.name; }

class IconHeaderTest : public ::testing::TestWithParam<Field> {};

TEST_P(IconHeaderTest, HoldsOne64By64ImageOf32BitsPerPixel) {
  const Field& f = GetParam();
  ASSERT_EQ(IconFile().size(), kFileSize);
  const Bytes& file = IconFile();
  const std::uint32_t value = f.bytes == 1   ? file.at(f.offset)
                              : f.bytes == 2 ? Le16(file, f.offset)
                                             : Le32(file, f.offset);
  EXPECT_EQ(value, f.value);
}

INSTANTIATE_TEST_SUITE_P(
    BuiltinPictures, IconHeaderTest,
    ::testing::Values(Field{"Reserved", 0, 2, 0}, Field{"TypeIcon", 2, 2, 1},
                      Field{"ImageCount", 4, 2, 1}, Field{"EntryWidth", 6, 1, 64},
                      Field{"EntryHeight", 7, 1, 64}, Field{"EntryColourCount", 8, 1, 0},
                      Field{"EntryPlanes", 10, 2, 1}, Field{"EntryBitCount", 12, 2, 32},
                      Field{"EntryBytes", 14, 4, kFileSize - 22}, Field{"EntryOffset", 18, 4, 22},
                      Field{"InfoHeaderSize", 22, 4, 40}, Field{"BitmapWidth", 26, 4, 64},
                      Field{"BitmapHeightWithMask", 30, 4, 128}, Field{"BitmapPlanes", 34, 2, 1},
                      Field{"BitmapBitCount", 36, 2, 32}, Field{"Uncompressed", 38, 4, 0}),
    [](const ::testing::TestParamInfo<Field>& p) { return p.param.name; });

TEST(WindowIconTest, HasTransparentCornersAndAnOpaqueMiddle) {
  ASSERT_EQ(IconFile().size(), kFileSize);
  for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}}) {
    EXPECT_EQ(PixelAt(x, y).a, 0) << x << "," << y;
  }
  EXPECT_EQ(PixelAt(32, 32).a, 255);
}

TEST(WindowIconTest, MaskMarksExactlyTheTransparentPixels) {
  ASSERT_EQ(IconFile().size(), kFileSize);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      ASSERT_EQ(MaskBitAt(x, y), PixelAt(x, y).a == 0) << x << "," << y;
    }
  }
}

TEST(WindowIconTest, ShowsAPinkFlowerWithGreenLeavesOnPaleGround) {
  ASSERT_EQ(IconFile().size(), kFileSize);
  int pink = 0;
  int green = 0;
  int pale = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const Colour p = PixelAt(x, y);
      if (p.a < 255) continue;
      pink += p.r >= 200 && p.r - p.g >= 50 && p.b - p.g >= 10 ? 1 : 0;
      green += p.g - p.r >= 40 && p.g - p.b >= 30 ? 1 : 0;
      pale += std::min({p.r, p.g, p.b}) >= 230 ? 1 : 0;
    }
  }
  EXPECT_GE(pink, 500);
  EXPECT_GE(green, 200);
  EXPECT_GE(pale, 1000);
}

}  // namespace
}  // namespace plakora::pictures_test
