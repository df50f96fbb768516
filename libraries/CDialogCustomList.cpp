#include "libraries/CDialogCustomList.h"

#include "libraries/vtkLibrary.h"

void CDialogCustomList::AddAllEntries() {
  if (!this->Library) return;
  if (this->Mode == 2) {
    this->AddEntry("Standard", nullptr, false);
    this->AddEntries(this->Library->GetNumberOfCollections() > 1 ? this->Library->GetCollection(1) : nullptr);
  } else {
    this->AddEntries(this->Library->GetCollection(0));
  }
}

CString CDialogCustomList::Title() const { return this->Library ? this->Library->Name : CString(); }
