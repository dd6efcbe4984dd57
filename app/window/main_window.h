// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "control_description.h"
#include "file_chooser.h"
#include "runtime/qr/background_qr_read.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace plakora {

class BackgroundLabel;
class PictureBox;
class TransparentLabel;

// The one window: the poster (header strip, base picture, device digit, amount, caption) over
// the controls that edit, generate and preview it. Built from MainWindowDescription().
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(std::unique_ptr<FileChooser> fileChooser = std::make_unique<DialogFileChooser>());
  ~MainWindow() override;

  // The control the description names, for tests and tools.
  QWidget* control(ControlName name) const { return controls_.value(name); }

  PictureBox* headerBox() const { return headerBox_; }
  PictureBox* baseBox() const { return baseBox_; }
  BackgroundLabel* deviceLabel() const { return deviceLabel_; }
  TransparentLabel* amountLabel() const { return amountLabel_; }
  TransparentLabel* captionLabel() const { return captionLabel_; }
  QComboBox* deviceCombo() const { return deviceCombo_; }
  QLineEdit* amountEdit() const { return amountEdit_; }
  QLineEdit* statusEdit() const { return statusEdit_; }
  QPushButton* generateButton() const { return generateButton_; }
  QPushButton* previewButton() const { return previewButton_; }
  QPushButton* loadPictureButton() const { return loadPictureButton_; }

 private:
  void buildControls();
  void loadBuiltinPictures();
  void connectHandlers();
  void applyTabOrder();

  void onCreated();
  void onDeviceSelected();
  void onAmountChanged();
  void onLoadPictureClicked();
  void onGenerateClicked();
  void onPreviewClicked();

  std::unique_ptr<FileChooser> fileChooser_;
  QString lastChosenFile_;
  BackgroundQrRead baseQrCodes_;  // the codes of the loaded picture
  QHash<ControlName, QWidget*> controls_;

  PictureBox* headerBox_ = nullptr;
  PictureBox* baseBox_ = nullptr;
  BackgroundLabel* deviceLabel_ = nullptr;
  BackgroundLabel* amountTitleLabel_ = nullptr;
  TransparentLabel* amountLabel_ = nullptr;
  TransparentLabel* captionLabel_ = nullptr;
  QComboBox* deviceCombo_ = nullptr;
  QLineEdit* amountEdit_ = nullptr;
  QLineEdit* statusEdit_ = nullptr;
  QPushButton* generateButton_ = nullptr;
  QPushButton* previewButton_ = nullptr;
  QPushButton* loadPictureButton_ = nullptr;
  QGroupBox* editGroup_ = nullptr;
};

}  // namespace plakora
