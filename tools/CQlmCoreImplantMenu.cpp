// The implant tool's context menu (resource 192) on the selected implant:
// sizes, connector tilt, library implant and component, colours,
// visibility, delete.
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkTransform.h>

#include <QPoint>
#include <algorithm>
#include <optional>
#include <vector>

#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "libraries/CDialogCustomList.h"
#include "libraries/vtkImplantCustom.h"
#include "libraries/vtkImplantLib.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRing3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "platform/gui/CMenu.h"
#include "tools/CQlmCoreImplant.h"
#include "tools/QlmUndoAction.h"
#include "views/CDialogFloat.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

namespace {

enum Command : UINT {
  ChooseImplant = 33171,
  ChooseComponent = 33172,
  Diameter = 32924,
  Length = 32925,
  ConnectorHeight = 32926,
  ConnectorAngle = 32939,
  ScrewColour = 32927,
  ConnectorColour = 32928,
  ShowImplant = 32929,
  ShowConnector = 32930,
  ShowRing = 32931,
  DeleteImplant = 32932,
};

// The sizes a value box takes, compared as floats, the type they are kept in.
bool Accepted(UINT command, float value) {
  if (command == Diameter) return value > 0.1f && value < 10.0f;
  if (command == Length) return value > 1.0f && value < 100.0f;
  return value >= 0.1f && value < 100.0f;
}

}  // namespace

void CQlmCoreImplant::RunContextMenu(int view, int index) {
  const int cell = view == QlmView::Cross ? this->Owner->StyleCross->GetRecord()->CurrentCell : -1;
  CQlmQuorvantile& q = *this->Owner;
  const QPoint screen = this->MenuPoint(view);

  this->FlushRenders(view);

  CMenu menu;
  if (!menu.LoadMenu(IDR_IMPLANT_MENU)) return;
  CMenu& popup = *menu.GetSubMenu(0);
  const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(index);
  const bool ringShown = q.RingContainer && index < q.RingContainer->GetCount() &&
                         q.RingContainer->GetList3D()->GetListItemAt(index)->GetVisible();
  popup.CheckMenuItem(ShowRing, ringShown ? MF_CHECKED : MF_UNCHECKED);
  popup.CheckMenuItem(ShowImplant, implant.GetVisible() ? MF_CHECKED : MF_UNCHECKED);
  popup.CheckMenuItem(ShowConnector, implant.GetShowConector() ? MF_CHECKED : MF_UNCHECKED);
  std::vector<UINT> disabled;
  if (HasLibraryComponent(implant)) disabled = {ConnectorAngle, Diameter, Length, ConnectorHeight};
  else if (implant.LibraryImplant) disabled = {Diameter, Length};
  if (!q.LibraryAvailable[CQlmQuorvantile::Implants]) disabled.push_back(ChooseImplant);
  if (!q.LibraryAvailable[CQlmQuorvantile::Implants] || !implant.LibraryImplant) disabled.push_back(ChooseComponent);
  for (UINT id : disabled) popup.EnableMenuItem(id, MF_GRAYED);

  const UINT command = popup.TrackPopupMenu(TPM_RETURNCMD, screen.x(), screen.y(), nullptr);
  if (command) this->RunMenuCommand(command, view, cell, screen.x(), screen.y());
}

void CQlmCoreImplant::RunMenuCommand(UINT command, int view, int cell, int x, int y) {
  switch (command) {
    case Diameter:
    case Length:
    case ConnectorHeight:
      return this->EditSize(command, x, y);
    case ConnectorAngle:
      return this->EditConnectorAngle(view, cell, x, y);
    case ScrewColour:
    case ConnectorColour:
      return this->ChooseColour(command);
    case ShowImplant:
      return this->ToggleImplant();
    case ShowConnector:
      return this->ToggleConnector();
    case ShowRing:
      return this->ToggleRing();
    case DeleteImplant:
      return this->DeleteSelected();
    case ChooseImplant:
      return this->ChooseLibraryImplant(x, y);
    case ChooseComponent:
      return this->ChooseLibraryComponent(x, y);
    default:
      return;
  }
}

// The typed value, when the box ended with OK and it is a number; a click
// that closed the box keeps the next moves from dragging.
std::optional<float> CQlmCoreImplant::AskValue(float current, int x, int y) {
  CDialogFloat box;
  box.x = x;
  box.y = y;
  box.SetValue(current);
  const INT_PTR result = box.DoModal();
  if (result == CDialogFloat::ClickedOutside) this->SkipMoves = MovesSkippedAfterClick;
  if (result != IDOK) return std::nullopt;
  return box.GetValue();
}

