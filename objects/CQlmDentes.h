#pragma once
// The project's placed teeth, taken from teeth libraries (".dnt" files).
#include "libraries/CDentesLibFile.h"
#include "objects/CQlmGeomContainer.h"

class CQlmDentes : public CQlmGeomContainer {
public:
  static CQlmDentes* CreateObject() { return new CQlmDentes; }
  CQlmDentes() : CQlmGeomContainer(LoadFile<CDentesLibFile>) {}

  // A tooth of the library item for a click at `point` in `window`; see CQlmLibraryObjectContainer::Add.
  int AddTooth(const void* window, const double point[3], const CString& libraryName, const CString& libraryId,
               const CString& itemName, int cell, int position) {
    return this->Add(window, point, libraryName, libraryId, itemName, cell, position);
  }
  vtkGeom* FindItem(const CString& libraryName, const CString& itemName, const CString& libraryId) {
    return this->Find(libraryName, itemName, libraryId);
  }
};
