#pragma once
// The controller's reduced display: while the 3D view is dragged the
// imported 3D objects are drawn as points, and when the drag ends each gets
// back the display mode it had when the drag began.
#include <vector>

#include "app/CQlmDegradation.h"

class CQlmObjectList;

class CQlmDegradationQuorvantile : public CQlmDegradation {
public:
  // Called on every drag step: the first one of a drag keeps each object's
  // mode and switches it to points; nothing while Enabled is 0.
  void StartInteraction() override;
  // Gives each object the mode kept at the drag's start.
  void EndInteraction() override;

  // The imported 3D objects; not owned, null for none.
  CQlmObjectList* Objects = nullptr;

private:
  // The objects' modes at the start of the current drag; empty between drags.
  std::vector<int> KeptModes;
  bool Dragging = false;
};
