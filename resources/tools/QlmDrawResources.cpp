// Draws the program's own pictures into a resources folder: the standard
// splash picture picStd.jpg, one image per tool-bar button
// (buttons/<command>.png), the cursors (cursors/<resource>.png) and the
// program icon. Run once when a picture changes; the results are committed.
//
//   QT_QPA_PLATFORM=offscreen QlmDrawResources <resources folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>
#include <utility>

namespace {

constexpr int Side = 24;
const QColor Ink(40, 52, 70);
const QColor Blue(38, 110, 190);
const QColor Green(40, 150, 70);
const QColor Red(200, 50, 40);
const QColor Gold(210, 160, 40);
const QColor Bone(235, 228, 205);

using Painter = std::function<void(QPainter&)>;

QPen Pen(const QColor& color, double width = 2.0) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Text(QPainter& p, const QRectF& area, const QString& text, int pixels, const QColor& color = Ink) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixels);
  font.setBold(true);
  p.setFont(font);
  p.setPen(color);
  p.drawText(area, Qt::AlignCenter, text);
}

void Magnifier(QPainter& p, const QString& sign) {
  p.setPen(Pen(Ink, 2.2));
  p.setBrush(QColor(220, 235, 250));
  p.drawEllipse(QPointF(10, 10), 7, 7);
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  if (sign == "[]") {
    p.setPen(Pen(Blue, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6.5, 7, 7, 6));
  } else {
    Text(p, QRectF(3, 3, 14, 14), sign, sign.size() > 1 ? 7 : 12, Blue);
  }
}

void Arrows4(QPainter& p, const QColor& color) {
  p.setPen(Pen(color, 2));
  p.drawLine(QPointF(12, 3), QPointF(12, 21));
  p.drawLine(QPointF(3, 12), QPointF(21, 12));
  for (auto [x, y, dx, dy] : {std::array<double, 4>{12, 3, 1, 0}, {12, 21, 1, 0}, {3, 12, 0, 1}, {21, 12, 0, 1}}) {
    double sx = x == 12 ? 0 : (x < 12 ? 1 : -1), sy = y == 12 ? 0 : (y < 12 ? 1 : -1);
    p.drawLine(QPointF(x, y), QPointF(x + sx * 3 + dx * 3, y + sy * 3 + dy * 3));
    p.drawLine(QPointF(x, y), QPointF(x + sx * 3 - dx * 3, y + sy * 3 - dy * 3));
  }
}

void CurvedArrow(QPainter& p, bool clockwise, const QColor& color) {
  p.setPen(Pen(color, 2.2));
  p.setBrush(Qt::NoBrush);
  QRectF circle(4, 5, 16, 15);
  p.drawArc(circle, clockwise ? 30 * 16 : 150 * 16, clockwise ? 220 * 16 : -220 * 16);
  QPointF tip = clockwise ? QPointF(18.5, 8) : QPointF(5.5, 8);
  double side = clockwise ? -1 : 1;
  p.drawLine(tip, tip + QPointF(side * 5, -1));
  p.drawLine(tip, tip + QPointF(0, 5));
}

// An implant: threaded body under a collar.
void Screw(QPainter& p, double x, double y, double scale = 1.0) {
  p.save();
  p.translate(x, y);
  p.scale(scale, scale);
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(QColor(190, 195, 205));
  p.drawRect(QRectF(-3, -9, 6, 3));
  QPainterPath body;
  body.moveTo(-3, -6);
  body.lineTo(3, -6);
  body.lineTo(2, 8);
  body.lineTo(0, 10);
  body.lineTo(-2, 8);
  body.closeSubpath();
  p.setBrush(QColor(160, 170, 185));
  p.drawPath(body);
  for (double t = -4; t < 8; t += 3) p.drawLine(QPointF(-3, t), QPointF(3, t + 1.5));
  p.restore();
}

