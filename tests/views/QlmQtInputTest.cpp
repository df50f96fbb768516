#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "QlmTestApplication.h"
#include "views/QlmInteraction.h"
#include "views/QlmQtInput.h"

namespace {

class QlmQtInputTest : public ::testing::Test {
protected:
  void SetUp() override { QlmTestApplication(); }
};

TEST_F(QlmQtInputTest, ButtonsAndModifiersBecomeTheFlagWord) {
  struct Case {
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    unsigned flags;
  };
  const Case cases[] = {
      {Qt::LeftButton, Qt::NoModifier, 0x01},
      {Qt::RightButton, Qt::ShiftModifier, 0x02 | 0x04},
      {Qt::MiddleButton, Qt::ControlModifier, 0x10 | 0x08},
      {Qt::LeftButton | Qt::RightButton | Qt::MiddleButton, Qt::ControlModifier | Qt::ShiftModifier, 0x1F},
      {Qt::NoButton, Qt::AltModifier, 0},
      {Qt::BackButton, Qt::NoModifier, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QlmQtInput::MouseFlags(c.buttons, c.modifiers), c.flags) << c.flags;
  }
}

TEST_F(QlmQtInputTest, MouseEventsBecomeTheStylesEventWords) {
  struct Case {
    QEvent::Type type;
    Qt::MouseButton button;
    int word;
  };
  const Case cases[] = {
      {QEvent::MouseMove, Qt::NoButton, QlmEvent::MouseMove},
      {QEvent::MouseButtonPress, Qt::LeftButton, QlmEvent::LeftDown},
      {QEvent::MouseButtonRelease, Qt::LeftButton, QlmEvent::LeftUp},
      {QEvent::MouseButtonPress, Qt::RightButton, QlmEvent::RightDown},
      {QEvent::MouseButtonRelease, Qt::RightButton, QlmEvent::RightUp},
      {QEvent::MouseButtonDblClick, Qt::LeftButton, QlmEvent::LeftDoubleClick},
      {QEvent::MouseButtonDblClick, Qt::RightButton, 0},
      {QEvent::MouseButtonPress, Qt::MiddleButton, 0},
      {QEvent::MouseButtonRelease, Qt::MiddleButton, 0},
  };
  for (const Case& c : cases) {
    const QMouseEvent event(c.type, QPointF(12, 7), QPointF(112, 107), c.button, c.button, Qt::NoModifier);
    EXPECT_EQ(QlmQtInput::EventWord(event), c.word) << c.type << " " << c.button;
    EXPECT_EQ(QlmQtInput::WindowPosition(event), QPoint(12, 7));
  }
}

TEST_F(QlmQtInputTest, WheelDeltaIsTheVerticalTurnInSixteenBits) {
  struct Case {
    QPoint angle;
    int delta;
  };
  const Case cases[] = {{{0, 120}, 120}, {{0, -240}, -240}, {{120, 0}, 0}, {{0, 40000}, 32767}, {{0, -40000}, -32768}};
  for (const Case& c : cases) {
    const QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), c.angle, Qt::NoButton, Qt::NoModifier,
                            Qt::NoScrollPhase, false);
    EXPECT_EQ(QlmQtInput::WheelDelta(event), c.delta) << c.angle.y();
  }
}

TEST_F(QlmQtInputTest, OnlyTheLastReleaseOfAHeldKeyIsReal) {
  EXPECT_FALSE(QlmQtInput::IsRealKeyRelease(QKeyEvent(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier, "", true)));
  EXPECT_TRUE(QlmQtInput::IsRealKeyRelease(QKeyEvent(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier, "", false)));
  EXPECT_FALSE(QlmQtInput::IsRealKeyRelease(QKeyEvent(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier, "", false)));
}

}  // namespace
