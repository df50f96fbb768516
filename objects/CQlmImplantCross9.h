#pragma once
// An implant as its outlines in the nine cross-sections, cell k showing section k.
#include "objects/CQlmCrossSections.h"
#include "objects/CQlmImplantCut.h"

class CQlmLayeredWindow9;
class vtkMatrix4x4;
class vtkImplantCross9;

class CQlmImplantCross9 : public CQlmImplantCut {
public:
  static CQlmImplantCross9* CreateObject() { return new CQlmImplantCross9; }
  CQlmImplantCross9();
  ~CQlmImplantCross9() override;

  void SetWindow(CQlmLayeredWindow9* window) { this->Window = window; }
  // The sections follow the rules of CQlmCrossSections.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
    this->Sections.SetInput(image, calculator, spacing);
  }
  void SetCrossIndex(int index) { this->Sections.SetCrossIndex(index); }
  void SetCrossSpacing(float spacing) { this->Sections.SetCrossSpacing(spacing); }
  void SetSingleCrossSection(int on) { this->Sections.SetSingleCrossSection(on); }
  // The largest index and the nine section planes again (after an arch edit).
  void UpdateCutters() { this->Sections.UpdateCutters(); }
  int GetCrossIndex() const { return this->Sections.GetCrossIndex(); }
  int GetSingleCrossSection() const { return this->Sections.GetSingleCrossSection(); }
  int GetLargestIndex() const { return this->Sections.GetLargestIndex(); }
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
  vtkImplantCross9* CrossCutter;
  CQlmLayeredWindow9* Window = nullptr;
  CQlmCrossSections Sections;
};
