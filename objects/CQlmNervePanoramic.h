#pragma once
// A nerve's outline in the panoramic view: its tube cut along the current
// curve, or along the nerve's own axial line while the nerve window shows it.
#include "objects/CQlmMeshCutPanoramic.h"

class vtkAlgorithmOutput;
class vtkPolyData;

class CQlmNervePanoramic : public CQlmMeshCutPanoramic {
public:
  static CQlmNervePanoramic* CreateObject() { return new CQlmNervePanoramic; }

  // The nerve's tube (CQlmNerve3D::GetOutputPort).
  void SetInputMesh(vtkAlgorithmOutput* tube) { this->SetInputConnection(tube); }
  // The line (planning frame, not owned) along which the tube is unrolled in
  // place of the calculator's current curve.
  void SetPanoramicLine(vtkPolyData* line);
};
