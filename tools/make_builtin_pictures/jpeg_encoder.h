// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include "bytes.h"

namespace plakora::pictures {

struct JpegOptions {
  int quality = 90;
  bool jfifHeader = true;
  // Written as APP1 right after the JFIF header when not empty.
  Bytes app1;
};

// Baseline, three-component YCbCr JPEG.
Bytes EncodeJpeg(const QImage& image, const JpegOptions& options);

}  // namespace plakora::pictures
