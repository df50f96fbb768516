#pragma once
// Item of a teeth or mesh library.
#include "libraries/vtkLibraryItem.h"

class vtkGeom : public vtkLibraryItem {
public:
  static vtkGeom* New();
  vtkTypeMacro(vtkGeom, vtkLibraryItem);

  vtkGeom(const vtkGeom&) = delete;
  vtkGeom& operator=(const vtkGeom&) = delete;

  // Identifier and name of the library the item was read from (not stored
  // in the file: the reader copies them from the library).
  CString LibraryId;
  CString LibraryName;

protected:
  vtkGeom() = default;
  ~vtkGeom() override = default;
};
