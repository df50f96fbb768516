#pragma once
// The folder browser: asks the user for an existing folder through the
// prompter (CQlmPrompter::ChooseFolder). DoModal answers IDOK with the
// folder in GetFolderPath, IDCANCEL when the user cancelled and -1 when the
// answer is no folder of the file system.
#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"

class CWnd;

class CFolderDialog {
public:
  // `initialFolder` null or empty opens on the prompter's default folder.
  // The parent is not used (the prompter parents its own dialogs), nor are
  // the flags: only folders of the file system can be chosen here.
  CFolderDialog(const CString& title, const char* initialFolder = nullptr, CWnd* parent = nullptr, UINT flags = 0);

  INT_PTR DoModal();
  // The chosen folder; empty until DoModal answered IDOK.
  const CString& GetFolderPath() const { return this->ChosenFolder; }

private:
  CString Title;
  CString InitialFolder;
  CString ChosenFolder;
};
