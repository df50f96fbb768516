#pragma once
// A guide ring's outlines in the nine cross-sections.
#include "objects/CQlmMeshCutCross9.h"

class CQlmImplantRing3D;
class vtkMatrix4x4;

class CQlmImplantRingCross9 : public CQlmMeshCutCross9 {
public:
  static CQlmImplantRingCross9* CreateObject() { return new CQlmImplantRingCross9; }

  // The ring (not owned) whose placed mesh is cut.
  void SetRing(CQlmImplantRing3D* ring);
  CQlmImplantRing3D* GetRing() const { return this->Ring; }
  // Follows the implant's drag M in section k (0..8) about the implant's origin there.
  void SetUserMatrix(int k, vtkMatrix4x4* matrix);

protected:
  bool IsShowable() const override;

private:
  CQlmImplantRing3D* Ring = nullptr;
};
