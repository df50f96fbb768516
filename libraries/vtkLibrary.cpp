#include "libraries/vtkLibrary.h"

#include <cstring>

#include "libraries/vtkLibraryItem.h"

void vtkLibrary::Clear() {
  this->InvokeEvent(ClearedEvent);
  for (int which = 0; which < this->GetNumberOfCollections(); ++which) this->GetCollection(which)->RemoveAllItems();
  this->Name.Empty();
  this->Identifier.Empty();
  this->Password.Empty();
}

bool vtkLibrary::CanTakeFrom(const vtkLibrary* source) const {
  return source && source != this && std::strcmp(source->GetClassName(), this->GetClassName()) == 0;
}

bool vtkLibrary::AddContentOf(vtkLibrary* source) {
  if (!this->CanTakeFrom(source)) return false;
  this->Name = source->Name;
  this->Identifier = source->Identifier;
  this->Password = source->Password;
  for (int which = 0; which < this->GetNumberOfCollections(); ++which) {
    vtkCollection* items = source->GetCollection(which);
    vtkCollectionSimpleIterator it;
    items->InitTraversal(it);
    while (vtkObject* item = items->GetNextItemAsObject(it)) this->GetCollection(which)->AddItem(item);
  }
  return true;
}

bool vtkLibrary::CopyFrom(vtkLibrary* source) {
  if (!this->CanTakeFrom(source)) return false;
  this->Clear();
  return this->AddContentOf(source);
}

vtkLibraryItem* vtkLibrary::FindIn(vtkCollection* items, const CString& identifier, const CString& name) const {
  if (this->Identifier != identifier) return nullptr;
  vtkCollectionSimpleIterator it;
  items->InitTraversal(it);
  while (vtkObject* object = items->GetNextItemAsObject(it)) {
    auto* item = vtkLibraryItem::SafeDownCast(object);
    if (item && item->Name == name) return item;
  }
  return nullptr;
}
