// SPDX-License-Identifier: MIT
#include "write_file_atomically.h"

#include <QFileInfo>
#include <QSaveFile>

namespace plakora {
namespace {

QString ReasonFor(QFileDevice::FileError error) {
  switch (error) {
    case QFileDevice::PermissionsError: return QStringLiteral("没有写入权限");
    case QFileDevice::ResourceError: return QStringLiteral("磁盘空间不足");
    default: return QStringLiteral("无法写入文件");
  }
}

}  // namespace

FileWriteResult WriteFileAtomically(const QString& path, ByteView bytes) {
  if (QFileInfo(path).isDir()) return {QStringLiteral("同名文件夹已存在")};
  QSaveFile file(path);
  // Writing straight into the target would defeat the point.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return {ReasonFor(file.error())};
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
    const QString reason = ReasonFor(file.error());
    file.cancelWriting();
    return {reason};
  }
  if (!file.commit()) return {ReasonFor(file.error())};
  return {};
}

}  // namespace plakora
