// SPDX-License-Identifier: MIT
#include "imaging/crop_bitmap_region.h"

#include <gtest/gtest.h>

#include <string>

#include "bmp_test_images.h"
#include "imaging/bmp_file_image.h"
#include "imaging/little_endian.h"

namespace plakora {
namespace {

using testing::BmpSpec;
using testing::MakeBmp;

template <typename T>
T Field(const ByteBuffer& image, std::size_t offset) {
  return ReadLittleEndian<T>(image, offset);
}

struct CutCase {
  std::string name;
  BmpSpec source;
  std::int32_t x, y, width, height;
  // Expected output; width 0 means the empty result.
  std::int32_t outWidth, outHeight;
  std::int64_t outSize;
  std::int64_t firstRowSourceOffset;  // where output row 0 (the bottom row) comes from
  std::int64_t sourceStride;
};

void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }

class CropBitmapRegionTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CropBitmapRegionTest, CutsTheRegion) {
  const CutCase& c = GetParam();
  const ByteBuffer source = MakeBmp(c.source);
  const ByteBuffer out = CropBitmapRegion(source, c.x, c.y, c.width, c.height);
  if (c.outWidth == 0) {
    EXPECT_TRUE(out.empty());
    return;
  }
  ASSERT_EQ(static_cast<std::int64_t>(out.size()), c.outSize);
  const std::uint32_t pixelOffset = c.source.bitCount == 8 ? 1078 : 54;
  EXPECT_EQ(out[0], 'B');
  EXPECT_EQ(out[1], 'M');
  EXPECT_EQ(Field<std::uint32_t>(out, 2), c.outSize);
  EXPECT_EQ(Field<std::uint32_t>(out, 6), 0u);  // both reserved fields
  EXPECT_EQ(Field<std::uint32_t>(out, 10), pixelOffset);
  EXPECT_EQ(Field<std::uint32_t>(out, 14), 40u);
  EXPECT_EQ(Field<std::int32_t>(out, 18), c.outWidth);
  EXPECT_EQ(Field<std::int32_t>(out, 22), c.outHeight);
  EXPECT_EQ(Field<std::uint16_t>(out, 26), 1);
  EXPECT_EQ(Field<std::uint16_t>(out, 28), c.source.bitCount);
  for (std::size_t offset = 30; offset < 54; offset += 4) {
    EXPECT_EQ(Field<std::uint32_t>(out, offset), 0u) << "header offset " << offset;
  }
  if (c.source.bitCount == 8) {
    EXPECT_TRUE(std::equal(out.begin() + 54, out.begin() + 1078, source.begin() + 54));
  }
  const std::int64_t T = bmp::RowStride(c.outWidth, c.source.bitCount);
  for (std::int64_t row = 0; row < c.outHeight; ++row) {
    const std::int64_t from = c.firstRowSourceOffset + row * c.sourceStride;
    for (std::int64_t i = 0; i < T; ++i) {
      const std::uint8_t expected =
          from + i < static_cast<std::int64_t>(source.size()) ? source[from + i] : 0;
      ASSERT_EQ(out[pixelOffset + row * T + i], expected) << "row " << row << " byte " << i;
    }
  }
}

const BmpSpec kCapture{390, 670, 32};
const BmpSpec kSmall32{100, 50, 32};

