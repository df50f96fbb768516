#pragma once
// The outline of a mesh of an orthodontic object in the panoramic view.
#include "toolkit/vtkGeomPanoramic.h"
#include "toolkit/vtkPartCutter.h"

class vtkOrtoImpPanoramic : public vtkPartCutter<vtkGeomPanoramic> {
public:
  static vtkOrtoImpPanoramic* New() { VTK_STANDARD_NEW_BODY(vtkOrtoImpPanoramic); }
  vtkTypeMacro(vtkOrtoImpPanoramic, vtkPartCutter<vtkGeomPanoramic>);

  vtkOrtoImpPanoramic(const vtkOrtoImpPanoramic&) = delete;
  void operator=(const vtkOrtoImpPanoramic&) = delete;

protected:
  vtkOrtoImpPanoramic() = default;
  ~vtkOrtoImpPanoramic() override = default;
};
