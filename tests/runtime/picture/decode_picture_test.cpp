// SPDX-License-Identifier: MIT
#include "runtime/picture/decode_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "picture_fixtures.h"
#include "runtime/picture/picture_format.h"

namespace plakora {
namespace {

using namespace plakora::testing;

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

struct Probe {
  int x, y;
  QRgb argb;  // non-premultiplied
};

struct GoodCase {
  std::string name;
  std::function<ByteBuffer()> make;
  PictureFormat sniffed;
  QSize size;
  QImage::Format format;
  std::vector<Probe> probes;
  int tolerance = 0;  // per channel; lossy codecs only
};

void PrintTo(const GoodCase& c, std::ostream* os) { *os << c.name; }

// The stored word, so a padding byte other than 0xFF in Format_RGB32 shows up too.
QRgb RawPixel(const QImage& image, int x, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

bool Near(QRgb actual, QRgb expected, int tolerance) {
  if (qAlpha(actual) == 0 && qAlpha(expected) == 0) return true;  // colour is meaningless
  const auto close = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
  return close(qRed(actual), qRed(expected)) && close(qGreen(actual), qGreen(expected)) &&
         close(qBlue(actual), qBlue(expected)) && qAlpha(actual) == qAlpha(expected);
}

class DecodesGoodPicture : public ::testing::TestWithParam<GoodCase> {};

TEST_P(DecodesGoodPicture, SizeFormatAndPixels) {
  const GoodCase& c = GetParam();
  const ByteBuffer bytes = c.make();
  EXPECT_EQ(SniffPictureFormat(bytes), c.sniffed);
  const QImage image = DecodePicture(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), c.size);
  EXPECT_EQ(image.format(), c.format);
  for (const Probe& p : c.probes) {
    const QRgb actual = RawPixel(image, p.x, p.y);
    EXPECT_TRUE(Near(actual, p.argb, c.tolerance))
        << "at " << p.x << "," << p.y << ": " << std::hex << actual << " != " << p.argb;
  }
}

QImage Pixels(QImage::Format format, int width, const std::vector<QRgb>& argb) {
  QImage image(width, static_cast<int>(argb.size()) / width, format);
  for (std::size_t i = 0; i < argb.size(); ++i) {
    image.setPixel(static_cast<int>(i) % width, static_cast<int>(i) / width, argb[i]);
  }
  return image;
}

ByteBuffer SixteenBitPng() {
  QImage image(2, 1, QImage::Format_RGBA64);
  image.setPixelColor(0, 0, QColor::fromRgba64(0x8080, 0x8080, 0x8080));
  image.setPixelColor(1, 0, QColor::fromRgba64(0x2020, 0xC0C0, 0xFFFF));
  return QtEncoded(image, "png");
}

ByteBuffer PaletteWithTransparencyPng() {
  QImage image(2, 1, QImage::Format_Indexed8);
  image.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 255, 0, 100)});
  image.setPixel(0, 0, 0);
  image.setPixel(1, 0, 1);
  return QtEncoded(image, "png");
}

// 4×2, palette {red, green, blue}; bottom row first, as BMP stores it.
ByteBuffer RunLengthBmp() {
  return MakeRunLengthBmp(4, 2, {kRed, kGreen, kBlue},
                          {
                              4, 2, 0, 0,        // bottom row: a run of four blue, end of row
                              0, 3, 0, 0, 1, 0,  // top row: literal red, red, green, padded
                              1, 0, 0, 1         // a run of one red, end of bitmap
                          });
}

ByteBuffer Cursor() {
  ByteBuffer bytes = QtEncoded(Pixels(QImage::Format_ARGB32, 2, {kRed, kBlue, kGreen, 0}), "ico");
  bytes[2] = 2;           // type: cursor
  Patch16(bytes, 10, 1);  // hotspot x, where an icon keeps its plane count
  Patch16(bytes, 12, 1);  // hotspot y, where an icon keeps its bit count
  return bytes;
}

std::vector<std::uint8_t> Repeat(std::vector<std::uint8_t> pattern, std::size_t times) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i < times; ++i) out.insert(out.end(), pattern.begin(), pattern.end());
  return out;
}

// 16×16 JPEG: top half one CMYK ink mix, bottom half another, both as Adobe stores them.
ByteBuffer CmykJpeg(std::optional<J_COLOR_SPACE> stored) {
  LibjpegPicture picture{.width = 16, .height = 16, .components = 4, .inColorSpace = JCS_CMYK};
  picture.storedColorSpace = stored;
  picture.samples = Repeat({255, 0, 0, 255}, 16 * 8);        // magenta + yellow ink: red
  const auto bottom = Repeat({255, 255, 255, 127}, 16 * 8);  // half black ink: grey
  picture.samples.insert(picture.samples.end(), bottom.begin(), bottom.end());
  return LibjpegEncoded(picture);
}

