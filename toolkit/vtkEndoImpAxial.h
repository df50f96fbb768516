#pragma once
// The outline of a mesh of an endodontic object in the axial slice.
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkPartCutter.h"

class vtkEndoImpAxial : public vtkPartCutter<vtkGeomAxial> {
public:
  static vtkEndoImpAxial* New() { VTK_STANDARD_NEW_BODY(vtkEndoImpAxial); }
  vtkTypeMacro(vtkEndoImpAxial, vtkPartCutter<vtkGeomAxial>);

  vtkEndoImpAxial(const vtkEndoImpAxial&) = delete;
  void operator=(const vtkEndoImpAxial&) = delete;

protected:
  vtkEndoImpAxial() = default;
  ~vtkEndoImpAxial() override = default;
};
