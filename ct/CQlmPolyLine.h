#pragma once
// The arch (panoramic) curve as drawn on the axial view: control points, the
// polyline through them and short cross-section ticks across it at a fixed
// arc-length spacing. Whoever changes the points also updates the arch
// geometry (CQlmPanoramicCalc::Update) and the views.
#include "ct/CQlmPolyLineBase.h"

class vtkPolyData;
class vtkPolyDataMapper;
class vtkActor;

class CQlmPolyLine : public CQlmPolyLineBase {
public:
  // The default arch: 9 points, apex at (0, 24).
  CQlmPolyLine();
  ~CQlmPolyLine() override;

  // Line actor, every ball and the tick actor into the layer-1 renderer.
  void AddToRenderer() override;
  void RemoveFromRenderer() override;

  // Replaces the points by n points (x, y, z each) with hidden balls joined to
  // the window. Refused (false, nothing changed) for n outside 2..StoredPointCapacity.
  bool SetPoints(int n, const float* xyz);
  // A two-point line from (x1, y1, 0) to (x2, y2, 0), as SetPoints.
  void SetStraightLine(float x1, float y1, float x2, float y2);
  // Back to the default arch, with shown balls joined to the window.
  void Reset();

  // Point at arc length s: the first point for s <= 0, the last for s >= length.
  void GetPoint(float s, float point[3]) const;
  // Cross-section line at arc length s clamped to the line (see CQlmArcPath).
  void GetSectionLineMatrix(float s, double matrix[16]) const;

  void SetLineColor(float r, float g, float b);
  // Line and ticks in their highlight colours (flag != 0) or their normal ones.
  void SetHighlight(int flag);
  // Line and balls; the ticks too while they are enabled.
  void SetVisibility(int flag);
  // Enables the ticks; they show only while the line is visible.
  void SetSectionMarksVisibility(int flag);
  // Tick length across the line and arc length between ticks, whole mm.
  // A spacing below 1 mm gives no ticks.
  void SetSectionWidth(int millimetres);
  void SetSectionSpacing(int millimetres);

  float GetSectionWidth() const { return this->SectionWidth; }
  float GetSectionSpacing() const { return this->SectionSpacing; }
  int GetMarksEnabled() const { return this->MarksEnabled; }
  vtkPolyData* GetMarksPolyData() const { return this->MarksPolyData; }
  vtkActor* GetMarksActor() const { return this->MarksActor; }
  const float* GetMarksColor() const { return this->MarksColor; }
  const float* GetHighlightMarksColor() const { return this->HighlightMarksColor; }

  // Balls (2 to StoredPointCapacity on loading), colours, tick width and
  // spacing as floats, flags and MaxPoints. Loading truncates the tick sizes
  // to whole millimetres.
  void Serialize(CArchive& archive) override;

  // Most ticks built; a longer line (only from corrupt points) gets none.
  static constexpr int MaxSectionMarks = 10000;

private:
  void LineBuilt() override { this->BuildSectionMarks(); }
  void BuildSectionMarks();
  void ApplyMarksColor();
  void ResetToDefaultArch();

  vtkNew<vtkPolyData> MarksPolyData;
  vtkNew<vtkPolyDataMapper> MarksMapper;
  vtkNew<vtkActor> MarksActor;
  float MarksColor[3] = {0.5f, 0.5f, 1.0f};
  float HighlightMarksColor[3] = {0.5f, 0.5f, 1.0f};
  float SectionSpacing = 2.0f;
  float SectionWidth = 32.0f;
  int MarksEnabled = 1;
};
