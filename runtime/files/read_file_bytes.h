// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "imaging/byte_buffer.h"

namespace plakora {

// Files larger than this are not read as pictures.
inline constexpr qint64 kMaxPictureFileBytes = qint64{256} << 20;

struct FileReadResult {
  ByteBuffer bytes;
  QString error;  // empty when the file was read; a short reason otherwise
  bool ok() const { return error.isEmpty(); }
};

// Reads the whole file. A directory, a file that cannot be opened or read, and a file larger
// than `maxBytes` give an error; an empty file reads as no bytes.
FileReadResult ReadFileBytes(const QString& path, qint64 maxBytes = kMaxPictureFileBytes);

}  // namespace plakora
