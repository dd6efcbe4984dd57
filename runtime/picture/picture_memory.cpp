// SPDX-License-Identifier: MIT
#include "runtime/picture/picture_memory.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace plakora {
namespace {

#ifdef __linux__
constexpr qsizetype kHugePage = qsizetype{2} << 20;

void FreePixels(void* pixels) { std::free(pixels); }

// Only from half a huge page up: rounding smaller pictures up would waste more memory than
// their faults cost.
QImage NewImageOnHugePages(int width, int height, QImage::Format format) {
  const QImage probe(1, 1, format);  // the row length Qt uses for this format
  const qsizetype bytesPerLine = ((qsizetype{width} * probe.depth() + 31) / 32) * 4;
  const qsizetype bytes = bytesPerLine * height;
  if (bytes < kHugePage / 2) return {};
  const qsizetype rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* pixels = std::aligned_alloc(static_cast<std::size_t>(kHugePage),
                                    static_cast<std::size_t>(rounded));
  if (pixels == nullptr) return {};
  madvise(pixels, static_cast<std::size_t>(rounded), MADV_HUGEPAGE);  // a hint; may be refused
  QImage image(static_cast<uchar*>(pixels), width, height, bytesPerLine, format, FreePixels,
               pixels);
  if (image.isNull()) std::free(pixels);
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
