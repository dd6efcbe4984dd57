// SPDX-License-Identifier: MIT
#include "runtime/picture/picture_format.h"

#include <gtest/gtest.h>

#include <string>

namespace plakora {
namespace {

struct SniffCase {
  std::string name;
  ByteBuffer leading;
  PictureFormat expected;
};

void PrintTo(const SniffCase& c, std::ostream* os) { *os << c.name; }

class SniffsFormat : public ::testing::TestWithParam<SniffCase> {};

TEST_P(SniffsFormat, FromLeadingBytes) {
  const SniffCase& c = GetParam();
  EXPECT_EQ(SniffPictureFormat(c.leading), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, SniffsFormat,
    ::testing::Values(
        SniffCase{"jpeg", {0xFF, 0xD8, 0xFF, 0xE0}, PictureFormat::Jpeg},
        SniffCase{"jpeg_without_third_byte", {0xFF, 0xD8, 0x00}, PictureFormat::Unknown},
        SniffCase{"png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0}, PictureFormat::Png},
        SniffCase{"png_with_newline_mangled",
                  {0x89, 'P', 'N', 'G', 0x0A, 0x1A, 0x0A, 0},
                  PictureFormat::Unknown},
        SniffCase{"bmp", {'B', 'M', 0x36, 0}, PictureFormat::Bmp},
        SniffCase{"gif87a", {'G', 'I', 'F', '8', '7', 'a', 1}, PictureFormat::Gif},
        SniffCase{"gif89a", {'G', 'I', 'F', '8', '9', 'a'}, PictureFormat::Gif},
        SniffCase{"gif_unknown_version", {'G', 'I', 'F', '8', '8', 'a'}, PictureFormat::Unknown},
        SniffCase{"ico", {0, 0, 1, 0, 1, 0}, PictureFormat::Ico},
        SniffCase{"cur", {0, 0, 2, 0, 1, 0}, PictureFormat::Cur},
        SniffCase{"other_resource_type", {0, 0, 3, 0, 1, 0}, PictureFormat::Unknown},
        SniffCase{"pcx_version_5", {0x0A, 5, 1, 8}, PictureFormat::Pcx},
        SniffCase{"pcx_version_0_mono", {0x0A, 0, 1, 1}, PictureFormat::Pcx},
        SniffCase{"pcx_version_1_does_not_exist", {0x0A, 1, 1, 8}, PictureFormat::Unknown},
        SniffCase{"pcx_not_run_length", {0x0A, 5, 0, 8}, PictureFormat::Unknown},
        SniffCase{"pcx_implausible_depth", {0x0A, 5, 1, 7}, PictureFormat::Unknown},
        SniffCase{"text_starting_with_newline", {0x0A, 'h', 'i', '!'}, PictureFormat::Unknown},
        SniffCase{"empty", {}, PictureFormat::Unknown},
        SniffCase{"one_byte", {'B'}, PictureFormat::Unknown}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace plakora
