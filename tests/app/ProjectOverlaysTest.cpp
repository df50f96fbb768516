// The overlays of the sample project's views: their texts, colours and
// numbers after a load, the numbers following the views, the overlay
// switches of "Windows Advanced: ", and a true-scale copy of the axial view
// for printing with its overlays redirected and back.
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCamera.h>
#include <vtkProperty2D.h>

#include <QImage>
#include <array>
#include <cmath>
#include <functional>
#include <string>

#include "SampleProjectFixture.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "platform/CString.h"
#include "toolkit/vtkOrientWindow.h"
#include "toolkit/vtkRullerWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CAxialWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlm3DWindowOffScreen.h"
#include "views/CQlmOverlayRedirect.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

namespace {

std::string TextOf(vtkWin32TextMapper2* mapper) { return mapper->GetInput() ? mapper->GetInput() : ""; }

std::string TwoDecimals(float value) { return CString::Formatted("%.2f", value).c_str(); }

// How many pixels of `picture` inside `area` are nearly pure red.
int RedPixels(const QImage& picture, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60) ++count;
    }
  return count;
}

class ProjectOverlaysTest : public SampleProjectFixture {
protected:
  void WriteSettings() override { EnsureConfigFile(); }
};

TEST_F(ProjectOverlaysTest, ViewsCarryTheirTitlesLettersColoursAndPositions) {
  CQlmQuorvantile& q = *this->Q;
  EXPECT_EQ(TextOf(q.OverlaysAxial->TitleWindow->GetTitleMapper()), "Axial");
  EXPECT_EQ(TextOf(q.OverlaysPanoramic->TitleWindow->GetTitleMapper()), "Panorâmica");
  EXPECT_EQ(TextOf(q.Overlays3D->TitleWindow->GetTitleMapper()), "Janela 3D");
  for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(TextOf(q.OverlaysCross->TitleWindow->GetTextMapper(cell)), "Trans");
  EXPECT_EQ(TextOf(q.OverlaysAxial->OrientWindow->GetSource()->GetTopMapper()), "F");
  EXPECT_EQ(TextOf(q.OverlaysAxial->OrientWindow->GetSource()->GetRightMapper()), "E");
  EXPECT_EQ(TextOf(q.OverlaysPanoramic->OrientWindow->GetSource()->GetTopMapper()), "T");
  EXPECT_EQ(TextOf(q.OverlaysPanoramic->OrientWindow->GetSource()->GetRightMapper()), "E");
  EXPECT_EQ(q.OverlaysAxial->OrientWindow->GetLetterActor(CQlmOrientWindow::Left)->GetVisibility(), 0);
  // The right letter at the middle of the right edge, inside the view.
  vtkActor2D* right = q.OverlaysAxial->OrientWindow->GetLetterActor(CQlmOrientWindow::Right);
  EXPECT_EQ(right->GetVisibility(), 1);
  const int* place = right->GetPositionCoordinate()->GetComputedViewportValue(nullptr);
  const int* size = q.WindowAxial->Renderer0->GetSize();
  EXPECT_NEAR(place[0], size[0] - 6, 1);
  EXPECT_NEAR(place[1], size[1] / 2, 1);

  EXPECT_EQ(q.OverlaysAxial->BorderWindow->GetColor()[0], 1.0f);
  EXPECT_EQ(q.OverlaysPanoramic->BorderWindow->GetColor()[1], 1.0f);
  EXPECT_EQ(q.OverlaysPanoramic->BorderWindow->GetColor()[0], 0.0f);
  EXPECT_EQ(q.OverlaysCross->TitleWindow->GetCenterColor()[0], 0.75f);
  EXPECT_FALSE(q.Overlays3D->OrientWindow);
  EXPECT_TRUE(q.Window3D->Renderer0->HasViewProp(q.Overlays3D->BorderWindow->GetActor()));

  const CQlmCTAxialFilter& axial = *q.CTFilter->GetAxialFilter();
  const float height = static_cast<float>(axial.GetCurrentSlice()) * axial.GetSpacing()[2] + axial.GetOrigin()[2];
  EXPECT_EQ(TextOf(q.OverlaysAxial->NumberWindow->GetNumberMapper()), TwoDecimals(height));
  EXPECT_EQ(TextOf(q.OverlaysPanoramic->NumberWindow->GetNumberMapper()),
            TwoDecimals(q.CTFilter->GetPanFilter()->GetCurveOffset()));
  const float* arcs = q.CTFilter->GetCrossFilter()->GetSectionPositions();
  EXPECT_EQ(TextOf(q.OverlaysCross->NumberWindow->GetTextMapper(4)), TwoDecimals(arcs[4]));

  // The axial number follows the view.
  const int slice = axial.GetCurrentSlice() + 3;
  static_cast<CAxialWnd*>(this->Frame->AxialView)->SetSlice(slice);
  EXPECT_EQ(TextOf(q.OverlaysAxial->NumberWindow->GetNumberMapper()),
            TwoDecimals(static_cast<float>(slice) * axial.GetSpacing()[2] + axial.GetOrigin()[2]));
}

