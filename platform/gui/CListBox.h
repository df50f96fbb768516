#pragma once
// A list box over QListWidget, made by a dialog template (QlmDialogItem::
// ListBox) and taken over with DDX_Control. With LBS_SORT the entries keep
// the order of their texts (QlmEntryOrder); single selection. Indices are
// 0-based; LB_ERR marks a failure or "none".
#include "platform/gui/CWnd.h"
#include "platform/gui/QlmControlStyles.h"

class CListBox : public CWnd {
public:
  // The index the entry took, or LB_ERR without a widget.
  int AddString(const CString& text);
  void ResetContent();
  int GetCount() const;
  // LB_ERR when nothing is selected.
  int GetCurSel() const;
  // -1 clears the selection (and returns LB_ERR); LB_ERR for an index past the end.
  int SetCurSel(int index);
  // The text's length, or LB_ERR (text left empty).
  int GetText(int index, CString& text) const;
  // LB_ERR for a bad index.
  int SetItemDataPtr(int index, void* data);
  // Null for a bad index.
  void* GetItemDataPtr(int index) const;

private:
  bool IsIndex(int index) const { return index >= 0 && index < this->GetCount(); }
};
