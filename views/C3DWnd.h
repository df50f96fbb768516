#pragma once
// The 3D view window, embedded in the 3D frame; its render-window wrapper paints it.
#include "platform/gui/CWnd.h"

class CQlmQuorvantile;

class C3DWnd : public CWnd {
public:
  // The current controller; not owned. The main frame sets it whenever it makes one.
  CQlmQuorvantile* Quorvantile = nullptr;
};
