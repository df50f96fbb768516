#include "views/CQlm3DInteractor.h"

#include <vtkCamera.h>
#include <vtkMatrix4x4.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include <algorithm>
#include <cmath>
#include <new>

#include "libconvert/CQlmObserver.h"
#include "views/CQlm3DWindow.h"
#include "views/QlmInteraction.h"

CQlm3DInteractor* CQlm3DInteractor::New() { return new (std::nothrow) CQlm3DInteractor; }

CQlm3DInteractor::CQlm3DInteractor() : CQlmInteractorBase(60.0f), Record(CQlmInteractorStruct::New()) {
  this->Picker->SetTolerance(0.001);
}

CQlm3DInteractor::~CQlm3DInteractor() = default;

void CQlm3DInteractor::SetWindow(CQlm3DWindow* window) {
  CQlmInteractorStruct& record = *this->Record;
  record.RenderWindow = window->RenderWindow;
  record.Renderer = window->Renderer3;
  record.Renderer2 = window->Renderer2;
  record.Renderer1 = window->Renderer1;
  record.Renderer0 = window->Renderer0;
  record.PickRenderer = window->Renderer3;
  record.Camera = window->Renderer3->GetActiveCamera();
  this->UpdateViewTransform();
  this->Window = window;
}

QWidget* CQlm3DInteractor::HostWindow() { return this->Window ? this->Window->GetHostWindow() : nullptr; }

void CQlm3DInteractor::SetCenter(float x, float y, float z) {
  float* center = this->Record->CenterPoint;
  center[0] = x;
  center[1] = y;
  center[2] = z;
}

void CQlm3DInteractor::ZoomAboutPivot(int /*dx*/, int dy) { this->ZoomAbout(this->Record->PivotPoint, dy); }

void CQlm3DInteractor::ZoomAboutCenter(int /*dx*/, int dy) { this->ZoomAbout(this->Record->CenterPoint, dy); }

void CQlm3DInteractor::ZoomAbout(const float point[4], int dy) {
  this->AroundPoint(point, [this, dy] {
    const double centerY = this->Record->Renderer->GetCenter()[1];
    const double factor = std::pow(1.1, this->MotionFactor * dy / centerY);
    vtkCamera* camera = this->GetCamera();
    camera->SetParallelScale(camera->GetParallelScale() / factor);
  });
}

void CQlm3DInteractor::RotateAboutPivot(int dx, int dy) { this->RotateAbout(this->Record->PivotPoint, dx, dy); }

void CQlm3DInteractor::RotateAboutCenter(int dx, int dy) { this->RotateAbout(this->Record->CenterPoint, dx, dy); }

void CQlm3DInteractor::RotateAbout(const float point[4], int dx, int dy) {
  int width = 0;
  int height = 0;
  this->GetWindowSize(width, height);
  const float m = this->MotionFactor;
  vtkCamera* camera = this->GetCamera();

  double up[3];
  camera->GetViewUp(up);
  this->CameraTransform->Identity();
  this->CameraTransform->Translate(point[0], point[1], point[2]);
  this->CameraTransform->RotateWXYZ(-20.0f / height * dx * m, up);
  this->CameraTransform->Translate(-point[0], -point[1], -point[2]);
  this->ApplyCameraTransform();
  this->UpdateViewTransform();

  vtkMatrix4x4* view = this->ViewTransform->GetMatrix();
  const double left[3] = {-view->GetElement(0, 0), -view->GetElement(0, 1), -view->GetElement(0, 2)};
  this->CameraTransform->Identity();
  this->CameraTransform->Translate(point[0], point[1], point[2]);
  this->CameraTransform->RotateWXYZ(-20.0f / width * dy * m, left);
  this->CameraTransform->Translate(-point[0], -point[1], -point[2]);
  this->ApplyCameraTransform();
  this->UpdateViewTransform();
  camera->OrthogonalizeViewUp();
  this->Record->Renderer->ResetCameraClippingRange();
}

void CQlm3DInteractor::ApplyCameraTransform() {
  vtkCamera* camera = this->GetCamera();
  double focus[3];
  double position[3];
  this->CameraTransform->TransformPoint(camera->GetFocalPoint(), focus);
  this->CameraTransform->TransformPoint(camera->GetPosition(), position);
  camera->SetFocalPoint(focus);
  camera->SetPosition(position);
}

void CQlm3DInteractor::RollAboutPivot(int x0, int y0, int x1, int y1) {
  this->RollAbout(this->Record->PivotPoint, x0, y0, x1, y1);
}

void CQlm3DInteractor::RollAboutCenter(int x0, int y0, int x1, int y1) {
  this->RollAbout(this->Record->CenterPoint, x0, y0, x1, y1);
}

void CQlm3DInteractor::RollAbout(const float point[4], int x0, int y0, int x1, int y1) {
  this->AroundPoint(point, [=, this] {
    const double* center = this->Record->Renderer->GetCenter();
    const double k = this->DegreesPerRadian;
    const double angle =
        k * std::atan2(y1 - center[1], x1 - center[0]) - k * std::atan2(y0 - center[1], x0 - center[0]);
    vtkCamera* camera = this->GetCamera();
    camera->Roll(angle);
    camera->OrthogonalizeViewUp();
  });
}

