#pragma once
// An endodontic or orthodontic object as its outlines in the axial view: the
// body's and every part's mesh cut by the slice plane, turned 180 degrees
// about x as the view shows the planning frame. The family's filter class
// comes from CQlmMultiPartCutOf.
#include <vtkNew.h>

#include "objects/CQlmAxialPlane.h"
#include "objects/CQlmMultiPartCut.h"
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkPartCutter.h"

class CQlmLayeredWindow;
class vtkImageData;

class CQlmMultiPartAxial : public CQlmMultiPartCut {
public:
  using Cutter = vtkPartCutter<vtkGeomAxial>;

  ~CQlmMultiPartAxial() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // Volume centre, slice spacing and count; the first call puts the planes at slice 0.
  void SetInput(vtkImageData* image);
  // Ignored for the current slice, a negative index or one beyond the slice count.
  void SetAxialIndex(int index);
  int GetAxialIndex() const { return this->Plane.GetCurrentSlice(); }
  vtkTransform* GetSlicePlane() const { return this->SlicePlane; }

  // The drag (16 values row by row, the view's frame) previewed about the
  // object's origin, then carried into the 3D placement on release.
  void SetInteractionMatrix(const double drag[16]);
  void ApplyMotionTo3D();

protected:
  CQlmMultiPartAxial();
  virtual Cutter* MakeCutter() const = 0;
  vtkGeomCutter* NewCutter(int slot) override;
  vtkRenderer* SectionRenderer(int k) const override;

private:
  void PlaceFilters();

  CQlmLayeredWindow* Window = nullptr;
  vtkNew<vtkTransform> SlicePlane;
  CQlmAxialPlane Plane;
};
