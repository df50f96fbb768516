#include "tools/CQlmCoreRuller.h"

#include <algorithm>
#include <iterator>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmRullers.h"
#include "toolkit/vtkRullerSource.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

namespace {

constexpr int CentreCell = 4;

bool IsPress(int event) { return event == QlmEvent::LeftDown || event == QlmEvent::LeftDoubleClick; }

// The ruler follows the pointer: its second point, its length, the label look of the container.
void Stretch(CQlmRullerBase& ruller, const float* point, const CQlmRullers& rullers) {
  ruller.GetSource()->SetPoint2(point[0], point[1], point[2]);
  ruller.GetSource()->CalcSize();
  ruller.SetUniformColor(rullers.GetUniformColor());
  ruller.SetLabelBackground(rullers.GetLabelBackground());
}

void Anchor(CQlmRullerBase& ruller, const float* point) {
  ruller.GetSource()->SetPoint1(point[0], point[1], point[2]);
  ruller.GetSource()->SetPoint2(point[0], point[1], point[2]);
}

}  // namespace

void CQlmCoreRuller::ActivateCross(CQlm3DWindow9*) {
  this->Mode = Active;
  this->Step = Waiting;
  CQlmInteractorStyle29& style = *this->Owner->StyleCross;
  style.SetMode(QlmState::PointOnPlaneZ);
  style.SetPickLayer1();
}

void CQlmCoreRuller::ActivateMain(CQlm3DWindow*) {
  this->Mode = Active;
  this->Step = Waiting;
  CQlmQuorvantile& q = *this->Owner;
  q.StyleAxial->SetMode(QlmState::PointOnPlaneZ);
  q.StylePanoramic->SetMode(QlmState::PointOnPlaneZ);
  q.Style3D->SetMode(QlmState::CursorPoint);
  this->PickOnRulers(true);
}

void CQlmCoreRuller::DeactivateCross(CQlm3DWindow9*) {
  this->Deactivate();
  CQlmInteractorStruct9& record = *this->Owner->StyleCross->GetRecord();
  std::copy(std::begin(record.Renderer3), std::end(record.Renderer3), std::begin(record.PickRenderer));
}

void CQlmCoreRuller::DeactivateMain(CQlm3DWindow*) {
  this->Deactivate();
  this->PickOnRulers(false);
}

// The 2D rulers lie in layer 1 of the axial and panoramic views; the 3D ones with the surfaces in layer 3.
void CQlmCoreRuller::PickOnRulers(bool rulers) {
  CQlmQuorvantile& q = *this->Owner;
  for (CQlmInteractorStyle2* style : {q.StyleAxial, q.StylePanoramic}) {
    CQlmInteractorStruct& record = *style->GetRecord();
    record.PickRenderer = rulers ? record.Renderer1 : record.Renderer;
  }
  CQlmInteractorStruct& record3D = *q.Style3D->GetRecord();
  record3D.PickRenderer = record3D.Renderer;
}

// Detaching while a ruler is drawn finishes it as the release would, so that
// no ruler stays half drawn (and a 3D one unpickable); the 3D ruler's end
// then lies on no surface.
void CQlmCoreRuller::Deactivate() {
  if (this->Step == Drawing) this->EndDrawing(this->DrawingView, false);
  this->Step = Idle;
  if (!this->Owner->Rullers) return;
  for (int view : {QlmView::Axial, QlmView::Panoramic, QlmView::Cross, QlmView::View3D}) this->UnselectIn(view);
}

void CQlmCoreRuller::OnMainViewEvent() {
  if (this->Mode != Active || !this->Owner->Rullers) return;
  CQlmQuorvantile& q = *this->Owner;
  int view = -1;
  if (this->MainView == q.WindowAxial) view = QlmView::Axial;
  if (this->MainView == q.WindowPanoramic) view = QlmView::Panoramic;
  if (this->MainView == q.Window3D) view = QlmView::View3D;
  if (view < 0) return;
  if (this->Step == Waiting) this->StartRulerMain(view);
  else if (this->Step == Drawing) this->DragRulerMain(view);
}

