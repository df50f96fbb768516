// The overlays on the render-window wrappers: which actor goes into which
// layer, colours and visibility with their stored flags, numbers, and the
// redirection to an off-screen copy and back.
#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkProperty.h>
#include <vtkProperty2D.h>
#include <vtkRenderWindow.h>

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "QlmDisplay.h"
#include "QlmTestApplication.h"
#include "toolkit/vtkBorderWindow.h"
#include "toolkit/vtkNumberWindow.h"
#include "toolkit/vtkOrientWindow.h"
#include "toolkit/vtkRullerWindow.h"
#include "toolkit/vtkTitleWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlm3DWindowOffScreen.h"
#include "views/CQlmOverlayRedirect.h"
#include "views/CQlmRullerWindowHU.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

namespace {

using Rgb = std::array<double, 3>;

Rgb ColourOf(vtkActor2D* actor) {
  const double* c = actor->GetProperty()->GetColor();
  return {c[0], c[1], c[2]};
}

int PropCount(vtkRenderer* renderer) { return renderer->GetViewProps()->GetNumberOfItems(); }

std::string TextOf(vtkWin32TextMapper2* mapper) { return mapper->GetInput() ? mapper->GetInput() : ""; }

class OverlayWindowsTest : public ::testing::Test {
protected:
  void SetUp() override {
    QlmTestApplication();
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window9.reset(CQlm3DWindow9::New(2));
  }

  int LayerCounts(int layer) const { return PropCount(this->Window->GetLayerRenderer(layer)); }

