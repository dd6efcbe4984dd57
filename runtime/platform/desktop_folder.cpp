// SPDX-License-Identifier: MIT
#include "desktop_folder.h"

#include <QStandardPaths>

namespace plakora {

QString GetDesktopFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

}  // namespace plakora