ByteBuffer GreyJpeg() {
  LibjpegPicture picture{.width = 16, .height = 8, .components = 1, .inColorSpace = JCS_GRAYSCALE};
  std::vector<std::uint8_t> row = Repeat({40}, 8);  // left half dark, right half light
  const auto right = Repeat({200}, 8);
  row.insert(row.end(), right.begin(), right.end());
  picture.samples = Repeat(row, 8);
  return LibjpegEncoded(picture);
}

ByteBuffer ProgressiveJpeg() {
  const QImage blocks = Blocks(32, 16, 16, {kRed, kBlue});
  LibjpegPicture picture{.width = 32, .height = 16, .progressive = true};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb c = blocks.pixel(x, y);
      picture.samples.insert(picture.samples.end(), {static_cast<std::uint8_t>(qRed(c)),
                                                     static_cast<std::uint8_t>(qGreen(c)),
                                                     static_cast<std::uint8_t>(qBlue(c))});
    }
  }
  return LibjpegEncoded(picture);
}

std::vector<std::uint8_t> Gradient768() {
  std::vector<std::uint8_t> palette(768);
  for (std::size_t i = 0; i < 256; ++i) {
    palette[i * 3] = static_cast<std::uint8_t>(i);
    palette[i * 3 + 1] = static_cast<std::uint8_t>(255 - i);
    palette[i * 3 + 2] = 7;
  }
  return palette;
}

std::array<std::uint8_t, 48> SixteenColors() {
  std::array<std::uint8_t, 48> palette{};
  for (std::size_t i = 0; i < 16; ++i) {
    palette[i * 3] = static_cast<std::uint8_t>(i * 16);
    palette[i * 3 + 1] = static_cast<std::uint8_t>(i);
    palette[i * 3 + 2] = static_cast<std::uint8_t>(255 - i);
  }
  return palette;
}

QRgb SixteenColor(int i) { return qRgb(i * 16, i, 255 - i); }

