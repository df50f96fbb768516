#include "views/CQlmIndicatorCross3D.h"

#include <cmath>
#include <vtkActor.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>

#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "platform/QlmNumberFormat.h"
#include "toolkit/QlmIndexRange.h"
#include "views/QlmIndicatorGeometry.h"

CQlmIndicatorCross3D::CQlmIndicatorCross3D() : CQlmIndicatorSurface3D(10, 1, 1) {
  this->PlaneMapper->SetInputData(this->Plane);
  this->SurfaceActor->SetMapper(this->PlaneMapper);
  this->SetColor(0.35f, 0.35f, 1.0f);
  this->SetLabelColor(0.65f, 0.65f, 1.0f);
}

CQlmIndicatorCross3D::~CQlmIndicatorCross3D() = default;

float CQlmIndicatorCross3D::ArchLength() const { return this->Calc ? this->Calc->GetArchLength() : -1.0f; }

void CQlmIndicatorCross3D::SetIndex(int index) {
  if (this->Range.SetIndex(index)) this->Rebuild();
}

void CQlmIndicatorCross3D::SetCalc(CQlmPanoramicCalc* calc) {
  this->Calc = calc;
  this->Range.Reset(this->ArchLength());
  this->Rebuild();
}

void CQlmIndicatorCross3D::SetSpacing(float spacing) {
  if (this->Range.SetSpacing(spacing, this->ArchLength())) this->Rebuild();
}

void CQlmIndicatorCross3D::SetWidth(float width) {
  if (!QlmIndexRange::IsUsableLength(width)) return;
  this->Width = width;
  this->Rebuild();
}

void CQlmIndicatorCross3D::Rebuild() {
  if (!this->Calc) return;
  this->Range.Refresh(this->ArchLength());
  double elements[16];
  this->Calc->GetSectionMatrix(this->Range.Centre, elements);
  vtkNew<vtkMatrix4x4> placement;
  placement->DeepCopy(elements);
  if (this->MirrorY) CQlmCTPanFilter::FlipMatrixY(placement);
  const double w = this->Width / 2;
  const double h = this->Height / 2;
  const double corners[4][4] = {{-w, h, 0, 1}, {w, h, 0, 1}, {w, -h, 0, 1}, {-w, -h, 0, 1}};
  std::vector<QlmIndicatorGeometry::Point> points;
  for (const auto& corner : corners) {
    double placed[4];
    placement->MultiplyPoint(corner, placed);
    points.push_back({placed[0] + this->Center[0], placed[1] + this->Center[1], placed[2] + this->Center[2]});
  }
  QlmIndicatorGeometry::SetPolygons(this->Plane, points, {{0, 1, 2, 3}});
  this->SetLabelText(QlmNumberFormat::Format("%.0f", this->Range.Centre).c_str());
  this->SetLabelPosition(points[1][0], points[1][1], points[1][2]);
}
