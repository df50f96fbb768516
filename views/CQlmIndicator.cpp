#include "views/CQlmIndicator.h"

#include <vtkImageData.h>
#include <vtkPolyData.h>

#include <algorithm>

#include "ct/CQlmPanoramicCalc.h"
#include "views/CQlmIndicatorAxial.h"
#include "views/CQlmIndicatorAxial3D.h"
#include "views/CQlmIndicatorAxialCross.h"
#include "views/CQlmIndicatorAxialPan.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCross3D.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/CQlmIndicatorPanAxial.h"
#include "views/CQlmIndicatorPanCross.h"
#include "views/QlmIndicatorGeometry.h"
#include "views/QlmView.h"

namespace {

// trunc(clamp(value, 0, largest) + 0.5)
int RoundedIndex(double value, int largest) {
  return static_cast<int>(std::min<double>(std::max(0, largest), std::max(0.0, value)) + 0.5);
}

// Nearest of candidates 0 .. largest by `distance`, the first on a tie;
// `fallback` without a candidate.
template <class Distance>
int NearestCandidate(int largest, int fallback, Distance distance) {
  int best = fallback;
  double bestDistance = 1e38f;
  for (int candidate = 0; candidate <= largest; ++candidate) {
    const double d = distance(candidate);
    if (d < bestDistance) {
      bestDistance = d;
      best = candidate;
    }
  }
  return best;
}

// Smallest squared distance in x and y from p to the segments (point j, point j + stride).
double DistanceToPolyline(vtkPolyData* polyData, int stride, const double p[3]) {
  double best = 1e38f;
  const vtkIdType count = polyData->GetNumberOfPoints();
  for (vtkIdType j = 0; j + stride < count; j += stride) {
    double a[3];
    double b[3];
    polyData->GetPoint(j, a);
    polyData->GetPoint(j + stride, b);
    best = std::min(best, QlmIndicatorGeometry::SquaredDistanceToSegment(p[0], p[1], a, b));
  }
  return best;
}

}  // namespace

CQlmIndicator::CQlmIndicator()
    : Pan(CQlmIndicatorPan::New()), Axial(CQlmIndicatorAxial::New()), Cross(CQlmIndicatorCross::New()) {}

CQlmIndicator::~CQlmIndicator() {
  delete this->Pan;
  delete this->Axial;
  delete this->Cross;
}

void CQlmIndicator::Delete(CQlmIndicator* indicator) {
  if (!indicator) return;
  indicator->RemoveFromWindows();
  delete indicator;
}

void CQlmIndicator::SetWindow3D(CQlm3DWindow* window) {
  this->Pan->Pan3D->SetWindow(window);
  this->Axial->Axial3D->SetWindow(window);
  this->Cross->Cross3D->SetWindow(window);
}

void CQlmIndicator::SetWindowAxial(CQlm3DWindow* window) {
  this->Pan->PanAxial->SetWindow(window);
  this->Cross->CrossAxial->SetWindow(window);
}

void CQlmIndicator::SetWindowCross(CQlm3DWindow9* window) {
  this->Pan->PanCross->SetWindow(window);
  this->Axial->AxialCross->SetWindow(window);
}

void CQlmIndicator::SetWindowPanoramic(CQlm3DWindow* window) {
  this->Axial->AxialPan->SetWindow(window);
  this->Cross->CrossPan->SetWindow(window);
}

void CQlmIndicator::AddToWindows() {
  this->Pan->PanAxial->AddToWindow();
  this->Pan->PanCross->AddToWindow();
  this->Pan->Pan3D->AddToWindow();
  this->Axial->AxialPan->AddToWindow();
  this->Axial->AxialCross->AddToWindow();
  this->Axial->Axial3D->AddToWindow();
  this->Cross->CrossAxial->AddToWindow();
  this->Cross->CrossPan->AddToWindow();
  this->Cross->Cross3D->AddToWindow();
}

