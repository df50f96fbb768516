#include "QlmComboEntries.h"

#include "platform/gui/CComboBox.h"

std::vector<std::string> QlmComboEntries(const CComboBox& combo) {
  std::vector<std::string> entries;
  for (int index = 0; index < combo.GetCount(); ++index) {
    CString text;
    combo.GetLBText(index, text);
    entries.push_back(text.Str());
  }
  return entries;
}
