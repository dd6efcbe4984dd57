// SPDX-License-Identifier: MIT
#include "runtime/picture/picture_memory.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>

#include <mutex>
#include <utility>
#endif

namespace plakora {
namespace {

#ifdef __linux__
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// The last freed block up to this size is kept for the next picture: fresh huge pages still
// cost the kernel's zeroing, about 1 ms for a 1242 x 1678 picture.
constexpr std::size_t kMaxKeptBytes = std::size_t{32} << 20;

struct Block {
  void* pixels = nullptr;
  std::size_t bytes = 0;
};

class KeptBlock {
 public:
  // A kept block that fits `bytes` without wasting more than half of itself, or a new one.
  Block take(std::size_t bytes) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (kept_.pixels != nullptr && kept_.bytes >= bytes && kept_.bytes / 2 < bytes) {
        return std::exchange(kept_, Block{});
      }
    }
    Block block{std::aligned_alloc(kHugePage, bytes), bytes};
    if (block.pixels != nullptr) madvise(block.pixels, bytes, MADV_HUGEPAGE);  // only a hint
    return block;
  }

  void give(Block block) {
    if (block.bytes <= kMaxKeptBytes) {
      const std::lock_guard<std::mutex> lock(mutex_);
      std::swap(kept_, block);
    }
    std::free(block.pixels);
  }

 private:
  std::mutex mutex_;
  Block kept_;
};

KeptBlock& Kept() {
  static auto* kept = new KeptBlock;  // never destroyed: images may outlive static destructors
  return *kept;
}

void GiveBack(void* info) {
  auto* block = static_cast<Block*>(info);
  Kept().give(*block);
  delete block;
}

// Only from half a huge page up: rounding smaller pictures up would waste more memory than
// their faults cost.
QImage NewImageOnHugePages(int width, int height, QImage::Format format) {
  // Rows padded to 32 bits, as Qt lays them out.
  const qsizetype depth = QImage::toPixelFormat(format).bitsPerPixel();
  const qsizetype bytesPerLine = ((qsizetype{width} * depth + 31) / 32) * 4;
  const auto bytes = static_cast<std::size_t>(bytesPerLine * height);
  if (bytes < kHugePage / 2) return {};
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  auto* block = new Block(Kept().take(rounded));
  if (block->pixels == nullptr) {
    delete block;
    return {};
  }
  QImage image(static_cast<uchar*>(block->pixels), width, height, bytesPerLine, format, GiveBack,
               block);
  if (image.isNull()) GiveBack(block);
  return image;
}
#endif

}  // namespace

QImage NewPictureImage(int width, int height, QImage::Format format) {
#ifdef __linux__
  if (QImage image = NewImageOnHugePages(width, height, format); !image.isNull()) return image;
#endif
  return QImage(width, height, format);
}

}  // namespace plakora
