#pragma once
// A mesh's outline in the axial view: the input mesh (world coordinates) cut
// by the z = 0 plane of the cutter transform, in that plane's frame. No label.
// Without an input the output is empty.
#include <vtkNew.h>
#include <vtkPolyDataAlgorithm.h>

#include "toolkit/QlmPlanarCutIndex.h"

class vtkTransform;

class vtkPolyDataCutterAxial : public vtkPolyDataAlgorithm {
public:
  static vtkPolyDataCutterAxial* New();
  vtkTypeMacro(vtkPolyDataCutterAxial, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Places the cutting plane; its changes count in GetMTime.
  vtkTransform* GetTransformCutter() const { return this->TransformCutter; }

  vtkMTimeType GetMTime() override;

  vtkPolyDataCutterAxial(const vtkPolyDataCutterAxial&) = delete;
  void operator=(const vtkPolyDataCutterAxial&) = delete;

protected:
  vtkPolyDataCutterAxial();
  ~vtkPolyDataCutterAxial() override;

  int FillInputPortInformation(int port, vtkInformation* info) override;
  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  vtkNew<vtkTransform> TransformCutter;
  // Large meshes are cut at every scroll step: their cells are indexed once.
  QlmPlanarCutIndex Index;
};
