#include "tools/CQlmCoreCores.h"

#include "app/CQlmQuorvantile.h"
#include "tools/CQlmCoreObject.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

void CQlmCoreCores::ActivateCross(CQlm3DWindow9*) { CQlmCoreObject::PickObjectsInCross(*this->Owner); }

void CQlmCoreCores::ActivateMain(CQlm3DWindow*) { CQlmCoreObject::PickObjectsInMainViews(*this->Owner); }

void CQlmCoreCores::OnMainViewEvent() {
  const bool follows = this->SetChildModes();
  const int view = CQlmCoreObject::ViewOf(*this->Owner, this->MainView);
  if (follows && view != -1) {
    const CQlmInteractorRecord& record = CQlmCoreObject::StyleOf(*this->Owner, view).GetCommonRecord();
    if (record.Event == QlmEvent::LeftDoubleClick) this->MoveToPoint(view);
  }
  for (CQlmCore* child : {this->Implant, this->Orto, this->Endo, this->Geoms, this->Dentes}) {
    if (child) child->DispatchMainViewEvent(this->MainView);
  }
}

void CQlmCoreCores::OnCrossViewEvent() {
  const bool follows = this->SetChildModes();
  if (follows && this->Owner->StyleCross->GetRecord()->Event == QlmEvent::LeftDoubleClick)
    this->MoveToPoint(QlmView::Cross);
  for (CQlmCore* child : {this->Implant, this->Orto, this->Endo, this->Geoms, this->Dentes}) {
    if (child) child->DispatchCrossViewEvent(this->CrossWindow);
  }
}

bool CQlmCoreCores::SetChildModes() {
  if (this->Mode < Off || this->Mode > Scale) return false;
  if (this->Mode == PassThrough) return false;
  // Scale: implants and multi-part objects can only be selected.
  const int others = this->Mode == Scale ? Select : this->Mode;
  for (CQlmCore* child : {this->Implant, this->Orto, this->Endo}) {
    if (child) child->Mode = others;
  }
  for (CQlmCore* child : {this->Geoms, this->Dentes}) {
    if (child) child->Mode = this->Mode;
  }
  return this->Mode != Off;
}

void CQlmCoreCores::MoveToPoint(int view) {
  CQlmQuorvantile& q = *this->Owner;
  if (!q.Indicator) return;
  CQlmIndicator& indicator = *q.Indicator;
  double world[4] = {0.0, 0.0, 0.0, 1.0};
  if (view == QlmView::View3D) {
    const CQlmInteractorStruct& record = *q.Style3D->GetRecord();
    // Only a double click on something moves the views.
    if (!record.PickedActor) return;
    for (int i = 0; i < 3; ++i) world[i] = record.PickPosition[i];
    this->MoveViews(indicator.GetAxialIndexAtPoint(world), indicator.GetCurveIndexAt3DPoint(world),
                    indicator.GetCrossIndexAt3DPoint(world), {QlmView::Axial, QlmView::Panoramic, QlmView::Cross},
                    {QlmView::Axial, QlmView::Panoramic, QlmView::Cross});
    return;
  }
  CQlmInteractorBase& style = CQlmCoreObject::StyleOf(q, view);
  const int* click = style.GetCommonRecord().DoubleClickDisplay;
  style.DisplayToWorld(click[0], click[1], 0.0, world);
  if (view == QlmView::Panoramic) {
    this->MoveViews(indicator.GetAxialIndexAtPanoramicPoint(world), -1, indicator.GetCrossIndexAtPanoramicPoint(world),
                    {QlmView::Panoramic, QlmView::Axial, QlmView::Cross}, {QlmView::Axial, QlmView::Cross});
  } else if (view == QlmView::Axial) {
    this->MoveViews(-1, indicator.GetCurveIndexAtAxialPoint(world), indicator.GetCrossIndexAtAxialPoint(world),
                    {QlmView::Axial, QlmView::Panoramic, QlmView::Cross}, {QlmView::Cross, QlmView::Panoramic});
  } else {
    this->MoveViews(indicator.GetAxialIndexAtPanoramicPoint(world), indicator.GetCurveIndexAtCrossPoint(world), -1,
                    {QlmView::Cross, QlmView::Axial, QlmView::Panoramic}, {QlmView::Axial, QlmView::Panoramic});
  }
}

void CQlmCoreCores::MoveViews(int axial, int curve, int cross, const int (&order)[3],
                              std::initializer_list<int> marks) {
  CQlmQuorvantile& q = *this->Owner;
  if (axial != -1 && q.AxialView) q.AxialView->SetSlice(axial);
  if (curve != -1 && q.PanoramicView) q.PanoramicView->SetSlice(curve);
  if (cross != -1 && q.CrossView) q.CrossView->SetSlice(cross);
  for (int view : order) CQlmCoreObject::RenderWindow(q, view);
  for (int mark : marks) {
    if (q.Indicator->IsIndicatorVisible(mark, QlmView::View3D)) {
      CQlmCoreObject::RenderWindow(q, QlmView::View3D);
      return;
    }
  }
}
