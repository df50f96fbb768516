#include "objects/CQlmImplantCut.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkMatrix4x4.h>
#include <vtkProperty.h>
#include <vtkCoordinate.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>

#include <algorithm>

#include "objects/CQlmDragCommit.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmOutlineActor.h"
#include "toolkit/vtkImplantCutter.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
void Paint(vtkActor* actor, const float color[3]) { actor->GetProperty()->SetColor(color[0], color[1], color[2]); }
}  // namespace

CQlmImplantCut::CQlmImplantCut(vtkImplantCutter* cutter, int sections) : Cutter(cutter) {
  for (int k = 0; k < sections; ++k) {
    this->ScrewActors.push_back(CQlmOutlineActor::New(cutter->GetOutputPort(2 * k), this->ScrewUserTransform));
    this->ConectorActors.push_back(
        CQlmOutlineActor::New(cutter->GetOutputPort(2 * k + 1), this->ConectorUserTransform));
  }
  this->ApplyColors();
}

CQlmImplantCut::~CQlmImplantCut() = default;

void CQlmImplantCut::BuildFromImplant3D(CQlmImplant3D* implant) {
  this->Implant = implant;
  vtkImplantCutter* cutter = this->Cutter;
  cutter->SetInputConnection(0, implant->GetScrewOutputPort());
  cutter->SetInputConnection(1, implant->GetConectorOutputPort());
  cutter->SetMatrixScrew(implant->GetMatrix());
  cutter->SetMatrixConector(implant->GetConectorTransformMatrix());
  cutter->SetScrewLenght(implant->GetLength());
  cutter->SetConectorLenght(implant->GetConectorHeight());
  cutter->SetDiameter(implant->GetDiameter());
  cutter->SetNumber(implant->GetNumber());
  this->NumberVisible = implant->GetNumberVisible();
  if (this->Visible) cutter->SetVisibilityNumber(this->NumberVisible);
  const float* screw = implant->GetScrewColor();
  const float* connector = implant->GetConectorColor();
  this->SetScrewColor(screw[0], screw[1], screw[2]);
  this->SetConectorColor(connector[0], connector[1], connector[2]);
  this->SetVisibility(implant->GetVisible());
  cutter->SetVisibilityScrew(implant->GetShowScrew());
  cutter->SetVisibilityConector(implant->GetShowConector());
  cutter->SetVisibilityScrewLine(implant->GetShowScrewLine());
  cutter->SetVisibilityConectorLine(implant->GetShowConectorLine());
  this->SetSelected(implant->GetSelected());
}

void CQlmImplantCut::AddToRenderer() {
  for (int k = 0; k < this->GetSections(); ++k) {
    vtkRenderer* renderer = this->SectionRenderer(k);
    if (!renderer) return;
    renderer->AddActor(this->ScrewActors[k]);
    renderer->AddActor(this->ConectorActors[k]);
    renderer->AddActor2D(this->SectionLabel(k));
  }
}

void CQlmImplantCut::RemoveFromRenderer() {
  for (int k = 0; k < this->GetSections(); ++k) {
    vtkRenderer* renderer = this->SectionRenderer(k);
    if (!renderer) return;
    renderer->RemoveActor(this->ScrewActors[k]);
    renderer->RemoveActor(this->ConectorActors[k]);
    renderer->RemoveActor2D(this->SectionLabel(k));
  }
}

void CQlmImplantCut::ApplyColors() {
  static constexpr float UniformScrew[3] = {1.0f, 1.0f, 0.3f};
  static constexpr float UniformConector[3] = {0.8f, 0.8f, 0.3f};
  const float* screw = this->UniformColor ? UniformScrew : this->Selected ? this->SelectedScrewColor : this->ScrewColor;
  const float* connector =
      this->UniformColor ? UniformConector : this->Selected ? this->SelectedConectorColor : this->ConectorColor;
  for (auto& actor : this->ScrewActors) Paint(actor, screw);
  for (auto& actor : this->ConectorActors) Paint(actor, connector);
}

void CQlmImplantCut::SetScrewColor(float r, float g, float b) {
  this->ScrewColor[0] = r, this->ScrewColor[1] = g, this->ScrewColor[2] = b;
  std::fill_n(this->SelectedScrewColor, 3, 1.0f);
  this->ApplyColors();
}

void CQlmImplantCut::SetConectorColor(float r, float g, float b) {
  this->ConectorColor[0] = r, this->ConectorColor[1] = g, this->ConectorColor[2] = b;
  std::fill_n(this->SelectedConectorColor, 3, 1.0f);
  this->ApplyColors();
}

void CQlmImplantCut::SetSelected(int selected) {
  this->Selected = selected;
  if (!this->UniformColor) this->ApplyColors();
}

void CQlmImplantCut::SetUniformColor(int on) {
  this->UniformColor = on;
  this->ApplyColors();
}

