#include "objects/CQlmImplantRing3D.h"

#include <vtkActor.h>
#include <vtkMatrix4x4.h>
#include <vtkMatrixToLinearTransform.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkPolyDataNormals.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransformPolyDataFilter.h>

#include "ct/CQlmLayeredWindow.h"
#include "objects/CQlmImplant3D.h"

namespace {
constexpr int SurfaceLayer = 3;
}

CQlmImplantRing3D::CQlmImplantRing3D() {
  this->Placed->SetInputData(this->Mesh);
  this->Placed->SetTransform(this->Placement);
  this->Mapper->SetInputConnection(this->Placed->GetOutputPort());
  this->Actor->SetMapper(this->Mapper);
  this->Actor->GetProperty()->SetInterpolationToPhong();
}

CQlmImplantRing3D::~CQlmImplantRing3D() {
  if (this->Window) this->RemoveFromRenderer();
}

void CQlmImplantRing3D::AddToRenderer() {
  if (vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr)
    renderer->AddActor(this->Actor);
}

void CQlmImplantRing3D::RemoveFromRenderer() {
  if (vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr)
    renderer->RemoveActor(this->Actor);
}

void CQlmImplantRing3D::SetPolyData(vtkPolyData* mesh) {
  vtkNew<vtkPolyDataNormals> normals;
  normals->SetInputData(mesh);
  normals->SetFeatureAngle(60.0);
  normals->Update();
  this->Mesh->DeepCopy(normals->GetOutput());
}

void CQlmImplantRing3D::SetImplant(CQlmImplant3D* implant) {
  this->Implant = implant;
  this->Placement->SetInput(implant ? implant->GetMatrix() : nullptr);
  this->SetVisibility(this->Visible);
}

void CQlmImplantRing3D::SetColor(float r, float g, float b) { this->Actor->GetProperty()->SetColor(r, g, b); }

bool CQlmImplantRing3D::IsShown() const { return this->Visible && this->Implant && this->Implant->GetVisible(); }

void CQlmImplantRing3D::SetVisibility(int visible) {
  this->Visible = visible;
  this->Actor->SetVisibility(this->IsShown());
}

void CQlmImplantRing3D::GetOriginIn(vtkMatrix4x4* plane, double point[3]) const {
  double origin[4] = {0.0, 0.0, 0.0, 1.0};
  if (this->Implant) {
    for (int row = 0; row < 3; ++row) origin[row] = this->Implant->GetMatrix()->GetElement(row, 3);
  }
  vtkNew<vtkMatrix4x4> toPlane;
  vtkMatrix4x4::Invert(plane, toPlane);
  toPlane->MultiplyPoint(origin, origin);
  point[0] = origin[0];
  point[1] = origin[1];
  point[2] = 0.0;
}

vtkAlgorithmOutput* CQlmImplantRing3D::GetOutputPort() const { return this->Placed->GetOutputPort(); }
