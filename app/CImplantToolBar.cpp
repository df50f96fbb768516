#include "app/CImplantToolBar.h"

#include "libraries/vtkImplantCustom.h"
#include "platform/QlmNumberFormat.h"

namespace {
constexpr UINT ProsthesisLabelID = 303;
constexpr UINT ProsthesisListID = 304;

// The name, then diameter and length in millimetres.
CString ImplantEntryText(vtkLibraryItem* item) {
  auto* implant = static_cast<vtkImplantCustom*>(item);
  return item->Name + QlmNumberFormat::Format("  %.2fmm x %.2fmm", static_cast<double>(implant->Diameter),
                                              static_cast<double>(implant->Length));
}
}  // namespace

BOOL CImplantToolBar::CreateControls() {
  return this->CreateLibraryControls({33157, 33158, 33159, 33160}, "Implante:  ") &&
         this->CreateLabel(this->ProsthesisLabel, 33161, ProsthesisLabelID, "Prótese:  ", SS_CENTER | SS_CENTERIMAGE) &&
         this->CreateList(this->ProsthesisList, this->ProsthesisBlank, 33162, ProsthesisListID, 0);
}

void CImplantToolBar::EnableControls(int enable) {
  this->EnableLibToolBarControls(enable);
  this->ProsthesisLabel.EnableWindow(enable);
  EnableList(this->ProsthesisList, this->ProsthesisBlank, enable);
}

void CImplantToolBar::RefillItemList(vtkLibrary* library) {
  this->ItemList.FillFromLibrary(library, 0, nullptr, ImplantEntryText);
  this->ProsthesisList.FillFromLibrary(library, 1, "Standard", ImplantEntryText);
}
