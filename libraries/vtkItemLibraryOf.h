#pragma once
// Typed access to the items of a one-collection library whose items are of
// class Item (vtkGeomsLib, vtkEndoImpLib, vtkOrtoImpLib).
#include "libraries/vtkItemLibrary.h"

template <class Item>
class vtkItemLibraryOf : public vtkItemLibrary {
public:
  using ItemType = Item;
  vtkAbstractTemplateTypeMacro(vtkItemLibraryOf<Item>, vtkItemLibrary);

  vtkItemLibraryOf(const vtkItemLibraryOf&) = delete;
  vtkItemLibraryOf& operator=(const vtkItemLibraryOf&) = delete;

  // Item `index` in collection order; null outside.
  Item* GetItem(int index) const { return Item::SafeDownCast(this->Items->GetItemAsObject(index)); }
  // The first item named `name` when the library's identifier is `identifier`
  // (both compared exactly, the library's name is not); null when there is none.
  Item* FindItem(const CString& identifier, const CString& name) const {
    return Item::SafeDownCast(this->FindIn(this->Items, identifier, name));
  }

protected:
  vtkItemLibraryOf() = default;
  ~vtkItemLibraryOf() override = default;
};
