#include "objects/CQlmImplant3D.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkLineSource.h>
#include <vtkMath.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "ct/CQlmLayeredWindow.h"
#include "objects/CQlmImplantCreator.h"
#include "platform/CArchive.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
constexpr float UniformScrewColor[3] = {1.0f, 1.0f, 0.3f};
constexpr float UniformConectorColor[3] = {0.8f, 0.8f, 0.3f};
constexpr float White[3] = {1.0f, 1.0f, 1.0f};
constexpr int SurfaceLayer = 3;

void Paint(vtkActor* actor, const float color[3]) { actor->GetProperty()->SetColor(color[0], color[1], color[2]); }

void Copy(float target[3], const float source[3]) { std::copy(source, source + 3, target); }

void Connect(vtkTransformPolyDataFilter* filter, vtkPolyData* mesh, vtkTransform* transform, vtkPolyDataMapper* mapper,
             vtkActor* actor) {
  filter->SetInputData(mesh);
  filter->SetTransform(transform);
  mapper->SetInputConnection(filter->GetOutputPort());
  actor->SetMapper(mapper);
}

void SetLabelStyle(vtkTextMapper2* mapper, int fontSize, int justification) {
  mapper->SetFontSize(fontSize);
  mapper->SetJustification(justification);
}

// Point (x, y, z) of a frame through `matrix`.
void MapPoint(vtkMatrix4x4* matrix, double x, double y, double z, double out[3]) {
  const double in[4] = {x, y, z, 1.0};
  double mapped[4];
  matrix->MultiplyPoint(in, mapped);
  std::copy(mapped, mapped + 3, out);
}

void ReadColor(CArchive& archive, float color[3]) { archive >> color[0] >> color[1] >> color[2]; }
void WriteColor(CArchive& archive, const float color[3]) { archive << color[0] << color[1] << color[2]; }
}  // namespace

CQlmImplant3D::CQlmImplant3D() {
  Connect(this->ScrewFilter, this->ScrewMesh, this->Placement, this->ScrewMapper, this->ScrewActor);
  Connect(this->ConectorFilter, this->ConectorMesh, this->ConectorTransform, this->ConectorMapper, this->ConectorActor);
  Connect(this->ExtensionFilter, this->ExtensionMesh, this->ConectorTransform, this->ExtensionMapper,
          this->ExtensionActor);
  this->ScrewLineMapper->SetInputConnection(this->ScrewLine->GetOutputPort());
  this->ScrewLineActor->SetMapper(this->ScrewLineMapper);
  this->ConectorLineMapper->SetInputConnection(this->ConectorLine->GetOutputPort());
  this->ConectorLineActor->SetMapper(this->ConectorLineMapper);

  SetLabelStyle(this->LabelMapper, 20, 0);
  this->LabelMapper->SetVerticalJustification(1);
  this->LabelMapper->SetShadow(1);
  this->LabelMapper->SetColorBackground(1.0, 1.0, 0.5);
  this->LabelMapper->SetColor(1.0, 1.0, 0.3);
  this->LabelActor->SetMapper(this->LabelMapper);
  this->LabelActor->GetPositionCoordinate()->SetCoordinateSystemToWorld();

  this->ApplyColors();
  Paint(this->ExtensionActor, this->ExtensionColor);
  this->UpdateAxisLines();
}

CQlmImplant3D::~CQlmImplant3D() {
  if (this->Window) this->RemoveFromRenderer();
}

void CQlmImplant3D::AddToRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer) return;
  renderer->AddActor(this->ScrewActor);
  renderer->AddActor(this->ConectorActor);
  if (this->ShowExtensionFlag) renderer->AddActor(this->ExtensionActor);
  renderer->AddActor(this->ScrewLineActor);
  renderer->AddActor(this->ConectorLineActor);
  renderer->AddActor2D(this->LabelActor);
}

void CQlmImplant3D::RemoveFromRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer) return;
  renderer->RemoveActor(this->ScrewActor);
  renderer->RemoveActor(this->ConectorActor);
  renderer->RemoveActor(this->ExtensionActor);
  renderer->RemoveActor(this->ScrewLineActor);
  renderer->RemoveActor(this->ConectorLineActor);
  renderer->RemoveActor2D(this->LabelActor);
}

