#pragma once
// Section of an endodontic main item: one alternative that may stand at a
// position of a placed object, which records it by name.
#include "libraries/vtkLibraryItem.h"

class vtkEndoImpSec : public vtkLibraryItem {
public:
  static vtkEndoImpSec* New();
  vtkTypeMacro(vtkEndoImpSec, vtkLibraryItem);

  vtkEndoImpSec(const vtkEndoImpSec&) = delete;
  vtkEndoImpSec& operator=(const vtkEndoImpSec&) = delete;

protected:
  vtkEndoImpSec() = default;
  ~vtkEndoImpSec() override = default;
};
