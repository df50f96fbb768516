// The ends of the grey window in the contrast dialog: whatever moves or is
// typed, 0 <= lower < upper <= 4095, the trackbars and the edits agree, and
// an end pushed onto or past the other one moves the other one away by 1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <functional>

#include "QlmOpenDialog.h"
#include "QlmTestApplication.h"
#include "platform/QlmNumberFormat.h"
#include "views/CDialogContrast.h"

namespace {

struct Ends {
  int Lower;
  int Upper;
  bool operator==(const Ends&) const = default;
};

void PrintTo(const Ends& ends, std::ostream* out) { *out << ends.Lower << " .. " << ends.Upper; }

void Leave(CEdit& edit, const char* text) {
  static_cast<QLineEdit*>(edit.GetSafeHwnd())->setText(text);
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(edit.GetSafeHwnd(), &out);
}

void Drag(CSliderCtrl& bar, int position) {
  auto* slider = static_cast<QSlider*>(bar.GetSafeHwnd());
  slider->setSliderDown(true);
  slider->setSliderPosition(position);
  slider->setSliderDown(false);
  QTest::mouseRelease(slider, Qt::LeftButton);
}

int Number(const CEdit& edit) { return QlmNumberFormat::LeadingInt(edit.GetWindowText().Str()); }

void Key(CSliderCtrl& bar, Qt::Key key) { QTest::keyClick(bar.GetSafeHwnd(), key); }

TEST(CDialogContrast, TheEndsStayOrderedAndTheEditsFollowTheTrackbars) {
  QlmTestApplication();
  using Action = std::function<void(CDialogContrast&)>;
  struct Case {
    const char* Name;
    Action Act;
    Ends Expected;
  };
  const Case cases[] = {
      {"lower dragged past the upper", [](CDialogContrast& d) { Drag(d.SliderLower, 2500); }, {2500, 2501}},
      {"lower dragged onto the upper", [](CDialogContrast& d) { Drag(d.SliderLower, 2000); }, {2000, 2001}},
      {"upper dragged onto the lower", [](CDialogContrast& d) { Drag(d.SliderUpper, 500); }, {499, 500}},
      {"lower to its end", [](CDialogContrast& d) { Key(d.SliderLower, Qt::Key_End); }, {4094, 4095}},
      {"upper to its start", [](CDialogContrast& d) { Key(d.SliderUpper, Qt::Key_Home); }, {0, 1}},
      {"upper paged onto the lower",
       [](CDialogContrast& d) {
         for (int page = 0; page < 3; ++page) Key(d.SliderUpper, Qt::Key_PageDown);
       },
       {499, 500}},
      {"upper typed below the lower", [](CDialogContrast& d) { Leave(d.EditUpper, "300"); }, {299, 300}},
      {"upper typed onto the lower", [](CDialogContrast& d) { Leave(d.EditUpper, "500"); }, {499, 500}},
      {"upper typed as no number", [](CDialogContrast& d) { Leave(d.EditUpper, "abc"); }, {0, 1}},
      {"upper typed 0", [](CDialogContrast& d) { Leave(d.EditUpper, "0"); }, {0, 1}},
      {"upper typed past the top", [](CDialogContrast& d) { Leave(d.EditUpper, "9999"); }, {500, 4095}},
      {"lower typed 4095", [](CDialogContrast& d) { Leave(d.EditLower, "4095"); }, {4094, 4095}},
      {"lower typed onto the upper", [](CDialogContrast& d) { Leave(d.EditLower, "2000"); }, {2000, 2001}},
      {"lower typed as no number", [](CDialogContrast& d) { Leave(d.EditLower, ""); }, {0, 2000}},
      {"lower typed within", [](CDialogContrast& d) { Leave(d.EditLower, "1234"); }, {1234, 2000}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Name);
    CDialogContrast dialog;
    Ends ends{}, shown{};
    QlmOpenDialog::Run(dialog, [&] {
      Leave(dialog.EditUpper, "2000");
      Leave(dialog.EditLower, "500");
      ASSERT_EQ((Ends{dialog.SliderLower.GetPos(), dialog.SliderUpper.GetPos()}), (Ends{500, 2000}));
      test.Act(dialog);
      ends = {dialog.SliderLower.GetPos(), dialog.SliderUpper.GetPos()};
      shown = {Number(dialog.EditLower), Number(dialog.EditUpper)};
    });
    EXPECT_EQ(ends, test.Expected);
    EXPECT_EQ(shown, test.Expected);
  }
}

TEST(CDialogContrast, TrackbarsStepByLinesOf100AndPagesOf500AndEditsTakeFourDigits) {
  QlmTestApplication();
  CDialogContrast dialog;
  QlmOpenDialog::Run(dialog, [&] {
    EXPECT_EQ(dialog.SliderLower.GetRangeMin(), 0);
    EXPECT_EQ(dialog.SliderLower.GetRangeMax(), 4094);
    EXPECT_EQ(dialog.SliderUpper.GetRangeMin(), 1);
    EXPECT_EQ(dialog.SliderUpper.GetRangeMax(), 4095);
    Leave(dialog.EditUpper, "3000");
    Key(dialog.SliderUpper, Qt::Key_Left);
    EXPECT_EQ(dialog.SliderUpper.GetPos(), 2900);
    Key(dialog.SliderUpper, Qt::Key_PageDown);
    EXPECT_EQ(dialog.SliderUpper.GetPos(), 2400);
    auto* edit = static_cast<QLineEdit*>(dialog.EditLower.GetSafeHwnd());
    edit->clear();
    QTest::keyClicks(edit, "12a345");
    EXPECT_EQ(edit->text(), "1234");
  });
}

}  // namespace
