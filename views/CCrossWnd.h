#pragma once
// The cross-section view: the 3x3 window of nine sections, moved along the arch by its vertical scroll bar.
// Made by the main frame's splitter; its render-window wrapper paints it.
#include "platform/gui/CWnd.h"

class CQlmQuorvantile;

class CCrossWnd : public CWnd {
public:
  // Adds the vertical scroll bar to `style`.
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) override;

  // The current controller; not owned. The main frame sets it whenever it makes one.
  CQlmQuorvantile* Quorvantile = nullptr;
};
