#include "ct/CQlmBall.h"

#include <vtkActor.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkSphereSource.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include "ct/CQlmLayeredWindow.h"
#include "platform/CArchive.h"

namespace {
constexpr float DefaultRadius = 1.0f;

void RemoveActor(CQlmLayeredWindow* window, int layer, vtkActor* actor) {
  if (vtkRenderer* renderer = window->GetLayerRenderer(layer)) renderer->RemoveActor(actor);
}
}  // namespace

CQlmBall::CQlmBall() {
  this->Sphere->SetRadius(DefaultRadius);
  this->TransformFilter->SetInputConnection(this->Sphere->GetOutputPort());
  this->TransformFilter->SetTransform(this->BallTransform);
  this->Mapper->SetInputConnection(this->TransformFilter->GetOutputPort());
  this->Actor->SetMapper(this->Mapper);
  this->ApplyColor();
}

CQlmBall::~CQlmBall() { this->RemoveFromRenderers(); }

void CQlmBall::AddToRenderer() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(1)) renderer->AddActor(this->Actor);
}

void CQlmBall::RemoveFromRenderers() {
  if (!this->Window) return;
  RemoveActor(this->Window, 3, this->Actor);
  RemoveActor(this->Window, 1, this->Actor);
}

void CQlmBall::SetColor(float r, float g, float b) {
  this->BallColor[0] = r;
  this->BallColor[1] = g;
  this->BallColor[2] = b;
  if (!this->Selected) this->ApplyColor();
}

void CQlmBall::SetSelectionColor(float r, float g, float b) {
  this->SelectionColor[0] = r;
  this->SelectionColor[1] = g;
  this->SelectionColor[2] = b;
  if (this->Selected) this->ApplyColor();
}

void CQlmBall::SetSelected(int flag) {
  this->Selected = flag;
  this->ApplyColor();
}

void CQlmBall::SetVisibility(int flag) {
  this->Visible = flag;
  this->Actor->SetVisibility(flag);
}

vtkMatrix4x4* CQlmBall::GetMatrix() const { return this->BallTransform->GetMatrix(); }

void CQlmBall::GetPosition(double position[3]) const {
  const vtkMatrix4x4* matrix = this->GetMatrix();
  for (int i = 0; i < 3; ++i) position[i] = matrix->GetElement(i, 3);
}

void CQlmBall::ApplyColor() {
  const float* color = this->Selected ? this->SelectionColor : this->BallColor;
  this->Actor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmBall::Serialize(CArchive& archive) {
  double elements[16];
  if (archive.IsStoring()) {
    archive << int32_t(this->Visible) << int32_t(this->Selected) << this->Radius << this->Name;
    for (float c : this->BallColor) archive << c;
    for (float c : this->SelectionColor) archive << c;
    vtkMatrix4x4::DeepCopy(elements, this->GetMatrix());
    for (double e : elements) archive << e;
    return;
  }
  int32_t visible = 0;
  int32_t selected = 0;
  float storedRadius = 0.0f;
  archive >> visible >> selected >> storedRadius >> this->Name;
  for (float& c : this->BallColor) archive >> c;
  for (float& c : this->SelectionColor) archive >> c;
  for (double& e : elements) archive >> e;
  this->Visible = visible;
  this->Selected = selected;
  this->Radius = DefaultRadius;
  this->Actor->SetVisibility(visible);
  this->ApplyColor();
  this->Sphere->SetRadius(DefaultRadius);
  this->BallTransform->SetMatrix(elements);
}
