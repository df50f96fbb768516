#include "platform/gui/CStatic.h"

#include <QLabel>

namespace {
QLabel* Label(const CWnd* window) { return static_cast<QLabel*>(window->GetSafeHwnd()); }
}  // namespace

BOOL CStatic::Create(const CString& text, DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!CWnd::Create(style, rect, parent, id)) return FALSE;
  this->SetWindowText(text);
  this->ShowWindow(style & WS_VISIBLE ? SW_SHOW : SW_HIDE);
  return TRUE;
}

QWidget* CStatic::CreateWidget(QWidget* parent) {
  auto* label = new QLabel(parent);
  // A static control paints its background: a blank one hides what lies under it.
  label->setAutoFillBackground(true);
  const DWORD style = this->GetStyle();
  Qt::Alignment alignment = style & SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft;
  alignment |= style & SS_CENTERIMAGE ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment(alignment);
  label->setWordWrap(!(style & SS_CENTERIMAGE));
  label->setTextFormat(Qt::PlainText);
  if (style & WS_BORDER) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  return label;
}

void CStatic::SetWindowText(const CString& text) {
  if (QLabel* label = Label(this)) label->setText(QString::fromStdString(text.Str()));
}

CString CStatic::GetWindowText() const {
  QLabel* label = Label(this);
  return label ? CString(label->text().toStdString()) : CString();
}

void CStatic::SetTextColor(COLORREF color) {
  QLabel* label = Label(this);
  if (!label) return;
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
  label->setPalette(palette);
}
