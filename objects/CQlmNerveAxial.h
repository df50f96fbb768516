#pragma once
// A nerve's outline in the axial view: its tube cut by the current slice.
#include "objects/CQlmMeshCutAxial.h"

class vtkAlgorithmOutput;

class CQlmNerveAxial : public CQlmMeshCutAxial {
public:
  static CQlmNerveAxial* CreateObject() { return new CQlmNerveAxial; }

  // The nerve's tube (CQlmNerve3D::GetOutputPort).
  void SetInputMesh(vtkAlgorithmOutput* tube) { this->SetInputConnection(tube); }
};
