// SPDX-License-Identifier: MIT
// Damaged, cut-off and lying input must give a null image, without reading past the bytes or
// allocating what a header claims. Run these under the sanitizer build too.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <optional>
#include <string>

#include "imaging/little_endian.h"
#include "picture_fixtures.h"
#include "runtime/picture/decode_picture.h"

namespace plakora {
namespace {

using namespace plakora::testing;

struct BadCase {
  std::string name;
  std::function<ByteBuffer()> make;
  QSize fitBox = {};
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

// Linux keeps a high-water mark of resident memory (VmHWM) that writing "5" to clear_refs
// resets, so the peak of one call can be read back. Untouched allocations do not count.
std::optional<qint64> StatusKilobytes(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
  const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB$").arg(QLatin1String(field)),
                                QRegularExpression::MultilineOption);
  const QRegularExpressionMatch match = line.match(QString::fromLatin1(status.readAll()));
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1).toLongLong();
}

// How far resident memory rose above its level at the start while `run` ran; nullopt where
// the peak cannot be reset.
std::optional<qint64> PeakResidentGrowth(const std::function<void()>& run) {
  QFile clear(QStringLiteral("/proc/self/clear_refs"));
  if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1) return std::nullopt;
  clear.close();
  const std::optional<qint64> before = StatusKilobytes("VmRSS");
  run();
  const std::optional<qint64> peak = StatusKilobytes("VmHWM");
  if (!before || !peak) return std::nullopt;
  return (*peak - *before) * 1024;
}

// Decodes and checks that memory stayed within the pixel budget. Qt loads its GIF and ICO
// readers on first use, so each is warmed up once before anything is measured.
QImage DecodeWithinBudget(const ByteBuffer& bytes, QSize fitBox) {
  static const bool warm = [] {
    DecodePicture(
        QtEncoded(Blocks(1, 1, 1, {0xFF000000}).convertToFormat(QImage::Format_ARGB32), "ico"));
    DecodePicture(MakeGif({.width = 1, .height = 1, .palette = {0, 0}, .indices = {0}}));
    return true;
  }();
  (void)warm;
  QImage image;
  const std::optional<qint64> growth =
      PeakResidentGrowth([&] { image = DecodePicture(bytes, fitBox); });
  if (growth) {
    EXPECT_LE(*growth, kMaxDecodedPixelBytes);
  }
  if (!image.isNull()) {
    EXPECT_LE(static_cast<qint64>(image.sizeInBytes()), kMaxDecodedPixelBytes);
  }
  return image;
}

class RefusesBadPicture : public ::testing::TestWithParam<BadCase> {};

TEST_P(RefusesBadPicture, GivesANullImage) {
  const BadCase& c = GetParam();
  EXPECT_TRUE(DecodeWithinBudget(c.make(), c.fitBox).isNull());
}

const QImage& Sample() {
  static const QImage image = Blocks(40, 24, 8, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF});
  return image;
}

ByteBuffer Png() { return QtEncoded(Sample(), "png"); }
ByteBuffer Jpeg() { return QtEncoded(Sample(), "jpeg"); }
ByteBuffer Bmp() { return QtEncoded(Sample(), "bmp"); }
ByteBuffer Ico() { return QtEncoded(Sample().convertToFormat(QImage::Format_ARGB32), "ico"); }
ByteBuffer Gif() {
  return MakeGif({.width = 4,
                  .height = 4,
                  .palette = {0xFF000000, 0xFFFFFFFF},
                  .indices = {0, 1, 0, 1, 1, 0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 0}});
}
ByteBuffer ProgressiveJpeg() {
  LibjpegPicture picture{.width = 64, .height = 64, .progressive = true};
  for (int i = 0; i < 64 * 64 * 3; ++i) picture.samples.push_back(static_cast<std::uint8_t>(i * 7));
  return LibjpegEncoded(picture);
}
ByteBuffer Pcx() {
  PcxPicture picture{.bitsPerPixel = 8, .planes = 3, .xMax = 15, .yMax = 15, .bytesPerLine = 16};
  for (int i = 0; i < 16 * 16 * 3; ++i)
    picture.planeLines.push_back(static_cast<std::uint8_t>(i * 13));
  return MakePcx(picture);
}

