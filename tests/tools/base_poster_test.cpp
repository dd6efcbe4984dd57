// SPDX-License-Identifier: MIT
// The window shows the poster scaled to 390 x 520, hides its top under the
// header strip, draws the QR code into the panel's white square and writes a
// white caption on the green below the panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "picture_files.h"

namespace plakora::pictures_test {
namespace {

constexpr Colour kGreen{34, 171, 57};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kBlack{0, 0, 0};

const Bytes& PosterFile() {
  static const Bytes bytes = ReadBytes(ResourcePath("base_poster.jpg"));
  return bytes;
}

const Picture& Poster() {
  static const Picture picture = DecodeJpeg(PosterFile());
  return picture;
}

bool StartsWith(const Bytes& bytes, const std::string& prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// tag -> (type, value or offset) of one IFD; `next` gets the link to the next IFD.
std::map<int, std::pair<int, std::uint32_t>> ReadIfd(const Bytes& tiff, std::uint32_t at,
                                                     std::uint32_t* next) {
  std::map<int, std::pair<int, std::uint32_t>> entries;
  const int count = Le16(tiff, at);
  for (int i = 0; i < count; ++i) {
    const std::size_t entry = at + 2 + 12 * static_cast<std::size_t>(i);
    const int type = Le16(tiff, entry + 2);
    const std::uint32_t value = type == 3 ? Le16(tiff, entry + 8) : Le32(tiff, entry + 8);
    entries[Le16(tiff, entry)] = {type, value};
  }
  *next = Le32(tiff, at + 2 + 12 * static_cast<std::size_t>(count));
  return entries;
}

Bytes Thumbnail() {
  const std::vector<Segment> segments = SegmentsBeforeScan(PosterFile());
  const Bytes& exif = segments.at(1).payload;
  const Bytes tiff(exif.begin() + 6, exif.end());
  std::uint32_t ifd1 = 0;
  ReadIfd(tiff, Le32(tiff, 4), &ifd1);
  std::uint32_t after = 0;
  const auto entries = ReadIfd(tiff, ifd1, &after);
  const std::uint32_t offset = entries.at(0x0201).second;
  const std::uint32_t length = entries.at(0x0202).second;
  if (offset + length > tiff.size()) {
    throw std::runtime_error("thumbnail runs past the Exif block");
  }
  return Bytes(tiff.begin() + offset, tiff.begin() + offset + length);
}

TEST(BasePosterTest, IsABaselineYCbCrJpegOfTheRightSize) {
  const std::vector<Segment> segments = SegmentsBeforeScan(PosterFile());
  const auto frame = std::find_if(segments.begin(), segments.end(), [](const Segment& s) {
    return s.marker >= 0xC0 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8 &&
           s.marker != 0xCC;
  });
  ASSERT_NE(frame, segments.end());
  EXPECT_EQ(frame->marker, 0xC0) << "SOF0, baseline";
  EXPECT_EQ(frame->payload.at(0), 8) << "sample precision";
  EXPECT_EQ(Be16(frame->payload, 1), 1678);
  EXPECT_EQ(Be16(frame->payload, 3), 1242);
  ASSERT_EQ(frame->payload.at(5), 3) << "components";
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(frame->payload.at(6 + 3 * static_cast<std::size_t>(i)), i + 1)
        << "JFIF component ids mean Y, Cb, Cr";
  }
  EXPECT_EQ(Poster().width, 1242);
  EXPECT_EQ(Poster().height, 1678);
  EXPECT_EQ(Poster().components, 3);
}

TEST(BasePosterTest, StartsWithJfifThenExif) {
  const std::vector<Segment> segments = SegmentsBeforeScan(PosterFile());
  ASSERT_GE(segments.size(), 2u);
  EXPECT_EQ(segments[0].marker, 0xE0);
  EXPECT_TRUE(StartsWith(segments[0].payload, std::string("JFIF\0", 5)));
  EXPECT_EQ(segments[1].marker, 0xE1);
  EXPECT_TRUE(StartsWith(segments[1].payload, std::string("Exif\0\0II*\0", 10)));
}

TEST(BasePosterTest, ExifIfd1PointsAtAJpegThumbnail) {
  const std::vector<Segment> segments = SegmentsBeforeScan(PosterFile());
  const Bytes& exif = segments.at(1).payload;
  const Bytes tiff(exif.begin() + 6, exif.end());
  std::uint32_t ifd1 = 0;
  ReadIfd(tiff, Le32(tiff, 4), &ifd1);
  ASSERT_NE(ifd1, 0u) << "IFD0 links to IFD1";
  std::uint32_t after = 1;
  const auto entries = ReadIfd(tiff, ifd1, &after);
  EXPECT_EQ(after, 0u) << "IFD1 is the last";
  ASSERT_TRUE(entries.contains(0x0103));
  EXPECT_EQ(entries.at(0x0103), std::make_pair(3, 6u)) << "Compression: JPEG";
  ASSERT_TRUE(entries.contains(0x0201));
  ASSERT_TRUE(entries.contains(0x0202));
  EXPECT_EQ(entries.at(0x0201).first, 4);
  EXPECT_EQ(entries.at(0x0202).first, 4);

  const Bytes thumbnail = Thumbnail();
  ASSERT_GE(thumbnail.size(), 4u);
  EXPECT_EQ(Be16(thumbnail, 0), 0xFFD8);
  EXPECT_EQ(Be16(thumbnail, thumbnail.size() - 2), 0xFFD9);
  const Picture small = DecodeJpeg(thumbnail);
  EXPECT_EQ(small.width, 88);
  EXPECT_EQ(small.height, 120);
  EXPECT_EQ(small.components, 3);
  EXPECT_LE(Distance(small.At(44, 2), kGreen), 24) << "a small copy of the poster";
  EXPECT_LE(Distance(small.At(44, 60), kWhite), 24) << "a small copy of the poster";
}

struct Region {
  std::string name;
  int left, top, right, bottom;  // inclusive
  Colour colour;
  int tolerance;
  int atLeast;  // pixels near `colour`; 0 means every pixel
};

void PrintTo(const Region& r, std::ostream* os) { *os << r.name; }

class PosterRegionTest : public ::testing::TestWithParam<Region> {};

TEST_P(PosterRegionTest, HasTheExpectedColour) {
  const Region& r = GetParam();
  const Picture& poster = Poster();
  int near = 0;
  int far = 0;
  for (int y = r.top; y <= r.bottom; ++y) {
    for (int x = r.left; x <= r.right; ++x) {
      (Distance(poster.At(x, y), r.colour) <= r.tolerance ? near : far) += 1;
    }
  }
  if (r.atLeast == 0) {
    EXPECT_EQ(far, 0);
  } else {
    EXPECT_GE(near, r.atLeast);
  }
}

INSTANTIATE_TEST_SUITE_P(
    BuiltinPictures, PosterRegionTest,
    ::testing::Values(Region{"TopEdgeIsGreen", 0, 0, 1241, 60, kGreen, 12, 0},
                      Region{"HeadingIsWhite", 200, 96, 1041, 204, kWhite, 16, 12000},
                      Region{"LeftMarginIsGreen", 0, 300, 70, 1390, kGreen, 12, 0},
                      Region{"RightMarginIsGreen", 1171, 300, 1241, 1390, kGreen, 12, 0},
                      Region{"AmountAndDeviceAreDark", 300, 320, 941, 500, kBlack, 100, 8000},
                      Region{"QrSquareIsPlainWhite", 310, 552, 931, 1173, kWhite, 6, 0},
                      Region{"CaptionSpotIsGreen", 180, 1245, 1050, 1375, kGreen, 12, 0},
                      Region{"BottomBandIsWhite", 0, 1410, 1241, 1450, kWhite, 8, 0},
                      Region{"LogoIsGreen", 300, 1460, 941, 1620, kGreen, 16, 7000},
                      Region{"BrandNameIsDark", 300, 1460, 941, 1620, kBlack, 100, 5000}),
    [](const ::testing::TestParamInfo<Region>& p) { return p.param.name; });

}  // namespace
}  // namespace plakora::pictures_test
