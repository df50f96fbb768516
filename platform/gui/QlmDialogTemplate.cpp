#include "platform/gui/QlmDialogTemplate.h"

QlmDialogItem QlmDialogItem::Label(const CString& text, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::Static, IDC_STATIC, text, rect, style};
}

QlmDialogItem QlmDialogItem::Static(UINT id, QlmDialogRect rect, DWORD style, const CString& text) {
  return {QlmControlKind::Static, id, text, rect, style};
}

QlmDialogItem QlmDialogItem::Edit(UINT id, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::Edit, id, CString(), rect, style | WS_BORDER};
}

QlmDialogItem QlmDialogItem::Button(UINT id, const CString& text, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::PushButton, id, text, rect, style};
}

QlmDialogItem QlmDialogItem::DefaultButton(UINT id, const CString& text, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::PushButton, id, text, rect, style | BS_DEFPUSHBUTTON};
}

QlmDialogItem QlmDialogItem::CheckBox(UINT id, const CString& text, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::CheckBox, id, text, rect, style};
}

QlmDialogItem QlmDialogItem::RadioButton(UINT id, const CString& text, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::RadioButton, id, text, rect, style};
}

QlmDialogItem QlmDialogItem::GroupBox(const CString& text, QlmDialogRect rect) {
  return {QlmControlKind::GroupBox, IDC_STATIC, text, rect, 0};
}

QlmDialogItem QlmDialogItem::ListBox(UINT id, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::ListBox, id, CString(), rect, style};
}

QlmDialogItem QlmDialogItem::Progress(UINT id, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::Progress, id, CString(), rect, style};
}

QlmDialogItem QlmDialogItem::Trackbar(UINT id, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::Trackbar, id, CString(), rect, style};
}

QlmDialogItem QlmDialogItem::ListView(UINT id, QlmDialogRect rect, DWORD style) {
  return {QlmControlKind::ListView, id, CString(), rect, style};
}

QlmDialogItem QlmDialogItem::Without(DWORD style) const {
  QlmDialogItem item = *this;
  item.Style &= ~style;
  return item;
}
