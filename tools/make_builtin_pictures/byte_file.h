// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "bytes.h"

namespace plakora::pictures {

// Throws std::runtime_error when the file cannot be written in full.
void WriteByteFile(const QString& path, const Bytes& bytes);

}  // namespace plakora::pictures
