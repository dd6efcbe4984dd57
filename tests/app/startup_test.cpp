// SPDX-License-Identifier: MIT
// The program's two edges: a normal end after the window closes, and a fatal error.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "app/startup/exit_routines.h"
#include "app/startup/fatal_error.h"
#include "app/startup/start_program.h"
#include "app/window/current_device_text.h"

namespace plakora {
namespace {

std::vector<int> ranRoutines;
void First() { ranRoutines.push_back(1); }
void Second() { ranRoutines.push_back(2); }

TEST(ExitRoutines, RunOnceInOrderOfRegistrationEvenWhenRegisteredTwice) {
  ranRoutines.clear();
  RegisterExitRoutine(First);
  RegisterExitRoutine(Second);
  RegisterExitRoutine(First);
  RunExitRoutines();
  RunExitRoutines();
  EXPECT_EQ(ranRoutines, (std::vector<int>{1, 2}));
}

TEST(ReleaseGlobals, LeavesTheDeviceTextEmptyWhateverItHeld) {
  currentDeviceText.clear();
  ReleaseGlobals();
  EXPECT_TRUE(currentDeviceText.isEmpty());
  currentDeviceText = QString::fromUtf8(kDeviceTexts[4]);
  ReleaseGlobals();
  EXPECT_TRUE(currentDeviceText.isEmpty());
}

QString markerPath;
void WriteMarker() {
  QFile marker(markerPath);
  (void)marker.open(QIODevice::WriteOnly);
}

TEST(ReportFatalError, EndsWithMinusOneWithoutTheExitRoutines) {
  QTemporaryDir dir;
  markerPath = dir.filePath("exit-routine-ran");
  EXPECT_EXIT(
      {
        RegisterExitRoutine(WriteMarker);
        ReportFatalError(QStringLiteral("磁盘着火"));
      },
      ::testing::ExitedWithCode(255), "磁盘着火");
  EXPECT_FALSE(QFile::exists(markerPath));
}

int releaseCountAtEnd = -1;
void CountRoutine() { releaseCountAtEnd = currentDeviceText.isEmpty() ? 1 : 0; }

// Closes the window shortly after the program has shown it, as a user would.
void CloseWindowSoon() {
  QTimer::singleShot(100, [] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->isVisible()) widget->close();
    }
  });
}

TEST(StartProgram, ClosingTheWindowEndsWithZeroAfterTheExitRoutines) {
  qAddPreRoutine(CloseWindowSoon);
  // Registered after ReleaseGlobals would be; runs after it, so it sees the text released.
  RegisterExitRoutine(ReleaseGlobals);
  RegisterExitRoutine(CountRoutine);
  char name[] = "plakora";
  char* argv[] = {name, nullptr};
  EXPECT_EQ(StartProgram(1, argv), 0);
  EXPECT_EQ(releaseCountAtEnd, 1);
}

}  // namespace
}  // namespace plakora
