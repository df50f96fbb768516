#include "ct/CQlmPolyLine.h"

#include <vtkActor.h>
#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include <algorithm>
#include <cmath>

#include "ct/CQlmArcPath.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmLayeredWindow.h"
#include "platform/CArchive.h"

namespace {
constexpr int DefaultArchPointCount = 9;
constexpr float DefaultArch[DefaultArchPointCount * 3] = {-36, -24, 0,  -27, -3, 0,  -18, 12, 0,  -9, 21, 0,   0, 24,
                                                          0,   9,   21, 0,   18, 12, 0,   27, -3, 0,  36, -24, 0};

// Whole millimetres of a stored size; 0 for values no int holds.
int TruncateToMillimetres(float value) { return std::fabs(value) < 2.0e9f ? static_cast<int>(value) : 0; }

void ClampedSectionLineMatrix(const CQlmArcPath& path, float s, double matrix[16]) {
  path.GetSectionLineMatrix(std::clamp(s, 0.0f, std::max(path.GetLength(), 0.0f)), matrix);
}
}  // namespace

CQlmPolyLine::CQlmPolyLine() : CQlmPolyLineBase(1.0f, 1.0f, 1.0f) {
  this->MarksMapper->SetInputData(this->MarksPolyData);
  this->MarksActor->SetMapper(this->MarksMapper);
  this->MarksActor->PickableOff();
  this->ResetToDefaultArch();
  this->SetBallColor(this->BallColor[0], this->BallColor[1], this->BallColor[2]);
  this->SetBallSelectionColor(this->SelectionColor[0], this->SelectionColor[1], this->SelectionColor[2]);
  this->ApplyMarksColor();
}

CQlmPolyLine::~CQlmPolyLine() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(1)) renderer->RemoveActor(this->MarksActor);
}

void CQlmPolyLine::AddToRenderer() {
  CQlmPolyLineBase::AddToRenderer();
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(1)) renderer->AddActor(this->MarksActor);
}

void CQlmPolyLine::RemoveFromRenderer() {
  CQlmPolyLineBase::RemoveFromRenderer();
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(1)) renderer->RemoveActor(this->MarksActor);
}

bool CQlmPolyLine::SetPoints(int n, const float* xyz) {
  if (!xyz || n < 2 || n > StoredPointCapacity) return false;
  this->ReplacePoints(n, xyz);
  this->PlacementMatrix->Identity();
  this->AttachBallsToWindow();
  this->Balls.ForEach([](CQlmBall* ball) { ball->SetVisibility(0); });
  return true;
}

void CQlmPolyLine::SetStraightLine(float x1, float y1, float x2, float y2) {
  const float points[6] = {x1, y1, 0.0f, x2, y2, 0.0f};
  this->SetPoints(2, points);
}

void CQlmPolyLine::Reset() {
  this->ResetToDefaultArch();
  this->AttachBallsToWindow();
}

void CQlmPolyLine::ResetToDefaultArch() {
  this->ReplacePoints(DefaultArchPointCount, DefaultArch);
  this->PlacementMatrix->Identity();
}

void CQlmPolyLine::GetPoint(float s, float point[3]) const {
  const CQlmArcPath path(this->LinePolyData->GetPoints());
  std::fill(point, point + 3, 0.0f);
  const int count = path.GetNumberOfPoints();
  if (count == 0) return;
  if (s <= 0.0f || s >= path.GetLength()) {
    const float* end = path.GetPoint(s <= 0.0f ? 0 : count - 1);
    std::copy(end, end + 3, point);
    return;
  }
  path.GetPointAt(s, point);
}

void CQlmPolyLine::GetSectionLineMatrix(float s, double matrix[16]) const {
  ClampedSectionLineMatrix(CQlmArcPath(this->LinePolyData->GetPoints()), s, matrix);
}

void CQlmPolyLine::SetLineColor(float r, float g, float b) {
  this->LineColor[0] = r;
  this->LineColor[1] = g;
  this->LineColor[2] = b;
  if (!this->Highlighted) this->ApplyLineColor();
}

