#pragma once
// A single-selection list of texts over QListWidget, usually a dialog
// template's list box subclassed by DDX_Control. Indices are 0-based; LB_ERR
// marks a failure or "none".
#include "platform/gui/CWnd.h"

class CListBox : public CWnd {
public:
  // The index the entry took (at the end).
  int AddString(const CString& text);
  void ResetContent();
  int GetCount() const;
  // LB_ERR when nothing is selected.
  int GetCurSel() const;
  // -1 clears the selection (and returns LB_ERR); LB_ERR for an index past the end.
  int SetCurSel(int index);
  // The text's length, or LB_ERR (text left empty).
  int GetText(int index, CString& text) const;

protected:
  QWidget* CreateWidget(QWidget* parent) override;
};
