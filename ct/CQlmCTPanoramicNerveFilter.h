#pragma once
// The curved reformat of the CT volume along a nerve's axial line that the
// nerve window shows in place of the panoramic image (vtkImagePanoramicNerveFilter).
#include "toolkit/vtkImagePanoramicNerveFilter.h"

#include <vtkNew.h>

class vtkAlgorithmOutput;
class vtkImageData;
class vtkPolyData;

class CQlmCTPanoramicNerveFilter {
public:
  CQlmCTPanoramicNerveFilter() = default;
  virtual ~CQlmCTPanoramicNerveFilter() = default;
  CQlmCTPanoramicNerveFilter(const CQlmCTPanoramicNerveFilter&) = delete;
  CQlmCTPanoramicNerveFilter& operator=(const CQlmCTPanoramicNerveFilter&) = delete;

  static CQlmCTPanoramicNerveFilter* New() { return new CQlmCTPanoramicNerveFilter; }

  // The CT volume (not owned).
  void SetInput(vtkImageData* volume);
  // The nerve line to follow (its first, axial line); read at each update.
  void SetNerveCurve(vtkPolyData* curve);
  // The reformatted image as last computed.
  vtkImageData* GetOutput();
  // The pipeline port of the reformat: a CQlmCTViewer2 connected to it
  // (SetInputConnection) follows edits of the nerve line at every render.
  vtkAlgorithmOutput* GetOutputPort();
  // The wrapped filter, for its options (the nerve editor turns MirrorY on).
  vtkImagePanoramicNerveFilter* GetNerveFilter() const { return this->Filter; }

private:
  vtkNew<vtkImagePanoramicNerveFilter> Filter;
};
