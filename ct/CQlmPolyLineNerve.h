#pragma once
// One traced line of a nerve canal: control points and the polyline through
// them, starting from one of four built-in shapes. No cross-section ticks.
#include "ct/CQlmBall.h"
#include "ct/CQlmPolyLineBase.h"

class CQlmPolyLineNerve : public CQlmPolyLineBase {
public:
  // Shape 0, yellow line, red balls.
  CQlmPolyLineNerve();

  // Default shape used by Reset: 0 or 1 for a nerve's first line (right, left),
  // 2 or 3 for its second. Other values are ignored.
  void SetShapeIndex(int index);
  int GetShapeIndex() const { return this->ShapeIndex; }
  // Replaces the points by the default shape; with a window the balls join it.
  void Reset();

  // Replaces the points by n points (x, y, z each), joined to the window when
  // there is one. Refused (false, nothing changed) for n outside 2..StoredPointCapacity.
  bool SetPoints(int n, const float* xyz);

  // Line and balls shown or hidden.
  void SetVisibility(int flag);

  // Balls (2 to StoredPointCapacity on loading), colours, flags and MaxPoints.
  // Loading leaves the shape index and gives the balls no window.
  void Serialize(CArchive& archive) override;

  static constexpr int ShapeCount = 4;
  // The shortest record Serialize reads: two balls with empty names.
  static constexpr size_t MinimumRecordSize = 4 + 2 * CQlmBall::MinimumRecordSize + 4 * 3 * 4 + 3 * 4;

private:
  void SetDefaultShape(int index);

  int ShapeIndex = 0;
};
