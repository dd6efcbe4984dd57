// SPDX-License-Identifier: MIT
#include "control_factory.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "app/controls/background_label.h"
#include "app/controls/picture_box.h"
#include "app/controls/transparent_label.h"
#include "font_table.h"

namespace plakora {
namespace {

QString Text(const ControlDescription& d) { return d.text ? QString::fromUtf8(d.text) : QString(); }

void SetColours(QWidget* widget, const ControlDescription& d, QPalette::ColorRole textRole,
                QPalette::ColorRole backgroundRole) {
  QPalette palette = widget->palette();
  palette.setColor(textRole, ResolveColour(d.textColour));
  palette.setColor(backgroundRole, ResolveColour(d.background));
  widget->setPalette(palette);
}

// Every maker sets the font before any text, so that no text is laid out twice.

QWidget* MakeEditBox(const ControlDescription& d, const QFont& font, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setFont(font);
  edit->setText(Text(d));
  edit->setAlignment(d.alignment);
  SetColours(edit, d, QPalette::Text, QPalette::Base);
  return edit;
}

QWidget* MakeComboBox(const ControlDescription& d, const QFont& font, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setFont(font);
  for (const char* item : d.items) combo->addItem(QString::fromUtf8(item));
  combo->setCurrentIndex(0);
  combo->setMaxVisibleItems(static_cast<int>(d.items.size()));
  SetColours(combo, d, QPalette::Text, QPalette::Base);
  return combo;
}

QWidget* MakeGroupBox(const ControlDescription& d, const QFont& font, QWidget* parent) {
  auto* group = new QGroupBox(parent);
  group->setFont(font);
  group->setTitle(Text(d));
  group->setAlignment(Qt::AlignLeft);
  SetColours(group, d, QPalette::WindowText, QPalette::Window);
  group->setAutoFillBackground(true);
  return group;
}

QWidget* MakeButton(const ControlDescription& d, const QFont& font, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setFont(font);
  button->setText(Text(d));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

QColor ButtonFaceColour() { return QApplication::palette().color(QPalette::Button); }

QColor ResolveColour(const ColourSetting& setting) {
  return setting.rgb ? QColor::fromRgb(*setting.rgb) : ButtonFaceColour();
}

QWidget* CreateControl(const ControlDescription& d, QWidget* parent) {
  const QFont font = MakeFont(d.font);
  QWidget* widget = nullptr;
  switch (d.kind) {
    case ControlKind::CommonDialog: return nullptr;
    case ControlKind::Button: widget = MakeButton(d, font, parent); break;
    case ControlKind::EditBox: widget = MakeEditBox(d, font, parent); break;
    case ControlKind::ComboBox: widget = MakeComboBox(d, font, parent); break;
    case ControlKind::GroupBox: widget = MakeGroupBox(d, font, parent); break;
    case ControlKind::PictureBox:
      widget = new PictureBox(d.pictureMode, ResolveColour(d.background), parent);
      widget->setFont(font);
      break;
    case ControlKind::Label: {
      auto* label = new BackgroundLabel(ResolveColour(d.textColour), ResolveColour(d.background),
                                        d.alignment, parent);
      label->setFont(font);
      label->setCaption(Text(d));
      widget = label;
      break;
    }
    case ControlKind::TransparentLabel: {
      auto* label = new TransparentLabel(ResolveColour(d.textColour), d.alignment, parent);
      label->setFont(font);
      label->setCaption(Text(d));
      widget = label;
      break;
    }
  }
  widget->setObjectName(QString::fromUtf8(d.name));
  widget->setGeometry(d.geometry);
  widget->setFocusPolicy(d.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  widget->setVisible(false);
  return widget;
}

}  // namespace plakora