void CQlmCoreRuller::OnCrossViewEvent() {
  if (this->Mode != Active || !this->Owner->Rullers || this->CrossWindow != this->Owner->WindowCross) return;
  if (this->Step == Waiting) this->StartRulerCross();
  else if (this->Step == Drawing) this->DragRulerCross();
}

void CQlmCoreRuller::StartRulerCross() {
  CQlmQuorvantile& q = *this->Owner;
  const CQlmInteractorStruct9& record = *q.StyleCross->GetRecord();
  if (!IsPress(record.Event)) return;
  CQlmRullers& rullers = *q.Rullers;
  const int picked = rullers.GetListCross()->FindByActor(record.PickedActor);
  if (picked >= 0) {
    this->SelectPicked(QlmView::Cross, picked, false);
    return;
  }
  for (int view : {QlmView::Axial, QlmView::Panoramic, QlmView::View3D}) this->UnselectIn(view);
  // The clicked cell shows the section `cell - 4` after the window's first one.
  const int first = q.CTFilter->GetCrossFilter()->GetFirstIndex();
  Anchor(*rullers.AddCrossRuller(first + record.CurrentCell - CentreCell, first), record.CursorPoint);
  this->DrawingView = QlmView::Cross;
  this->Step = Drawing;
}

void CQlmCoreRuller::StartRulerMain(int view) {
  CQlmQuorvantile& q = *this->Owner;
  CQlmRullers& rullers = *q.Rullers;
  const CQlmInteractorStruct* record = nullptr;
  const CQlmRullerList* list = nullptr;
  if (view == QlmView::Axial) {
    record = q.StyleAxial->GetRecord();
    list = rullers.GetListAxial();
  } else if (view == QlmView::Panoramic) {
    record = q.StylePanoramic->GetRecord();
    list = rullers.GetListPanoramic();
  } else {
    record = q.Style3D->GetRecord();
    list = rullers.GetList3D();
  }
  if (!IsPress(record->Event)) return;
  const int picked = list->FindByActor(record->PickedActor);
  if (picked >= 0) {
    this->SelectPicked(view, picked, true);
    return;
  }
  // A 3D ruler starts on a surface only.
  if (view == QlmView::View3D && !record->PickedActor) return;
  for (int other : {QlmView::Cross, QlmView::Axial, QlmView::Panoramic, QlmView::View3D})
    if (other != view) this->UnselectIn(other);
  CQlmRuller* ruller = nullptr;
  if (view == QlmView::Axial) {
    const int slice = q.CTFilter->GetAxialFilter()->GetCurrentSlice();
    ruller = rullers.AddRuller(q.WindowAxial, slice, slice);
  } else if (view == QlmView::Panoramic) {
    const int curve = q.PanoramicCalc->GetCurrentCurve();
    ruller = rullers.AddRuller(q.WindowPanoramic, curve, curve);
  } else {
    ruller = rullers.AddRuller(q.Window3D, -1, -1);
    // Picks while it is drawn reach the surface under it.
    ruller->SetPickable(0);
  }
  Anchor(*ruller, record->CursorPoint);
  this->DrawingView = view;
  this->Step = Drawing;
}

void CQlmCoreRuller::SelectPicked(int view, int picked, bool unselect3D) {
  for (int other : {QlmView::Panoramic, QlmView::Cross, QlmView::View3D, QlmView::Axial}) {
    if (other == view || (other == QlmView::View3D && !unselect3D)) continue;
    this->UnselectIn(other);
  }
  CQlmRullers& rullers = *this->Owner->Rullers;
  if (view == QlmView::Cross) {
    rullers.UnselectCross();
    rullers.GetListCross()->GetListItemAt(picked)->SetSelected(1);
  } else {
    CQlmRullerList* list = view == QlmView::Axial       ? rullers.GetListAxial()
                           : view == QlmView::Panoramic ? rullers.GetListPanoramic()
                                                        : rullers.GetList3D();
    if (view == QlmView::Axial) rullers.UnselectAxial();
    if (view == QlmView::Panoramic) rullers.UnselectPanoramic();
    if (view == QlmView::View3D) rullers.Unselect3D();
    list->GetListItemAt(picked)->SetSelected(1);
  }
  this->Render(view);
}

