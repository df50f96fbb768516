#pragma once
// Guide-export record of a placed endodontic object.
#include "libraries/vtkMultiPartVirtual.h"

class vtkEndoImpVirtual : public vtkMultiPartVirtual {
public:
  static vtkEndoImpVirtual* New();
  vtkTypeMacro(vtkEndoImpVirtual, vtkMultiPartVirtual);

  vtkEndoImpVirtual(const vtkEndoImpVirtual&) = delete;
  vtkEndoImpVirtual& operator=(const vtkEndoImpVirtual&) = delete;

protected:
  vtkEndoImpVirtual() = default;
  ~vtkEndoImpVirtual() override = default;
};
