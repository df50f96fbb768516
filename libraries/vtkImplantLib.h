#pragma once
// An implant library: the implants of one implant system and their
// prosthetic components, both vtkImplantCustom in file order. Its name is
// the system's platform ("Plataforma").
#include <vtkNew.h>

#include "libraries/vtkImplantCustom.h"
#include "libraries/vtkLibrary.h"

class vtkImplantLib : public vtkLibrary {
public:
  static vtkImplantLib* New();
  vtkTypeMacro(vtkImplantLib, vtkLibrary);

  vtkImplantLib(const vtkImplantLib&) = delete;
  vtkImplantLib& operator=(const vtkImplantLib&) = delete;

  // Owned, empty when new.
  vtkNew<vtkCollection> Implants;
  vtkNew<vtkCollection> Components;

  int GetNumberOfCollections() const override { return 2; }
  // 0 the implants, 1 the components.
  vtkCollection* GetCollection(int which) const override { return which == 0 ? this->Implants : this->Components; }

  // Null outside the collection.
  vtkImplantCustom* GetImplant(int index) const;
  vtkImplantCustom* GetComponent(int index) const;
  // The first implant (component) named `name` when the library's identifier
  // is `identifier`, both compared exactly; null when there is none.
  vtkImplantCustom* FindImplant(const CString& identifier, const CString& name) const;
  vtkImplantCustom* FindComponent(const CString& identifier, const CString& name) const;

protected:
  vtkImplantLib() = default;
  ~vtkImplantLib() override = default;
};
