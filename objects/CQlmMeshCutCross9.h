#pragma once
// A mesh's label-less outlines in the nine cross-sections, cell k showing
// section k; the sections follow the rules of CQlmCrossSections.
#include "objects/CQlmCrossSections.h"
#include "objects/CQlmMeshCut.h"

class CQlmLayeredWindow9;
class CQlmPanoramicCalc;
class vtkImageData;
class vtkPolyDataCutterCross9;

class CQlmMeshCutCross9 : public CQlmMeshCut {
public:
  static CQlmMeshCutCross9* CreateObject() { return new CQlmMeshCutCross9; }
  CQlmMeshCutCross9();
  ~CQlmMeshCutCross9() override;

  void SetWindow(CQlmLayeredWindow9* window) { this->Window = window; }
  // Volume centre, the arch geometry (not owned) and the section spacing (mm).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
    this->Sections.SetInput(image, calculator, spacing);
  }
  void SetCrossIndex(int index) { this->Sections.SetCrossIndex(index); }
  void SetCrossSpacing(float spacing) { this->Sections.SetCrossSpacing(spacing); }
  void SetSingleCrossSection(int on) { this->Sections.SetSingleCrossSection(on); }
  void Invalidate() { this->Sections.Invalidate(); }
  void UpdateCutters() { this->Sections.UpdateCutters(); }
  // Also makes the next index change cut all nine sections afresh.
  void SetVisibility(int visible) override;

  int GetCrossIndex() const { return this->Sections.GetCrossIndex(); }
  int GetSingleCrossSection() const { return this->Sections.GetSingleCrossSection(); }
  int GetLargestIndex() const { return this->Sections.GetLargestIndex(); }
  vtkPolyDataCutterCross9* GetCrossCutter() const { return this->CrossCutter; }

protected:
  vtkRenderer* SectionRenderer(int k) const override;

private:
  vtkPolyDataCutterCross9* CrossCutter;
  CQlmLayeredWindow9* Window = nullptr;
  CQlmCrossSections Sections;
};
