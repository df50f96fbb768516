#include "views/QlmQtInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "views/QlmInteraction.h"

namespace QlmQtInput {

unsigned MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  unsigned flags = 0;
  if (buttons & Qt::LeftButton) flags |= QlmMouseFlag::LeftButton;
  if (buttons & Qt::RightButton) flags |= QlmMouseFlag::RightButton;
  if (buttons & Qt::MiddleButton) flags |= QlmMouseFlag::MiddleButton;
  if (modifiers & Qt::ShiftModifier) flags |= QlmMouseFlag::Shift;
  if (modifiers & Qt::ControlModifier) flags |= QlmMouseFlag::Control;
  return flags;
}

unsigned MouseFlags(const QSinglePointEvent& event) { return MouseFlags(event.buttons(), event.modifiers()); }

int EventWord(const QMouseEvent& event) {
  const Qt::MouseButton button = event.button();
  switch (event.type()) {
    case QEvent::MouseMove:
      return QlmEvent::MouseMove;
    case QEvent::MouseButtonPress:
      if (button == Qt::LeftButton) return QlmEvent::LeftDown;
      return button == Qt::RightButton ? QlmEvent::RightDown : 0;
    case QEvent::MouseButtonRelease:
      if (button == Qt::LeftButton) return QlmEvent::LeftUp;
      return button == Qt::RightButton ? QlmEvent::RightUp : 0;
    case QEvent::MouseButtonDblClick:
      return button == Qt::LeftButton ? QlmEvent::LeftDoubleClick : 0;
    default:
      return 0;
  }
}

int WheelDelta(const QWheelEvent& event) {
  const int delta = event.angleDelta().y();
  return std::clamp(delta, static_cast<int>(std::numeric_limits<int16_t>::min()),
                    static_cast<int>(std::numeric_limits<int16_t>::max()));
}

QPoint WindowPosition(const QSinglePointEvent& event) { return event.position().toPoint(); }

bool IsRealKeyRelease(const QKeyEvent& event) { return event.type() == QEvent::KeyRelease && !event.isAutoRepeat(); }

}  // namespace QlmQtInput
