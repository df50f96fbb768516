#pragma once
// A endodontic library: items of class vtkEndoImplant.
#include "libraries/vtkEndoImplant.h"
#include "libraries/vtkItemLibraryOf.h"

class vtkEndoImpLib : public vtkItemLibraryOf<vtkEndoImplant> {
public:
  static vtkEndoImpLib* New();
  vtkTypeMacro(vtkEndoImpLib, vtkItemLibraryOf<vtkEndoImplant>);

  vtkEndoImpLib(const vtkEndoImpLib&) = delete;
  vtkEndoImpLib& operator=(const vtkEndoImpLib&) = delete;

protected:
  vtkEndoImpLib() = default;
  ~vtkEndoImpLib() override = default;
};