void CQlmCoreImplant::EditSize(UINT command, int x, int y) {
  CQlmQuorvantile& q = *this->Owner;
  const int i = this->GetSelectedIndex();
  const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(i);
  float size[3] = {implant.GetDiameter(), implant.GetLength(), implant.GetConectorHeight()};
  const int which = command == Diameter ? 0 : command == Length ? 1 : 2;
  const std::optional<float> value = this->AskValue(size[which], x, y);
  if (!value || !Accepted(command, *value) || *value == size[which]) return;
  size[which] = *value;
  this->PushUndo(QlmUndoAction::Item, i, 0);
  if (implant.LibraryImplant) {
    // Only a generic connector's height can be typed: it stays the generic connector.
    const auto* library = vtkImplantLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Implants]);
    const CString identifier = library ? library->Identifier : implant.LibraryIdentifier;
    const CString name = library ? library->Name : implant.Platform;
    const CString implantName = implant.ImplantName;
    q.ImplantContainer->ChangeLibraryImplant(i, identifier, name, implantName, GenericComponent, size[0], size[1], size[2]);
  } else {
    q.ImplantContainer->ChangeImplant(i, size[0], size[1], size[2]);
  }
  this->RebuildRing(i);
}

// A straight connector has no tilt direction yet: it is first tilted in the
// plane of the view where the menu opened.
void CQlmCoreImplant::EditConnectorAngle(int view, int cell, int x, int y) {
  CQlmQuorvantile& q = *this->Owner;
  const int i = this->GetSelectedIndex();
  CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(i);
  const float current = implant.GetConectorAngle();
  const std::optional<float> angle = this->AskValue(current, x, y);
  if (!angle || *angle == current) return;
  this->PushUndo(QlmUndoAction::Placement, -1, 0);
  if (current == 0.0f) {
    vtkNew<vtkTransform> tilt;
    if (view == QlmView::Cross || view == QlmView::Panoramic) tilt->RotateZ(*angle);
    else tilt->RotateX(*angle);
    CQlmImplants& implants = *q.ImplantContainer;
    if (view == QlmView::Cross) {
      implants.GetListCross()->GetListItemAt(i)->SetConectorUserMatrix(cell, tilt->GetMatrix());
      implants.GetListCross()->GetListItemAt(i)->ApplyUserMatrix(cell);
    } else if (view == QlmView::Panoramic) {
      implants.GetListPanoramic()->GetListItemAt(i)->SetConectorUserMatrix(tilt->GetMatrix());
      implants.GetListPanoramic()->GetListItemAt(i)->ApplyUserMatrix();
    } else {
      implants.GetListAxial()->GetListItemAt(i)->SetConectorUserMatrix(tilt->GetMatrix());
      implants.GetListAxial()->GetListItemAt(i)->ApplyUserMatrix();
    }
  }
  implant.SetConectorAngle(*angle);
  this->UpdateStatusBar();
  this->RenderAllViews();
}

void CQlmCoreImplant::ChooseColour(UINT command) {
  CQlmQuorvantile& q = *this->Owner;
  const int i = this->GetSelectedIndex();
  const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(i);
  const bool screw = command == ScrewColour;
  float colour[3];
  if (!AskColour(screw ? implant.GetScrewColor() : implant.GetConectorColor(), colour)) return;
  this->PushUndo(QlmUndoAction::Colour, -1, 0);
  float screwColour[3];
  float connectorColour[3];
  std::copy_n(screw ? colour : implant.GetScrewColor(), 3, screwColour);
  std::copy_n(screw ? implant.GetConectorColor() : colour, 3, connectorColour);
  this->SetColours(i, screwColour, connectorColour);
  this->RenderAllViews();
}

// The implant and its ring hidden or shown together, and deselected.
void CQlmCoreImplant::ToggleImplant() {
  CQlmQuorvantile& q = *this->Owner;
  const int i = this->GetSelectedIndex();
  const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(i);
  this->PushUndo(QlmUndoAction::Visibility, -1, 0);
  this->SetImplantVisible(i, !implant.GetVisible());
  this->SetRingVisible(i, !this->RingVisible(i));
  q.ImplantContainer->SetSelected(i, 0);
  this->UpdateStatusBar();
  this->RenderAllViews();
}

void CQlmCoreImplant::ToggleConnector() {
  const int i = this->GetSelectedIndex();
  const CQlmImplant3D& implant = *this->Owner->ImplantContainer->GetList3D()->GetListItemAt(i);
  this->PushUndo(QlmUndoAction::Visibility, -1, 0);
  this->SetConnectorVisible(i, !implant.GetShowConector());
  this->RenderAllViews();
}

// Not recorded: it cannot be undone.
void CQlmCoreImplant::ToggleRing() {
  const int i = this->GetSelectedIndex();
  this->SetRingVisible(i, !this->RingVisible(i));
  this->RenderAllViews();
}

void CQlmCoreImplant::DeleteSelected() {
  CQlmQuorvantile& q = *this->Owner;
  this->PushUndo(QlmUndoAction::Deleted, this->GetSelectedIndex(), 0);
  if (q.RingContainer) q.RingContainer->RemoveSelected();
  q.ImplantContainer->RemoveSelected();
  this->UpdateStatusBar();
  this->RenderAllViews();
}

