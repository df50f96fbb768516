#pragma once
// The implant scene's volume, arch and windows with an endodontic container
// on them. Its current library "Endo A" (" 11") holds "Lima": a body and
// three sections of two variants each ("K15"/"K20", "H15"/"H20",
// "R15"/"R20"), every mesh a real mesh fitted to size, the parts stacked
// above the body; and "Curta", a body with one section. The library file
// "Endo B" (" 11") holds "Broca" (two sections); "Endo C" (" 22") a "Lima" of
// its own. Files are read through a loader that records every file it reads.
#include <vector>

#include "FittedMesh.h"
#include "LibraryObjectScene.h"
#include "libraries/vtkEndoImpLib.h"
#include "objects/CQlmEndoImps.h"
#include "platform/CStringArray.h"

struct MultiPartScene : LibraryObjectScene<vtkEndoImpLib> {
  static constexpr const char* PieceMesh = "meshes/pig.stl";

  MultiPartScene() {
    this->Objects.SetInput(this->Image, &this->Calculator, 2.0f, nullptr);
    this->Objects.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);

    this->Current->Name = "Endo A";
    this->Current->Identifier = " 11";
    this->Put(this->Current, "Lima", 0.9f, {{"K15", "K20"}, {"H15", "H20"}, {"R15", "R20"}});
    this->Put(this->Current, "Curta", 0.8f, {{"C10"}});
    this->Identifiers = {{"Endo B", " 11"}, {"Endo C", " 22"}};
    for (const auto& [file, identifier] : this->Identifiers) {
      this->Files[file]->Name = file.c_str();
      this->Files[file]->Identifier = identifier.c_str();
    }
    this->Put(this->Files["Endo B"], "Broca", 0.7f, {{"B1", "B2"}, {"B3"}});
    this->Put(this->Files["Endo C"], "Lima", 0.6f, {{"L1"}});
    CStringArray names;
    for (const char* name : {"Endo B", "Endo C"}) names.Add(name);
    this->Objects.SetLibraries(this->Current, names);
    this->Objects.SetLibraryLoader([this](vtkEndoImpLib* library) { return this->Load(library); });
  }

  // Item `name` of red `red`: a body 4 mm across and 10 mm high, then per
  // section its variants, 4 mm high and 3 mm across (the second 5 mm), stacked above the body.
  static void Put(vtkEndoImpLib* library, const char* name, float red,
                  const std::vector<std::vector<const char*>>& sections) {
    vtkNew<vtkEndoImplant> item;
    item->Name = name;
    item->Color[0] = red, item->Color[1] = 0.5f, item->Color[2] = 0.2f;
    item->LibraryId = library->Identifier;
    item->LibraryName = library->Name;
    FitMesh(PieceMesh, 4, 0, 10, item->Mesh);
    double bottom = 10;
    for (const auto& variants : sections) {
      vtkCollection* position = item->AddPosition();
      float green = 0.1f;
      double width = 3;
      for (const char* variantName : variants) {
        vtkNew<vtkEndoImpSec> variant;
        variant->Name = variantName;
        variant->Color[0] = red, variant->Color[1] = green, variant->Color[2] = 0.9f;
        FitMesh(PieceMesh, width, bottom, bottom + 4, variant->Mesh);
        position->AddItem(variant);
        green += 0.1f;
        width += 2;
      }
      bottom += 4;
    }
    library->Items->AddItem(item);
  }

  // An object of the current library for a click at the axial view's centre.
  int Add(const char* name = "Lima", int position = -1) {
    const double point[3] = {0, 0, 0};
    return this->Objects.AddObject(&this->Axial, point, "Endo A", " 11", name, 0, position);
  }
  CQlmEndoImp3D* Object(int i) { return this->Objects.GetList3D()->GetListItemAt(i); }
  CQlmEndoImpAxial* AxialCut(int i) { return this->Objects.GetListAxial()->GetListItemAt(i); }
  CQlmEndoImpCross9* CrossCut(int i) { return this->Objects.GetListCross()->GetListItemAt(i); }
  CQlmEndoImpPanoramic* PanoramicCut(int i) { return this->Objects.GetListPanoramic()->GetListItemAt(i); }

  CQlmEndoImps Objects;
};
