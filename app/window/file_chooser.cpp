// SPDX-License-Identifier: MIT
#include "file_chooser.h"

#include <QFileDialog>

namespace plakora {

QString DialogFileChooser::chooseFileToOpen(QWidget* parent, const QString& previous) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (!previous.isEmpty()) dialog.selectFile(previous);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace plakora
