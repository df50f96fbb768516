#pragma once
// "Incisivo" and "Molar", 8 x 8 x 10 mm, in the teeth library in use of a
// controller, as a library file "Dentes Teste" (identifier " 42") gives them.
#include <vtkNew.h>

#include <algorithm>

#include "../objects/FittedMesh.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkGeomsLib.h"

namespace FixtureTeethLibrary {

constexpr const char* ToothMesh = "meshes/pig.stl";
constexpr const char* Name = "Dentes Teste";
constexpr const char* Identifier = " 42";

// False when the controller has no teeth library in use.
inline bool Put(CQlmQuorvantile& q) {
  auto* library = vtkGeomsLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Teeth]);
  if (!library) return false;
  library->Clear();
  library->Name = Name;
  library->Identifier = Identifier;
  const struct {
    const char* name;
    float color[3];
  } teeth[] = {{"Incisivo", {1.0f, 0.95f, 0.8f}}, {"Molar", {0.9f, 0.8f, 0.5f}}};
  for (const auto& tooth : teeth) {
    vtkNew<vtkGeom> item;
    item->Name = tooth.name;
    item->LibraryName = library->Name;
    item->LibraryId = library->Identifier;
    std::copy(tooth.color, tooth.color + 3, item->Color);
    FitMesh(ToothMesh, 8, 0, 10, item->Mesh);
    library->Items->AddItem(item);
  }
  return true;
}

}  // namespace FixtureTeethLibrary
