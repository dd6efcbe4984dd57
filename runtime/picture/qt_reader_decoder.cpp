// SPDX-License-Identifier: MIT
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "runtime/picture/decode_picture.h"
#include "runtime/picture/picture_decoders.h"

namespace plakora {
namespace {

const char* QtFormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp:
      return "bmp";
    case PictureFormat::Gif:
      return "gif";
    case PictureFormat::Ico:
      return "ico";
    case PictureFormat::Cur:
      return "cur";  // Qt's ico reader takes cursors too; only the type field differs
    default:
      return nullptr;
  }
}

// Icon files often list a 16×16 image first; the poster wants the largest one. Only entries
// the file really holds are visited: its count may claim 65535, and Qt warns for each missing.
void JumpToLargestIcon(QImageReader& reader, std::size_t fileSize) {
  constexpr std::size_t kDirectoryHeader = 6;
  constexpr std::size_t kDirectoryEntry = 16;
  const auto present = static_cast<int>(std::min<std::size_t>(
      fileSize > kDirectoryHeader ? (fileSize - kDirectoryHeader) / kDirectoryEntry : 0,
      std::numeric_limits<std::uint16_t>::max()));
  const int entries = std::min(reader.imageCount(), present);
  int best = 0;
  qint64 bestArea = -1;
  for (int i = 0; i < entries && reader.jumpToImage(i); ++i) {
    const QSize size = reader.size();
    const qint64 area = qint64{size.width()} * size.height();
    if (area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  reader.jumpToImage(best);
}

}  // namespace

QImage DecodeWithQtReader(ByteView bytes, PictureFormat format) {
  const char* formatName = QtFormatName(format);
  if (formatName == nullptr) return {};
  if (format == PictureFormat::Bmp && !IsCompleteBmp(bytes)) return {};
  if (format == PictureFormat::Gif && !IsCompleteGif(bytes)) return {};

  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  // Qt's own limit (128 MiB) would refuse pictures the other decoders take.
  static const bool limitSet = [] {
    QImageReader::setAllocationLimit(static_cast<int>(kMaxDecodedPixelBytes >> 20));
    return true;
  }();
  (void)limitSet;
  QImageReader reader(&buffer, formatName);
  reader.setAutoDetectImageFormat(false);  // the content was sniffed; no second guess
  if (format == PictureFormat::Ico || format == PictureFormat::Cur) {
    JumpToLargestIcon(reader, bytes.size());
  }
  // The reader's size is only a hint (an icon's directory entry, a GIF frame); the checks above
  // and Qt's own allocation limit cover what it misses.
  const QSize hinted = reader.size();
  if (hinted.isValid() && !FitsPixelBudget(hinted.width(), hinted.height())) return {};

  QImage image;
  if (!reader.read(&image)) return {};
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                       : QImage::Format_RGB32);
}

}  // namespace plakora
