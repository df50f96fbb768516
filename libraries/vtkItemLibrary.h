#pragma once
// A library of one item collection: teeth, meshes, endodontic or
// orthodontic implants. The subclasses give typed access to their items.
#include <vtkNew.h>

#include "libraries/vtkLibrary.h"

class vtkItemLibrary : public vtkLibrary {
public:
  vtkAbstractTypeMacro(vtkItemLibrary, vtkLibrary);

  vtkItemLibrary(const vtkItemLibrary&) = delete;
  vtkItemLibrary& operator=(const vtkItemLibrary&) = delete;

  // The items in file order; owned, empty when new.
  vtkNew<vtkCollection> Items;

  int GetNumberOfItems() const { return this->Items->GetNumberOfItems(); }

  int GetNumberOfCollections() const override { return 1; }
  vtkCollection* GetCollection(int) const override { return this->Items; }

protected:
  vtkItemLibrary() = default;
  ~vtkItemLibrary() override = default;
};
