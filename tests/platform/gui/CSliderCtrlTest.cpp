// Trackbars of a template dialog: what the dialog hears of keys, drags and
// clicks, and in what order; and the dialog hearing when an edit loses the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QSlider>
#include <QTest>
#include <string>
#include <vector>

#include "QlmGuiTestApp.h"
#include "QlmOpenDialog.h"
#include "platform/gui/CDataExchange.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CSliderCtrl.h"

namespace {

constexpr UINT Bar = 1001;
constexpr UINT Field = 1006;

const QlmDialogTemplate& BarTemplate() {
  static const QlmDialogTemplate dialog{150,
                                        "Barras",
                                        155,
                                        40,
                                        {QlmDialogItem::Trackbar(Bar, {0, 3, 125, 10}, TBS_NOTICKS),
                                         QlmDialogItem::Edit(Field, {126, 1, 27, 12}),
                                         QlmDialogItem::Edit(1004, {126, 16, 27, 12})}};
  return dialog;
}

class BarDialog : public CDialog {
public:
  BarDialog() : CDialog(BarTemplate()) {}
  CSliderCtrl Slider;
  // "code@position" as the dialog heard them.
  std::vector<std::string> Heard;
  std::vector<UINT> Left;

protected:
  void DoDataExchange(CDataExchange* exchange) override { DDX_Control(exchange, Bar, this->Slider); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    this->Slider.SetRange(0, 4094);
    this->Slider.SetPageSize(500);
    this->Slider.SetLineSize(100);
    this->Slider.SetPos(1000);
    return TRUE;
  }
  void OnHScroll(UINT code, UINT position, CWnd* scrollBar) override {
    EXPECT_EQ(scrollBar, &this->Slider);
    this->Heard.push_back(std::to_string(code) + "@" + std::to_string(position));
  }
  void OnEditKillFocus(UINT id) override { this->Left.push_back(id); }
};

std::string Code(UINT code, int position) { return std::to_string(code) + "@" + std::to_string(position); }

TEST(CSliderCtrl, KeysStepByLineAndPageAndEndTheScrollWhenReleased) {
  QlmGuiTestApp::Instance();
  struct Case {
    Qt::Key Key;
    std::vector<std::string> Heard;
  };
  const Case cases[] = {
      {Qt::Key_Right, {Code(SB_LINEDOWN, 1100), Code(SB_ENDSCROLL, 1100)}},
      {Qt::Key_Left, {Code(SB_LINEUP, 900), Code(SB_ENDSCROLL, 900)}},
      {Qt::Key_PageUp, {Code(SB_PAGEDOWN, 1500), Code(SB_ENDSCROLL, 1500)}},
      {Qt::Key_PageDown, {Code(SB_PAGEUP, 500), Code(SB_ENDSCROLL, 500)}},
      {Qt::Key_Home, {Code(SB_TOP, 0), Code(SB_ENDSCROLL, 0)}},
      {Qt::Key_End, {Code(SB_BOTTOM, 4094), Code(SB_ENDSCROLL, 4094)}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Key);
    BarDialog dialog;
    QlmOpenDialog::Run(dialog, [&] { QTest::keyClick(dialog.Slider.GetSafeHwnd(), test.Key); });
    EXPECT_EQ(dialog.Heard, test.Heard);
  }
}

TEST(CSliderCtrl, ADragTracksEveryMoveThenEndsWithThePositionAndTheEndOfTheScroll) {
  QlmGuiTestApp::Instance();
  BarDialog dialog;
  int set = -1;
  QlmOpenDialog::Run(dialog, [&] {
    auto* slider = static_cast<QSlider*>(dialog.Slider.GetSafeHwnd());
    slider->setSliderDown(true);
    slider->setSliderPosition(1200);
    slider->setSliderPosition(1300);
    slider->setSliderDown(false);
    QTest::mouseRelease(slider, Qt::LeftButton);
    dialog.Slider.SetPos(99999);
    set = dialog.Slider.GetPos();
  });
  const std::vector<std::string> expected = {Code(SB_THUMBTRACK, 1200), Code(SB_THUMBTRACK, 1300),
                                             Code(SB_THUMBPOSITION, 1300), Code(SB_ENDSCROLL, 1300)};
  EXPECT_EQ(dialog.Heard, expected);
  EXPECT_EQ(set, 4094) << "SetPos keeps to the range and tells nobody";
}

TEST(CDialog, TheDialogHearsWhichEditLostTheFocusUntilItHasEnded) {
  QlmGuiTestApp::Instance();
  BarDialog dialog;
  QlmOpenDialog::Run(dialog, [&] {
    for (UINT id : {Field, 1004u, Field}) {
      QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
      QApplication::sendEvent(dialog.FindControl(id), &out);
    }
    dialog.EndDialog(IDCANCEL);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(dialog.FindControl(1004), &out);
  });
  EXPECT_EQ(dialog.Left, (std::vector<UINT>{Field, 1004u, Field}));
}

}  // namespace
