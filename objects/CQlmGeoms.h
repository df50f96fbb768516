#pragma once
// The project's placed library meshes, taken from mesh libraries (".geo" files).
#include "libraries/CGeomsLibFile.h"
#include "objects/CQlmGeomContainer.h"

class CQlmGeoms : public CQlmGeomContainer {
public:
  static CQlmGeoms* CreateObject() { return new CQlmGeoms; }
  CQlmGeoms() : CQlmGeomContainer(LoadFile<CGeomsLibFile>) {}

  // A mesh of the library item for a click at `point` in `window`; see CQlmLibraryObjectContainer::Add.
  int AddObject(const void* window, const double point[3], const CString& libraryName, const CString& libraryId,
                const CString& itemName, int cell, int position) {
    return this->Add(window, point, libraryName, libraryId, itemName, cell, position);
  }
  vtkGeom* FindLibraryItem(const CString& libraryName, const CString& itemName, const CString& libraryId) {
    return this->Find(libraryName, itemName, libraryId);
  }
};
