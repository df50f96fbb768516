#pragma once
// State record of a single-view interactor (axial, panoramic, 3D view).
#include "views/CQlmInteractorRecord.h"

class vtkRenderer;

class CQlmInteractorStruct : public CQlmInteractorRecord {
public:
  static CQlmInteractorStruct* New();

  // The wrapper's layer-3 renderer: every display/world conversion goes through it.
  vtkRenderer* Renderer = nullptr;
  vtkRenderer* Renderer2 = nullptr;
  vtkRenderer* Renderer1 = nullptr;
  vtkRenderer* Renderer0 = nullptr;
  // Where Pick and PickCursorPoint pick: layer 3 after SetWindow; the tools
  // switch it to Renderer2 or Renderer1 when their objects live there.
  vtkRenderer* PickRenderer = nullptr;

  // The toolkit's pick position of the last pick.
  float PickPosition[3] = {0.0f, 0.0f, 0.0f};

protected:
  CQlmInteractorStruct() = default;
};