// The pick-list of `library` at (x, y) in `mode` with `name` preselected:
// whether Enter or a double click chose an entry (a list ended without one is
// no choice); its item, null for "Standard", goes to `chosen`.
bool CQlmCoreImplant::PickFromLibrary(vtkImplantLib* library, const CQlmImplant3D& implant, int mode,
                                      const CString& name, int x, int y, vtkImplantCustom*& chosen) {
  CDialogCustomList list;
  list.X = x;
  list.Y = y;
  list.Library = library;
  list.LibraryId = implant.LibraryIdentifier;
  list.LibraryName = implant.Platform;
  list.ItemName = name;
  list.Mode = mode;
  const bool entryChosen = this->RunPickList(list);
  chosen = vtkImplantCustom::SafeDownCast(list.ChosenItem);
  return entryChosen;
}

void CQlmCoreImplant::ChooseLibraryImplant(int x, int y) {
  CQlmQuorvantile& q = *this->Owner;
  auto* library = vtkImplantLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Implants]);
  if (!library) return;
  const int i = this->GetSelectedIndex();
  const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(i);
  vtkImplantCustom* chosen = nullptr;
  if (!this->PickFromLibrary(library, implant, 1, implant.ImplantName, x, y, chosen) || !chosen) return;
  this->PushUndo(QlmUndoAction::Item, i, 0);
  const CString componentName = implant.ComponentName;
  q.ImplantContainer->ChangeLibraryImplant(i, library->Identifier, library->Name, chosen->Name, componentName,
                                           chosen->Diameter, chosen->Length, implant.GetConectorHeight());
  this->RebuildRing(i);
}

// The entry "Standard" is the generic connector of 2.5 mm.
void CQlmCoreImplant::ChooseLibraryComponent(int x, int y) {
  CQlmQuorvantile& q = *this->Owner;
  auto* library = vtkImplantLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Implants]);
  if (!library) return;
  const int i = this->GetSelectedIndex();
  CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(i);
  implant.SetVisibilityConector(1);
  vtkImplantCustom* component = nullptr;
  if (!this->PickFromLibrary(library, implant, 2, implant.ComponentName, x, y, component)) return;
  this->PushUndo(QlmUndoAction::Item, i, 0);
  const CString implantName = implant.ImplantName;
  q.ImplantContainer->ChangeLibraryImplant(i, library->Identifier, library->Name, implantName,
                                           component ? component->Name : CString(GenericComponent),
                                           implant.GetDiameter(), implant.GetLength(),
                                           component ? component->Length : GenericComponentHeight);
  this->RebuildRing(i);
}

void CQlmCoreImplant::RebuildRing(int i) {
  CQlmQuorvantile& q = *this->Owner;
  if (CQlmImplantRings* rings = q.RingContainer) {
    rings->RebuildRing(i);
    rings->SetAxialIndex(q.CTFilter->GetAxialFilter()->GetCurrentSlice());
    rings->SetCrossIndex(q.CTFilter->GetCrossFilter()->GetFirstIndex());
    rings->SetPanoramicIndex(q.PanoramicCalc->GetCurrentCurve());
  }
  this->UpdateStatusBar();
  this->RenderAllViews();
}

int CQlmCoreImplant::RingVisible(int i) const {
  const CQlmImplantRings* rings = this->Owner->RingContainer;
  if (rings && i < rings->GetCount()) return rings->GetList3D()->GetListItemAt(i)->GetVisible();
  return this->Owner->ImplantContainer->GetList3D()->GetListItemAt(i)->RingVisible;
}

void CQlmCoreImplant::SetRingVisible(int i, int visible) {
  CQlmQuorvantile& q = *this->Owner;
  if (q.RingContainer) q.RingContainer->SetVisibility(i, visible);
  if (i < q.ImplantContainer->GetCount()) q.ImplantContainer->GetList3D()->GetListItemAt(i)->RingVisible = visible;
}

void CQlmCoreImplant::SetImplantVisible(int i, int visible) {
  CQlmImplants& implants = *this->Owner->ImplantContainer;
  if (i < 0 || i >= implants.GetCount()) return;
  ForEachRepresentation(implants, i, [visible](auto& implant) { implant.SetVisibility(visible); });
}

void CQlmCoreImplant::SetConnectorVisible(int i, int visible) {
  CQlmImplants& implants = *this->Owner->ImplantContainer;
  if (i < 0 || i >= implants.GetCount()) return;
  ForEachRepresentation(implants, i, [visible](auto& implant) { implant.SetVisibilityConector(visible); });
}

void CQlmCoreImplant::SetColours(int i, const float screw[3], const float connector[3]) {
  CQlmImplants& implants = *this->Owner->ImplantContainer;
  if (i < 0 || i >= implants.GetCount()) return;
  ForEachRepresentation(implants, i, [screw, connector](auto& implant) {
    implant.SetScrewColor(screw[0], screw[1], screw[2]);
    implant.SetConectorColor(connector[0], connector[1], connector[2]);
  });
}
