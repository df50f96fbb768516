#include "QlmViewSetUp.h"

#include <vtkImageData.h>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "ct/CQlmPanoramicCalc.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"

namespace {

void ShowImage(CQlmCTViewer2* viewer, vtkImageData* image) {
  viewer->SetInput(image);
  viewer->AddToRenderer();
  viewer->SetMinimum(0);
  viewer->SetMaximum(4095);
  viewer->GetMapper()->SetInterpolation(1);
}

// Range 0 .. highest, the position opposite to the index, both arrows on.
void RangeScrollBar(CWnd* view, int highest, int index) {
  SCROLLINFO info;
  info.nMin = 0;
  info.nMax = highest;
  info.nPos = highest - index;
  view->SetScrollInfo(SB_VERT, info, TRUE);
  view->EnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
}

// Half extents in mm, smallest visible half size 0.5, centred on `image`.
template <class Interactor>
void FrameImage(Interactor* interactor, vtkImageData* image, double halfWidth, double halfHeight) {
  interactor->ImageHalfWidth = static_cast<float>(halfWidth);
  interactor->ImageHalfHeight = static_cast<float>(halfHeight);
  interactor->MinimumHalfWidth = 0.5f;
  interactor->MinimumHalfHeight = 0.5f;
  double bounds[6];
  image->GetBounds(bounds);
  float* centre = interactor->GetRecord()->CenterPoint;
  centre[0] = static_cast<float>((bounds[0] + bounds[1]) / 2);
  centre[1] = static_cast<float>((bounds[2] + bounds[3]) / 2);
  interactor->FitToWindow();
}

void RenderViews(CQlmQuorvantile& q) {
  q.WindowAxial->Render();
  q.WindowCross->Render();
  q.WindowPanoramic->Render();
  q.Window3D->Render();
}

}  // namespace

namespace QlmViewSetUp {

void ShowVolume(CMainFrame& frame, vtkImageData* volume) {
  CQlmQuorvantile& q = *frame.GetController();
  q.ProjectOpen = 1;
  q.CTData->ImageData->DeepCopy(volume);
  vtkImageData* ct = q.CTData->ImageData;
  q.CTFilter->SetInput(q.PanoramicCalc, ct);
  q.CTFilter->GetPanFilter()->SetFlipY(1);
  q.CTFilter->GetCrossFilter()->SetFlipY(1);
  CQlmCTAxialFilter* axial = q.CTFilter->GetAxialFilter();
  CQlmCTCrossFilter9* cross = q.CTFilter->GetCrossFilter();
  CQlmCTPanFilter* panoramic = q.CTFilter->GetPanFilter();

  ShowImage(q.ViewerAxial, axial->GetOutput());
  ShowImage(q.ViewerPanoramic, panoramic->GetOutput());
  q.ViewerCross->SetInput(cross->GetOutput());
  q.ViewerCross->AddToRenderers();
  q.ViewerCross->SetMinimum(0);
  q.ViewerCross->SetMaximum(4095);
  q.ViewerCross->SetInterpolation(1);

  RangeScrollBar(frame.AxialView, axial->GetMaxSlice(), axial->GetCurrentSlice());
  RangeScrollBar(frame.PanoramicView, q.PanoramicCalc->GetCurveCount(), q.PanoramicCalc->GetCurrentCurve());
  RangeScrollBar(frame.CrossView, cross->GetMaxIndex(), cross->GetFirstIndex());

  q.WindowAxial->Enabled = 1;
  q.WindowPanoramic->Enabled = 1;
  q.Window3D->Enabled = 1;
  q.WindowCross->Enabled = 1;
  frame.SplitterLeft.EnableWindow(TRUE);
  frame.SplitterRight.EnableWindow(TRUE);

  // The cameras fit the render windows' sizes, which the first render sets.
  RenderViews(q);
  const float* size = q.CTData->GetPhysicalSize();
  FrameImage(q.StyleAxial, axial->GetOutput(), size[0] / 2, size[1] / 2);
  FrameImage(q.StylePanoramic, panoramic->GetOutput(), q.PanoramicCalc->GetArchLength() / 2, size[2] / 2);
  FrameImage(q.StyleCross, cross->GetOutput(), cross->GetSectionWidth() / 2, size[2] / 2);
  RenderViews(q);
}

}  // namespace QlmViewSetUp
