// SPDX-License-Identifier: MIT
#include "main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "app/controls/background_label.h"
#include "app/controls/picture_box.h"
#include "app/controls/transparent_label.h"
#include "app/poster/generate_poster.h"
#include "app/poster/poster_names.h"
#include "app/poster/widget_window_capture.h"
#include "app/startup/fatal_error.h"
#include "control_factory.h"
#include "current_device_text.h"
#include "escape_closes_window.h"
#include "font_table.h"
#include "runtime/files/read_file_bytes.h"
#include "runtime/picture/decode_picture.h"
#include "runtime/platform/desktop_folder.h"
#include "runtime/platform/shell_open.h"

namespace plakora {
namespace {

const char* ResourcePath(BuiltinPicture picture) {
  switch (picture) {
    case BuiltinPicture::HeaderStrip: return ":/header_strip.png";
    case BuiltinPicture::DeviceLabel: return ":/device_label.png";
    case BuiltinPicture::BasePoster: return ":/base_poster.jpg";
    case BuiltinPicture::None: break;
  }
  return nullptr;
}

ByteBuffer BuiltinPictureBytes(BuiltinPicture picture) {
  QFile file(QString::fromLatin1(ResourcePath(picture)));
  if (!file.open(QIODevice::ReadOnly)) {
    ReportFatalError(QStringLiteral("内置图片缺失: %1").arg(file.fileName()));
  }
  const QByteArray data = file.readAll();
  return ByteBuffer(data.begin(), data.end());
}

// Any code the 390 × 520 poster can still show reads at four times that size, so huge
// pictures are searched at a reduced scale instead of at full size.
constexpr QSize kQrSearchBox(4 * 390, 4 * 520);

// Left and top that centre the outer window on the whole primary screen, truncated toward
// zero; negative on a screen smaller than the window.
QPoint CentredPosition(const QSize& outer) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize available = screen->geometry().size();
  return {(available.width() - outer.width()) / 2, (available.height() - outer.height()) / 2};
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<FileChooser> fileChooser)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                  Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      fileChooser_(std::move(fileChooser)) {
  const WindowDescription& description = MainWindowDescription();
  setWindowTitle(QString::fromUtf8(description.caption));
  setWindowIcon(QIcon(QStringLiteral(":/window_icon.ico")));
  setFixedSize(description.clientSize);
  move(CentredPosition(description.outerSize));
  setFont(MakeFont(FontName::DefaultGui));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ResolveColour(description.background));
  setPalette(palette);
  setAutoFillBackground(true);

  buildControls();
  loadBuiltinPictures();
  connectHandlers();
  applyTabOrder();
  qApp->installEventFilter(new EscapeClosesWindow(this));
  onCreated();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
  const auto controls = MainWindowDescription().controls;
  // From the last row to the first: each new sibling lands on top, so the first row ends up
  // topmost, and every parent exists before its children.
  for (auto row = controls.rbegin(); row != controls.rend(); ++row) {
    QWidget* parent = row->parent == ControlName::MainWindow ? this : controls_.value(row->parent);
    if (QWidget* widget = CreateControl(*row, parent)) controls_.insert(row->control, widget);
  }
  for (const ControlDescription& row : controls) {
    if (QWidget* widget = controls_.value(row.control)) widget->setVisible(row.visible);
  }

  headerBox_ = qobject_cast<PictureBox*>(control(ControlName::HeaderBox));
  baseBox_ = qobject_cast<PictureBox*>(control(ControlName::BaseBox));
  deviceLabel_ = qobject_cast<BackgroundLabel*>(control(ControlName::DeviceLabel));
  amountTitleLabel_ = qobject_cast<BackgroundLabel*>(control(ControlName::AmountTitleLabel));
  amountLabel_ = qobject_cast<TransparentLabel*>(control(ControlName::AmountLabel));
  captionLabel_ = qobject_cast<TransparentLabel*>(control(ControlName::CaptionLabel));
  deviceCombo_ = qobject_cast<QComboBox*>(control(ControlName::DeviceCombo));
  amountEdit_ = qobject_cast<QLineEdit*>(control(ControlName::AmountEdit));
  statusEdit_ = qobject_cast<QLineEdit*>(control(ControlName::StatusEdit));
  generateButton_ = qobject_cast<QPushButton*>(control(ControlName::GenerateButton));
  previewButton_ = qobject_cast<QPushButton*>(control(ControlName::OpenFolderButton));
  loadPictureButton_ = qobject_cast<QPushButton*>(control(ControlName::LoadPictureButton));
  editGroup_ = qobject_cast<QGroupBox*>(control(ControlName::EditGroup));
}

