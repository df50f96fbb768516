// The nerve window: the panoramic view shows the reformat along the current
// nerve's axial line with its panoramic line, the axial view the axial line,
// and the other planning objects, the rulers and three indicators step aside.
#include <vtkActor2D.h>
#include <vtkCamera.h>
#include <vtkRenderer.h>

#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmNerves.h"
#include "objects/CQlmRullers.h"
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
#include "views/CQlmInteractorStruct.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/CQlmViewOverlays.h"
#include "views/QlmInteraction.h"

namespace {
constexpr int ImageLayer = 3;
constexpr int MarkLayer = 1;
constexpr int CentreCell = 4;
constexpr float NerveWindowColor[3] = {1.0f, 0.5f, 0.0f};
constexpr float PanoramicColor[3] = {0.0f, 1.0f, 0.0f};
// The indicators the nerve window hides: the panoramic curve in the axial
// view, the cross-section lines in the panoramic view, the curve's marks in the cells.
constexpr CQlmIndicatorHook::Mark HiddenMarks[3] = {CQlmIndicatorHook::PanAxial, CQlmIndicatorHook::CrossPan,
                                                    CQlmIndicatorHook::PanCross};

vtkCamera* CameraOf(CQlmQuorvantile& controller, int view) {
  switch (view) {
    case 0:
      return controller.WindowAxial->GetLayerRenderer(ImageLayer)->GetActiveCamera();
    case 1:
      return controller.WindowPanoramic->GetLayerRenderer(ImageLayer)->GetActiveCamera();
    default:
      return controller.WindowCross->GetCellLayerRenderer(CentreCell, ImageLayer)->GetActiveCamera();
  }
}
}  // namespace

void CQlmNerves::SaveCameras() {
  for (int view = 0; view < 3; ++view) {
    vtkCamera* camera = CameraOf(*this->Controller, view);
    camera->GetPosition(this->SavedCameras[view].Position);
    camera->GetFocalPoint(this->SavedCameras[view].FocalPoint);
    this->SavedCameras[view].ParallelScale = camera->GetParallelScale();
  }
}

void CQlmNerves::RestoreCameras() {
  for (int view = 0; view < 3; ++view) {
    vtkCamera* camera = CameraOf(*this->Controller, view);
    camera->SetPosition(this->SavedCameras[view].Position);
    camera->SetFocalPoint(this->SavedCameras[view].FocalPoint);
    camera->SetParallelScale(this->SavedCameras[view].ParallelScale);
  }
}

// Title, border and scale bar in the nerve window's orange or the panoramic
// green; the nerve window has no orientation letters and no curve number.
void CQlmNerves::ShowPanoramicOverlays(int nerveWindow) {
  CQlmViewOverlays& overlays = *this->Controller->OverlaysPanoramic;
  const float* color = nerveWindow ? NerveWindowColor : PanoramicColor;
  overlays.BorderWindow->SetColor(color[0], color[1], color[2]);
  overlays.TitleWindow->SetColor(color[0], color[1], color[2]);
  overlays.TitleWindow->GetTitleMapper()->SetInput(nerveWindow ? "Janela do Nervo" : "Panorâmica");
  overlays.OrientWindow->SetShowTop(!nerveWindow);
  overlays.OrientWindow->SetShowRight(!nerveWindow);
  overlays.NumberWindow->SetVisibility(!nerveWindow);
  overlays.RullerWindow->SetColor(color[0], color[1], color[2]);
  overlays.RullerWindow->SetImageData(nerveWindow ? this->Editor->GetImage()
                                                  : this->Controller->CTFilter->GetPanFilter()->GetOutput());
}

void CQlmNerves::SetOtherObjectsInPanoramic(int shown) {
  CQlmQuorvantile& controller = *this->Controller;
  for (CQlmArchListener* objects : controller.ArchListeners)
    if (objects && objects != this) objects->ShowInPanoramic(shown);
  controller.Rullers->GetListPanoramic()->ForEach([shown](CQlmRuller* ruller) {
    if (shown)
      ruller->AddToRenderer();
    else
      ruller->RemoveFromRenderer();
  });
}

void CQlmNerves::SaveAndHideIndicators() {
  const CQlmIndicator& indicator = *this->Controller->Indicator;
  this->SavedIndicators[0] = indicator.Pan->PanAxial->GetVisibility();
  this->SavedIndicators[1] = indicator.Cross->CrossPan->GetVisibility();
  this->SavedIndicators[2] = indicator.Pan->PanCross->GetVisibility();
  for (CQlmIndicatorHook::Mark mark : HiddenMarks) this->Controller->Indicator->SetVisibility(mark, 0);
}

void CQlmNerves::RestoreIndicators() {
  for (int k = 0; k < 3; ++k) this->Controller->Indicator->SetVisibility(HiddenMarks[k], this->SavedIndicators[k]);
}

