#pragma once
// A drop-down list over QComboBox (CBS_DROPDOWNLIST). Entries are texts with
// one value of item data each; CBS_SORT keeps them in the order of their
// texts (QlmEntryOrder). The height given to Create is that of the control
// with its list dropped down; the closed control is one line high (see
// SetItemHeight). Indices are 0-based; CB_ERR marks a failure or "none".
#include "platform/gui/CWnd.h"

class CComboBox : public CWnd {
public:
  // Shown when `style` has WS_VISIBLE.
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) override;

  // The index the entry took.
  int AddString(const CString& text);
  // Before entry `index`, at the end for -1; no sorting. CB_ERR past the end.
  int InsertString(int index, const CString& text);
  // The number of entries left, or CB_ERR.
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  // CB_ERR when nothing is selected.
  int GetCurSel() const;
  // -1 clears the selection (and returns CB_ERR); CB_ERR for an index past the end.
  int SetCurSel(int index);
  // The text's length, or CB_ERR (text left empty).
  int GetLBText(int index, CString& text) const;
  // The first entry after `start` (-1: from the first) whose text equals `text` ignoring case; CB_ERR for none.
  int FindStringExact(int start, const CString& text) const;
  // CB_ERR for a bad index.
  int SetItemData(int index, DWORD_PTR data);
  DWORD_PTR GetItemData(int index) const;
  int SetItemDataPtr(int index, void* data) { return this->SetItemData(index, reinterpret_cast<DWORD_PTR>(data)); }
  void* GetItemDataPtr(int index) const;
  // Index -1 is the closed control's text line, which sets the control's height.
  int SetItemHeight(int index, UINT height);
  int GetItemHeight(int index) const;
  // The selected entry's text.
  CString GetWindowText() const override;

protected:
  QWidget* CreateWidget(QWidget* parent) override;

private:
  bool IsIndex(int index) const { return index >= 0 && index < this->GetCount(); }
  void FitDroppedList();

  int DroppedHeight = 0;
};