void MainWindow::loadBuiltinPictures() {
  for (const ControlDescription& row : MainWindowDescription().controls) {
    if (row.picture == BuiltinPicture::None) continue;
    const ByteBuffer bytes = BuiltinPictureBytes(row.picture);
    bool shown = false;
    if (auto* box = qobject_cast<PictureBox*>(control(row.control))) {
      shown = box->setPictureBytes(bytes);
    } else if (auto* label = qobject_cast<BackgroundLabel*>(control(row.control))) {
      const QImage picture = DecodePicture(bytes);
      label->setBackgroundPicture(picture);
      shown = !picture.isNull();
    }
    if (!shown) ReportFatalError(QStringLiteral("内置图片无法解码: %1").arg(QString::fromUtf8(row.name)));
  }
}

void MainWindow::connectHandlers() {
  // Raised once the list has taken the pick, as a posted event.
  connect(deviceCombo_, &QComboBox::activated, this, &MainWindow::onDeviceSelected,
          Qt::QueuedConnection);
  connect(amountEdit_, &QLineEdit::textChanged, this, &MainWindow::onAmountChanged);
  connect(loadPictureButton_, &QPushButton::clicked, this, &MainWindow::onLoadPictureClicked);
  connect(generateButton_, &QPushButton::clicked, this, &MainWindow::onGenerateClicked);
  connect(previewButton_, &QPushButton::clicked, this, &MainWindow::onPreviewClicked);
}

void MainWindow::applyTabOrder() {
  // All stored tab numbers are equal, so the row lowest in the table comes first.
  QWidget* previous = nullptr;
  QWidget* first = nullptr;
  const auto controls = MainWindowDescription().controls;
  for (auto row = controls.rbegin(); row != controls.rend(); ++row) {
    QWidget* widget = control(row->control);
    if (!row->tabStop || widget == nullptr) continue;
    if (previous != nullptr) setTabOrder(previous, widget);
    if (first == nullptr) first = widget;
    previous = widget;
  }
  if (first != nullptr) first->setFocus(Qt::OtherFocusReason);
}

void MainWindow::onCreated() { currentDeviceText = QString::fromUtf8(kInitialDeviceText); }

void MainWindow::onDeviceSelected() {
  const int selection = deviceCombo_->currentIndex();
  if (selection < 0 || selection >= static_cast<int>(kDeviceTexts.size())) return;
  deviceLabel_->setCaption(QString::number(selection + 1));
  currentDeviceText = QString::fromUtf8(kDeviceTexts[static_cast<std::size_t>(selection)]);
}

void MainWindow::onAmountChanged() { amountLabel_->setCaption(amountEdit_->text()); }

void MainWindow::onLoadPictureClicked() {
  const QString path = fileChooser_->chooseFileToOpen(this, lastChosenFile_);
  if (path.isEmpty()) return;  // cancelled: the poster stays as it is
  lastChosenFile_ = path;

  const QString name = QFileInfo(path).fileName();
  const FileReadResult read = ReadFileBytes(path);
  if (!read.ok()) {
    statusEdit_->setText(QStringLiteral("载入失败 -> %1，%2").arg(name, read.error));
    return;
  }
  // Started first so that the search runs while the box decodes the same bytes.
  BackgroundQrRead qrCodes(read.bytes, kQrSearchBox);
  if (!baseBox_->setPictureBytes(read.bytes)) {
    statusEdit_->setText(QStringLiteral("载入失败 -> %1，无法识别为图片").arg(name));
    return;
  }
  baseQrCodes_ = std::move(qrCodes);
}

void MainWindow::onGenerateClicked() {
  const QString amount = amountLabel_->caption();
  WidgetWindowCapture capture(this);
  const PosterResult result =
      GeneratePoster(capture, {GetDesktopFolder(), currentDeviceText, amount, baseQrCodes_.codes()});
  const QString name = currentDeviceText + amount + QStringLiteral("元");
  if (!result.ok()) {
    statusEdit_->setText(QStringLiteral("生成失败 -> ") + name + QStringLiteral("，") + result.error);
  } else if (!result.qrCodesKept) {
    statusEdit_->setText(QStringLiteral("生成完毕 -> ") + name + QStringLiteral("，二维码无法识别"));
  } else {
    statusEdit_->setText(QStringLiteral("生成完毕 -> ") + name);
  }
}

void MainWindow::onPreviewClicked() {
  const QString desktop = GetDesktopFolder();
  ShellOpen(PosterFolderPath(desktop));
  ShellOpen(PosterFilePath(desktop, currentDeviceText, amountLabel_->caption()));
}

}  // namespace plakora
