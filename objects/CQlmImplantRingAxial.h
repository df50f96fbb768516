#pragma once
// A guide ring's outline in the axial view.
#include "objects/CQlmMeshCutAxial.h"

class CQlmImplantRing3D;
class vtkMatrix4x4;

class CQlmImplantRingAxial : public CQlmMeshCutAxial {
public:
  static CQlmImplantRingAxial* CreateObject() { return new CQlmImplantRingAxial; }

  // The ring (not owned) whose placed mesh is cut.
  void SetRing(CQlmImplantRing3D* ring);
  CQlmImplantRing3D* GetRing() const { return this->Ring; }
  // Follows the implant's drag M about the implant's origin in the slice plane.
  void SetUserMatrix(vtkMatrix4x4* matrix);

protected:
  bool IsShowable() const override;

private:
  CQlmImplantRing3D* Ring = nullptr;
};
