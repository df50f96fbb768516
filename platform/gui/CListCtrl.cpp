#include "platform/gui/CListCtrl.h"

#include <QEvent>
#include <QTableWidget>
#include <algorithm>
#include <functional>

namespace {

QTableWidget* Table(const CWnd* window) { return qobject_cast<QTableWidget*>(window->GetSafeHwnd()); }

Qt::Alignment ColumnAlignment(int format) {
  switch (format) {
    case LVCFMT_RIGHT:
      return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

QString ToQt(const CString& text) { return QString::fromStdString(text.Str()); }

// Tells the list of each paint of its rows, before they are drawn.
class CustomDrawFilter : public QObject {
public:
  CustomDrawFilter(QObject* owner, std::function<void()> prePaint) : QObject(owner), PrePaint(std::move(prePaint)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) this->PrePaint();
    return false;
  }

private:
  std::function<void()> PrePaint;
};

}  // namespace

int CListCtrl::InsertColumn(int column, const CString& heading, int format, int width) {
  QTableWidget* table = Table(this);
  if (!table || column < 0) return -1;
  column = std::min(column, table->columnCount());
  table->insertColumn(column);
  auto* header = new QTableWidgetItem(ToQt(heading));
  header->setTextAlignment(ColumnAlignment(format));
  table->setHorizontalHeaderItem(column, header);
  if (width >= 0) table->setColumnWidth(column, width);
  return column;
}

int CListCtrl::GetColumnCount() const {
  QTableWidget* table = Table(this);
  return table ? table->columnCount() : 0;
}

CString CListCtrl::GetColumnHeading(int column) const {
  QTableWidget* table = Table(this);
  if (!table || column < 0 || column >= table->columnCount()) return CString();
  return CString(table->horizontalHeaderItem(column)->text().toStdString());
}

int CListCtrl::InsertItem(int row, const CString& text) {
  QTableWidget* table = Table(this);
  if (!table || row < 0) return -1;
  row = std::min(row, table->rowCount());
  table->insertRow(row);
  if (table->columnCount() > 0) this->SetItemText(row, 0, text);
  return row;
}

// Cells take their column's alignment.
BOOL CListCtrl::SetItemText(int row, int column, const CString& text) {
  if (!this->IsCell(row, column)) return FALSE;
  QTableWidget* table = Table(this);
  auto* cell = new QTableWidgetItem(ToQt(text));
  cell->setTextAlignment(Qt::Alignment(table->horizontalHeaderItem(column)->textAlignment()));
  table->setItem(row, column, cell);
  return TRUE;
}

CString CListCtrl::GetItemText(int row, int column) const {
  if (!this->IsCell(row, column)) return CString();
  const QTableWidgetItem* cell = Table(this)->item(row, column);
  return cell ? CString(cell->text().toStdString()) : CString();
}

int CListCtrl::GetItemCount() const {
  QTableWidget* table = Table(this);
  return table ? table->rowCount() : 0;
}

BOOL CListCtrl::DeleteAllItems() {
  QTableWidget* table = Table(this);
  if (!table) return FALSE;
  table->setRowCount(0);
  return TRUE;
}

void CListCtrl::SetExtendedStyle(DWORD style) {
  if (QTableWidget* table = Table(this)) {
    table->setSelectionBehavior(style & LVS_EX_FULLROWSELECT ? QAbstractItemView::SelectRows
                                                             : QAbstractItemView::SelectItems);
  }
}

void CListCtrl::PreSubclassWindow() {
  if (QTableWidget* table = Table(this)) {
    // The window that holds the widget at the time of the paint, if any still does.
    table->viewport()->installEventFilter(new CustomDrawFilter(table, [table] {
      if (auto* list = dynamic_cast<CListCtrl*>(CWnd::FromHandlePermanent(table))) list->OnCustomDraw();
    }));
  }
}

bool CListCtrl::IsCell(int row, int column) const {
  QTableWidget* table = Table(this);
  return table && row >= 0 && row < table->rowCount() && column >= 0 && column < table->columnCount();
}
