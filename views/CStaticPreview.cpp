#include "views/CStaticPreview.h"

#include <vtkRenderWindow.h>

#include <QWidget>

#include "platform/gui/QlmResource.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmBorderWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/CQlmTitleWindow.h"
#include "views/QlmInteraction.h"
#include "views/QlmViewCursor.h"

namespace {

constexpr UINT CursorResources[] = {0, 146, 147, 174, 175, 176, 148, 149};

}  // namespace

template <class StyleType>
CStaticPreview<StyleType>::CStaticPreview(const char* title, int state)
    : Wrapper(CQlm3DWindow::New(2)),
      InteractorStyle(StyleType::New()),
      Border(CQlmBorderWindow::New()),
      Title(CQlmTitleWindow::New()) {
  this->Wrapper->SetBackground(0, 0, 0);
  this->Border->SetWindow(this->Wrapper.get());
  this->Border->AddToWindow();
  this->Title->SetWindow(this->Wrapper.get());
  this->Title->AddToWindow();
  this->Title->GetTitleMapper()->SetInput(title);
  this->InteractorStyle->SetWindow(this->Wrapper.get());
  this->InteractorStyle->SetMode(state);
  this->Cursors[Arrow] = QCursor(Qt::ArrowCursor);
  for (int index = Arrow + 1; index < CursorCount; ++index) {
    this->Cursors[index] = QlmResource::LoadCursor(CursorResources[index]);
  }
}

template <class StyleType>
CStaticPreview<StyleType>::~CStaticPreview() = default;

// The picture covers the whole control: nothing is erased first. Moves
// without a button arrive too (cursor).
template <class StyleType>
void CStaticPreview<StyleType>::PreSubclassWindow() {
  QWidget* widget = this->GetSafeHwnd();
  widget->setAttribute(Qt::WA_OpaquePaintEvent);
  widget->setMouseTracking(true);
  widget->setFocusPolicy(Qt::NoFocus);
  this->Wrapper->SetHostWindow(widget);
}

template <class StyleType>
void CStaticPreview<StyleType>::OnDestroy() {
  this->Wrapper->SetHostWindow(nullptr);
}

template <class StyleType>
void CStaticPreview<StyleType>::ChooseRotationCursor(CPoint point) {
  if (this->InteractorStyle->GetMode() != QlmState::DragZoom) return;
  const int* size = this->Wrapper->RenderWindow->GetSize();
  const bool inside = QlmViewCursor::RotationEntry(size[0], size[1], point.x, point.y) == QlmViewCursor::RotateInside;
  this->RotationCursor = inside ? RotateInside : RotateOutside;
}

template <class StyleType>
void CStaticPreview<StyleType>::UpdateCursor() {
  const int state = this->InteractorStyle->GetMode();
  if (state == QlmState::DragZoom) {
    this->SetCursor(this->Cursors[this->RotationCursor]);
    return;
  }
  for (const StateCursor& entry : StateCursors) {
    if (entry.State == state) this->SetCursor(this->Cursors[entry.Cursor]);
  }
}

template <class StyleType>
void CStaticPreview<StyleType>::OnLButtonDown(UINT flags, CPoint point) {
  this->ChooseRotationCursor(point);
  this->UpdateCursor();
  this->InteractorStyle->OnLeftButtonDown(flags, point.x, point.y);
}

template <class StyleType>
void CStaticPreview<StyleType>::OnLButtonUp(UINT flags, CPoint point) {
  this->ChooseRotationCursor(point);
  this->UpdateCursor();
  this->InteractorStyle->OnLeftButtonUp(flags, point.x, point.y);
}

// A drag keeps the rotation cursor it started with.
template <class StyleType>
void CStaticPreview<StyleType>::OnMouseMove(UINT flags, CPoint point) {
  if (!(flags & MK_LBUTTON)) this->ChooseRotationCursor(point);
  this->UpdateCursor();
  this->InteractorStyle->OnMouseMove(flags, point.x, point.y);
}

template class CStaticPreview<CQlmInteractorStyle3>;
template class CStaticPreview<CQlmInteractorStyle2>;
