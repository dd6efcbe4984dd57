// SPDX-License-Identifier: MIT
// The window as it starts: layout, first paint of the poster area, focus and keyboard.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>

#include "app/controls/background_label.h"
#include "app/controls/picture_box.h"
#include "app/controls/transparent_label.h"
#include "app/window/control_factory.h"
#include "app/window/current_device_text.h"
#include "app/window/main_window.h"
#include "app_test_support.h"

using namespace plakora;
using namespace plakora::testing;

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

  void windowSettings() {
    MainWindow window;
    QCOMPARE(window.windowTitle(), QString("Plakora_v21.0723a"));
    QCOMPARE(window.size(), QSize(384, 642));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().pixmap(64, 64).size(), QSize(64, 64));
    // Centred on the whole primary screen, outer size 390 × 670, truncated toward zero.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(window.pos(), QPoint((screen.width() - 390) / 2, (screen.height() - 670) / 2));
  }

  void startStateOfTheControls() {
    MainWindow window;
    QCOMPARE(currentDeviceText, QString("1号设备_"));
    QCOMPARE(window.deviceLabel()->caption(), QString("1"));
    QCOMPARE(window.amountLabel()->caption(), QString("10"));
    QCOMPARE(window.captionLabel()->caption(), QString("长按识别二维码"));
    QCOMPARE(window.amountEdit()->text(), QString("10"));
    QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 1号设备10元"));
    QCOMPARE(window.generateButton()->text(), QString("生成图片"));
    QCOMPARE(window.previewButton()->text(), QString("预览"));
    QCOMPARE(window.loadPictureButton()->text(), QString("载入图片"));
    auto* group = qobject_cast<QGroupBox*>(window.control(ControlName::EditGroup));
    QVERIFY(group);
    QCOMPARE(group->title(), QString("修改区:"));
    QVERIFY(window.control(ControlName::LoadPictureDialog) == nullptr);

    QComboBox* combo = window.deviceCombo();
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    QCOMPARE(items, QStringList({"1号设备", "2号设备", "3号设备", "4号设备", "5号设备"}));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(window.amountEdit()->palette().color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(window.amountEdit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  }

  void zOrderAndParents() {
    MainWindow window;
    // The header strip lies over the base picture, the device digit over the amount.
    QCOMPARE(window.headerBox()->parentWidget(), &window);
    QCOMPARE(window.deviceLabel()->parentWidget(), window.headerBox());
    QCOMPARE(window.captionLabel()->parentWidget(), window.baseBox());
    const QObjectList top = window.children();
    QVERIFY(top.indexOf(window.headerBox()) > top.indexOf(window.baseBox()));
    QVERIFY(top.indexOf(window.baseBox()) > top.indexOf(window.control(ControlName::EditGroup)));
    const QObjectList header = window.headerBox()->children();
    QVERIFY(header.indexOf(window.deviceLabel()) > header.indexOf(window.amountLabel()));
  }

  void posterAreaAtStart() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    const QImage client = Paint(&window);
    // Red device digit over a background that blends with the header strip.
    QVERIFY(CountPixels(client, {24, 9, 48, 52}, IsRed) > 60);
    const QRgb labelCorner = client.pixel(25, 10);
    const QRgb headerBeside = client.pixel(22, 10);
    QVERIFY(std::abs(qRed(labelCorner) - qRed(headerBeside)) <= 6);
    QVERIFY(std::abs(qBlue(labelCorner) - qBlue(headerBeside)) <= 6);
    // Black amount before the header's own text; white caption on the base picture.
    QVERIFY(CountPixels(client, {178, 20, 40, 40}, IsDark) > 40);
    QVERIFY(CountPixels(client, {61, 390, 264, 32}, IsNearWhite) > 150);
    // Nothing of the header or the labels paints below the header strip's 80 rows except
    // the base picture: the caption stays inside its own box.
    QCOMPARE(CountPixels(client, {0, 520, 384, 16}, IsRed), 0);
  }

  void headerBoxEdgesShowButtonFace() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    const QImage header = Paint(window.headerBox());
    QCOMPARE(header.size(), QSize(390, 80));
    const QRgb face = ButtonFaceColour().rgb();
    const auto isFace = [face](QRgb p) { return (p | 0xFF000000) == (face | 0xFF000000); };
    QCOMPARE(CountPixels(header, {387, 0, 3, 80}, isFace), 3 * 80);
    QCOMPARE(CountPixels(header, {0, 79, 387, 1}, isFace), 387);
    QCOMPARE(CountPixels(header, {0, 0, 20, 79}, isFace), 0);
  }

  void firstFocusAndTabCycle() {
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.generateButton());
    const QList<QWidget*> cycle = {window.deviceCombo(), window.amountEdit(),
                                   window.loadPictureButton(), window.statusEdit(),
                                   window.previewButton(), window.generateButton()};
    for (QWidget* expected : cycle) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), window.previewButton());
  }

  void escapeClosesFromEveryControl_data() {
    QTest::addColumn<int>("control");
    QTest::newRow("button") << int(ControlName::GenerateButton);
    QTest::newRow("combo box") << int(ControlName::DeviceCombo);
    QTest::newRow("amount edit box") << int(ControlName::AmountEdit);
    QTest::newRow("status edit box") << int(ControlName::StatusEdit);
  }
  void escapeClosesFromEveryControl() {
    QFETCH(int, control);
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* target = window.control(static_cast<ControlName>(control));
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape);
    QTRY_VERIFY(!window.isVisible());
  }

  void escapeClosesWhileTheListIsOpen() {
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.deviceCombo()->showPopup();
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!window.isVisible());
  }

  void enterClicksNothing() {
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.amountEdit()->setFocus();
    QTest::keyClick(window.amountEdit(), Qt::Key_Return);
    QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 1号设备10元"));
    QVERIFY(window.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