void Tooth(QPainter& p, double x, double y) {
  QPainterPath tooth;
  tooth.moveTo(x - 7, y - 6);
  tooth.cubicTo(x - 7, y - 11, x - 2, y - 10, x, y - 8);
  tooth.cubicTo(x + 2, y - 10, x + 7, y - 11, x + 7, y - 6);
  tooth.cubicTo(x + 7, y, x + 4, y + 2, x + 4, y + 9);
  tooth.lineTo(x + 1, y + 9);
  tooth.lineTo(x, y + 2);
  tooth.lineTo(x - 1, y + 9);
  tooth.lineTo(x - 4, y + 9);
  tooth.cubicTo(x - 4, y + 2, x - 7, y, x - 7, y - 6);
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Bone);
  p.drawPath(tooth);
}

void Mesh(QPainter& p, double x, double y) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(QColor(150, 200, 160));
  QPolygonF outer({QPointF(x - 8, y + 7), QPointF(x, y - 8), QPointF(x + 8, y + 7)});
  p.drawPolygon(outer);
  p.drawLine(QPointF(x - 4, y - 0.5), QPointF(x + 4, y - 0.5));
  p.drawLine(QPointF(x - 4, y - 0.5), QPointF(x, y + 7));
  p.drawLine(QPointF(x + 4, y - 0.5), QPointF(x, y + 7));
}

void OrtoScrew(QPainter& p, double x, double y) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(QColor(200, 160, 210));
  p.drawEllipse(QPointF(x, y - 6), 4, 3);
  p.setBrush(QColor(170, 130, 185));
  p.drawRect(QRectF(x - 1.5, y - 3, 3, 12));
}

void EndoPost(QPainter& p, double x, double y) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(QColor(230, 200, 120));
  QPolygonF post({QPointF(x - 3, y - 9), QPointF(x + 3, y - 9), QPointF(x + 1, y + 9), QPointF(x - 1, y + 9)});
  p.drawPolygon(post);
}

// A small action mark in the lower right corner.
void Badge(QPainter& p, const QString& action) {
  QRectF corner(13, 13, 11, 11);
  if (action == "+") {
    p.setPen(Pen(Green, 2.4));
    p.drawLine(QPointF(18.5, 14), QPointF(18.5, 23));
    p.drawLine(QPointF(14, 18.5), QPointF(23, 18.5));
  } else if (action == "move") {
    p.save();
    p.translate(12, 12);
    p.scale(0.5, 0.5);
    Arrows4(p, Blue);
    p.restore();
  } else if (action == "rotate") {
    p.save();
    p.translate(12, 12);
    p.scale(0.5, 0.5);
    CurvedArrow(p, true, Blue);
    p.restore();
  } else if (action == "select") {
    QPolygonF arrow({QPointF(14, 12), QPointF(14, 23), QPointF(17, 20), QPointF(19.5, 24), QPointF(21, 23),
                     QPointF(18.5, 19.5), QPointF(22, 19)});
    p.setPen(Pen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
  } else if (action == "scale") {
    p.setPen(Pen(Blue, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(14, 14, 9, 9));
    p.drawLine(QPointF(15, 22), QPointF(22, 15));
  } else if (action == "x") {
    p.setPen(Pen(Red, 2.4));
    p.drawLine(QPointF(15, 15), QPointF(22, 22));
    p.drawLine(QPointF(22, 15), QPointF(15, 22));
  } else if (action == "list") {
    p.setPen(Pen(Ink, 1.4));
    p.setBrush(Qt::white);
    p.drawRect(corner);
    for (double y = 16; y < 23; y += 2.5) p.drawLine(QPointF(15, y), QPointF(22, y));
  }
}

void Folder(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Gold);
  QPainterPath folder;
  folder.moveTo(2, 6);
  folder.lineTo(9, 6);
  folder.lineTo(11, 8);
  folder.lineTo(20, 8);
  folder.lineTo(20, 20);
  folder.lineTo(2, 20);
  folder.closeSubpath();
  p.drawPath(folder);
  p.setBrush(QColor(240, 200, 90));
  p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
}

void Disk(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Blue);
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 3, 12, 7));
  p.setBrush(QColor(200, 210, 225));
  p.drawRect(QRectF(7, 14, 10, 7));
}

