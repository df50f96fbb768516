#pragma once
// The controller values that close an 800901 project file: thick panoramic,
// slab thickness and mode, implant label font size, notes flag, and the
// sagittal/coronal mode with the reformat state saved when it was entered.
#include <cstdint>

class CArchive;

class CQlmDocumentValues {
public:
  // Reformat state kept while the sagittal/coronal mode is on.
  static constexpr int MaximumArchPoints = 50;

  struct SavedReformat {
    float SectionWidth = 0;
    float SectionSpacing = 0;
    float CurveSpacing = 0;
    int32_t CurveCount = 0;
    int32_t ThickPanoramic = 0;
    int32_t ArchPointCount = 0;  // meaningful entries of ArchPoints
    int32_t SingleCrossSection = 0;
    int32_t FirstSection = 0;
    int32_t CurrentCurve = 0;
    int32_t AxialSlice = 0;
    float ArchPoints[MaximumArchPoints][3] = {};
  };

  void Store(CArchive& archive) const;
  // The end word is read and dropped. Refuses (CArchiveException) a saved arch
  // point count outside 0..50.
  void Load(CArchive& archive);
  // Replaces the flags, the slab thickness and its mode when outside their
  // ranges (QlmViewRanges) by the values of a new project, and in the
  // sagittal/coronal mode the saved reformat values and flags by those of a
  // new view state. The saved positions and arch points (checked when they
  // are restored) and the font size are carried as read.
  void ReplaceOutOfRange();

  int32_t ThickPanoramic = 0;
  float PanoramicThickness = 22.0f;  // mm
  int32_t PanoramicMode = 2;         // 0 mapped mean, 1 maximum, 2 their mean
  int32_t ImplantFontSize = 12;
  int32_t NotesShown = 0;
  int32_t SagittalCoronal = 0;
  SavedReformat Saved;

private:
  void ReplaceSavedOutOfRange();
};
