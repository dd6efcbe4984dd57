// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "control_description.h"

namespace plakora {

// The system's button-face colour, as the palette gives it now.
QColor ButtonFaceColour();

QColor ResolveColour(const ColourSetting& setting);

// Makes the widget for one described control, placed, styled and captioned, as a hidden
// child of `parent`. The common dialog is no widget: it gives nullptr.
QWidget* CreateControl(const ControlDescription& description, QWidget* parent);

}  // namespace plakora
