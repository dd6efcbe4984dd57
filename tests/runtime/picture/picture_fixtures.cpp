// SPDX-License-Identifier: MIT
#include "picture_fixtures.h"

#include <zlib.h>

#include <QBuffer>
#include <QImageWriter>
#include <cstdlib>

#include "imaging/little_endian.h"

namespace plakora::testing {

ByteBuffer QtEncoded(const QImage& image, const char* format, int quality) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  if (!writer.write(image)) std::abort();  // a fixture that cannot be made is a broken test
  return ByteBuffer(data.begin(), data.end());
}

QImage Blocks(int width, int height, int block, const std::vector<QRgb>& colors) {
  QImage image(width, height, QImage::Format_RGB32);
  const int across = (width + block - 1) / block;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto index = static_cast<std::size_t>((y / block) * across + x / block);
      image.setPixel(x, y, colors[index % colors.size()]);
    }
  }
  return image;
}

ByteBuffer LibjpegEncoded(const LibjpegPicture& picture) {
  jpeg_compress_struct codec{};
  jpeg_error_mgr errors{};
  codec.err = jpeg_std_error(&errors);  // exits on error: fixtures are always valid
  jpeg_create_compress(&codec);
  unsigned char* out = nullptr;
  unsigned long outSize = 0;
  jpeg_mem_dest(&codec, &out, &outSize);
  codec.image_width = static_cast<JDIMENSION>(picture.width);
  codec.image_height = static_cast<JDIMENSION>(picture.height);
  codec.input_components = picture.components;
  codec.in_color_space = picture.inColorSpace;
  jpeg_set_defaults(&codec);
  if (picture.storedColorSpace) jpeg_set_colorspace(&codec, *picture.storedColorSpace);
  jpeg_set_quality(&codec, 95, TRUE);
  if (picture.progressive) jpeg_simple_progression(&codec);
  jpeg_start_compress(&codec, TRUE);
  const auto rowSize = static_cast<std::size_t>(picture.width * picture.components);
  while (codec.next_scanline < codec.image_height) {
    auto* row = const_cast<JSAMPROW>(picture.samples.data() + codec.next_scanline * rowSize);
    jpeg_write_scanlines(&codec, &row, 1);
  }
  jpeg_finish_compress(&codec);
  jpeg_destroy_compress(&codec);
  ByteBuffer bytes(out, out + outSize);
  std::free(out);
  return bytes;
}

std::size_t FindJpegMarker(const ByteBuffer& jpeg, std::uint8_t marker) {
  std::size_t last = ByteBuffer::size_type(-1);
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) {
      last = i;
      if (marker != 0xDA) return i;  // scans: the last one is wanted
    }
  }
  return last;
}

ByteBuffer WithLastScanRepeated(const ByteBuffer& jpeg, int times) {
  const std::size_t scan = FindJpegMarker(jpeg, 0xDA);
  const std::size_t end = jpeg.size() - 2;  // the end marker
  ByteBuffer out(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(end));
  for (int i = 0; i < times; ++i) {
    out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(scan),
               jpeg.begin() + static_cast<std::ptrdiff_t>(end));
  }
  out.push_back(0xFF);
  out.push_back(0xD9);
  return out;
}

namespace {

void Put16(ByteBuffer& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// LZW without a string table: a clear code before every pixel keeps every code a literal.
ByteBuffer UncompressedLzw(const std::vector<std::uint8_t>& indices, int minCodeSize) {
  const unsigned clear = 1u << minCodeSize;
  const unsigned endOfData = clear + 1;
  const int codeBits = minCodeSize + 1;
  ByteBuffer packed;
  unsigned accumulator = 0;
  int bits = 0;
  const auto put = [&](unsigned code) {
    accumulator |= code << bits;
    bits += codeBits;
    while (bits >= 8) {
      packed.push_back(static_cast<std::uint8_t>(accumulator & 0xFF));
      accumulator >>= 8;
      bits -= 8;
    }
  };
  for (std::uint8_t index : indices) {
    put(clear);
    put(index);
  }
  put(endOfData);
  if (bits > 0) packed.push_back(static_cast<std::uint8_t>(accumulator & 0xFF));
  return packed;
}

}  // namespace

ByteBuffer MakeGif(const GifPicture& picture) {
  int sizeBits = 1;
  while ((1u << sizeBits) < picture.palette.size()) ++sizeBits;
  ByteBuffer out{'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, picture.screenWidth != 0 ? picture.screenWidth : picture.width);
  Put16(out, picture.screenHeight != 0 ? picture.screenHeight : picture.height);
  out.push_back(static_cast<std::uint8_t>(0x80 | 0x70 | (sizeBits - 1)));  // global table
  out.push_back(0);                                                        // background index
  out.push_back(0);                                                        // aspect
  for (std::size_t i = 0; i < (1u << sizeBits); ++i) {
    const QRgb color = i < picture.palette.size() ? picture.palette[i] : 0;
    out.push_back(static_cast<std::uint8_t>(qRed(color)));
    out.push_back(static_cast<std::uint8_t>(qGreen(color)));
    out.push_back(static_cast<std::uint8_t>(qBlue(color)));
  }
  if (picture.transparentIndex >= 0) {
    out.insert(out.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00,
                           static_cast<std::uint8_t>(picture.transparentIndex), 0x00});
  }
  out.push_back(0x2C);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, picture.width);
  Put16(out, picture.height);
  out.push_back(0);  // no local table, not interlaced
  const int minCodeSize = std::max(2, sizeBits);
  out.push_back(static_cast<std::uint8_t>(minCodeSize));
  const ByteBuffer lzw = UncompressedLzw(picture.indices, minCodeSize);
  for (std::size_t at = 0; at < lzw.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, lzw.size() - at);
    out.push_back(static_cast<std::uint8_t>(length));
    out.insert(out.end(), lzw.begin() + static_cast<std::ptrdiff_t>(at),
               lzw.begin() + static_cast<std::ptrdiff_t>(at + length));
  }
  out.push_back(0);     // end of image data
  out.push_back(0x3B);  // trailer
  return out;
}

