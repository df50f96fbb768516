#pragma once
// The tube of a nerve canal for the 3D view, built from the nerve's two
// traced lines:
// - the axial line gives the course seen from above: its points' x and y in
//   the planning frame (see QlmPlanningFrame), z unused;
// - the panoramic line gives the height along that course, in the nerve
//   window's frame: x = position along the axial line from its middle
//   (s - L/2 at axial arc length s of a line of length L), y = height above
//   the volume centre.
// The centre line passes, at axial arc length s, through the axial line's
// point at s at the height of the panoramic line at x = s - L/2 (linear
// between its points, its end heights beyond them), mapped into the volume as
// planning (x, y, z) -> (tx + x, ty - y, tz + z) with the translation t. Its
// points are the axial line's points and the arc positions of the panoramic
// line's points, so it follows both lines exactly. The tube around it is
// capped, made of triangles, with point normals.
//
// An axial line with fewer than two points or without length, or a
// panoramic line without points, gives an empty tube.
#include <vtkPolyDataAlgorithm.h>
#include <vtkSmartPointer.h>

#include <vector>

class vtkPolyData;

class vtkNerveTubeFilter : public vtkPolyDataAlgorithm {
public:
  static vtkNerveTubeFilter* New();
  vtkTypeMacro(vtkNerveTubeFilter, vtkPolyDataAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The two lines (points in order); kept, not copied: their edits count in GetMTime.
  void SetPolyDataLineAxial(vtkPolyData* line);
  vtkPolyData* GetPolyDataLineAxial() const { return this->LineAxial; }
  void SetPolyDataLinePanoramic(vtkPolyData* line);
  vtkPolyData* GetPolyDataLinePanoramic() const { return this->LinePanoramic; }

  // The volume centre (mm) that the planning frame's origin maps to; (0, 0, 0) at first.
  vtkSetVector3Macro(Translation, double);
  vtkGetVector3Macro(Translation, double);

  // Tube radius (mm), 1.0 to 5.0; 1.5 at first.
  vtkSetClampMacro(Radius, double, 1.0, 5.0);
  vtkGetMacro(Radius, double);

  // Sides around the tube, 3 to 64; 16 at first.
  vtkSetClampMacro(NumberOfSides, int, 3, 64);
  vtkGetMacro(NumberOfSides, int);

  // The centre line in volume coordinates, as the last update built it.
  const std::vector<double>& GetCentreLine() const { return this->CentreLine; }

  vtkMTimeType GetMTime() override;

  vtkNerveTubeFilter(const vtkNerveTubeFilter&) = delete;
  void operator=(const vtkNerveTubeFilter&) = delete;

protected:
  vtkNerveTubeFilter();
  ~vtkNerveTubeFilter() override;

  int RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputs) override;

private:
  // Fills CentreLine (x, y, z per point); false when the lines give no tube.
  bool BuildCentreLine();

  vtkSmartPointer<vtkPolyData> LineAxial;
  vtkSmartPointer<vtkPolyData> LinePanoramic;
  double Translation[3] = {0.0, 0.0, 0.0};
  double Radius = 1.5;
  int NumberOfSides = 16;
  std::vector<double> CentreLine;
};
