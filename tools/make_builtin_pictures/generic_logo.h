// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QRectF>

namespace plakora::pictures {

// Our own mark: two overlapping white speech bubbles on a green rounded square.
void DrawGenericLogo(QPainter& painter, const QRectF& square);

}  // namespace plakora::pictures