ByteBuffer Cuts(ByteBuffer (*make)(), double fraction) {
  const ByteBuffer whole = make();
  return Cut(whole, static_cast<std::size_t>(static_cast<double>(whole.size()) * fraction));
}

// Cut within the (last) scan's entropy-coded data, past all tables.
ByteBuffer CutInScan(ByteBuffer (*make)(), double fraction) {
  const ByteBuffer whole = make();
  const std::size_t scan = FindJpegMarker(whole, 0xDA);
  const auto rest = static_cast<double>(whole.size() - scan);
  return Cut(whole, scan + static_cast<std::size_t>(rest * fraction));
}

template <typename Edit>
std::function<ByteBuffer()> Edited(ByteBuffer (*make)(), Edit edit) {
  return [make, edit] {
    ByteBuffer bytes = make();
    edit(bytes);
    return bytes;
  };
}

// A BMP header for `width` × `height` 24-bit pixels with almost no pixel data behind it.
ByteBuffer BmpClaiming(std::uint32_t width, std::uint32_t height) {
  ByteBuffer bytes = Cut(Bmp(), 60);
  Patch32(bytes, 18, width);
  Patch32(bytes, 22, height);
  return bytes;
}

// The first icon's BMP header claims a size; a 0 in the directory means "see the header".
ByteBuffer IcoClaiming(std::uint32_t width, std::uint32_t height) {
  ByteBuffer bytes = Ico();
  bytes[6] = 0;
  bytes[7] = 0;
  const std::size_t header = ReadLittleEndian<std::uint32_t>(bytes, 18);  // image offset
  Patch32(bytes, header + 4, width);
  Patch32(bytes, header + 8, height * 2);  // colour and mask rows
  return bytes;
}

// An icon whose image is the given PNG.
ByteBuffer PngIcon(const ByteBuffer& png) {
  ByteBuffer bytes{0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 32, 0};
  bytes.resize(22, 0);
  Patch32(bytes, 14, static_cast<std::uint32_t>(png.size()));
  Patch32(bytes, 18, 22);
  bytes.insert(bytes.end(), png.begin(), png.end());
  return bytes;
}

// A 4×2 8-bit run-length BMP of two black colours with the given pixel stream.
ByteBuffer RunLengthBmp(const ByteBuffer& pixels) {
  return MakeRunLengthBmp(4, 2, {qRgb(0, 0, 0), qRgb(0, 0, 0)}, pixels);
}

ByteBuffer PcxWith(std::function<void(PcxPicture&)> edit) {
  PcxPicture picture{.bitsPerPixel = 8,
                     .planes = 1,
                     .xMax = 3,
                     .yMax = 3,
                     .bytesPerLine = 4,
                     .planeLines = std::vector<std::uint8_t>(16, 9)};
  edit(picture);
  return MakePcx(picture);
}

ByteBuffer GifClaiming(int screenWidth, int screenHeight) {
  return MakeGif({.width = 1,
                  .height = 1,
                  .palette = {0, 0},
                  .indices = {0},
                  .screenWidth = screenWidth,
                  .screenHeight = screenHeight});
}

// Where the first image descriptor's fields are in a fixture from MakeGif with two colours.
constexpr std::size_t kGifFrameLeft = 13 + 6 + 1;
constexpr std::size_t kGifFrameTop = kGifFrameLeft + 2;
constexpr std::size_t kGifFrameWidth = kGifFrameLeft + 4;
constexpr std::size_t kGifFrameHeight = kGifFrameLeft + 6;

// The GIF with its first frame's place and size replaced.
ByteBuffer WithGifFrame(ByteBuffer gif, std::uint16_t left, std::uint16_t top,
                        std::uint16_t width, std::uint16_t height) {
  Patch16(gif, kGifFrameLeft, left);
  Patch16(gif, kGifFrameTop, top);
  Patch16(gif, kGifFrameWidth, width);
  Patch16(gif, kGifFrameHeight, height);
  return gif;
}

