#pragma once
// The small 3D view of the library editors: a preview control whose style
// (CQlmInteractorStyle3) starts as a trackball (state 68), so a left drag
// rotates the item at once from near the centre and rolls it from near the
// edge. The middle button pans and renders on release; the wheel zooms.
// Frame and title ("Geometria 3D") are black; it has no HU scale.
#include "views/CQlmInteractorStyle3.h"
#include "views/CStaticPreview.h"

class CStaticVTK : public CStaticPreview<CQlmInteractorStyle3> {
public:
  CStaticVTK();

protected:
  void OnMButtonDown(UINT flags, CPoint point) override;
  void OnMButtonUp(UINT flags, CPoint point) override;
  void OnMouseWheel(UINT flags, short delta, CPoint point) override;
};
