#pragma once
// Real mouse and key events on a view window of the running program, and the
// conversions between its client points and the world points of its style.
#include <vtkCamera.h>
#include <vtkRenderer.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <array>
#include <cmath>

#include "platform/gui/CWnd.h"

namespace QlmViewMouse {

using Point = std::array<double, 3>;

// `keys`: the modifier keys held during the event.
inline void Send(CWnd& view, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, const QPoint& at,
                 Qt::KeyboardModifiers keys = Qt::NoModifier) {
  QWidget* widget = view.GetSafeHwnd();
  const QPointF point(at);
  QMouseEvent event(type, point, widget->mapToGlobal(point), button, held, keys);
  QApplication::sendEvent(widget, &event);
}

// Left press at `from`, four moves with the button held, then `release` at `to` unless false; `keys` held throughout.
inline void Drag(CWnd& view, const QPoint& from, const QPoint& to, bool release = true,
                 Qt::KeyboardModifiers keys = Qt::NoModifier) {
  Send(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from, keys);
  for (int step = 1; step <= 4; ++step) {
    const QPointF along = QPointF(from) + (QPointF(to) - QPointF(from)) * (step / 4.0);
    Send(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, along.toPoint(), keys);
  }
  if (release) Send(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to, keys);
}

inline void Click(CWnd& view, const QPoint& at) {
  Send(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
  Send(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, at);
}

// A key pressed (not released) in the view with the modifier keys `keys` held.
inline void PressKey(CWnd& view, Qt::Key key, Qt::KeyboardModifiers keys = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, keys);
  QApplication::sendEvent(view.GetSafeHwnd(), &press);
}

// The client point of the view that shows world point (x, y, z); z 0: on a 2D view's plane.
template <class Style>
QPoint WindowPoint(Style& style, double x, double y, double z = 0.0) {
  double display[3];
  style.WorldToDisplay(x, y, z, display);
  int window[2];
  style.DisplayToWindow(int(std::lround(display[0])), int(std::lround(display[1])), window);
  return {window[0], window[1]};
}

// The world point (x, y) under a client point of the view (parallel projection).
template <class Style>
Point WorldPoint(Style& style, const QPoint& at) {
  int display[2];
  style.WindowToDisplay(at.x(), at.y(), display);
  double world[4];
  style.DisplayToWorld(display[0], display[1], 0.0, world);
  return {world[0], world[1], 0.0};
}

// A point `dx`, `dy` mm from the middle of what a 2D view (or cell) shows.
inline Point AroundFocus(vtkRenderer* renderer, double dx, double dy) {
  const double* focus = renderer->GetActiveCamera()->GetFocalPoint();
  return {focus[0] + dx, focus[1] + dy, 0.0};
}

inline double Distance(const Point& a, const Point& b) {
  return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

}  // namespace QlmViewMouse
