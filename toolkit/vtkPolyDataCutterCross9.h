#pragma once
// A mesh's outlines in the nine cross-sections: output k is the input mesh
// (world coordinates) cut by the z = 0 plane of section k's matrix, in that
// plane's frame. No labels.
//
// After the owner moved the first section by `SetOptimize` (shift) places,
// section k takes the outline cached for section k + shift when that cache
// was cut with the matrix section k has now and the mesh has not changed
// since; otherwise it is cut again.
#include <vtkNew.h>
#include <vtkPolyDataAlgorithm.h>

#include "toolkit/QlmPlanarCutIndex.h"
#include "toolkit/QlmSectionCache.h"

class vtkMatrix4x4;

class vtkPolyDataCutterCross9 : public vtkPolyDataAlgorithm {
public:
  static constexpr int Sections = 9;

  static vtkPolyDataCutterCross9* New();
  vtkTypeMacro(vtkPolyDataCutterCross9, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Section k's placement (16 values row by row); k outside 0..8 is ignored.
  void SetMatrixCutter(int k, const double elements[16]);
  // Null for k outside 0..8.
  vtkMatrix4x4* GetMatrixCutter(int k) const;
  // The change of the first section's index since the last update; 0 after every update.
  void SetOptimize(int shift) { this->Cache.SetShift(shift); }
  int GetOptimize() const { return this->Cache.GetShift(); }

  vtkPolyDataCutterCross9(const vtkPolyDataCutterCross9&) = delete;
  void operator=(const vtkPolyDataCutterCross9&) = delete;

protected:
  vtkPolyDataCutterCross9();
  ~vtkPolyDataCutterCross9() override;

  int FillInputPortInformation(int port, vtkInformation* info) override;
  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  vtkNew<vtkMatrix4x4> Matrices[Sections];
  QlmSectionCache Cache{1};
  QlmPlanarCutIndex Index;
};
