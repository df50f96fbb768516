#include "platform/gui/CEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <algorithm>

#include "platform/gui/QlmEditWidget.h"

namespace {
QLineEdit* LineEdit(const CWnd* window) { return static_cast<QLineEdit*>(window->GetSafeHwnd()); }
}  // namespace

BOOL CEdit::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!CWnd::Create(style, rect, parent, id)) return FALSE;
  this->ShowWindow(style & WS_VISIBLE ? SW_SHOW : SW_HIDE);
  return TRUE;
}

BOOL CEdit::CreateEx(DWORD exStyle, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  this->ExStyle = exStyle;
  return this->Create(style, rect, parent, id);
}

QWidget* CEdit::CreateWidget(QWidget* parent) {
  auto* edit = new QlmEditWidget(parent);
  edit->ApplyStyle(this->GetStyle(), this->ExStyle);
  return edit;
}

void CEdit::SetWindowText(const CString& text) {
  if (QLineEdit* edit = LineEdit(this)) edit->setText(QString::fromStdString(text.Str()));
}

CString CEdit::GetWindowText() const {
  QLineEdit* edit = LineEdit(this);
  return edit ? CString(edit->text().toStdString()) : CString();
}

void CEdit::LimitText(int characters) {
  if (QLineEdit* edit = LineEdit(this)) edit->setMaxLength(characters > 0 ? characters : 32767);
}

void CEdit::SetRect(const CRect& rect) {
  QLineEdit* edit = LineEdit(this);
  if (!edit) return;
  CRect client;
  this->GetClientRect(&client);
  edit->setTextMargins(std::max(rect.left - client.left, 0), std::max(rect.top - client.top, 0),
                       std::max(client.right - rect.right, 0), std::max(client.bottom - rect.bottom, 0));
}

void CEdit::Paste() { this->Type(QApplication::clipboard()->text()); }

void CEdit::Type(const QString& text) {
  for (QChar character : text) this->OnChar(character.unicode(), 1, 0);
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
  QLineEdit* edit = LineEdit(this);
  if (!edit) return FALSE;
  edit->setReadOnly(readOnly);
  return TRUE;
}

void CEdit::OnChar(UINT character, UINT, UINT) {
  QLineEdit* edit = LineEdit(this);
  if (!edit || edit->isReadOnly()) return;
  if (character == VK_BACK) {
    edit->backspace();
  } else if (character >= 0x20 && character != 0x7F && !QChar::isSurrogate(character)) {
    edit->insert(QString(QChar(static_cast<char16_t>(character))));
  }
}
