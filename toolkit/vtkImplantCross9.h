#pragma once
// An implant's outlines in the nine cross-sections: section k's screw
// outline is output 2k, its connector outline output 2k + 1, in the frame of
// section k's matrix, each section with its own label (one shared text).
//
// After the owner moved the first section by `SetOptimize` (shift) places, a
// section may take the outlines cached for section k + shift, but only when
// that cache was cut with the very matrix section k has now and neither the
// meshes nor the settings changed since; otherwise it is cut again.
#include "toolkit/QlmSectionCache.h"
#include "toolkit/vtkImplantCutter.h"

class vtkMatrix4x4;

class vtkImplantCross9 : public vtkImplantCutter {
public:
  static constexpr int Sections = 9;

  static vtkImplantCross9* New();
  vtkTypeMacro(vtkImplantCross9, vtkImplantCutter);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Section k's placement (16 values row by row); k outside 0..8 is ignored.
  void SetMatrixCutter(int k, const double elements[16]);
  // Null for k outside 0..8.
  vtkMatrix4x4* GetMatrixCutter(int k) const;
  // The change of the first section's index since the last update; 0 after every update.
  void SetOptimize(int shift) { this->Cache.SetShift(shift); }
  int GetOptimize() const { return this->Cache.GetShift(); }

  vtkPolyData* GetOutputScrew(int k) { return this->GetOutput(2 * k); }
  vtkPolyData* GetOutputConector(int k) { return this->GetOutput(2 * k + 1); }
  // Null for k outside 0..8.
  vtkActor2D* GetActorLabel(int k) const;
  void SetVisibilityNumber(int on) override;

  // As vtkImplantAxial's, per section; section 0 for k outside 0..8.
  const double* GetCenterScrew(int k) const { return this->Sectioned[Valid(k)].CenterScrew; }
  const double* GetFulcrum(int k) const { return this->Sectioned[Valid(k)].Fulcrum; }

  vtkImplantCross9(const vtkImplantCross9&) = delete;
  void operator=(const vtkImplantCross9&) = delete;

protected:
  vtkImplantCross9();
  ~vtkImplantCross9() override;

  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  struct Section {
    vtkNew<vtkMatrix4x4> Matrix;
    vtkNew<vtkActor2D> Label;
    double CenterScrew[3] = {ParkedX, ParkedX, 0.0};
    double Fulcrum[3] = {0.0, 0.0, 0.0};
    double KeptCenterScrew[3] = {ParkedX, ParkedX, 0.0};  // CenterScrew of the kept outlines
  };
  static int Valid(int k) { return k >= 0 && k < Sections ? k : 0; }

  Section Sectioned[Sections];
  QlmSectionCache Cache{2};  // screw, connector
  int VisibilityNumber = 1;
};
