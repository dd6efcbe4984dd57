// SPDX-License-Identifier: MIT
#include "runtime/qr/find_qr_codes.h"

#include "runtime/qr/background_qr_read.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QRandomGenerator>
#include <QTransform>
#include <cstring>
#include <string>
#include <vector>

#include "qr_pictures.h"

namespace plakora {
namespace {

using test::DrawQrCode;
using test::QrText;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;

// UTF-8 strings print readably in failure messages; QStrings do not.
std::vector<std::string> Utf8(const QStringList& texts) {
  std::vector<std::string> out;
  for (const QString& text : texts) out.push_back(text.toStdString());
  return out;
}

const QString kWeChat = QStringLiteral("wxp://f2f0测试");
const QString kUrl = QStringLiteral("https://qr.alipay.com/fkx17283ngcxtf2sbzjyae4");
// 110 bytes: a version 10 code at error correction level H.
const QString kLongUrl = kUrl + QStringLiteral("&t=") + QString(62, QLatin1Char('7'));
const QSize kPhone{1242, 1678};

// Names each row of a table after its `name` field.
template <class Case>
std::string RowName(const ::testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

// ---- pictures as the poster saves them ----

struct PlacedCode {
  QString text;
  QRectF symbol;  // in picture pixels
  QrText encoding = QrText::Utf8WithEci;
};

struct PosterCase {
  const char* name;
  QSize pictureSize;
  std::vector<PlacedCode> codes;
  QStringList onPoster;  // in reading order
};

void PrintTo(const PosterCase& row, std::ostream* out) { *out << row.name; }

class PosterTest : public ::testing::TestWithParam<PosterCase> {};

TEST_P(PosterTest, FindsWhatThePosterKeeps) {
  const PosterCase& c = GetParam();
  QImage picture = test::GreenPicture(c.pictureSize);
  QStringList placed;
  for (const PlacedCode& code : c.codes) {
    DrawQrCode(picture, code.text, code.symbol, code.encoding);
    if (!placed.contains(code.text)) placed.append(code.text);
  }
  // Every code is readable in the picture itself, so any loss is the poster's.
  ASSERT_THAT(Utf8(FindQrCodes(picture)), UnorderedElementsAreArray(Utf8(placed)));

  EXPECT_THAT(Utf8(FindQrCodes(test::PosterRoundTrip(picture))),
              ElementsAreArray(Utf8(c.onPoster)));
}

// A 1242x1678 picture shrinks by about 0.31 both ways: its rows 258-1258 land between the
// header strip and the caption.
INSTANTIATE_TEST_SUITE_P(
    Pictures, PosterTest,
    ::testing::Values(
        PosterCase{"WeChatCodeInTheMiddle", kPhone, {{kWeChat, {321, 539, 600, 600}}}, {kWeChat}},
        PosterCase{"UrlInTheMiddle", kPhone, {{kUrl, {321, 539, 600, 600}}}, {kUrl}},
        PosterCase{"Utf8WithoutEciInTheMiddle",
                   kPhone,
                   {{kWeChat, {321, 539, 600, 600}, QrText::Utf8WithoutEci}},
                   {kWeChat}},
        PosterCase{"UnderTheHeaderStrip", kPhone, {{kWeChat, {521, 20, 200, 200}}}, {}},
        PosterCase{"UnderTheCaption", kPhone, {{kWeChat, {520, 1207, 206, 206}}}, {}},
        // 57 modules of 2 px become about 19 poster pixels.
        PosterCase{"TooSmallForThePoster", {2400, 3200}, {{kLongUrl, {1140, 1540, 114, 114}}}, {}},
        PosterCase{"NoCode", kPhone, {}, {}},
        // Reading order goes by centres: the small code starts lower but its centre is higher.
        PosterCase{"TwoCodesHigherCentreFirst",
                   kPhone,
                   {{kUrl, {100, 300, 600, 600}}, {kWeChat, {800, 340, 300, 300}}},
                   {kWeChat, kUrl}},
        PosterCase{"SameCodeTwice",
                   kPhone,
                   {{kWeChat, {720, 300, 400, 400}}, {kWeChat, {120, 800, 400, 400}}},
                   {kWeChat}}),
    RowName<PosterCase>);

TEST(QrFixtureTest, SmallCodeIsVersionTen) {
  QImage picture = test::GreenPicture({300, 300});
  EXPECT_EQ(DrawQrCode(picture, kLongUrl, {80, 80, 114, 114}), 57);
}

// ---- pixel formats ----

constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kClearBlack = qRgba(0, 0, 0, 0);
constexpr QRgb kGrey = qRgb(80, 80, 80);
constexpr QRgb kClearGrey = qRgba(40, 40, 40, 0);  // clear, yet keeping a darker colour

struct FormatCase {
  const char* name;
  QImage::Format format;
  QRgb dark;  // blue on red reads as light on dark when red and blue are swapped
  QRgb background;
  bool paddedRows = false;  // rows longer than the pixels, as in an image over outside memory
};

void PrintTo(const FormatCase& row, std::ostream* out) { *out << row.name; }

class PixelFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PixelFormatTest, ReadsTheCode) {
  const FormatCase& c = GetParam();
  QImage drawn(301, 301, QImage::Format_ARGB32);
  drawn.fill(QColor::fromRgba(c.background));
  DrawQrCode(drawn, kUrl, {50, 50, 200, 200}, QrText::Utf8WithEci, QColor(c.dark),
             QColor::fromRgba(c.background));
  QImage picture = drawn.convertToFormat(c.format);
  ASSERT_EQ(picture.format(), c.format);

