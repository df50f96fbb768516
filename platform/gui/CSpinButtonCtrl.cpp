#include "platform/gui/CSpinButtonCtrl.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

BOOL CSpinButtonCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!CWnd::Create(style, rect, parent, id)) return FALSE;
  this->ShowWindow(style & WS_VISIBLE ? SW_SHOW : SW_HIDE);
  return TRUE;
}

QWidget* CSpinButtonCtrl::CreateWidget(QWidget* parent) {
  auto* arrows = new QWidget(parent);
  auto* layout = new QVBoxLayout(arrows);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const std::pair<Qt::ArrowType, int> buttons[] = {{Qt::UpArrow, 1}, {Qt::DownArrow, -1}};
  for (const auto& [arrow, direction] : buttons) {
    auto* button = new QToolButton(arrows);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QObject::connect(button, &QToolButton::clicked, [this, direction = direction] { this->Step(direction); });
    layout->addWidget(button);
  }
  return arrows;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* buddy) {
  CWnd* previous = this->Buddy;
  this->Buddy = buddy;
  QWidget* arrows = this->GetSafeHwnd();
  QWidget* field = buddy ? buddy->GetSafeHwnd() : nullptr;
  if (!arrows || !field || !(this->GetStyle() & UDS_ALIGNRIGHT)) return previous;
  const bool hidden = arrows->isHidden();
  arrows->setParent(field->parentWidget());
  QRect area = field->geometry();
  const int width = std::min(Width, area.width());
  field->setGeometry(area.adjusted(0, 0, -width, 0));
  arrows->setGeometry(area.right() + 1 - width, area.top(), width, area.height());
  if (!hidden) arrows->show();
  return previous;
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
  this->Lower = lower;
  this->Upper = upper;
  this->SetPos(this->Position);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
  lower = this->Lower;
  upper = this->Upper;
}

int CSpinButtonCtrl::SetPos(int position) {
  const int previous = this->Position;
  this->Position = std::clamp(position, std::min(this->Lower, this->Upper), std::max(this->Lower, this->Upper));
  return previous;
}

// The up arrow moves towards the upper end of the range, whichever way round it lies.
void CSpinButtonCtrl::Step(int direction) {
  this->SetPos(this->Position + (this->Upper >= this->Lower ? direction : -direction));
  CWnd* parent = this->GetParent();
  if (!parent) return;
  parent->OnVScroll(SB_THUMBPOSITION, static_cast<UINT>(this->Position), this);
  parent->OnVScroll(SB_ENDSCROLL, static_cast<UINT>(this->Position), this);
}
