#include "project/CQlmViewState.h"

#include <algorithm>

#include "project/QlmArchiveArrays.h"
#include "project/QlmViewRanges.h"

namespace {

void StoreCamera(CArchive& archive, const CQlmViewState::Camera& camera, bool withViewUp) {
  QlmStoreArray(archive, camera.Position);
  QlmStoreArray(archive, camera.FocalPoint);
  if (withViewUp) QlmStoreArray(archive, camera.ViewUp);
  archive << camera.ParallelScale;
}

void LoadCamera(CArchive& archive, CQlmViewState::Camera& camera, bool withViewUp) {
  QlmLoadArray(archive, camera.Position);
  QlmLoadArray(archive, camera.FocalPoint);
  if (withViewUp) QlmLoadArray(archive, camera.ViewUp);
  archive >> camera.ParallelScale;
}

template <size_t N>
void ReplaceBadFlags(int32_t (&flags)[N], const int32_t (&fresh)[N]) {
  for (size_t i = 0; i < N; ++i) {
    if (!QlmViewRanges::IsFlag(flags[i])) flags[i] = fresh[i];
  }
}

}  // namespace

void CQlmViewState::Store(CArchive& archive) const {
  archive << this->CurveCountValue << this->CurveSpacing << this->SectionWidth << this->SectionSpacing
          << this->AxialSlice << this->CrossPosition << this->PanoramicCurve;
  StoreCamera(archive, this->AxialCamera, false);
  StoreCamera(archive, this->CrossCamera, false);
  StoreCamera(archive, this->PanoramicCamera, false);
  StoreCamera(archive, this->Camera3D, true);
  QlmStoreArray(archive, this->Background3D);
  archive << this->DisplayMinimum << this->DisplayMaximum << this->SingleCrossSection;
  QlmStoreArray(archive, this->IndicatorFlags);
  QlmStoreArray(archive, this->Indicators3DShown);
  archive << this->IndicatorTransparent;
  QlmStoreArray(archive, this->ViewsInUse);
  archive << this->CurveEdit;
  QlmStoreArray(archive, this->SplitterFractions);
  archive << this->Indicators3DTransparent;
}

void CQlmViewState::Load(CArchive& archive) {
  archive >> this->CurveCountValue >> this->CurveSpacing >> this->SectionWidth >> this->SectionSpacing >>
      this->AxialSlice >> this->CrossPosition >> this->PanoramicCurve;
  LoadCamera(archive, this->AxialCamera, false);
  LoadCamera(archive, this->CrossCamera, false);
  LoadCamera(archive, this->PanoramicCamera, false);
  LoadCamera(archive, this->Camera3D, true);
  QlmLoadArray(archive, this->Background3D);
  archive >> this->DisplayMinimum >> this->DisplayMaximum >> this->SingleCrossSection;
  QlmLoadArray(archive, this->IndicatorFlags);
  QlmLoadArray(archive, this->Indicators3DShown);
  archive >> this->IndicatorTransparent;
  QlmLoadArray(archive, this->ViewsInUse);
  archive >> this->CurveEdit;
  QlmLoadArray(archive, this->SplitterFractions);
  archive >> this->Indicators3DTransparent;
}

void CQlmViewState::ReplaceOutOfRange() {
  this->ReplaceOutOfRange(QlmViewRanges::MaximumSectionWidth, QlmViewRanges::MaximumCurves);
}

void CQlmViewState::ReplaceOutOfRange(float largestWidth, int32_t mostCurves) {
  using namespace QlmViewRanges;
  const CQlmViewState fresh;
  if (!IsCurveCount(this->CurveCountValue, mostCurves)) this->CurveCountValue = fresh.CurveCountValue;
  if (!IsCurveSpacing(this->CurveSpacing)) this->CurveSpacing = fresh.CurveSpacing;
  if (!IsSectionWidth(this->SectionWidth, largestWidth)) this->SectionWidth = fresh.SectionWidth;
  if (!IsSectionSpacing(this->SectionSpacing)) this->SectionSpacing = fresh.SectionSpacing;
  if (!IsColour(this->Background3D)) std::copy_n(fresh.Background3D, 3, this->Background3D);
  if (!IsGreyWindow(this->DisplayMinimum, this->DisplayMaximum)) {
    this->DisplayMinimum = fresh.DisplayMinimum;
    this->DisplayMaximum = fresh.DisplayMaximum;
  }
  if (!IsFlag(this->SingleCrossSection)) this->SingleCrossSection = fresh.SingleCrossSection;
  ReplaceBadFlags(this->Indicators3DShown, fresh.Indicators3DShown);
  if (!IsFlag(this->IndicatorTransparent)) this->IndicatorTransparent = fresh.IndicatorTransparent;
  ReplaceBadFlags(this->ViewsInUse, fresh.ViewsInUse);
  if (!IsFlag(this->Indicators3DTransparent)) this->Indicators3DTransparent = fresh.Indicators3DTransparent;
}
