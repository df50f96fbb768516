#pragma once
// Which modifier keys are held, as a window's key handler asks for them:
// while a key event is delivered (CWnd's OnKeyDown and OnChar) as that event
// says, elsewhere as the keyboard is now.
#include <Qt>
#include <optional>

#include "platform/gui/QlmGuiConstants.h"

class QlmKeyState {
public:
  // VK_SHIFT, VK_CONTROL or VK_MENU held; false for any other key.
  static bool IsHeld(UINT virtualKey);

  // The modifiers of the key event being delivered, for the scope's lifetime.
  class Delivery {
  public:
    explicit Delivery(Qt::KeyboardModifiers held);
    ~Delivery();
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

  private:
    std::optional<Qt::KeyboardModifiers> Outer;
  };

private:
  static std::optional<Qt::KeyboardModifiers> Delivered;
};
