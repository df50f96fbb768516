#include "libraries/CFolderDialog.h"

#include <filesystem>
#include <system_error>

#include "platform/CQlmPrompter.h"
#include "platform/QlmPath.h"

CFolderDialog::CFolderDialog(const CString& title, const char* initialFolder, CWnd* parent, UINT flags)
    : Title(title), InitialFolder(initialFolder) {
  (void)parent, (void)flags;
}

INT_PTR CFolderDialog::DoModal() {
  this->ChosenFolder.Empty();
  const CString folder = CQlmPrompter::Current().ChooseFolder(this->Title, this->InitialFolder);
  if (folder.IsEmpty()) return IDCANCEL;
  std::error_code error;
  if (!std::filesystem::is_directory(QlmPath::ToNative(folder.Str()), error)) return -1;
  this->ChosenFolder = folder;
  return IDOK;
}
