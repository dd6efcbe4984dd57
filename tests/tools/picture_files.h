// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plakora::pictures_test {

using Bytes = std::vector<unsigned char>;

std::string ResourcePath(const std::string& name);
Bytes ReadBytes(const std::string& path);

struct Colour {
  int r = 0, g = 0, b = 0, a = 255;
};

// Largest per-channel difference, alpha ignored.
int Distance(const Colour& x, const Colour& y);

// Decoded pixels, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  int components = 0;  // as stored in the file
  std::vector<Colour> pixels;
  const Colour& At(int x, int y) const { return pixels[y * width + x]; }
};

// Throw std::runtime_error on unreadable data.
Picture DecodePng(const std::string& path);
Picture DecodeJpeg(const Bytes& data);

std::uint16_t Le16(const Bytes& data, std::size_t offset);
std::uint32_t Le32(const Bytes& data, std::size_t offset);
std::uint16_t Be16(const Bytes& data, std::size_t offset);
std::uint32_t Be32(const Bytes& data, std::size_t offset);

// A JPEG marker segment before the scan: its code (0xE0 for APP0...) and payload.
struct Segment {
  int marker = 0;
  Bytes payload;
};
std::vector<Segment> SegmentsBeforeScan(const Bytes& jpeg);

}  // namespace plakora::pictures_test
