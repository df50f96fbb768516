#include "ct/CQlmPolyLineNerve.h"

#include <vtkMatrix4x4.h>

#include "platform/CArchive.h"

namespace {
constexpr int ShapePointCount = 9;

// Shape 1 is shape 0 mirrored in x and run backwards; shape 3 is shape 2 mirrored in x.
constexpr float Shapes[CQlmPolyLineNerve::ShapeCount][ShapePointCount * 3] = {
    {-40, -30, 0,  -41, -26,    0,  -39, -18, 0,     -36, -9,  0,     -28, 6,
     0,   -21, 19, 0,   -17.5f, 24, 0,   -18, 26.5f, 0,   -21, 26.5f, 0},
    {21, 26.5f, 0, 18, 26.5f, 0, 17.5f, 24, 0, 21, 19, 0, 28, 6, 0, 36, -9, 0, 39, -18, 0, 41, -26, 0, 40, -30, 0},
    {-32, 11, 0, -24, 5, 0, -16, 0, 0, -8, -4.5f, 0, 0, -8.5f, 0, 10, -11, 0, 20, -11.6f, 0, 27, -9, 0, 28.5f, -4, 0},
    {32, 11, 0, 24, 5, 0, 16, 0, 0, 8, -4.5f, 0, 0, -8.5f, 0, -10, -11, 0, -20, -11.6f, 0, -27, -9, 0, -28.5f, -4, 0},
};
}  // namespace

CQlmPolyLineNerve::CQlmPolyLineNerve() : CQlmPolyLineBase(1.0f, 1.0f, 0.0f) {
  this->SetDefaultShape(0);
  this->ApplyLineColor();
  this->SetBallColor(this->BallColor[0], this->BallColor[1], this->BallColor[2]);
  this->SetBallSelectionColor(this->SelectionColor[0], this->SelectionColor[1], this->SelectionColor[2]);
}

void CQlmPolyLineNerve::SetShapeIndex(int index) {
  if (index >= 0 && index < ShapeCount) this->ShapeIndex = index;
}

void CQlmPolyLineNerve::Reset() {
  this->SetDefaultShape(this->ShapeIndex);
  this->PlacementMatrix->Identity();
  if (this->Window) this->AttachBallsToWindow();
}

bool CQlmPolyLineNerve::SetPoints(int n, const float* xyz) {
  if (!xyz || n < 2 || n > StoredPointCapacity) return false;
  this->ReplacePoints(n, xyz);
  this->PlacementMatrix->Identity();
  if (this->Window) this->AttachBallsToWindow();
  return true;
}

void CQlmPolyLineNerve::SetDefaultShape(int index) { this->ReplacePoints(ShapePointCount, Shapes[index]); }

void CQlmPolyLineNerve::SetVisibility(int flag) {
  this->ShowLineAndBalls(flag);
  this->Visible = flag;
}

void CQlmPolyLineNerve::Serialize(CArchive& archive) {
  if (archive.IsLoading()) this->Balls.RemoveAll();
  this->Balls.Serialize(archive, 2, StoredPointCapacity);
  for (float* color : {this->BallColor, this->LineColor, this->SelectionColor, this->HighlightLineColor}) {
    SerializeColor(archive, color);
  }
  for (int* flag : {&this->Visible, &this->Highlighted, &this->MaxPoints}) SerializeFlag(archive, *flag);
  if (archive.IsStoring()) return;

  this->SetBallColor(this->BallColor[0], this->BallColor[1], this->BallColor[2]);
  this->SetBallSelectionColor(this->SelectionColor[0], this->SelectionColor[1], this->SelectionColor[2]);
  this->SetVisibility(this->Visible);
  this->ApplyLineColor();
  this->BuildLine();
}