void CQlmImplantCut::SetVisibility(int visible) {
  this->Visible = visible;
  for (auto& actor : this->ScrewActors) actor->SetVisibility(visible);
  for (auto& actor : this->ConectorActors) actor->SetVisibility(visible);
  this->Cutter->SetVisibilityNumber(visible && this->NumberVisible);
}

void CQlmImplantCut::SetVisibilityNumber(int on) {
  this->NumberVisible = on;
  if (this->Visible) this->Cutter->SetVisibilityNumber(on);
}

void CQlmImplantCut::SetLabelBackground(int on) {
  this->Cutter->GetTextMapper()->SetLabelBackground(on);
}

void CQlmImplantCut::SetFill(int on) { this->Cutter->SetFill(on); }
void CQlmImplantCut::SetNumber(int number) { this->Cutter->SetNumber(number); }
void CQlmImplantCut::SetLabelMode(int mode) { this->Cutter->SetLabelMode(mode); }
void CQlmImplantCut::SetFontSize(int size) { this->Cutter->SetFontSize(size); }
void CQlmImplantCut::SetVisibilityScrewLine(int on) { this->Cutter->SetVisibilityScrewLine(on); }
void CQlmImplantCut::SetVisibilityConectorLine(int on) { this->Cutter->SetVisibilityConectorLine(on); }
void CQlmImplantCut::SetVisibilityConector(int on) { this->Cutter->SetVisibilityConector(on); }

bool CQlmImplantCut::OwnsActor(const vtkActor* actor) const {
  auto holds = [actor](const std::vector<vtkSmartPointer<vtkActor>>& actors) {
    return std::any_of(actors.begin(), actors.end(), [actor](const auto& a) { return a.GetPointer() == actor; });
  };
  return actor && (holds(this->ScrewActors) || holds(this->ConectorActors));
}

vtkActor* CQlmImplantCut::GetScrewActor(int section) const { return this->ScrewActors.at(section); }
vtkActor* CQlmImplantCut::GetConectorActor(int section) const { return this->ConectorActors.at(section); }
vtkImplantCutter* CQlmImplantCut::GetCutter() const { return this->Cutter; }

void CQlmImplantCut::UpdatePreview(const double fulcrum[3]) {
  CQlmDragCommit::Preview(fulcrum, this->ImplantUserMatrix, this->ScrewUserTransform);
  vtkNew<vtkTransform> connector;
  CQlmDragCommit::Preview(fulcrum, this->ConectorUserMatrix, connector);
  this->ConectorUserTransform->SetMatrix(this->ScrewUserTransform->GetMatrix());
  this->ConectorUserTransform->Concatenate(connector->GetMatrix());
}

void CQlmImplantCut::PreviewImplantDrag(const double fulcrum[3], vtkMatrix4x4* implantMatrix) {
  this->ImplantUserMatrix->DeepCopy(implantMatrix);
  this->UpdatePreview(fulcrum);
  for (int k = 0; k < this->GetSections(); ++k) {
    const double* anchor = this->SectionLabelAnchor(k);
    if (anchor[0] == vtkImplantCutter::ParkedX) continue;
    double moved[3];
    this->ScrewUserTransform->TransformPoint(anchor, moved);
    this->SectionLabel(k)->GetPositionCoordinate()->SetValue(moved);
  }
}

void CQlmImplantCut::PreviewConectorDrag(const double fulcrum[3], vtkMatrix4x4* connectorMatrix) {
  this->ConectorUserMatrix->DeepCopy(connectorMatrix);
  this->UpdatePreview(fulcrum);
}

void CQlmImplantCut::CommitInPlane(vtkMatrix4x4* plane) {
  CQlmImplant3D* implant = this->Implant;
  if (!implant) return;
  double position[3];
  implant->GetPosition(position);
  vtkNew<vtkMatrix4x4> placement;
  CQlmDragCommit::InFrame(plane, this->ImplantUserMatrix, implant->GetMatrix(), position, placement);
  implant->SetMatrix(placement->GetData());
  // The connector moves with the implant: its drag takes the implant drag's translation.
  vtkNew<vtkMatrix4x4> connectorDrag;
  connectorDrag->DeepCopy(this->ConectorUserMatrix);
  for (int row = 0; row < 3; ++row) connectorDrag->SetElement(row, 3, this->ImplantUserMatrix->GetElement(row, 3));
  vtkNew<vtkMatrix4x4> connector;
  CQlmDragCommit::InFrame(plane, connectorDrag, implant->GetConectorTransformMatrix(), position, connector);
  placement->Invert();
  vtkMatrix4x4::Multiply4x4(placement, connector, connector);
  implant->SetConectorMatrix(connector->GetData());
  this->ResetUserMatrices();
}

void CQlmImplantCut::ResetUserMatrices() {
  this->ImplantUserMatrix->Identity();
  this->ConectorUserMatrix->Identity();
  this->ScrewUserTransform->Identity();
  this->ConectorUserTransform->Identity();
}
