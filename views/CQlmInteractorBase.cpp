#include "views/CQlmInteractorBase.h"

#include <vtkCamera.h>
#include <vtkMatrix4x4.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include <QRect>
#include <algorithm>
#include <cmath>

#include "views/CQlmInteractorRecord.h"
#include "views/QlmInteraction.h"

namespace {

constexpr double DegreesPerRadianExact = 57.29577791868205;

void GetFrameAxis(vtkTransform* frame, int column, float axis[3]) {
  vtkMatrix4x4* matrix = frame->GetMatrix();
  for (int row = 0; row < 3; ++row) axis[row] = static_cast<float>(matrix->GetElement(row, column));
}

void GetFramePosition(vtkTransform* frame, float position[3]) {
  double origin[3];
  frame->GetPosition(origin);
  for (int i = 0; i < 3; ++i) position[i] = static_cast<float>(origin[i]);
}

// The coordinate (2 z, 1 y, 0 x) fixed by the plane of states first, first + 1, first + 2.
int PlaneCoordinate(int state, int first) { return 2 - (state - first); }

}  // namespace

CQlmInteractorBase::CQlmInteractorBase(float aboutZSpan) : AboutZSpan(aboutZSpan) {}

void CQlmInteractorBase::SetMode(int state) {
  this->State = state;
  this->Common().State = state;
}

void CQlmInteractorBase::SetModifiers(unsigned flags) { this->Common().SetModifiers(flags); }

bool CQlmInteractorBase::IsBound() { return this->Common().RenderWindow != nullptr; }

void CQlmInteractorBase::GetWindowSize(int& width, int& height) {
  const int* size = this->Common().RenderWindow->GetSize();
  width = size[0];
  height = size[1];
}

vtkCamera* CQlmInteractorBase::GetCamera() { return this->Common().Camera; }

void CQlmInteractorBase::WindowToDisplay(int x, int y, int display[2]) {
  double u = x;
  double v = y;
  this->CoordinateRenderer()->LocalDisplayToDisplay(u, v);
  display[0] = static_cast<int>(u);
  display[1] = static_cast<int>(v);
}

void CQlmInteractorBase::DisplayToWindow(int x, int y, int window[2]) {
  double u = x;
  double v = y;
  this->CoordinateRenderer()->DisplayToLocalDisplay(u, v);
  window[0] = static_cast<int>(u);
  window[1] = static_cast<int>(v);
}

void CQlmInteractorBase::DisplayToWorld(double x, double y, double z, double world[4]) {
  vtkRenderer* renderer = this->CoordinateRenderer();
  renderer->SetDisplayPoint(x, y, z);
  renderer->DisplayToWorld();
  renderer->GetWorldPoint(world);
  if (world[3] != 0.0) {
    for (int i = 0; i < 3; ++i) world[i] /= world[3];
    world[3] = 1.0;
  }
}

void CQlmInteractorBase::DisplayToWorldFloat(double x, double y, double z, float world[4]) {
  double point[4];
  this->DisplayToWorld(x, y, z, point);
  for (int i = 0; i < 4; ++i) world[i] = static_cast<float>(point[i]);
}

void CQlmInteractorBase::WorldToDisplay(double x, double y, double z, double display[3]) {
  vtkRenderer* renderer = this->CoordinateRenderer();
  renderer->SetWorldPoint(x, y, z, 1.0);
  renderer->WorldToDisplay();
  renderer->GetDisplayPoint(display);
}

void CQlmInteractorBase::UpdateViewTransform() {
  vtkCamera* camera = this->GetCamera();
  this->CameraTransform->Identity();
  this->CameraTransform->SetupCamera(camera->GetPosition(), camera->GetFocalPoint(), camera->GetViewUp());
  this->ViewTransform->Identity();
  this->ViewTransform->Concatenate(this->CameraTransform->GetMatrix());
}

void CQlmInteractorBase::PanDisplacement(int x0, int y0, int x1, int y1, double displacement[3]) {
  double focus[3];
  this->GetCamera()->GetFocalPoint(focus);
  double focusDisplay[3];
  this->WorldToDisplay(focus[0], focus[1], focus[2], focusDisplay);
  float from[4];
  float to[4];
  this->DisplayToWorldFloat(x0, y0, focusDisplay[2], from);
  this->DisplayToWorldFloat(x1, y1, focusDisplay[2], to);
  for (int i = 0; i < 3; ++i) displacement[i] = static_cast<float>(to[i] - from[i]);
}

void CQlmInteractorBase::MoveCamera(const double displacement[3]) {
  vtkCamera* camera = this->GetCamera();
  double focus[3];
  double position[3];
  camera->GetFocalPoint(focus);
  camera->GetPosition(position);
  for (int i = 0; i < 3; ++i) {
    focus[i] += displacement[i];
    position[i] += displacement[i];
  }
  camera->SetFocalPoint(focus);
  camera->SetPosition(position);
}

void CQlmInteractorBase::Pan(int x0, int y0, int x1, int y1) {
  double displacement[3];
  this->PanDisplacement(x0, y0, x1, y1, displacement);
  this->MoveCamera(displacement);
}

