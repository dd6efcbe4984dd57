// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace plakora {

// Asks the user for an existing file to open; kept behind an interface so flows can be
// tested without a modal dialog.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen file's full path, or an empty string when the user cancelled. `previous` is
  // the last confirmed path, offered again.
  virtual QString chooseFileToOpen(QWidget* parent, const QString& previous) = 0;
};

// The platform's open-file dialog: every file listed, existing files only.
class DialogFileChooser : public FileChooser {
 public:
  QString chooseFileToOpen(QWidget* parent, const QString& previous) override;
};

}  // namespace plakora
