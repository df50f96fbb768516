#pragma once
// Text on a painter as the classic device-context calls place it: fonts given
// in tenths of a point and sized through the screen's resolution, and lines
// whose position is the top-left corner of their first character cell.
#include <QFont>
#include <QString>

class QPainter;

namespace QlmTextOut {

// Logical dots per inch of the primary screen; 96 without a screen.
int ScreenDpi();

// A font of `tenthsOfPoint` tenths of a point converted with ScreenDpi() into
// pixels of whatever device it is drawn on (truncated, at least 1). `weight`
// on the 100..900 scale (400 normal, 700 bold).
QFont PointFont(const QString& face, int tenthsOfPoint, int weight = QFont::Normal, bool italic = false);

// Draws one line with its cell's top-left corner at (x, y) in the painter's
// font, a tab moving to the next stop of eight average character widths
// counted from x. Returns the line's width in pixels.
int TabbedTextOut(QPainter& painter, int x, int y, const QString& text);

}  // namespace QlmTextOut
