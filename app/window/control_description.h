// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QRgb>
#include <QtGlobal>
#include <optional>
#include <span>

namespace plakora {

enum class ControlKind { Button, EditBox, Label, TransparentLabel, ComboBox, PictureBox, CommonDialog, GroupBox };

// The window's controls; MainWindow stands for the window itself as a parent.
enum class ControlName {
  MainWindow,
  OpenFolderButton,
  StatusEdit,
  DeviceLabel,
  LoadPictureButton,
  LoadPictureDialog,
  AmountTitleLabel,
  AmountEdit,
  DeviceCombo,
  GenerateButton,
  CaptionLabel,
  AmountLabel,
  HeaderBox,
  BaseBox,
  EditGroup,
};

enum class FontName { DefaultGui, Font1, Font2, Font3, Font4 };

enum class BuiltinPicture { None, HeaderStrip, DeviceLabel, BasePoster };

// How a picture fills its control.
enum class PictureMode { None, NaturalTopLeft, Stretched, Tiled };

// A colour from the table, or the system's button-face colour fetched when the control is made.
struct ColourSetting {
  std::optional<QRgb> rgb;  // nullopt: button face
  static constexpr ColourSetting ButtonFace() { return {}; }
  static constexpr ColourSetting Rgb(int r, int g, int b) { return {qRgb(r, g, b)}; }
};

struct ControlDescription {
  ControlName control;
  ControlKind kind;
  const char* name;    // UTF-8
  quint32 number;      // the number the window addresses the control by
  ControlName parent;
  QRect geometry;      // in the parent's client coordinates
  bool visible;
  bool tabStop;
  const char* text;    // caption or content, UTF-8; nullptr for none
  FontName font;
  ColourSetting textColour;
  ColourSetting background;
  Qt::Alignment alignment;
  BuiltinPicture picture;
  PictureMode pictureMode;
  std::span<const char* const> items;  // list items of a combo box
};

struct WindowDescription {
  const char* caption;
  quint32 number;
  QSize outerSize;
  QSize clientSize;
  ColourSetting background;
  // Top of the table first: this order is the z-order among siblings (first on top).
  std::span<const ControlDescription> controls;
};

const WindowDescription& MainWindowDescription();

}  // namespace plakora
