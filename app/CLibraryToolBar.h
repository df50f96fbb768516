#pragma once
// The body shared by the tool bars that offer a library's items: the
// library in use ("platform") in a framed box and its items in a drop-down
// list, each with its label. While the bar is disabled, blanks stand over the
// box and the list. Control identifiers: 299 platform label, 300 platform
// box and its blank, 301 item label, 302 item list and its blank.
#include "libraries/CQlmFlatComboBox.h"
#include "platform/gui/CFont.h"
#include "platform/gui/CStatic.h"
#include "platform/gui/CToolBar.h"

class CLibraryToolBar : public CToolBar {
public:
  CLibraryToolBar();

  ~CLibraryToolBar() override = default;

  // Enabling shows the box and the list; disabling clears the list's selection and shows the blanks.
  void EnableLibToolBarControls(int enable);
  // Refills the item list from `library`: emptied, every item added by name
  // with the item as data, the first entry selected (see CQlmFlatComboBox::FillFromLibrary).
  virtual void RefillItemList(vtkLibrary* library);

  CFont BoxFont;
  CFont LabelFont;
  CStatic PlatformLabel;
  CStatic PlatformBox;
  CStatic PlatformBlank;
  CStatic ItemLabel;
  CQlmFlatComboBox ItemList;
  CStatic ListBlank;

protected:
  // The placeholder buttons of the platform label, the platform box, the item label and the item list.
  struct Placeholders {
    UINT PlatformLabel, PlatformBox, ItemLabel, ItemList;
  };
  // FALSE when a placeholder is missing or a control cannot be made.
  BOOL CreateLibraryControls(const Placeholders& placeholders, const char* itemLabel);
  bool CreateLabel(CStatic& label, UINT placeholder, UINT id, const char* text, DWORD style);
  // A drop-down list over the placeholder, and the blank that hides it while the bar is disabled.
  bool CreateList(CQlmFlatComboBox& list, CStatic& blank, UINT placeholder, UINT id, DWORD sorting);
  // Shows `list` or its blank.
  static void EnableList(CComboBox& list, CStatic& blank, BOOL enable);
};
