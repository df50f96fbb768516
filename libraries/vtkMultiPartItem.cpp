#include "libraries/vtkMultiPartItem.h"

int vtkMultiPartItem::GetNumberOfPositions() const { return this->Positions->GetNumberOfItems(); }

vtkCollection* vtkMultiPartItem::GetPosition(int position) const {
  if (position < 0 || position >= this->GetNumberOfPositions()) return nullptr;
  return vtkCollection::SafeDownCast(this->Positions->GetItemAsObject(position));
}

int vtkMultiPartItem::GetNumberOfSections(int position) const {
  vtkCollection* sections = this->GetPosition(position);
  return sections ? sections->GetNumberOfItems() : 0;
}

vtkLibraryItem* vtkMultiPartItem::GetSectionItem(int position, int index) const {
  vtkCollection* sections = this->GetPosition(position);
  if (!sections || index < 0 || index >= sections->GetNumberOfItems()) return nullptr;
  return vtkLibraryItem::SafeDownCast(sections->GetItemAsObject(index));
}

vtkCollection* vtkMultiPartItem::AddPosition() {
  vtkNew<vtkCollection> sections;
  this->Positions->AddItem(sections);
  return sections;
}
