#pragma once
// Guide-export record of a placed tooth or library mesh.
#include <vtkObject.h>

#include "platform/CString.h"

class vtkGeomsVirtual : public vtkObject {
public:
  static vtkGeomsVirtual* New();
  vtkTypeMacro(vtkGeomsVirtual, vtkObject);

  vtkGeomsVirtual(const vtkGeomsVirtual&) = delete;
  vtkGeomsVirtual& operator=(const vtkGeomsVirtual&) = delete;

  CString LibraryName;
  CString LibraryId;
  CString ItemName;
  // The placed object's transform, 4 x 4 in row order.
  double Matrix[16] = {};

protected:
  vtkGeomsVirtual() = default;
  ~vtkGeomsVirtual() override = default;
};
