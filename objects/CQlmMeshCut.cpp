#include "objects/CQlmMeshCut.h"

#include <vtkActor.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyDataAlgorithm.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>

#include <algorithm>

#include "objects/CQlmDragCommit.h"

namespace {
constexpr float HighlightColor[3] = {1.0f, 1.0f, 0.3f};
}

CQlmMeshCut::CQlmMeshCut(vtkPolyDataAlgorithm* cutter, int sections) {
  this->Cutter.TakeReference(cutter);
  for (int k = 0; k < sections; ++k) {
    vtkNew<vtkPolyDataMapper> mapper;
    mapper->SetInputConnection(cutter->GetOutputPort(k));
    auto actor = vtkSmartPointer<vtkActor>::New();
    actor->SetMapper(mapper);
    actor->GetProperty()->SetLineWidth(2);
    actor->GetProperty()->LightingOff();
    actor->SetUserTransform(this->UserTransform);
    this->Actors.push_back(actor);
  }
  this->ApplyColor();
}

CQlmMeshCut::~CQlmMeshCut() = default;

void CQlmMeshCut::SetInputConnection(vtkAlgorithmOutput* mesh) { this->Cutter->SetInputConnection(mesh); }

void CQlmMeshCut::SetInputData(vtkPolyData* mesh) { this->Cutter->SetInputData(mesh); }

void CQlmMeshCut::AddToRenderer() {
  for (int k = 0; k < this->GetSections(); ++k) {
    if (vtkRenderer* renderer = this->SectionRenderer(k)) renderer->AddActor(this->Actors[k]);
  }
}

void CQlmMeshCut::RemoveFromRenderer() {
  for (int k = 0; k < this->GetSections(); ++k) {
    if (vtkRenderer* renderer = this->SectionRenderer(k)) renderer->RemoveActor(this->Actors[k]);
  }
}

void CQlmMeshCut::ApplyColor() {
  const float* color = this->Highlight ? HighlightColor : this->Color;
  for (auto& actor : this->Actors) actor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmMeshCut::SetColor(float r, float g, float b) {
  this->Color[0] = r, this->Color[1] = g, this->Color[2] = b;
  this->ApplyColor();
}

void CQlmMeshCut::SetHighlight(int on) {
  this->Highlight = on;
  this->ApplyColor();
}

void CQlmMeshCut::SetVisibility(int visible) {
  this->Visible = visible;
  this->ApplyVisibility();
}

void CQlmMeshCut::ApplyVisibility() {
  const int shown = this->Visible && this->IsShowable();
  for (auto& actor : this->Actors) actor->SetVisibility(shown);
}

void CQlmMeshCut::SetOpacity(double opacity) {
  for (auto& actor : this->Actors) actor->GetProperty()->SetOpacity(opacity);
}

void CQlmMeshCut::SetUserMatrixAbout(const double pivot[3], vtkMatrix4x4* matrix) {
  CQlmDragCommit::Preview(pivot, matrix, this->UserTransform);
}

void CQlmMeshCut::ResetUserMatrix() { this->UserTransform->Identity(); }

bool CQlmMeshCut::OwnsActor(const vtkActor* actor) const {
  return actor && std::any_of(this->Actors.begin(), this->Actors.end(),
                              [actor](const auto& a) { return a.GetPointer() == actor; });
}

vtkActor* CQlmMeshCut::GetActor(int section) const { return this->Actors.at(section); }
