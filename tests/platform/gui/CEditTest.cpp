// The edit control: every way text gets in as the user passes through OnChar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "QlmGuiTestApp.h"
#include "platform/gui/CEdit.h"

namespace {

// Takes digits only, as a numeric field does; counts lost focus.
class DigitEdit : public CEdit {
public:
  int FocusLost = 0;

protected:
  void OnChar(UINT character, UINT repeat, UINT flags) override {
    if ((character >= '0' && character <= '9') || character == VK_BACK) CEdit::OnChar(character, repeat, flags);
  }
  void OnKillFocus() override { ++this->FocusLost; }
};

class EditFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ASSERT_TRUE(this->Host.Create(0, CRect(0, 0, 300, 100), nullptr, 0));
    ASSERT_TRUE(this->Edit.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | ES_RIGHT, CRect(10, 10, 110, 34),
                                    &this->Host, 399));
    this->Host.ShowWindow(SW_SHOW);
    this->Line()->setFocus();
    QlmGuiTestApp::Wait(10);
  }

  QLineEdit* Line() { return static_cast<QLineEdit*>(this->Edit.GetSafeHwnd()); }
  std::string Text() { return this->Edit.GetWindowText().Str(); }

  CWnd Host;
  DigitEdit Edit;
};

TEST_F(EditFixture, TypedPastedAndComposedTextIsFiltered) {
  QTest::keyClicks(this->Line(), "1a2.");
  EXPECT_EQ(this->Text(), "12");

  QApplication::clipboard()->setText("3b4\n");
  QTest::keyClick(this->Line(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(this->Text(), "1234");
  this->Edit.Paste();
  EXPECT_EQ(this->Text(), "123434");

  QInputMethodEvent composed;
  composed.setCommitString("5x6");
  QApplication::sendEvent(this->Line(), &composed);
  EXPECT_EQ(this->Text(), "12343456");

  QTest::keyClick(this->Line(), Qt::Key_Backspace);
  QTest::keyClick(this->Line(), Qt::Key_Home);
  QTest::keyClick(this->Line(), Qt::Key_Delete);
  EXPECT_EQ(this->Text(), "234345");
}

TEST_F(EditFixture, TheLimitHoldsForTypingPastingAndSetText) {
  this->Edit.LimitText(6);
  QTest::keyClicks(this->Line(), "12345");
  QApplication::clipboard()->setText("6789");
  this->Edit.Paste();
  EXPECT_EQ(this->Text(), "123456");
  this->Edit.SetWindowText("100.005");
  EXPECT_EQ(this->Text(), "100.00");
}

TEST_F(EditFixture, TheTextIsRightAlignedInsideItsMarginsAndLosingFocusIsReported) {
  EXPECT_TRUE(this->Line()->alignment() & Qt::AlignRight);
  EXPECT_TRUE(this->Line()->hasFrame());
  CRect client;
  this->Edit.GetClientRect(&client);
  this->Edit.SetRect(CRect(client.left, client.top + 1, client.right - 2, client.bottom + 1));
  EXPECT_EQ(this->Line()->textMargins(), QMargins(0, 1, 2, 0));

  CWnd* asWindow = &this->Edit;
  asWindow->SetWindowText("42");
  EXPECT_EQ(asWindow->GetWindowText(), CString("42"));
  this->Line()->clearFocus();
  EXPECT_EQ(this->Edit.FocusLost, 1);
}

}  // namespace
