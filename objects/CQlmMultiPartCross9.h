#pragma once
// An endodontic or orthodontic object as its outlines in the nine
// cross-sections, cell k showing section k of the body and of every part;
// the sections follow the rules of CQlmCrossSections and go to every filter.
#include <array>

#include "objects/CQlmCrossSections.h"
#include "objects/CQlmMultiPartCut.h"
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkPartCutter.h"

class CQlmLayeredWindow9;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmMultiPartCross9 : public CQlmMultiPartCut {
public:
  using Cutter = vtkPartCutter<vtkGeomCross9>;

  ~CQlmMultiPartCross9() override;

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

  // The drag in section `section`'s frame, previewed in every cell about the
  // object's origin in that section, then carried into the 3D placement.
  void SetInteractionMatrix(int section, const double drag[16]);
  void ApplyUserMatrix(int section);

protected:
  CQlmMultiPartCross9();
  virtual Cutter* MakeCutter() const = 0;
  vtkGeomCutter* NewCutter(int slot) override;
  vtkRenderer* SectionRenderer(int k) const override;

private:
  void PlaceSection(int k, const double elements[16]);

  CQlmLayeredWindow9* Window = nullptr;
  // The last placement of each section, for filters made after it.
  std::array<std::array<double, 16>, vtkGeomCross9::Sections> Placed{};
  std::array<bool, vtkGeomCross9::Sections> HasPlaced{};
  CQlmCrossSections Sections;
};
