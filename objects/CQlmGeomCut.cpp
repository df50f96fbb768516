#include "objects/CQlmGeomCut.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>

#include <algorithm>

#include "objects/CQlmDragCommit.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmOutlineActor.h"
#include "toolkit/vtkGeomCutter.h"
#include "toolkit/vtkWin32TextMapper2.h"

CQlmGeomCut::CQlmGeomCut(vtkGeomCutter* cutter, int sections) : Cutter(cutter) {
  for (int k = 0; k < sections; ++k)
    this->Actors.push_back(CQlmOutlineActor::New(cutter->GetOutputPort(k), this->UserTransform));
  cutter->GetTextMapper()->SetColorBackground(1.0, 1.0, 0.5);
  this->ApplyColor();
}

CQlmGeomCut::~CQlmGeomCut() = default;

void CQlmGeomCut::SetObject(CQlmGeom3D* object) {
  this->Object = object;
  vtkGeomCutter* cutter = this->Cutter;
  cutter->SetInputConnection(object->GetPlacedMeshPort());
  cutter->SetObjectMatrix(object->GetMatrix());
  cutter->SetName(object->GetName().c_str());
  cutter->SetLabelNumber(object->GetNumber());
  const int shown = object->GetVisible();
  if (!shown || this->Visible) cutter->SetLabelVisibility(shown);
  this->LabelVisible = shown;
  this->SetColor(object->GetColor());
  this->SetVisibility(shown);
  this->SetSelected(object->GetSelected());
}

void CQlmGeomCut::AddToRenderer() {
  for (int k = 0; k < this->GetSections(); ++k) {
    vtkRenderer* renderer = this->SectionRenderer(k);
    if (!renderer) return;
    renderer->AddActor(this->Actors[k]);
    renderer->AddActor2D(this->Cutter->GetLabelActor(k));
  }
}

void CQlmGeomCut::RemoveFromRenderer() {
  for (int k = 0; k < this->GetSections(); ++k) {
    vtkRenderer* renderer = this->SectionRenderer(k);
    if (!renderer) return;
    renderer->RemoveActor(this->Actors[k]);
    renderer->RemoveActor2D(this->Cutter->GetLabelActor(k));
  }
}

void CQlmGeomCut::ApplyColor() {
  const float* color = this->Selected ? this->SelectedColor : this->Color;
  for (auto& actor : this->Actors) actor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmGeomCut::SetColor(const float rgb[3]) {
  std::copy(rgb, rgb + 3, this->Color);
  std::fill_n(this->SelectedColor, 3, 1.0f);
  this->ApplyColor();
}

void CQlmGeomCut::SetSelected(int selected) {
  this->Selected = selected;
  this->ApplyColor();
}

void CQlmGeomCut::ApplyVisibility() {
  for (auto& actor : this->Actors) actor->SetVisibility(this->Visible ? 1 : 0);
  this->Cutter->SetLabelVisibility(this->Visible ? this->LabelVisible : 0);
}

void CQlmGeomCut::SetVisibility(int visible) {
  this->Visible = visible;
  this->ApplyVisibility();
}

void CQlmGeomCut::SetVisibilityNumber(int on) {
  if (!on || this->Visible) this->Cutter->SetLabelVisibility(on);
  this->LabelVisible = on;
}

void CQlmGeomCut::SetNumber(int number) { this->Cutter->SetLabelNumber(number); }
void CQlmGeomCut::SetLabelMode(int mode) { this->Cutter->SetLabelMode(mode); }
void CQlmGeomCut::SetFontSize(int size) { this->Cutter->SetFontSize(size); }

void CQlmGeomCut::SetLabelBackground(int on) { this->Cutter->GetTextMapper()->SetLabelBackground(on); }

bool CQlmGeomCut::OwnsActor(const vtkActor* actor) const {
  return actor && std::any_of(this->Actors.begin(), this->Actors.end(),
                              [actor](const auto& a) { return a.GetPointer() == actor; });
}

vtkActor* CQlmGeomCut::GetActor(int section) const { return this->Actors.at(section); }
vtkGeomCutter* CQlmGeomCut::GetCutter() const { return this->Cutter; }

void CQlmGeomCut::Preview(const double pivot[3], const double drag[16]) {
  this->InteractionMatrix->DeepCopy(drag);
  CQlmDragCommit::Preview(pivot, this->InteractionMatrix, this->UserTransform);
  for (int k = 0; k < this->GetSections(); ++k) {
    double anchor[3];
    if (!this->Cutter->GetLabelAnchor(k, anchor)) continue;
    double moved[3];
    this->UserTransform->TransformPoint(anchor, moved);
    this->Cutter->GetLabelActor(k)->GetPositionCoordinate()->SetValue(moved);
  }
}

void CQlmGeomCut::CommitInPlane(vtkMatrix4x4* plane) {
  if (this->Object) {
    double position[3];
    this->Object->GetPosition(position);
    vtkNew<vtkMatrix4x4> placement;
    CQlmDragCommit::InFrame(plane, this->InteractionMatrix, this->Object->GetMatrix(), position, placement);
    this->Object->SetMatrix(placement->GetData());
  }
  this->EndDrag();
}

void CQlmGeomCut::EndDrag() {
  this->UserTransform->Identity();
  this->InteractionMatrix->Identity();
}
