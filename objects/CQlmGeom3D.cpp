#include "objects/CQlmGeom3D.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkMatrix4x4.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <string>

#include "ct/CQlmLayeredWindow.h"
#include "objects/CQlmGeomCreator.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
constexpr int SurfaceLayer = 3;
constexpr int NumberFontSize = 12;
constexpr int NameFontSize = 10;
}  // namespace

CQlmGeom3D::CQlmGeom3D() = default;

CQlmGeom3D::~CQlmGeom3D() {
  if (this->Window) this->RemoveFromRenderer();
  this->Reset();
}

void CQlmGeom3D::AddToRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer || !this->Piece.Actor) return;
  renderer->AddActor(this->Piece.Actor);
  renderer->AddActor2D(this->Piece.LabelActor);
}

void CQlmGeom3D::RemoveFromRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer || !this->Piece.Actor) return;
  renderer->RemoveActor(this->Piece.Actor);
  renderer->RemoveActor2D(this->Piece.LabelActor);
}

void CQlmGeom3D::Reset() {
  this->Piece.Clear();
  this->Placement->Identity();
  this->LibraryId = "";
  this->LibraryName = "";
}

void CQlmGeom3D::BuildFromCreator(CQlmGeomCreator* creator) {
  this->Reset();
  this->Piece.Name = creator->GetName();
  this->Piece.Build(creator->GetMesh(), this->Placement, NumberFontSize);
  this->Visible = 1;
  this->Selected = 0;
  this->SetColor(creator->GetColor());
  this->LabelVisible = 1;
  this->LabelMode = 0;

  this->LibraryId = creator->GetLibraryId();
  this->LibraryName = creator->GetLibraryName();
  this->SetNumber(0);
  this->Placement->Identity();
  this->UpdateLabelPosition();
}

vtkMatrix4x4* CQlmGeom3D::GetMatrix() const { return this->Placement->GetMatrix(); }

void CQlmGeom3D::GetPosition(double position[3]) const {
  vtkMatrix4x4* matrix = this->GetMatrix();
  for (int row = 0; row < 3; ++row) position[row] = matrix->GetElement(row, 3);
}

void CQlmGeom3D::SetMatrix(const double elements[16]) {
  this->Placement->Identity();
  this->Placement->Concatenate(elements);
  this->UpdateLabelPosition();
}

void CQlmGeom3D::UpdateLabelPosition() { this->Piece.PlaceLabel(this->GetMatrix()); }

vtkAlgorithmOutput* CQlmGeom3D::GetPlacedMeshPort() const {
  return this->Piece.TransformFilter ? this->Piece.TransformFilter->GetOutputPort() : nullptr;
}

vtkPolyData* CQlmGeom3D::GetPlacedMesh() const {
  if (!this->Piece.TransformFilter) return nullptr;
  this->Piece.TransformFilter->Update();
  return this->Piece.TransformFilter->GetOutput();
}

vtkActor* CQlmGeom3D::GetActor() const { return this->Piece.Actor; }
vtkActor2D* CQlmGeom3D::GetLabelActor() const { return this->Piece.LabelActor; }
vtkWin32TextMapper2* CQlmGeom3D::GetLabelMapper() const { return this->Piece.LabelMapper; }
bool CQlmGeom3D::OwnsActor(const vtkActor* actor) const { return actor && actor == this->Piece.Actor.GetPointer(); }

void CQlmGeom3D::SetColor(const float rgb[3]) { this->Piece.SetColor(rgb, this->Selected); }

void CQlmGeom3D::SetSelected(int selected) {
  this->Selected = selected;
  this->Piece.ApplyColor(selected);
}

void CQlmGeom3D::SetVisibility(int visible) {
  this->Visible = visible;
  if (!this->Piece.Actor) return;
  this->Piece.Actor->SetVisibility(visible ? 1 : 0);
  this->Piece.LabelActor->SetVisibility(visible && this->LabelVisible);
}

void CQlmGeom3D::SetVisibilityNumber(int on) {
  this->LabelVisible = on;
  if (this->Piece.LabelActor) this->Piece.LabelActor->SetVisibility(on && this->Visible);
}

void CQlmGeom3D::SetNumber(int number) {
  this->Number = number;
  vtkWin32TextMapper2* label = this->Piece.LabelMapper;
  if (!label || (this->LabelMode != 0 && this->LabelMode != 1)) return;
  const bool byNumber = this->LabelMode == 0;
  const std::string text = byNumber ? std::to_string(number) : std::string(this->Piece.Name.c_str());
  label->SetFontSize(byNumber ? NumberFontSize : NameFontSize);
  label->SetJustification(0);
  label->SetInput(text.c_str());
}

void CQlmGeom3D::SetLabelMode(int mode) {
  this->LabelMode = mode;
  this->SetNumber(this->Number);
}

void CQlmGeom3D::SetLabelBackground(int on) {
  if (this->Piece.LabelMapper) this->Piece.LabelMapper->SetLabelBackground(on);
}
