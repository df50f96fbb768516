#include "project/CQlmArchRecord.h"

#include <vtkMatrix4x4.h>
#include <vtkTransform.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ct/CQlmBall.h"
#include "ct/CQlmPolyLine.h"
#include "platform/CArchive.h"
#include "project/QlmViewRanges.h"

namespace {

// Whole millimetres of a stored size; 0 for values no int holds.
int TruncateToMillimetres(float value) { return std::fabs(value) < 2.0e9f ? static_cast<int>(value) : 0; }

}  // namespace

void CQlmArchRecord::CaptureFrom(const CQlmPolyLine& arch) {
  this->Points.clear();
  arch.GetBalls().ForEach([this](CQlmBall* ball) {
    Matrix elements;
    vtkMatrix4x4::DeepCopy(elements.data(), ball->GetMatrix());
    this->Points.push_back(elements);
  });
  this->SectionWidth = arch.GetSectionWidth();
  this->SectionSpacing = arch.GetSectionSpacing();
}

void CQlmArchRecord::ApplyTo(CQlmPolyLine& arch) const {
  CQlmBallList& balls = arch.GetBalls();
  balls.RemoveAll();
  for (const Matrix& elements : this->Points) {
    CQlmBall* ball = balls.AddTail();
    ball->SetVisibility(0);
    ball->GetTransform()->SetMatrix(elements.data());
    ball->SetWindow(arch.GetWindow());
    ball->AddToRenderer();
  }
  arch.SetSectionWidth(TruncateToMillimetres(this->SectionWidth));
  arch.SetSectionSpacing(TruncateToMillimetres(this->SectionSpacing));
  arch.BuildLine();
}

bool CQlmArchRecord::IsNearVolume(const float size[3]) const {
  return std::all_of(this->Points.begin(), this->Points.end(), [size](const Matrix& elements) {
    const double position[3] = {elements[3], elements[7], elements[11]};
    return std::all_of(elements.begin(), elements.end(), [](double element) { return std::isfinite(element); }) &&
           QlmViewRanges::IsNearVolume(position, size);
  });
}

void CQlmArchRecord::Store(CArchive& archive) const {
  archive << static_cast<int32_t>(this->Points.size());
  for (const Matrix& elements : this->Points) {
    for (double element : elements) archive << element;
  }
  archive << this->SectionWidth << this->SectionSpacing;
}

void CQlmArchRecord::Load(CArchive& archive) {
  const int32_t count = archive.ReadCount(sizeof(Matrix));
  if (count < MinimumPoints || count > MaximumPoints) {
    throw CArchiveException(CArchiveException::badIndex, "arch point count out of range");
  }
  this->Points.assign(static_cast<size_t>(count), Matrix{});
  for (Matrix& elements : this->Points) {
    for (double& element : elements) archive >> element;
  }
  archive >> this->SectionWidth >> this->SectionSpacing;
}
