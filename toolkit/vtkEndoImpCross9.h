#pragma once
// The outline of a mesh of an endodontic object in the nine cross-sections.
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkPartCutter.h"

class vtkEndoImpCross9 : public vtkPartCutter<vtkGeomCross9> {
public:
  static vtkEndoImpCross9* New() { VTK_STANDARD_NEW_BODY(vtkEndoImpCross9); }
  vtkTypeMacro(vtkEndoImpCross9, vtkPartCutter<vtkGeomCross9>);

  vtkEndoImpCross9(const vtkEndoImpCross9&) = delete;
  void operator=(const vtkEndoImpCross9&) = delete;

protected:
  vtkEndoImpCross9() = default;
  ~vtkEndoImpCross9() override = default;
};
