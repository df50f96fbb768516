#include "libraries/CDialogGeomsList.h"

#include "libraries/vtkLibrary.h"

void CDialogGeomsList::AddAllEntries() { this->AddEntries(this->Library ? this->Library->GetCollection(0) : nullptr); }

CString CDialogGeomsList::Title() const { return this->Library ? this->Library->Name : CString(); }
