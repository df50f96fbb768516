#pragma once
// The guide export file (.stv) read by the guide-design product: format code
// 2021070, then the placed implants, orthodontic objects, endodontic objects,
// library meshes and teeth of the open project, each named by its library
// item and placed by its matrix, then the base mesh the guide rests on.
//
// Layout (little-endian; strings in the archive form; a matrix is 16 doubles
// row by row): int32 format code; five lists, each an int32 count and its
// records; int32 point count N and N x 3 doubles; int32 triangle count T and
// T x 3 int32 point indices (0-based): the first three corners of every
// polygon of the base mesh, in cell order.
#include <vtkCollection.h>
#include <vtkNew.h>

#include <cstdint>

#include "platform/CString.h"

class CArchive;
#include "objects/CQlmGeomContainer.h"
class CQlmImplants;
class CQlmQuorvantile;
class vtkPolyData;

class CQlmGuideFile {
public:
  static constexpr int32_t Format = 2021070;

  // An empty path and five empty record collections.
  static CQlmGuideFile* New();
  virtual ~CQlmGuideFile();
  CQlmGuideFile(const CQlmGuideFile&) = delete;
  CQlmGuideFile& operator=(const CQlmGuideFile&) = delete;

  // Collects the controller's objects and writes the file at Path through a
  // temporary file. 1 when written; 0, with a previous file at Path
  // untouched, when BaseMesh is not set or has a polygon of fewer than three
  // corners, or the file cannot be written.
  int Save();

  // Format code, the five collections as they stand, then BaseMesh. Throws
  // what the archive throws.
  void WriteRecords(CArchive& archive);

  // The records of the last write, one collection per kind:
  // vtkImplantVirtual, vtkOrtoImpVirtual, vtkEndoImpVirtual, vtkGeomsVirtual
  // (library meshes and teeth).
  vtkCollection* GetImplants() const { return this->Implants; }
  vtkCollection* GetOrtoImps() const { return this->OrtoImps; }
  vtkCollection* GetEndoImps() const { return this->EndoImps; }
  vtkCollection* GetGeoms() const { return this->Geoms; }
  vtkCollection* GetDentes() const { return this->Dentes; }

  // Whose objects are exported; not owned.
  CQlmQuorvantile* Controller = nullptr;
  // The file to write.
  CString Path;
  // Format of the last write.
  int FormatCode = 0;
  // The base mesh; not owned, set before Save.
  vtkPolyData* BaseMesh = nullptr;

protected:
  CQlmGuideFile() = default;

private:
  // False when there is no base mesh or one of its polygons has fewer than three corners.
  bool HasUsableBase() const;
  // The five collections rebuilt from the controller's containers, in file order.
  void Collect();
  void CollectImplants(const CQlmImplants& implants);
  static void CollectGeoms(const CQlmGeomContainer& container, vtkCollection* records);
  void WriteBaseMesh(CArchive& archive) const;

  vtkNew<vtkCollection> Implants;
  vtkNew<vtkCollection> OrtoImps;
  vtkNew<vtkCollection> EndoImps;
  vtkNew<vtkCollection> Geoms;
  vtkNew<vtkCollection> Dentes;
};
