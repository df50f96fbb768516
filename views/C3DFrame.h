#pragma once
// The frame of the 3D view: the lower right pane of the main frame, holding
// the 3D view window.
#include "platform/gui/CFrameWnd.h"
#include "views/C3DWnd.h"

class CQlmQuorvantile;

class C3DFrame : public CFrameWnd {
public:
  C3DWnd View;
  // The current controller; not owned. The main frame sets it whenever it makes one.
  CQlmQuorvantile* Quorvantile = nullptr;

protected:
  // Creates the embedded view over the whole client area.
  int OnCreate() override;
};
