#pragma once
// Qt's mouse and key events in the terms of the styles' tables: the
// mouse-message flag word (QlmMouseFlag), the event word (QlmEvent), the
// wheel delta and the client position. Qt, like the styles, sends press,
// release, double click, release for a double click, and its button state
// already includes a pressed button and excludes a released one.
#include <QPoint>
#include <Qt>

class QKeyEvent;
class QMouseEvent;
class QSinglePointEvent;
class QWheelEvent;

namespace QlmQtInput {

// The flag word of a button and modifier state.
unsigned MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// The flag word of a mouse or wheel event.
unsigned MouseFlags(const QSinglePointEvent& event);

// The event word of a mouse event; 0 for the events the styles have no word
// for (middle button, right double click, other buttons).
int EventWord(const QMouseEvent& event);

// The vertical wheel turn, 120 a notch, as a signed 16-bit value; 0 when the
// event turns no vertical wheel (the styles then do nothing).
int WheelDelta(const QWheelEvent& event);

// The pointer in client coordinates (y downwards), whole pixels.
QPoint WindowPosition(const QSinglePointEvent& event);

// A held key repeats with release events marked as auto-repeat; only the
// last release is the real one.
bool IsRealKeyRelease(const QKeyEvent& event);

}  // namespace QlmQtInput
