#pragma once
// The outline of a mesh of an orthodontic object in the axial slice.
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkPartCutter.h"

class vtkOrtoImpAxial : public vtkPartCutter<vtkGeomAxial> {
public:
  static vtkOrtoImpAxial* New() { VTK_STANDARD_NEW_BODY(vtkOrtoImpAxial); }
  vtkTypeMacro(vtkOrtoImpAxial, vtkPartCutter<vtkGeomAxial>);

  vtkOrtoImpAxial(const vtkOrtoImpAxial&) = delete;
  void operator=(const vtkOrtoImpAxial&) = delete;

protected:
  vtkOrtoImpAxial() = default;
  ~vtkOrtoImpAxial() override = default;
};