ByteBuffer GifWithFrame(std::uint16_t left, std::uint16_t top, std::uint16_t width,
                        std::uint16_t height) {
  return WithGifFrame(Gif(), left, top, width, height);
}

const BadCase kBadCases[] = {
    {"empty", [] { return ByteBuffer{}; }},
    {"one_byte", [] { return ByteBuffer{0xFF}; }},
    {"text",
     [] {
       const std::string t = "just some words\n";
       return ByteBuffer(t.begin(), t.end());
     }},
    {"signature_only_jpeg",
     [] {
       return ByteBuffer{0xFF, 0xD8, 0xFF};
     }},
    {"signature_only_png", [] { return Cut(Png(), 8); }},

    {"png_cut_in_header", [] { return Cut(Png(), 20); }},
    {"png_cut_in_pixels", [] { return Cuts(Png, 0.6); }},
    {"png_claims_100000_square", [] { return WithPngSize(Png(), 100000, 100000); }},
    {"png_claims_8000_square_without_the_data", [] { return WithPngSize(Png(), 8000, 8000); }},
    {"png_zero_width", [] { return WithPngSize(Png(), 0, 24); }},
    {"png_zero_height", [] { return WithPngSize(Png(), 40, 0); }},
    {"png_damaged_header_checksum", Edited(Png, [](ByteBuffer& b) { b[29] ^= 0xFF; })},

    {"jpeg_cut_after_header", [] { return Cut(Jpeg(), FindJpegMarker(Jpeg(), 0xDA) + 4); }},
    {"jpeg_cut_in_pixels", [] { return CutInScan(Jpeg, 0.5); }},
    {"jpeg_cut_in_pixels_scaled", [] { return CutInScan(Jpeg, 0.5); }, {5, 3}},
    {"jpeg_pixels_cut_but_end_marker_kept",
     [] {
       ByteBuffer b = CutInScan(Jpeg, 0.5);
       b.insert(b.end(), {0xFF, 0xD9});
       return b;
     }},
    {"progressive_jpeg_cut_in_a_scan", [] { return Cuts(ProgressiveJpeg, 0.5); }},
    {"jpeg_claims_65500_square", [] { return WithJpegSize(Jpeg(), 65500, 65500); }},
    {"jpeg_claims_65500_square_with_box",
     [] { return WithJpegSize(Jpeg(), 65500, 65500); },
     {100, 100}},
    {"jpeg_claims_10000_square", [] { return WithJpegSize(Jpeg(), 10000, 10000); }},
    {"jpeg_claims_zero_width", [] { return WithJpegSize(Jpeg(), 0, 24); }},
    {"jpeg_claims_zero_height", [] { return WithJpegSize(Jpeg(), 40, 0); }},
    {"jpeg_claims_8000_square_without_the_data", [] { return WithJpegSize(Jpeg(), 8000, 8000); }},
    {"jpeg_claims_8000_square_with_box",
     [] { return WithJpegSize(Jpeg(), 8000, 8000); },
     {390, 520}},

    {"bmp_cut_in_file_header", [] { return Cut(Bmp(), 10); }},
    {"bmp_cut_after_headers", [] { return Cut(Bmp(), 54); }},
    {"bmp_cut_in_pixels", [] { return Cuts(Bmp, 0.5); }},
    {"bmp_missing_last_byte",
     [] {
       ByteBuffer b = Bmp();
       b.pop_back();
       return b;
     }},
    {"bmp_claims_60000_square", [] { return BmpClaiming(60000, 60000); }},
    {"bmp_claims_8000_square", [] { return BmpClaiming(8000, 8000); }},
    {"bmp_zero_width", Edited(Bmp, [](ByteBuffer& b) { Patch32(b, 18, 0); })},
    {"bmp_zero_height", Edited(Bmp, [](ByteBuffer& b) { Patch32(b, 22, 0); })},
    {"bmp_claims_negative_width", [] { return BmpClaiming(0xFFFFFF00u, 10); }},
    {"bmp_run_length_cut",
     [] {
       return RunLengthBmp({4, 1, 0, 0, 2, 1});
     }},
    {"bmp_run_length_skip",
     [] {
       return RunLengthBmp({4, 1, 0, 0, 0, 2, 2, 0, 2, 1, 0, 1});
     }},
    {"bmp_run_length_early_end",
     [] {
       return RunLengthBmp({4, 1, 0, 1});
     }},
    {"bmp_run_length_short_row",
     [] {
       return RunLengthBmp({3, 1, 0, 0, 4, 1, 0, 1});
     }},
    {"bmp_run_length_literal_past_row",
     [] {
       return RunLengthBmp({0, 6, 1, 1, 1, 1, 1, 1, 0, 0, 4, 1});
     }},

    {"gif_cut_after_signature", [] { return Cut(Gif(), 6); }},
    {"gif_cut_in_colour_table", [] { return Cut(Gif(), 15); }},
    {"gif_cut_before_pixels", [] { return Cut(Gif(), 30); }},
    {"gif_cut_in_pixels", [] { return Cuts(Gif, 0.8); }},
    {"gif_screen_65535_square", [] { return GifClaiming(65535, 65535); }},
    {"gif_screen_65535_by_8000", [] { return GifClaiming(65535, 8000); }},
    {"gif_zero_screen", Edited(Gif,
                               [](ByteBuffer& b) {
                                 Patch16(b, 6, 0);
                                 Patch16(b, 8, 0);
                               })},
    {"gif_zero_frame", [] { return GifWithFrame(0, 0, 0, 0); }},
    {"gif_zero_frame_height", [] { return GifWithFrame(0, 0, 4, 0); }},

    {"ico_cut_in_directory", [] { return Cut(Ico(), 12); }},
    {"ico_cut_in_pixels", [] { return Cuts(Ico, 0.5); }},
    {"ico_claims_60000_square", [] { return IcoClaiming(60000, 60000); }},
    {"ico_zero_size", [] { return IcoClaiming(0, 0); }},
    {"ico_no_entries", Edited(Ico, [](ByteBuffer& b) { Patch16(b, 4, 0); })},
    {"ico_claims_65535_entries", Edited(Ico, [](ByteBuffer& b) { Patch16(b, 4, 65535); })},
    {"ico_image_past_the_end", Edited(Ico, [](ByteBuffer& b) { Patch32(b, 18, 0xFFFFFF00u); })},
    {"ico_png_claims_100000_square", [] { return PngIcon(WithPngSize(Png(), 100000, 100000)); }},
    {"ico_png_cut_in_pixels", [] { return PngIcon(Cuts(Png, 0.6)); }},
    {"cur_claims_60000_square",
     Edited(
         +[] { return IcoClaiming(60000, 60000); }, [](ByteBuffer& b) { b[2] = 2; })},
    {"cur_cut_in_pixels", Edited(
                              +[] { return Cuts(Ico, 0.5); }, [](ByteBuffer& b) { b[2] = 2; })},

    {"pcx_header_only", [] { return Cut(Pcx(), 128); }},
    {"pcx_cut_in_header", [] { return Cut(Pcx(), 100); }},
    {"pcx_cut_in_pixels", [] { return Cuts(Pcx, 0.6); }},
    {"pcx_cut_inside_a_run",
     [] {
       ByteBuffer b = PcxWith([](PcxPicture&) {});
       b.pop_back();
       return b;
     }},
    {"pcx_line_bytes_zero", [] { return PcxWith([](PcxPicture& s) { s.bytesPerLine = 0; }); }},
    {"pcx_line_bytes_too_few", [] { return PcxWith([](PcxPicture& s) { s.bytesPerLine = 3; }); }},
    {"pcx_line_bytes_huge", [] { return PcxWith([](PcxPicture& s) { s.bytesPerLine = 65535; }); }},
    {"pcx_x_max_below_x_min",
     [] {
       return PcxWith([](PcxPicture& s) {
         s.xMin = 10;
         s.xMax = 3;
       });
     }},
    {"pcx_y_max_below_y_min",
     [] {
       return PcxWith([](PcxPicture& s) {
         s.yMin = 10;
         s.yMax = 3;
       });
     }},
    {"pcx_claims_65536_square",
     [] {
       return PcxWith([](PcxPicture& s) {
         s.xMax = s.yMax = 65535;
         s.bytesPerLine = 65535;
       });
     }},
    {"pcx_claims_8000_square",
     [] {
       return PcxWith([](PcxPicture& s) {
         s.xMax = s.yMax = 7999;
         s.bytesPerLine = 8000;
       });
     }},
    {"pcx_unsupported_planes", [] { return PcxWith([](PcxPicture& s) { s.planes = 2; }); }},
    {"pcx_unsupported_depth", [] { return PcxWith([](PcxPicture& s) { s.bitsPerPixel = 4; }); }},
};

