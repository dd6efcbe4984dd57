// SPDX-License-Identifier: MIT
// The window's capture: any area of it paints exactly as the whole capture shows it.
#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include "app/poster/widget_window_capture.h"
#include "app/window/main_window.h"
#include "imaging/capture_poster_image.h"
#include "imaging/capture_window_image.h"
#include "imaging/crop_bitmap_region.h"
#include "app_test_support.h"

namespace plakora {

using testing::ShowAndWaitForExposure;

class WindowCaptureTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

  void areaEqualsTheCutOfTheWholeCapture_data() {
    QTest::addColumn<QRect>("area");  // in the 390 × 670 window, frame included
    QTest::newRow("poster") << QRect(3, 25, 384, 520);
    QTest::newRow("caption bar with icon and title") << QRect(0, 0, 200, 30);
    QTest::newRow("controls under the poster") << QRect(10, 560, 300, 90);
    QTest::newRow("across the left frame") << QRect(0, 300, 40, 40);
    QTest::newRow("bottom right corner") << QRect(380, 660, 10, 10);
    QTest::newRow("whole window") << QRect(0, 0, 390, 670);
  }
  void areaEqualsTheCutOfTheWholeCapture() {
    QFETCH(QRect, area);
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    WidgetWindowCapture capture(&window);
    const ByteBuffer whole = CaptureWindowImage(&capture);
    const ByteBuffer cut = CropBitmapRegion(whole, area.x(), area.y(), area.width(), area.height());
    QVERIFY(!cut.empty());
    const ByteBuffer painted = CapturePosterImage(
        &capture, CaptureRegion{area.x(), area.y(), area.width(), area.height()});
    QVERIFY(painted == cut);
  }

  // Headless tools never show the window; their posters must not differ.
  void aWindowNeverShownGivesTheSamePoster() {
    MainWindow shown;
    QVERIFY(ShowAndWaitForExposure(shown));
    WidgetWindowCapture shownCapture(&shown);
    MainWindow hidden;
    WidgetWindowCapture hiddenCapture(&hidden);
    const ByteBuffer poster = CapturePosterImage(&hiddenCapture);
    QVERIFY(!poster.empty());
    QVERIFY(poster == CapturePosterImage(&shownCapture));
  }
};

}  // namespace plakora

QTEST_MAIN(plakora::WindowCaptureTest)
#include "window_capture_test.moc"
