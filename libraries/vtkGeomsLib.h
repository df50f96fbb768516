#pragma once
// A teeth or mesh library (one class serves both kinds): items of class vtkGeom.
#include "libraries/vtkGeom.h"
#include "libraries/vtkItemLibraryOf.h"

class vtkGeomsLib : public vtkItemLibraryOf<vtkGeom> {
public:
  static vtkGeomsLib* New();
  vtkTypeMacro(vtkGeomsLib, vtkItemLibraryOf<vtkGeom>);

  vtkGeomsLib(const vtkGeomsLib&) = delete;
  vtkGeomsLib& operator=(const vtkGeomsLib&) = delete;

protected:
  vtkGeomsLib() = default;
  ~vtkGeomsLib() override = default;
};
