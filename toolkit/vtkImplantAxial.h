#pragma once
// An implant's outlines in the axial view: screw (output 0) and connector
// (output 1) cut by the z = 0 plane of the cutter transform, in that plane's
// frame, with one number label at the middle of the screw outline.
#include "toolkit/vtkImplantCutter.h"

class vtkTransform;

class vtkImplantAxial : public vtkImplantCutter {
public:
  static vtkImplantAxial* New();
  vtkTypeMacro(vtkImplantAxial, vtkImplantCutter);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Places the axial slice plane; its changes count in GetMTime.
  vtkTransform* GetTransformCutter() const { return this->TransformCutter; }

  vtkActor2D* GetActorLabel() const { return this->ActorLabel; }
  void SetVisibilityNumber(int on) override;

  // After an update: where the label goes (x = ParkedX when the plane misses
  // the screw) and the implant's platform, both in the plane's frame.
  const double* GetCenterScrew() const { return this->CenterScrew; }
  const double* GetFulcrum() const { return this->Fulcrum; }

  vtkMTimeType GetMTime() override;

  vtkImplantAxial(const vtkImplantAxial&) = delete;
  void operator=(const vtkImplantAxial&) = delete;

protected:
  vtkImplantAxial();
  ~vtkImplantAxial() override;

  int RequestData(vtkInformation*, vtkInformationVector** inputs, vtkInformationVector* outputs) override;

private:
  vtkNew<vtkTransform> TransformCutter;
  vtkNew<vtkActor2D> ActorLabel;
  int VisibilityNumber = 1;
  double CenterScrew[3] = {ParkedX, ParkedX, 0.0};
  double Fulcrum[3] = {0.0, 0.0, 0.0};
};
