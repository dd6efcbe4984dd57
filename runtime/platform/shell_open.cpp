// SPDX-License-Identifier: MIT
#include "shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace plakora {

bool ShellOpen(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace plakora
