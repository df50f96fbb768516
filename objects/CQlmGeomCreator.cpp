#include "objects/CQlmGeomCreator.h"

#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkPolyDataNormals.h>

#include <algorithm>

#include "libraries/vtkGeom.h"

void CQlmGeomCreator::Create() {
  this->Mesh = nullptr;
  this->Name = "";
  std::fill_n(this->Color, 3, 0.0f);
  if (!this->Item) return;
  vtkNew<vtkPolyDataNormals> normals;
  normals->SetInputData(this->Item->Mesh);
  normals->SetFeatureAngle(30);
  normals->Update();
  this->Mesh = vtkSmartPointer<vtkPolyData>::New();
  this->Mesh->DeepCopy(normals->GetOutput());
  this->Name = this->Item->Name;
  std::copy(this->Item->Color, this->Item->Color + 3, this->Color);
  this->LibraryId = this->Item->LibraryId;
  this->LibraryName = this->Item->LibraryName;
}