void CQlmImplant3D::BuildFromCreator(CQlmImplantCreator* creator) {
  this->ScrewMesh->DeepCopy(creator->GetScrewOutput());
  this->ConectorMesh->DeepCopy(creator->GetConectorOutput());
  this->ExtensionMesh->DeepCopy(creator->GetExtensionOutput());
  this->Length = creator->Length;
  this->ConectorHeight = creator->ConectorHeight;
  this->Diameter = creator->Diameter;
  this->PlaceLabel();
  this->UpdateAxisLines();
}

void CQlmImplant3D::SetPolyData(vtkPolyData* screw, vtkPolyData* connector, vtkPolyData* extension) {
  this->ScrewMesh->DeepCopy(screw);
  this->ConectorMesh->DeepCopy(connector);
  this->ExtensionMesh->DeepCopy(extension);
}

void CQlmImplant3D::SetDimensions(float diameter, float length, float connectorHeight) {
  this->Diameter = diameter;
  this->Length = length;
  this->ConectorHeight = connectorHeight;
  this->PlaceLabel();
  this->UpdateAxisLines();
}

void CQlmImplant3D::SetMatrix(const double elements[16]) {
  this->Placement->SetMatrix(elements);
  this->UpdateConectorTransform();
  this->PlaceLabel();
  this->UpdateAxisLines();
}

void CQlmImplant3D::SetConectorMatrix(const double elements[16]) {
  this->ConectorMatrix->DeepCopy(elements);
  this->UpdateConectorTransform();
  this->UpdateAxisLines();
}

vtkMatrix4x4* CQlmImplant3D::GetMatrix() const { return this->Placement->GetMatrix(); }

vtkMatrix4x4* CQlmImplant3D::GetConectorTransformMatrix() const { return this->ConectorTransform->GetMatrix(); }

void CQlmImplant3D::GetPosition(double position[3]) const { this->Placement->GetPosition(position); }

void CQlmImplant3D::UpdateConectorTransform() {
  vtkNew<vtkMatrix4x4> product;
  vtkMatrix4x4::Multiply4x4(this->Placement->GetMatrix(), this->ConectorMatrix, product);
  this->ConectorTransform->SetMatrix(product);
}

void CQlmImplant3D::UpdateAxisLines() {
  double point[3];
  vtkMatrix4x4* placement = this->Placement->GetMatrix();
  MapPoint(placement, 0, 0, -(this->Length + 3.0), point);
  this->ScrewLine->SetPoint1(point);
  MapPoint(placement, 0, 0, 15.0, point);
  this->ScrewLine->SetPoint2(point);
  vtkMatrix4x4* connector = this->ConectorTransform->GetMatrix();
  MapPoint(connector, 0, 0, -3.0, point);
  this->ConectorLine->SetPoint1(point);
  MapPoint(connector, 0, 0, 35.0, point);
  this->ConectorLine->SetPoint2(point);
}

// The middle of the implant body.
void CQlmImplant3D::PlaceLabel() {
  double point[3];
  MapPoint(this->Placement->GetMatrix(), 0, 0, -this->Length / 2.0, point);
  this->LabelActor->GetPositionCoordinate()->SetValue(point);
}

float CQlmImplant3D::GetConectorAngle() const {
  const double x = this->ConectorMatrix->GetElement(0, 2);
  const double y = this->ConectorMatrix->GetElement(1, 2);
  const double z = this->ConectorMatrix->GetElement(2, 2);
  if (x == 0.0 && y == 0.0 && z == 1.0) return 0.0f;
  const double norm = std::sqrt(x * x + y * y + z * z);
  if (norm == 0.0) return 0.0f;
  // Rounding can put the cosine a hair beyond 1.
  return float(std::acos(std::clamp(z / norm, -1.0, 1.0)) * 57.29578);
}

void CQlmImplant3D::SetConectorAngle(float degrees) {
  const double x = this->ConectorMatrix->GetElement(0, 2);
  const double y = this->ConectorMatrix->GetElement(1, 2);
  vtkNew<vtkTransform> tilt;
  tilt->RotateWXYZ(degrees, -y, x, 0.0);
  this->SetConectorMatrix(&tilt->GetMatrix()->Element[0][0]);
}

