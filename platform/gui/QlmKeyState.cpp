#include "platform/gui/QlmKeyState.h"

#include <QGuiApplication>

std::optional<Qt::KeyboardModifiers> QlmKeyState::Delivered;

bool QlmKeyState::IsHeld(UINT virtualKey) {
  const Qt::KeyboardModifiers held = Delivered.value_or(QGuiApplication::keyboardModifiers());
  switch (virtualKey) {
    case VK_SHIFT:
      return held.testFlag(Qt::ShiftModifier);
    case VK_CONTROL:
      return held.testFlag(Qt::ControlModifier);
    case VK_MENU:
      return held.testFlag(Qt::AltModifier);
    default:
      return false;
  }
}

QlmKeyState::Delivery::Delivery(Qt::KeyboardModifiers held) : Outer(Delivered) { Delivered = held; }

QlmKeyState::Delivery::~Delivery() { Delivered = this->Outer; }
