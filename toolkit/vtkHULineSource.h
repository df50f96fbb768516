#pragma once
// The measuring line of the HU profile: a dashed line from Point1 to Point2
// (world mm), one line cell per dash (see QlmDashedLine).
#include <vtkPolyDataAlgorithm.h>

class vtkHULineSource : public vtkPolyDataAlgorithm {
public:
  static vtkHULineSource* New();
  vtkTypeMacro(vtkHULineSource, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // End points in world mm; (0, 0, 0) at first.
  vtkSetVector3Macro(Point1, float);
  vtkGetVector3Macro(Point1, float);
  vtkSetVector3Macro(Point2, float);
  vtkGetVector3Macro(Point2, float);

  // Dash and gap lengths in world mm; 1 each by default.
  vtkSetMacro(DashLength, double);
  vtkGetMacro(DashLength, double);
  vtkSetMacro(GapLength, double);
  vtkGetMacro(GapLength, double);

  // The distance between the two points (mm).
  float GetSize() const;

  vtkHULineSource(const vtkHULineSource&) = delete;
  void operator=(const vtkHULineSource&) = delete;

protected:
  vtkHULineSource();
  ~vtkHULineSource() override = default;

  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

private:
  float Point1[3] = {0.0f, 0.0f, 0.0f};
  float Point2[3] = {0.0f, 0.0f, 0.0f};
  double DashLength = 1.0;
  double GapLength = 1.0;
};
