#include "project/CQlmViewState.h"

#include "project/QlmArchiveArrays.h"

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
