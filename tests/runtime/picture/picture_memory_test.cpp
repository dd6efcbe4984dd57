// SPDX-License-Identifier: MIT
#include "runtime/picture/picture_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace plakora {
namespace {

struct MemoryCase {
  const char* name;
  int width;
  int height;
  QImage::Format format;
};

class NewPictureImageTest : public ::testing::TestWithParam<MemoryCase> {};

// Small or large, the image behaves as one Qt allocated: rows as long as Qt makes them,
// written in place, shared and freed without a trace (ASan checks the freeing).
TEST_P(NewPictureImageTest, BehavesAsAQtImage) {
  const MemoryCase& c = GetParam();
  QImage image = NewPictureImage(c.width, c.height, c.format);
  ASSERT_FALSE(image.isNull());
  const QImage reference(c.width, c.height, c.format);
  EXPECT_EQ(image.size(), reference.size());
  EXPECT_EQ(image.format(), c.format);
  EXPECT_EQ(image.bytesPerLine(), reference.bytesPerLine());

  const uchar* before = image.constBits();
  std::memset(image.bits(), 0x7F, static_cast<std::size_t>(image.sizeInBytes()));
  EXPECT_EQ(image.constBits(), before);  // written in place, not copied
  EXPECT_EQ(image.constScanLine(c.height - 1)[image.bytesPerLine() - 1], 0x7F);

  QImage shared = image;
  image = QImage();
  EXPECT_EQ(shared.constScanLine(0)[0], 0x7F);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, NewPictureImageTest,
    ::testing::Values(MemoryCase{"Small", 10, 10, QImage::Format_RGB32},
                      MemoryCase{"GreyJustUnderAHugePage", 1242, 1678, QImage::Format_Grayscale8},
                      MemoryCase{"GreyOddWidth", 1001, 1500, QImage::Format_Grayscale8},
                      MemoryCase{"ColourSeveralHugePages", 1242, 1678, QImage::Format_RGB32},
                      MemoryCase{"WithAlpha", 700, 900, QImage::Format_ARGB32}),
    [](const ::testing::TestParamInfo<MemoryCase>& row) { return std::string(row.param.name); });

// The next picture of about the same size reuses the memory of the last one, warm.
TEST(NewPictureImage, ReusesTheMemoryOfTheLastLargePicture) {
#ifndef __linux__
  GTEST_SKIP() << "plain Qt images elsewhere";
#endif
  const uchar* first = nullptr;
  {
    const QImage image = NewPictureImage(1242, 1678, QImage::Format_RGB32);
    first = image.constBits();
  }
  const QImage next = NewPictureImage(1240, 1670, QImage::Format_RGB32);
  const QImage alongside = NewPictureImage(1240, 1670, QImage::Format_RGB32);
  EXPECT_EQ(next.constBits(), first);
  EXPECT_NE(alongside.constBits(), first);
}

}  // namespace
}  // namespace plakora
