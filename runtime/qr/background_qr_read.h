// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QStringList>
#include <future>

#include "imaging/byte_buffer.h"

namespace plakora {

// The QR codes of a picture file, read on a thread of their own: a big picture takes tens of
// milliseconds to search, and nothing needs the codes before the first poster is written.
class BackgroundQrRead {
 public:
  BackgroundQrRead() = default;  // nothing to read: no codes
  BackgroundQrRead(ByteBuffer pictureBytes, QSize searchBox);

  // Waits for the read if it is still running.
  QStringList codes() const;

 private:
  std::shared_future<QStringList> codes_;
};

}  // namespace plakora
