#include "objects/CQlmMultiPartCreator.h"

#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkPolyDataNormals.h>

#include <algorithm>

void CQlmMultiPartCreator::Clear() {
  this->Mesh = nullptr;
  this->Name = "";
  std::fill_n(this->Color, 3, 0.0f);
  for (Part& part : this->Parts) part = Part();
}

void CQlmMultiPartCreator::Create() {
  this->Clear();
  if (!this->Item) return;
  this->Mesh = vtkSmartPointer<vtkPolyData>::New();
  this->Mesh->DeepCopy(this->Item->Mesh);
  this->Name = this->Item->Name;
  std::copy(this->Item->Color, this->Item->Color + 3, this->Color);
  const int slots = std::min(this->Item->GetNumberOfPositions(), MaximumParts);
  for (int slot = 0; slot < slots; ++slot) {
    if (vtkLibraryItem* variant = this->Item->GetSectionItem(slot, 0)) Take(variant, this->Parts[slot]);
  }
  this->LibraryId = this->Item->LibraryId;
  this->LibraryName = this->Item->LibraryName;
}

bool CQlmMultiPartCreator::CreatePartVariant(int slot, int variant) {
  if (!this->Item || slot < 0 || slot >= MaximumParts) return false;
  vtkLibraryItem* chosen = this->Item->GetSectionItem(slot, variant);
  if (!chosen) return false;
  Take(chosen, this->Parts[slot]);
  return true;
}

vtkPolyData* CQlmMultiPartCreator::GetPartMesh(int slot) const {
  return slot >= 0 && slot < MaximumParts ? this->Parts[slot].Mesh.GetPointer() : nullptr;
}

// The variant's mesh with normals (feature angle 30), name and colour.
void CQlmMultiPartCreator::Take(vtkLibraryItem* variant, Part& part) {
  vtkNew<vtkPolyDataNormals> normals;
  normals->SetInputData(variant->Mesh);
  normals->SetFeatureAngle(30);
  normals->Update();
  part.Mesh = vtkSmartPointer<vtkPolyData>::New();
  part.Mesh->DeepCopy(normals->GetOutput());
  part.Name = variant->Name;
  std::copy(variant->Color, variant->Color + 3, part.Color);
}
