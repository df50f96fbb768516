#pragma once
// Section of an orthodontic main item: one alternative that may stand at a
// position of a placed object, which records it by name.
#include "libraries/vtkLibraryItem.h"

class vtkOrtoImpSec : public vtkLibraryItem {
public:
  static vtkOrtoImpSec* New();
  vtkTypeMacro(vtkOrtoImpSec, vtkLibraryItem);

  vtkOrtoImpSec(const vtkOrtoImpSec&) = delete;
  vtkOrtoImpSec& operator=(const vtkOrtoImpSec&) = delete;

protected:
  vtkOrtoImpSec() = default;
  ~vtkOrtoImpSec() override = default;
};
