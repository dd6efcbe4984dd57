// SPDX-License-Identifier: MIT
#include <jerror.h>

#include <QSysInfo>
#include <climits>
#include <cstdint>
#include <vector>

#include "runtime/picture/decode_picture.h"
#include "runtime/picture/jpeg_error_trap.h"
#include "runtime/picture/picture_decoders.h"
#include "runtime/picture/picture_memory.h"

namespace plakora {
namespace {

// Real encoders write a dozen or two scans. A hostile progressive file can repeat tiny scans
// that each cost a pass over every block (about 10 ms for the largest picture allowed here).
constexpr int kMaxScans = 100;

// The padding byte must be 0xFF for Format_RGB32; the X variants leave it undefined.
constexpr J_COLOR_SPACE kQImageColorSpace =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

struct JpegReading {
  jpeg_decompress_struct codec;
  JpegErrorTrap trap;
  jpeg_progress_mgr progress;
};

void StopAfterTooManyScans(j_common_ptr common) {
  const auto* codec = reinterpret_cast<j_decompress_ptr>(common);
  if (codec->input_scan_number > kMaxScans) FailJpeg(common);
}

// When the pixel data stops early libjpeg warns and paints the rest grey. Such a picture is
// refused: a poster printed with a grey band is worse than asking for the file again. A file
// that only lacks its end marker (or a progressive one cut between scans) has every pixel and
// decodes. Other warnings, such as stray bytes between markers that some cameras write, pass.
void RefuseMissingPixelData(j_common_ptr common, int level) {
  if (level < 0 && common->err->msg_code == JWRN_HIT_MARKER) FailJpeg(common);
  if (level < 0) ++common->err->num_warnings;
}

// Picks the smallest DCT scale whose output still covers the box in both directions.
void ChooseScale(j_decompress_ptr codec, QSize fitBox) {
  if (fitBox.isEmpty()) return;
  for (unsigned int eighths : {1u, 2u, 4u, 8u}) {
    codec->scale_num = eighths;
    codec->scale_denom = 8;
    jpeg_calc_output_dimensions(codec);
    const bool covers = codec->output_width >= static_cast<JDIMENSION>(fitBox.width()) &&
                        codec->output_height >= static_cast<JDIMENSION>(fitBox.height());
    if (covers) return;
  }
}

// Reads the header and starts decompression; false for anything unreadable or too large.
bool StartReading(JpegReading* reading, ByteView bytes, QSize fitBox, DecodedPixels pixels) {
  j_decompress_ptr codec = &reading->codec;
  if (setjmp(reading->trap.jump)) return false;
  jpeg_create_decompress(codec);
  codec->mem->max_memory_to_use = kMaxDecodedPixelBytes;
  reading->progress.progress_monitor = StopAfterTooManyScans;
  codec->progress = &reading->progress;
  jpeg_mem_src(codec, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(codec, TRUE);

  switch (codec->jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      // Luma alone skips the colour planes' inverse DCT and the colour conversion.
      codec->out_color_space =
          pixels == DecodedPixels::Brightness ? JCS_GRAYSCALE : kQImageColorSpace;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      codec->out_color_space = JCS_CMYK;
      break;
    default:
      return false;
  }
  ChooseScale(codec, fitBox);
  jpeg_calc_output_dimensions(codec);
  if (!FitsPixelBudget(codec->output_width, codec->output_height)) return false;
  jpeg_start_decompress(codec);
  return true;
}

std::uint8_t MultiplyBytes(unsigned int a, unsigned int b) {
  return static_cast<std::uint8_t>((a * b + 127) / 255);
}

// Adobe's encoders store CMYK inverted (255 = no ink); their files carry an Adobe marker.
void CmykToQImageRow(const std::uint8_t* cmyk, QRgb* out, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
    unsigned int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    out[x] = qRgb(MultiplyBytes(c, k), MultiplyBytes(m, k), MultiplyBytes(y, k));
  }
}

// Reads every row into `bits`; `cmykRow` is a one-row buffer, needed only for CMYK output.
bool ReadRows(JpegReading* reading, uchar* bits, qsizetype bytesPerLine, std::uint8_t* cmykRow) {
  j_decompress_ptr codec = &reading->codec;
  if (setjmp(reading->trap.jump)) return false;
  while (codec->output_scanline < codec->output_height) {
    uchar* line = bits + static_cast<qsizetype>(codec->output_scanline) * bytesPerLine;
    JSAMPROW target = cmykRow != nullptr ? cmykRow : line;
    if (jpeg_read_scanlines(codec, &target, 1) != 1) return false;
    if (cmykRow != nullptr) {
      CmykToQImageRow(cmykRow, reinterpret_cast<QRgb*>(line), codec->output_width,
                      codec->saw_Adobe_marker != 0);
    }
  }
  // No jpeg_finish_decompress: once every row is read nothing after them matters.
  return true;
}

QImage DecodeStarted(JpegReading* reading) {
  j_decompress_ptr codec = &reading->codec;
  const QImage::Format format = codec->out_color_space == JCS_GRAYSCALE
                                    ? QImage::Format_Grayscale8
                                    : QImage::Format_RGB32;
  QImage image = NewPictureImage(static_cast<int>(codec->output_width),
                                 static_cast<int>(codec->output_height), format);
  if (image.isNull()) return {};
  std::vector<std::uint8_t> cmykRow;
  if (codec->out_color_space == JCS_CMYK) cmykRow.resize(std::size_t{codec->output_width} * 4);
  if (!ReadRows(reading, image.bits(), image.bytesPerLine(),
                cmykRow.empty() ? nullptr : cmykRow.data())) {
    return {};
  }
  return image;
}

}  // namespace

QImage DecodeJpeg(ByteView bytes, QSize fitBox, DecodedPixels pixels) {
  if (bytes.size() > ULONG_MAX) return {};
  JpegReading reading{};
  reading.codec.err = ArmJpegErrorTrap(reading.trap);
  reading.codec.err->emit_message = RefuseMissingPixelData;
  QImage image;
  if (StartReading(&reading, bytes, fitBox, pixels)) image = DecodeStarted(&reading);
  jpeg_destroy_decompress(&reading.codec);
  return image;
}

}  // namespace plakora
