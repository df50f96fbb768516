#pragma once
// What the scenes of library objects (teeth, multi-part objects) share: the
// arch scene, and fixture library files read by name through a loader that
// records every file it reads.
#include <vtkCollection.h>
#include <vtkNew.h>

#include <map>
#include <string>
#include <vector>

#include "ArchScene.h"

template <class Library>
struct LibraryObjectScene : ArchScene {
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

  vtkNew<Library> Current;
  std::map<std::string, vtkNew<Library>> Files;
  std::map<std::string, std::string> Identifiers;
  std::vector<std::string> Read;
};
