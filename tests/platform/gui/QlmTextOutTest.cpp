#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "QlmGuiTestApp.h"
#include "platform/gui/QlmTextOut.h"

namespace {

// Leftmost and topmost dark pixel at or right of `fromX`; (-1, -1) when none.
QPoint FirstInk(const QImage& image, int fromX) {
  QPoint first(-1, -1);
  for (int x = fromX; x < image.width() && first.x() < 0; ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (qGray(image.pixel(x, y)) < 128) {
        first = QPoint(x, y);
        break;
      }
    }
  }
  for (int y = 0; y < image.height() && first.x() >= 0; ++y) {
    for (int x = fromX; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) return QPoint(first.x(), y);
    }
  }
  return first;
}

}  // namespace

TEST(QlmTextOut, TabsStopEveryEightAverageCharacterWidthsFromTheOrigin) {
  QlmGuiTestApp::Instance();
  struct Case {
    const char* Text;
    int Stops;           // tab stops the last piece starts at
    const char* Before;  // text the stop is counted after (its width decides the stop)
  };
  for (const Case& c :
       {Case{"l\tH", 1, "l"}, Case{"\tH", 1, ""}, Case{"l\t\tH", 2, "l"}, Case{"MMMMMMMMMMMM\tH", 0, "MMMMMMMMMMMM"}}) {
    QImage image(900, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QlmTextOut::PointFont(QStringLiteral("Times New Roman"), 120));
    const QFontMetrics metrics(painter.font(), &image);
    const int tab = 8 * metrics.averageCharWidth();
    const int before = metrics.horizontalAdvance(QString::fromUtf8(c.Before));
    const int stop = c.Stops ? c.Stops * tab : (before / tab + 1) * tab;
    const int width = QlmTextOut::TabbedTextOut(painter, 20, 8, QString::fromUtf8(c.Text));
    painter.end();

    EXPECT_EQ(width, stop + metrics.horizontalAdvance(QStringLiteral("H"))) << c.Text;
    const QPoint ink = FirstInk(image, 20 + std::max(before, stop - 2));
    EXPECT_GE(ink.x(), 20 + stop) << c.Text;
    EXPECT_LT(ink.x(), 20 + stop + metrics.averageCharWidth()) << c.Text;
    // The line's cell starts at y 8: capitals begin below it, within the ascent.
    EXPECT_GT(ink.y(), 8) << c.Text;
    EXPECT_LT(ink.y(), 8 + metrics.ascent() / 2) << c.Text;
  }
}

TEST(QlmTextOut, PointFontsAreSizedThroughTheScreenResolution) {
  QlmGuiTestApp::Instance();
  const int dpi = QlmTextOut::ScreenDpi();
  EXPECT_GT(dpi, 0);
  struct Case {
    int Tenths;
    int Pixels;
  };
  for (const Case& c : {Case{50, 50 * dpi / 720}, Case{55, 55 * dpi / 720}, Case{1080, 1080 * dpi / 720}, Case{1, 1}}) {
    EXPECT_EQ(QlmTextOut::PointFont(QStringLiteral("Times New Roman"), c.Tenths).pixelSize(), c.Pixels) << c.Tenths;
  }
  const QFont title = QlmTextOut::PointFont(QStringLiteral("Times New Roman"), 140, QFont::Bold, true);
  EXPECT_EQ(title.weight(), QFont::Bold);
  EXPECT_TRUE(title.italic());
  EXPECT_EQ(QFontInfo(title).family(), QStringLiteral("Liberation Serif"));
}
