#pragma once
// A single-selection list of texts over QListWidget, usually a dialog
// template's list box subclassed by DDX_Control. Indices are 0-based; LB_ERR
// marks a failure or "none".
#include "platform/gui/CWnd.h"

class CListBox : public CWnd {
public:
  // The index the entry took (at the end), or LB_ERR without a window.
  int AddString(const CString& text);
  // LB_ERR when nothing is selected.
  int GetCurSel() const;

protected:
  QWidget* CreateWidget(QWidget* parent) override;
};