void CQlmCoreRuller::DragRulerCross() {
  CQlmQuorvantile& q = *this->Owner;
  const CQlmInteractorStruct9& record = *q.StyleCross->GetRecord();
  CQlmRullerBase* ruller = this->Selected(QlmView::Cross);
  if (!ruller) return;
  Stretch(*ruller, record.CursorPoint, *q.Rullers);
  this->Render(QlmView::Cross);
  if (record.Event == QlmEvent::LeftUp) this->EndDrawing(QlmView::Cross, true);
}

void CQlmCoreRuller::DragRulerMain(int view) {
  CQlmQuorvantile& q = *this->Owner;
  const CQlmInteractorStruct& record = view == QlmView::Axial       ? *q.StyleAxial->GetRecord()
                                       : view == QlmView::Panoramic ? *q.StylePanoramic->GetRecord()
                                                                    : *q.Style3D->GetRecord();
  CQlmRullerBase* ruller = this->Selected(view);
  if (!ruller) return;
  Stretch(*ruller, record.CursorPoint, *q.Rullers);
  this->Render(view);
  if (record.Event == QlmEvent::LeftUp) this->EndDrawing(view, record.PickedActor != nullptr);
}

void CQlmCoreRuller::EndDrawing(int view, bool onSurface) {
  this->Step = Waiting;
  CQlmRullerBase* ruller = this->Selected(view);
  if (!ruller) return;
  if (view == QlmView::View3D) {
    ruller->SetPickable(1);
    this->Render(view);
  }
  const bool kept = ruller->GetSource()->GetSize() >= MinimumLength && (view != QlmView::View3D || onSurface);
  if (kept) return;
  this->RemoveSelected(view);
  // The view still shows the removed ruler's label.
  this->Render(view);
}

void CQlmCoreRuller::UnselectIn(int view) {
  CQlmRullers& rullers = *this->Owner->Rullers;
  int unselected = 0;
  if (view == QlmView::Axial) unselected = rullers.UnselectAxial();
  if (view == QlmView::Panoramic) unselected = rullers.UnselectPanoramic();
  if (view == QlmView::Cross) unselected = rullers.UnselectCross();
  if (view == QlmView::View3D) unselected = rullers.Unselect3D();
  if (unselected) this->Render(view);
}

CQlmRullerBase* CQlmCoreRuller::Selected(int view) const {
  const CQlmRullers* rullers = this->Owner->Rullers;
  if (!rullers) return nullptr;
  if (view == QlmView::Cross) {
    CQlmRuller9List& list = *rullers->GetListCross();
    const int index = list.GetSelectedIndex();
    return index < 0 ? nullptr : list.GetListItemAt(index);
  }
  CQlmRullerList& list = view == QlmView::Axial       ? *rullers->GetListAxial()
                         : view == QlmView::Panoramic ? *rullers->GetListPanoramic()
                                                      : *rullers->GetList3D();
  const int index = list.GetSelectedIndex();
  return index < 0 ? nullptr : list.GetListItemAt(index);
}

void CQlmCoreRuller::RemoveSelected(int view) {
  CQlmRullers& rullers = *this->Owner->Rullers;
  if (view == QlmView::Axial) rullers.DeleteSelectedAxial();
  if (view == QlmView::Panoramic) rullers.DeleteSelectedPanoramic();
  if (view == QlmView::Cross) rullers.DeleteSelectedCross();
  if (view == QlmView::View3D) rullers.DeleteSelected3D();
}

void CQlmCoreRuller::Render(int view) const {
  const CQlmQuorvantile& q = *this->Owner;
  if (view == QlmView::Axial && q.WindowAxial) q.WindowAxial->Render();
  if (view == QlmView::Panoramic && q.WindowPanoramic) q.WindowPanoramic->Render();
  if (view == QlmView::Cross && q.WindowCross) q.WindowCross->Render();
  if (view == QlmView::View3D && q.Window3D) q.Window3D->Render();
}
