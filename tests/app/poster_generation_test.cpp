// SPDX-License-Identifier: MIT
// Generating and previewing poster files through the window, on a desktop in a temporary home.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cerrno>
#include <cstring>

#include "app/controls/picture_box.h"
#include "app/controls/transparent_label.h"
#include "app/window/main_window.h"
#include "app_test_support.h"
#include "runtime/picture/decode_picture.h"
#include "tests/runtime/qr/qr_pictures.h"

using namespace plakora;
using namespace plakora::testing;

namespace {

QTemporaryDir* home = nullptr;

QString Desktop() { return home->filePath("Desktop"); }
QString Folder() { return Desktop() + "/微信收款码海报文件夹"; }
QString Poster(const QString& name) { return Folder() + "/" + name; }

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Generate(MainWindow& window) { QTest::mouseClick(window.generateButton(), Qt::LeftButton); }

// Records what the desktop was asked to open.
class OpenedUrls : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.append(url); }
};

QStringList Entries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// A tmpfs over `dir` for the object's lifetime, unmounted however the test ends.
class TmpfsMount {
 public:
  TmpfsMount(const QString& dir, const char* options) : dir_(QFile::encodeName(dir)) {
    QDir().mkpath(dir);
    if (::mount("tmpfs", dir_.constData(), "tmpfs", 0, options) != 0) {
      failure_ = QString::fromLocal8Bit(std::strerror(errno));
    }
  }
  ~TmpfsMount() {
    if (failure_.isEmpty()) ::umount2(dir_.constData(), MNT_DETACH);
  }
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;

  // Empty once mounted; why not otherwise.
  const QString& failure() const { return failure_; }
  bool makeReadOnly() {
    return ::mount(nullptr, dir_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }
  // Writes `name` until the file system has no byte left.
  bool fill(const char* name) {
    const int fd = ::open((dir_ + '/' + name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const QByteArray block(4096, 'x');
    int lastErrno = 0;
    for (qsizetype size = block.size(); size > 0; size /= 2) {
      while (::write(fd, block.constData(), static_cast<std::size_t>(size)) == size) {
      }
      lastErrno = errno;
    }
    ::close(fd);
    return lastErrno == ENOSPC;
  }

 private:
  QByteArray dir_;
  QString failure_;
};

}  // namespace

class PosterGenerationTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
  void init() { QDir(Folder()).removeRecursively(); }

  void firstPosterCarriesTheUnderscore() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 1号设备_10元"));
    QVERIFY(QFile::exists(Poster("1号设备_10元.jpg")));
  }