  std::vector<uchar> memory;
  if (c.paddedRows) {
    const qsizetype rowBytes = picture.bytesPerLine() + 36;
    memory.resize(static_cast<std::size_t>(rowBytes * picture.height()), 0xAB);
    for (int y = 0; y < picture.height(); ++y) {
      std::memcpy(memory.data() + y * rowBytes, picture.constScanLine(y),
                  static_cast<std::size_t>(picture.bytesPerLine()));
    }
    picture = QImage(memory.data(), picture.width(), picture.height(), rowBytes, c.format);
  }

  EXPECT_THAT(Utf8(FindQrCodes(picture)), ElementsAreArray(Utf8({kUrl})));
}

// 301 pixels make rows of one- and three-byte pixels end in padding.
INSTANTIATE_TEST_SUITE_P(
    Formats, PixelFormatTest,
    ::testing::Values(
        FormatCase{"Rgb32", QImage::Format_RGB32, kBlue, kRed},
        FormatCase{"Rgb32PaddedRows", QImage::Format_RGB32, kBlue, kRed, true},
        FormatCase{"Argb32", QImage::Format_ARGB32, kBlue, kRed},
        FormatCase{"Argb32Premultiplied", QImage::Format_ARGB32_Premultiplied, kBlue, kRed},
        FormatCase{"Rgbx8888", QImage::Format_RGBX8888, kBlue, kRed},
        FormatCase{"Rgba8888", QImage::Format_RGBA8888, kBlue, kRed},
        FormatCase{"Rgb888", QImage::Format_RGB888, kBlue, kRed},
        FormatCase{"Bgr888PaddedRows", QImage::Format_BGR888, kBlue, kRed, true},
        FormatCase{"Rgb16", QImage::Format_RGB16, kBlue, kRed},
        FormatCase{"Indexed8", QImage::Format_Indexed8, kBlue, kRed},
        FormatCase{"Grayscale8", QImage::Format_Grayscale8, kBlack, kWhite},
        FormatCase{"Grayscale16", QImage::Format_Grayscale16, kBlack, kWhite},
        FormatCase{"Mono", QImage::Format_Mono, kBlack, kWhite},
        // Clear pixels read as white whatever colour they keep, even under a grey code.
        FormatCase{"Argb32OnClearBlack", QImage::Format_ARGB32, kBlack, kClearBlack},
        FormatCase{"Argb32OnClearGrey", QImage::Format_ARGB32, kGrey, kClearGrey},
        FormatCase{"Argb32PremultipliedOnClear", QImage::Format_ARGB32_Premultiplied, kBlack,
                   kClearBlack},
        FormatCase{"Rgba8888OnClearGrey", QImage::Format_RGBA8888, kGrey, kClearGrey},
        FormatCase{"Indexed8OnClearBlack", QImage::Format_Indexed8, kBlack, kClearBlack}),
    RowName<FormatCase>);

// ---- codes turned in the picture ----

class TurnedCodeTest : public ::testing::TestWithParam<int> {};

TEST_P(TurnedCodeTest, ReadsTheCode) {
  QImage straight(400, 400, QImage::Format_RGB32);
  straight.fill(Qt::white);
  DrawQrCode(straight, kWeChat, {100, 100, 200, 200});
  const QImage turned =
      straight.transformed(QTransform().rotate(GetParam()), Qt::SmoothTransformation);
  QImage picture(turned.size(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter(&picture).drawImage(0, 0, turned);
  EXPECT_THAT(Utf8(FindQrCodes(picture)), ElementsAreArray(Utf8({kWeChat})));
}

INSTANTIATE_TEST_SUITE_P(Turns, TurnedCodeTest, ::testing::Values(30, 90, 180, 270),
                         [](const ::testing::TestParamInfo<int>& row) {
                           return "Degrees" + std::to_string(row.param);
                         });

// ---- pictures with nothing to read ----

struct EmptyCase {
  const char* name;
  QImage (*make)();
};

QImage Filled(int width, int height, QImage::Format format, QRgb colour) {
  QImage image(width, height, format);
  image.fill(colour);
  return image;
}

QImage Noise() {
  QImage image(300, 300, QImage::Format_RGB32);
  QRandomGenerator random(7);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      line[x] = random.generate() % 2 ? 0xFFFFFFFF : 0xFF000000;
    }
  }
  return image;
}

void PrintTo(const EmptyCase& row, std::ostream* out) { *out << row.name; }

class EmptyPictureTest : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyPictureTest, FindsNothing) {
  EXPECT_THAT(Utf8(FindQrCodes(GetParam().make())), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, EmptyPictureTest,
    ::testing::Values(
        EmptyCase{"Null", [] { return QImage(); }},
        EmptyCase{"OnePixelRgb32", [] { return Filled(1, 1, QImage::Format_RGB32, 0xFF000000); }},
        EmptyCase{"OnePixelTransparent", [] { return Filled(1, 1, QImage::Format_ARGB32, 0); }},
        EmptyCase{"OnePixelMono", [] { return Filled(1, 1, QImage::Format_Mono, 0); }},
        EmptyCase{"OnePixelIndexedWithoutColours",
                  [] { return Filled(1, 1, QImage::Format_Indexed8, 0); }},
        EmptyCase{"OneRow", [] { return Filled(1000, 1, QImage::Format_RGB32, 0xFF000000); }},
        EmptyCase{"OneColumn", [] { return Filled(1, 1000, QImage::Format_Grayscale8, 0); }},
        EmptyCase{"ThreeByTwo", [] { return Filled(3, 2, QImage::Format_RGB888, 0xFFFFFFFF); }},
        EmptyCase{"AllBlack", [] { return Filled(400, 400, QImage::Format_RGB32, 0xFF000000); }},
        EmptyCase{"AllWhite", [] { return Filled(400, 400, QImage::Format_RGB32, 0xFFFFFFFF); }},
        EmptyCase{"Noise", Noise}),
    RowName<EmptyCase>);

// ---- picture files, as the load button reads them ----

ByteBuffer Encoded(const QImage& picture, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format, 90);
  return ByteBuffer(bytes.begin(), bytes.end());
}

QImage PictureWithCode(QSize size, const QRectF& symbol) {
  QImage picture = test::GreenPicture(size);
  DrawQrCode(picture, kWeChat, symbol);
  return picture;
}

// A dark code straight on a clear background, as code generators export PNGs.
QImage CodeOnClear() {
  QImage picture(400, 400, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  DrawQrCode(picture, kWeChat, {100, 100, 200, 200}, QrText::Utf8WithEci, Qt::black,
             Qt::transparent);
  return picture;
}

struct FileCase {
  const char* name;
  ByteBuffer bytes;
  QSize searchBox;
  QStringList codes;
};

void PrintTo(const FileCase& row, std::ostream* out) { *out << row.name; }

class PictureFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(PictureFileTest, FindsTheCodes) {
  const FileCase& c = GetParam();
  EXPECT_THAT(Utf8(FindQrCodesInPicture(c.bytes, c.searchBox)), ElementsAreArray(Utf8(c.codes)));
  // The same codes when they are read in the background.
  EXPECT_THAT(Utf8(BackgroundQrRead(c.bytes, c.searchBox).codes()),
              ElementsAreArray(Utf8(c.codes)));
}

std::vector<FileCase> FileCases() {
  const QImage phone = PictureWithCode(kPhone, {321, 539, 600, 600});
  const QString tooSmall = kLongUrl;
  QImage big = test::GreenPicture({2400, 3200});
  DrawQrCode(big, kLongUrl, {1140, 1540, 114, 114});  // 2 px modules: gone at half size
  return {
      {"Jpeg", Encoded(phone, "jpeg"), {}, {kWeChat}},
      {"GreyJpeg", Encoded(phone.convertToFormat(QImage::Format_Grayscale8), "jpeg"), {}, {kWeChat}},
      {"Png", Encoded(phone, "png"), {}, {kWeChat}},
      {"PngCodeOnClear", Encoded(CodeOnClear(), "png"), {}, {kWeChat}},
      {"JpegReadAtTheSearchBox", Encoded(phone, "jpeg"), {300, 400}, {kWeChat}},
      {"SmallCodeAtFullSize", Encoded(big, "jpeg"), {}, {tooSmall}},
      {"SmallCodeLostAtAQuarterOfTheSize", Encoded(big, "jpeg"), {600, 800}, {}},
      {"NoPicture", ByteBuffer{'n', 'o', 'p', 'e'}, {}, {}},
      {"Empty", ByteBuffer{}, {}, {}},
  };
}

INSTANTIATE_TEST_SUITE_P(Files, PictureFileTest, ::testing::ValuesIn(FileCases()),
                         RowName<FileCase>);

TEST(BackgroundQrReadTest, NothingReadHasNoCodes) {
  EXPECT_THAT(Utf8(BackgroundQrRead().codes()), IsEmpty());
}

TEST(BackgroundQrReadTest, CodesCanBeAskedForAgain) {
  const BackgroundQrRead read(Encoded(CodeOnClear(), "png"), {});
  const BackgroundQrRead copy = read;
  EXPECT_THAT(Utf8(read.codes()), ElementsAreArray(Utf8({kWeChat})));
  EXPECT_THAT(Utf8(copy.codes()), ElementsAreArray(Utf8({kWeChat})));
}

// ---- whether the poster kept the codes ----

struct KeepCase {
  const char* name;
  QStringList expected;
  QStringList found;
  bool keeps;
};

void PrintTo(const KeepCase& row, std::ostream* out) { *out << row.name; }

class PosterKeepsQrCodesTest : public ::testing::TestWithParam<KeepCase> {};

TEST_P(PosterKeepsQrCodesTest, Decides) {
  const KeepCase& c = GetParam();
  EXPECT_EQ(PosterKeepsQrCodes(c.expected, c.found), c.keeps);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PosterKeepsQrCodesTest,
    ::testing::Values(
        KeepCase{"NothingExpected", {}, {}, true},
        KeepCase{"NothingExpectedSomethingFound", {}, {kUrl}, true},
        KeepCase{"AllFound", {kWeChat, kUrl}, {kUrl, kWeChat}, true},
        KeepCase{"MoreFoundThanExpected", {kWeChat}, {kUrl, kWeChat}, true},
        KeepCase{"NoneFound", {kWeChat}, {}, false},
        KeepCase{"OneMissing", {kWeChat, kUrl}, {kWeChat}, false},
        KeepCase{"CaseDiffers", {QStringLiteral("WXP://A")}, {QStringLiteral("wxp://a")}, false}),
    RowName<KeepCase>);

}  // namespace
}  // namespace plakora
