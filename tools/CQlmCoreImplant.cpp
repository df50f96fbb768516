#include "tools/CQlmCoreImplant.h"

#include <algorithm>
#include <iterator>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkImplantCustom.h"
#include "libraries/vtkImplantLib.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

namespace {

constexpr const char* NoImplantText = "Diam:          Comp:             Conect:         Ângulo:";

// The implant that owns `actor` in `list`, else the one whose ring in `rings` does; -1 for none.
template <class List, class RingList>
int FindOwner(const List& list, const RingList* rings, const vtkActor* actor) {
  const int owner = list.FindByActor(actor);
  return owner == -1 && rings ? rings->FindByActor(actor) : owner;
}

}  // namespace

void CQlmCoreImplant::DeactivateCross(CQlm3DWindow9*) {
  CQlmInteractorStruct9& record = *this->Owner->StyleCross->GetRecord();
  std::copy(std::begin(record.Renderer3), std::end(record.Renderer3), std::begin(record.PickRenderer));
}

void CQlmCoreImplant::ActivateMain(CQlm3DWindow* window) { this->PickOnOutlines(window, true); }

void CQlmCoreImplant::DeactivateMain(CQlm3DWindow* window) { this->PickOnOutlines(window, false); }

// The outlines lie in layer 2 of the axial and panoramic views; the 3D implants in the 3D view's layer 3.
void CQlmCoreImplant::PickOnOutlines(CQlm3DWindow* window, bool outlines) {
  CQlmQuorvantile& q = *this->Owner;
  for (CQlmInteractorStyle2* style : {q.StyleAxial, q.StylePanoramic}) {
    if (window != (style == q.StyleAxial ? q.WindowAxial : q.WindowPanoramic)) continue;
    CQlmInteractorStruct& record = *style->GetRecord();
    record.PickRenderer = outlines ? record.Renderer2 : record.Renderer;
  }
}

void CQlmCoreImplant::OnMainViewEvent() {
  if (this->Mode != InsertLibrary) return CQlmCoreObject::OnMainViewEvent();
  const int view = this->MainViewCode();
  if (view != -1) this->LibraryInsertEvent(view);
}

void CQlmCoreImplant::OnCrossViewEvent() {
  if (this->Mode != InsertLibrary) return CQlmCoreObject::OnCrossViewEvent();
  this->LibraryInsertEvent(QlmView::Cross);
}

void CQlmCoreImplant::LibraryInsertEvent(int view) {
  if (!this->IsReady()) return;
  const int picked = this->Pick(view);
  this->InsertStep(view, picked);
  this->ContextMenuStep(view, picked);
}

bool CQlmCoreImplant::HasLibraryComponent(const CQlmImplant3D& implant) {
  return implant.LibraryImplant && implant.ComponentName != GenericComponent;
}

bool CQlmCoreImplant::IsReady() const { return this->Owner->ImplantContainer != nullptr; }

int CQlmCoreImplant::FindPicked(int view, const vtkActor* actor) const {
  const CQlmImplants& implants = *this->Owner->ImplantContainer;
  const CQlmImplantRings* rings = this->Owner->RingContainer;
  if (view == QlmView::Axial) return FindOwner(*implants.GetListAxial(), rings ? rings->GetListAxial() : nullptr, actor);
  if (view == QlmView::Cross) return FindOwner(*implants.GetListCross(), rings ? rings->GetListCross() : nullptr, actor);
  if (view == QlmView::Panoramic) {
    return FindOwner(*implants.GetListPanoramic(), rings ? rings->GetListPanoramic() : nullptr, actor);
  }
  return FindOwner(*implants.GetList3D(), rings ? rings->GetList3D() : nullptr, actor);
}

int CQlmCoreImplant::GetSelectedIndex() const { return this->Owner->ImplantContainer->GetList3D()->GetSelectedIndex(); }

void CQlmCoreImplant::SetSelected(int index, int selected) { this->Owner->ImplantContainer->SetSelected(index, selected); }

// The new implant comes with its guide ring.
bool CQlmCoreImplant::InsertItem(const void* window, const double point[3], int cell) {
  CQlmQuorvantile& q = *this->Owner;
  if (this->Mode == InsertLibrary) {
    if (!this->AddChosenLibraryImplant(window, point, cell)) return false;
  } else {
    q.DeselectAllObjects();
    float size[3];
    q.GetNewImplantSize(size);
    if (!q.ImplantContainer->AddImplant(window, point, size[0], size[1], size[2], cell, -1)) return false;
  }
  if (q.RingContainer) q.RingContainer->AddRing(-1);
  this->OthersDirty = 1;
  return true;
}

bool CQlmCoreImplant::AddChosenLibraryImplant(const void* window, const double point[3], int cell) {
  CQlmQuorvantile& q = *this->Owner;
  auto* library = vtkImplantLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Implants]);
  if (!q.MainFrame || !library) return false;
  const CImplantToolBar& bar = q.MainFrame->ImplantToolBar;
  auto* implant = vtkImplantCustom::SafeDownCast(bar.ItemList.GetItem(bar.ItemList.GetCurSel()));
  if (!implant) return false;
  auto* component = vtkImplantCustom::SafeDownCast(bar.ProsthesisList.GetItem(bar.ProsthesisList.GetCurSel()));
  const CString componentName = component ? component->Name : CString(GenericComponent);
  const float connectorHeight = component ? component->Length : GenericComponentHeight;
  q.DeselectAllObjects();
  q.ImplantContainer->AddLibraryImplant(window, point, library->Identifier, library->Name, implant->Name, componentName,
                                        implant->Diameter, implant->Length, connectorHeight, cell, -1);
  return true;
}

CString CQlmCoreImplant::StatusText(const CQlmImplants& implants) {
  const int selected = implants.GetList3D()->GetSelectedIndex();
  if (selected < 0) return NoImplantText;
  const CQlmImplant3D& implant = *implants.GetList3D()->GetListItemAt(selected);
  CString text;
  if (!implant.LibraryImplant) {
    text.Format("Diam: %.2f  Comp: %.2f  Conect: %.2f  Ângulo: %.1f", implant.GetDiameter(), implant.GetLength(),
                implant.GetConectorHeight(), implant.GetConectorAngle());
  } else if (implant.ComponentName == GenericComponent) {
    text.Format("Imp.: %s Conect.: %.2f Ângulo: %.1f", implant.ImplantName.c_str(), implant.GetConectorHeight(),
                implant.GetConectorAngle());
  } else {
    text.Format("Imp.: %s    Conect.: %s", implant.ImplantName.c_str(), implant.ComponentName.c_str());
  }
  return text;
}

void CQlmCoreImplant::UpdateStatusBar() {
  CQlmQuorvantile& q = *this->Owner;
  if (q.MainFrame && q.ImplantContainer) q.MainFrame->StatusBar.SetPaneText(1, StatusText(*q.ImplantContainer), TRUE);
}
