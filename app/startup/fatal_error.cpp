// SPDX-License-Identifier: MIT
#include "fatal_error.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "exit_routines.h"

namespace plakora {
namespace {

bool CanShowMessageBox() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

void ReportFatalError(const QString& message) {
  const QString text = QStringLiteral("Plakora: 严重错误: %1").arg(message);
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  if (CanShowMessageBox()) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Plakora"), text, QMessageBox::Ok);
    box.exec();
  }
  DiscardExitRoutines();
  std::fflush(nullptr);
  std::_Exit(kFatalExitCode);
}

}  // namespace plakora
