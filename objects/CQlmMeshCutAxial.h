#pragma once
// A mesh's label-less outline in the axial view: the slice plane, turned
// 180 degrees about x, so that the outline lies in the planning frame the view shows.
#include "objects/CQlmAxialPlane.h"
#include "objects/CQlmMeshCut.h"

class CQlmLayeredWindow;
class vtkImageData;
class vtkPolyDataCutterAxial;

class CQlmMeshCutAxial : public CQlmMeshCut {
public:
  static CQlmMeshCutAxial* CreateObject() { return new CQlmMeshCutAxial; }
  CQlmMeshCutAxial();
  ~CQlmMeshCutAxial() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // Volume centre, slice spacing and count; the first call puts the plane at slice 0.
  void SetInput(vtkImageData* image) { this->Plane.SetInput(image); }
  // Ignored for the current slice, a negative index or one beyond the slice count.
  void SetAxialIndex(int index) { this->Plane.SetAxialIndex(index); }
  int GetAxialIndex() const { return this->Plane.GetCurrentSlice(); }
  vtkPolyDataCutterAxial* GetAxialCutter() const { return this->AxialCutter; }

protected:
  vtkRenderer* SectionRenderer(int k) const override;

private:
  vtkPolyDataCutterAxial* AxialCutter;
  CQlmLayeredWindow* Window = nullptr;
  CQlmAxialPlane Plane;
};
