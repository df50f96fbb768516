#pragma once
// State record of the 3x3 cross-section interactor: the renderers of the nine
// cells and the current cell, the one under the pointer at the last press.
#include "views/CQlmInteractorRecord.h"

class vtkRenderer;

class CQlmInteractorStruct9 : public CQlmInteractorRecord {
public:
  static constexpr int CellCount = 9;

  static CQlmInteractorStruct9* New();

  // Index = cell 0 to 8, copied from the wrapper.
  vtkRenderer* Renderer3[CellCount] = {};
  vtkRenderer* Renderer2[CellCount] = {};
  vtkRenderer* Renderer1[CellCount] = {};
  vtkRenderer* Renderer0[CellCount] = {};
  // Where each cell picks: layer 3 after SetWindow, layer 2 or 1 after SetPickLayer2/1.
  vtkRenderer* PickRenderer[CellCount] = {};

  // 0 to 8; conversions and picks use this cell's renderers.
  int CurrentCell = 4;

protected:
  CQlmInteractorStruct9() = default;
};