void CQlmIndicator::RemoveFromWindows() {
  this->Pan->PanAxial->RemoveFromWindow();
  this->Pan->PanCross->RemoveFromWindow();
  this->Pan->Pan3D->RemoveFromWindow();
  this->Axial->AxialPan->RemoveFromWindow();
  this->Axial->AxialCross->RemoveFromWindow();
  this->Axial->Axial3D->RemoveFromWindow();
  this->Cross->CrossAxial->RemoveFromWindow();
  this->Cross->CrossPan->RemoveFromWindow();
  this->Cross->Cross3D->RemoveFromWindow();
}

void CQlmIndicator::Initialize(CQlmPanoramicCalc* calc, vtkImageData* image) {
  int dimensions[3];
  double spacing[3];
  double origin[3];
  double center[3];
  image->GetDimensions(dimensions);
  image->GetSpacing(spacing);
  image->GetOrigin(origin);
  image->GetCenter(center);
  const float sizeX = static_cast<float>(dimensions[0] * spacing[0]);
  const float sizeY = static_cast<float>(dimensions[1] * spacing[1]);
  const float height = static_cast<float>(dimensions[2] * spacing[2]);
  this->Pan->SetCalc(calc);
  this->Cross->SetCalc(calc);
  this->Axial->AxialPan->SetCalc(calc);
  this->Calc = calc;
  this->Pan->Pan3D->SetCenter(center[0], center[1], center[2]);
  this->Cross->Cross3D->SetCenter(center[0], center[1], center[2]);
  this->Axial->Axial3D->SetCenter(center[0], center[1], center[2]);
  this->Axial->SetHeight(height);
  this->Axial->SetSpacing(static_cast<float>(spacing[2]));
  this->Axial->Axial3D->SetSize(sizeX, sizeY);
  this->Axial->AxialCross->SetLevelOffset(static_cast<float>(origin[2]));
  this->Axial->AxialPan->SetLevelOffset(static_cast<float>(origin[2]));
  this->Axial->Axial3D->SetLevelOffset(static_cast<float>(origin[2]));
  this->Pan->SetHeight(height);
  this->Cross->SetHeight(height);
}

void CQlmIndicator::Update() {
  this->Pan->Update();
  this->Cross->Update();
  this->Axial->Update();
}

void CQlmIndicator::SetAxialIndex(int index) { this->Axial->SetIndex(index); }

void CQlmIndicator::SetCrossIndex(int index) {
  this->Cross->SetIndex(index);
  this->Pan->PanCross->SetSectionPosition();
  this->Pan->Pan3D->Rebuild();
}

void CQlmIndicator::SetCurrentCurve(int k) {
  this->Pan->SetCurrentCurve(k);
  this->Cross->CrossPan->Rebuild();
  this->Pan->Update();
}

void CQlmIndicator::SetSectionGeometry(float width, float crossSpacing, float curveSpacing, int curveCount) {
  this->Cross->SetWidth(width);
  this->Axial->AxialCross->SetWidth(width);
  this->Cross->SetSpacing(crossSpacing);
  this->Pan->SetCurveSpacing(curveSpacing);
  this->Pan->SetNumberOfCurves(curveCount);
}

void CQlmIndicator::SetTransparent(int on) {
  this->Pan->Pan3D->SetTransparent(on);
  this->Cross->Cross3D->SetTransparent(on);
  this->Axial->Axial3D->SetTransparent(on);
}

void CQlmIndicator::SetVisibility2D(int visible) {
  this->Pan->PanAxial->SetVisibility(visible);
  this->Pan->PanCross->SetVisibility(visible);
  this->Cross->CrossAxial->SetVisibility(visible);
  this->Cross->CrossPan->SetVisibility(visible);
  this->Axial->AxialPan->SetVisibility(visible);
  this->Axial->AxialCross->SetVisibility(visible);
}

void CQlmIndicator::SetSingleSection(int single) {
  for (CQlmIndicatorCrossLines* lines : {static_cast<CQlmIndicatorCrossLines*>(this->Cross->CrossAxial),
                                         static_cast<CQlmIndicatorCrossLines*>(this->Cross->CrossPan)}) {
    lines->SingleSection = single;
    lines->SetVisibility(lines->GetVisibility());
  }
}

