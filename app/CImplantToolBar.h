#pragma once
// The implant tool bar: the implant library in use, its implants and its
// prosthetic components ("Standard" first), then the implant tools and list.
// The component list (control 304, label 303) is unsorted.
#include "app/CLibraryToolBar.h"

class CImplantToolBar : public CLibraryToolBar {
public:
  // FALSE when a placeholder is missing or a control cannot be made.
  BOOL CreateControls();
  // Both lists with their labels and blanks, and the platform box.
  void EnableControls(int enable);
  // The implants into the item list, "Standard" and the components into the component list.
  void RefillItemList(vtkLibrary* library) override;

  CStatic ProsthesisLabel;
  CQlmFlatComboBox ProsthesisList;
  CStatic ProsthesisBlank;
};