void CQlmInteractorBase::AroundPoint(const float point[4], const std::function<void()>& operation) {
  double pointDisplay[3];
  double focus[3];
  double focusDisplay[3];
  this->WorldToDisplay(point[0], point[1], point[2], pointDisplay);
  this->GetCamera()->GetFocalPoint(focus);
  this->WorldToDisplay(focus[0], focus[1], focus[2], focusDisplay);
  const int px = static_cast<int>(pointDisplay[0]);
  const int py = static_cast<int>(pointDisplay[1]);
  const int fx = static_cast<int>(focusDisplay[0]);
  const int fy = static_cast<int>(focusDisplay[1]);
  this->Pan(fx, fy, px, py);
  operation();
  this->Pan(px, py, fx, fy);
}

void CQlmInteractorBase::DrawZoomRectangle(int x, int y) {
  int corner[2];
  int pointer[2];
  this->DisplayToWindow(this->PressPosition[0], this->PressPosition[1], corner);
  this->DisplayToWindow(x, y, pointer);
  const QRect rect(QPoint(std::min(corner[0], pointer[0]), std::min(corner[1], pointer[1])),
                   QPoint(std::max(corner[0], pointer[0]), std::max(corner[1], pointer[1])));
  this->ZoomRectangle.Show(this->HostWindow(), rect);
}

void CQlmInteractorBase::HideZoomRectangle() { this->ZoomRectangle.Hide(); }

void CQlmInteractorBase::MoveObject(int x, int y) {
  const int state = this->State;
  if (!QlmState::InRange(state, QlmState::MoveInPlaneXY, QlmState::MoveAlongZ)) return;
  CQlmInteractorRecord& record = this->Common();
  double direction[3];
  record.Camera->GetDirectionOfProjection(direction);
  double pointer[4];
  double last[4];
  this->DisplayToWorld(x, y, 0.0, pointer);
  this->DisplayToWorld(this->LastPosition[0], this->LastPosition[1], 0.0, last);

  vtkLinearTransform* toFrame = record.FrameTransform->GetLinearInverse();
  double pointerInFrame[3];
  double lastInFrame[3];
  double directionInFrame[3];
  toFrame->TransformPoint(pointer, pointerInFrame);
  toFrame->TransformPoint(last, lastInFrame);
  toFrame->TransformVector(direction, directionInFrame);

  double moved[3] = {0.0, 0.0, 0.0};
  if (state <= QlmState::MoveInPlaneYZ) {
    const int c = PlaneCoordinate(state, QlmState::MoveInPlaneXY);
    if (directionInFrame[c] == 0.0) return;
    const double t1 = std::fabs(pointerInFrame[c] / directionInFrame[c]);
    const double t0 = std::fabs(lastInFrame[c] / directionInFrame[c]);
    for (int i = 0; i < 3; ++i) {
      moved[i] = (pointerInFrame[i] + t1 * directionInFrame[i]) - (lastInFrame[i] + t0 * directionInFrame[i]);
    }
  } else {
    const int axis = state - QlmState::MoveAlongX;
    moved[axis] = pointerInFrame[axis] - lastInFrame[axis];
  }
  double world[3];
  record.FrameTransform->TransformVector(moved, world);
  this->TranslateObject(world);
}

void CQlmInteractorBase::RotateObject(int a, int b) {
  const int state = this->State;
  if (!QlmState::InRange(state, QlmState::RotateFirst, QlmState::RotateAboutZ)) return;
  CQlmInteractorRecord& record = this->Common();
  int width = 0;
  int height = 0;
  this->GetWindowSize(width, height);
  const float m = this->MotionFactor;
  const float w = static_cast<float>(width);
  const float h = static_cast<float>(height);
  float x[3];
  float y[3];
  float z[3];
  float p[3];
  GetFrameAxis(record.FrameTransform, 0, x);
  GetFrameAxis(record.FrameTransform, 1, y);
  GetFrameAxis(record.FrameTransform, 2, z);
  GetFramePosition(record.FrameTransform, p);

  vtkTransform* object = record.ObjectTransform;
  object->PostMultiply();
  object->Translate(-p[0], -p[1], -p[2]);
  switch (state) {
    case 40:
      object->RotateWXYZ(-20.0f / h * a * m, y);
      object->RotateWXYZ(20.0f / w * b * m, x);
      break;
    case 41:
      object->RotateWXYZ(-20.0f / h * a * m, y);
      object->RotateWXYZ(20.0f / w * b * m, z);
      break;
    case 42:
      object->RotateWXYZ(-20.0f / h * b * m, y);
      object->RotateWXYZ(20.0f / w * a * m, z);
      break;
    case 43:
      object->RotateWXYZ(-20.0f / h * b * m, x);
      break;
    case 44:
      object->RotateWXYZ(-20.0f / h * b * m, y);
      break;
    default:
      object->RotateWXYZ(this->AboutZSpan / w * b * m, z);
      break;
  }
  object->Translate(p[0], p[1], p[2]);
  object->PreMultiply();
}

