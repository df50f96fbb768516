#pragma once
// A tooth or library mesh as its outline in the axial view: the slice plane,
// turned 180 degrees about x, so that the outline lies in the planning frame
// the view shows; the label at the mesh's centre seen in the slice.
#include "objects/CQlmAxialPlane.h"
#include "objects/CQlmGeomCut.h"

class CQlmLayeredWindow;
class vtkGeomAxial;
class vtkImageData;

class CQlmGeomAxial : public CQlmGeomCut {
public:
  static CQlmGeomAxial* CreateObject() { return new CQlmGeomAxial; }
  CQlmGeomAxial();
  ~CQlmGeomAxial() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // Volume centre, slice spacing and count; the first call puts the plane at slice 0.
  void SetInput(vtkImageData* image) { this->Plane.SetInput(image); }
  // Ignored for the current slice, a negative index or one beyond the slice count.
  void SetAxialIndex(int index) { this->Plane.SetAxialIndex(index); }
  int GetAxialIndex() const { return this->Plane.GetCurrentSlice(); }
  vtkGeomAxial* GetAxialCutter() const { return this->AxialCutter; }

  // The drag (16 values row by row, the view's frame) previewed about the
  // object's origin, then carried into the 3D placement on release.
  void SetInteractionMatrix(const double drag[16]);
  void ApplyMotionTo3D();

protected:
  vtkRenderer* SectionRenderer(int k) const override;

private:
  vtkGeomAxial* AxialCutter;
  CQlmLayeredWindow* Window = nullptr;
  CQlmAxialPlane Plane;
};
