// SPDX-License-Identifier: MIT
#include "read_file_bytes.h"

#include <QFile>
#include <QFileInfo>

namespace plakora {

FileReadResult ReadFileBytes(const QString& path, qint64 maxBytes) {
  if (path.isEmpty()) return {{}, QStringLiteral("没有文件名")};
  const QFileInfo info(path);
  if (info.isDir()) return {{}, QStringLiteral("这是一个文件夹")};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {{}, file.exists() ? QStringLiteral("无法打开文件") : QStringLiteral("文件不存在")};
  }
  const qint64 size = file.size();
  if (size > maxBytes) return {{}, QStringLiteral("文件太大")};

  ByteBuffer bytes(static_cast<std::size_t>(size));
  qint64 filled = 0;
  while (filled < size) {
    const qint64 got = file.read(reinterpret_cast<char*>(bytes.data()) + filled, size - filled);
    if (got < 0) return {{}, QStringLiteral("读取文件出错")};
    if (got == 0) break;  // the file shrank while being read
    filled += got;
  }
  bytes.resize(static_cast<std::size_t>(filled));
  return {std::move(bytes), {}};
}

}  // namespace plakora
