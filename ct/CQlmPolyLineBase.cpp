#include "ct/CQlmPolyLineBase.h"

#include <vtkActor.h>
#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "ct/CQlmArcPath.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmLayeredWindow.h"
#include "platform/CArchive.h"

namespace {
// A click farther than this from every segment inserts nothing.
constexpr double NearestSegmentReach = 1000.0;

struct PlanePoint {
  double x, y;
};

PlanePoint PlanePosition(const CQlmBall* ball) {
  double p[3];
  ball->GetPosition(p);
  return {p[0], p[1]};
}

PlanePoint Translation(vtkMatrix4x4* matrix) { return {matrix->GetElement(0, 3), matrix->GetElement(1, 3)}; }

double Distance(PlanePoint a, PlanePoint b) { return std::hypot(a.x - b.x, a.y - b.y); }
}  // namespace

CQlmPolyLineBase::CQlmPolyLineBase(float lineR, float lineG, float lineB) : LineColor{lineR, lineG, lineB} {
  this->LineMapper->SetInputData(this->LinePolyData);
  this->LineActor->SetMapper(this->LineMapper);
  this->ApplyLineColor();
}

CQlmPolyLineBase::~CQlmPolyLineBase() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(1)) renderer->RemoveActor(this->LineActor);
}

void CQlmPolyLineBase::SetWindow(CQlmLayeredWindow* window) {
  this->Window = window;
  this->Balls.ForEach([&](CQlmBall* ball) { ball->SetWindow(window); });
}

void CQlmPolyLineBase::AddToRenderer() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(1)) renderer->AddActor(this->LineActor);
  this->Balls.ForEach([&](CQlmBall* ball) { ball->AddToRenderer(); });
}

void CQlmPolyLineBase::RemoveFromRenderer() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(1)) renderer->RemoveActor(this->LineActor);
  this->Balls.ForEach([&](CQlmBall* ball) { ball->RemoveFromRenderers(); });
}

void CQlmPolyLineBase::BuildLine() {
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  lines->InsertNextCell(this->Balls.GetCount());
  this->Balls.ForEach([&](const CQlmBall* ball) {
    double p[3];
    ball->GetPosition(p);
    lines->InsertCellPoint(points->InsertNextPoint(p));
  });
  this->LinePolyData->SetPoints(points);
  this->LinePolyData->SetLines(lines);
  this->LineBuilt();
}

float CQlmPolyLineBase::GetLength() const { return CQlmArcPath(this->LinePolyData->GetPoints()).GetLength(); }

int CQlmPolyLineBase::SelectPoint(const vtkActor* actor) {
  this->Balls.ForEach([&](CQlmBall* ball) { ball->SetSelected(0); });
  const int index = this->Balls.FindByActor(actor);
  if (index < 0) return 0;
  this->Balls.GetListItemAt(index)->SetSelected(1);
  return 1;
}

vtkMatrix4x4* CQlmPolyLineBase::GetSelectedPointMatrix() const {
  const int index = this->Balls.GetSelectedIndex();
  return index < 0 ? nullptr : this->Balls.GetListItemAt(index)->GetMatrix();
}

int CQlmPolyLineBase::FindNearestSegment(double x, double y) const {
  std::vector<PlanePoint> points;
  this->Balls.ForEach([&](const CQlmBall* ball) { points.push_back(PlanePosition(ball)); });
  const PlanePoint click{x, y};
  int nearest = -1;
  double nearestDistance = NearestSegmentReach;
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    const PlanePoint a = points[i];
    const double ux = points[i + 1].x - a.x;
    const double uy = points[i + 1].y - a.y;
    const double squaredLength = ux * ux + uy * uy;
    if (squaredLength == 0.0) continue;
    const double t = ((click.x - a.x) * ux + (click.y - a.y) * uy) / squaredLength;
    if (!(t > 0.0 && t < 1.0)) continue;
    const double distance = Distance(click, {a.x + t * ux, a.y + t * uy});
    if (distance < nearestDistance) {
      nearest = static_cast<int>(i);
      nearestDistance = distance;
    }
  }
  return nearest;
}

void CQlmPolyLineBase::InsertPoint(vtkMatrix4x4* placement) {
  if (this->IsFull()) return;
  const PlanePoint click = Translation(placement);
  const int segment = this->FindNearestSegment(click.x, click.y);
  if (segment < 0) return;
  this->PlaceNewBall(this->Balls.InsertAfter(segment), placement);
}

