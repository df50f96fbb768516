#include "platform/gui/CProgressCtrl.h"

#include <QProgressBar>
#include <algorithm>

namespace {
QProgressBar* Bar(const CWnd* window) { return static_cast<QProgressBar*>(window->GetSafeHwnd()); }
}  // namespace

QWidget* CProgressCtrl::CreateWidget(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(!(this->GetStyle() & PBS_SMOOTH));
  return bar;
}

void CProgressCtrl::SetRange32(int lower, int upper) {
  if (QProgressBar* bar = Bar(this)) bar->setRange(lower, std::max(lower, upper));
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
  QProgressBar* bar = Bar(this);
  lower = bar ? bar->minimum() : 0;
  upper = bar ? bar->maximum() : 0;
}

int CProgressCtrl::SetPos(int position) {
  QProgressBar* bar = Bar(this);
  if (!bar) return 0;
  int previous = bar->value() < bar->minimum() ? bar->minimum() : bar->value();
  bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
  return previous;
}

int CProgressCtrl::GetPos() const {
  QProgressBar* bar = Bar(this);
  return bar ? std::max(bar->value(), bar->minimum()) : 0;
}

int CProgressCtrl::SetStep(int step) {
  int previous = this->Step;
  this->Step = step;
  return previous;
}

int CProgressCtrl::StepIt() {
  QProgressBar* bar = Bar(this);
  if (!bar) return 0;
  int previous = this->GetPos();
  int next = previous + this->Step;
  if (next > bar->maximum()) next = bar->minimum() + (next - bar->maximum());
  bar->setValue(std::clamp(next, bar->minimum(), bar->maximum()));
  return previous;
}
