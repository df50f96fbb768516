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

void CListBox::ResetContent() {
  if (QListWidget* list = List(this)) list->clear();
}

int CListBox::GetCount() const {
  QListWidget* list = List(this);
  return list ? list->count() : 0;
}

int CListBox::GetCurSel() const {
  QListWidget* list = List(this);
  if (!list || list->selectedItems().isEmpty()) return LB_ERR;
  return list->row(list->selectedItems().front());
}

int CListBox::SetCurSel(int index) {
  QListWidget* list = List(this);
  if (!list || index >= list->count() || index < -1) return LB_ERR;
  list->clearSelection();
  if (index == -1) return LB_ERR;
  list->setCurrentRow(index);
  return index;
}

int CListBox::GetText(int index, CString& text) const {
  QListWidget* list = List(this);
  if (!list || index < 0 || index >= list->count()) return LB_ERR;
  text = CString(list->item(index)->text().toStdString());
  return text.GetLength();
}
