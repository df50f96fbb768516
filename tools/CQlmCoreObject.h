#pragma once
// What the object tools share (teeth, library meshes, implants, multi-part
// objects): picking and highlighting in all four views with the pending
// renders of the event's view and of the others, the insert step, the 2D and
// 3D drags that move, turn and scale the selected object (one placement
// snapshot per drag that changed it), the Shift latch that turns a move into
// a turn, the scale axis chosen at a press, the mouse moves skipped after a
// box closed by a click, and the event table of modes 1 to 5.
//
// A family supplies its lists, selection, drag entries and snapshots through
// the pure virtual operations below.
#include <QPoint>

#include "tools/CQlmCore.h"
#include "tools/CQlmUndoable.h"

class CQlmInteractorBase;
class CQlmInteractorRecord;
class CQlmPickList;
class vtkActor;
class vtkMatrix4x4;

class CQlmCoreObject : public CQlmCore, public CQlmUndoable {
public:
  enum Modes { Off = 0, Insert = 1, Move = 2, Rotate = 3, Select = 4, Scale = 5 };

  // The 2D views pick on the objects' layer (2), the 3D view on layer 3.
  void ActivateCross(CQlm3DWindow9* window) override;
  void ActivateMain(CQlm3DWindow* window) override;
  void DeactivateMain(CQlm3DWindow* /*window*/) override {}
  // Pick, the mode's handler, then the context menu; nothing in mode 0.
  void OnMainViewEvent() override;
  void OnCrossViewEvent() override;

  // The activation every object tool and the composite share: the
  // cross-section cells pick on layer 2; the 3D view on layer 3, the axial
  // and panoramic views on layer 2 (the layers holding the objects).
  static void PickObjectsInCross(CQlmQuorvantile& controller);
  static void PickObjectsInMainViews(CQlmQuorvantile& controller);

  // The view (QlmView) whose render window is `window`; -1 for another one.
  static int ViewOf(const CQlmQuorvantile& controller, const CQlm3DWindow* window);
  // Renders the window of `view` (QlmView).
  static void RenderWindow(const CQlmQuorvantile& controller, int view);
  // The interactor style of `view` (QlmView); the 3D style for any other code.
  static CQlmInteractorBase& StyleOf(const CQlmQuorvantile& controller, int view);

  // All 16 values equal, compared exactly.
  static bool MatricesEqual(const double a[16], const double b[16]);
  // The first three rows equal the identity's, compared exactly.
  static bool IsIdentity(const vtkMatrix4x4* matrix);

  // Mouse moves the drag handlers still swallow: a value box or a pick-list
  // closed by a click sets MovesSkippedAfterClick.
  int SkipMoves = 0;
  static constexpr int MovesSkippedAfterClick = 2;

protected:
  enum class Drag { Move, Rotate, Scale };

  CQlmCoreObject() = default;

  // Whether the family's objects exist (a project is open).
  virtual bool IsReady() const = 0;
  // The family's index of the object owning `actor` in the lists of `view`
  // (QlmView), -1 for none; the first selected object, -1 for none.
  virtual int FindPicked(int view, const vtkActor* actor) const = 0;
  virtual int GetSelectedIndex() const = 0;
  // Object `index` (de)selected in all four views.
  virtual void SetSelected(int index, int selected) = 0;
  // Adds the family's current item at `point` of `window` (cell of the cross
  // sections, -1 in a main view), left the only selected object; false, and
  // nothing added, when there is no item or the container refuses it.
  virtual bool InsertItem(const void* window, const double point[3], int cell) = 0;
  // The object's position in the plane of `view` (cross sections: `cell`), z = 0.
  virtual void GetPositionInView(int view, int index, int cell, double position[3]) = 0;
  // The drag shown by the object's cut in `view`, and committed into its placement.
  virtual void PreviewDrag(int view, int index, int cell, const double drag[16]) = 0;
  virtual void CommitDrag(int view, int index, int cell) = 0;
  // The placement of the 3D object, 16 values row by row.
  virtual void GetPlacement(int index, double matrix[16]) const = 0;
  virtual void SetPlacement(int index, const double matrix[16]) = 0;
  // After the mode's handler, on a right press over the selected object.
  virtual void RunContextMenu(int view, int index) = 0;

  // Visits the four representations of object `index` of `container`: 3D, axial, cross sections, panoramic.
  template <class Container, class Visit>
  static void ForEachRepresentation(Container& container, int index, Visit visit) {
    visit(*container.GetList3D()->GetListItemAt(index));
    visit(*container.GetListAxial()->GetListItemAt(index));
    visit(*container.GetListCross()->GetListItemAt(index));
    visit(*container.GetListPanoramic()->GetListItemAt(index));
  }

  // The view of the latest main-view event (QlmView), -1 for another window.
  int MainViewCode() const;
  CQlmInteractorRecord& RecordOf(int view) const;
  // The layered window of a 2D view, as the containers know it.
  const void* LayeredWindowOf(int view) const;
  // Where a context menu of `view` opens: the right press, in screen coordinates.
  QPoint MenuPoint(int view) const;
  // Runs `list`; true when Enter or a double click chose an entry (a double
  // click that closed it keeps the next moves from dragging).
  bool RunPickList(CQlmPickList& list);
  // The colour dialog opened on `current` (0 to 1); false when cancelled, else the choice in `chosen` (0 to 1).
  static bool AskColour(const float current[3], float chosen[3]);

  // At a press: the index of the object under the pointer (-1 for none),
  // which becomes the only selected one (a right press on empty space keeps
  // the selection). Other events: -1, nothing changes.
  int Pick(int view);
  // Insert mode (and select mode with `picked` 0, which never inserts).
  void InsertStep(int view, int picked);
  void DragStep(int view, Drag drag);
  void ContextMenuStep(int view, int picked);
  // The pending renders done before a box opens.
  void FlushRenders(int view);
  void RenderView(int view);
  void RenderOtherViews(int view);
  // Axial, panoramic, cross sections, 3D.
  void RenderAllViews();
  // After an undo or redo that `acted`: the status bar and the four views; `acted` passed on.
  bool FinishUndo(bool acted);

  // 1 when the event's view must render again; 1 when the others must at the release.
  int ViewDirty = 0;
  int OthersDirty = 0;

private:
  void HandleEvent(int view);
  void MoveMode(int view);
  void ScaleMode(int view);
  void ChooseScaleAxis(int view);
  void Drag2D(int view, Drag drag);
  void Drag3D(Drag drag);
  void SetMainStates(int state3D, int state2D);
  void ResetCutTransforms();

  double DragStart[16] = {};
  double DragEnd[16] = {};
  double DragCurrent[16] = {};
  int RotateLatchMain = 0;
  int RotateLatchCross = 0;
  // 0 uniform in 3D, 1 Shift, 2 Ctrl, 3 both (3D), 4 uniform in 2D.
  int ScaleAxisMain = 0;
  int ScaleAxisCross = 4;
};
