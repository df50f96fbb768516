#include "platform/gui/CStatusBarCtrl.h"

#include <QLabel>
#include <algorithm>

QWidget* CStatusBarCtrl::CreateWidget(QWidget* parent) { return new QWidget(parent); }

BOOL CStatusBarCtrl::SetParts(int count, const int* rightEdges) {
  QWidget* bar = this->GetSafeHwnd();
  if (!bar || count <= 0) return FALSE;
  for (QLabel* part : this->Parts) delete part;
  this->Parts.clear();
  int left = 0;
  for (int index = 0; index < count; ++index) {
    const int right = rightEdges[index] < 0 ? bar->width() : rightEdges[index];
    auto* part = new QLabel(bar);
    part->setTextFormat(Qt::PlainText);
    part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    part->setGeometry(left, 0, std::max(right - left, 0), bar->height());
    part->show();
    this->Parts.push_back(part);
    left = right;
  }
  return TRUE;
}

BOOL CStatusBarCtrl::SetText(const CString& text, int part) {
  if (part < 0 || part >= this->GetParts()) return FALSE;
  this->Parts[part]->setText(QString::fromStdString(text.Str()));
  return TRUE;
}

CString CStatusBarCtrl::GetText(int part) const {
  if (part < 0 || part >= this->GetParts()) return CString();
  return CString(this->Parts[part]->text().toStdString());
}