const GoodCase kGoodCases[] = {
    {"png_opaque",
     [] {
       return QtEncoded(Pixels(QImage::Format_RGB32, 2, {kRed, kGreen, kBlue, kWhite}), "png");
     },
     PictureFormat::Png,
     {2, 2},
     QImage::Format_RGB32,
     {{0, 0, kRed}, {1, 0, kGreen}, {0, 1, kBlue}, {1, 1, kWhite}}},
    {"png_semi_transparent_keeps_straight_alpha",
     [] {
       return QtEncoded(
           Pixels(QImage::Format_ARGB32, 3,
                  {qRgba(200, 100, 50, 128), qRgba(0, 0, 255, 1), qRgba(12, 34, 56, 254)}),
           "png");
     },
     PictureFormat::Png,
     {3, 1},
     QImage::Format_ARGB32,
     {{0, 0, qRgba(200, 100, 50, 128)},
      {1, 0, qRgba(0, 0, 255, 1)},
      {2, 0, qRgba(12, 34, 56, 254)}}},
    {"png_palette_with_transparency",
     PaletteWithTransparencyPng,
     PictureFormat::Png,
     {2, 1},
     QImage::Format_ARGB32,
     {{0, 0, kRed}, {1, 0, qRgba(0, 255, 0, 100)}}},
    {"png_16_bit_is_not_taken_as_linear",
     SixteenBitPng,
     PictureFormat::Png,
     {2, 1},
     QImage::Format_ARGB32,
     {{0, 0, qRgb(0x80, 0x80, 0x80)}, {1, 0, qRgb(0x20, 0xC0, 0xFF)}}},
    {"bmp_24_bit",
     [] {
       return QtEncoded(
           Pixels(QImage::Format_RGB32, 3, {kRed, kGreen, kBlue, kWhite, kBlack, kRed}), "bmp");
     },
     PictureFormat::Bmp,
     {3, 2},
     QImage::Format_RGB32,
     {{0, 0, kRed}, {1, 0, kGreen}, {2, 0, kBlue}, {0, 1, kWhite}, {1, 1, kBlack}}},
    {"bmp_run_length",
     RunLengthBmp,
     PictureFormat::Bmp,
     {4, 2},
     QImage::Format_RGB32,
     {{0, 0, kRed}, {1, 0, kRed}, {2, 0, kGreen}, {3, 0, kRed}, {0, 1, kBlue}, {3, 1, kBlue}}},
    {"gif_two_colours",
     [] {
       return MakeGif(
           {.width = 2, .height = 2, .palette = {kBlack, kWhite}, .indices = {0, 1, 1, 0}});
     },
     PictureFormat::Gif,
     {2, 2},
     QImage::Format_RGB32,
     {{0, 0, kBlack}, {1, 0, kWhite}, {0, 1, kWhite}, {1, 1, kBlack}}},
    {"gif_transparent_index",
     [] {
       return MakeGif({.width = 3,
                       .height = 1,
                       .palette = {kRed, kGreen, kBlue, kWhite},
                       .indices = {0, 3, 2},
                       .transparentIndex = 3});
     },
     PictureFormat::Gif,
     {3, 1},
     QImage::Format_ARGB32,
     {{0, 0, kRed}, {1, 0, qRgba(0, 0, 0, 0)}, {2, 0, kBlue}}},
    {"ico_with_alpha",
     [] {
       return QtEncoded(Pixels(QImage::Format_ARGB32, 2, {kRed, qRgba(0, 0, 255, 128), kGreen, 0}),
                        "ico");
     },
     PictureFormat::Ico,
     {2, 2},
     QImage::Format_ARGB32,
     {{0, 0, kRed}, {1, 0, qRgba(0, 0, 255, 128)}, {0, 1, kGreen}, {1, 1, 0}},
     1},
    {"cur",
     Cursor,
     PictureFormat::Cur,
     {2, 2},
     QImage::Format_ARGB32,
     {{0, 0, kRed}, {1, 0, kBlue}, {0, 1, kGreen}, {1, 1, 0}}},
    {"jpeg_colour",
     [] {
       return QtEncoded(Blocks(32, 32, 16, {kRed, kGreen, kBlue, kWhite}), "jpeg", 95);
     },
     PictureFormat::Jpeg,
     {32, 32},
     QImage::Format_RGB32,
     {{4, 4, kRed}, {20, 4, kGreen}, {4, 20, kBlue}, {20, 20, kWhite}},
     12},
    {"jpeg_grey",
     GreyJpeg,
     PictureFormat::Jpeg,
     {16, 8},
     QImage::Format_RGB32,
     {{2, 4, qRgb(40, 40, 40)}, {13, 4, qRgb(200, 200, 200)}},
     4},
    {"jpeg_cmyk_adobe_inverted",
     [] { return CmykJpeg(std::nullopt); },
     PictureFormat::Jpeg,
     {16, 16},
     QImage::Format_RGB32,
     {{8, 3, kRed}, {8, 12, qRgb(127, 127, 127)}},
     6},
    {"jpeg_ycck",
     [] { return CmykJpeg(JCS_YCCK); },
     PictureFormat::Jpeg,
     {16, 16},
     QImage::Format_RGB32,
     {{8, 3, kRed}, {8, 12, qRgb(127, 127, 127)}},
     6},
    {"jpeg_progressive",
     ProgressiveJpeg,
     PictureFormat::Jpeg,
     {32, 16},
     QImage::Format_RGB32,
     {{4, 8, kRed}, {28, 8, kBlue}},
     12},
    {"pcx_mono",
     [] {
       // 10 pixels need 2 bytes a line; the line has 4. Set bits are white.
       return MakePcx(
           {.bitsPerPixel = 1,
            .planes = 1,
            .xMax = 9,
            .yMax = 1,
            .bytesPerLine = 4,
            .planeLines = {0b10000000, 0b01000000, 0, 0, 0b01111111, 0b10000000, 0xFF, 0xFF}});
     },
     PictureFormat::Pcx,
     {10, 2},
     QImage::Format_RGB32,
     {{0, 0, kWhite},
      {1, 0, kBlack},
      {9, 0, kWhite},
      {0, 1, kBlack},
      {1, 1, kWhite},
      {9, 1, kBlack}}},
    {"pcx_16_colours_in_planes",
     [] {
       // Pixel x's index has bit p set in plane p: indices 0, 15, 5, 10.
       return MakePcx({.bitsPerPixel = 1,
                       .planes = 4,
                       .xMax = 3,
                       .yMax = 0,
                       .bytesPerLine = 2,
                       .headerPalette = SixteenColors(),
                       .planeLines = {0b01100000, 0, 0b01010000, 0, 0b01100000, 0, 0b01010000, 0}});
     },
     PictureFormat::Pcx,
     {4, 1},
     QImage::Format_RGB32,
     {{0, 0, SixteenColor(0)},
      {1, 0, SixteenColor(15)},
      {2, 0, SixteenColor(5)},
      {3, 0, SixteenColor(10)}}},
    {"pcx_256_colours_runs_across_lines",
     [] {
       return MakePcx({.bitsPerPixel = 8,
                       .planes = 1,
                       .xMin = 10,
                       .yMin = 20,
                       .xMax = 12,
                       .yMax = 21,
                       .bytesPerLine = 4,
                       .planeLines = {0xC8, 0xC8, 0xC8, 0xC8, 0xC8, 3, 0xFF, 0},
                       .trailingPalette = Gradient768()});
     },
     PictureFormat::Pcx,
     {3, 2},
     QImage::Format_RGB32,
     {{0, 0, qRgb(0xC8, 0x37, 7)},
      {2, 0, qRgb(0xC8, 0x37, 7)},
      {0, 1, qRgb(0xC8, 0x37, 7)},
      {1, 1, qRgb(3, 252, 7)},
      {2, 1, qRgb(255, 0, 7)}}},
    {"pcx_256_without_palette_is_grey",
     [] {
       return MakePcx({.bitsPerPixel = 8,
                       .planes = 1,
                       .xMax = 1,
                       .yMax = 0,
                       .bytesPerLine = 2,
                       .planeLines = {0x10, 0xE0}});
     },
     PictureFormat::Pcx,
     {2, 1},
     QImage::Format_RGB32,
     {{0, 0, qRgb(0x10, 0x10, 0x10)}, {1, 0, qRgb(0xE0, 0xE0, 0xE0)}}},
    {"pcx_rgb_planes",
     [] {
       return MakePcx({.bitsPerPixel = 8,
                       .planes = 3,
                       .xMax = 1,
                       .yMax = 1,
                       .bytesPerLine = 2,
                       .planeLines = {255, 0, 0, 255, 0, 0,  // R G B lines of row 0
                                      1, 2, 3, 4, 5, 6}});
     },
     PictureFormat::Pcx,
     {2, 2},
     QImage::Format_RGB32,
     {{0, 0, kRed}, {1, 0, kGreen}, {0, 1, qRgb(1, 3, 5)}, {1, 1, qRgb(2, 4, 6)}}},
    {"pcx_rgba_planes",
     [] {
       return MakePcx({.bitsPerPixel = 8,
                       .planes = 4,
                       .xMax = 1,
                       .yMax = 0,
                       .bytesPerLine = 2,
                       .planeLines = {200, 0, 100, 0, 50, 255, 128, 0}});
     },
     PictureFormat::Pcx,
     {2, 1},
     QImage::Format_ARGB32,
     {{0, 0, qRgba(200, 100, 50, 128)}, {1, 0, qRgba(0, 0, 255, 0)}}},
};

