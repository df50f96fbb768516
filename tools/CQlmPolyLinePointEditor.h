#pragma once
// The point-editing steps that the arch-curve and the nerve tools share, on
// any polyline with control points and the 2D view style whose events drive it.
class CQlmInteractorStyle2;
class CQlmPolyLineBase;

class CQlmPolyLinePointEditor {
public:
  // Adds a point at the cursor: the style's cursor point on the view's plane
  // at `position` (display coordinates of the press) is inserted into the
  // nearest segment when the press hit the line, else a point is added at the
  // nearer end unless the press hit a ball, which is then only selected. The
  // style goes to state 70 for the pick and then into `returnState`. The view
  // is rendered unless a ball was hit.
  static void AddPointAtCursor(CQlmPolyLineBase& line, CQlmInteractorStyle2& style, const int position[2],
                               int returnState);
  // A press in move mode: the ball hit becomes the selected point and the
  // style's object transform starts from its placement; with no ball hit but
  // the line, from the line's placement (the whole line follows). Renders after a change.
  static void PressPoint(CQlmPolyLineBase& line, CQlmInteractorStyle2& style);
  // A move in move mode: the selected point, or the whole line when the press
  // hit it, follows the style's object transform. Renders after a change.
  static void DragPoint(CQlmPolyLineBase& line, CQlmInteractorStyle2& style);
  // One event of move mode: a press, a move, or a right press that adds a
  // point. True at a button's release, where the tool recomputes.
  static bool MoveModeEvent(CQlmPolyLineBase& line, CQlmInteractorStyle2& style, int event);
};
