#pragma once
// What the single-view and the 3x3 state records have in common: the record
// that an interactor shares with the editing tools. The styles write the
// event, the modifiers and the press points; the interactor's operations
// write the picked actor, the cursor point and the object transform; the
// tools write the frame transform, the pivot point and the state.
#include <vtkActor.h>
#include <vtkNew.h>
#include <vtkTransform.h>
#include <vtkWeakPointer.h>

class vtkCamera;
class vtkRenderWindow;

class CQlmInteractorRecord {
public:
  virtual ~CQlmInteractorRecord() = default;
  CQlmInteractorRecord(const CQlmInteractorRecord&) = delete;
  CQlmInteractorRecord& operator=(const CQlmInteractorRecord&) = delete;

  // Sets the five modifier flags from a mouse-message flag word (QlmMouseFlag bits).
  void SetModifiers(unsigned flags);

  // The bound wrapper's render window and shared camera; not owned.
  vtkRenderWindow* RenderWindow = nullptr;
  vtkCamera* Camera = nullptr;

  // Every object move, rotation and scale is post-multiplied into it (world
  // coordinates); the tools apply it to their objects and reset it.
  vtkNew<vtkTransform> ObjectTransform;
  // The picked object's frame, set by the tools: columns 0, 1, 2 of its
  // matrix are the object's x, y, z axes, its translation the object's origin.
  vtkNew<vtkTransform> FrameTransform;

  // The actor hit by the last pick; null when nothing was hit.
  vtkWeakPointer<vtkActor> PickedActor;

  // x, y, z, w. Pivot: set by the tools, centre of the pivot-based camera
  // moves and of the in-view rotation. Centre: centre of the centre-based
  // camera moves and of the 2D limits. Cursor: the point computed for the tools.
  float PivotPoint[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  float CenterPoint[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  float CursorPoint[4] = {0.0f, 0.0f, 0.0f, 1.0f};

  // The interaction state as the tools see it (QlmState).
  int State = 0;
  // The last mouse event (QlmEvent).
  int Event = 0;

  // Right press and left double click, in display (y up) and in window (y down) coordinates.
  int RightPressDisplay[2] = {0, 0};
  int RightPressWindow[2] = {0, 0};
  int DoubleClickDisplay[2] = {0, 0};
  int DoubleClickWindow[2] = {0, 0};

  // Modifier flags of the last event, 0 or 1.
  int Control = 0;
  int Shift = 0;
  int LeftButton = 0;
  int MiddleButton = 0;
  int RightButton = 0;

protected:
  CQlmInteractorRecord() = default;
};
