// The nerve window on the sample project of the real head CT, entered and
// left as the controller's toggle does it.
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>

#include <QScrollBar>
#include <array>
#include <string>

#include "SampleProjectFixture.h"
#include "ct/CQlmCTPanoramicNerveFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmNerves.h"
#include "toolkit/vtkNerveTubeFilter.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CAxialWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorAxial.h"
#include "views/CQlmIndicatorAxialPan.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPanAxial.h"
#include "views/CQlmIndicatorPanCross.h"
#include "views/CQlmViewOverlays.h"

namespace {

std::string TextOf(vtkWin32TextMapper2* mapper) { return mapper->GetInput() ? mapper->GetInput() : ""; }

bool Holds(CQlm3DWindow* window, int layer, vtkProp* prop) {
  return window->GetLayerRenderer(layer)->GetViewProps()->IsItemPresent(prop) != 0;
}

using CameraState = std::array<double, 7>;

CameraState StateOf(vtkRenderer* renderer) {
  vtkCamera* camera = renderer->GetActiveCamera();
  CameraState state;
  camera->GetPosition(state.data());
  camera->GetFocalPoint(state.data() + 3);
  state[6] = camera->GetParallelScale();
  return state;
}

class NerveWindowTest : public SampleProjectFixture {
protected:
  void Enter() {
    this->Q->NerveEditing = 1;
    this->Nerves().EnterNerveWindow();
    this->RenderAll();
  }
  void Leave() {
    this->Q->NerveEditing = 0;
    this->Nerves().LeaveNerveWindow();
    this->RenderAll();
  }
  void RenderAll() {
    this->Q->WindowAxial->Render();
    this->Q->WindowPanoramic->Render();
    this->Q->WindowCross->Render();
    this->Q->Window3D->Render();
  }
  CQlmNerves& Nerves() { return *this->Q->NerveContainer; }
  std::array<CameraState, 3> Cameras() {
    return {StateOf(this->Q->WindowAxial->GetLayerRenderer(3)), StateOf(this->Q->WindowPanoramic->GetLayerRenderer(3)),
            StateOf(this->Q->WindowCross->GetCellLayerRenderer(4, 3))};
  }
};

TEST_F(NerveWindowTest, EnteringAddsTheFirstNerveAndShowsTheReformatAlongIt) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  ASSERT_EQ(this->Nerves().GetCount(), 0);
  this->Enter();

  ASSERT_EQ(this->Nerves().GetCount(), 1);
  CQlmNerve& nerve = *this->Nerves().GetCurrentNerve();
  EXPECT_EQ(std::string(nerve.GetName().Str()), "Nervo Direito");
  EXPECT_EQ(TextOf(q.OverlaysPanoramic->TitleWindow->GetTitleMapper()), "Janela do Nervo");
  EXPECT_EQ(q.OverlaysPanoramic->BorderWindow->GetColor()[1], 0.5f);
  EXPECT_FALSE(q.PanoramicView->GetVerticalScrollBar()->isEnabled());
  EXPECT_FALSE(q.ViewerPanoramic->GetActor()->GetVisibility());

  // The reformat along the axial line, with both lines and the tube.
  CQlmNerveEdit& editor = *this->Nerves().GetEditor();
  EXPECT_TRUE(Holds(q.WindowPanoramic, 3, editor.GetViewer()->GetActor()));
  vtkImagePanoramicNerveFilter& reformat = *editor.GetFilter()->GetNerveFilter();
  reformat.Update();
  const double columns = nerve.GetAxialLine().GetLength() / reformat.GetOutput()->GetSpacing()[0];
  EXPECT_NEAR(reformat.GetOutput()->GetDimensions()[0], columns, 1.5);
  EXPECT_TRUE(Holds(q.WindowAxial, 1, nerve.GetAxialLine().GetLineActor()));
  EXPECT_TRUE(Holds(q.WindowPanoramic, 1, nerve.GetPanoramicLine().GetLineActor()));
  CQlmNerve3D& tube = *this->Nerves().GetList3D()->GetListItemAt(0);
  EXPECT_TRUE(Holds(q.Window3D, 3, tube.GetActor()));
  EXPECT_TRUE(tube.GetVisibility());
  tube.GetTube()->Update();
  EXPECT_GT(tube.GetTube()->GetOutput()->GetNumberOfPolys(), 0);
  // The cuts wait for the visibility command.
  CQlmNervePanoramic& cut = *this->Nerves().GetListPanoramic()->GetListItemAt(0);
  EXPECT_TRUE(Holds(q.WindowPanoramic, 2, cut.GetActor()));
  EXPECT_FALSE(cut.GetActor()->GetVisibility());
  EXPECT_EQ(cut.GetPanoramicCutter()->GetPanoramicLine(), nerve.GetAxialLine().GetLinePolyData());

  const CQlmIndicator& indicator = *q.Indicator;
  EXPECT_EQ(indicator.Axial->AxialPan->AttachedPolyLine, &nerve.GetAxialLine());
  EXPECT_EQ(indicator.Pan->PanAxial->GetVisibility(), 0);
  EXPECT_EQ(indicator.Cross->CrossPan->GetVisibility(), 0);
  EXPECT_EQ(indicator.Pan->PanCross->GetVisibility(), 0);
}

TEST_F(NerveWindowTest, LeavingRestoresTheViewsAndShowsTheCuts) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  const auto cameras = this->Cameras();
  const int crossInPanoramic = q.Indicator->Cross->CrossPan->GetVisibility();
  this->Enter();
  this->Leave();

  EXPECT_EQ(this->Cameras(), cameras);
  EXPECT_EQ(TextOf(q.OverlaysPanoramic->TitleWindow->GetTitleMapper()), "Panorâmica");
  EXPECT_EQ(q.OverlaysPanoramic->BorderWindow->GetColor()[0], 0.0f);
  EXPECT_TRUE(q.PanoramicView->GetVerticalScrollBar()->isEnabled());
  EXPECT_TRUE(q.ViewerPanoramic->GetActor()->GetVisibility());
  EXPECT_FALSE(Holds(q.WindowPanoramic, 3, this->Nerves().GetEditor()->GetViewer()->GetActor()));
  EXPECT_EQ(q.Indicator->Cross->CrossPan->GetVisibility(), crossInPanoramic);
  EXPECT_EQ(q.Indicator->Axial->AxialPan->AttachedPolyLine, nullptr);

  CQlmNervePanoramic& cut = *this->Nerves().GetListPanoramic()->GetListItemAt(0);
  EXPECT_EQ(cut.GetPanoramicCutter()->GetPanoramicLine(), q.PanoramicCalc->GetCurvePolyData());
  EXPECT_TRUE(cut.GetActor()->GetVisibility());
  EXPECT_TRUE(this->Nerves().GetListAxial()->GetListItemAt(0)->GetActor()->GetVisibility());
  EXPECT_TRUE(Holds(q.WindowPanoramic, 2, cut.GetActor()));
}

TEST_F(NerveWindowTest, LeavingInThickModeKeepsThePanoramicBarDisabled) {
  if (!this->Opened()) return;
  this->Nerves().SetPanoramicThick(1);
  this->Enter();
  this->Leave();
  EXPECT_FALSE(this->Q->PanoramicView->GetVerticalScrollBar()->isEnabled());
}

}  // namespace
