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

  CStatic ProsthesisLabel;
  CComboBox ProsthesisList;
  CStatic ProsthesisBlank;
};
