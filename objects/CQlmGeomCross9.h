#pragma once
// A tooth or library mesh as its outlines in the nine cross-sections, cell k
// showing section k with label k; the sections follow the rules of
// CQlmCrossSections.
#include "objects/CQlmCrossSections.h"
#include "objects/CQlmGeomCut.h"

class CQlmLayeredWindow9;
class CQlmPanoramicCalc;
class vtkGeomCross9;
class vtkImageData;

class CQlmGeomCross9 : public CQlmGeomCut {
public:
  static CQlmGeomCross9* CreateObject() { return new CQlmGeomCross9; }
  CQlmGeomCross9();
  ~CQlmGeomCross9() override;

  void SetWindow(CQlmLayeredWindow9* window) { this->Window = window; }
  // Volume centre, the arch geometry (not owned) and the section spacing (mm); nothing is cut yet.
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
    this->Sections.SetInput(image, calculator, spacing);
  }
  void SetCrossIndex(int index) { this->Sections.SetCrossIndex(index); }
  void SetCrossSpacing(float spacing) { this->Sections.SetCrossSpacing(spacing); }
  void SetSingleCrossSection(int on) { this->Sections.SetSingleCrossSection(on); }
  void UpdateCutters() { this->Sections.UpdateCutters(); }
  // Also makes the next index change cut all nine sections afresh.
  void SetVisibility(int visible) override;

  int GetCrossIndex() const { return this->Sections.GetCrossIndex(); }
  int GetSingleCrossSection() const { return this->Sections.GetSingleCrossSection(); }
  vtkGeomCross9* GetCrossCutter() const { return this->CrossCutter; }

  // The drag in section `section`'s frame, previewed in every cell about the
  // object's origin in that section, then carried into the 3D placement.
  void SetInteractionMatrix(int section, const double drag[16]);
  void ApplyMotionTo3D(int section);

protected:
  vtkRenderer* SectionRenderer(int k) const override;

private:
  vtkGeomCross9* CrossCutter;
  CQlmLayeredWindow9* Window = nullptr;
  CQlmCrossSections Sections;
};
