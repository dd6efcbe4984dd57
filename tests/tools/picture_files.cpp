// SPDX-License-Identifier: MIT
#include "picture_files.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace plakora::pictures_test {
namespace {

struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr common) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(common->err)->jump, 1);
}

// Only trivially destructible locals here, so longjmp skips no destructor.
bool DecodeJpegRows(const Bytes& data, unsigned char* rgb, std::size_t capacity, int* width,
                    int* height, int* components) {
  jpeg_decompress_struct cinfo{};
  ErrorTrap trap{};
  cinfo.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JumpOut;
  if (setjmp(trap.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  *width = static_cast<int>(cinfo.image_width);
  *height = static_cast<int>(cinfo.image_height);
  *components = cinfo.num_components;
  const std::size_t stride = cinfo.image_width * 3u;
  if (rgb == nullptr || stride * cinfo.image_height > capacity) {
    jpeg_destroy_decompress(&cinfo);
    return rgb == nullptr;
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = rgb + cinfo.output_scanline * stride;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::string ResourcePath(const std::string& name) {
  return std::string(PLAKORA_RESOURCES_DIR) + "/" + name;
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw std::runtime_error("cannot open " + path);
  }
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

int Distance(const Colour& x, const Colour& y) {
  return std::max({std::abs(x.r - y.r), std::abs(x.g - y.g), std::abs(x.b - y.b)});
}

Picture DecodePng(const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) {
    throw std::runtime_error("cannot read " + path + ": " + png.message);
  }
  Picture picture;
  picture.width = static_cast<int>(png.width);
  picture.height = static_cast<int>(png.height);
  picture.components = static_cast<int>(PNG_IMAGE_PIXEL_CHANNELS(png.format));
  png.format = PNG_FORMAT_RGBA;
  Bytes rgba(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr) == 0) {
    throw std::runtime_error("cannot decode " + path + ": " + png.message);
  }
  for (std::size_t i = 0; i < rgba.size(); i += 4) {
    picture.pixels.push_back({rgba[i], rgba[i + 1], rgba[i + 2], rgba[i + 3]});
  }
  return picture;
}

Picture DecodeJpeg(const Bytes& data) {
  Picture picture;
  if (!DecodeJpegRows(data, nullptr, 0, &picture.width, &picture.height, &picture.components)) {
    throw std::runtime_error("not a readable JPEG");
  }
  Bytes rgb(static_cast<std::size_t>(picture.width) * picture.height * 3);
  if (!DecodeJpegRows(data, rgb.data(), rgb.size(), &picture.width, &picture.height,
                      &picture.components)) {
    throw std::runtime_error("JPEG data is damaged");
  }
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    picture.pixels.push_back({rgb[i], rgb[i + 1], rgb[i + 2], 255});
  }
  return picture;
}

std::uint16_t Le16(const Bytes& data, std::size_t offset) {
  return static_cast<std::uint16_t>(data.at(offset) | data.at(offset + 1) << 8);
}

std::uint32_t Le32(const Bytes& data, std::size_t offset) {
  return Le16(data, offset) | static_cast<std::uint32_t>(Le16(data, offset + 2)) << 16;
}

std::uint16_t Be16(const Bytes& data, std::size_t offset) {
  return static_cast<std::uint16_t>(data.at(offset) << 8 | data.at(offset + 1));
}

std::uint32_t Be32(const Bytes& data, std::size_t offset) {
  return static_cast<std::uint32_t>(Be16(data, offset)) << 16 | Be16(data, offset + 2);
}

std::vector<Segment> SegmentsBeforeScan(const Bytes& jpeg) {
  if (Be16(jpeg, 0) != 0xFFD8) {
    throw std::runtime_error("no SOI marker");
  }
  std::vector<Segment> segments;
  std::size_t at = 2;
  while (true) {
    if (jpeg.at(at) != 0xFF) {
      throw std::runtime_error("marker expected at " + std::to_string(at));
    }
    const int marker = jpeg.at(at + 1);
    const std::size_t length = Be16(jpeg, at + 2);
    if (length < 2 || at + 2 + length > jpeg.size()) {
      throw std::runtime_error("bad segment length at " + std::to_string(at));
    }
    segments.push_back(
        {marker, Bytes(jpeg.begin() + static_cast<std::ptrdiff_t>(at + 4),
                       jpeg.begin() + static_cast<std::ptrdiff_t>(at + 2 + length))});
    if (marker == 0xDA) {
      return segments;
    }
    at += 2 + length;
  }
}

}  // namespace plakora::pictures_test
