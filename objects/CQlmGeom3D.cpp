#include "objects/CQlmGeom3D.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <algorithm>
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
  if (!renderer || !this->Actor) return;
  renderer->AddActor(this->Actor);
  renderer->AddActor2D(this->LabelActor);
}

void CQlmGeom3D::RemoveFromRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer || !this->Actor) return;
  renderer->RemoveActor(this->Actor);
  renderer->RemoveActor2D(this->LabelActor);
}

void CQlmGeom3D::Reset() {
  this->Name = "";
  this->Mapper = nullptr;
  this->Actor = nullptr;
  this->TransformFilter = nullptr;
  this->LabelMapper = nullptr;
  this->LabelActor = nullptr;
  std::fill_n(this->Color, 3, 0.0f);
  this->Placement->Identity();
  this->LibraryId = "";
  this->LibraryName = "";
}

void CQlmGeom3D::BuildFromCreator(CQlmGeomCreator* creator) {
  this->Reset();
  this->Name = creator->GetName();
  this->TransformFilter = vtkSmartPointer<vtkTransformPolyDataFilter>::New();
  this->TransformFilter->SetInputData(creator->GetMesh());
  this->TransformFilter->SetTransform(this->Placement);
  this->Mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
  this->Mapper->SetInputConnection(this->TransformFilter->GetOutputPort());
  this->Actor = vtkSmartPointer<vtkActor>::New();
  this->Actor->SetMapper(this->Mapper);
  this->SetColor(creator->GetColor());
  this->Visible = 1;
  this->Selected = 0;
  this->ApplyColor();

  this->LabelMapper = vtkSmartPointer<vtkWin32TextMapper2>::New();
  this->LabelMapper->SetFontSize(NumberFontSize);
  this->LabelMapper->SetJustification(0);
  this->LabelMapper->SetVerticalJustification(1);
  this->LabelActor = vtkSmartPointer<vtkActor2D>::New();
  this->LabelActor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
  this->LabelActor->SetMapper(this->LabelMapper);
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

void CQlmGeom3D::UpdateLabelPosition() {
  if (!this->TransformFilter || !this->LabelActor) return;
  auto* mesh = vtkPolyData::SafeDownCast(this->TransformFilter->GetInput());
  if (!mesh) return;
  double centre[4] = {0.0, 0.0, 0.0, 1.0};
  mesh->GetCenter(centre);
  double placed[4];
  this->GetMatrix()->MultiplyPoint(centre, placed);
  this->LabelActor->GetPositionCoordinate()->SetValue(placed[0], placed[1], placed[2]);
}

vtkAlgorithmOutput* CQlmGeom3D::GetPlacedMeshPort() const {
  return this->TransformFilter ? this->TransformFilter->GetOutputPort() : nullptr;
}

vtkPolyData* CQlmGeom3D::GetPlacedMesh() const {
  if (!this->TransformFilter) return nullptr;
  this->TransformFilter->Update();
  return this->TransformFilter->GetOutput();
}

vtkActor* CQlmGeom3D::GetActor() const { return this->Actor; }
vtkActor2D* CQlmGeom3D::GetLabelActor() const { return this->LabelActor; }
vtkWin32TextMapper2* CQlmGeom3D::GetLabelMapper() const { return this->LabelMapper; }
bool CQlmGeom3D::OwnsActor(const vtkActor* actor) const { return actor && actor == this->Actor.GetPointer(); }

void CQlmGeom3D::ApplyColor() {
  if (!this->Actor) return;
  const float* color = this->Selected ? this->SelectedColor : this->Color;
  this->Actor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmGeom3D::SetColor(const float rgb[3]) {
  std::copy(rgb, rgb + 3, this->Color);
  std::fill_n(this->SelectedColor, 3, 1.0f);
  this->ApplyColor();
}

void CQlmGeom3D::SetSelected(int selected) {
  this->Selected = selected;
  this->ApplyColor();
}

void CQlmGeom3D::SetVisibility(int visible) {
  this->Visible = visible;
  if (!this->Actor) return;
  this->Actor->SetVisibility(visible ? 1 : 0);
  this->LabelActor->SetVisibility(visible && this->LabelVisible);
}

void CQlmGeom3D::SetVisibilityNumber(int on) {
  this->LabelVisible = on;
  if (this->LabelActor) this->LabelActor->SetVisibility(on && this->Visible);
}

void CQlmGeom3D::SetNumber(int number) {
  this->Number = number;
  if (!this->LabelMapper || (this->LabelMode != 0 && this->LabelMode != 1)) return;
  const bool byNumber = this->LabelMode == 0;
  const std::string text = byNumber ? std::to_string(number) : std::string(this->Name.c_str());
  this->LabelMapper->SetFontSize(byNumber ? NumberFontSize : NameFontSize);
  this->LabelMapper->SetJustification(0);
  this->LabelMapper->SetInput(text.c_str());
}

void CQlmGeom3D::SetLabelMode(int mode) {
  this->LabelMode = mode;
  this->SetNumber(this->Number);
}

void CQlmGeom3D::SetLabelBackground(int on) {
  if (this->LabelMapper) this->LabelMapper->SetLabelBackground(on);
}