TEST_F(ProjectOverlaysTest, WindowValuesFiveToTwentyOneSwitchTheirOverlays) {
  CQlmQuorvantile& q = *this->Q;
  // Value number (1-based) and the visibility it switches.
  const std::pair<int, std::function<int()>> items[] = {
      {5, [&] { return q.OverlaysAxial->TitleWindow->GetTextActor()->GetVisibility(); }},
      {6, [&] { return q.OverlaysAxial->OrientWindow->GetVisibility(); }},
      {7, [&] { return q.OverlaysAxial->NumberWindow->GetTextActor()->GetVisibility(); }},
      {8, [&] { return q.OverlaysAxial->RullerWindow->GetActor()->GetVisibility(); }},
      {9, [&] { return q.OverlaysAxial->BorderWindow->GetActor()->GetVisibility(); }},
      {10, [&] { return q.OverlaysCross->TitleWindow->GetTextActor(0)->GetVisibility(); }},
      {11, [&] { return q.OverlaysCross->OrientWindow->GetVisibility(); }},
      {12, [&] { return q.OverlaysCross->NumberWindow->GetTextActor(8)->GetVisibility(); }},
      {13, [&] { return q.OverlaysCross->RullerWindow->GetVisibility(); }},
      {14, [&] { return q.OverlaysCross->BorderWindow->GetActor(4)->GetVisibility(); }},
      {15, [&] { return q.OverlaysPanoramic->TitleWindow->GetTextActor()->GetVisibility(); }},
      {16, [&] { return q.OverlaysPanoramic->OrientWindow->GetVisibility(); }},
      {17, [&] { return q.OverlaysPanoramic->NumberWindow->GetTextActor()->GetVisibility(); }},
      {18, [&] { return q.OverlaysPanoramic->RullerWindow->GetVisibility(); }},
      {19, [&] { return q.OverlaysPanoramic->BorderWindow->GetActor()->GetVisibility(); }},
      {20, [&] { return q.Overlays3D->TitleWindow->GetTextActor()->GetVisibility(); }},
      {21, [&] { return q.Overlays3D->BorderWindow->GetActor()->GetVisibility(); }},
  };
  for (const auto& [value, visible] : items) EXPECT_EQ(visible(), 1) << value;
  for (const auto& [value, visible] : items) {
    int values[21];
    std::fill(std::begin(values), std::end(values), 1);
    values[value - 1] = 0;
    q.ApplyWindowValues(values);
    for (const auto& [other, otherVisible] : items) EXPECT_EQ(otherVisible(), other == value ? 0 : 1) << value << " " << other;
  }
}

TEST_F(ProjectOverlaysTest, TrueScaleCopyAt300DpiMeasuresItselfAndLeavesTheLiveViewAsItWas) {
  CQlmQuorvantile& q = *this->Q;
  CQlmViewOverlays& overlays = *q.OverlaysAxial;
  q.WindowAxial->Render();
  const QImage before = q.WindowAxial->GetImage().copy();
  ASSERT_FALSE(before.isNull());
  vtkRullerWindow& ruler = *overlays.RullerWindow->GetSource();
  const double livePixelsPerMM = ruler.GetPixelsPerMM();

  const double scale = q.WindowAxial->Renderer3->GetActiveCamera()->GetParallelScale();
  {
    std::unique_ptr<CQlm3DWindowOffScreen> copy(CQlm3DWindowOffScreen::New());
    copy->OutputResolution = 300;
    copy->CopyFromWindow(q.WindowAxial);
    copy->SetTrueScale();
    CQlmOverlayRedirect redirect(overlays, copy.get());
    ASSERT_TRUE(copy->Render());
    const QImage& picture = copy->GetPicture();
    EXPECT_EQ(picture.height(), static_cast<int>(static_cast<float>(2 * scale) * 300.0f * 0.039368f));
    // 10 mm of the bar: the labels "0" and "10" lie 118 pixels apart.
    vtkActor2DCollection* labels = ruler.GetActor2DCollectionH();
    double zero = -1, ten = -1;
    for (int i = 0; i < labels->GetNumberOfItems(); ++i) {
      auto* label = vtkActor2D::SafeDownCast(labels->GetItemAsObject(i));
      const std::string text = TextOf(vtkWin32TextMapper2::SafeDownCast(label->GetMapper()));
      if (text == "0") zero = label->GetPosition()[0];
      if (text == "10") ten = label->GetPosition()[0];
    }
    ASSERT_GE(zero, 0);
    ASSERT_GE(ten, 0);
    EXPECT_NEAR(ten - zero, 118, 1);
    // Title (top left) and number (bottom left) drawn in the axial red.
    EXPECT_GT(RedPixels(picture, QRect(5, 5, 120, 35)), 20);
    EXPECT_GT(RedPixels(picture, QRect(5, picture.height() - 40, 120, 35)), 20);
  }
  EXPECT_EQ(ruler.GetViewport(), q.WindowAxial->Renderer0.GetPointer());
  q.WindowAxial->Render();
  EXPECT_DOUBLE_EQ(ruler.GetPixelsPerMM(), livePixelsPerMM);
  EXPECT_EQ(q.WindowAxial->GetImage(), before);
}

}  // namespace
