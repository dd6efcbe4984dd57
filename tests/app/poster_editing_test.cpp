// SPDX-License-Identifier: MIT
// Editing the poster through the window: device, amount and base picture.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include "app/controls/background_label.h"
#include "app/controls/picture_box.h"
#include "app/controls/transparent_label.h"
#include "app/window/current_device_text.h"
#include "app/window/main_window.h"
#include "app_test_support.h"

using namespace plakora;
using namespace plakora::testing;

namespace {

// Picks list item `index` the way a user does: open the list, move to the item, confirm.
void PickDevice(MainWindow& window, int index) {
  QComboBox* combo = window.deviceCombo();
  combo->showPopup();
  QWidget* popup = QApplication::activePopupWidget();
  QVERIFY(popup != nullptr);
  QWidget* list = popup->focusWidget() ? popup->focusWidget() : popup;
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
}

QString SolidPicture(const QTemporaryDir& dir, const QString& name, QColor colour, const char* format) {
  QImage image(120, 90, QImage::Format_RGB32);
  image.fill(colour);
  const QString path = dir.filePath(name);
  image.save(path, format);
  return path;
}

// Half of the file at `from`, written to `to`.
bool CutCopy(const QString& from, const QString& to) {
  QFile source(from);
  QFile target(to);
  if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = source.readAll();
  return !bytes.isEmpty() && target.write(bytes.left(bytes.size() / 2)) == bytes.size() / 2;
}

// Answers from a script, and deletes the file named `vanishing` after choosing it, as another
// program might between the dialog closing and the file being read.
class VanishingFileChooser : public ScriptedFileChooser {
 public:
  VanishingFileChooser(QStringList* answers, QString vanishing)
      : ScriptedFileChooser(answers), vanishing_(std::move(vanishing)) {}
  QString chooseFileToOpen(QWidget* parent, const QString& previous) override {
    const QString path = ScriptedFileChooser::chooseFileToOpen(parent, previous);
    if (QFileInfo(path).fileName() == vanishing_) QFile::remove(path);
    return path;
  }

 private:
  QString vanishing_;
};

}  // namespace

class PosterEditingTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

  void pickingADeviceSetsDigitAndText_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("digit");
    QTest::addColumn<QString>("deviceText");
    QTest::newRow("first") << 0 << "1"
                           << "1号设备";
    QTest::newRow("third") << 2 << "3"
                           << "3号设备";
    QTest::newRow("fifth") << 4 << "5"
                           << "5号设备";
  }
  void pickingADeviceSetsDigitAndText() {
    QFETCH(int, index);
    QFETCH(QString, digit);
    QFETCH(QString, deviceText);
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    PickDevice(window, index);
    QTRY_COMPARE(window.deviceLabel()->caption(), digit);
    QTRY_COMPARE(currentDeviceText, deviceText);
  }

  void pickingTheFirstDeviceAgainDropsTheUnderscore() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    QCOMPARE(currentDeviceText, QString("1号设备_"));
    PickDevice(window, 1);
    QTRY_COMPARE(currentDeviceText, QString("2号设备"));
    PickDevice(window, 0);
    QTRY_COMPARE(currentDeviceText, QString("1号设备"));
    QCOMPARE(window.deviceLabel()->caption(), QString("1"));
  }

  void typedAmountIsCopiedUnchanged_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("whole number") << "25";
    QTest::newRow("decimal") << "12.50";
    QTest::newRow("letters and spaces") << "a b";
    QTest::newRow("file-name characters") << "a/b:c";
    QTest::newRow("empty") << "";
  }
  void typedAmountIsCopiedUnchanged() {
    QFETCH(QString, typed);
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    TypeAmount(window, typed);
    QCOMPARE(window.amountLabel()->caption(), typed);
  }

  void shorterAmountLeavesNoTrace() {
    MainWindow reference;
    QVERIFY(ShowAndWaitForExposure(reference));
    TypeAmount(reference, "1");

    MainWindow edited;
    QVERIFY(ShowAndWaitForExposure(edited));
    TypeAmount(edited, "8888");
    QVERIFY(Paint(&edited) != Paint(&reference));
    TypeAmount(edited, "1");
    const QRect header(0, 0, 384, 80);
    QCOMPARE(Paint(&edited).copy(header), Paint(&reference).copy(header));
  }

  void wideAmountIsCentredAndCutAtTheLabelEdges() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    TypeAmount(window, "88888");
    const QImage client = Paint(&window);
    // The text overflows the 40-pixel label on both sides but nothing is drawn outside it.
    QVERIFY(CountPixels(client, {178, 20, 4, 40}, IsDark) > 0);
    QVERIFY(CountPixels(client, {214, 20, 4, 40}, IsDark) > 0);
    MainWindow plain;
    QVERIFY(ShowAndWaitForExposure(plain));
    TypeAmount(plain, "");
    const QImage empty = Paint(&plain);
    QCOMPARE(client.copy(170, 20, 8, 40), empty.copy(170, 20, 8, 40));
    QCOMPARE(client.copy(218, 20, 4, 40), empty.copy(218, 20, 4, 40));
  }

  void ampersandUnderlinesTheNextCharacter() {
    MainWindow a;
    MainWindow b;
    for (MainWindow* w : {&a, &b}) {
      QVERIFY(ShowAndWaitForExposure(*w));
    }
    TypeAmount(a, "&&");
    TypeAmount(b, "&");
    // "&&" shows one ampersand; a lone "&" shows nothing.
    QVERIFY(CountPixels(Paint(&a), {178, 20, 40, 40}, IsDark) > 0);
    QCOMPARE(CountPixels(Paint(&b), {178, 20, 40, 40}, IsDark), 0);
  }

  void loadingAPictureShowsItStretched_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << QByteArray("PNG");
    QTest::newRow("jpeg") << QByteArray("JPG");
    QTest::newRow("bmp") << QByteArray("BMP");
  }
  void loadingAPictureShowsItStretched() {
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    // The name says text; the content decides.
    QStringList answers = {SolidPicture(dir, "picture.txt", QColor(0, 0, 255), format.constData())};
    MainWindow window(std::make_unique<ScriptedFileChooser>(&answers));
    QVERIFY(ShowAndWaitForExposure(window));
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    const QImage client = Paint(&window);
    const QRgb below = client.pixel(200, 500);
    QVERIFY(qBlue(below) > 240 && qRed(below) < 15 && qGreen(below) < 15);
    const QRgb rightEdge = client.pixel(383, 100);
    QVERIFY(qBlue(rightEdge) > 240 && qRed(rightEdge) < 15);
  }

  void failedLoadsKeepThePicture_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("status");
    QTest::newRow("cancel") << ""
                            << "生成完毕 -> 1号设备10元";
    QTest::newRow("text file") << "notes.txt"
                               << "载入失败 -> notes.txt，无法识别为图片";
    QTest::newRow("empty file") << "empty.png"
                                << "载入失败 -> empty.png，无法识别为图片";
    QTest::newRow("missing file") << "gone.png"
                                  << "载入失败 -> gone.png，文件不存在";
    QTest::newRow("directory") << "folder"
                               << "载入失败 -> folder，这是一个文件夹";
    QTest::newRow("truncated jpeg") << "cut.jpg"
                                    << "载入失败 -> cut.jpg，无法识别为图片";
    QTest::newRow("truncated png") << "cut.png"
                                   << "载入失败 -> cut.png，无法识别为图片";
    QTest::newRow("no read permission") << "locked.png"
                                        << "载入失败 -> locked.png，无法打开文件";
    QTest::newRow("vanishes after choosing") << "vanishing.png"
                                             << "载入失败 -> vanishing.png，文件不存在";
  }
  void failedLoadsKeepThePicture() {
    QFETCH(QString, choice);
    QFETCH(QString, status);
    QTemporaryDir dir;
    QFile text(dir.filePath("notes.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture\n");
    text.close();
    QFile empty(dir.filePath("empty.png"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(CutCopy(SolidPicture(dir, "whole.jpg", Qt::green, "JPG"), dir.filePath("cut.jpg")));
    QVERIFY(CutCopy(SolidPicture(dir, "whole.png", Qt::green, "PNG"), dir.filePath("cut.png")));
    const QString locked = SolidPicture(dir, "locked.png", Qt::green, "PNG");
    QVERIFY(QFile::setPermissions(locked, QFile::WriteOwner));
    if (choice == "locked.png" && QFile(locked).open(QIODevice::ReadOnly)) {
      QSKIP("this user reads files whatever their permission bits (root)");
    }
    SolidPicture(dir, "vanishing.png", Qt::green, "PNG");

    QStringList answers = {SolidPicture(dir, "blue.png", QColor(0, 0, 255), "PNG"),
                           choice.isEmpty() ? QString() : dir.filePath(choice),
                           SolidPicture(dir, "red.png", QColor(255, 0, 0), "PNG")};
    MainWindow window(std::make_unique<VanishingFileChooser>(&answers, "vanishing.png"));
    QVERIFY(ShowAndWaitForExposure(window));
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    const QImage before = Paint(&window);
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    QCOMPARE(window.statusEdit()->text(), status);
    QCOMPARE(Paint(&window).copy(0, 80, 384, 440), before.copy(0, 80, 384, 440));
    QVERIFY(window.baseBox()->hasPicture());
    // The window still works: the next good picture is shown.
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    const QRgb below = Paint(&window).pixel(200, 500);
    QVERIFY(qRed(below) > 240 && qBlue(below) < 15);
  }

  void dialogOffersTheLastChosenFile() {
    QTemporaryDir dir;
    const QString picture = SolidPicture(dir, "p.png", Qt::red, "PNG");
    QStringList answers = {picture, QString()};
    auto chooser = std::make_unique<ScriptedFileChooser>(&answers);
    ScriptedFileChooser* seen = chooser.get();
    MainWindow window(std::move(chooser));
    QVERIFY(ShowAndWaitForExposure(window));
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    QCOMPARE(seen->offered, QStringList({QString(), picture}));
  }
};

QTEST_MAIN(PosterEditingTest)
#include "poster_editing_test.moc"
