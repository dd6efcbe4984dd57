// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "imaging/capturable_window.h"

namespace plakora {

inline constexpr int kPosterJpegQuality = 95;

struct PosterRequest {
  QString desktopFolder;
  QString deviceText;
  QString amount;
  QStringList expectedQrCodes;  // the codes of the base picture, which the poster must keep
};

struct PosterResult {
  QString filePath;
  QString error;  // empty when the poster was written; a short reason otherwise
  bool qrCodesKept = true;  // the written poster still scans to every expected code
  bool ok() const { return error.isEmpty(); }
};

// Captures the poster area of `window`, encodes it as JPEG and writes it, atomically, to
// "<device><amount>元.jpg" in the poster folder on the desktop (created with its parents),
// then reads the QR codes back from the bytes written.
PosterResult GeneratePoster(CapturableWindow& window, const PosterRequest& request);

}  // namespace plakora
