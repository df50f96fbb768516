#pragma once
// The outline of a mesh of an orthodontic object in the nine cross-sections.
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkPartCutter.h"

class vtkOrtoImpCross9 : public vtkPartCutter<vtkGeomCross9> {
public:
  static vtkOrtoImpCross9* New() { VTK_STANDARD_NEW_BODY(vtkOrtoImpCross9); }
  vtkTypeMacro(vtkOrtoImpCross9, vtkPartCutter<vtkGeomCross9>);

  vtkOrtoImpCross9(const vtkOrtoImpCross9&) = delete;
  void operator=(const vtkOrtoImpCross9&) = delete;

protected:
  vtkOrtoImpCross9() = default;
  ~vtkOrtoImpCross9() override = default;
};