INSTANTIATE_TEST_SUITE_P(Formats, DecodesGoodPicture, ::testing::ValuesIn(kGoodCases),
                         [](const auto& row) { return row.param.name; });

// An icon file holding each picture in turn, from Qt's one-picture icons.
ByteBuffer IconFile(const std::vector<QImage>& images) {
  constexpr std::size_t kDirectory = 6, kEntry = 16;
  ByteBuffer head{0, 0, 1, 0, static_cast<std::uint8_t>(images.size()), 0};
  ByteBuffer payloads;
  for (const QImage& image : images) {
    const ByteBuffer single = QtEncoded(image, "ico");
    head.insert(head.end(), single.begin() + kDirectory, single.begin() + kDirectory + kEntry);
    const std::size_t offset = kDirectory + kEntry * images.size() + payloads.size();
    Patch32(head, head.size() - 4, static_cast<std::uint32_t>(offset));
    payloads.insert(payloads.end(), single.begin() + kDirectory + kEntry, single.end());
  }
  head.insert(head.end(), payloads.begin(), payloads.end());
  return head;
}

TEST(DecodePicture, TakesTheLargestImageOfAnIcon) {
  const auto square = [](int side, QRgb color) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    return image;
  };
  const QImage image =
      DecodePicture(IconFile({square(16, kRed), square(48, kBlue), square(32, kGreen)}));
  ASSERT_EQ(image.size(), QSize(48, 48));
  EXPECT_EQ(image.pixel(20, 20), kBlue);
}

// Every pixel is there; only the closing marker is missing, as after some interrupted copies.
TEST(DecodePicture, AFileLackingOnlyItsEndMarkerDecodes) {
  const ByteBuffer jpeg = QtEncoded(Blocks(32, 32, 8, {kGreen}), "jpeg");
  const ByteBuffer gif =
      MakeGif({.width = 2, .height = 1, .palette = {kRed, kBlue}, .indices = {0, 1}});
  ASSERT_EQ(jpeg[jpeg.size() - 1], 0xD9);
  ASSERT_EQ(gif.back(), 0x3B);
  EXPECT_EQ(DecodePicture(Cut(jpeg, jpeg.size() - 2)).size(), QSize(32, 32));
  EXPECT_EQ(DecodePicture(Cut(gif, gif.size() - 1)).pixel(1, 0), kBlue);
}

TEST(DecodePicture, TheContentDecidesNotTheFileName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile file(dir.filePath("photo.jpg"));
  const ByteBuffer png = QtEncoded(Pixels(QImage::Format_RGB32, 1, {kBlue}), "png");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<qint64>(png.size()));
  file.close();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray read = file.readAll();
  const ByteBuffer bytes(read.begin(), read.end());

  const QImage image = DecodePicture(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixel(0, 0), kBlue);
}

}  // namespace
}  // namespace plakora
