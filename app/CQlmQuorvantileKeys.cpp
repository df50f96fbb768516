// Keys typed in the views: Delete removes what the editing tools selected;
// every other key is the views' own.
#include <functional>
#include <vector>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmNerve.h"
#include "objects/CQlmNerves.h"
#include "objects/CQlmOrtoImps.h"
#include "objects/CQlmRullers.h"
#include "tools/QlmUndoAction.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"

namespace {

constexpr UINT DeleteKey = 46;
constexpr int RulerTool = 4;

// The tools in which Delete removes the selected objects: insert, move,
// rotate and select of implants, orthodontic objects, meshes and teeth.
bool DeletesObjects(int tool) {
  return (tool >= 7 && tool <= 10) || (tool >= 40 && tool <= 43) || (tool >= 50 && tool <= 53) ||
         (tool >= 60 && tool <= 63);
}

// The selected objects of a 3D list, highest index first.
template <class Objects3D>
std::vector<int> SelectedIndices(Objects3D& objects) {
  std::vector<int> selected;
  for (int i = objects.GetCount() - 1; i >= 0; --i)
    if (objects.GetListItemAt(i)->GetSelected()) selected.push_back(i);
  return selected;
}

// A kind of object that Delete removes: its undo kind, its selected objects
// (highest index first) and the removal of all of them.
struct DeletableKind {
  CQlmUndoable::Kind Kind;
  std::function<std::vector<int>()> Selected;
  std::function<void()> Remove;
};

template <class Container>
DeletableKind Deletable(CQlmUndoable::Kind kind, Container& objects) {
  return {kind, [&objects] { return SelectedIndices(*objects.GetList3D()); }, [&objects] { objects.RemoveSelected(); }};
}

// One undo snapshot per selected object, then the removal; false, and
// nothing done, when none is selected.
bool RemoveSelectedOfKind(const DeletableKind& kind, CQlmUndoable* tool) {
  const std::vector<int> selected = kind.Selected();
  if (selected.empty()) return false;
  if (tool)
    for (int index : selected) tool->PushUndo(QlmUndoAction::Deleted, index, 0);
  kind.Remove();
  if (tool) tool->UpdateStatusBar();
  return true;
}

CQlmPolyLineNerve* CurrentNerveLine(CQlmNerves* nerves, bool axial) {
  CQlmNerve* nerve = nerves ? nerves->GetCurrentNerve() : nullptr;
  if (!nerve) return nullptr;
  return axial ? &nerve->GetAxialLine() : &nerve->GetPanoramicLine();
}

}  // namespace

void CQlmQuorvantile::On3DViewKeyDown(UINT key, UINT, UINT) {
  if (key != DeleteKey) return;
  this->DeleteSelectedObjects();
  if (this->Tool == RulerTool && this->Rullers->DeleteSelected3D()) this->Window3D->Render();
}

void CQlmQuorvantile::OnAxialViewKeyDown(UINT key, UINT, UINT) {
  if (key != DeleteKey) return;
  if (this->CurveEditing && this->PolyLine->DeleteSelectedPoint()) this->FollowArchEdit();
  if (this->NerveEditing) this->DeleteSelectedNervePoint(true);
  this->DeleteSelectedObjects();
  if (this->Tool == RulerTool && this->Rullers->DeleteSelectedAxial()) this->WindowAxial->Render();
}

void CQlmQuorvantile::OnCrossViewKeyDown(UINT key, UINT, UINT) {
  if (key != DeleteKey) return;
  this->DeleteSelectedObjects();
  if (this->Tool != RulerTool) return;
  if (this->Rullers->DeleteSelectedAxial()) this->WindowAxial->Render();
  if (this->Rullers->DeleteSelectedCross()) this->WindowCross->Render();
}

void CQlmQuorvantile::OnPanoramicViewKeyDown(UINT key, UINT, UINT) {
  if (key != DeleteKey) return;
  this->DeleteSelectedObjects();
  if (this->Tool == RulerTool) {
    if (this->Rullers->DeleteSelectedAxial()) this->WindowAxial->Render();
    if (this->Rullers->DeleteSelectedPanoramic()) this->WindowPanoramic->Render();
  }
  if (this->NerveEditing) this->DeleteSelectedNervePoint(false);
}

// Kinds in the order implants (with their guide rings), orthodontic,
// endodontic, meshes, teeth; each renders the four views after its removal.
void CQlmQuorvantile::DeleteSelectedObjects() {
  if (!DeletesObjects(this->Tool)) return;
  DeletableKind implants = Deletable(CQlmUndoable::Implant, *this->ImplantContainer);
  implants.Remove = [this] {
    this->RingContainer->RemoveSelected();
    this->ImplantContainer->RemoveSelected();
  };
  const DeletableKind kinds[] = {implants, Deletable(CQlmUndoable::Orthodontic, *this->OrtoImpsContainer),
                                 Deletable(CQlmUndoable::Endodontic, *this->EndoImpsContainer),
                                 Deletable(CQlmUndoable::LibraryMesh, *this->GeomsContainer),
                                 Deletable(CQlmUndoable::Tooth, *this->DentesContainer)};
  for (const DeletableKind& kind : kinds)
    if (RemoveSelectedOfKind(kind, this->UndoTools[kind.Kind - 1])) this->RenderFourViews();
}

void CQlmQuorvantile::DeleteSelectedNervePoint(bool axial) {
  CQlmPolyLineNerve* line = CurrentNerveLine(this->NerveContainer, axial);
  if (!line || !line->DeleteSelectedPoint()) return;
  this->RenderFourViews();
  this->Modified = 1;
}

// The arch's points changed: the curves, the three filters, the indicator,
// the scroll bars and the objects' sections follow; the panoramic camera
// spans the new arch.
void CQlmQuorvantile::FollowArchEdit() {
  this->RecomputeReformat();
  this->ShowReformatChange();
  this->ArchChanged();
  this->StylePanoramic->FitToWindow();
  this->RenderReformat();
}
