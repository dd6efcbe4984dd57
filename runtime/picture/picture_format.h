// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/byte_buffer.h"

namespace plakora {

enum class PictureFormat { Unknown, Jpeg, Png, Bmp, Gif, Ico, Cur, Pcx };

// Recognises a picture format from the leading bytes of its content.
PictureFormat SniffPictureFormat(ByteView bytes);

}  // namespace plakora
