// SPDX-License-Identifier: MIT
// The pictures the benchmarks work on.
#pragma once

#include <QImage>
#include <QSize>

#include "imaging/byte_buffer.h"

namespace plakora::bench {

inline constexpr QSize kBox{390, 520};     // the base box the picture is stretched to
inline constexpr QSize kPoster{384, 520};  // the saved part of it

// The file bytes of the picture a user loads: PLAKORA_BENCH_PICTURE when set, else the
// built-in 1242 × 1678 base poster. Ends the process when the file cannot be read.
const ByteBuffer& PictureBytes();

// The poster's pixels without the window: the picture stretched to the box, cut to the poster.
QImage PosterPixels();

}  // namespace plakora::bench
