#include "platform/gui/CComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <algorithm>

#include "platform/gui/QlmEntryOrder.h"

namespace {

QComboBox* Combo(const CWnd* window) { return static_cast<QComboBox*>(window->GetSafeHwnd()); }

QString ToQt(const CString& text) { return QString::fromStdString(text.Str()); }

// Border and padding around the text line of the closed control.
constexpr int FrameHeight = 6;

}  // namespace

BOOL CComboBox::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!CWnd::Create(style, rect, parent, id)) return FALSE;
  QComboBox* combo = Combo(this);
  this->DroppedHeight = rect.Height();
  combo->setGeometry(rect.left, rect.top, rect.Width(), std::min(combo->sizeHint().height(), rect.Height()));
  this->FitDroppedList();
  this->ShowWindow(style & WS_VISIBLE ? SW_SHOW : SW_HIDE);
  return TRUE;
}

QWidget* CComboBox::CreateWidget(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(false);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return combo;
}

int CComboBox::AddString(const CString& text) {
  QComboBox* combo = Combo(this);
  if (!combo) return CB_ERR;
  int index = combo->count();
  if (this->GetStyle() & CBS_SORT) {
    index = QlmEntryOrder::InsertionIndex(combo->count(), [combo](int i) { return combo->itemText(i); }, ToQt(text));
  }
  return this->InsertString(index, text);
}

// Qt selects the first entry put into an empty list; a list control does not.
int CComboBox::InsertString(int index, const CString& text) {
  QComboBox* combo = Combo(this);
  if (!combo || index < -1 || index > combo->count()) return CB_ERR;
  if (index == -1) index = combo->count();
  const bool selected = combo->currentIndex() >= 0;
  combo->insertItem(index, ToQt(text));
  if (!selected) combo->setCurrentIndex(-1);
  return index;
}

int CComboBox::DeleteString(int index) {
  if (!this->IsIndex(index)) return CB_ERR;
  Combo(this)->removeItem(index);
  return this->GetCount();
}

void CComboBox::ResetContent() {
  if (QComboBox* combo = Combo(this)) combo->clear();
}

int CComboBox::GetCount() const {
  QComboBox* combo = Combo(this);
  return combo ? combo->count() : 0;
}

int CComboBox::GetCurSel() const {
  QComboBox* combo = Combo(this);
  return combo && combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
  QComboBox* combo = Combo(this);
  if (!combo) return CB_ERR;
  if (!this->IsIndex(index)) {
    combo->setCurrentIndex(-1);
    return CB_ERR;
  }
  combo->setCurrentIndex(index);
  return index;
}

int CComboBox::GetLBText(int index, CString& text) const {
  text = CString();
  if (!this->IsIndex(index)) return CB_ERR;
  text = CString(Combo(this)->itemText(index).toStdString());
  return text.GetLength();
}

int CComboBox::FindStringExact(int start, const CString& text) const {
  const QString wanted = ToQt(text);
  const int count = this->GetCount();
  for (int step = 1; step <= count; ++step) {
    const int index = (std::max(start, -1) + step) % count;
    if (Combo(this)->itemText(index).compare(wanted, Qt::CaseInsensitive) == 0) return index;
  }
  return CB_ERR;
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  if (!this->IsIndex(index)) return CB_ERR;
  Combo(this)->setItemData(index, QVariant::fromValue<qulonglong>(data));
  return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  if (!this->IsIndex(index)) return static_cast<DWORD_PTR>(CB_ERR);
  return static_cast<DWORD_PTR>(Combo(this)->itemData(index).toULongLong());
}

void* CComboBox::GetItemDataPtr(int index) const {
  return this->IsIndex(index) ? reinterpret_cast<void*>(this->GetItemData(index)) : reinterpret_cast<void*>(-1);
}

int CComboBox::SetItemHeight(int index, UINT height) {
  QComboBox* combo = Combo(this);
  if (!combo || index != -1) return CB_ERR;
  combo->setFixedHeight(static_cast<int>(height) + FrameHeight);
  this->FitDroppedList();
  return 0;
}

int CComboBox::GetItemHeight(int index) const {
  QComboBox* combo = Combo(this);
  if (!combo || index != -1) return CB_ERR;
  return combo->height() - FrameHeight;
}

CString CComboBox::GetWindowText() const {
  QComboBox* combo = Combo(this);
  return combo ? CString(combo->currentText().toStdString()) : CString();
}

// As many entries as fit below the closed control within the dropped height.
void CComboBox::FitDroppedList() {
  QComboBox* combo = Combo(this);
  const int line = std::max(combo->view() ? combo->view()->sizeHintForRow(0) : 0, combo->fontMetrics().height());
  combo->setMaxVisibleItems(std::max((this->DroppedHeight - combo->height()) / std::max(line, 1), 1));
}