void CQlmImplant3D::ApplyColors() {
  if (this->UniformColor) {
    Paint(this->ScrewActor, UniformScrewColor);
    Paint(this->ScrewLineActor, UniformScrewColor);
    Paint(this->ConectorActor, UniformConectorColor);
    Paint(this->ConectorLineActor, UniformConectorColor);
    return;
  }
  const float* screw = this->Selected ? this->SelectedScrewColor : this->ScrewColor;
  const float* connector = this->Selected ? this->SelectedConectorColor : this->ConectorColor;
  Paint(this->ScrewActor, screw);
  Paint(this->ScrewLineActor, screw);
  Paint(this->ConectorActor, connector);
  Paint(this->ConectorLineActor, connector);
  Paint(this->ExtensionActor, this->Selected ? this->SelectedExtensionColor : this->ExtensionColor);
}

void CQlmImplant3D::SetScrewColor(float r, float g, float b) {
  const float color[3] = {r, g, b};
  Copy(this->ScrewColor, color);
  Copy(this->SelectedScrewColor, White);
  this->ApplyColors();
}

void CQlmImplant3D::SetConectorColor(float r, float g, float b) {
  const float color[3] = {r, g, b};
  Copy(this->ConectorColor, color);
  Copy(this->ExtensionColor, color);
  Copy(this->SelectedConectorColor, White);
  Copy(this->SelectedExtensionColor, White);
  Paint(this->ExtensionActor, this->Selected ? this->SelectedExtensionColor : this->ExtensionColor);
  this->ApplyColors();
}

void CQlmImplant3D::SetSelected(int selected) {
  this->Selected = selected;
  if (!this->UniformColor) this->ApplyColors();
}

void CQlmImplant3D::SetUniformColor(int on) {
  this->UniformColor = on;
  this->ApplyColors();
}

void CQlmImplant3D::SetVisibility(int visible) {
  this->Visible = visible;
  this->ScrewActor->SetVisibility(visible && this->ShowScrew);
  this->ScrewLineActor->SetVisibility(visible && this->ShowScrew && this->ShowScrewLine);
  this->ConectorActor->SetVisibility(visible && this->ShowConector);
  this->ExtensionActor->SetVisibility(visible && this->ShowConector);
  this->ConectorLineActor->SetVisibility(visible && this->ShowConector && this->ShowConectorLine);
  this->LabelActor->SetVisibility(visible && this->NumberVisible);
}

void CQlmImplant3D::ShowLabelIfPartShown() {
  const bool partShown = this->Visible && (this->ShowScrew || this->ShowConector);
  this->LabelActor->SetVisibility(partShown && this->NumberVisible);
}

void CQlmImplant3D::SetVisibilityScrew(int on) {
  if (this->Visible) {
    this->ScrewActor->SetVisibility(on);
    if (this->ShowScrewLine) this->ScrewLineActor->SetVisibility(on);
  }
  this->ShowScrew = on;
  this->ShowLabelIfPartShown();
}

void CQlmImplant3D::SetVisibilityConector(int on) {
  if (this->Visible) {
    this->ConectorActor->SetVisibility(on);
    this->ExtensionActor->SetVisibility(on);
    if (this->ShowConectorLine) this->ConectorLineActor->SetVisibility(on);
  }
  this->ShowConector = on;
  this->ShowLabelIfPartShown();
}

void CQlmImplant3D::SetVisibilityScrewLine(int on) {
  if (this->Visible) this->ScrewLineActor->SetVisibility(on && this->ShowScrew);
  this->ShowScrewLine = on;
}

void CQlmImplant3D::SetVisibilityConectorLine(int on) {
  if (this->Visible) this->ConectorLineActor->SetVisibility(on && this->ShowConector);
  this->ShowConectorLine = on;
}

void CQlmImplant3D::SetVisibilityNumber(int on) {
  this->NumberVisible = on;
  if (this->Visible && (this->ShowScrew || this->ShowConector)) this->LabelActor->SetVisibility(on);
}

