#pragma once
// A orthodontic library: items of class vtkOrtoImplant.
#include "libraries/vtkItemLibraryOf.h"
#include "libraries/vtkOrtoImplant.h"

class vtkOrtoImpLib : public vtkItemLibraryOf<vtkOrtoImplant> {
public:
  static vtkOrtoImpLib* New();
  vtkTypeMacro(vtkOrtoImpLib, vtkItemLibraryOf<vtkOrtoImplant>);

  vtkOrtoImpLib(const vtkOrtoImpLib&) = delete;
  vtkOrtoImpLib& operator=(const vtkOrtoImpLib&) = delete;

protected:
  vtkOrtoImpLib() = default;
  ~vtkOrtoImpLib() override = default;
};
