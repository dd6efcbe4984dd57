// SPDX-License-Identifier: MIT
#include "start_program.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <cfenv>
#include <new>

#include "app/window/current_device_text.h"
#include "app/window/main_window.h"
#include "exit_routines.h"
#include "fatal_error.h"

namespace plakora {
namespace {

void OutOfMemory() { ReportFatalError(QStringLiteral("内存不足")); }

}  // namespace

int StartProgram(int argc, char** argv) {
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);
  std::set_new_handler(OutOfMemory);

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plakora"));
  QApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
  // One look on every platform: the poster's pixels must not depend on the desktop theme.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QDir::setCurrent(QCoreApplication::applicationDirPath());

  RegisterExitRoutine(ReleaseGlobals);
  int exitCode = 0;
  {
    MainWindow window;
    window.show();
    exitCode = QApplication::exec();
  }
  RunExitRoutines();
  return exitCode;
}

}  // namespace plakora
