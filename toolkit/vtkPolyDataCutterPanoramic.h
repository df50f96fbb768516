#pragma once
// A mesh's outline in the panoramic view, unrolled along the current
// panoramic curve (x = position along the curve from its middle, y = height
// above the volume centre). Thin mode cuts the mesh by the vertical strip of
// every curve segment; thick mode projects the whole mesh onto the strip of
// the segment nearest to its projection centre (by default the middle of the
// mesh's bounds). No label. Without an input or a curve the output is empty.
#include <vtkPolyDataAlgorithm.h>
#include <vtkSmartPointer.h>

#include "toolkit/QlmPlanarCutIndex.h"

class vtkPolyData;

class vtkPolyDataCutterPanoramic : public vtkPolyDataAlgorithm {
public:
  static vtkPolyDataCutterPanoramic* New();
  vtkTypeMacro(vtkPolyDataCutterPanoramic, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The current panoramic curve (curve coordinates, y against world y);
  // borrowed, its changes count in GetMTime.
  void SetPanoramicLine(vtkPolyData* curve);
  vtkPolyData* GetPanoramicLine() const { return this->PanoramicLine; }
  // World position of the curve's origin: the volume centre.
  void SetTranslation(double x, double y, double z);
  const double* GetTranslation() const { return this->Translation; }
  // 1: the mesh projected whole (thick panoramic); 0 cut (default).
  void SetThick(int on);
  vtkGetMacro(Thick, int);
  // Height of the strips (the volume's height, mm); 0 at first.
  void SetLimitY(double height);
  vtkGetMacro(LimitY, double);

  vtkMTimeType GetMTime() override;

  vtkPolyDataCutterPanoramic(const vtkPolyDataCutterPanoramic&) = delete;
  void operator=(const vtkPolyDataCutterPanoramic&) = delete;

protected:
  vtkPolyDataCutterPanoramic();
  ~vtkPolyDataCutterPanoramic() override;

  // World point whose nearest segment takes the thick projection.
  virtual void GetProjectionCentre(vtkPolyData* mesh, double centre[3]);

  int FillInputPortInformation(int port, vtkInformation* info) override;
  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  vtkSmartPointer<vtkPolyData> PanoramicLine;
  double Translation[3] = {0.0, 0.0, 0.0};
  int Thick = 0;
  double LimitY = 0.0;
  QlmPlanarCutIndex Index;
};