ByteBuffer MakePcx(const PcxPicture& picture) {
  ByteBuffer out(128, 0);
  out[0] = 0x0A;
  out[1] = picture.version;
  out[2] = picture.encoding;
  out[3] = picture.bitsPerPixel;
  WriteLittleEndian<std::uint16_t>(&out[4], picture.xMin);
  WriteLittleEndian<std::uint16_t>(&out[6], picture.yMin);
  WriteLittleEndian<std::uint16_t>(&out[8], picture.xMax);
  WriteLittleEndian<std::uint16_t>(&out[10], picture.yMax);
  std::copy(picture.headerPalette.begin(), picture.headerPalette.end(), out.begin() + 16);
  out[65] = picture.planes;
  WriteLittleEndian<std::uint16_t>(&out[66], picture.bytesPerLine);
  const auto& data = picture.planeLines;
  for (std::size_t i = 0; i < data.size();) {
    std::size_t run = 1;
    while (i + run < data.size() && run < 63 && data[i + run] == data[i]) ++run;
    if (run == 1 && data[i] < 0xC0) {
      out.push_back(data[i]);
    } else {
      out.push_back(static_cast<std::uint8_t>(0xC0 | run));
      out.push_back(data[i]);
    }
    i += run;
  }
  if (picture.trailingPalette) {
    out.push_back(0x0C);
    out.insert(out.end(), picture.trailingPalette->begin(), picture.trailingPalette->end());
  }
  return out;
}

ByteBuffer MakeRunLengthBmp(std::int32_t width, std::int32_t height,
                            const std::vector<QRgb>& palette, const ByteBuffer& runs) {
  const auto colours = static_cast<std::uint32_t>(palette.size());
  ByteBuffer out(14 + 40 + std::size_t{colours} * 4, 0);
  out[0] = 'B';
  out[1] = 'M';
  Patch32(out, 2, static_cast<std::uint32_t>(out.size() + runs.size()));
  Patch32(out, 10, static_cast<std::uint32_t>(out.size()));
  Patch32(out, 14, 40);
  Patch32(out, 18, static_cast<std::uint32_t>(width));
  Patch32(out, 22, static_cast<std::uint32_t>(height));
  Patch16(out, 26, 1);
  Patch16(out, 28, 8);
  Patch32(out, 30, 1);  // RLE8
  Patch32(out, 34, static_cast<std::uint32_t>(runs.size()));
  Patch32(out, 46, colours);
  for (std::size_t i = 0; i < palette.size(); ++i) {  // B, G, R, unused
    out[54 + i * 4] = static_cast<std::uint8_t>(qBlue(palette[i]));
    out[54 + i * 4 + 1] = static_cast<std::uint8_t>(qGreen(palette[i]));
    out[54 + i * 4 + 2] = static_cast<std::uint8_t>(qRed(palette[i]));
  }
  out.insert(out.end(), runs.begin(), runs.end());
  return out;
}

void Patch16(ByteBuffer& bytes, std::size_t at, std::uint16_t value) {
  if (at + 2 > bytes.size()) std::abort();
  WriteLittleEndian<std::uint16_t>(bytes.data() + at, value);
}

void Patch32(ByteBuffer& bytes, std::size_t at, std::uint32_t value) {
  if (at + 4 > bytes.size()) std::abort();
  WriteLittleEndian<std::uint32_t>(bytes.data() + at, value);
}

namespace {

void PutBigEndian32(ByteBuffer& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    bytes.at(at + i) = static_cast<std::uint8_t>(value >> (24 - 8 * i));
  }
}

}  // namespace

ByteBuffer WithPngSize(ByteBuffer png, std::uint32_t width, std::uint32_t height) {
  constexpr std::size_t kIhdrType = 12;  // after the signature and the chunk length
  PutBigEndian32(png, kIhdrType + 4, width);
  PutBigEndian32(png, kIhdrType + 8, height);
  const auto crc = crc32(0, png.data() + kIhdrType, 4 + 13);
  PutBigEndian32(png, kIhdrType + 4 + 13, static_cast<std::uint32_t>(crc));
  return png;
}

ByteBuffer WithJpegSize(ByteBuffer jpeg, std::uint16_t width, std::uint16_t height) {
  std::size_t frame = FindJpegMarker(jpeg, 0xC0);
  if (frame == ByteBuffer::size_type(-1)) frame = FindJpegMarker(jpeg, 0xC2);
  // FF C0, length (2), precision (1), height (2), width (2), all big-endian
  jpeg.at(frame + 5) = static_cast<std::uint8_t>(height >> 8);
  jpeg.at(frame + 6) = static_cast<std::uint8_t>(height & 0xFF);
  jpeg.at(frame + 7) = static_cast<std::uint8_t>(width >> 8);
  jpeg.at(frame + 8) = static_cast<std::uint8_t>(width & 0xFF);
  return jpeg;
}

ByteBuffer Cut(const ByteBuffer& bytes, std::size_t size) {
  return ByteBuffer(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
}

}  // namespace plakora::testing