INSTANTIATE_TEST_SUITE_P(
    Cuts, CropBitmapRegionTest,
    ::testing::Values(
        // The poster cut from a window capture: S = 1560, T = 1536, Z = 798,720.
        CutCase{"PosterFromCapture", kCapture, 3, 25, 384, 520, 384, 520, 798774, 195066, 1560},
        CutCase{"RightOverhangClipped", kSmall32, 90, 0, 20, 10, 10, 10, 54 + 40 * 10,
                54 + 400 * 40 + 360, 400},
        CutCase{"BottomOverhangClipped", kSmall32, 0, 45, 10, 20, 10, 5, 54 + 40 * 5, 54, 400},
        CutCase{"OnePixelWideAtLastColumn", kSmall32, 99, 0, 7, 1, 1, 1, 58, 54 + 400 * 49 + 396,
                400},
        CutCase{"WholePicture", kSmall32, 0, 0, 100, 50, 100, 50, 54 + 400 * 50, 54, 400},
        // 24-bit, 5 wide: S = 16, T = 12; the 3 padding bytes are source column 4.
        CutCase{"Padding24BitFromSource", {5, 4, 24}, 1, 0, 3, 4, 3, 4, 54 + 12 * 4, 54 + 3, 16},
        CutCase{"SixteenBit", {7, 3, 16}, 2, 1, 3, 2, 3, 2, 54 + 8 * 2, 54 + 4, 16},
        CutCase{"EightBitCarriesColourTable", {10, 6, 8}, 2, 1, 5, 3, 5, 3, 1078 + 8 * 3,
                1078 + 12 * 2 + 2, 12},
        // The pixels are read from 54 whatever bfOffBits says.
        CutCase{"PixelOffsetFieldIgnored", {8, 8, 32, 0, 138}, 0, 0, 8, 8, 8, 8, 54 + 32 * 8, 54,
                32},
        // Rejections.
        CutCase{"XAtWidth", kSmall32, 100, 0, 1, 1, 0, 0, 0, 0, 0},
        CutCase{"YAtHeight", kSmall32, 0, 50, 1, 1, 0, 0, 0, 0, 0},
        CutCase{"NegativeX", kSmall32, -1, 0, 5, 5, 0, 0, 0, 0, 0},
        CutCase{"NegativeY", kSmall32, 0, -1, 5, 5, 0, 0, 0, 0, 0},
        CutCase{"ZeroWidth", kSmall32, 0, 0, 0, 5, 0, 0, 0, 0, 0},
        CutCase{"ZeroHeight", kSmall32, 0, 0, 5, 0, 0, 0, 0, 0, 0},
        CutCase{"TopDownSource", {10, -10, 32}, 0, 0, 5, 5, 0, 0, 0, 0, 0},
        CutCase{"BitfieldsCompression", {10, 10, 32, 3}, 0, 0, 5, 5, 0, 0, 0, 0, 0},
        CutCase{"OneBitDepth", {10, 10, 1}, 0, 0, 5, 5, 0, 0, 0, 0, 0},
        CutCase{"FourBitDepth", {10, 10, 4}, 0, 0, 5, 5, 0, 0, 0, 0, 0},
        CutCase{"ZeroWidthPicture", {0, 10, 32}, 0, 0, 5, 5, 0, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<CutCase>& row) { return row.param.name; });

TEST(CropBitmapRegion, EmptySourceGivesEmptyResult) {
  EXPECT_TRUE(CropBitmapRegion({}, 0, 0, 1, 1).empty());
}

TEST(CropBitmapRegion, OutputCarriesNoSourceResolutionOrTrailingBytes) {
  ByteBuffer source = MakeBmp({4, 4, 32});
  source.insert(source.end(), 100, 0xEE);
  const ByteBuffer out = CropBitmapRegion(source, 0, 0, 4, 4);
  ASSERT_EQ(out.size(), 54u + 64u);
  EXPECT_EQ(ReadLittleEndian<std::int32_t>(out, 38), 0);
  EXPECT_EQ(ReadLittleEndian<std::int32_t>(out, 42), 0);
  EXPECT_TRUE(std::equal(out.begin() + 54, out.end(), source.begin() + 54));
}

// A source cut short of what its header declares never stops the program and never reads
// past its end.
struct TruncationCase {
  std::string name;
  BmpSpec source;
  std::size_t keepBytes;
  std::int32_t x, y, width, height;
  bool expectEmpty;
};

void PrintTo(const TruncationCase& c, std::ostream* os) { *os << c.name; }

class CropTruncatedSourceTest : public ::testing::TestWithParam<TruncationCase> {};

TEST_P(CropTruncatedSourceTest, RefusesOrZeroFills) {
  const TruncationCase& c = GetParam();
  // Exactly sized, so ASan sees any read past the end.
  const ByteBuffer source = MakeBmp(c.source, c.keepBytes);
  const ByteBuffer out = CropBitmapRegion(source, c.x, c.y, c.width, c.height);
  EXPECT_EQ(out.empty(), c.expectEmpty);
}

INSTANTIATE_TEST_SUITE_P(
    Truncated, CropTruncatedSourceTest,
    ::testing::Values(
        TruncationCase{"HeaderOnly", {390, 670, 32}, 54, 3, 25, 384, 520, true},
        TruncationCase{"HalfThePixels", {390, 670, 32}, 54 + 1560 * 335, 3, 25, 384, 520, true},
        TruncationCase{"TopRowCutMidway", {10, 10, 32}, 54 + 40 * 9 + 20, 0, 0, 10, 10, true},
        TruncationCase{"TopRowUntouchedByRegion", {10, 10, 32}, 54 + 40 * 9, 0, 5, 10, 5, false},
        TruncationCase{"EightBitNoPixelRows", {4, 4, 8}, 1078, 0, 0, 4, 4, true},
        TruncationCase{"EightBitColourTableCut", {4, 4, 8}, 600, 0, 0, 4, 4, true},
        TruncationCase{"HugeDeclaredWidth", {0x7FFFFFF0, 2, 32}, 200, 0, 0, 0x7FFFFFF0, 2, true},
        TruncationCase{"HugeDeclaredHeight", {4, 0x7FFFFFF0, 32}, 200, 0, 0, 4, 4, true}),
    [](const ::testing::TestParamInfo<TruncationCase>& row) { return row.param.name; });

TEST(CropBitmapRegion, TopRowPaddingPastTheEndStaysZero) {
  // A complete 24-bit source 5 wide: the top row's region at x = 1 needs 3 padding bytes that
  // lie past the end of the source.
  const ByteBuffer source = MakeBmp({5, 2, 24});
  ASSERT_EQ(source.size(), 54u + 32u);
  const ByteBuffer out = CropBitmapRegion(source, 2, 0, 3, 1);
  ASSERT_EQ(out.size(), 54u + 12u);
  const std::size_t from = 54 + 16 + 6;
  EXPECT_TRUE(std::equal(out.begin() + 54, out.begin() + 54 + 10, source.begin() + from));
  EXPECT_EQ(out[54 + 10], 0);
  EXPECT_EQ(out[54 + 11], 0);
}

}  // namespace
}  // namespace plakora
