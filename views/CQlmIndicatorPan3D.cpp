#include "views/CQlmIndicatorPan3D.h"

#include <cmath>
#include <vtkActor.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkPolyDataNormals.h>
#include <vtkProperty.h>

#include "ct/CQlmPanoramicCalc.h"
#include "views/QlmIndicatorGeometry.h"
#include "views/QlmIndicatorLabels.h"

CQlmIndicatorPan3D::CQlmIndicatorPan3D() : CQlmIndicatorSurface3D(10, 1, 1) {
  this->Normals->SetInputData(this->Band);
  this->BandMapper->SetInputConnection(this->Normals->GetOutputPort());
  this->SurfaceActor->SetMapper(this->BandMapper);
  this->SurfaceActor->GetProperty()->SetInterpolationToPhong();
  this->SetColor(0, 1, 0);
  this->SetLabelColor(0, 1, 0);
}

CQlmIndicatorPan3D::~CQlmIndicatorPan3D() = default;

void CQlmIndicatorPan3D::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->Rebuild();
}

void CQlmIndicatorPan3D::Rebuild() {
  if (!this->Calc) return;
  vtkPolyData* curve = this->Calc->GetCurvePolyData();
  const vtkIdType count = curve->GetNumberOfPoints();
  std::vector<QlmIndicatorGeometry::Point> points;
  std::vector<std::array<long long, 4>> quads;
  for (vtkIdType j = 0; j < count; ++j) {
    double p[3];
    curve->GetPoint(j, p);
    if (this->MirrorY) p[1] = -p[1];
    const double x = p[0] + this->Center[0];
    const double y = p[1] + this->Center[1];
    const double z = p[2] + this->Center[2];
    points.push_back({x, y, z + this->Height / 2});
    points.push_back({x, y, z - this->Height / 2});
    if (j + 1 < count) quads.push_back({2 * j, 2 * j + 2, 2 * j + 3, 2 * j + 1});
  }
  QlmIndicatorGeometry::SetPolygons(this->Band, points, quads);
  if (count < 2) {
    this->SetLabelText("");
    return;
  }
  this->SetLabelText(QlmIndicatorLabels::CurveOffset(*this->Calc).c_str());
  this->SetLabelPosition(points[2][0], points[2][1], points[2][2]);
}
