#include "toolkit/vtkNerveTubeFilter.h"

#include <vtkCellArray.h>
#include <vtkInformationVector.h>
#include <vtkNew.h>
#include <vtkObjectFactory.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTriangleFilter.h>
#include <vtkTubeFilter.h>

#include <algorithm>
#include <cmath>

vtkStandardNewMacro(vtkNerveTubeFilter);

namespace {

struct PlanPoint {
  double X, Y;
};

std::vector<PlanPoint> PlanPoints(vtkPolyData* line) {
  std::vector<PlanPoint> points;
  if (!line || !line->GetPoints()) return points;
  for (vtkIdType i = 0; i < line->GetNumberOfPoints(); ++i) {
    double p[3];
    line->GetPoint(i, p);
    points.push_back({p[0], p[1]});
  }
  return points;
}

// Height of the panoramic line at x: linear on the first segment spanning x,
// else the height of the point with the nearest x.
double HeightAt(const std::vector<PlanPoint>& line, double x) {
  for (size_t k = 0; k + 1 < line.size(); ++k) {
    const PlanPoint& a = line[k];
    const PlanPoint& b = line[k + 1];
    if (x < std::min(a.X, b.X) || x > std::max(a.X, b.X)) continue;
    if (a.X == b.X) return a.Y;
    return a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X);
  }
  const auto nearest = std::min_element(line.begin(), line.end(), [x](const PlanPoint& a, const PlanPoint& b) {
    return std::abs(a.X - x) < std::abs(b.X - x);
  });
  return nearest->Y;
}

}  // namespace

vtkNerveTubeFilter::vtkNerveTubeFilter() { this->SetNumberOfInputPorts(0); }

vtkNerveTubeFilter::~vtkNerveTubeFilter() = default;

void vtkNerveTubeFilter::SetPolyDataLineAxial(vtkPolyData* line) {
  if (this->LineAxial == line) return;
  this->LineAxial = line;
  this->Modified();
}

void vtkNerveTubeFilter::SetPolyDataLinePanoramic(vtkPolyData* line) {
  if (this->LinePanoramic == line) return;
  this->LinePanoramic = line;
  this->Modified();
}

vtkMTimeType vtkNerveTubeFilter::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  for (vtkPolyData* line : {this->LineAxial.Get(), this->LinePanoramic.Get()})
    if (line) time = std::max(time, line->GetMTime());
  return time;
}

bool vtkNerveTubeFilter::BuildCentreLine() {
  this->CentreLine.clear();
  const std::vector<PlanPoint> axial = PlanPoints(this->LineAxial);
  const std::vector<PlanPoint> panoramic = PlanPoints(this->LinePanoramic);
  if (axial.size() < 2 || panoramic.empty()) return false;

  std::vector<double> arc(axial.size(), 0.0);
  for (size_t i = 1; i < axial.size(); ++i)
    arc[i] = arc[i - 1] + std::hypot(axial[i].X - axial[i - 1].X, axial[i].Y - axial[i - 1].Y);
  const double length = arc.back();
  if (!(length > 0.0)) return false;

  std::vector<double> stations = arc;
  for (const PlanPoint& point : panoramic) {
    const double s = point.X + length / 2;
    if (s > 0.0 && s < length) stations.push_back(s);
  }
  std::sort(stations.begin(), stations.end());
  const double tolerance = 1e-9 * length;
  stations.erase(
      std::unique(stations.begin(), stations.end(), [tolerance](double a, double b) { return b - a <= tolerance; }),
      stations.end());

  size_t segment = 0;
  for (double s : stations) {
    while (segment + 2 < axial.size() && s > arc[segment + 1]) ++segment;
    const double span = arc[segment + 1] - arc[segment];
    const double t = span > 0.0 ? std::clamp((s - arc[segment]) / span, 0.0, 1.0) : 0.0;
    const double x = axial[segment].X + t * (axial[segment + 1].X - axial[segment].X);
    const double y = axial[segment].Y + t * (axial[segment + 1].Y - axial[segment].Y);
    const double z = HeightAt(panoramic, s - length / 2);
    this->CentreLine.insert(this->CentreLine.end(),
                            {this->Translation[0] + x, this->Translation[1] - y, this->Translation[2] + z});
  }
  return true;
}

int vtkNerveTubeFilter::RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputs) {
  vtkPolyData* out = vtkPolyData::GetData(outputs);
  out->Initialize();
  if (!this->BuildCentreLine()) return 1;

  vtkNew<vtkPoints> points;
  points->SetDataTypeToDouble();
  const vtkIdType count = vtkIdType(this->CentreLine.size() / 3);
  for (vtkIdType i = 0; i < count; ++i) points->InsertNextPoint(&this->CentreLine[3 * i]);
  vtkNew<vtkCellArray> lines;
  lines->InsertNextCell(count);
  for (vtkIdType i = 0; i < count; ++i) lines->InsertCellPoint(i);
  vtkNew<vtkPolyData> centre;
  centre->SetPoints(points);
  centre->SetLines(lines);

  vtkNew<vtkTubeFilter> tube;
  tube->SetInputData(centre);
  tube->SetRadius(this->Radius);
  tube->SetNumberOfSides(this->NumberOfSides);
  tube->CappingOn();
  // The cutters read triangles only.
  vtkNew<vtkTriangleFilter> triangles;
  triangles->SetInputConnection(tube->GetOutputPort());
  triangles->Update();
  out->ShallowCopy(triangles->GetOutput());
  return 1;
}

void vtkNerveTubeFilter::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "LineAxial: " << this->LineAxial.Get() << "\n"
     << indent << "LinePanoramic: " << this->LinePanoramic.Get() << "\n"
     << indent << "Translation: " << this->Translation[0] << " " << this->Translation[1] << " " << this->Translation[2]
     << "\n"
     << indent << "Radius: " << this->Radius << "\n"
     << indent << "NumberOfSides: " << this->NumberOfSides << "\n";
}
