#pragma once
// What the scenes of library objects (teeth, multi-part objects) share: a
// 61 x 61 x 40 volume of 1 mm voxels, a straight arch across it and the four
// views' windows; and fixture library files read by name through a loader
// that records every file it reads.
#include <vtkCollection.h>
#include <vtkImageData.h>
#include <vtkNew.h>

#include <map>
#include <string>
#include <vector>

#include "../ct/ArchTestSupport.h"
#include "TestWindow9.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"

template <class Library>
struct LibraryObjectScene {
  LibraryObjectScene() {
    this->Image->SetDimensions(61, 61, 40);
    this->Image->SetSpacing(1, 1, 1);
    this->Arch.SetStraightLine(-30, 10, 30, 10);
    this->Calculator.SetPolyLine(&this->Arch);
    this->Calculator.Update();
  }

  // The fixture file of `library->Name` read into it, with its identifier; 0 for no such file.
  int Load(Library* library) {
    const std::string name = library->Name.c_str();
    this->Read.push_back(name);
    auto file = this->Files.find(name);
    if (file == this->Files.end()) return 0;
    library->Identifier = this->Identifiers[name].c_str();
    vtkCollectionSimpleIterator it;
    file->second->Items->InitTraversal(it);
    while (vtkObject* item = file->second->Items->GetNextItemAsObject(it)) library->Items->AddItem(item);
    return 1;
  }

  vtkNew<vtkImageData> Image;
  CQlmPolyLine Arch;
  CQlmPanoramicCalc Calculator;
  ArchTestWindow Window3D, Axial, Panoramic;
  TestWindow9 Cross;
  vtkNew<Library> Current;
  std::map<std::string, vtkNew<Library>> Files;
  std::map<std::string, std::string> Identifiers;
  std::vector<std::string> Read;
};
