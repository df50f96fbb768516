#include "libraries/vtkImplantLib.h"

#include <vtkObjectFactory.h>

vtkStandardNewMacro(vtkImplantLib);

vtkImplantCustom* vtkImplantLib::GetImplant(int index) const {
  return vtkImplantCustom::SafeDownCast(this->Implants->GetItemAsObject(index));
}

vtkImplantCustom* vtkImplantLib::GetComponent(int index) const {
  return vtkImplantCustom::SafeDownCast(this->Components->GetItemAsObject(index));
}

vtkImplantCustom* vtkImplantLib::FindImplant(const CString& identifier, const CString& name) const {
  return vtkImplantCustom::SafeDownCast(this->FindIn(this->Implants, identifier, name));
}

vtkImplantCustom* vtkImplantLib::FindComponent(const CString& identifier, const CString& name) const {
  return vtkImplantCustom::SafeDownCast(this->FindIn(this->Components, identifier, name));
}
