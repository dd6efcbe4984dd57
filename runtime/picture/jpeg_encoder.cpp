// SPDX-License-Identifier: MIT
#include "runtime/picture/jpeg_encoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "runtime/picture/jpeg_error_trap.h"

namespace plakora {
namespace {

struct JpegWriting {
  jpeg_compress_struct codec;
  JpegErrorTrap trap;
  unsigned char* output;  // malloc'ed by libjpeg, freed by the caller
  unsigned long outputSize;
};

bool Compress(JpegWriting* writing, const BgrxRows* rows, int quality) {
  j_compress_ptr codec = &writing->codec;
  if (setjmp(writing->trap.jump)) return false;
  jpeg_create_compress(codec);
  jpeg_mem_dest(codec, &writing->output, &writing->outputSize);
  codec->image_width = static_cast<JDIMENSION>(rows->width);
  codec->image_height = static_cast<JDIMENSION>(rows->height);
  codec->input_components = 4;
  codec->in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(codec);
  jpeg_set_quality(codec, quality, TRUE);
  // Full chroma resolution keeps one-pixel colour edges crisp.
  for (int c = 0; c < codec->num_components; ++c) {
    codec->comp_info[c].h_samp_factor = 1;
    codec->comp_info[c].v_samp_factor = 1;
  }
  codec->write_JFIF_header = TRUE;
  jpeg_start_compress(codec, TRUE);
  while (codec->next_scanline < codec->image_height) {
    const std::uint8_t* row =
        rows->top + static_cast<std::ptrdiff_t>(codec->next_scanline) * rows->stride;
    JSAMPROW samples = const_cast<JSAMPROW>(row);  // libjpeg only reads input rows
    jpeg_write_scanlines(codec, &samples, 1);
  }
  jpeg_finish_compress(codec);
  return true;
}

bool IsValid(const BgrxRows& rows, int quality) {
  constexpr std::int32_t kMaxSide = JPEG_MAX_DIMENSION;
  const std::ptrdiff_t rowBytes = std::ptrdiff_t{rows.width} * 4;
  return rows.top != nullptr && rows.width > 0 && rows.height > 0 && rows.width <= kMaxSide &&
         rows.height <= kMaxSide && (rows.stride >= rowBytes || rows.stride <= -rowBytes) &&
         quality >= 1 && quality <= 100;
}

}  // namespace

ByteBuffer EncodeJpeg(const BgrxRows& rows, int quality) {
  if (!IsValid(rows, quality)) return {};
  JpegWriting writing{};
  writing.codec.err = ArmJpegErrorTrap(writing.trap);
  const bool ok = Compress(&writing, &rows, quality);
  jpeg_destroy_compress(&writing.codec);
  ByteBuffer bytes;
  if (ok) bytes.assign(writing.output, writing.output + writing.outputSize);
  std::free(writing.output);
  return bytes;
}

}  // namespace plakora