  void deviceAndAmountNameTheFile() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    window.deviceCombo()->setFocus();
    QTest::keyClick(window.deviceCombo(), Qt::Key_Down);
    QTest::keyClick(window.deviceCombo(), Qt::Key_Down);
    QTRY_COMPARE(window.deviceCombo()->currentIndex(), 2);
    QTest::qWait(0);
    TypeAmount(window, "25");
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 3号设备25元"));
    QVERIFY(QFile::exists(Poster("3号设备25元.jpg")));
  }

  void emptyAmountAndRepeatedGenerateLeaveOneFileEach() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    TypeAmount(window, "");
    Generate(window);
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 1号设备_元"));
    QCOMPARE(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"1号设备_元.jpg"});
  }

  void posterIsAJpegOfThePosterArea() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    Generate(window);
    const QByteArray bytes = ReadAll(Poster("1号设备_10元.jpg"));
    QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));
    const QImage poster = QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(poster.size(), QSize(384, 520));
    const QImage shown = Paint(&window).copy(0, 0, 384, 520);
    // Quality 95 without chroma subsampling: close to the window everywhere.
    qint64 error = 0;
    for (int y = 0; y < 520; ++y) {
      for (int x = 0; x < 384; ++x) {
        const QRgb a = poster.pixel(x, y), b = shown.pixel(x, y);
        error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                 std::abs(qBlue(a) - qBlue(b));
      }
    }
    QVERIFY2(error / (384 * 520 * 3) < 3, qPrintable(QString::number(error)));
    QVERIFY(CountPixels(poster, {24, 9, 48, 52}, IsRed) > 40);
    QVERIFY(CountPixels(poster, {178, 20, 40, 40}, IsDark) > 30);
    QVERIFY(CountPixels(poster, {61, 390, 264, 32}, IsNearWhite) > 100);
  }

  void refusedAmountsKeepTheEarlierPoster_data() {
    QTest::addColumn<QString>("amount");
    for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"}) {
      QTest::newRow(c) << QString("1%1").arg(QLatin1String(c));
    }
    QTest::newRow("control character") << QString("1\t");
  }
  void refusedAmountsKeepTheEarlierPoster() {
    QFETCH(QString, amount);
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    TypeAmount(window, "1");
    Generate(window);
    const QByteArray earlier = ReadAll(Poster("1号设备_1元.jpg"));
    QVERIFY(!earlier.isEmpty());
    window.amountEdit()->setText(amount);
    Generate(window);
    QVERIFY2(window.statusEdit()->text().startsWith("生成失败 -> 1号设备_" + amount + "元，"),
             qPrintable(window.statusEdit()->text()));
    QCOMPARE(ReadAll(Poster("1号设备_1元.jpg")), earlier);
    QCOMPARE(QDir(Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"1号设备_1元.jpg"});
  }

  void unwritablePlacesFailWithAReason() {
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    // A directory where the poster file should be.
    QVERIFY(QDir().mkpath(Poster("1号设备_10元.jpg")));
    Generate(window);
    QVERIFY(window.statusEdit()->text().startsWith("生成失败 -> 1号设备_10元，"));
    QVERIFY(QFileInfo(Poster("1号设备_10元.jpg")).isDir());
    // A file where the poster folder should be.
    QDir(Folder()).removeRecursively();
    QFile blocker(Folder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), QString("生成失败 -> 1号设备_10元，无法创建文件夹"));
    QFile::remove(Folder());
  }

  // Each fault hits the second poster of the same name; the first, when there is one, must
  // come through byte for byte and no temporary file may stay behind.
  void fileSystemFaultsFailWithAReason_data() {
    QTest::addColumn<bool>("onDesktop");  // the tmpfs is the desktop, else the poster folder
    QTest::addColumn<bool>("earlierPoster");
    QTest::addColumn<bool>("full");  // filled up, else made read-only
    QTest::addColumn<QString>("reason");
    QTest::newRow("poster folder read-only") << false << false << false << "无法写入文件";
    QTest::newRow("poster folder read-only with an earlier poster")
        << false << true << false << "无法写入文件";
    QTest::newRow("desktop read-only without a poster folder")
        << true << false << false << "无法创建文件夹";
    QTest::newRow("desktop read-only with an earlier poster")
        << true << true << false << "无法写入文件";
    QTest::newRow("poster folder full with an earlier poster")
        << false << true << true << "磁盘空间不足";
    QTest::newRow("desktop full without a poster folder")
        << true << false << true << "磁盘空间不足";
  }
  void fileSystemFaultsFailWithAReason() {
    QFETCH(bool, onDesktop);
    QFETCH(bool, earlierPoster);
    QFETCH(bool, full);
    QFETCH(QString, reason);
    TmpfsMount disk(onDesktop ? Desktop() : Folder(), "size=512k,mode=0755");
    if (!disk.failure().isEmpty()) {
      QSKIP(qPrintable("mounting a tmpfs needs root with CAP_SYS_ADMIN: " + disk.failure()));
    }
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    TypeAmount(window, "1");
    QByteArray earlier;
    if (earlierPoster) {
      Generate(window);
      QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 1号设备_1元"));
      earlier = ReadAll(Poster("1号设备_1元.jpg"));
      QVERIFY(!earlier.isEmpty());
    }
    QVERIFY(full ? disk.fill("filler") : disk.makeReadOnly());
    const QStringList desktopBefore = Entries(Desktop());
    const QStringList folderBefore = Entries(Folder());

    Generate(window);
    QCOMPARE(window.statusEdit()->text(), "生成失败 -> 1号设备_1元，" + reason);
    QCOMPARE(ReadAll(Poster("1号设备_1元.jpg")), earlier);
    // The poster folder is made before the writing starts and may stay, empty.
    const auto withoutFolder = [](QStringList entries) {
      entries.removeOne("微信收款码海报文件夹");
      return entries;
    };
    QCOMPARE(withoutFolder(Entries(Desktop())), withoutFolder(desktopBefore));
    QCOMPARE(Entries(Folder()), folderBefore);
  }

  void missingDesktopIsCreatedWithItsParents() {
    QDir(Desktop()).removeRecursively();
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    Generate(window);
    QVERIFY(QFile::exists(Poster("1号设备_10元.jpg")));
  }

  void posterLoadsBackAsBasePicture() {
    QStringList answers;
    MainWindow window(std::make_unique<ScriptedFileChooser>(&answers));
    QVERIFY(ShowAndWaitForExposure(window));
    Generate(window);
    answers << Poster("1号设备_10元.jpg");
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 1号设备_10元"));
    QVERIFY(window.baseBox()->hasPicture());
  }

  void posterIsCheckedForTheQrCodeOfThePicture_data() {
    QTest::addColumn<QRectF>("symbol");  // where the code goes in a 1242 × 1678 picture
    QTest::addColumn<QString>("status");
    QTest::newRow("clear code where the poster leaves room")
        << QRectF(340, 580, 560, 560) << "生成完毕 -> 1号设备_10元";
    QTest::newRow("code under the header strip")
        << QRectF(400, 20, 220, 220) << "生成完毕 -> 1号设备_10元，二维码无法识别";
    QTest::newRow("code under the caption")
        << QRectF(480, 1250, 180, 180) << "生成完毕 -> 1号设备_10元，二维码无法识别";
    QTest::newRow("no code") << QRectF() << "生成完毕 -> 1号设备_10元";
  }
  void posterIsCheckedForTheQrCodeOfThePicture() {
    QFETCH(QRectF, symbol);
    QFETCH(QString, status);
    QImage picture = test::GreenPicture(QSize(1242, 1678));
    if (!symbol.isNull()) test::DrawQrCode(picture, "wxp://f2f0plakora测试", symbol);
    QTemporaryDir dir;
    const QString path = dir.filePath("mine.png");
    QVERIFY(picture.save(path, "PNG"));
    QStringList answers = {path};
    MainWindow window(std::make_unique<ScriptedFileChooser>(&answers));
    QVERIFY(ShowAndWaitForExposure(window));
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), status);
  }

  // The codes checked are always those of the picture on the poster: a failed load keeps them,
  // a new picture replaces them.
  void qrCodesFollowThePictureShown() {
    QTemporaryDir dir;
    QImage coded = test::GreenPicture(QSize(1242, 1678));
    test::DrawQrCode(coded, "wxp://f2f0plakora测试", QRectF(400, 20, 220, 220));
    QVERIFY(coded.save(dir.filePath("coded.png"), "PNG"));
    QVERIFY(test::GreenPicture(QSize(1242, 1678)).save(dir.filePath("plain.png"), "PNG"));
    QFile damaged(dir.filePath("damaged.png"));
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("not a picture") > 0);
    damaged.close();
    QStringList answers = {dir.filePath("coded.png"), dir.filePath("damaged.png"),
                           dir.filePath("plain.png")};
    MainWindow window(std::make_unique<ScriptedFileChooser>(&answers));
    QVERIFY(ShowAndWaitForExposure(window));
    const QString lost = "生成完毕 -> 1号设备_10元，二维码无法识别";
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), lost);
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    QVERIFY(window.statusEdit()->text().startsWith("载入失败 -> damaged.png"));
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), lost);
    QTest::mouseClick(window.loadPictureButton(), Qt::LeftButton);
    Generate(window);
    QCOMPARE(window.statusEdit()->text(), QString("生成完毕 -> 1号设备_10元"));
  }

  void previewOpensTheFolderThenTheFile() {
    OpenedUrls opened;
    QDesktopServices::setUrlHandler("file", &opened, "open");
    MainWindow window;
    QVERIFY(ShowAndWaitForExposure(window));
    TypeAmount(window, "7");
    QTest::mouseClick(window.previewButton(), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(opened.urls, QList<QUrl>({QUrl::fromLocalFile(Folder()),
                                       QUrl::fromLocalFile(Poster("1号设备_7元.jpg"))}));
  }
};

int main(int argc, char** argv) {
  // Where allowed, mounts made by the tests live in a namespace of their own, so none outlives
  // the process even if it dies; without the rights the mounting tests skip.
  if (::unshare(CLONE_NEWNS) == 0) ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
  QTemporaryDir temporaryHome;
  home = &temporaryHome;
  qputenv("HOME", temporaryHome.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (temporaryHome.path() + "/.config").toUtf8());
  QApplication app(argc, argv);
  PosterGenerationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "poster_generation_test.moc"
