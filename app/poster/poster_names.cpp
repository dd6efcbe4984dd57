// SPDX-License-Identifier: MIT
#include "poster_names.h"

#include <QDir>

namespace plakora {

QString PosterFolderPath(const QString& desktopFolder) {
  return QDir(desktopFolder).filePath(QString::fromUtf8(kPosterFolderName));
}

QString PosterFilePath(const QString& desktopFolder, const QString& deviceText,
                       const QString& amount) {
  return QDir(PosterFolderPath(desktopFolder)).filePath(deviceText + amount + QStringLiteral("元.jpg"));
}

std::optional<QString> AmountNameProblem(const QString& amount) {
  // Refused everywhere alike, so a poster name made on one system is valid on the others.
  static const QString kRefused = QStringLiteral("\\/:*?\"<>|");
  for (const QChar c : amount) {
    if (kRefused.contains(c)) {
      return QStringLiteral("金额含有文件名不允许的字符 %1").arg(c);
    }
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
      return QStringLiteral("金额含有控制字符");
    }
  }
  return std::nullopt;
}

}  // namespace plakora
