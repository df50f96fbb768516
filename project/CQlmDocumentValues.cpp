#include "project/CQlmDocumentValues.h"

#include "project/CQlmViewState.h"
#include "project/QlmArchiveArrays.h"
#include "project/QlmViewRanges.h"

void CQlmDocumentValues::Store(CArchive& archive) const {
  const SavedReformat& saved = this->Saved;
  archive << this->ThickPanoramic << this->PanoramicThickness << this->PanoramicMode << this->ImplantFontSize
          << this->NotesShown << this->SagittalCoronal;
  archive << saved.SectionWidth << saved.SectionSpacing << saved.CurveSpacing << saved.CurveCount
          << saved.ThickPanoramic << saved.ArchPointCount << saved.SingleCrossSection << saved.FirstSection
          << saved.CurrentCurve << saved.AxialSlice;
  for (const auto& point : saved.ArchPoints) QlmStoreArray(archive, point);
  archive << int32_t(0);
}

void CQlmDocumentValues::Load(CArchive& archive) {
  SavedReformat& saved = this->Saved;
  archive >> this->ThickPanoramic >> this->PanoramicThickness >> this->PanoramicMode >> this->ImplantFontSize >>
      this->NotesShown >> this->SagittalCoronal;
  archive >> saved.SectionWidth >> saved.SectionSpacing >> saved.CurveSpacing >> saved.CurveCount >>
      saved.ThickPanoramic >> saved.ArchPointCount >> saved.SingleCrossSection >> saved.FirstSection >>
      saved.CurrentCurve >> saved.AxialSlice;
  if (saved.ArchPointCount < 0 || saved.ArchPointCount > MaximumArchPoints) {
    throw CArchiveException(CArchiveException::badIndex, "saved arch point count out of range");
  }
  for (auto& point : saved.ArchPoints) QlmLoadArray(archive, point);
  int32_t endWord = 0;
  archive >> endWord;
}

void CQlmDocumentValues::ReplaceOutOfRange() {
  using namespace QlmViewRanges;
  const CQlmDocumentValues fresh;
  if (!IsFlag(this->ThickPanoramic)) this->ThickPanoramic = fresh.ThickPanoramic;
  if (!IsThickness(this->PanoramicThickness)) this->PanoramicThickness = fresh.PanoramicThickness;
  if (!IsThickMode(this->PanoramicMode)) this->PanoramicMode = fresh.PanoramicMode;
  if (!IsFlag(this->NotesShown)) this->NotesShown = fresh.NotesShown;
  if (!IsFlag(this->SagittalCoronal)) this->SagittalCoronal = fresh.SagittalCoronal;
  if (this->SagittalCoronal) this->ReplaceSavedOutOfRange();
}

// Leaving the sagittal/coronal mode restores these: a new project's view state stands in for a bad value.
void CQlmDocumentValues::ReplaceSavedOutOfRange() {
  using namespace QlmViewRanges;
  const CQlmViewState fresh;
  SavedReformat& saved = this->Saved;
  if (!IsCurveCount(saved.CurveCount)) saved.CurveCount = fresh.CurveCountValue;
  if (!IsCurveSpacing(saved.CurveSpacing)) saved.CurveSpacing = fresh.CurveSpacing;
  if (!IsSectionWidth(saved.SectionWidth)) saved.SectionWidth = fresh.SectionWidth;
  if (!IsSectionSpacing(saved.SectionSpacing)) saved.SectionSpacing = fresh.SectionSpacing;
  if (!IsFlag(saved.ThickPanoramic)) saved.ThickPanoramic = 0;
  if (!IsFlag(saved.SingleCrossSection)) saved.SingleCrossSection = fresh.SingleCrossSection;
}
