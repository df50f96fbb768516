#pragma once
// The implant tool. In insert mode (1) a left click on empty space in the
// axial view, the panoramic view or a cross-section cell adds a generic
// implant of the project's implant dimensions there and selects it; in the
// library insert mode (5) it adds the implant and component chosen on the
// implant tool bar, from the implant library in use ("Standard": the generic
// connector of 2.5 mm), and nothing while no implant is chosen. A click on
// an implant selects it and inserts nothing; in the 3D view a click only
// selects. The clicked view renders at once, the other views at the release.
//
// In move mode (2) a drag moves the selected implant in the view, or turns
// it when Shift was held at the press; in rotate mode (3) a drag turns it (a
// grabbed connector of a generic connector turns alone). The guide ring
// follows the drag; the release commits it. A right click on the selected
// implant opens its context menu (resource 192). Every change is recorded
// first in 25 undo snapshots, which Undo and Redo walk.
#include <array>
#include <optional>

#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"
#include "tools/CQlmCore.h"
#include "tools/ImplantUndoRecord.h"

class CQlmImplants;
class CQlmInteractorRecord;
class vtkMatrix4x4;

class CQlmCoreImplant : public CQlmCore {
public:
  enum Modes { Off = 0, InsertGeneric = 1, Move = 2, Rotate = 3, Select = 4, InsertLibrary = 5 };
  static constexpr int Snapshots = 25;
  // Moves ignored after a click closed a value box or a pick-list.
  static constexpr int MovesSkippedAfterClick = 2;

  // The core in mode 0; Owner is set by the controller.
  static CQlmCoreImplant* New() { return new CQlmCoreImplant; }

  // The 2D views pick on the layer of the implant outlines while the tool is attached.
  void ActivateCross(CQlm3DWindow9* window) override;
  void ActivateMain(CQlm3DWindow* window) override;
  void DeactivateCross(CQlm3DWindow9* window) override;
  void DeactivateMain(CQlm3DWindow* window) override;
  void OnMainViewEvent() override;
  void OnCrossViewEvent() override;

  // Pane 1 of the status bar: StatusText of the controller's implants.
  void UpdateStatusBar();
  // The selected implant's measures (generic), name and connector height
  // (library implant, generic connector) or names (library component); the
  // empty labels while none is selected.
  static CString StatusText(const CQlmImplants& implants);

  // Records implant `index` (-1: the selected one) before a change of kind
  // `action`; without `keepRedo` the redo snapshots are emptied.
  void PushUndo(int action, int index, int keepRedo);
  // Reverse the newest undo snapshot, respectively re-apply the newest redo
  // snapshot; nothing when there is none.
  void Undo();
  void Redo();
  // Snapshot k (0 the newest); an empty one has Valid 0.
  const ImplantUndoRecord& GetUndoRecord(int k) const { return this->UndoRecords[k]; }
  const ImplantUndoRecord& GetRedoRecord(int k) const { return this->RedoRecords[k]; }

  // 1 when the 16 elements are equal, else 0.
  static int MatricesEqual(const double a[16], const double b[16]);

protected:
  CQlmCoreImplant() = default;

private:
  using Records = std::array<ImplantUndoRecord, Snapshots>;
  // At a press: the index of the implant under the pointer in the view's
  // list, -1 for none; it becomes the only selected one (a right press on
  // empty space keeps the selection). Other events: -1, nothing changes.
  int Pick(const CQlmInteractorRecord& record, int view);
  // The implant whose object, or whose ring, the press picked in the view's list; -1 for none.
  int PickedIndex(const CQlmInteractorRecord& record, int view) const;
  void Insert(const CQlmInteractorRecord& record, int view, int picked, int cell);
  bool IsInsertMode() const { return this->Mode == InsertGeneric || this->Mode == InsertLibrary; }
  // The implant chosen on the implant tool bar at `point` of `window`; false, and nothing added, without one.
  bool AddChosenLibraryImplant(const void* window, const double point[3], int cell);
  void Select3D(const CQlmInteractorRecord& record);
  void PickOnOutlines(CQlm3DWindow* window, bool outlines);
  // Status bar, the view, its render flag cleared.
  void RenderView(int view);
  void Render(int view);
  void RenderOtherViews(int view);

  // Context menu (CQlmCoreImplantMenu.cpp).
  void ContextMenuCross();
  void ContextMenuMain();
  void ContextMenu(const CQlmInteractorRecord& record, int view, int cell);
  void RunMenuCommand(UINT command, int view, int cell, int x, int y);
  std::optional<float> AskValue(float current, int x, int y);
  void EditSize(UINT command, int x, int y);
  void EditConnectorAngle(int view, int cell, int x, int y);
  void ChooseColour(UINT command);
  void ToggleImplant();
  void ToggleConnector();
  void ToggleRing();
  void DeleteSelected();
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
  void RenderAll();

  // Drags (CQlmCoreImplantDrag.cpp).
  void StepCross();
  void StepMain();
  int MainViewKind() const;
  CQlmInteractorRecord& MainRecord() const;
  void LatchShiftCross();
  void LatchShiftMain();
  void ReleaseShiftCross();
  void ReleaseShiftMain();
  void MoveCross();
  void MoveMain();
  void RotateCross();
  void RotateMain();
  void Drag2D(CQlmInteractorRecord& record, int view, int cell, bool rotate);
  void Drag3D(CQlmInteractorRecord& record);
  bool SkipMove(CQlmInteractorRecord& record);
  void PreviewDrag(const CQlmInteractorRecord& record, int view, int cell, bool rotate);
  void CommitDrag(int view, int cell);
  void SetRotationCentre(CQlmInteractorRecord& record, int view, int cell) const;
  static bool IsIdentity(vtkMatrix4x4* matrix);

  // Snapshots (CQlmCoreImplantUndo.cpp).
  void CopyToRedo();
  void Fill(ImplantUndoRecord& record, int index) const;
  void Reverse(const ImplantUndoRecord& record, bool redo);
  void Recreate(const ImplantUndoRecord& record, bool allProperties);
  void RemoveAt(int index);
  void RestoreVisibility(int index, const ImplantUndoRecord& record);
  int Selected() const;

  int ViewRenderPending = 0;
  int OtherViewsRenderPending = 0;
  Records UndoRecords;
  Records RedoRecords;
  double DragStartMatrix[16] = {};
  double DragEndMatrix[16] = {};
  double DragCurrentMatrix[16] = {};
  int SkippedMoves = 0;
  int MainRotateLatch = 0;
  int CrossRotateLatch = 0;
};
