#pragma once
// A report list view over QTableWidget: rows of texts under column
// headings, filled by the program and read-only for the user. Made by a
// dialog template (QlmDialogItem::ListView) and taken over with
// DDX_Control. Rows and columns are 0-based; -1 marks a failure.
#include "platform/gui/CWnd.h"

// Alignment of a column's heading and cells.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVCFMT_RIGHT = 1;
constexpr int LVCFMT_CENTER = 2;
// Extended styles: a click selects the whole row; images in the cells (no
// images are drawn here, the bit is kept).
constexpr DWORD LVS_EX_SUBITEMIMAGES = 0x02;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x20;

class CListCtrl : public CWnd {
public:
  // The column's index (at most the column count), or -1 without a widget.
  // `width` in pixels; -1 leaves the default.
  int InsertColumn(int column, const CString& heading, int format = LVCFMT_LEFT, int width = -1);
  int GetColumnCount() const;
  CString GetColumnHeading(int column) const;

  // A row whose first cell holds `text`, placed at `row` (past the end:
  // appended); the row's index, or -1 without a widget.
  int InsertItem(int row, const CString& text);
  // FALSE for a cell that does not exist.
  BOOL SetItemText(int row, int column, const CString& text);
  // Empty for a cell that does not exist.
  CString GetItemText(int row, int column) const;
  int GetItemCount() const;
  BOOL DeleteAllItems();

  void SetExtendedStyle(DWORD style);

protected:
  // Before each paint of the rows (the control then draws them itself).
  virtual void OnCustomDraw() {}
  void PreSubclassWindow() override;

private:
  bool IsCell(int row, int column) const;
};
