#include "tools/CQlmCoreHULine.h"

#include <vtkActor.h>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "objects/CQlmHULine.h"
#include "objects/CQlmHULine9.h"
#include "objects/CQlmHULines.h"
#include "toolkit/vtkHULineSource.h"
#include "toolkit/vtkHUProfileSource.h"
#include "views/CDialogHULine.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

namespace {

bool IsPress(int event) { return event == QlmEvent::LeftDown || event == QlmEvent::LeftDoubleClick; }

void SetPoints(vtkHUProfileSource& profile, vtkHULineSource& line) {
  const float* first = line.GetPoint1();
  const float* second = line.GetPoint2();
  profile.SetPoint1(first[0], first[1], first[2]);
  profile.SetPoint2(second[0], second[1], second[2]);
}

}  // namespace

void CQlmCoreHULine::ActivateCross(CQlm3DWindow9*) {
  this->Mode = Active;
  this->Step = Waiting;
}

void CQlmCoreHULine::ActivateMain(CQlm3DWindow*) {
  this->Mode = Active;
  this->Step = Waiting;
}

void CQlmCoreHULine::DeactivateCross(CQlm3DWindow9*) {
  this->Step = Idle;
  if (this->Owner->HULines) this->Owner->HULines->HideAll();
}

void CQlmCoreHULine::DeactivateMain(CQlm3DWindow*) { this->Step = Idle; }

void CQlmCoreHULine::OnMainViewEvent() {
  CQlmQuorvantile& q = *this->Owner;
  if (this->Mode != Active || !q.HULines) return;
  int view = -1;
  if (this->MainView == q.WindowAxial) view = QlmView::Axial;
  if (this->MainView == q.WindowPanoramic) view = QlmView::Panoramic;
  if (view < 0) return;
  if (this->Step == Waiting) this->StartLineMain(view);
  else if (this->Step == Drawing) this->DragLineMain(view);
}

void CQlmCoreHULine::OnCrossViewEvent() {
  CQlmQuorvantile& q = *this->Owner;
  if (this->Mode != Active || !q.HULines || this->CrossWindow != q.WindowCross) return;
  if (this->Step == Waiting) this->StartLineCross();
  else if (this->Step == Drawing) this->DragLineCross();
}

void CQlmCoreHULine::StartLineCross() {
  const CQlmInteractorStruct9& record = *this->Owner->StyleCross->GetRecord();
  if (!IsPress(record.Event)) return;
  CQlmHULine9& line = *this->Owner->HULines->GetCrossLine();
  this->LineCell = record.CurrentCell;
  line.ShowInSection(1, this->LineCell);
  const float* point = record.CursorPoint;
  line.GetSource()->SetPoint1(point[0], point[1], point[2]);
  line.GetSource()->SetPoint2(point[0], point[1], point[2]);
  this->Step = Drawing;
}

void CQlmCoreHULine::DragLineCross() {
  CQlmQuorvantile& q = *this->Owner;
  const CQlmInteractorStruct9& record = *q.StyleCross->GetRecord();
  CQlmHULine9& line = *q.HULines->GetCrossLine();
  const float* point = record.CursorPoint;
  line.GetSource()->SetPoint2(point[0], point[1], point[2]);
  q.WindowCross->Render();
  if (record.Event != QlmEvent::LeftUp) return;
  this->Step = Waiting;
  if (line.GetSource()->GetSize() >= MinimumLength) {
    this->ShowProfile([&](vtkHUProfileSource& profile) {
      profile.SetImageData(q.CTFilter->GetCrossFilter()->GetOutput());
      SetPoints(profile, *line.GetSource());
      profile.SetZSlice(this->LineCell);
    });
  }
  line.ShowInSection(0, this->LineCell);
  q.WindowCross->Render();
}

void CQlmCoreHULine::StartLineMain(int view) {
  CQlmQuorvantile& q = *this->Owner;
  const CQlmInteractorStruct& record = view == QlmView::Axial ? *q.StyleAxial->GetRecord() : *q.StylePanoramic->GetRecord();
  if (!IsPress(record.Event)) return;
  CQlmHULine& line = view == QlmView::Axial ? *q.HULines->GetAxialLine() : *q.HULines->GetPanoramicLine();
  line.GetActor()->VisibilityOn();
  const float* point = record.CursorPoint;
  line.GetSource()->SetPoint1(point[0], point[1], point[2]);
  line.GetSource()->SetPoint2(point[0], point[1], point[2]);
  this->Step = Drawing;
}

void CQlmCoreHULine::DragLineMain(int view) {
  CQlmQuorvantile& q = *this->Owner;
  const bool axial = view == QlmView::Axial;
  const CQlmInteractorStruct& record = axial ? *q.StyleAxial->GetRecord() : *q.StylePanoramic->GetRecord();
  CQlmHULine& line = axial ? *q.HULines->GetAxialLine() : *q.HULines->GetPanoramicLine();
  CQlm3DWindow& window = axial ? *q.WindowAxial : *q.WindowPanoramic;
  const float* point = record.CursorPoint;
  line.GetSource()->SetPoint2(point[0], point[1], point[2]);
  window.Render();
  if (record.Event != QlmEvent::LeftUp) return;
  this->Step = Waiting;
  if (line.GetSource()->GetSize() >= MinimumLength) {
    this->ShowProfile([&](vtkHUProfileSource& profile) {
      SetPoints(profile, *line.GetSource());
      if (axial) {
        profile.SetImageData(q.CTFilter->GetAxialFilter()->GetOutput());
        profile.SetMirrorY(1);
      } else {
        profile.SetImageData(q.CTFilter->GetPanFilter()->GetOutput());
        profile.SetThick(q.ThickPanoramic);
      }
    });
  }
  line.GetActor()->VisibilityOff();
  window.Render();
}

template <typename SetUp>
void CQlmCoreHULine::ShowProfile(SetUp setUp) {
  CDialogHULine dialog;
  setUp(*dialog.GetProfileSource());
  dialog.DoModal();
}
