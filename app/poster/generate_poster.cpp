// SPDX-License-Identifier: MIT
#include "generate_poster.h"

#include <QDir>

#include "imaging/bmp_file_image.h"
#include "imaging/capture_poster_image.h"
#include "imaging/little_endian.h"
#include "poster_names.h"
#include "runtime/files/write_file_atomically.h"
#include "runtime/picture/jpeg_encoder.h"
#include "runtime/qr/find_qr_codes.h"

namespace plakora {
namespace {

// The rows of a 32-bit bottom-up BMP file image, read in place from the top.
BgrxRows RowsOf(const ByteBuffer& bmpImage) {
  const auto width = ReadLittleEndian<std::int32_t>(bmpImage, bmp::kOffsetWidth);
  const auto height = ReadLittleEndian<std::int32_t>(bmpImage, bmp::kOffsetHeight);
  const std::int64_t stride = bmp::RowStride(width, 32);
  BgrxRows rows;
  rows.width = width;
  rows.height = height;
  rows.stride = -static_cast<std::ptrdiff_t>(stride);
  rows.top = bmpImage.data() + bmp::kPixelOffset + stride * (height - 1);
  return rows;
}

}  // namespace

PosterResult GeneratePoster(CapturableWindow& window, const PosterRequest& request) {
  PosterResult result;
  result.filePath = PosterFilePath(request.desktopFolder, request.deviceText, request.amount);
  if (const auto problem = AmountNameProblem(request.amount)) {
    result.error = *problem;
    return result;
  }
  if (!QDir().mkpath(PosterFolderPath(request.desktopFolder))) {
    result.error = QStringLiteral("无法创建文件夹");
    return result;
  }
  const ByteBuffer poster = CapturePosterImage(&window);
  if (poster.empty() ||
      ReadLittleEndian<std::uint16_t>(poster, bmp::kOffsetBitCount) != 32) {
    result.error = QStringLiteral("无法截取窗口图像");
    return result;
  }
  const ByteBuffer jpeg = EncodeJpeg(RowsOf(poster), kPosterJpegQuality);
  if (jpeg.empty()) {
    result.error = QStringLiteral("无法编码图片");
    return result;
  }
  result.error = WriteFileAtomically(result.filePath, jpeg).error;
  if (result.ok() && !request.expectedQrCodes.isEmpty()) {
    // What a customer's phone sees: the encoded poster, not the window.
    result.qrCodesKept =
        PosterKeepsQrCodes(request.expectedQrCodes, FindQrCodesInPicture(jpeg));
  }
  return result;
}

}  // namespace plakora