// The axial and panoramic views move the lines' points (layer 1), the others rest.
void CQlmNerves::SetInteraction() {
  CQlmQuorvantile& controller = *this->Controller;
  controller.StyleAxial->GetRecord()->PickRenderer = controller.WindowAxial->GetLayerRenderer(MarkLayer);
  controller.StylePanoramic->GetRecord()->PickRenderer = controller.WindowPanoramic->GetLayerRenderer(MarkLayer);
  controller.StyleAxial->SetMode(QlmState::MoveInPlaneXY);
  controller.StylePanoramic->SetMode(QlmState::MoveInPlaneXY);
  controller.StyleCross->SetPickLayer1();
  controller.StyleCross->SetMode(QlmState::None);
  controller.Style3D->SetMode(QlmState::None);
  controller.StyleAxial->SetCore(this->EditTool);
  controller.StylePanoramic->SetCore(this->EditTool);
  controller.StyleCross->SetCore(nullptr);
  controller.Style3D->SetCore(nullptr);
}

void CQlmNerves::AttachEditor() {
  CQlmNerveEdit& editor = *this->Editor;
  editor.SetNerve(this->GetCurrentNerve(), this->List3D->GetListItemAt(this->Current));
  editor.SetImage(this->Image);
  editor.SetWindows(this->WindowAxial, this->WindowPanoramic);
  this->SetMaximum();
  this->SetMinimum();
  editor.Attach();
  editor.SetLinesVisible(1);
}

// Each panoramic cut unrolled along its nerve's axial line (1) or the arch's current curve.
void CQlmNerves::SetPanoramicLines(int nerveLine) {
  int i = 0;
  this->ListPanoramic->ForEach([this, nerveLine, &i](CQlmNervePanoramic* panoramic) {
    panoramic->SetPanoramicLine(nerveLine ? this->Nerves->GetListItemAt(i)->GetAxialLine().GetLinePolyData()
                                          : this->Calculator->GetCurvePolyData());
    ++i;
  });
}

// The panoramic camera spans the nerve's axial line or the arch; so does the axial-level line.
void CQlmNerves::FollowAxialLine(int nerveWindow) {
  CQlmQuorvantile& controller = *this->Controller;
  CQlmNerve* nerve = this->GetCurrentNerve();
  CQlmPolyLineNerve* line = nerveWindow && nerve ? &nerve->GetAxialLine() : nullptr;
  controller.StylePanoramic->ImageHalfWidth = (line ? line->GetLength() : this->Calculator->GetArchLength()) / 2;
  CQlmIndicatorAxialPan& level = *controller.Indicator->Axial->AxialPan;
  level.AttachedPolyLine = line;
  level.Rebuild();
}

void CQlmNerves::EnterNerveWindow() {
  CQlmQuorvantile& controller = *this->Controller;
  this->SaveCameras();
  controller.WindowPanoramic->Enabled = 1;
  if (controller.PanoramicView) controller.PanoramicView->EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH);
  controller.ViewerPanoramic->GetActor()->SetVisibility(0);
  this->SetOtherObjectsInPanoramic(0);
  controller.WindowAxial->Enabled = 1;
  if (controller.AxialView) controller.AxialView->EnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
  this->SetInteraction();
  this->SaveAndHideIndicators();

  this->RemoveAllViewObjects();
  this->SetPanoramicLines(1);
  if (this->GetCount() == 0) this->AddNerve();
  this->AttachEditor();
  this->Nerves->GetListItemAt(this->Current)->SetVisible(1);
  this->AddViewObjects(this->Current);
  this->List3D->GetListItemAt(this->Current)->SetVisibility(1);
  this->SetCutsVisibility(this->Current, this->CurrentVisibility);

  this->FollowAxialLine(1);
  controller.StylePanoramic->FitToWindow();
  this->ShowPanoramicOverlays(1);
}

void CQlmNerves::LeaveNerveWindow() {
  CQlmQuorvantile& controller = *this->Controller;
  this->RestoreIndicators();
  if (controller.PanoramicView && !this->Thick) controller.PanoramicView->EnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
  controller.ViewerPanoramic->GetActor()->SetVisibility(1);
  this->SetOtherObjectsInPanoramic(1);
  if (this->GetCount() > 0) this->Editor->Detach();
  this->FollowAxialLine(0);
  this->RestoreCameras();
  this->ShowPanoramicOverlays(0);

  this->SetPanoramicLines(0);
  for (int i = 0; i < this->GetCount(); ++i) this->AddViewObjects(i);
  this->ListCross->ForEach([](CQlmNerveCross9* cross) { cross->Invalidate(); });
  if (this->GetCount() > 0) this->ShowNerve(this->Current);
}
