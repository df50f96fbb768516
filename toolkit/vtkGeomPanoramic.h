#pragma once
// A library mesh in the panoramic view, unrolled along the current panoramic
// curve (x = position along the curve from its middle, y = height above the
// curve offset). Thin mode cuts the mesh by the vertical strip of every
// curve segment and keeps each cut within its segment's span; thick mode
// projects the whole mesh onto the strip of the segment nearest to the
// object. A curve of fewer than two points gives an empty output and a
// parked label.
#include <vtkActor2D.h>
#include <vtkPolyData.h>

#include "toolkit/vtkGeomCutter.h"

class vtkGeomPanoramic : public vtkGeomCutter {
public:
  static vtkGeomPanoramic* New();
  vtkTypeMacro(vtkGeomPanoramic, vtkGeomCutter);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The current panoramic curve (curve coordinates, y against world y);
  // borrowed, its changes count in GetMTime.
  void SetCurve(vtkPolyData* curve);
  vtkPolyData* GetCurve() const { return this->Curve; }
  // World position of the curve's origin: the volume centre; (0, 0, 0) at first.
  void SetCurveOffset(double x, double y, double z);
  const double* GetCurveOffset() const { return this->CurveOffset; }
  // Height of the strips (the volume's height, mm); 0 at first.
  void SetHeight(double height);
  double GetHeight() const { return this->Height; }
  // 1: the mesh projected whole (thick panoramic); 0 cut (default).
  void SetPanoramicThick(int on);
  int GetPanoramicThick() const { return this->PanoramicThick; }
  // A strip matrix built in curve coordinates mirrored into world coordinates.
  static void FlipStripMatrix(double elements[16]);

  vtkActor2D* GetLabelActor() const { return this->LabelActor; }
  vtkActor2D* GetLabelActor(int) const override { return this->LabelActor; }
  void SetLabelVisibility(int on) override;
  // Updates first; false while the unrolled outline is empty.
  bool GetLabelAnchor(int k, double anchor[3]) override;

  // After an update, in the unrolled view: the centre of the input's bounds
  // (where the label goes) and the object's position.
  const double* GetLabelPosition() const { return this->LabelPosition; }
  const double* GetObjectPosition() const { return this->ObjectPosition; }

  vtkMTimeType GetMTime() override;

  vtkGeomPanoramic(const vtkGeomPanoramic&) = delete;
  void operator=(const vtkGeomPanoramic&) = delete;

protected:
  vtkGeomPanoramic();
  ~vtkGeomPanoramic() override;

  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  vtkSmartPointer<vtkPolyData> Curve;
  double CurveOffset[3] = {0.0, 0.0, 0.0};
  double Height = 0.0;
  int PanoramicThick = 0;
  vtkNew<vtkActor2D> LabelActor;
  double LabelPosition[3] = {ParkedX, ParkedX, 0.0};
  double ObjectPosition[3] = {0.0, 0.0, 0.0};
};
