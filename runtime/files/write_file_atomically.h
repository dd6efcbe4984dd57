// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "imaging/byte_buffer.h"

namespace plakora {

struct FileWriteResult {
  QString error;  // empty when the file was written; a short reason otherwise
  bool ok() const { return error.isEmpty(); }
};

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a failure
// at any point leaves an existing file untouched and never leaves a partial one.
FileWriteResult WriteFileAtomically(const QString& path, ByteView bytes);

}  // namespace plakora