void CQlmInteractorBase::RotateObjectInView(int x0, int y0, int x1, int y1) {
  CQlmInteractorRecord& record = this->Common();
  const float* pivot = record.PivotPoint;
  double pivotDisplay[3];
  this->WorldToDisplay(pivot[0], pivot[1], pivot[2], pivotDisplay);
  vtkCamera* camera = record.Camera;
  camera->ComputeViewPlaneNormal();
  double normal[3];
  camera->GetViewPlaneNormal(normal);
  const double angle = (std::atan2(y0 - pivotDisplay[1], x0 - pivotDisplay[0]) -
                        std::atan2(y1 - pivotDisplay[1], x1 - pivotDisplay[0])) *
                       DegreesPerRadianExact;
  float p[3];
  GetFramePosition(record.FrameTransform, p);
  vtkTransform* object = record.ObjectTransform;
  object->PostMultiply();
  object->Translate(-p[0], -p[1], -p[2]);
  object->RotateWXYZ(angle, normal);
  object->Translate(p[0], p[1], p[2]);
  object->PreMultiply();
}

void CQlmInteractorBase::ScaleObject(int /*a*/, int b) {
  const int state = this->State;
  if (!QlmState::InRange(state, QlmState::ScaleUniform, QlmState::ScaleXY)) return;
  CQlmInteractorRecord& record = this->Common();
  int width = 0;
  int height = 0;
  this->GetWindowSize(width, height);
  const double f = std::pow(1.1, static_cast<double>(b) / height * this->MotionFactor * -2.0);
  const double factors[5][3] = {{f, f, f}, {f, 1, 1}, {1, f, 1}, {1, 1, f}, {f, f, 1}};
  const double* scale = factors[state - QlmState::ScaleUniform];
  float p[3];
  GetFramePosition(record.FrameTransform, p);
  double orientation[4];
  record.FrameTransform->GetOrientationWXYZ(orientation);

  vtkTransform* object = record.ObjectTransform;
  object->PostMultiply();
  object->Translate(-p[0], -p[1], -p[2]);
  object->RotateWXYZ(-orientation[0], orientation[1], orientation[2], orientation[3]);
  object->Scale(scale[0], scale[1], scale[2]);
  object->RotateWXYZ(orientation[0], orientation[1], orientation[2], orientation[3]);
  object->Translate(p[0], p[1], p[2]);
  object->PreMultiply();
}

void CQlmInteractorBase::PickPointOnPlane(int x, int y) {
  const int state = this->State;
  if (!QlmState::InRange(state, QlmState::PointOnPlaneZ, QlmState::PointOnPlaneX)) return;
  CQlmInteractorRecord& record = this->Common();
  const int c = PlaneCoordinate(state, QlmState::PointOnPlaneZ);
  double pointer[4];
  this->DisplayToWorld(x, y, 0.0, pointer);
  double direction[3];
  record.Camera->GetDirectionOfProjection(direction);
  vtkLinearTransform* toFrame = record.FrameTransform->GetLinearInverse();
  double pointerInFrame[3];
  double directionInFrame[3];
  toFrame->TransformPoint(pointer, pointerInFrame);
  toFrame->TransformVector(direction, directionInFrame);

  float* cursor = record.CursorPoint;
  if (directionInFrame[c] == 0.0) {
    std::fill(cursor, cursor + 3, 0.0f);
    cursor[3] = 1.0f;
    return;
  }
  const double t = std::fabs(pointerInFrame[c] / directionInFrame[c]);
  double onPlane[3];
  for (int i = 0; i < 3; ++i) onPlane[i] = pointerInFrame[i] + t * directionInFrame[i];
  double world[3];
  record.FrameTransform->TransformPoint(onPlane, world);
  for (int i = 0; i < 3; ++i) cursor[i] = static_cast<float>(world[i]);
  cursor[3] = 1.0f;
}

bool CQlmInteractorBase::PickWithSearch(int x, int y) {
  if (this->PickActorAt(x, y)) return true;
  for (int r = 1; r <= this->PickSearchRadius; ++r) {
    int i = 0;
    int h = r;
    while (i <= h) {
      if (this->RingHits(x, y, i, h)) return true;
      ++i;
      const float ratio = std::min(static_cast<float>(i) / static_cast<float>(r), 1.0f);
      h = static_cast<int>(r * std::sin(std::acos(ratio)));
    }
  }
  return false;
}

bool CQlmInteractorBase::RingHits(int x, int y, int i, int h) {
  const int points[8][2] = {{x + h, y - i}, {x + i, y - h}, {x - h, y - i}, {x - i, y - h},
                            {x - h, y + i}, {x - i, y + h}, {x + h, y + i}, {x + i, y + h}};
  for (const auto& point : points) {
    if (this->PickActorAt(point[0], point[1])) return true;
  }
  return false;
}

void CQlmInteractorBase::BeginEvent(unsigned flags, int x, int y, int display[2]) {
  this->SetModifiers(flags);
  this->WindowToDisplay(x, y, display);
}

void CQlmInteractorBase::TranslateObject(const double world[3]) {
  vtkTransform* object = this->Common().ObjectTransform;
  object->PostMultiply();
  object->Translate(world);
  object->PreMultiply();
}
