// SPDX-License-Identifier: MIT
#include "picture_box.h"

#include <QImageReader>
#include <QMovie>
#include <QPainter>

#include "blend_over_colour.h"
#include "runtime/picture/decode_picture.h"
#include "runtime/picture/picture_format.h"

namespace plakora {
namespace {

bool IsAnimatedGif(QBuffer& buffer) {
  QImageReader reader(&buffer, "gif");
  const bool animated = reader.supportsAnimation() && reader.imageCount() != 1;
  buffer.seek(0);
  return animated;
}

}  // namespace

PictureBox::PictureBox(PictureMode mode, const QColor& background, QWidget* parent)
    : QWidget(parent), mode_(mode), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() { stopAnimation(); }

bool PictureBox::setPictureBytes(const ByteBuffer& bytes) {
  const QSize box = mode_ == PictureMode::Stretched ? size() : QSize();
  const QImage first = DecodePicture(bytes, box);
  if (first.isNull()) return false;

  stopAnimation();
  if (SniffPictureFormat(bytes) == PictureFormat::Gif) {
    movieBytes_ = QByteArray(reinterpret_cast<const char*>(bytes.data()),
                             static_cast<qsizetype>(bytes.size()));
    movieBuffer_.setData(movieBytes_);
    movieBuffer_.open(QIODevice::ReadOnly);
    if (IsAnimatedGif(movieBuffer_)) {
      movie_ = std::make_unique<QMovie>(&movieBuffer_, "gif");
      connect(movie_.get(), &QMovie::frameChanged, this,
              [this] { showFrame(movie_->currentImage()); });
      movie_->start();
    } else {
      movieBuffer_.close();
      movieBytes_.clear();
    }
  }
  showFrame(first);
  return true;
}

void PictureBox::showFrame(const QImage& frame) {
  if (frame.isNull()) return;
  QImage blended = BlendOverColour(frame, background_);
  if (mode_ == PictureMode::Stretched && blended.size() != size()) {
    blended = blended.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  shown_ = std::move(blended);
  update();
}

void PictureBox::stopAnimation() {
  if (movie_) {
    movie_->stop();
    movie_.reset();
  }
  if (movieBuffer_.isOpen()) movieBuffer_.close();
  movieBytes_.clear();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  if (!shown_.isNull()) painter.drawImage(QPoint(0, 0), shown_);
}

}  // namespace plakora