void CQlmPolyLine::SetHighlight(int flag) {
  this->Highlighted = flag;
  this->ApplyLineColor();
  this->ApplyMarksColor();
}

void CQlmPolyLine::SetVisibility(int flag) {
  this->ShowLineAndBalls(flag);
  if (this->MarksEnabled) this->MarksActor->SetVisibility(flag);
  this->Visible = flag;
}

void CQlmPolyLine::SetSectionMarksVisibility(int flag) {
  if (this->Visible) this->MarksActor->SetVisibility(flag);
  this->MarksEnabled = flag;
}

void CQlmPolyLine::SetSectionWidth(int millimetres) {
  this->SectionWidth = static_cast<float>(millimetres);
  this->BuildSectionMarks();
}

void CQlmPolyLine::SetSectionSpacing(int millimetres) {
  this->SectionSpacing = static_cast<float>(millimetres);
  this->BuildSectionMarks();
}

void CQlmPolyLine::ApplyMarksColor() {
  const float* color = this->Highlighted ? this->HighlightMarksColor : this->MarksColor;
  this->MarksActor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmPolyLine::BuildSectionMarks() {
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> ticks;
  const CQlmArcPath path(this->LinePolyData->GetPoints());
  const float length = path.GetLength();
  const float spacing = this->SectionSpacing;
  const float ticksOnLine = spacing > 0.0f ? length / spacing + 1.0f : 0.0f;
  if (length >= 0.0f && ticksOnLine >= 1.0f && ticksOnLine <= MaxSectionMarks) {
    const int count = static_cast<int>(ticksOnLine);
    const float half = this->SectionWidth * 0.5f;
    float s = 0.0f;
    for (int i = 0; i < count; ++i, s += spacing) {
      double m[16];
      ClampedSectionLineMatrix(path, s, m);
      const double along[2] = {m[0], m[8]};
      const vtkIdType first = points->InsertNextPoint(m[3] - half * along[0], m[7] - half * along[1], m[11]);
      const vtkIdType second = points->InsertNextPoint(m[3] + half * along[0], m[7] + half * along[1], m[11]);
      ticks->InsertNextCell(2);
      ticks->InsertCellPoint(first);
      ticks->InsertCellPoint(second);
    }
  }
  this->MarksPolyData->SetPoints(points);
  this->MarksPolyData->SetLines(ticks);
}

void CQlmPolyLine::Serialize(CArchive& archive) {
  if (archive.IsLoading()) this->Balls.RemoveAll();
  this->Balls.Serialize(archive, 2, StoredPointCapacity);
  for (float* color : {this->BallColor, this->MarksColor, this->LineColor, this->SelectionColor,
                       this->HighlightMarksColor, this->HighlightLineColor}) {
    SerializeColor(archive, color);
  }
  if (archive.IsStoring()) {
    archive << this->SectionWidth << this->SectionSpacing;
  } else {
    archive >> this->SectionWidth >> this->SectionSpacing;
  }
  for (int* flag : {&this->MarksEnabled, &this->Visible, &this->Highlighted, &this->MaxPoints}) {
    SerializeFlag(archive, *flag);
  }
  if (archive.IsStoring()) return;

  this->SetBallColor(this->BallColor[0], this->BallColor[1], this->BallColor[2]);
  this->ApplyMarksColor();
  this->ApplyLineColor();
  this->SetBallSelectionColor(this->SelectionColor[0], this->SelectionColor[1], this->SelectionColor[2]);
  this->SetSectionWidth(TruncateToMillimetres(this->SectionWidth));
  this->SetSectionSpacing(TruncateToMillimetres(this->SectionSpacing));
  if (this->Visible) this->MarksActor->SetVisibility(this->MarksEnabled);
  this->SetVisibility(this->Visible);
  this->SetHighlight(this->Highlighted);
  this->AttachBallsToWindow();
  this->BuildLine();
}
