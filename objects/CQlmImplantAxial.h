#pragma once
// An implant as its outline in the axial view: the slice plane, turned
// 180 degrees about x, so that the outlines lie in the planning frame the view shows.
#include "objects/CQlmAxialPlane.h"
#include "objects/CQlmImplantCut.h"

class CQlmLayeredWindow;
class vtkImageData;
class vtkMatrix4x4;
class vtkImplantAxial;

class CQlmImplantAxial : public CQlmImplantCut {
public:
  static CQlmImplantAxial* CreateObject() { return new CQlmImplantAxial; }
  CQlmImplantAxial();
  ~CQlmImplantAxial() override;

  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  // Volume centre, slice spacing and count; the first call puts the plane at slice 0.
  void SetInput(vtkImageData* image) { this->Plane.SetInput(image); }
  // Ignored for the current slice, a negative index or one beyond the slice count.
  void SetAxialIndex(int index) { this->Plane.SetAxialIndex(index); }
  int GetAxialIndex() const { return this->Plane.GetCurrentSlice(); }
  vtkImplantAxial* GetAxialCutter() const { return this->AxialCutter; }

  // The drag: previews about the platform, then the commit into the 3D implant.
  // Connector matrix then commit, with an identity implant matrix, also tilts
  // a connector outside a drag (the implant table).
  void SetUserMatrix(vtkMatrix4x4* implantMatrix);
  void SetConectorUserMatrix(vtkMatrix4x4* connectorMatrix);
  void ApplyUserMatrix();

protected:
  vtkRenderer* SectionRenderer(int k) const override;
  vtkActor2D* SectionLabel(int k) const override;
  const double* SectionLabelAnchor(int k) const override;

private:
  vtkImplantAxial* AxialCutter;
  CQlmLayeredWindow* Window = nullptr;
  CQlmAxialPlane Plane;
};
