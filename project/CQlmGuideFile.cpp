#include "project/CQlmGuideFile.h"

#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "app/CQlmQuorvantile.h"
#include "libraries/vtkEndoImpVirtual.h"
#include "libraries/vtkGeomsVirtual.h"
#include "libraries/vtkImplantVirtual.h"
#include "libraries/vtkOrtoImpVirtual.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmOrtoImps.h"
#include "platform/CArchive.h"
#include "platform/CAtomicFile.h"

namespace {

constexpr size_t ArchiveBuffer = 4096000;

void WriteMatrix(CArchive& archive, const double (&matrix)[16]) {
  for (double element : matrix) archive << element;
}

void CopyMatrix(const vtkMatrix4x4* matrix, double (&into)[16]) { std::copy_n(&matrix->Element[0][0], 16, into); }

// The count, then each record of the list's kind, in collection order.
template <class Record, class Write>
void WriteList(CArchive& archive, vtkCollection* records, Write write) {
  std::vector<Record*> typed;
  records->InitTraversal();
  while (vtkObject* item = records->GetNextItemAsObject()) {
    if (Record* record = Record::SafeDownCast(item)) typed.push_back(record);
  }
  archive << static_cast<int32_t>(typed.size());
  for (Record* record : typed) write(archive, *record);
}

void WriteImplant(CArchive& archive, const vtkImplantVirtual& implant) {
  archive << implant.Diameter << implant.Length << implant.ConnectorHeight;
  archive << implant.ImplantName << implant.ComponentName << implant.LibraryName << implant.LibraryId;
  archive << static_cast<int32_t>(implant.LibraryFlag) << static_cast<int32_t>(implant.LibraryFlagCopy);
  WriteMatrix(archive, implant.Matrix);
  WriteMatrix(archive, implant.ConnectorMatrix);
}

void WriteMultiPart(CArchive& archive, const vtkMultiPartVirtual& object) {
  archive << object.ItemName << object.LibraryName << object.LibraryId;
  const int count = std::clamp(object.PartCount, 0, vtkMultiPartItem::MaximumParts);
  archive << static_cast<int32_t>(count);
  for (int k = 0; k < count; ++k) archive << object.PartNames[k];
  WriteMatrix(archive, object.Matrix);
}

// One record of `Record` per object of a multi-part container, with its present parts' names.
template <class Record, class Container>
void CollectMultiParts(const Container& container, vtkCollection* records) {
  container.GetList3D()->ForEach([records](const auto* object) {
    vtkNew<Record> record;
    record->ItemName = object->GetName();
    record->LibraryName = object->LibraryName;
    record->LibraryId = object->LibraryId;
    record->PartCount = std::clamp(object->GetPartCount(), 0, vtkMultiPartItem::MaximumParts);
    for (int k = 0; k < record->PartCount; ++k) record->PartNames[k] = object->GetPartName(k);
    CopyMatrix(object->GetMatrix(), record->Matrix);
    records->AddItem(record);
  });
}

void WriteGeom(CArchive& archive, const vtkGeomsVirtual& object) {
  archive << object.ItemName << object.LibraryName << object.LibraryId;
  WriteMatrix(archive, object.Matrix);
}

}  // namespace

CQlmGuideFile* CQlmGuideFile::New() { return new CQlmGuideFile; }

CQlmGuideFile::~CQlmGuideFile() = default;

