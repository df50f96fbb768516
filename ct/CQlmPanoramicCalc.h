#pragma once
// The geometry along the arch curve: a family of parallel curves on both sides
// of the arch (one of them current), arc lengths, the point at an arc length,
// and the placement matrices of cross-sections and panoramic strips.
//
// Curve k lies (k - MiddleCurve) * CurveSpacing mm from the arch, positive to
// the left of the drawing direction. Points, lengths and arc lengths are single
// precision; matrices are 16 doubles, row-major, origin in elements 3, 7, 11.
#include <vtkNew.h>

class CQlmPolyLine;
class vtkPolyData;

class CQlmPanoramicCalc {
public:
  CQlmPanoramicCalc();
  virtual ~CQlmPanoramicCalc();
  CQlmPanoramicCalc(const CQlmPanoramicCalc&) = delete;
  CQlmPanoramicCalc& operator=(const CQlmPanoramicCalc&) = delete;

  static CQlmPanoramicCalc* New() { return new CQlmPanoramicCalc; }

  // Binds the arch, whose line is read live; the current curve becomes the arch.
  void SetPolyLine(CQlmPolyLine* polyLine);
  CQlmPolyLine* GetPolyLine() const { return this->PolyLine; }
  // Recomputes the current curve after an edit of the arch.
  void Update() { this->ComputeCurve(); }

  // Ignored when k is current or outside 0..CurveCount.
  void SetCurrentCurve(int k);
  // n curves (at least 3); the current curve keeps its place relative to the middle.
  void SetNumberOfCurves(int n);
  // Keeps the width of the family; ignored for an unchanged, non-positive or non-finite spacing.
  void SetCurveSpacing(float spacing);

  float GetCurveSpacing() const { return this->CurveSpacing; }
  // Highest curve index: the family holds CurveCount + 1 curves.
  int GetCurveCount() const { return this->CurveCount; }
  int GetMiddleCurve() const { return this->MiddleCurve; }
  int GetCurrentCurve() const { return this->CurrentCurve; }
  // Half of (unfitted curve length - arch length) of the last fitting.
  float GetHalfLengthCorrection() const { return this->HalfLengthCorrection; }
  vtkPolyData* GetArchPolyData() const { return this->ArchPolyData; }
  vtkPolyData* GetCurvePolyData() const { return this->CurvePolyData; }
  // The current curve before its ends were trimmed or extended.
  vtkPolyData* GetUnfittedCurvePolyData() const { return this->UnfittedCurvePolyData; }

  // -1 with fewer than 2 points.
  float GetArchLength() const;
  float GetCurveLength() const;
  // Point at arc length s, extrapolated along the end segments outside the curve.
  void GetArchPoint(float s, float point[3]) const;
  void GetCurvePoint(float s, float point[3]) const;
  // Segment of the current curve at arc length s; the number of segments at or beyond the end.
  int GetSegmentAt(float s) const;
  // Length of segment i of the current curve; 0 when there is no such segment.
  float GetSegmentLength(int i) const;

  // Cross-section plane at arc length s on the arch / on the current curve.
  void GetSectionMatrix(float s, double matrix[16]) const;
  void GetCurveSectionMatrix(float s, double matrix[16]) const;
  // Cross-section line on the axial view at arc length s on the arch.
  void GetSectionLineMatrix(float s, double matrix[16]) const;
  // Vertical strip through segment i of the current curve (clamped to its segments).
  void GetStripMatrix(int i, double matrix[16]) const;

private:
  void ComputeCurve();
  void FitCurveToArchLength();
  void CopyArchIntoCurve();

  vtkPolyData* ArchPolyData = nullptr;
  vtkNew<vtkPolyData> CurvePolyData;
  vtkNew<vtkPolyData> UnfittedCurvePolyData;
  float CurveSpacing = 1.0f;
  int CurveCount = 16;
  int MiddleCurve = 8;
  int CurrentCurve = 8;
  float HalfLengthCorrection = 0.0f;
  CQlmPolyLine* PolyLine = nullptr;
};
