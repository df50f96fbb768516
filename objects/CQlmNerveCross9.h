#pragma once
// A nerve's outlines in the nine cross-sections: its tube cut by each section.
#include "objects/CQlmMeshCutCross9.h"

class vtkAlgorithmOutput;

class CQlmNerveCross9 : public CQlmMeshCutCross9 {
public:
  static CQlmNerveCross9* CreateObject() { return new CQlmNerveCross9; }

  // The nerve's tube (CQlmNerve3D::GetOutputPort).
  void SetInputMesh(vtkAlgorithmOutput* tube) { this->SetInputConnection(tube); }
};
