// The controller and the nerves: their container among the followers of the
// views' positions, of the arch and of the grey window, and their view
// objects after a load.
#include <initializer_list>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "objects/CQlmNerveEdit.h"
#include "objects/CQlmNerves.h"
#include "platform/CQlmPrompter.h"
#include "tools/CQlmCoreNerve.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"

std::optional<float> CQlmQuorvantile::CurrentNerveDiameter() const {
  const CQlmNerve* nerve = this->NerveContainer ? this->NerveContainer->GetCurrentNerve() : nullptr;
  if (!nerve) return std::nullopt;
  return nerve->GetDiameter();
}

void CQlmQuorvantile::BindNerves() {
  CQlmNerves& nerves = *this->NerveContainer;
  nerves.Controller = this;
  this->CoreNerve->Owner = this;
  nerves.EditTool = this->CoreNerve;
  nerves.SetWindows(this->Window3D, this->WindowAxial, this->WindowCross, this->WindowPanoramic);
  this->PositionListeners[CQlmPositionListener::Nerves] = &nerves;
  this->ArchListeners[CQlmArchListener::Nerves] = &nerves;
  this->Nerves = &nerves;
}

void CQlmQuorvantile::SetupNerves() {
  CQlmNerves& nerves = *this->NerveContainer;
  const CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  nerves.SetInput(this->CTData->ImageData, this->PanoramicCalc, cross.GetSectionSpacing());
  nerves.SetAxialIndex(this->CTFilter->GetAxialFilter()->GetCurrentSlice());
  nerves.SetCrossIndex(cross.GetFirstIndex());
  nerves.BuildViewObjects();
  nerves.SetSingleCrossSection(cross.GetSingleSection());
  nerves.SetPanoramicThick(this->ThickPanoramic);
}

// The view objects leave their renderers while the windows exist.
void CQlmQuorvantile::ReleaseNerves() {
  this->PositionListeners[CQlmPositionListener::Nerves] = nullptr;
  this->ArchListeners[CQlmArchListener::Nerves] = nullptr;
  this->Nerves = nullptr;
  delete this->NerveContainer;
  this->NerveContainer = nullptr;
  if (this->CoreNerve) this->CoreNerve->Delete();
  this->CoreNerve = nullptr;
}

void CQlmQuorvantile::ToggleNerveEdit() {
  this->Modified = 1;
  this->NerveEditing = !this->NerveEditing;
  if (this->MainFrame) this->MainFrame->ShowControlBar(&this->MainFrame->NerveToolBar, this->NerveEditing, FALSE);
  if (this->NerveEditing) {
    this->NerveContainer->EnterNerveWindow();
    this->SetTool(25);
  } else {
    this->NerveContainer->LeaveNerveWindow();
    this->SetTool(0);
  }
  for (CWnd* view : std::initializer_list<CWnd*>{this->AxialView, this->PanoramicView, this->View3D, this->CrossView})
    if (view) view->Invalidate();
  this->RenderFourViews();
  if (!this->NerveEditing) this->SetSelectImplantMode();
}

void CQlmQuorvantile::AddNerve() {
  CQlmNerves& nerves = *this->NerveContainer;
  nerves.AddNerve();
  this->ShowCurrentNerve(nerves.GetCount() - 1);
}

void CQlmQuorvantile::DeleteNerve() {
  CQlmNerves& nerves = *this->NerveContainer;
  if (nerves.GetCount() == 0) return;
  const bool last = nerves.GetCount() == 1;
  const CString question =
      last ? "Você realmente deseja apagar o ÚLTIMO nervo?" : "Você realmente deseja apagar o nervo?";
  if (CQlmPrompter::Current().Message(question, "Atenção", QlmButtons::YesNo, QlmIcon::Question) != QlmAnswer::Yes)
    return;
  nerves.DeleteCurrentNerve();
  if (last)
    this->ToggleNerveEdit();
  else
    this->RenderFourViews();
}

void CQlmQuorvantile::NextNerve() {
  const CQlmNerves& nerves = *this->NerveContainer;
  if (nerves.GetCurrent() + 1 < nerves.GetCount()) this->ShowCurrentNerve(nerves.GetCurrent() + 1);
}

void CQlmQuorvantile::PreviousNerve() {
  if (this->NerveContainer->GetCurrent() > 0) this->ShowCurrentNerve(this->NerveContainer->GetCurrent() - 1);
}

void CQlmQuorvantile::ShowCurrentNerve(int index) {
  this->NerveContainer->SelectNerve(index);
  this->CoreNerve->CenterAxialViewOnNerve();
  this->StylePanoramic->FitToWindow();
  this->RenderFourViews();
}

void CQlmQuorvantile::ResetNerve() {
  if (CQlmPrompter::Current().Message("Isto irá redefenir a atual curva do nervo!\nDeseja continuar?", "Atenção",
                                      QlmButtons::YesNo, QlmIcon::Question) == QlmAnswer::Yes)
    this->CoreNerve->ResetCurrentNerve();
}

void CQlmQuorvantile::ToggleNerveCuts() {
  CQlmNerves& nerves = *this->NerveContainer;
  nerves.SetCurrentVisibility(!nerves.GetCurrentVisibility());
  this->WindowAxial->Render();
  this->WindowCross->Render();
  this->WindowPanoramic->Render();
}

void CQlmQuorvantile::SetNerveDiameter(float diameter) {
  this->NerveContainer->GetEditor()->SetDiameter(diameter);
  this->RenderFourViews();
}