void CQlmPolyLineBase::AddPointAtNearestEnd(vtkMatrix4x4* placement) {
  if (this->IsFull()) return;
  if (this->Balls.GetCount() > 0) {
    const PlanePoint click = Translation(placement);
    const double toHead = Distance(click, PlanePosition(this->Balls.GetFirst()));
    const double toTail = Distance(click, PlanePosition(this->Balls.GetLast()));
    if (toHead < toTail) {
      this->AddPointAtHead(placement);
      return;
    }
  }
  this->AddPointAtTail(placement);
}

void CQlmPolyLineBase::AddPointAtHead(vtkMatrix4x4* placement) {
  if (!this->IsFull()) this->PlaceNewBall(this->Balls.AddHead(), placement);
}

void CQlmPolyLineBase::AddPointAtTail(vtkMatrix4x4* placement) {
  if (!this->IsFull()) this->PlaceNewBall(this->Balls.AddTail(), placement);
}

void CQlmPolyLineBase::MoveSelectedPoint(vtkMatrix4x4* placement) {
  const int index = this->Balls.GetSelectedIndex();
  if (index >= 0) this->Balls.GetListItemAt(index)->GetTransform()->SetMatrix(placement);
  this->BuildLine();
}

int CQlmPolyLineBase::DeleteSelectedPoint() {
  if (this->Balls.GetCount() < 3) return 0;
  const int index = this->Balls.GetSelectedIndex();
  if (index >= 0) this->Balls.DeleteListItemAt(index);
  this->BuildLine();
  return index >= 0 ? 1 : 0;
}

void CQlmPolyLineBase::MoveAllPoints(vtkMatrix4x4* placement) {
  float shift[3];
  for (int k = 0; k < 3; ++k) {
    shift[k] =
        static_cast<float>(placement->GetElement(k, 3)) - static_cast<float>(this->PlacementMatrix->GetElement(k, 3));
  }
  this->Balls.ForEach([&](CQlmBall* ball) {
    this->MoveTransform->SetMatrix(ball->GetMatrix());
    this->MoveTransform->Translate(shift[0], shift[1], shift[2]);
    ball->GetTransform()->SetMatrix(this->MoveTransform->GetMatrix());
  });
  this->BuildLine();
  this->PlacementMatrix->DeepCopy(placement);
}

void CQlmPolyLineBase::SetBallColor(float r, float g, float b) {
  this->BallColor[0] = r;
  this->BallColor[1] = g;
  this->BallColor[2] = b;
  if (this->Highlighted) return;
  this->Balls.ForEach([&](CQlmBall* ball) { ball->SetColor(r, g, b); });
}

void CQlmPolyLineBase::SetBallSelectionColor(float r, float g, float b) {
  this->SelectionColor[0] = r;
  this->SelectionColor[1] = g;
  this->SelectionColor[2] = b;
  this->Balls.ForEach([&](CQlmBall* ball) { ball->SetSelectionColor(r, g, b); });
}

void CQlmPolyLineBase::ReplacePoints(int n, const float* xyz) {
  this->Balls.RemoveAll();
  for (int i = 0; i < n; ++i) {
    this->Balls.AddTail()->GetTransform()->Translate(xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]);
  }
  this->BuildLine();
}

void CQlmPolyLineBase::AttachBallsToWindow() {
  this->Balls.ForEach([this](CQlmBall* ball) {
    ball->SetWindow(this->Window);
    ball->AddToRenderer();
  });
}

void CQlmPolyLineBase::ApplyLineColor() {
  const float* color = this->Highlighted ? this->HighlightLineColor : this->LineColor;
  this->LineActor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmPolyLineBase::ShowLineAndBalls(int flag) {
  this->LineActor->SetVisibility(flag);
  this->Balls.ForEach([&](CQlmBall* ball) { ball->SetVisibility(flag); });
}

void CQlmPolyLineBase::SerializeColor(CArchive& archive, float color[3]) {
  for (int k = 0; k < 3; ++k) {
    if (archive.IsStoring())
      archive << color[k];
    else
      archive >> color[k];
  }
}

void CQlmPolyLineBase::SerializeFlag(CArchive& archive, int& flag) {
  if (archive.IsStoring()) {
    archive << int32_t(flag);
    return;
  }
  int32_t value = 0;
  archive >> value;
  flag = value;
}

bool CQlmPolyLineBase::IsFull() const {
  return this->Balls.GetCount() >= std::min(this->MaxPoints, StoredPointCapacity);
}

void CQlmPolyLineBase::PlaceNewBall(CQlmBall* ball, vtkMatrix4x4* placement) {
  this->Balls.ForEach([&](CQlmBall* ball) { ball->SetSelected(0); });
  ball->SetSelected(1);
  ball->GetTransform()->SetMatrix(placement);
  ball->SetWindow(this->Window);
  ball->AddToRenderer();
  this->BuildLine();
}
