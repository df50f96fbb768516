#include "platform/gui/CSplitterWnd.h"

#include <QLayout>
#include <QList>
#include <QSplitter>
#include <algorithm>

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() {
  // The views die before the splitter's widget, which would delete theirs.
  this->Views.clear();
}

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id) {
  if (rows < 1 || cols < 1 || (rows > 1 && cols > 1)) return FALSE;
  this->Rows = rows;
  this->Cols = cols;
  this->Slots.assign(static_cast<size_t>(rows * cols), Slot());
  return this->Create(style, CRect(), parent, id);
}

QWidget* CSplitterWnd::CreateWidget(QWidget* parent) {
  auto* splitter = new QSplitter(this->Rows > 1 ? Qt::Vertical : Qt::Horizontal, parent);
  splitter->setChildrenCollapsible(true);
  splitter->setOpaqueResize(true);
  return splitter;
}

QSplitter* CSplitterWnd::Splitter() const { return static_cast<QSplitter*>(this->GetSafeHwnd()); }

int CSplitterWnd::SlotOf(int row, int col) const {
  if (row < 0 || row >= this->Rows || col < 0 || col >= this->Cols) return -1;
  return this->Rows > 1 ? row : col;
}

BOOL CSplitterWnd::CreateView(int row, int col, std::unique_ptr<CWnd> view, CSize initialSize) {
  if (!view || this->SlotOf(row, col) < 0 || !this->GetSafeHwnd()) return FALSE;
  CRect rect(0, 0, initialSize.cx, initialSize.cy);
  if (!view->Create(0, rect, this, this->IdFromRowCol(row, col))) return FALSE;
  this->Views.push_back(std::move(view));
  return TRUE;
}

void CSplitterWnd::OnChildCreated(CWnd* child) {
  UINT id = child->GetDlgCtrlID();
  if (id < AFX_IDW_PANE_FIRST) return;
  int slot =
      this->SlotOf(static_cast<int>((id - AFX_IDW_PANE_FIRST) / 16), static_cast<int>((id - AFX_IDW_PANE_FIRST) % 16));
  if (slot < 0) return;
  this->Slots[slot].Window = child;
  int place = static_cast<int>(std::count_if(this->Slots.begin(), this->Slots.begin() + slot,
                                             [](const Slot& earlier) { return earlier.Window != nullptr; }));
  this->Splitter()->insertWidget(place, child->GetSafeHwnd());
  // As the splitter grows or shrinks, the panes keep their sizes and the last one takes the change.
  for (int index = 0; index < this->Splitter()->count(); ++index) {
    this->Splitter()->setStretchFactor(index, index + 1 == this->Splitter()->count() ? 1 : 0);
  }
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
  int slot = this->SlotOf(row, col);
  return slot < 0 ? nullptr : this->Slots[slot].Window;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum) {
  this->SetInfo(this->SlotOf(0, col), ideal, minimum);
}
void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const {
  this->GetInfo(this->SlotOf(0, col), current, minimum);
}
void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum) { this->SetInfo(this->SlotOf(row, 0), ideal, minimum); }
void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const {
  this->GetInfo(this->SlotOf(row, 0), current, minimum);
}

void CSplitterWnd::SetInfo(int slot, int ideal, int minimum) {
  if (slot < 0) return;
  this->Slots[slot].Ideal = std::max(ideal, 0);
  this->Slots[slot].Minimum = std::max(minimum, 0);
}

void CSplitterWnd::GetInfo(int slot, int& current, int& minimum) const {
  current = 0;
  minimum = 0;
  if (slot < 0) return;
  minimum = this->Slots[slot].Minimum;
  QWidget* pane = this->Slots[slot].Window ? this->Slots[slot].Window->GetSafeHwnd() : nullptr;
  if (pane && pane->isVisible()) current = this->Rows > 1 ? pane->height() : pane->width();
}

void CSplitterWnd::RecalcLayout() {
  QSplitter* splitter = this->Splitter();
  if (!splitter) return;
  // Sizes are only exact once the splitter has its own size.
  if (QLayout* layout = splitter->window()->layout()) layout->activate();
  int total = (this->Rows > 1 ? splitter->height() : splitter->width()) -
              splitter->handleWidth() * std::max(splitter->count() - 1, 0);
  QList<int> sizes;
  int left = std::max(total, 0);
  for (size_t slot = 0; slot < this->Slots.size(); ++slot) {
    if (!this->Slots[slot].Window) continue;
    bool last = slot + 1 == this->Slots.size();
    int size = last ? left : (this->Slots[slot].Ideal < this->Slots[slot].Minimum ? 0 : this->Slots[slot].Ideal);
    size = std::min(size, left);
    sizes.append(size);
    left -= size;
  }
  splitter->setSizes(sizes);
}
