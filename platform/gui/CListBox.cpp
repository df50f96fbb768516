#include "platform/gui/CListBox.h"

#include <QListWidget>

namespace {
QListWidget* List(const CWnd* window) { return qobject_cast<QListWidget*>(window->GetSafeHwnd()); }
}  // namespace

QWidget* CListBox::CreateWidget(QWidget* parent) { return new QListWidget(parent); }

int CListBox::AddString(const CString& text) {
  QListWidget* list = List(this);
  if (!list) return LB_ERR;
  list->addItem(QString::fromStdString(text.Str()));
  return list->count() - 1;
}

int CListBox::GetCurSel() const {
  QListWidget* list = List(this);
  if (!list || list->selectedItems().isEmpty()) return LB_ERR;
  return list->row(list->selectedItems().front());
}
