// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

namespace plakora {

inline constexpr const char* kPosterFolderName = "微信收款码海报文件夹";

// The folder on the desktop that holds the posters.
QString PosterFolderPath(const QString& desktopFolder);

// "<device><amount>元.jpg" in the poster folder.
QString PosterFilePath(const QString& desktopFolder, const QString& deviceText,
                       const QString& amount);

// Why `amount` cannot be part of a file name (a separator, a character some systems refuse
// in names, or a control character), or nothing when it can.
std::optional<QString> AmountNameProblem(const QString& amount);

}  // namespace plakora
