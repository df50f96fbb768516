#pragma once
// The implant tool. In insert mode (1) a left click on empty space in the
// axial view, the panoramic view or a cross-section cell adds a generic
// implant of the project's implant dimensions there and selects it; in the
// library insert mode (5) it adds the implant and component chosen on the
// implant tool bar, from the implant library in use ("Standard": the generic
// connector of 2.5 mm), and nothing while no implant is chosen. A click on
// an implant or its guide ring selects the implant and inserts nothing; in
// the 3D view a click only selects. The clicked view renders at once, the
// other views at the release.
//
// Move (2) and rotate (3) drag the selected implant as every object tool
// does (CQlmCoreObject), the guide ring following; a turn of a grabbed
// generic connector turns the connector alone. A right click on the selected
// implant opens its context menu (resource 192). Every change is recorded
// first in the undo snapshots (ImplantUndoRecord), which Undo and Redo walk.
#include <optional>

#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"
#include "tools/CQlmCoreObject.h"
#include "tools/CQlmUndoRecords.h"
#include "tools/ImplantUndoRecord.h"

class CQlmImplant3D;
class CQlmImplants;
class vtkImplantCustom;
class vtkImplantLib;

class CQlmCoreImplant : public CQlmCoreObject {
public:
  // Insert a generic implant (1), the implant chosen on the implant tool bar (5).
  enum ImplantModes { InsertGeneric = Insert, InsertLibrary = 5 };

  // The core in mode 0; Owner is set by the controller.
  static CQlmCoreImplant* New() { return new CQlmCoreImplant; }

  // The 2D views pick on the layer of the implant outlines while the tool is
  // attached (the cross sections as every object tool).
  void ActivateMain(CQlm3DWindow* window) override;
  void DeactivateCross(CQlm3DWindow9* window) override;
  void DeactivateMain(CQlm3DWindow* window) override;
  // Mode 5 inserts as mode 1 does; the other modes as every object tool.
  void OnMainViewEvent() override;
  void OnCrossViewEvent() override;

  // Pane 1 of the status bar: StatusText of the controller's implants.
  void UpdateStatusBar() override;
  // The selected implant's measures (generic), name and connector height
  // (library implant, generic connector) or names (library component); the
  // empty labels while none is selected.
  static CString StatusText(const CQlmImplants& implants);

  // Records implant `index` (-1: the selected one) before a change of kind
  // `action` (QlmUndoAction); without `keepRedo` the redo snapshots are emptied.
  void PushUndo(int action, int index, int keepRedo) override;
  // Reverse the newest undo snapshot, respectively re-apply the newest redo
  // snapshot; false when there was none (or its implant no longer exists).
  bool Undo() override;
  bool Redo() override;
  const CQlmUndoRecords<ImplantUndoRecord>& GetRecords() const { return this->Records; }

protected:
  CQlmCoreImplant() = default;

  bool IsReady() const override;
  // The implant whose object, or whose ring, is `actor` in the lists of `view`.
  int FindPicked(int view, const vtkActor* actor) const override;
  int GetSelectedIndex() const override;
  void SetSelected(int index, int selected) override;
  bool InsertItem(const void* window, const double point[3], int cell) override;
  // The implant's platform in the view (its cut's fulcrum).
  void GetPositionInView(int view, int index, int cell, double position[3]) override;
  void PreviewDrag(int view, int index, int cell, const double drag[16]) override;
  void CommitDrag(int view, int index, int cell) override;
  void GetPlacement(int index, double matrix[16]) const override;
  void SetPlacement(int index, const double matrix[16]) override;
  void RunContextMenu(int view, int index) override;

private:
  // The component entry of a library implant's generic connector, and that connector's height (mm).
  static constexpr const char* GenericComponent = "Standard";
  static constexpr float GenericComponentHeight = 2.5f;
  // A library implant carrying a library component, not the generic connector.
  static bool HasLibraryComponent(const CQlmImplant3D& implant);

  void LibraryInsertEvent(int view);
  // The implant chosen on the implant tool bar at `point` of `window`; false, and nothing added, without one.
  bool AddChosenLibraryImplant(const void* window, const double point[3], int cell);
  void PickOnOutlines(CQlm3DWindow* window, bool outlines);

  // Context menu (CQlmCoreImplantMenu.cpp).
  void RunMenuCommand(UINT command, int view, int cell, int x, int y);
  std::optional<float> AskValue(float current, int x, int y);
  void EditSize(UINT command, int x, int y);
  void EditConnectorAngle(int view, int cell, int x, int y);
  void ChooseColour(UINT command);
  void ToggleImplant();
  void ToggleConnector();
  void ToggleRing();
  void DeleteSelected();
  bool PickFromLibrary(vtkImplantLib* library, const CQlmImplant3D& implant, int mode, const CString& name, int x, int y,
                       vtkImplantCustom*& chosen);
  void ChooseLibraryImplant(int x, int y);
  void ChooseLibraryComponent(int x, int y);
  // After a size or library change: the ring rebuilt at the views' indices, status, render.
  void RebuildRing(int i);
  int RingVisible(int i) const;
  // Implant i's ring, itself, its connector, its colours in the four views.
  void SetRingVisible(int i, int visible);
  void SetImplantVisible(int i, int visible);
  void SetConnectorVisible(int i, int visible);
  void SetColours(int i, const float screw[3], const float connector[3]);

  // Snapshots (CQlmCoreImplantUndo.cpp).
  void Fill(ImplantUndoRecord& record) const;
  bool Applicable(const ImplantUndoRecord& record, bool redo) const;
  void Reverse(const ImplantUndoRecord& record, bool redo);
  void Recreate(const ImplantUndoRecord& record, bool allProperties);
  void RemoveAt(int index);
  void RestoreVisibility(int index, const ImplantUndoRecord& record);

  CQlmUndoRecords<ImplantUndoRecord> Records;
};
