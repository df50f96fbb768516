#include "platform/gui/CListBox.h"

#include <QListWidget>

#include "platform/gui/QlmDialogBuilder.h"
#include "platform/gui/QlmEntryOrder.h"

namespace {

QListWidget* List(const CWnd* window) { return qobject_cast<QListWidget*>(window->GetSafeHwnd()); }

constexpr int DataRole = Qt::UserRole;

}  // namespace

int CListBox::AddString(const CString& text) {
  QListWidget* list = List(this);
  if (!list) return LB_ERR;
  const QString entry = QString::fromStdString(text.Str());
  int index = list->count();
  if (QlmDialogBuilder::IsSortedList(list)) {
    index = QlmEntryOrder::InsertionIndex(list->count(), [list](int i) { return list->item(i)->text(); }, entry);
  }
  list->insertItem(index, entry);
  return index;
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
  if (!list) return LB_ERR;
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? LB_ERR : list->row(selected.front());
}

int CListBox::SetCurSel(int index) {
  QListWidget* list = List(this);
  if (!list) return LB_ERR;
  list->clearSelection();
  if (!this->IsIndex(index)) return LB_ERR;
  list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  return index;
}

int CListBox::GetText(int index, CString& text) const {
  text = CString();
  if (!this->IsIndex(index)) return LB_ERR;
  text = CString(List(this)->item(index)->text().toStdString());
  return text.GetLength();
}

int CListBox::SetItemDataPtr(int index, void* data) {
  if (!this->IsIndex(index)) return LB_ERR;
  List(this)->item(index)->setData(DataRole, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(data)));
  return 0;
}

void* CListBox::GetItemDataPtr(int index) const {
  if (!this->IsIndex(index)) return nullptr;
  return reinterpret_cast<void*>(List(this)->item(index)->data(DataRole).value<quintptr>());
}
