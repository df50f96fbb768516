#pragma once
// The reformat and view state of an 800901 project file, in file order: the
// curve family and cross-sections, the current slice, section and curve, the
// four cameras, the 3D background, the display window, view flags and the
// splitter fractions. A reader keeps it until the views exist.
#include <cstdint>

class CArchive;

class CQlmViewState {
public:
  struct Camera {
    double Position[3] = {0, 0, 1};
    double FocalPoint[3] = {0, 0, 0};
    double ViewUp[3] = {0, 1, 0};  // stored for the 3D camera only
    double ParallelScale = 1;
  };

  void Store(CArchive& archive) const;
  void Load(CArchive& archive);
  // Replaces every value outside its range (QlmViewRanges) by the value of a
  // new view state: the reformat values, the 3D background, the grey window
  // (both ends) and the flags that are applied. The slice, section and curve,
  // the cameras and the splitter fractions are checked against the views when
  // they are restored.
  void ReplaceOutOfRange();
  // The same for a project saved in the sagittal/coronal mode, whose sections
  // may span `largestWidth` mm and whose curves may number up to `mostCurves`.
  void ReplaceOutOfRange(float largestWidth, int32_t mostCurves);

  int32_t CurveCountValue = 17;  // curve count + 1
  float CurveSpacing = 1.0f;     // mm
  float SectionWidth = 50.0f;    // mm
  float SectionSpacing = 1.0f;   // mm
  int32_t AxialSlice = 0;
  int32_t CrossPosition = 0;
  int32_t PanoramicCurve = 8;
  Camera AxialCamera;
  Camera CrossCamera;
  Camera PanoramicCamera;
  Camera Camera3D;
  float Background3D[3] = {0.33f, 0.33f, 0.33f};
  float DisplayMinimum = 0.0f;
  float DisplayMaximum = 4095.0f;
  int32_t SingleCrossSection = 0;
  int32_t IndicatorFlags[3] = {0, 0, 0};     // carried only
  int32_t Indicators3DShown[3] = {0, 0, 0};  // axial, cross-section, panoramic
  int32_t IndicatorTransparent = 0;
  int32_t ViewsInUse[4] = {1, 1, 1, 1};  // axial, cross-section, panoramic, 3D
  int32_t CurveEdit = 0;                 // never applied
  float SplitterFractions[3] = {0.5f, 0.5f, 0.5f};
  int32_t Indicators3DTransparent = 0;
};
