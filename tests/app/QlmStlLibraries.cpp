#include "QlmStlLibraries.h"

#include <vtkNew.h>
#include <vtkSTLReader.h>

#include <filesystem>

#include "QlmTestData.h"
#include "libraries/CDentesLibFile.h"
#include "libraries/CEndoLibFile.h"
#include "libraries/CGeomsLibFile.h"
#include "platform/QlmAppData.h"

namespace QlmStlLibraries {

namespace {

// Item name and STL file of each item.
const std::vector<std::pair<std::string, std::string>>& Models() {
  static const std::vector<std::pair<std::string, std::string>> models = {
      {"Wuson", "meshes/stl/Wuson.stl"},
      {"aranha binária", "meshes/stl/Spider_binary.stl"},
      {"Esfera com furo", "meshes/stl/sphereWithHole.stl"},
      {"Aranha", "meshes/stl/Spider_ascii.stl"},
      {"triângulo", "meshes/stl/triangle.stl"}};
  return models;
}

bool ReadModel(const std::string& relative, vtkPolyData* mesh, std::string& why) {
  if (!QlmTestData::Has(relative, why)) return false;
  vtkNew<vtkSTLReader> reader;
  reader->SetFileName(QlmTestData::Path(relative).c_str());
  reader->Update();
  mesh->ShallowCopy(reader->GetOutput());
  return true;
}

template <class Library, class Item>
bool Fill(Library* library, const char* name, const char* identifier, std::string& why) {
  library->Name = name;
  library->Identifier = identifier;
  for (const auto& [itemName, model] : Models()) {
    vtkNew<Item> item;
    item->Name = itemName;
    if (!ReadModel(model, item->Mesh, why)) return false;
    library->Items->AddItem(item);
  }
  return true;
}

// Saves `source` and reads it into a new library of the same name.
template <class File, class Library>
vtkSmartPointer<Library> SaveAndLoad(Library* source, std::string& why) {
  File writer;
  writer.Library = source;
  if (!writer.Save()) {
    why = "cannot write " + source->Name.Str() + ": " + writer.GetReason().Str();
    return nullptr;
  }
  auto loaded = vtkSmartPointer<Library>::New();
  loaded->Name = source->Name;
  File reader;
  reader.Library = loaded;
  if (!reader.Load()) {
    why = "cannot read " + source->Name.Str() + ": " + reader.GetReason().Str();
    return nullptr;
  }
  return loaded;
}

}  // namespace

const std::vector<std::string>& ItemNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const auto& model : Models()) all.push_back(model.first);
    return all;
  }();
  return names;
}

bool WriteAndLoad(Loaded& libraries, std::string& why) {
  std::filesystem::create_directories(QlmAppData::ProgramFolder());
  vtkNew<vtkGeomsLib> teeth;
  vtkNew<vtkGeomsLib> meshes;
  vtkNew<vtkEndoImpLib> endo;
  if (!Fill<vtkGeomsLib, vtkGeom>(teeth, "Dentes STL", "  31", why) ||
      !Fill<vtkGeomsLib, vtkGeom>(meshes, "Modelos STL", "  32", why) ||
      !Fill<vtkEndoImpLib, vtkEndoImplant>(endo, "Endo STL", "  33", why)) {
    return false;
  }
  libraries.Teeth = SaveAndLoad<CDentesLibFile>(teeth.Get(), why);
  libraries.Meshes = SaveAndLoad<CGeomsLibFile>(meshes.Get(), why);
  libraries.Endo = SaveAndLoad<CEndoLibFile>(endo.Get(), why);
  return libraries.Teeth && libraries.Meshes && libraries.Endo;
}

}  // namespace QlmStlLibraries