void CQlmIndicator::SetVisibility3D(int visible) {
  this->Pan->Pan3D->SetVisibility(visible);
  this->Cross->Cross3D->SetVisibility(visible);
  this->Axial->Axial3D->SetVisibility(visible);
}

void CQlmIndicator::SetLabelVisibility(int visible) {
  this->Pan->SetLabelVisibility(visible);
  this->Axial->SetLabelVisibility(visible);
  this->Cross->SetLabelVisibility(visible);
}

void CQlmIndicator::SetColor(float r, float g, float b) {
  this->Pan->PanAxial->SetColor(r, g, b);
  this->Pan->PanCross->SetColor(r, g, b);
  this->Pan->Pan3D->SetColor(r, g, b);
  this->Axial->AxialPan->SetColor(r, g, b);
  this->Axial->AxialCross->SetColor(r, g, b);
  this->Axial->Axial3D->SetColor(r, g, b);
  this->Cross->SetColor(r, g, b);
}

void CQlmIndicator::SetLabelColor(float r, float g, float b) {
  this->Pan->PanAxial->SetLabelColor(r, g, b);
  this->Pan->PanCross->SetLabelColor(r, g, b);
  this->Pan->Pan3D->SetLabelColor(r, g, b);
  this->Axial->AxialPan->SetLabelColor(r, g, b);
  this->Axial->AxialCross->SetLabelColor(r, g, b);
  this->Axial->Axial3D->SetLabelColor(r, g, b);
  this->Cross->SetLabelColor(r, g, b);
}

void CQlmIndicator::SetVisibility(Mark mark, int visible) {
  switch (mark) {
    case PanAxial:
      return this->Pan->PanAxial->SetVisibility(visible);
    case PanCross:
      return this->Pan->PanCross->SetVisibility(visible);
    case Pan3D:
      return this->Pan->Pan3D->SetVisibility(visible);
    case CrossAxial:
      return this->Cross->CrossAxial->SetVisibility(visible);
    case CrossPan:
      return this->Cross->CrossPan->SetVisibility(visible);
    case Cross3D:
      return this->Cross->Cross3D->SetVisibility(visible);
    case AxialPan:
      return this->Axial->AxialPan->SetVisibility(visible);
    case AxialCross:
      return this->Axial->AxialCross->SetVisibility(visible);
    case Axial3D:
      return this->Axial->Axial3D->SetVisibility(visible);
  }
}

int CQlmIndicator::IsIndicatorVisible(int position, int shownIn) const {
  switch (position * 4 + shownIn) {
    case QlmView::Axial * 4 + QlmView::Panoramic:
      return this->Axial->AxialPan->GetVisibility() != 0;
    case QlmView::Axial * 4 + QlmView::Cross:
      return this->Axial->AxialCross->GetVisibility() != 0;
    case QlmView::Axial * 4 + QlmView::View3D:
      return this->Axial->Axial3D->GetVisibility() != 0;
    case QlmView::Cross * 4 + QlmView::Axial:
      return this->Cross->CrossAxial->GetVisibility() != 0;
    case QlmView::Cross * 4 + QlmView::Panoramic:
      return this->Cross->CrossPan->GetVisibility() != 0;
    case QlmView::Cross * 4 + QlmView::View3D:
      return this->Cross->Cross3D->GetVisibility() != 0;
    case QlmView::Panoramic * 4 + QlmView::Axial:
      return this->Pan->PanAxial->GetVisibility() != 0;
    case QlmView::Panoramic * 4 + QlmView::Cross:
      return this->Pan->PanCross->GetVisibility() != 0;
    case QlmView::Panoramic * 4 + QlmView::View3D:
      return this->Pan->Pan3D->GetVisibility() != 0;
    default:
      return 0;
  }
}