  std::unique_ptr<CQlm3DWindow> Window;
  std::unique_ptr<CQlm3DWindow9> Window9;
};

TEST_F(OverlayWindowsTest, EachOverlayPutsFramesInLayerThreeAndTheRestInLayerZeroAndTakesThemOutAgain) {
  std::unique_ptr<CQlmViewOverlays> overlays(CQlmViewOverlays::New(1));
  overlays->Attach(this->Window.get());
  // Border 1; title and number 1 + 1 frames; letters 4 + 1 frame; bars 1 + 10 labels, second output 1.
  EXPECT_EQ(this->LayerCounts(3), 4);
  EXPECT_EQ(this->LayerCounts(0), 1 + 1 + 1 + 4 + 1 + 2 * vtkRullerWindow::LabelCount);
  EXPECT_EQ(this->LayerCounts(1), 0);
  EXPECT_EQ(this->LayerCounts(2), 0);
  EXPECT_TRUE(this->Window->Renderer0->HasViewProp(overlays->TitleWindow->GetTextActor()));
  EXPECT_TRUE(this->Window->Renderer3->HasViewProp(overlays->TitleWindow->GetFrameActor()));
  EXPECT_EQ(overlays->TitleWindow->GetSource()->GetViewport(), this->Window->Renderer0.GetPointer());
  EXPECT_EQ(overlays->RullerWindow->GetSource()->GetCamera(), this->Window->Renderer3->GetActiveCamera());
  // Nothing but the bars can be picked.
  EXPECT_FALSE(overlays->TitleWindow->GetTextActor()->GetPickable());
  EXPECT_FALSE(overlays->BorderWindow->GetActor()->GetPickable());
  EXPECT_FALSE(overlays->OrientWindow->GetFrameActor()->GetPickable());
  overlays.reset();
  for (int layer = 0; layer < 4; ++layer) EXPECT_EQ(this->LayerCounts(layer), 0) << layer;

  // A 3D view's overlays: title and border only; never attached, deleting touches nothing.
  std::unique_ptr<CQlmViewOverlays> view3D(CQlmViewOverlays::New(0));
  EXPECT_FALSE(view3D->OrientWindow);
  view3D.reset();
  EXPECT_EQ(this->LayerCounts(0), 0);
}

TEST_F(OverlayWindowsTest, NineCellOverlaysGoIntoEveryCell) {
  std::unique_ptr<CQlmViewOverlays9> overlays(CQlmViewOverlays9::New());
  overlays->Attach(this->Window9.get());
  for (int cell = 0; cell < 9; ++cell) {
    // Frames of title, number and letters, and the bars' second output.
    EXPECT_EQ(PropCount(this->Window9->Renderer3[cell]), 4) << cell;
    // Border, title, number, 4 letters, bar and its 10 labels.
    EXPECT_EQ(PropCount(this->Window9->Renderer0[cell]), 7 + 1 + 2 * vtkRullerWindow::LabelCount) << cell;
  }
  EXPECT_EQ(overlays->RullerWindow->GetOuterSource()->GetViewport(), this->Window9->Renderer0[4].GetPointer());
  overlays.reset();
  for (int cell = 0; cell < 9; ++cell) {
    EXPECT_EQ(PropCount(this->Window9->Renderer0[cell]), 0) << cell;
    EXPECT_EQ(PropCount(this->Window9->Renderer3[cell]), 0) << cell;
  }
}

TEST_F(OverlayWindowsTest, CommonColourOfNineCellsLeavesOnlyTheCentreTitleAlone) {
  std::unique_ptr<CQlmViewOverlays9> overlays(CQlmViewOverlays9::New());
  const Rgb pale{0.75, 0.75, 1}, blue{0, 0, 1};
  overlays->TitleWindow->SetCenterColor(0.75f, 0.75f, 1);
  overlays->NumberWindow->SetCenterColor(0.75f, 0.75f, 1);
  overlays->BorderWindow->SetCenterColor(0.75f, 0.75f, 1);
  overlays->TitleWindow->SetColor(0, 0, 1);
  overlays->NumberWindow->SetColor(0, 0, 1);
  overlays->BorderWindow->SetColor(0, 0, 1);
  EXPECT_EQ(ColourOf(overlays->TitleWindow->GetTextActor(4)), pale);
  EXPECT_EQ(ColourOf(overlays->TitleWindow->GetTextActor(0)), blue);
  EXPECT_EQ(ColourOf(overlays->NumberWindow->GetTextActor(4)), blue);
  EXPECT_EQ(ColourOf(overlays->BorderWindow->GetActor(4)), blue);
  EXPECT_EQ(ColourOf(overlays->BorderWindow->GetActor(8)), blue);
  // The orientation letters: centre colour after the common one.
  overlays->OrientWindow->SetColor(0, 0, 1);
  overlays->OrientWindow->SetCenterColor(0.75f, 0.75f, 1);
  EXPECT_EQ(ColourOf(overlays->OrientWindow->GetLetterActor(4, CQlmOrientWindow::Right)), pale);
  EXPECT_EQ(ColourOf(overlays->OrientWindow->GetLetterActor(3, CQlmOrientWindow::Right)), blue);
}

TEST_F(OverlayWindowsTest, LettersShowOnlyWhenVisibleAndFlagged) {
  std::unique_ptr<CQlmOrientWindow> one(CQlmOrientWindow::New());
  std::unique_ptr<CQlmOrientWindow9> nine(CQlmOrientWindow9::New());
  auto shown = [&](CQlmOrientWindow::Letter letter) {
    return std::array<int, 2>{one->GetLetterActor(letter)->GetVisibility(),
                              nine->GetLetterActor(7, letter)->GetVisibility()};
  };
  using Shown = std::array<int, 2>;
  // By default top and right.
  EXPECT_EQ(shown(CQlmOrientWindow::Top), (Shown{1, 1}));
  EXPECT_EQ(shown(CQlmOrientWindow::Bottom), (Shown{0, 0}));
  EXPECT_EQ(shown(CQlmOrientWindow::Left), (Shown{0, 0}));
  EXPECT_EQ(shown(CQlmOrientWindow::Right), (Shown{1, 1}));
  one->SetVisibility(0);
  nine->SetVisibility(0);
  EXPECT_EQ(shown(CQlmOrientWindow::Top), (Shown{0, 0}));
  // A flag set while hidden is kept without showing the letter.
  one->SetShowLeft(1);
  nine->SetShowLeft(1);
  EXPECT_EQ(shown(CQlmOrientWindow::Left), (Shown{0, 0}));
  EXPECT_EQ(one->GetShow(CQlmOrientWindow::Left), 1);
  EXPECT_EQ(nine->GetShow(CQlmOrientWindow::Left), 1);
  one->SetShowTop(0);
  nine->SetShowTop(0);
  one->SetVisibility(1);
  nine->SetVisibility(1);
  EXPECT_EQ(shown(CQlmOrientWindow::Top), (Shown{0, 0}));
  EXPECT_EQ(shown(CQlmOrientWindow::Bottom), (Shown{0, 0}));
  EXPECT_EQ(shown(CQlmOrientWindow::Left), (Shown{1, 1}));
  EXPECT_EQ(shown(CQlmOrientWindow::Right), (Shown{1, 1}));
}

TEST_F(OverlayWindowsTest, HidingATitleOrNumberHidesTheTextNotTheFrame) {
  std::unique_ptr<CQlmTitleWindow> title(CQlmTitleWindow::New());
  std::unique_ptr<CQlmNumberWindow> number(CQlmNumberWindow::New());
  std::unique_ptr<CQlmTitleWindow9> titles(CQlmTitleWindow9::New());
  for (CQlmTextWindow* text : {static_cast<CQlmTextWindow*>(title.get()), static_cast<CQlmTextWindow*>(number.get())}) {
    text->SetVisibility(0);
    EXPECT_FALSE(text->GetTextActor()->GetVisibility());
    EXPECT_TRUE(text->GetFrameActor()->GetVisibility());
    EXPECT_EQ(text->GetVisibility(), 0);
  }
  titles->SetVisibility(0);
  EXPECT_FALSE(titles->GetTextActor(2)->GetVisibility());
  EXPECT_TRUE(titles->GetFrameActor(2)->GetVisibility());
}

TEST_F(OverlayWindowsTest, NumbersShowTwoDecimals) {
  std::unique_ptr<CQlmNumberWindow> number(CQlmNumberWindow::New());
  std::unique_ptr<CQlmNumberWindow9> numbers(CQlmNumberWindow9::New());
  const struct {
    float value;
    const char* text;
  } cases[] = {{1.5f, "1.50"}, {-2.0f, "-2.00"}, {0.004f, "0.00"}, {-0.006f, "-0.01"}, {123.456f, "123.46"}};
  for (const auto& test : cases) {
    // Through the follower slot the views call.
    static_cast<CQlmPositionListener*>(number.get())->SetNumber(test.value);
    EXPECT_EQ(TextOf(number->GetNumberMapper()), test.text) << test.value;
  }
  const float arcs[9] = {-4, -3, -2, -1, 0.5f, 1, 2, 3, 4};
  static_cast<CQlmPositionListener*>(numbers.get())->SetNumbers(arcs);
  EXPECT_EQ(TextOf(numbers->GetTextMapper(0)), "-4.00");
  EXPECT_EQ(TextOf(numbers->GetTextMapper(4)), "0.50");
  EXPECT_EQ(TextOf(numbers->GetTextMapper(8)), "4.00");
}

TEST_F(OverlayWindowsTest, BoxesAndModesReachEveryTextMapper) {
  std::unique_ptr<CQlmViewOverlays9> nine(CQlmViewOverlays9::New());
  nine->NumberWindow->SetBackground(1);
  nine->NumberWindow->SetBackgroundColor(0.5f, 0.25f, 0);
  nine->OrientWindow->SetBackground(1);
  nine->TitleWindow->SetMode(1);
  double box[3];
  nine->NumberWindow->GetTextMapper(8)->GetColorBackground(box);
  EXPECT_EQ(nine->NumberWindow->GetBackground(), 1);
  EXPECT_DOUBLE_EQ(box[1], 0.25);
  EXPECT_EQ(nine->NumberWindow->GetTextMapper(3)->GetBackground(), 1);
  EXPECT_EQ(nine->TitleWindow->GetTextMapper(0)->GetBackground(), 0);
  EXPECT_EQ(nine->TitleWindow->GetTextMapper(5)->GetFontSize(), vtkLabelWindowSource::CellFontSize);

  std::unique_ptr<CQlmNumberWindow> number(CQlmNumberWindow::New());
  number->SetBackground(1);
  EXPECT_EQ(number->GetNumberMapper()->GetBackground(), 1);
  EXPECT_EQ(number->GetBackground(), 1);
}

// Regression: the scale bar's colour had no green and blue until the first SetColor.
TEST_F(OverlayWindowsTest, ScaleBarsStartRed) {
  std::unique_ptr<CQlmRullerWindow> bar(CQlmRullerWindow::New());
  std::unique_ptr<CQlmRullerWindowHU> hu(CQlmRullerWindowHU::New());
  for (CQlmRullerWindow* ruler : {bar.get(), static_cast<CQlmRullerWindow*>(hu.get())}) {
    EXPECT_EQ((Rgb{ruler->GetColor()[0], ruler->GetColor()[1], ruler->GetColor()[2]}), (Rgb{1, 0, 0}));
    EXPECT_EQ(ColourOf(ruler->GetActor()), (Rgb{1, 0, 0}));
  }
  bar->SetVisibility(0);
  EXPECT_FALSE(bar->GetActor()->GetVisibility());
  EXPECT_EQ(bar->GetSource()->GetVisibility(), 0);
}

TEST_F(OverlayWindowsTest, RedirectPointsAtTheCopyUntilItEndsAlsoOnAnEarlyReturn) {
  std::unique_ptr<CQlmViewOverlays> overlays(CQlmViewOverlays::New(1));
  overlays->Attach(this->Window.get());
  std::unique_ptr<CQlm3DWindowOffScreen> copy(CQlm3DWindowOffScreen::New());
  auto capture = [&](bool leaveEarly) {
    CQlmOverlayRedirect redirect(*overlays, copy.get());
    EXPECT_EQ(overlays->BorderWindow->GetSource()->GetViewport(), copy->Renderer0.GetPointer());
    EXPECT_EQ(overlays->RullerWindow->GetSource()->GetCamera(), copy->GetCamera());
    EXPECT_EQ(overlays->NumberWindow->GetSource()->GetViewport(), copy->Renderer0.GetPointer());
    // The actors stay in the live window; only the measuring changes.
    EXPECT_EQ(overlays->BorderWindow->GetWindow(), this->Window.get());
    if (leaveEarly) return;
    EXPECT_EQ(overlays->OrientWindow->GetWindow(), this->Window.get());
  };
  for (bool leaveEarly : {false, true}) {
    capture(leaveEarly);
    for (vtkOverlayWindowSource* source :
         {static_cast<vtkOverlayWindowSource*>(overlays->BorderWindow->GetSource()),
          static_cast<vtkOverlayWindowSource*>(overlays->TitleWindow->GetSource()),
          static_cast<vtkOverlayWindowSource*>(overlays->OrientWindow->GetSource()),
          static_cast<vtkOverlayWindowSource*>(overlays->NumberWindow->GetSource()),
          static_cast<vtkOverlayWindowSource*>(overlays->RullerWindow->GetSource())}) {
      EXPECT_EQ(source->GetViewport(), this->Window->Renderer0.GetPointer()) << leaveEarly;
    }
    EXPECT_EQ(overlays->RullerWindow->GetSource()->GetCamera(), this->Window->Renderer3->GetActiveCamera());
  }
}

}  // namespace
