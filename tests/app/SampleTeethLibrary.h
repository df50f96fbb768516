#pragma once
// A teeth library in use for tests on the sample project: "Incisivo" and
// "Molar" of "Dentes Teste" (" 42"), 8 x 8 x 10 mm, made of a real mesh of
// the test data (check QLM_REQUIRE_TEST_DATA(SampleTeethLibrary::Mesh) first).
#include <vtkNew.h>

#include <algorithm>

#include "../objects/FittedMesh.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkGeomsLib.h"

namespace SampleTeethLibrary {

constexpr const char* Mesh = "meshes/pig.stl";
constexpr const char* Name = "Dentes Teste";
constexpr const char* Identifier = " 42";

// The two teeth in the teeth library in use of `q`, as a library file gives them.
inline void Put(CQlmQuorvantile& q) {
  auto* library = vtkGeomsLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Teeth]);
  if (!library) return;
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
    FitMesh(Mesh, 8, 0, 10, item->Mesh);
    library->Items->AddItem(item);
  }
}

}  // namespace SampleTeethLibrary