// The inverse of Axial3D's placement: slice i lies at
// centre z - count * s / 2 + s / 2 + i * s.
int CQlmIndicator::GetAxialIndexAtPoint(const double point[3]) const {
  const CQlmIndicatorAxial3D& axial = *this->Axial->Axial3D;
  const CQlmIndicatorAxialRange& range = axial.GetRange();
  const double bottom = axial.GetCenter()[2] - range.Count * range.Spacing / 2.0 + range.Spacing / 2.0;
  return RoundedIndex((point[2] - bottom) / range.Spacing, range.Count);
}

int CQlmIndicator::GetAxialIndexAtPanoramicPoint(const double point[3]) const {
  const CQlmIndicatorAxialRange& range = this->Axial->AxialPan->GetRange();
  return RoundedIndex((point[1] - range.Spacing / 2.0 + range.Height / 2.0) / range.Spacing, range.Count);
}

int CQlmIndicator::GetCrossIndexAtPanoramicPoint(const double point[3]) const {
  const CQlmIndicatorCrossRange& range = this->Cross->CrossPan->GetRange();
  const double curveLength = this->Calc ? this->Calc->GetCurveLength() : 0.0;
  return RoundedIndex((curveLength / 2 + point[0] - 4.0 * range.Spacing) / range.Spacing, range.Maximum);
}

// The inverse of PanCross's mark: curve k at x = (k - middle) * curve spacing.
int CQlmIndicator::GetCurveIndexAtCrossPoint(const double point[3]) const {
  if (!this->Calc) return 0;
  const CQlmPanoramicCalc& calc = *this->Calc;
  return RoundedIndex(point[0] / calc.GetCurveSpacing() + calc.GetMiddleCurve(), calc.GetCurveCount());
}

int CQlmIndicator::GetCrossIndexAt3DPoint(const double point[3]) {
  CQlmIndicatorCross3D& plane = *this->Cross->Cross3D;
  const int picked = NearestCandidate(plane.GetRange().Maximum, plane.GetRange().Index, [&](int candidate) {
    plane.SetIndex(candidate);
    double a[3];
    double b[3];
    plane.GetPlane()->GetPoint(0, a);
    plane.GetPlane()->GetPoint(1, b);
    return QlmIndicatorGeometry::SquaredDistanceToSegment(point[0], point[1], a, b);
  });
  plane.SetIndex(this->Cross->CrossAxial->GetRange().Index);
  return picked;
}

int CQlmIndicator::GetCrossIndexAtAxialPoint(const double point[3]) {
  CQlmIndicatorCrossAxial& lines = *this->Cross->CrossAxial;
  const int before = lines.GetRange().Index;
  const int picked = NearestCandidate(lines.GetRange().Maximum, before, [&](int candidate) {
    lines.SetIndex(candidate);
    return DistanceToPolyline(lines.GetCentreLine(), 1, point);
  });
  lines.SetIndex(before);
  return picked;
}

int CQlmIndicator::GetCurveIndexAt3DPoint(const double point[3]) {
  if (!this->Calc) return 0;
  CQlmPanoramicCalc& calc = *this->Calc;
  CQlmIndicatorPan3D& band = *this->Pan->Pan3D;
  const int before = calc.GetCurrentCurve();
  const int picked = NearestCandidate(calc.GetCurveCount(), before, [&](int candidate) {
    calc.SetCurrentCurve(candidate);
    band.Rebuild();
    return DistanceToPolyline(band.GetBand(), 2, point);
  });
  calc.SetCurrentCurve(before);
  band.Rebuild();
  return picked;
}

int CQlmIndicator::GetCurveIndexAtAxialPoint(const double point[3]) {
  if (!this->Calc) return 0;
  CQlmPanoramicCalc& calc = *this->Calc;
  const int before = calc.GetCurrentCurve();
  const int picked = NearestCandidate(calc.GetCurveCount(), before, [&](int candidate) {
    calc.SetCurrentCurve(candidate);
    return DistanceToPolyline(calc.GetCurvePolyData(), 1, point);
  });
  calc.SetCurrentCurve(before);
  return picked;
}
