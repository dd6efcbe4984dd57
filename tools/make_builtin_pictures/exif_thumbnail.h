// SPDX-License-Identifier: MIT
#pragma once

#include "bytes.h"

namespace plakora::pictures {

// An APP1 payload ("Exif\0\0" + little-endian TIFF) whose IFD1 carries the
// given JPEG as the thumbnail.
Bytes ExifBlockWithThumbnail(const Bytes& thumbnailJpeg);

}  // namespace plakora::pictures