void Printer(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 3, 10, 7));
  p.setBrush(QColor(170, 175, 185));
  p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 15, 10, 7));
}

void Camera(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(QColor(90, 100, 115));
  p.drawRoundedRect(QRectF(2, 7, 20, 13), 2, 2);
  p.drawRect(QRectF(8, 4, 7, 4));
  p.setBrush(QColor(170, 210, 240));
  p.drawEllipse(QPointF(12, 13.5), 4.5, 4.5);
}

void Ruler(QPainter& p) {
  p.save();
  p.translate(12, 12);
  p.rotate(-45);
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(QColor(245, 215, 110));
  p.drawRect(QRectF(-11, -4, 22, 8));
  for (int tick = -9; tick <= 9; tick += 3) p.drawLine(QPointF(tick, -4), QPointF(tick, tick % 2 ? -1 : 0));
  p.restore();
}

void Grid(QPainter& p, int cells) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(QColor(200, 215, 240));
  double size = 18.0 / cells;
  for (int row = 0; row < cells; ++row)
    for (int col = 0; col < cells; ++col) p.drawRect(QRectF(3 + col * size, 3 + row * size, size, size));
}

void Layers(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  for (int layer = 2; layer >= 0; --layer) {
    p.setBrush(QColor(120 + 40 * layer, 170 + 25 * layer, 220));
    p.drawPolygon(QPolygonF({QPointF(3, 12 + layer * 3), QPointF(12, 7 + layer * 3), QPointF(21, 12 + layer * 3),
                             QPointF(12, 17 + layer * 3)}));
  }
}

void ArchCurve(QPainter& p, bool points) {
  p.setPen(Pen(Gold, 2.2));
  p.setBrush(Qt::NoBrush);
  QPainterPath arch;
  arch.moveTo(3, 20);
  arch.cubicTo(3, 2, 21, 2, 21, 20);
  p.drawPath(arch);
  if (!points) return;
  p.setPen(Pen(Ink, 1));
  p.setBrush(Red);
  for (QPointF point : {QPointF(3.5, 18), QPointF(8, 7), QPointF(16, 7), QPointF(20.5, 18)}) p.drawEllipse(point, 2, 2);
}

void Nerve(QPainter& p) {
  p.setPen(Pen(QColor(230, 190, 40), 3));
  p.setBrush(Qt::NoBrush);
  QPainterPath nerve;
  nerve.moveTo(2, 16);
  nerve.cubicTo(8, 6, 14, 20, 22, 8);
  p.drawPath(nerve);
}

void Contrast(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.setBrush(Qt::black);
  p.drawPie(QRectF(3, 3, 18, 18), 90 * 16, 180 * 16);
}

void Exit(QPainter& p) {
  p.setPen(Pen(Ink, 1.4));
  p.setBrush(QColor(170, 120, 80));
  p.drawRect(QRectF(4, 3, 10, 18));
  p.setPen(Pen(Red, 2.2));
  p.drawLine(QPointF(10, 12), QPointF(22, 12));
  p.drawLine(QPointF(22, 12), QPointF(18, 8));
  p.drawLine(QPointF(22, 12), QPointF(18, 16));
}

// A report page with its header band and two rows of cells.
void Page(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 2, 14, 19));
  p.setBrush(QColor(170, 210, 240));
  p.drawRect(QRectF(6, 4, 10, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(6, 9, 10, 5));
  p.drawRect(QRectF(6, 14, 10, 5));
}

void Palette(QPainter& p) {
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(Bone);
  p.drawEllipse(QPointF(12, 12), 10, 9);
  const std::pair<QPointF, QColor> spots[] = {
      {{8, 8}, Red}, {{13, 6.5}, Gold}, {{17.5, 9}, Green}, {{17, 14.5}, Blue}};
  p.setPen(Qt::NoPen);
  for (const auto& [at, colour] : spots) {
    p.setBrush(colour);
    p.drawEllipse(at, 2.2, 2.2);
  }
}

