#include "views/CQlm2DCamera.h"

#include <vtkCamera.h>

#include <algorithm>
#include <cmath>

#include "views/CQlmInteractorBase.h"
#include "views/CQlmInteractorRecord.h"

namespace {

void SetScale(vtkCamera* camera, double scale) { camera->SetParallelScale(static_cast<float>(scale)); }

// Focal point and position of the camera as one pair of points.
void ClampPoint(double point[3], const float centre[4], double reachX, double reachY) {
  point[0] = std::clamp(point[0], centre[0] - reachX, centre[0] + reachX);
  point[1] = std::clamp(point[1], centre[1] - reachY, centre[1] + reachY);
}

}  // namespace

CQlm2DCamera::Scales CQlm2DCamera::Measure(CQlmInteractorBase& view) const {
  int width = 0;
  int height = 0;
  view.GetWindowSize(width, height);
  const double aspect = height > 0 ? static_cast<float>(width) / static_cast<float>(height) : 1.0;
  const bool widerThanWindow = this->ImageHalfWidth / this->ImageHalfHeight > aspect;
  Scales scales;
  scales.Aspect = aspect;
  scales.Fitting = widerThanWindow ? this->ImageHalfWidth / aspect : this->ImageHalfHeight;
  scales.Smallest = widerThanWindow ? this->MinimumHalfWidth / aspect : this->MinimumHalfHeight;
  return scales;
}

void CQlm2DCamera::ClampFocus(CQlmInteractorBase& view, double reachX, double reachY) {
  vtkCamera* camera = view.GetCamera();
  const float* centre = view.GetCommonRecord().CenterPoint;
  double focus[3];
  double position[3];
  camera->GetFocalPoint(focus);
  camera->GetPosition(position);
  ClampPoint(focus, centre, reachX, reachY);
  ClampPoint(position, centre, reachX, reachY);
  camera->SetFocalPoint(focus);
  camera->SetPosition(position);
}

double CQlm2DCamera::LimitPan(double delta, double focus, double centre, double reach) {
  const double moved = focus + delta;
  if (moved > centre + reach) return centre + reach - focus;
  if (moved < centre - reach) return centre - reach - focus;
  return delta;
}

void CQlm2DCamera::FitTo(CQlmInteractorBase& view) {
  const Scales scales = this->Measure(view);
  vtkCamera* camera = view.GetCamera();
  const float* centre = view.GetCommonRecord().CenterPoint;
  SetScale(camera, scales.Fitting);
  double focus[3];
  double position[3];
  camera->GetFocalPoint(focus);
  camera->GetPosition(position);
  camera->SetFocalPoint(centre[0], centre[1], focus[2]);
  camera->SetPosition(centre[0], centre[1], position[2]);
}

void CQlm2DCamera::DragZoomBy(CQlmInteractorBase& view, double centreY, int /*dx*/, int dy) {
  const Scales scales = this->Measure(view);
  vtkCamera* camera = view.GetCamera();
  const double factor = std::pow(1.1, view.MotionFactor * dy / centreY);
  const double scale = std::max(scales.Smallest, std::min(scales.Fitting, camera->GetParallelScale() / factor));
  SetScale(camera, scale);
  const double newScale = camera->GetParallelScale();
  ClampFocus(view, std::max(0.0, this->ImageHalfWidth - scales.Aspect * newScale),
             std::max(0.0, this->ImageHalfHeight - newScale));
}

void CQlm2DCamera::PanWithin(CQlmInteractorBase& view, int x0, int y0, int x1, int y1) {
  const Scales scales = this->Measure(view);
  vtkCamera* camera = view.GetCamera();
  const float* centre = view.GetCommonRecord().CenterPoint;
  const double scale = camera->GetParallelScale();
  double displacement[3];
  view.PanDisplacement(x0, y0, x1, y1, displacement);
  double focus[3];
  camera->GetFocalPoint(focus);

  double reachY = 2.2 * this->ImageHalfHeight - scale;
  if (reachY <= 0.0) {
    displacement[1] = 0.0;
    reachY = 0.0;
  }
  displacement[1] = LimitPan(displacement[1], focus[1], centre[1], reachY);
  double reachX = 2.2 * this->ImageHalfWidth - scales.Aspect * scale;
  if (reachX <= 0.0) {
    displacement[0] = 0.0;
    reachX = 0.0;
  }
  displacement[0] = LimitPan(displacement[0], focus[0], centre[0], reachX);
  view.MoveCamera(displacement);
}

void CQlm2DCamera::AreaZoomTo(CQlmInteractorBase& view, int cellsAcross) {
  view.HideZoomRectangle();
  const int left = std::min(view.PressPosition[0], view.ReleasePosition[0]);
  const int right = std::max(view.PressPosition[0], view.ReleasePosition[0]);
  const int bottom = std::min(view.PressPosition[1], view.ReleasePosition[1]);
  const int top = std::max(view.PressPosition[1], view.ReleasePosition[1]);
  const int rectWidth = right - left;
  const int rectHeight = top - bottom;
  if (rectWidth <= 0 || rectHeight <= 0) return;
  int width = 0;
  int height = 0;
  view.GetWindowSize(width, height);
  this->PanWithin(view, width / 2, height / 2, (left + right) / 2, (bottom + top) / 2);

  const int fits = (rectWidth > rectHeight ? width / rectWidth : height / rectHeight) / cellsAcross;
  const Scales scales = this->Measure(view);
  vtkCamera* camera = view.GetCamera();
  if (fits > 0) {
    const double scale = camera->GetParallelScale();
    const double visibleHalfWidth = scales.Aspect * scale;
    double factor = fits;
    if (visibleHalfWidth > scale && this->MinimumHalfHeight > scale / factor) {
      factor = scale / this->MinimumHalfHeight;
    } else if (this->MinimumHalfWidth > visibleHalfWidth / factor) {
      factor = visibleHalfWidth / this->MinimumHalfWidth;
    }
    camera->Zoom(factor);
  }
  const double newScale = camera->GetParallelScale();
  ClampFocus(view, std::max(0.0, this->ImageHalfWidth - scales.Aspect * newScale),
             std::max(0.0, this->ImageHalfHeight - newScale));
}

void CQlm2DCamera::ZoomInAt(CQlmInteractorBase& view, int centreX, int centreY) {
  this->PanWithin(view, centreX, centreY, view.LastPosition[0], view.LastPosition[1]);
  this->ZoomStepIn(view);
}

void CQlm2DCamera::ZoomStepIn(CQlmInteractorBase& view) {
  const Scales scales = this->Measure(view);
  vtkCamera* camera = view.GetCamera();
  SetScale(camera, std::max(scales.Smallest, 0.75 * camera->GetParallelScale()));
}

void CQlm2DCamera::ZoomStepOut(CQlmInteractorBase& view) {
  const Scales scales = this->Measure(view);
  vtkCamera* camera = view.GetCamera();
  SetScale(camera, std::min(4.0 * scales.Fitting, camera->GetParallelScale() / 0.75));
  const double newScale = camera->GetParallelScale();
  ClampFocus(view, std::max(0.0, 2.2 * this->ImageHalfWidth - scales.Aspect * newScale),
             std::max(0.0, 2.2 * this->ImageHalfHeight - newScale));
}