void CQlm3DInteractor::AreaZoom() {
  this->HideZoomRectangle();
  const int left = std::min(this->PressPosition[0], this->ReleasePosition[0]);
  const int right = std::max(this->PressPosition[0], this->ReleasePosition[0]);
  const int bottom = std::min(this->PressPosition[1], this->ReleasePosition[1]);
  const int top = std::max(this->PressPosition[1], this->ReleasePosition[1]);
  const int rectWidth = right - left;
  const int rectHeight = top - bottom;
  if (rectWidth <= 0 || rectHeight <= 0) return;
  int width = 0;
  int height = 0;
  this->GetWindowSize(width, height);
  this->Pan(width / 2, height / 2, (left + right) / 2, (bottom + top) / 2);
  const int factor = rectWidth > rectHeight ? width / rectWidth : height / rectHeight;
  this->GetCamera()->Zoom(factor);
}

void CQlm3DInteractor::SetParallelScale(double scale) {
  this->GetCamera()->SetParallelScale(static_cast<float>(scale));
}

void CQlm3DInteractor::ZoomIn() { this->SetParallelScale(this->GetCamera()->GetParallelScale() * 0.75); }

void CQlm3DInteractor::ZoomOut() { this->SetParallelScale(this->GetCamera()->GetParallelScale() / 0.75); }

void CQlm3DInteractor::WheelZoomIn() { this->SetParallelScale(this->GetCamera()->GetParallelScale() * 0.85); }

void CQlm3DInteractor::WheelZoomOut() { this->SetParallelScale(this->GetCamera()->GetParallelScale() / 0.85); }

void CQlm3DInteractor::ResetZoom() {
  this->Record->Renderer->ResetCamera();
  this->GetCamera()->Zoom(1.5);
}

void CQlm3DInteractor::SetStandardView(double x, double y, double z, double upX, double upY, double upZ) {
  vtkCamera* camera = this->GetCamera();
  camera->SetFocalPoint(0.0, 0.0, 0.0);
  camera->SetPosition(x, y, z);
  camera->SetViewUp(upX, upY, upZ);
  this->ResetZoom();
}

void CQlm3DInteractor::ViewFront() { this->SetStandardView(0, -1, 0, 0, 0, 1); }

void CQlm3DInteractor::ViewBack() { this->SetStandardView(0, 1, 0, 0, 0, 1); }

void CQlm3DInteractor::ViewLeft() { this->SetStandardView(1, 0, 0, 0, 0, 1); }

void CQlm3DInteractor::ViewRight() { this->SetStandardView(-1, 0, 0, 0, 0, 1); }

void CQlm3DInteractor::ViewTop() { this->SetStandardView(0, 0, 1, 0, 1, 0); }

void CQlm3DInteractor::ViewBottom() { this->SetStandardView(0, 0, -1, 0, -1, 0); }

void CQlm3DInteractor::ViewIsoMand() {
  this->ViewRight();
  vtkCamera* camera = this->GetCamera();
  camera->ComputeViewPlaneNormal();
  camera->OrthogonalizeViewUp();
  camera->Azimuth(45.0);
  camera->Elevation(45.0);
  camera->OrthogonalizeViewUp();
  this->Record->Renderer->ResetCameraClippingRange();
}

void CQlm3DInteractor::ViewIsoMax() {
  this->ViewRight();
  vtkCamera* camera = this->GetCamera();
  camera->ComputeViewPlaneNormal();
  camera->OrthogonalizeViewUp();
  camera->Roll(180.0);
  camera->Elevation(45.0);
  camera->Azimuth(45.0);
  camera->OrthogonalizeViewUp();
  this->Record->Renderer->ResetCameraClippingRange();
}

bool CQlm3DInteractor::PickActorAt(int x, int y) {
  this->Picker->Pick(x, y, this->PickDepth, this->Record->PickRenderer);
  return this->Picker->GetActor() != nullptr;
}

void CQlm3DInteractor::SetStatusShowText(int show) {
  if (!this->Window) return;
  CQlmObserver* start = this->Window->StartObserver->GetStatusTarget();
  CQlmObserver* end = this->Window->EndObserver->GetStatusTarget();
  if (start) start->SetShowText(show);
  if (end && end != start) end->SetShowText(show);
}

void CQlm3DInteractor::Pick(int x, int y) {
  this->SetStatusShowText(0);
  this->PickDepth = 1.0;
  this->PickWithSearch(x, y);
  this->SetStatusShowText(1);
  this->Record->PickedActor = this->Picker->GetActor();
  double position[3];
  this->Picker->GetPickPosition(position);
  for (int i = 0; i < 3; ++i) this->Record->PickPosition[i] = static_cast<float>(position[i]);
}

void CQlm3DInteractor::PickCursorPoint(int x, int y) {
  this->SetStatusShowText(0);
  this->PickDepth = 0.0;
  const bool hit = this->PickActorAt(x, y);
  this->SetStatusShowText(1);
  this->Record->PickedActor = this->Picker->GetActor();
  if (!hit) return;
  double position[3];
  this->Picker->GetPickPosition(position);
  for (int i = 0; i < 3; ++i) this->Record->CursorPoint[i] = static_cast<float>(position[i]);
}

void CQlm3DInteractor::DragCursorPoint(int x, int y) {
  float world[4];
  this->DisplayToWorldFloat(x, y, 0.1, world);
  for (int i = 0; i < 3; ++i) this->Record->CursorPoint[i] = world[i];
}

void CQlm3DInteractor::MoveObjectAlongAxis(int /*x*/, int y) {
  const int state = this->State;
  if (!QlmState::InRange(state, QlmState::DragAlongX, QlmState::DragAlongZ)) return;
  const float scale = static_cast<float>(this->GetCamera()->GetParallelScale());
  const float distance = (y - this->LastPosition[1]) * scale * 0.004f;
  double along[3] = {0.0, 0.0, 0.0};
  along[state - QlmState::DragAlongX] = distance;
  double world[3];
  this->Record->FrameTransform->TransformVector(along, world);
  this->TranslateObject(world);
}