void Arrow(QPainter& p, bool right) {
  p.setPen(Pen(Blue, 2.6));
  double from = right ? 5 : 19, to = right ? 19 : 5, back = right ? -5 : 5;
  p.drawLine(QPointF(from, 12), QPointF(to, 12));
  p.drawLine(QPointF(to, 12), QPointF(to + back, 7));
  p.drawLine(QPointF(to, 12), QPointF(to + back, 17));
}

void SelectArrow(QPainter& p) {
  QPolygonF arrow({QPointF(6, 2), QPointF(6, 20), QPointF(10.5, 15.5), QPointF(14, 22), QPointF(17, 20.5),
                   QPointF(13.5, 14.5), QPointF(19.5, 14)});
  p.setPen(Pen(Ink, 1.3));
  p.setBrush(Qt::white);
  p.drawPolygon(arrow);
}

// An isometric cube: the top, left and right faces.
void Cube(QPainter& p, double x, double y, double size, const QColor& colour) {
  const double h = size / 2;
  const double q = size / 4;
  const QPointF top(x, y - h), left(x - h, y - q), right(x + h, y - q), centre(x, y), bottomLeft(x - h, y + q),
      bottomRight(x + h, y + q), bottom(x, y + h);
  p.setPen(Pen(Ink, 1.2));
  p.setBrush(colour.lighter(130));
  p.drawPolygon(QPolygonF({top, right, centre, left}));
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({left, centre, bottom, bottomLeft}));
  p.setBrush(colour.darker(125));
  p.drawPolygon(QPolygonF({centre, right, bottomRight, bottom}));
}

// The 3D frame's buttons: a cube with what the button does to the 3D view.
void Rotate3D(QPainter& p) {
  Cube(p, 12, 12.5, 11, QColor(200, 215, 240));
  CurvedArrow(p, true, Blue);
}

void Move3D(QPainter& p) {
  Cube(p, 12, 12, 10, QColor(200, 215, 240));
  Arrows4(p, Blue);
}

void StandardViews(QPainter& p) {
  Cube(p, 12, 12, 18, QColor(200, 215, 240));
  p.setPen(Pen(Red, 1.6));
  p.drawLine(QPointF(12, 12), QPointF(12, 21));
}

void Indicators3D(QPainter& p) {
  Cube(p, 12, 12, 18, QColor(225, 225, 225));
  p.setPen(Pen(Red, 1.6));
  p.drawLine(QPointF(3, 12), QPointF(12, 16.5));
  p.drawLine(QPointF(12, 16.5), QPointF(21, 12));
  p.setPen(Pen(Green, 1.6));
  p.drawLine(QPointF(7.5, 5.5), QPointF(7.5, 14));
  p.setPen(Pen(Blue, 1.6));
  p.drawLine(QPointF(16.5, 5.5), QPointF(16.5, 14));
}

void Properties3D(QPainter& p) {
  Cube(p, 10, 10, 15, QColor(200, 215, 240));
  Badge(p, "list");
}

// Points in place of the faces: the reduced display while the view is dragged.
void Degradation(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  for (double x = 4; x <= 20; x += 4) {
    for (double y = 4; y <= 20; y += 4) {
      if (std::abs(x - 12) + std::abs(y - 12) <= 9) p.drawEllipse(QPointF(x, y), 1.3, 1.3);
    }
  }
}

// The object kind of a library tool bar drawn with an action mark.
Painter Object(void (*draw)(QPainter&, double, double), const QString& action) {
  return [draw, action](QPainter& p) {
    draw(p, 10, 11);
    Badge(p, action);
  };
}

Painter Label(const QString& text, const QColor& color = Ink) {
  return [text, color](QPainter& p) { Text(p, QRectF(0, 0, Side, Side), text, text.size() > 2 ? 9 : 11, color); };
}

