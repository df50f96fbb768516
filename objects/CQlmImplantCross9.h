#pragma once
// An implant as its outlines in the nine cross-sections: sections at arc
// lengths (first index + k) x spacing along the arch, each section's plane
// mirrored in y as the sections are shown, cell k showing section k.
#include "objects/CQlmImplantCut.h"

class CQlmLayeredWindow9;
class CQlmPanoramicCalc;
class vtkImageData;
class vtkMatrix4x4;
class vtkImplantCross9;

class CQlmImplantCross9 : public CQlmImplantCut {
public:
  static CQlmImplantCross9* CreateObject() { return new CQlmImplantCross9; }
  CQlmImplantCross9();
  ~CQlmImplantCross9() override;

  void SetWindow(CQlmLayeredWindow9* window) { this->Window = window; }
  // Volume centre, the arch geometry (not owned) and the section spacing (mm).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing);
  // Ignored for the current index, a negative one or one beyond the largest.
  void SetCrossIndex(int index);
  // Keeps the first index at the same fraction of the arch, within 0 .. max(0, largest).
  void SetCrossSpacing(float spacing);
  // Only the middle section is cut while on.
  void SetSingleCrossSection(int on);
  int GetCrossIndex() const { return this->FirstIndex; }
  int GetLargestIndex() const { return this->LargestIndex; }
  vtkImplantCross9* GetCrossCutter() const { return this->CrossCutter; }

  // The drag in section k (0..8; others are ignored): previews about the
  // platform in that section, then the commit into the 3D implant.
  void SetUserMatrix(int k, vtkMatrix4x4* implantMatrix);
  void SetConectorUserMatrix(int k, vtkMatrix4x4* connectorMatrix);
  void ApplyUserMatrix(int k);

protected:
  vtkRenderer* SectionRenderer(int k) const override;
  vtkActor2D* SectionLabel(int k) const override;
  const double* SectionLabelAnchor(int k) const override;

private:
  int ComputeLargestIndex() const;
  void UpdateCutters();
  void SetSection(int k, float arc);

  vtkImplantCross9* CrossCutter;
  CQlmLayeredWindow9* Window = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
  double Offset[3] = {0.0, 0.0, 0.0};
  int LargestIndex = -1;
  int FirstIndex = -10;
  float Spacing = 2.0f;
  int Shift = 0;
  int Stale = 0;
  int SingleSection = 0;
  int Turn = 0;
  int Mirror = 1;
};
