#include "libraries/CQlmMultiPartPickList.h"

#include "libraries/vtkLibrary.h"
#include "libraries/vtkMultiPartItem.h"

void CQlmMultiPartPickList::AddAllEntries() {
  if (this->Mode == 2) {
    this->AddEntries(this->MainItem ? this->MainItem->GetPosition(this->PositionIndex) : nullptr);
  } else if (this->Library) {
    this->AddEntries(this->Library->GetCollection(0));
  }
}

CString CQlmMultiPartPickList::Title() const {
  if (this->Mode == 2) {
    return this->MainItem ? CString::Formatted("%s - %d", this->MainItem->Name.c_str(), this->PositionIndex + 1)
                          : CString();
  }
  return this->Library ? this->Library->Name : CString();
}

void CQlmMultiPartPickList::TakeChoice(vtkLibraryItem* item) {
  if (this->Mode == 2) {
    this->ChosenSection = item;
    this->ChosenItem = this->MainItem;
  } else {
    this->ChosenItem = item;
  }
}
