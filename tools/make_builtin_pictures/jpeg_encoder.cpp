// SPDX-License-Identifier: MIT
#include "jpeg_encoder.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace plakora::pictures {
namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOut(j_common_ptr common) {
  auto* trap = reinterpret_cast<ErrorTrap*>(common->err);
  (*common->err->format_message)(common, trap->message);
  std::longjmp(trap->jump, 1);
}

// Only trivially destructible locals live here, so longjmp skips no destructor.
bool EncodeRgbRows(const QImage& rgb, int quality, bool jfif, const unsigned char* app1,
                   unsigned app1Size, unsigned char** out, unsigned long* outSize, char* message) {
  jpeg_compress_struct cinfo{};
  ErrorTrap trap{};
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOut;
  if (setjmp(trap.jump) != 0) {
    jpeg_destroy_compress(&cinfo);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", trap.message);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, out, outSize);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.write_JFIF_header = jfif ? TRUE : FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  if (app1Size > 0) {
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, app1, app1Size);
  }
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

Bytes EncodeJpeg(const QImage& image, const JpegOptions& options) {
  // An APP marker holds at most 65533 bytes of payload.
  if (options.app1.size() > 65533) {
    throw std::runtime_error("APP1 block too large for one marker");
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
  const bool ok =
      EncodeRgbRows(rgb, options.quality, options.jfifHeader, options.app1.data(),
                    static_cast<unsigned>(options.app1.size()), &buffer, &size, message);
  Bytes encoded;
  if (ok) {
    encoded.assign(buffer, buffer + size);
  }
  std::free(buffer);
  if (!ok) {
    throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
  }
  return encoded;
}

}  // namespace plakora::pictures
