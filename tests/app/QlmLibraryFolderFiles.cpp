#include "QlmLibraryFolderFiles.h"

#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkSTLReader.h>

#include <array>
#include <cctype>
#include <filesystem>

#include "MeshCodecFixtures.h"
#include "QlmTestData.h"
#include "libraries/CDentesLibFile.h"
#include "libraries/CGeomsLibFile.h"
#include "libraries/CImpLibFile.h"

namespace QlmLibraryFolderFiles {

namespace {

namespace fs = std::filesystem;

void ReadStl(const std::string& relative, vtkPolyData* mesh) {
  vtkNew<vtkSTLReader> reader;
  reader->SetFileName(QlmTestData::Path(relative).c_str());
  reader->Update();
  mesh->ShallowCopy(reader->GetOutput());
}

void ReadOff(const std::string& relative, vtkPolyData* mesh) {
  const MeshCodecFixtures::IndexedMesh indexed = MeshCodecFixtures::ReadOff(QlmTestData::Path(relative));
  vtkNew<vtkPoints> points;
  for (size_t k = 0; k + 2 < indexed.Vertices.size(); k += 3)
    points->InsertNextPoint(indexed.Vertices[k], indexed.Vertices[k + 1], indexed.Vertices[k + 2]);
  vtkNew<vtkCellArray> triangles;
  for (size_t k = 0; k + 2 < indexed.Corners.size(); k += 3) {
    const vtkIdType ids[3] = {indexed.Corners[k], indexed.Corners[k + 1], indexed.Corners[k + 2]};
    triangles->InsertNextCell(3, ids);
  }
  mesh->SetPoints(points);
  mesh->SetPolys(triangles);
}

// A tetrahedron of `size` mm.
void Tetrahedron(vtkPolyData* mesh, double size) {
  vtkNew<vtkPoints> points;
  for (const auto& p : {std::array<double, 3>{0, 0, 0}, {size, 0, 0}, {0, size, 0}, {0, 0, size}})
    points->InsertNextPoint(p.data());
  vtkNew<vtkCellArray> triangles;
  for (const auto& t : {std::array<vtkIdType, 3>{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}})
    triangles->InsertNextCell(3, t.data());
  mesh->SetPoints(points);
  mesh->SetPolys(triangles);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Saves through File (which writes the lower-case extension), then gives the file the extension as asked.
template <class File, class Library>
bool Save(Library* library, const std::string& extension, std::string& why) {
  File file;
  file.Library = library;
  if (!file.Save()) {
    why = "cannot write " + library->Name.Str() + ": " + file.GetReason().Str();
    return false;
  }
  const fs::path folder(CQlmLibraryFileBase::GetLibraryFolder().Str());
  const std::string title = library->Name.Str();
  if (Lower(extension) != extension) fs::rename(folder / (title + Lower(extension)), folder / (title + extension));
  return true;
}

}  // namespace

bool WriteMeshLibrary(const std::string& title, const std::string& extension, std::string& why) {
  const std::pair<const char*, const char*> meshes[] = {
      {"Porco", "meshes/pig.stl"}, {"Coelho", "meshes/bunny00.off"}, {"Aranha", "meshes/stl/Spider_binary.stl"}};
  vtkNew<vtkGeomsLib> library;
  library->Name = title;
  library->Identifier = " 4711";
  for (const auto& [name, data] : meshes) {
    if (!QlmTestData::Has(data, why)) return false;
    vtkNew<vtkGeom> item;
    item->Name = name;
    if (fs::path(data).extension() == ".off") {
      ReadOff(data, item->Mesh);
    } else {
      ReadStl(data, item->Mesh);
    }
    library->Items->AddItem(item);
  }
  fs::create_directories(CQlmLibraryFileBase::GetLibraryFolder().Str());
  return Lower(extension) == ".dnt" ? Save<CDentesLibFile>(library.Get(), extension, why)
                                    : Save<CGeomsLibFile>(library.Get(), extension, why);
}

bool WriteImplantLibrary(const std::string& title, const std::string& extension, std::string& why) {
  vtkNew<vtkImplantLib> library;
  library->Name = title;
  library->Identifier = " 12";
  const std::tuple<const char*, float, float> implants[] = {{"Cônico", 4.0f, 10.0f}, {"Reto", 3.75f, 13.0f}};
  for (const auto& [name, diameter, length] : implants) {
    vtkNew<vtkImplantCustom> implant;
    implant->Name = name;
    implant->Diameter = diameter;
    implant->Length = length;
    implant->WasherDistance = 1.0f;
    implant->WasherHeight = 5.0f;
    implant->WasherOuterDiameter = diameter + 1.5f;
    implant->WasherInnerDiameter = diameter + 0.2f;
    implant->WasherColor[1] = 0.8f;
    Tetrahedron(implant->Mesh, length);
    library->Implants->AddItem(implant);
  }
  vtkNew<vtkImplantCustom> component;
  component->Name = "Pilar";
  component->Diameter = 4.5f;
  component->Length = 2.0f;
  Tetrahedron(component->Mesh, 2.0);
  library->Components->AddItem(component);
  fs::create_directories(CQlmLibraryFileBase::GetLibraryFolder().Str());
  return Save<CImpLibFile>(library.Get(), extension, why);
}

}  // namespace QlmLibraryFolderFiles