INSTANTIATE_TEST_SUITE_P(Inputs, RefusesBadPicture, ::testing::ValuesIn(kBadCases),
                         [](const auto& row) { return row.param.name; });

// Lying but harmless input: what is there decodes, and nothing beyond the picture is allocated.
struct HostileCase {
  std::string name;
  std::function<ByteBuffer()> make;
  QSize size;
  std::optional<QRgb> everyPixel;  // unset where only the size is certain
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class DecodesHostilePicture : public ::testing::TestWithParam<HostileCase> {};

TEST_P(DecodesHostilePicture, GivesThePictureWithinTheBudget) {
  const HostileCase& c = GetParam();
  const QImage image = DecodeWithinBudget(c.make(), {});
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(image.size(), c.size);
  if (!c.everyPixel) return;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      ASSERT_EQ(image.pixel(x, y), *c.everyPixel) << x << "," << y;
  }
}

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

// A 4 × 4 red frame followed by `frames` blue ones; the copies are plain byte appends, so even
// thousands of frames cost next to nothing to build.
ByteBuffer GifOfFrames(int frames) {
  const GifPicture red{.width = 4,
                       .height = 4,
                       .palette = {kRed, kBlue},
                       .indices = std::vector<std::uint8_t>(16, 0)};
  GifPicture blue = red;
  blue.indices.assign(16, 1);
  ByteBuffer bytes = MakeGif(red);
  const ByteBuffer other = MakeGif(blue);
  const ByteBuffer frame(other.begin() + kGifFrameLeft - 1, other.end() - 1);  // without trailer
  bytes.pop_back();
  bytes.reserve(bytes.size() + frame.size() * static_cast<std::size_t>(frames) + 1);
  for (int i = 0; i < frames; ++i) bytes.insert(bytes.end(), frame.begin(), frame.end());
  bytes.push_back(0x3B);
  return bytes;
}

