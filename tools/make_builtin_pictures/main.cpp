// SPDX-License-Identifier: MIT
// Writes the window's built-in pictures into the folder given as argument.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "base_poster.h"
#include "byte_file.h"
#include "device_label.h"
#include "exif_thumbnail.h"
#include "header_strip.h"
#include "ico_file.h"
#include "jpeg_encoder.h"
#include "png_file.h"
#include "window_icon.h"

namespace {

using namespace plakora::pictures;

void WritePictures(const QDir& out) {
  WriteRgbaPng(MakeHeaderStrip(), out.filePath(QStringLiteral("header_strip.png")));
  WriteRgbaPng(MakeDeviceLabel(), out.filePath(QStringLiteral("device_label.png")));

  const QImage poster = MakeBasePoster();
  // Exif thumbnails carry no JFIF header of their own.
  const Bytes thumbnail =
      EncodeJpeg(poster.scaled(88, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 JpegOptions{85, false, {}});
  WriteByteFile(out.filePath(QStringLiteral("base_poster.jpg")),
                EncodeJpeg(poster, JpegOptions{90, true, ExifBlockWithThumbnail(thumbnail)}));

  WriteByteFile(out.filePath(QStringLiteral("window_icon.ico")),
                IcoWith32BitImage(MakeWindowIcon()));
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a platform plugin, but no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: make_builtin_pictures OUTPUT_FOLDER\n");
    return 2;
  }
  try {
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
      throw std::runtime_error("cannot create " + args.at(1).toStdString());
    }
    WritePictures(out);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_builtin_pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}
