#pragma once
// A guide ring's outline in the panoramic view, unrolled as its implant's
// outline is (the thick projection takes the segment nearest to the implant).
#include "objects/CQlmMeshCutPanoramic.h"

class CQlmImplantPanoramic;
class CQlmImplantRing3D;
class vtkMatrix4x4;
class vtkRingCutterPanoramic;

class CQlmImplantRingPanoramic : public CQlmMeshCutPanoramic {
public:
  static CQlmImplantRingPanoramic* CreateObject() { return new CQlmImplantRingPanoramic; }
  CQlmImplantRingPanoramic();

  // The ring (not owned) whose placed mesh is cut; its implant's placement guides the thick projection.
  void SetRing(CQlmImplantRing3D* ring);
  CQlmImplantRing3D* GetRing() const { return this->Ring; }
  // As the mesh cut's, and the implant's panoramic cut (not owned), whose fulcrum a drag turns about.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, CQlmImplantPanoramic* implantCut);
  // Follows the implant's drag M about the fulcrum of the implant's panoramic cut.
  void SetUserMatrix(vtkMatrix4x4* matrix);

protected:
  bool IsShowable() const override;

private:
  vtkRingCutterPanoramic* RingCutter;
  CQlmImplantRing3D* Ring = nullptr;
  CQlmImplantPanoramic* ImplantCut = nullptr;
};