ByteBuffer RedGifWithFrame(std::uint16_t left, std::uint16_t top, std::uint16_t width,
                           std::uint16_t height) {
  return WithGifFrame(GifOfFrames(0), left, top, width, height);
}

const HostileCase kHostileCases[] = {
    {"gif_of_5000_frames_gives_the_first", [] { return GifOfFrames(5000); }, {4, 4}, kRed},
    // Qt clips the frame to the screen; the pixels there are for rows 65535 wide.
    {"gif_frame_65535_square_on_a_small_screen",
     [] { return RedGifWithFrame(0, 0, 65535, 65535); },
     {4, 4},
     std::nullopt},
    {"gif_frame_placed_far_off_the_screen",
     [] { return RedGifWithFrame(60000, 60000, 4, 4); },
     {4, 4},
     kRed},
};

INSTANTIATE_TEST_SUITE_P(Inputs, DecodesHostilePicture, ::testing::ValuesIn(kHostileCases),
                         [](const auto& row) { return row.param.name; });

// Qt reads each directory entry the count claims and warns for every one past the end: 65535
// claimed entries in a few bytes would flood the log and cost time.
TEST(HostileIcon, ADirectoryCountLargerThanTheFileIsNotWalked) {
  static int messages = 0;
  messages = 0;
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
  const ByteBuffer bytes{0, 0, 1, 0, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 32, 0};
  const bool refused = DecodePicture(bytes).isNull();
  qInstallMessageHandler(previous);
  EXPECT_TRUE(refused);
  EXPECT_LT(messages, 10);
}

}  // namespace
}  // namespace plakora