Painter Plain(void (*draw)(QPainter&)) {
  return [draw](QPainter& p) { draw(p); };
}

std::map<int, Painter> ButtonPainters() {
  auto screwWith = [](const QString& action) {
    return Painter([action](QPainter& p) {
      Screw(p, 10, 11);
      Badge(p, action);
    });
  };
  auto zoom = [](const QString& sign) { return Painter([sign](QPainter& p) { Magnifier(p, sign); }); };
  std::map<int, Painter> painters = {
      {32812, Plain(Folder)},
      {32813, Plain(Disk)},
      {57607, Plain(Printer)},
      {32933, [](QPainter& p) { CurvedArrow(p, false, Blue); }},
      {32934, [](QPainter& p) { CurvedArrow(p, true, Blue); }},
      {32800, zoom("+")},
      {32801, zoom("-")},
      {32803, zoom("1:1")},
      {32802, zoom("[]")},
      {32815, [](QPainter& p) { Arrows4(p, Ink); }},
      {33140, Plain(Layers)},
      {32808, [](QPainter& p) { Grid(p, 3); }},
      {32809, Plain(Ruler)},
      {32817, Plain(SelectArrow)},
      {32856, screwWith("+")},
      {32857, screwWith("move")},
      {32858, screwWith("rotate")},
      {32865, screwWith("list")},
      {32816, Plain(Contrast)},
      {32984, Label("HU", Red)},
      {32810, Plain(Camera)},
      {32899,
       [](QPainter& p) {
         ArchCurve(p, true);
         Badge(p, "+");
       }},
      {32898,
       [](QPainter& p) {
         ArchCurve(p, true);
         Badge(p, "move");
       }},
      {32900,
       [](QPainter& p) {
         ArchCurve(p, false);
         Badge(p, "x");
       }},
      {32904, zoom("+")},
      {32905, zoom("-")},
      {32906, zoom("1:1")},
      {32907, zoom("[]")},
      {32908, [](QPainter& p) { Arrows4(p, Ink); }},
      {32901,
       [](QPainter& p) {
         ArchCurve(p, false);
         p.setPen(Pen(Blue, 1.6));
         for (double x : {6.0, 12.0, 18.0}) p.drawLine(QPointF(x, 4), QPointF(x, 14));
       }},
      {32903, Plain(Exit)},
      {32957,
       [](QPainter& p) {
         Nerve(p);
         Badge(p, "+");
       }},
      {32958,
       [](QPainter& p) {
         Nerve(p);
         Badge(p, "move");
       }},
      {32959,
       [](QPainter& p) {
         Nerve(p);
         Badge(p, "x");
       }},
      {32967, Label("Ø")},
      {32960, zoom("+")},
      {32961, zoom("-")},
      {32962, zoom("1:1")},
      {32963, zoom("[]")},
      {32964, [](QPainter& p) { Arrows4(p, Ink); }},
      {32980,
       [](QPainter& p) {
         Nerve(p);
         p.setPen(Pen(Blue, 1.4));
         for (double x : {7.0, 12.0, 17.0}) p.drawLine(QPointF(x, 3), QPointF(x, 21));
       }},
      {32956, [](QPainter& p) { Arrow(p, false); }},
      {32955, [](QPainter& p) { Arrow(p, true); }},
      {32953,
       [](QPainter& p) {
         Nerve(p);
         Badge(p, "+");
       }},
      {32954,
       [](QPainter& p) {
         Nerve(p);
         Badge(p, "x");
       }},
      {32965, Plain(Exit)},
      {33165,
       [](QPainter& p) {
         Screw(p, 10, 11);
         Text(p, QRectF(12, 12, 12, 12), "C", 9, Green);
       }},
      {33166, screwWith("move")},
      {33167, screwWith("rotate")},
      {33182, Object(OrtoScrew, "select")},
      {33183, Object(OrtoScrew, "+")},
      {33184, Object(OrtoScrew, "move")},
      {33186, Object(OrtoScrew, "rotate")},
      {33192, Object(OrtoScrew, "list")},
      {33261, Object(Mesh, "select")},
      {33255, Object(Mesh, "+")},
      {33263, Object(Mesh, "move")},
      {33257, Object(Mesh, "rotate")},
      {33281, Object(Mesh, "scale")},
      {33272, Object(Tooth, "select")},
      {33262, Object(Tooth, "+")},
      {33273, Object(Tooth, "move")},
      {33264, Object(Tooth, "rotate")},
      {33282, Object(Tooth, "scale")},
      {33300, Object(EndoPost, "select")},
      {33301, Object(EndoPost, "+")},
      {33302, Object(EndoPost, "move")},
      {33303, Object(EndoPost, "rotate")},
      {33036, Plain(Printer)},
      {33106,
       [](QPainter& p) {
         Page(p);
         Badge(p, "+");
       }},
      {33107,
       [](QPainter& p) {
         Page(p);
         Badge(p, "x");
       }},
      {33108, [](QPainter& p) { Arrow(p, false); }},
      {33109, [](QPainter& p) { Arrow(p, true); }},
      {33037,
       [](QPainter& p) {
         Page(p);
         Badge(p, "list");
       }},
      {33039, Label("A4")},
      {33041, Plain(Palette)},
      {33042, Plain(Exit)},
      {32818, Plain(Rotate3D)},
      {33152, Plain(Move3D)},
      {32819, Plain(StandardViews)},
      {32820, Plain(Indicators3D)},
      {32773, Plain(Properties3D)},
      {32772, Plain(Degradation)},
  };
  return painters;
}

