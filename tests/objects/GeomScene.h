#pragma once
// The implant scene's volume, arch and windows with a teeth container on
// them, its libraries built from real meshes fitted to tooth size: the
// current library "Dentes A" (" 11") and the library files "Dentes B"
// (" 22"), "Perdida" (unreadable), "Dentes C" (" 22") and "Dentes D" (" 33"),
// read through a loader that records every file it reads.
#include <vector>

#include "FittedMesh.h"
#include "LibraryObjectScene.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"
#include "platform/CStringArray.h"

struct GeomScene : LibraryObjectScene<vtkGeomsLib> {
  static constexpr const char* ToothMesh = "meshes/pig.stl";

  GeomScene() {
    this->Teeth.SetInput(this->Image, &this->Calculator, 2.0f, nullptr);
    this->Teeth.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);

    this->Put(this->Current, "Incisivo", 0.9f);
    this->Put(this->Current, "Molar", 0.8f);
    this->Put(this->Files["Dentes B"], "Canino", 0.7f);
    this->Put(this->Files["Dentes C"], "Pre-molar", 0.6f);
    this->Put(this->Files["Dentes C"], "Canino", 0.5f);
    this->Put(this->Files["Dentes D"], "Canino", 0.4f);
    this->Put(this->Files["Dentes D"], "Incisivo", 0.3f);
    this->Identifiers = {{"Dentes B", " 22"}, {"Dentes C", " 22"}, {"Dentes D", " 33"}};
    CStringArray names;
    for (const char* name : {"Dentes B", "Perdida", "Dentes C", "Dentes D"}) names.Add(name);
    this->Current->Name = "Dentes A";
    this->Current->Identifier = " 11";
    this->Teeth.SetLibraries(this->Current, names);
    this->Teeth.SetLibraryLoader([this](vtkGeomsLib* library) { return this->Load(library); });
  }

  // Item `name` of red `red`, the tooth mesh 7 mm across and 10 mm high.
  void Put(vtkGeomsLib* library, const char* name, float red) {
    vtkNew<vtkGeom> item;
    item->Name = name;
    item->Color[0] = red, item->Color[1] = 0.5f, item->Color[2] = 0.2f;
    FitMesh(ToothMesh, 7, 0, 10, item->Mesh);
    library->Items->AddItem(item);
  }

  // A tooth of the current library for a click at `point` in `window`.
  int AddTooth(const void* window, const double point[3], const char* name = "Incisivo", int position = -1,
               int cell = 0) {
    return this->Teeth.AddTooth(window, point, "Dentes A", " 11", name, cell, position);
  }
  int AddTooth(const char* name = "Incisivo", int position = -1) {
    const double point[3] = {0, 0, 0};
    return this->AddTooth(&this->Axial, point, name, position);
  }

  CQlmDentes Teeth;
};
