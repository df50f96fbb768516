#pragma once
// Main item of an endodontic library; its sections are vtkEndoImpSec.
#include "libraries/vtkEndoImpSec.h"
#include "libraries/vtkMultiPartItemOf.h"

class vtkEndoImplant : public vtkMultiPartItemOf<vtkEndoImpSec> {
public:
  static vtkEndoImplant* New();
  vtkTypeMacro(vtkEndoImplant, vtkMultiPartItemOf<vtkEndoImpSec>);

  vtkEndoImplant(const vtkEndoImplant&) = delete;
  vtkEndoImplant& operator=(const vtkEndoImplant&) = delete;

protected:
  vtkEndoImplant() = default;
  ~vtkEndoImplant() override = default;
};
