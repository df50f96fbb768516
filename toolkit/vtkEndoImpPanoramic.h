#pragma once
// The outline of a mesh of an endodontic object in the panoramic view.
#include "toolkit/vtkGeomPanoramic.h"
#include "toolkit/vtkPartCutter.h"

class vtkEndoImpPanoramic : public vtkPartCutter<vtkGeomPanoramic> {
public:
  static vtkEndoImpPanoramic* New() { VTK_STANDARD_NEW_BODY(vtkEndoImpPanoramic); }
  vtkTypeMacro(vtkEndoImpPanoramic, vtkPartCutter<vtkGeomPanoramic>);

  vtkEndoImpPanoramic(const vtkEndoImpPanoramic&) = delete;
  void operator=(const vtkEndoImpPanoramic&) = delete;

protected:
  vtkEndoImpPanoramic() = default;
  ~vtkEndoImpPanoramic() override = default;
};
