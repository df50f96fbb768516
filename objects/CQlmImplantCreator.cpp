#include "objects/CQlmImplantCreator.h"

#include <vtkCylinderSource.h>
#include <vtkPolyData.h>
#include <vtkPolyDataNormals.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <algorithm>

namespace {
enum Part { Screw, Conector, Extension };
}

CQlmImplantCreator::CQlmImplantCreator() {
  for (int part = 0; part < 3; ++part) {
    this->Cylinders[part]->SetResolution(12);
    this->Transforms[part]->PostMultiply();
    this->Placers[part]->SetTransform(this->Transforms[part]);
    this->Placers[part]->SetInputConnection(this->Cylinders[part]->GetOutputPort());
    this->Normals[part]->SetFeatureAngle(60.0);
  }
}

CQlmImplantCreator::~CQlmImplantCreator() = default;

vtkPolyData* CQlmImplantCreator::GetScrewOutput() {
  this->Create();
  return this->Normals[Screw]->GetOutput();
}

vtkPolyData* CQlmImplantCreator::GetConectorOutput() {
  this->Create();
  return this->Normals[Conector]->GetOutput();
}

vtkPolyData* CQlmImplantCreator::GetExtensionOutput() {
  this->Create();
  return this->Normals[Extension]->GetOutput();
}

float CQlmImplantCreator::ExtensionRadius() const {
  if (this->Diameter >= ExtensionWidthLimit) return ExtensionWidthLimit / 2;
  return std::max(this->Diameter / 2 - 0.1f, MinimumExtensionRadius);
}

// The cylinder source stands along y, centred; a quarter turn about x stands it along z.
void CQlmImplantCreator::PlaceCylinder(int part, double height, double radius, double centreZ) {
  this->Cylinders[part]->SetHeight(height);
  this->Cylinders[part]->SetRadius(radius);
  this->Transforms[part]->Identity();
  this->Transforms[part]->RotateX(90.0);
  this->Transforms[part]->Translate(0.0, 0.0, centreZ);
  this->Normals[part]->SetInputConnection(this->Placers[part]->GetOutputPort());
}

void CQlmImplantCreator::Create() {
  const double radius = this->Diameter / 2.0;
  const double extensionRadius = this->ExtensionRadius();
  if (this->Mode == Generic || !this->LibraryImplantMesh) {
    this->PlaceCylinder(Screw, this->Length, radius, -this->Length / 2.0);
  } else {
    this->Normals[Screw]->SetInputData(this->LibraryImplantMesh);
  }
  if (this->Mode == LibraryWithComponent && this->LibraryConectorMesh) {
    this->Normals[Conector]->SetInputData(this->LibraryConectorMesh);
    const double top = this->LibraryConectorMesh->GetBounds()[5] + 1.0;
    const double height = ExtensionLength - top;
    this->PlaceCylinder(Extension, height, extensionRadius, top + height / 2.0);
  } else {
    this->PlaceCylinder(Conector, this->ConectorHeight, radius, this->ConectorHeight / 2.0);
    this->PlaceCylinder(Extension, ExtensionLength, extensionRadius, ExtensionLength / 2.0);
    if (this->Mode == LibraryWithGenericConnector) {
      this->Placers[Conector]->Update();
      this->LibraryConectorMesh = this->Placers[Conector]->GetOutput();
    }
  }
  for (auto& normals : this->Normals) normals->Update();
  this->SizeText.Format("%.2f %s %.1f %s", this->Diameter, "mm x ", this->Length, "mm");
  this->ConectorText.Format("%.1f %s", this->ConectorHeight, "mm");
}
