#pragma once
// Main item of an orthodontic library; its sections are vtkOrtoImpSec.
#include "libraries/vtkMultiPartItemOf.h"
#include "libraries/vtkOrtoImpSec.h"

class vtkOrtoImplant : public vtkMultiPartItemOf<vtkOrtoImpSec> {
public:
  static vtkOrtoImplant* New();
  vtkTypeMacro(vtkOrtoImplant, vtkMultiPartItemOf<vtkOrtoImpSec>);

  vtkOrtoImplant(const vtkOrtoImplant&) = delete;
  vtkOrtoImplant& operator=(const vtkOrtoImplant&) = delete;

protected:
  vtkOrtoImplant() = default;
  ~vtkOrtoImplant() override = default;
};
