#include "RealMeshLibrary.h"

#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkSTLReader.h>

#include <functional>

#include "MeshCodecFixtures.h"
#include "QlmTestData.h"

namespace RealMeshLibrary {
namespace {

void SetMesh(vtkPolyData* mesh, const MeshCodecFixtures::IndexedMesh& indexed) {
  vtkNew<vtkPoints> points;
  points->SetNumberOfPoints(static_cast<vtkIdType>(indexed.Vertices.size() / 3));
  for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i)
    points->SetPoint(i, indexed.Vertices[3 * i], indexed.Vertices[3 * i + 1], indexed.Vertices[3 * i + 2]);
  vtkNew<vtkCellArray> triangles;
  for (size_t k = 0; k + 2 < indexed.Corners.size(); k += 3) {
    const vtkIdType ids[3] = {indexed.Corners[k], indexed.Corners[k + 1], indexed.Corners[k + 2]};
    triangles->InsertNextCell(3, ids);
  }
  mesh->SetPoints(points);
  mesh->SetPolys(triangles);
}

void AddItem(vtkGeomsLib* library, const std::string& name, const std::function<void(vtkPolyData*)>& fill) {
  vtkNew<vtkGeom> item;
  item->Name = name;
  item->LibraryId = library->Identifier;
  item->LibraryName = library->Name;
  fill(item->Mesh);
  library->Items->AddItem(item);
}

}  // namespace

vtkSmartPointer<vtkGeomsLib> Build(std::string& why) {
  if (!QlmTestData::Has(QlmTestData::CraniumSurface, why)) return nullptr;
  auto library = vtkSmartPointer<vtkGeomsLib>::New();
  library->Name = "Malhas Reais";
  library->Identifier = "   77";
  AddItem(library, "Crânio", [](vtkPolyData* mesh) {
    SetMesh(mesh, MeshCodecFixtures::ReadVtp(QlmTestData::Path(QlmTestData::CraniumSurface)));
  });
  std::string missing;
  for (const char* off : {"meshes/bunny00.off", "meshes/armadillo.off", "meshes/refined_elephant.off"}) {
    if (!QlmTestData::Has(off, missing)) continue;
    AddItem(library, off,
            [&](vtkPolyData* mesh) { SetMesh(mesh, MeshCodecFixtures::ReadOff(QlmTestData::Path(off))); });
  }
  for (const char* stl :
       {"meshes/pig.stl", "meshes/stl/3DSMaxExport.STL", "meshes/stl/Spider_ascii.stl", "meshes/stl/Spider_binary.stl",
        "meshes/stl/Wuson.stl", "meshes/stl/sphereWithHole.stl", "meshes/stl/triangle.stl"}) {
    if (!QlmTestData::Has(stl, missing)) continue;
    AddItem(library, stl, [&](vtkPolyData* mesh) {
      vtkNew<vtkSTLReader> reader;
      reader->SetFileName(QlmTestData::Path(stl).c_str());
      reader->Update();
      mesh->ShallowCopy(reader->GetOutput());
    });
  }
  return library;
}

}  // namespace RealMeshLibrary