void CQlmImplant3D::SetNumber(int number) {
  this->Number = number;
  CString text;
  if (this->LabelMode == 0) {
    text.Format("%d", number);
    SetLabelStyle(this->LabelMapper, 16, 0);
  } else if (this->LabelMode == 1) {
    text.Format("%.2f x %.1f", this->Diameter, this->Length);
    SetLabelStyle(this->LabelMapper, 12, 1);
  }
  this->LabelMapper->SetInput(text.c_str());
}

void CQlmImplant3D::SetLabelMode(int mode) {
  this->LabelMode = mode;
  this->SetNumber(this->Number);
}

void CQlmImplant3D::SetLabelBackground(int on) {
  this->LabelMapper->SetLabelBackground(on);
}

void CQlmImplant3D::ShowExtension(int on) {
  this->ShowExtensionFlag = on;
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer) return;
  if (on) renderer->AddActor(this->ExtensionActor);
  else renderer->RemoveActor(this->ExtensionActor);
}

vtkAlgorithmOutput* CQlmImplant3D::GetScrewOutputPort() const { return this->ScrewFilter->GetOutputPort(); }

vtkAlgorithmOutput* CQlmImplant3D::GetConectorOutputPort() const { return this->ConectorFilter->GetOutputPort(); }

bool CQlmImplant3D::OwnsActor(const vtkActor* actor) const {
  return actor && (actor == this->ScrewActor || actor == this->ConectorActor || actor == this->ExtensionActor ||
                   actor == this->ScrewLineActor || actor == this->ConectorLineActor);
}

void CQlmImplant3D::Serialize(CArchive& archive) {
  if (archive.IsStoring()) this->StoreFields(archive);
  else this->LoadFields(archive);
}

void CQlmImplant3D::StoreFields(CArchive& archive) {
  archive << this->Diameter << this->Length << this->ConectorHeight;
  WriteColor(archive, this->ScrewColor);
  WriteColor(archive, this->ConectorColor);
  WriteColor(archive, this->SelectedScrewColor);
  WriteColor(archive, this->SelectedConectorColor);
  archive << int32_t(this->Visible) << int32_t(this->ShowScrew) << int32_t(this->ShowConector)
          << int32_t(this->Selected);
  archive << this->ImplantName << this->ComponentName;
  archive << int32_t(this->ShowScrewLine) << int32_t(this->ShowConectorLine) << int32_t(this->Number)
          << int32_t(this->NumberVisible);
  for (vtkMatrix4x4* matrix : {this->Placement->GetMatrix(), this->ConectorMatrix.GetPointer()}) {
    for (int i = 0; i < 16; ++i) archive << matrix->GetData()[i];
  }
}

void CQlmImplant3D::LoadFields(CArchive& archive) {
  std::unique_ptr<CQlmImplantCreator> creator(CQlmImplantCreator::New());
  archive >> creator->Diameter >> creator->Length >> creator->ConectorHeight;
  this->BuildFromCreator(creator.get());
  float color[3];
  ReadColor(archive, color);
  this->SetScrewColor(color[0], color[1], color[2]);
  ReadColor(archive, color);
  this->SetConectorColor(color[0], color[1], color[2]);
  // The selected colours of the record are read and dropped: the setters made them white.
  ReadColor(archive, color);
  ReadColor(archive, color);
  int32_t visible, showScrew, showConector, selected;
  archive >> visible >> showScrew >> showConector >> selected;
  this->SetVisibility(visible);
  this->SetVisibilityScrew(showScrew);
  this->SetVisibilityConector(showConector);
  this->SetSelected(selected);
  archive >> this->ImplantName >> this->ComponentName;
  int32_t screwLine, connectorLine, number, numberVisible;
  archive >> screwLine >> connectorLine >> number >> numberVisible;
  this->SetVisibilityScrewLine(screwLine);
  this->SetVisibilityConectorLine(connectorLine);
  this->SetNumber(number);
  this->SetVisibilityNumber(numberVisible);
  double elements[16];
  for (double& element : elements) archive >> element;
  this->SetMatrix(elements);
  for (double& element : elements) archive >> element;
  this->SetConectorMatrix(elements);
}
