#pragma once
// A static splitter over QSplitter: one row of columns or one column of rows.
// A pane is any window created with the splitter as parent and the pane's
// identifier (IdFromRowCol), a nested splitter included; CreateView makes a
// view window there and keeps it.
#include <memory>
#include <vector>

#include "platform/gui/CWnd.h"

class QSplitter;

class CSplitterWnd : public CWnd {
public:
  CSplitterWnd();
  ~CSplitterWnd() override;

  // `rows` or `cols` must be 1. `id` is the pane identifier in the parent
  // (AFX_IDW_PANE_FIRST for a frame's client, IdFromRowCol of a parent splitter).
  BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = 0, UINT id = AFX_IDW_PANE_FIRST);
  // Creates `view`'s window in the pane and keeps the object until the splitter dies.
  BOOL CreateView(int row, int col, std::unique_ptr<CWnd> view, CSize initialSize = CSize());

  UINT IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + 16 * row + col; }
  CWnd* GetPane(int row, int col) const;
  int GetRowCount() const { return this->Rows; }
  int GetColumnCount() const { return this->Cols; }

  // Ideal and minimum size of a column (or row); applied by RecalcLayout. A
  // pane whose ideal size is below its minimum is collapsed to 0.
  void SetColumnInfo(int col, int ideal, int minimum);
  void GetColumnInfo(int col, int& current, int& minimum) const;
  void SetRowInfo(int row, int ideal, int minimum);
  void GetRowInfo(int row, int& current, int& minimum) const;
  // Gives every pane but the last its ideal size; the last takes the rest.
  virtual void RecalcLayout();

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void OnChildCreated(CWnd* child) override;

private:
  struct Slot {
    CWnd* Window = nullptr;
    int Ideal = 0;
    int Minimum = 0;
  };
  int SlotOf(int row, int col) const;
  void SetInfo(int slot, int ideal, int minimum);
  void GetInfo(int slot, int& current, int& minimum) const;
  QSplitter* Splitter() const;

  int Rows = 0;
  int Cols = 0;
  std::vector<Slot> Slots;
  std::vector<std::unique_ptr<CWnd>> Views;
};
