#include "platform/gui/QlmTextOut.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {
constexpr int DefaultDpi = 96;
constexpr int TabCharacters = 8;
}  // namespace

namespace QlmTextOut {

int ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? qRound(screen->logicalDotsPerInchY()) : DefaultDpi;
}

QFont PointFont(const QString& face, int tenthsOfPoint, int weight, bool italic) {
  QFont font(face);
  font.setPixelSize(std::max(1, tenthsOfPoint * ScreenDpi() / 720));
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(italic);
  return font;
}

int TabbedTextOut(QPainter& painter, int x, int y, const QString& text) {
  const QFontMetrics metrics(painter.font(), painter.device());
  const int tab = std::max(1, TabCharacters * metrics.averageCharWidth());
  const int baseline = y + metrics.ascent();
  const QStringList pieces = text.split(QLatin1Char('\t'));
  int position = x;
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) position = x + ((position - x) / tab + 1) * tab;
    painter.drawText(position, baseline, pieces[i]);
    position += metrics.horizontalAdvance(pieces[i]);
  }
  return position - x;
}

}  // namespace QlmTextOut
