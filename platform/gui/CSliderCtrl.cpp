#include "platform/gui/CSliderCtrl.h"

#include <QSlider>

BOOL CSliderCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  if (!CWnd::Create(style, rect, parent, id)) return FALSE;
  this->ShowWindow(style & WS_VISIBLE ? SW_SHOW : SW_HIDE);
  return TRUE;
}

QWidget* CSliderCtrl::CreateWidget(QWidget* parent) { return new QSlider(Qt::Horizontal, parent); }

QSlider* CSliderCtrl::Slider() const { return static_cast<QSlider*>(this->GetSafeHwnd()); }

// The slider reaches the window that holds it now, so a window that let it go hears nothing.
void CSliderCtrl::PreSubclassWindow() {
  QSlider* slider = this->Slider();
  QObject::connect(slider, &QAbstractSlider::actionTriggered, slider, [slider](int action) {
    if (auto* owner = dynamic_cast<CSliderCtrl*>(CWnd::FromHandlePermanent(slider))) owner->OnAction(action);
  });
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL) {
  if (QSlider* slider = this->Slider()) slider->setRange(minimum, maximum);
}

int CSliderCtrl::GetRangeMin() const { return this->Slider() ? this->Slider()->minimum() : 0; }
int CSliderCtrl::GetRangeMax() const { return this->Slider() ? this->Slider()->maximum() : 0; }

void CSliderCtrl::SetPos(int position) {
  if (QSlider* slider = this->Slider()) slider->setValue(position);
}

// While an action is reported the value lags behind the slider's position.
int CSliderCtrl::GetPos() const { return this->Slider() ? this->Slider()->sliderPosition() : 0; }

int CSliderCtrl::SetPageSize(int size) {
  QSlider* slider = this->Slider();
  if (!slider) return 0;
  const int previous = slider->pageStep();
  slider->setPageStep(size);
  return previous;
}

int CSliderCtrl::SetLineSize(int size) {
  QSlider* slider = this->Slider();
  if (!slider) return 0;
  const int previous = slider->singleStep();
  slider->setSingleStep(size);
  return previous;
}

void CSliderCtrl::OnAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return this->Notify(SB_LINEUP);
    case QAbstractSlider::SliderSingleStepAdd:
      return this->Notify(SB_LINEDOWN);
    case QAbstractSlider::SliderPageStepSub:
      return this->Notify(SB_PAGEUP);
    case QAbstractSlider::SliderPageStepAdd:
      return this->Notify(SB_PAGEDOWN);
    case QAbstractSlider::SliderToMinimum:
      return this->Notify(SB_TOP);
    case QAbstractSlider::SliderToMaximum:
      return this->Notify(SB_BOTTOM);
    case QAbstractSlider::SliderMove:
      this->Dragged = this->Slider()->isSliderDown();
      return this->Notify(SB_THUMBTRACK);
    default:
      return;
  }
}

void CSliderCtrl::OnLButtonUp(UINT, CPoint) {
  if (this->Dragged) this->Notify(SB_THUMBPOSITION);
  this->Dragged = false;
  this->Notify(SB_ENDSCROLL);
}

void CSliderCtrl::OnKeyUp(UINT key, UINT, UINT) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      this->Notify(SB_ENDSCROLL);
      break;
    default:
      break;
  }
}

void CSliderCtrl::Notify(UINT code) {
  if (CWnd* parent = this->GetParent()) parent->OnHScroll(code, static_cast<UINT>(this->GetPos()), this);
}
