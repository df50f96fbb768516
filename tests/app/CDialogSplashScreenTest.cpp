#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "app/CDialogSplashScreen.h"

namespace {

class SplashFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    std::filesystem::create_directories(DataFolder());
  }

  void SavePicture(const char* name, int width, int height, const QColor& color) const {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    ASSERT_TRUE(picture.save(QString::fromStdString((DataFolder() / name).string())));
  }

  // Runs the real modal loop; ends it with 99 if nothing else did within `ms`.
  static INT_PTR RunModal(CDialogSplashScreen& splash, int ms) {
    CDialog::SetModalHook(nullptr);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&splash] { splash.EndDialog(99); });
    watchdog.start(ms);
    return splash.DoModal();
  }
};

TEST_F(SplashFixture, ThePictureIsTheDownloadedOneElseTheStandardOne) {
  struct Case {
    bool Downloaded, DownloadedBroken, Standard;
    int Width;
  };
  const Case cases[] = {
      {true, false, true, 320},    // pic.bmp wins
      {true, true, true, 200},     // a broken download falls back
      {false, false, true, 200},   // first start without network
      {false, false, false, 600},  // the picture built into the program
  };
  for (const Case& test : cases) {
    std::filesystem::remove_all(DataFolder());
    std::filesystem::create_directories(DataFolder());
    if (test.Downloaded && !test.DownloadedBroken) SavePicture("pic.bmp", 320, 240, Qt::blue);
    if (test.DownloadedBroken) std::ofstream(DataFolder() / "pic.bmp") << "<html>404</html>";
    if (test.Standard) SavePicture("picStd.jpg", 200, 100, Qt::green);
    CDialogSplashScreen splash;
    EXPECT_EQ(splash.DoModal(), IDCANCEL);
    EXPECT_EQ(splash.GetWidth(), test.Width);
  }
}

TEST_F(SplashFixture, MagentaPixelsAreTransparent) {
  QImage picture(40, 20, QImage::Format_RGB32);
  picture.fill(QColor(255, 0, 255));
  for (int x = 0; x < 20; ++x) picture.setPixel(x, 5, qRgb(254, 0, 255));
  ASSERT_TRUE(picture.save(QString::fromStdString((DataFolder() / "pic.bmp").string())));
  CDialogSplashScreen splash;
  splash.DoModal();
  EXPECT_EQ(qAlpha(splash.GetPicture().pixel(30, 10)), 0);
  EXPECT_EQ(qAlpha(splash.GetPicture().pixel(3, 5)), 255);
}

TEST_F(SplashFixture, AKeyClosesItAndAClickDoesNot) {
  SavePicture("pic.bmp", 300, 200, Qt::blue);
  CDialogSplashScreen splash;
  splash.TimerFlag = 0;
  QTimer click, key;
  click.setSingleShot(true);
  key.setSingleShot(true);
  bool openAfterClick = false;
  QObject::connect(&click, &QTimer::timeout, [&] {
    if (QWidget* shown = QApplication::activeModalWidget())
      QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(10, 10));
    openAfterClick = !splash.IsEnded();
  });
  QObject::connect(&key, &QTimer::timeout, [] {
    if (QWidget* shown = QApplication::activeModalWidget()) QTest::keyClick(shown, Qt::Key_A);
  });
  click.start(100);
  key.start(200);
  EXPECT_EQ(RunModal(splash, 3000), IDCANCEL);
  EXPECT_TRUE(openAfterClick);
}

TEST_F(SplashFixture, AtStartUpItClosesItselfAfterFourSeconds) {
  SavePicture("pic.bmp", 300, 200, Qt::blue);
  CDialogSplashScreen splash;
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(RunModal(splash, 8000), IDCANCEL);
  EXPECT_GE(clock.elapsed(), 3990);
  EXPECT_LT(clock.elapsed(), 8000);
}

TEST_F(SplashFixture, APictureLargerThanTheScreenIsScaledToFitIt) {
  SavePicture("pic.bmp", 6000, 1000, Qt::blue);
  CDialogSplashScreen splash;
  splash.DoModal();
  QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
  EXPECT_LE(splash.GetWidth(), room.width());
  EXPECT_EQ(splash.GetHeight(), splash.GetWidth() / 6);
}

}  // namespace
