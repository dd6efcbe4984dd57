// SPDX-License-Identifier: MIT
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <memory>

#include "app/window/control_description.h"
#include "imaging/byte_buffer.h"

class QMovie;

namespace plakora {

// A box that shows a picture at its natural size at the top-left corner or stretched to the
// whole box, over its background colour. The picture is blended and scaled once when it is
// set; a paint only copies the result. Animated GIFs play.
class PictureBox : public QWidget {
  Q_OBJECT
 public:
  PictureBox(PictureMode mode, const QColor& background, QWidget* parent = nullptr);
  ~PictureBox() override;

  // Decodes `bytes` by their content and shows them. When they are no picture (or too large
  // to decode safely) nothing changes and false is returned.
  bool setPictureBytes(const ByteBuffer& bytes);

  bool hasPicture() const { return !shown_.isNull(); }
  bool isAnimated() const { return movie_ != nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void showFrame(const QImage& frame);
  void stopAnimation();

  PictureMode mode_;
  QColor background_;
  QImage shown_;  // ready to copy: blended, and scaled for the stretched mode
  QByteArray movieBytes_;
  QBuffer movieBuffer_;
  std::unique_ptr<QMovie> movie_;
};

}  // namespace plakora
