#pragma once
// An implant's outlines in the panoramic view, unrolled along the current
// panoramic curve (x = position along the curve from its middle, y = height
// above the volume centre). Thin mode cuts the implant by the vertical strip
// of every curve segment and keeps each cut within its segment's span; thick
// mode projects the whole implant onto the strip of the segment nearest to
// it. A curve of fewer than two points gives empty outlines and a parked label.
#include "toolkit/vtkImplantCutter.h"

class vtkPolyData;
class QlmPanoramicStrips;

class vtkImplantPanoramic : public vtkImplantCutter {
public:
  static vtkImplantPanoramic* New();
  vtkTypeMacro(vtkImplantPanoramic, vtkImplantCutter);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The current panoramic curve (curve coordinates, y against world y);
  // borrowed, its changes count in GetMTime.
  void SetPanoramicLine(vtkPolyData* curve);
  vtkPolyData* GetPanoramicLine() const { return this->PanoramicLine; }
  // World position of the curve's origin: the volume centre.
  void SetTranslation(double x, double y, double z);
  const double* GetTranslation() const { return this->Translation; }
  // 1: the implant projected whole (thick panoramic); 0 cut (default).
  void SetThick(int on);
  vtkGetMacro(Thick, int);
  // Height of the strips (the volume's height, mm).
  void SetLimitY(double height);
  vtkGetMacro(LimitY, double);
  // A strip matrix built in curve coordinates mirrored into world coordinates.
  static void MirrorY(double elements[16]);

  vtkActor2D* GetActorLabel() const { return this->ActorLabel; }
  void SetVisibilityNumber(int on) override;
  const double* GetCenterScrew() const { return this->CenterScrew; }
  // The implant's platform in the unrolled frame.
  const double* GetFulcrum() const { return this->Fulcrum; }

  vtkMTimeType GetMTime() override;

  vtkImplantPanoramic(const vtkImplantPanoramic&) = delete;
  void operator=(const vtkImplantPanoramic&) = delete;

protected:
  vtkImplantPanoramic();
  ~vtkImplantPanoramic() override;

  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  void AddAxis(const QlmPanoramicStrips& strips, int segment, vtkMatrix4x4* part, double from, double to,
               vtkPolyData* out) const;

  vtkSmartPointer<vtkPolyData> PanoramicLine;
  double Translation[3] = {0.0, 0.0, 0.0};
  int Thick = 0;
  double LimitY = 0.0;
  vtkNew<vtkActor2D> ActorLabel;
  int VisibilityNumber = 1;
  double CenterScrew[3] = {ParkedX, ParkedX, 0.0};
  double Fulcrum[3] = {0.0, 0.0, 0.0};
};
