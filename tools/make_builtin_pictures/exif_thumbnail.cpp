// SPDX-License-Identifier: MIT
#include "exif_thumbnail.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

namespace plakora::pictures {
namespace {

constexpr std::uint16_t kShort = 3;
constexpr std::uint16_t kLong = 4;
constexpr std::uint16_t kRational = 5;

struct Entry {
  std::uint16_t tag;
  std::uint16_t type;
  Bytes value;  // little-endian, one item
};

Entry ShortEntry(std::uint16_t tag, std::uint16_t value) {
  Entry entry{tag, kShort, {}};
  AppendLe16(entry.value, value);
  return entry;
}

Entry LongEntry(std::uint16_t tag, std::uint32_t value) {
  Entry entry{tag, kLong, {}};
  AppendLe32(entry.value, value);
  return entry;
}

Entry RationalEntry(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator) {
  Entry entry{tag, kRational, {}};
  AppendLe32(entry.value, numerator);
  AppendLe32(entry.value, denominator);
  return entry;
}

std::vector<Entry> ResolutionEntries() {
  return {RationalEntry(0x011A, 72, 1), RationalEntry(0x011B, 72, 1), ShortEntry(0x0128, 2)};
}

// Count, entries, next-IFD link, then the values too big for an entry.
std::uint32_t IfdSize(const std::vector<Entry>& entries) {
  std::uint32_t size = 2 + 12 * static_cast<std::uint32_t>(entries.size()) + 4;
  for (const Entry& entry : entries) {
    if (entry.value.size() > 4) {
      size += static_cast<std::uint32_t>(entry.value.size());
    }
  }
  return size;
}

// Appends an IFD that starts at tiff offset `at`; entries must be sorted by tag.
void AppendIfd(Bytes& tiff, const std::vector<Entry>& entries, std::uint32_t next) {
  const auto at = static_cast<std::uint32_t>(tiff.size());
  std::uint32_t spill = at + 2 + 12 * static_cast<std::uint32_t>(entries.size()) + 4;
  Bytes spilled;
  AppendLe16(tiff, static_cast<std::uint16_t>(entries.size()));
  for (const Entry& entry : entries) {
    AppendLe16(tiff, entry.tag);
    AppendLe16(tiff, entry.type);
    AppendLe32(tiff, 1);
    if (entry.value.size() > 4) {
      AppendLe32(tiff, spill);
      spilled.insert(spilled.end(), entry.value.begin(), entry.value.end());
      spill += static_cast<std::uint32_t>(entry.value.size());
    } else {
      Bytes inlineValue = entry.value;
      inlineValue.resize(4, 0);
      tiff.insert(tiff.end(), inlineValue.begin(), inlineValue.end());
    }
  }
  AppendLe32(tiff, next);
  tiff.insert(tiff.end(), spilled.begin(), spilled.end());
}

}  // namespace

Bytes ExifBlockWithThumbnail(const Bytes& thumbnailJpeg) {
  std::vector<Entry> ifd0 = ResolutionEntries();
  ifd0.push_back(ShortEntry(0x0213, 1));  // YCbCrPositioning: centred

  std::vector<Entry> ifd1 = {ShortEntry(0x0103, 6)};  // Compression: JPEG
  for (Entry& entry : ResolutionEntries()) {
    ifd1.push_back(std::move(entry));
  }
  ifd1.push_back(LongEntry(0x0201, 0));  // JPEGInterchangeFormat, filled below
  ifd1.push_back(LongEntry(0x0202, static_cast<std::uint32_t>(thumbnailJpeg.size())));

  constexpr std::uint32_t kIfd0At = 8;
  const std::uint32_t ifd1At = kIfd0At + IfdSize(ifd0);
  const std::uint32_t thumbnailAt = ifd1At + IfdSize(ifd1);
  ifd1[4] = LongEntry(0x0201, thumbnailAt);

  Bytes tiff = {'I', 'I', 0x2A, 0x00};
  AppendLe32(tiff, kIfd0At);
  AppendIfd(tiff, ifd0, ifd1At);
  AppendIfd(tiff, ifd1, 0);
  tiff.insert(tiff.end(), thumbnailJpeg.begin(), thumbnailJpeg.end());

  constexpr unsigned char kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};
  Bytes block(sizeof kExifHeader + tiff.size());
  std::copy(std::begin(kExifHeader), std::end(kExifHeader), block.begin());
  std::copy(tiff.begin(), tiff.end(), block.begin() + sizeof kExifHeader);
  return block;
}

}  // namespace plakora::pictures
