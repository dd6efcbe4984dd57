// SPDX-License-Identifier: MIT
#include "byte_file.h"

#include <QFile>
#include <stdexcept>

namespace plakora::pictures {

void WriteByteFile(const QString& path, const Bytes& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    throw std::runtime_error("cannot open " + path.toStdString() + ": " +
                             file.errorString().toStdString());
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace plakora::pictures
