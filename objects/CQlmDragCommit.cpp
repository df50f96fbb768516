#include "objects/CQlmDragCommit.h"

#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkTransform.h>

#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmResliceGeometry.h"
#include "toolkit/QlmPanoramicStrips.h"
#include "toolkit/vtkGeomPanoramic.h"

namespace {
void ClearTranslation(vtkMatrix4x4* matrix) {
  for (int row = 0; row < 3; ++row) matrix->SetElement(row, 3, 0.0);
}

// The current curve's section at `arc`, mirrored in y as the views show it.
void MirroredSection(const CQlmPanoramicCalc* calculator, double arc, vtkMatrix4x4* section) {
  double elements[16];
  calculator->GetCurveSectionMatrix(float(arc), elements);
  section->DeepCopy(elements);
  CQlmResliceGeometry::FlipMatrixY(section);
}

// Strip of segment i in world coordinates, as the panoramic outlines use it.
void MirroredStrip(const CQlmPanoramicCalc* calculator, int segment, vtkMatrix4x4* strip) {
  double elements[16];
  calculator->GetStripMatrix(segment, elements);
  QlmPanoramicStrips::FlipStripMatrix(elements);
  strip->DeepCopy(elements);
}
}  // namespace

void CQlmDragCommit::Preview(const double pivot[3], vtkMatrix4x4* drag, vtkTransform* preview) {
  preview->Identity();
  preview->Translate(pivot);
  preview->Concatenate(drag);
  preview->Translate(-pivot[0], -pivot[1], -pivot[2]);
}

void CQlmDragCommit::InFrame(vtkMatrix4x4* frame, vtkMatrix4x4* drag, vtkMatrix4x4* placement,
                             const double position[3], vtkMatrix4x4* result) {
  vtkNew<vtkMatrix4x4> turn, back, orientation;
  turn->DeepCopy(frame);
  ClearTranslation(turn);
  vtkMatrix4x4::Invert(frame, back);
  ClearTranslation(back);
  orientation->DeepCopy(placement);
  ClearTranslation(orientation);
  vtkMatrix4x4::Multiply4x4(turn, drag, turn);
  vtkMatrix4x4::Multiply4x4(turn, back, turn);
  vtkMatrix4x4::Multiply4x4(turn, orientation, turn);
  for (int row = 0; row < 3; ++row) turn->SetElement(row, 3, turn->GetElement(row, 3) + position[row]);
  result->DeepCopy(turn);
}

void CQlmDragCommit::CurveFrame(const CQlmPanoramicCalc* calculator, double arc, vtkMatrix4x4* frame) {
  MirroredSection(calculator, arc, frame);
  ClearTranslation(frame);
  const double quarter[16] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};
  vtkNew<vtkMatrix4x4> k;
  k->DeepCopy(quarter);
  vtkMatrix4x4::Multiply4x4(frame, k, frame);
}

void CQlmDragCommit::Slide(const CQlmPanoramicCalc* calculator, const double centre[3], double fulcrumX, double dx,
                           double dy, vtkMatrix4x4* placement, vtkMatrix4x4* result) {
  const double half = calculator->GetCurveLength() / 2.0;
  const double from = half + fulcrumX, to = from + dx;
  vtkNew<vtkMatrix4x4> before, after;
  MirroredSection(calculator, from, before);
  MirroredSection(calculator, to, after);
  double offset[4] = {placement->GetElement(0, 3) - centre[0] - before->GetElement(0, 3),
                      placement->GetElement(1, 3) - centre[1] - before->GetElement(1, 3), 0.0, 0.0};
  const int first = calculator->GetSegmentAt(float(from)), last = calculator->GetSegmentAt(float(to));
  if (first != last) {
    vtkNew<vtkMatrix4x4> oldStrip, newStrip;
    MirroredStrip(calculator, first, oldStrip);
    MirroredStrip(calculator, last, newStrip);
    oldStrip->Invert();
    vtkMatrix4x4::Multiply4x4(newStrip, oldStrip, newStrip);
    ClearTranslation(newStrip);
    newStrip->MultiplyPoint(offset, offset);
  }
  const double height = placement->GetElement(2, 3) + dy;
  result->DeepCopy(placement);
  result->SetElement(0, 3, centre[0] + after->GetElement(0, 3) + offset[0]);
  result->SetElement(1, 3, centre[1] + after->GetElement(1, 3) + offset[1]);
  result->SetElement(2, 3, height);
}

bool CQlmDragCommit::Translates(vtkMatrix4x4* drag) {
  return drag->GetElement(0, 3) != 0.0 || drag->GetElement(1, 3) != 0.0;
}

bool CQlmDragCommit::Turns(vtkMatrix4x4* drag) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (drag->GetElement(row, column) != (row == column ? 1.0 : 0.0)) return true;
    }
  }
  return false;
}

bool CQlmDragCommit::InPanoramic(const CQlmPanoramicCalc* calculator, vtkGeomPanoramic* cutter, vtkMatrix4x4* drag,
                                 vtkMatrix4x4* placement, vtkMatrix4x4* result) {
  cutter->Update();
  const double arc = cutter->GetObjectPosition()[0];
  if (Translates(drag)) {
    Slide(calculator, cutter->GetCurveOffset(), arc, drag->GetElement(0, 3), drag->GetElement(1, 3), placement,
          result);
    return true;
  }
  if (!Turns(drag)) return false;
  vtkNew<vtkMatrix4x4> frame;
  CurveFrame(calculator, calculator->GetCurveLength() / 2.0 + arc, frame);
  const double position[3] = {placement->GetElement(0, 3), placement->GetElement(1, 3), placement->GetElement(2, 3)};
  InFrame(frame, drag, placement, position, result);
  return true;
}