int CQlmGuideFile::Save() {
  if (!this->HasUsableBase()) return 0;
  try {
    this->Collect();
    CAtomicFile file;
    if (!file.Open(this->Path.Str())) return 0;
    CArchive archive(&file, CArchive::store, ArchiveBuffer);
    this->WriteRecords(archive);
    archive.Close();
    file.Commit();
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

bool CQlmGuideFile::HasUsableBase() const {
  if (!this->BaseMesh) return false;
  vtkCellArray* polygons = this->BaseMesh->GetPolys();
  if (!polygons) return true;
  for (vtkIdType cell = 0; cell < polygons->GetNumberOfCells(); ++cell) {
    if (polygons->GetCellSize(cell) < 3) return false;
  }
  return true;
}

void CQlmGuideFile::Collect() {
  for (vtkCollection* records :
       {this->Implants.Get(), this->OrtoImps.Get(), this->EndoImps.Get(), this->Geoms.Get(), this->Dentes.Get()})
    records->RemoveAllItems();
  if (!this->Controller) return;
  if (this->Controller->ImplantContainer) this->CollectImplants(*this->Controller->ImplantContainer);
  if (this->Controller->OrtoImpsContainer)
    CollectMultiParts<vtkOrtoImpVirtual>(*this->Controller->OrtoImpsContainer, this->OrtoImps);
  if (this->Controller->EndoImpsContainer)
    CollectMultiParts<vtkEndoImpVirtual>(*this->Controller->EndoImpsContainer, this->EndoImps);
  if (this->Controller->GeomsContainer) CollectGeoms(*this->Controller->GeomsContainer, this->Geoms);
  if (this->Controller->DentesContainer) CollectGeoms(*this->Controller->DentesContainer, this->Dentes);
}

void CQlmGuideFile::CollectImplants(const CQlmImplants& implants) {
  implants.GetList3D()->ForEach([this](const CQlmImplant3D* implant) {
    vtkNew<vtkImplantVirtual> record;
    record->Diameter = implant->GetDiameter();
    record->Length = implant->GetLength();
    record->ConnectorHeight = implant->GetConectorHeight();
    record->ImplantName = implant->ImplantName;
    record->ComponentName = implant->ComponentName;
    record->LibraryName = implant->Platform;
    record->LibraryId = implant->LibraryIdentifier;
    record->SetLibraryFlag(implant->LibraryImplant);
    CopyMatrix(implant->GetMatrix(), record->Matrix);
    CopyMatrix(implant->GetConectorMatrix(), record->ConnectorMatrix);
    this->Implants->AddItem(record);
  });
}

void CQlmGuideFile::CollectGeoms(const CQlmGeomContainer& container, vtkCollection* records) {
  container.GetList3D()->ForEach([records](const CQlmGeom3D* object) {
    vtkNew<vtkGeomsVirtual> record;
    record->ItemName = object->GetName();
    record->LibraryName = object->LibraryName;
    record->LibraryId = object->LibraryId;
    CopyMatrix(object->GetMatrix(), record->Matrix);
    records->AddItem(record);
  });
}

void CQlmGuideFile::WriteRecords(CArchive& archive) {
  this->FormatCode = Format;
  archive << static_cast<int32_t>(this->FormatCode);
  WriteList<vtkImplantVirtual>(archive, this->Implants, WriteImplant);
  WriteList<vtkMultiPartVirtual>(archive, this->OrtoImps, WriteMultiPart);
  WriteList<vtkMultiPartVirtual>(archive, this->EndoImps, WriteMultiPart);
  WriteList<vtkGeomsVirtual>(archive, this->Geoms, WriteGeom);
  WriteList<vtkGeomsVirtual>(archive, this->Dentes, WriteGeom);
  this->WriteBaseMesh(archive);
}

void CQlmGuideFile::WriteBaseMesh(CArchive& archive) const {
  vtkPoints* points = this->BaseMesh ? this->BaseMesh->GetPoints() : nullptr;
  const vtkIdType count = points ? points->GetNumberOfPoints() : 0;
  archive << static_cast<int32_t>(count);
  for (vtkIdType k = 0; k < count; ++k) {
    double point[3];
    points->GetPoint(k, point);
    archive << point[0] << point[1] << point[2];
  }
  vtkCellArray* polygons = this->BaseMesh ? this->BaseMesh->GetPolys() : nullptr;
  archive << static_cast<int32_t>(polygons ? polygons->GetNumberOfCells() : 0);
  if (!polygons) return;
  vtkIdType size = 0;
  const vtkIdType* corners = nullptr;
  for (polygons->InitTraversal(); polygons->GetNextCell(size, corners);) {
    archive << static_cast<int32_t>(corners[0]) << static_cast<int32_t>(corners[1]) << static_cast<int32_t>(corners[2]);
  }
}
