#pragma once
// Guide-export record of a placed orthodontic object.
#include "libraries/vtkMultiPartVirtual.h"

class vtkOrtoImpVirtual : public vtkMultiPartVirtual {
public:
  static vtkOrtoImpVirtual* New();
  vtkTypeMacro(vtkOrtoImpVirtual, vtkMultiPartVirtual);

  vtkOrtoImpVirtual(const vtkOrtoImpVirtual&) = delete;
  vtkOrtoImpVirtual& operator=(const vtkOrtoImpVirtual&) = delete;

protected:
  vtkOrtoImpVirtual() = default;
  ~vtkOrtoImpVirtual() override = default;
};