QImage Canvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

bool DrawButtons(const QDir& folder) {
  folder.mkpath("buttons");
  for (const auto& [id, paint] : ButtonPainters()) {
    QImage image = Canvas(Side, Side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    if (!image.save(folder.filePath(QString("buttons/%1.png").arg(id)))) return false;
  }
  return true;
}

// Cursors are 32 x 32; the hot spots are registered with the resources.
void Crosshair(QPainter& p) {
  p.setPen(QPen(Qt::white, 3));
  p.drawLine(15, 2, 15, 28);
  p.drawLine(2, 15, 28, 15);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(15, 2, 15, 28);
  p.drawLine(2, 15, 28, 15);
}

void PointerShape(QPainter& p) {
  QPolygonF arrow({QPointF(1, 1), QPointF(1, 19), QPointF(5.5, 14.5), QPointF(9, 21), QPointF(12, 19.5),
                   QPointF(8.5, 13.5), QPointF(14.5, 13)});
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPolygon(arrow);
}

std::map<int, Painter> CursorPainters() {
  auto pointerWith = [](std::function<void(QPainter&)> extra) {
    return Painter([extra](QPainter& p) {
      PointerShape(p);
      p.save();
      p.translate(12, 12);
      p.scale(0.75, 0.75);
      extra(p);
      p.restore();
    });
  };
  auto crossWith = [](std::function<void(QPainter&)> extra) {
    return Painter([extra](QPainter& p) {
      Crosshair(p);
      p.save();
      p.translate(16, 16);
      p.scale(0.6, 0.6);
      extra(p);
      p.restore();
    });
  };
  return {
      {168, Plain(PointerShape)},
      {146,
       [](QPainter& p) {
         p.translate(4, 4);
         Arrows4(p, Qt::black);
       }},
      {147, pointerWith([](QPainter& p) { Magnifier(p, "[]"); })},
      {174, pointerWith([](QPainter& p) { Magnifier(p, "+"); })},
      {175, pointerWith([](QPainter& p) { Magnifier(p, "-"); })},
      {176, pointerWith([](QPainter& p) { Magnifier(p, "1:1"); })},
      {148,
       [](QPainter& p) {
         p.translate(4, 4);
         CurvedArrow(p, true, Qt::black);
       }},
      {149,
       [](QPainter& p) {
         p.translate(4, 4);
         CurvedArrow(p, false, Red);
       }},
      {154, crossWith(Ruler)},
      {157, crossWith([](QPainter& p) { Arrows4(p, Blue); })},
      {158, crossWith([](QPainter& p) { Badge(p, "+"); })},
      {169, pointerWith([](QPainter& p) { Screw(p, 10, 11); })},
      {179, crossWith([](QPainter& p) { Screw(p, 10, 11); })},
      {177, crossWith([](QPainter& p) {
         p.translate(20, 22);
         p.rotate(180);
         Screw(p, 10, 11);
       })},
      {180, crossWith([](QPainter& p) { Text(p, QRectF(0, 0, 24, 24), "HU", 12, Red); })},
      {181, crossWith([](QPainter& p) { OrtoScrew(p, 10, 11); })},
      {182, crossWith([](QPainter& p) { Mesh(p, 10, 11); })},
      {183, crossWith([](QPainter& p) { Tooth(p, 10, 11); })},
  };
}

bool DrawCursors(const QDir& folder) {
  folder.mkpath("cursors");
  for (const auto& [id, paint] : CursorPainters()) {
    QImage image = Canvas(32, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    if (!image.save(folder.filePath(QString("cursors/%1.png").arg(id)))) return false;
  }
  return true;
}

bool DrawIcon(const QDir& folder) {
  QImage image = Canvas(64, 64);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glow(QPointF(32, 28), 34);
  glow.setColorAt(0, QColor(70, 140, 210));
  glow.setColorAt(1, QColor(20, 50, 100));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  p.scale(2.4, 2.4);
  Tooth(p, 13.3, 11);
  p.resetTransform();
  p.scale(1.6, 1.6);
  Screw(p, 20, 29);
  p.end();
  return image.save(folder.filePath("icon128.png"));
}

// The standard splash picture: the product name over a stylised jaw with implants.
bool DrawSplash(const QDir& folder) {
  QImage image(600, 360, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 360);
  sky.setColorAt(0, QColor(18, 44, 82));
  sky.setColorAt(1, QColor(46, 104, 160));
  p.fillRect(image.rect(), sky);

  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  for (int y = 20; y < 360; y += 24) p.drawLine(0, y, 600, y);

  QPainterPath jaw;
  jaw.moveTo(330, 300);
  jaw.cubicTo(330, 120, 570, 120, 570, 300);
  p.setPen(QPen(QColor(235, 228, 205), 26, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(jaw);
  p.setPen(QPen(QColor(230, 190, 40), 3, Qt::DashLine));
  p.drawPath(jaw);
  for (double t : {0.18, 0.5, 0.82}) {
    QPointF at = jaw.pointAtPercent(t);
    Screw(p, at.x(), at.y() + 6, 2.2);
  }

  QFont title("DejaVu Sans");
  title.setPixelSize(52);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRectF(30, 70, 400, 70), Qt::AlignLeft | Qt::AlignVCenter, "Quorvantile");
  QFont line("DejaVu Sans");
  line.setPixelSize(22);
  p.setFont(line);
  p.setPen(QColor(200, 220, 245));
  p.drawText(QRectF(34, 140, 400, 30), Qt::AlignLeft | Qt::AlignVCenter, "2021R");
  line.setPixelSize(16);
  p.setFont(line);
  p.drawText(QRectF(34, 190, 320, 60), Qt::AlignLeft | Qt::TextWordWrap,
             QString::fromUtf8("Planejamento de implantes dentários\nem tomografia computadorizada"));
  p.setPen(QColor(160, 190, 225));
  line.setPixelSize(13);
  p.setFont(line);
  p.drawText(QRectF(34, 320, 400, 20), Qt::AlignLeft | Qt::AlignVCenter, "Quillmar Software");
  p.end();
  return image.save(folder.filePath("picStd.jpg"), "JPG", 92);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) return 2;
  QDir folder(QString::fromLocal8Bit(argv[1]));
  bool drawn = DrawSplash(folder) && DrawButtons(folder) && DrawCursors(folder) && DrawIcon(folder);
  return drawn ? 0 : 1;
}
