// The contrast dialog on the sample project, opened by "Ferramentas/Contraste":
// a thumb drag re-renders the three 2D views at every step, arrow keys apply
// when the key is released, status pane 2 shows the ends, and the dialog
// opened again reads the same ends back from the axial viewer.
#include <QApplication>
#include <QMainWindow>
#include <QSlider>
#include <QTest>
#include <functional>

#include "../views/QlmRenderCounter.h"
#include "SampleProjectFixture.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "objects/CQlmNerveEdit.h"
#include "objects/CQlmNerves.h"
#include "views/CDialogContrast.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmGreyWindowFollower.h"

namespace {

constexpr UINT ContrastCommand = 32875;

// The ends as a grey filter holds them.
std::pair<float, float> EndsOf(vtkImage16bitsMonocromeTo8BitsRGBFilter* grey) {
  return {grey->GetColorLevel() - grey->GetColorWindow() / 2, grey->GetColorLevel() + grey->GetColorWindow() / 2};
}

class GreyFollower : public CQlmGreyWindowFollower {
public:
  void SetMinimum() override { this->Calls += "min "; }
  void SetMaximum() override { this->Calls += "max "; }
  std::string Calls;
};

class ContrastFixture : public SampleProjectFixture {
protected:
  // Runs the menu command with `whileOpen` acting in the open dialog.
  void RunContrast(const std::function<void(CDialogContrast&)>& whileOpen) {
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog& dialog) {
      whileOpen(static_cast<CDialogContrast&>(dialog));
      return INT_PTR(IDCANCEL);
    });
    this->Frame->OnCmdMsg(ContrastCommand, QlmCmdCode::Command, nullptr);
    CDialog::SetModalHook(previous);
  }

  // The slider's thumb dragged to `position` and let go.
  static void DragThumb(CSliderCtrl& slider, int position) {
    auto* thumb = static_cast<QSlider*>(slider.GetSafeHwnd());
    thumb->setSliderDown(true);
    thumb->setSliderPosition(position);
    thumb->setSliderDown(false);
  }
};

// The nerves stand in as a recording double.
class ContrastDialogTest : public ContrastFixture {
protected:
  void SetUp() override {
    ContrastFixture::SetUp();
    if (Opened()) this->Q->Nerves = &this->Nerves;
  }

  GreyFollower Nerves;
};

TEST_F(ContrastDialogTest, DraggingAndKeysApplyTheEndsToEveryCTViewerAndTheStatusBar) {
  QlmRenderCounter axial(Q->WindowAxial->RenderWindow);
  QlmRenderCounter panoramic(Q->WindowPanoramic->RenderWindow);
  QlmRenderCounter cross(Q->WindowCross->RenderWindow);
  auto renders = [&] { return std::array<int, 3>{axial.Count, panoramic.Count, cross.Count}; };
  RunContrast([&](CDialogContrast& dialog) {
    EXPECT_EQ(dialog.SliderLower.GetPos(), 0);
    EXPECT_EQ(dialog.SliderUpper.GetPos(), 4095);
    auto* lower = static_cast<QSlider*>(dialog.SliderLower.GetSafeHwnd());
    lower->setSliderDown(true);
    for (int position : {300, 600, 900}) {
      SCOPED_TRACE(position);
      const std::array<int, 3> before = renders();
      lower->setSliderPosition(position);
      EXPECT_EQ(renders(), (std::array<int, 3>{before[0] + 1, before[1] + 1, before[2] + 1}));
      EXPECT_EQ(EndsOf(Q->ViewerAxial->GetWindowLevelFilter()).first, position);
    }
    lower->setSliderDown(false);
    QTest::mouseRelease(lower, Qt::LeftButton);

    QWidget* upper = dialog.SliderUpper.GetSafeHwnd();
    const std::array<int, 3> beforeKey = renders();
    QTest::keyPress(upper, Qt::Key_Left);
    EXPECT_EQ(renders(), beforeKey) << "a key applies when released";
    EXPECT_EQ(EndsOf(Q->ViewerAxial->GetWindowLevelFilter()).second, 4095.0f);
    QTest::keyRelease(upper, Qt::Key_Left);
    EXPECT_EQ(renders(), (std::array<int, 3>{beforeKey[0] + 1, beforeKey[1] + 1, beforeKey[2] + 1}));
  });
  const std::pair<float, float> ends{900.0f, 3995.0f};
  EXPECT_EQ(EndsOf(Q->ViewerAxial->GetWindowLevelFilter()), ends);
  EXPECT_EQ(EndsOf(Q->ViewerPanoramic->GetWindowLevelFilter()), ends);
  EXPECT_EQ(EndsOf(Q->ViewerCross->GetWindowLevelFilter()), ends);
  EXPECT_EQ(Frame->StatusBar.GetPaneText(2), CString("min: 900  max: 3995"));
  EXPECT_EQ(Nerves.Calls.substr(0, 8), "min max ");
  EXPECT_EQ(Q->Modified, 1);

  RunContrast([&](CDialogContrast& dialog) {
    EXPECT_EQ(dialog.SliderLower.GetPos(), 900);
    EXPECT_EQ(dialog.SliderUpper.GetPos(), 3995);
    EXPECT_EQ(dialog.EditLower.GetWindowText(), CString("900"));
    EXPECT_EQ(dialog.EditUpper.GetWindowText(), CString("3995"));
  });
}

// Enter or Escape while an end is being typed takes the typed end first.
TEST_F(ContrastDialogTest, ClosingWhileTypingTakesTheTypedEnd) {
  Frame->GetMainWindow()->show();
  RunContrast([&](CDialogContrast& dialog) {
    dialog.GetSafeHwnd()->show();
    QApplication::setActiveWindow(dialog.GetSafeHwnd());
    dialog.EditUpper.SetFocus();
    ASSERT_TRUE(dialog.EditUpper.HasFocusWithin());
    dialog.EditUpper.SetWindowText("2500");
    QTest::keyClick(dialog.GetSafeHwnd(), Qt::Key_Escape);
  });
  EXPECT_EQ(EndsOf(Q->ViewerAxial->GetWindowLevelFilter()), (std::pair<float, float>{0.0f, 2500.0f}));
}

// The real nerves: the nerve window's reformat takes the new ends too.
using ContrastOnNervesTest = ContrastFixture;

TEST_F(ContrastOnNervesTest, TheNerveWindowsReformatFollowsTheEnds) {
  if (!Opened()) return;
  CQlmNerves& nerves = *Q->NerveContainer;
  ASSERT_EQ(Q->Nerves, static_cast<CQlmGreyWindowFollower*>(&nerves));
  Q->NerveEditing = 1;
  nerves.EnterNerveWindow();
  RunContrast([](CDialogContrast& contrast) {
    DragThumb(contrast.SliderUpper, 2200);
    DragThumb(contrast.SliderLower, 700);
  });
  EXPECT_EQ(EndsOf(nerves.GetEditor()->GetViewer()->GetWindowLevelFilter()),
            (std::pair<float, float>{700.0f, 2200.0f}));
  Q->NerveEditing = 0;
  nerves.LeaveNerveWindow();
}

}  // namespace
