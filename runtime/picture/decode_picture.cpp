// SPDX-License-Identifier: MIT
#include "runtime/picture/decode_picture.h"

#include "runtime/picture/picture_decoders.h"
#include "runtime/picture/picture_format.h"

namespace plakora {

QImage DecodePicture(ByteView bytes, QSize fitBox, DecodedPixels pixels) {
  const PictureFormat format = SniffPictureFormat(bytes);
  switch (format) {
    case PictureFormat::Jpeg:
      return DecodeJpeg(bytes, fitBox, pixels);
    case PictureFormat::Png:
      return DecodePng(bytes);
    case PictureFormat::Pcx:
      return DecodePcx(bytes);
    case PictureFormat::Bmp:
    case PictureFormat::Gif:
    case PictureFormat::Ico:
    case PictureFormat::Cur:
      return DecodeWithQtReader(bytes, format);
    case PictureFormat::Unknown:
      break;
  }
  return {};
}

}  // namespace plakora
