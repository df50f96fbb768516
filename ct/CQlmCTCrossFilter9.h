#pragma once
// The nine parallel cross-sections shown in the 3x3 cross-section view. Section
// k (0 .. 8) is the vertical plane across the arch at arc length
// (FirstIndex + k) x SectionSpacing, about SectionWidth mm wide and as tall as
// the volume, sampled with cubic interpolation into slice k of one image of
// extent (0 .. w - 1, 0 .. h - 1, 0 .. 8) with the volume's spacing.
// The image's x and y origin place each slice in its section's own frame, the
// frame of the cross-section cells: with the y flip on, x runs across the arch
// with 0 on it and grows outwards (to the left of the arch's drawing
// direction), y is the height above the volume centre (for an arch at z = 0).
// Its z origin is 0.
//
// Scrolling by one to eight sections moves the sections still shown within the
// image and samples only the new ones; every other change samples all nine.
#include <vtkImageData.h>
#include <vtkNew.h>

#include "ct/CQlmResliceGeometry.h"

class CQlmPanoramicCalc;
class vtkMatrix4x4;

class CQlmCTCrossFilter9 {
public:
  CQlmCTCrossFilter9() = default;
  virtual ~CQlmCTCrossFilter9() = default;
  CQlmCTCrossFilter9(const CQlmCTCrossFilter9&) = delete;
  CQlmCTCrossFilter9& operator=(const CQlmCTCrossFilter9&) = delete;

  static CQlmCTCrossFilter9* New() { return new CQlmCTCrossFilter9; }

  // Records the volume (not owned) and shapes the plane and the nine-slice
  // output after it (cleared to 0); samples nothing.
  void SetInput(vtkImageData* volume);
  // The arch geometry (not owned); computes MaxIndex and samples all nine.
  void SetCalc(CQlmPanoramicCalc* calc);
  // Section width in mm, kept within 0 .. GetLargestWidth(); reshapes the plane and samples all nine.
  void SetWidth(float width);
  // The volume's largest extent (voxel count x spacing) in mm, at least 100.
  float GetLargestWidth() const;
  // Arc length between sections in mm, kept within 0.1 .. 5. Keeps the relative
  // position along the arch and samples all nine.
  void SetSpacing(float spacing);
  // Makes section i the first; ignored when i is the current first index, i < 0
  // or i > MaxIndex.
  void SetPosition(int i);
  // Flips the section matrices (CQlmResliceGeometry::FlipMatrixY); samples all nine.
  void SetFlipY(int flag);
  // 1: only the centre section is sampled from the next recomputation on.
  // 0: samples all nine.
  void SetSingleSection(int flag);
  // The next position change samples all nine sections.
  void Invalidate() { this->Stale = 1; }
  // Samples all nine sections (or the centre one) after a change elsewhere;
  // ends a hold.
  void Update();
  // The setters change the geometry but sample nothing until the next Update:
  // for a batch of changes that would each sample all nine.
  void HoldSampling() { this->Held = 1; }

  // Arc lengths of the nine sections, (FirstIndex + k) x SectionSpacing.
  float* GetSectionPositions();

  // As CQlmResliceGeometry::FlipMatrixY.
  static void FlipMatrixY(vtkMatrix4x4* matrix) { CQlmResliceGeometry::FlipMatrixY(matrix); }

  int GetFirstIndex() const { return this->FirstIndex; }
  // trunc(arch length / SectionSpacing - 8); negative for an arch shorter than eight spacings.
  int GetMaxIndex() const { return this->MaxIndex; }
  float GetSectionSpacing() const { return this->SectionSpacing; }
  float GetSectionWidth() const { return this->SectionWidth; }
  float GetCentreArc() const { return this->CentreArc; }
  int GetFlipY() const { return this->FlipY; }
  int GetSingleSection() const { return this->SingleSection; }
  // The change of FirstIndex by the last position change that shifted sections.
  int GetStep() const { return this->Step; }
  // The nine sections; the same object for the filter's whole life.
  vtkImageData* GetOutput() const { return this->Output; }

private:
  int ComputeMaxIndex() const;
  void Recompute(int step);
  void ShiftSlices(int step);
  // Samples the sections with these indices (0 .. 8) into their slices.
  void SampleSections(const int* sections, int count);

  vtkImageData* Input = nullptr;
  vtkNew<vtkImageData> Output;
  CQlmPanoramicCalc* Calc = nullptr;
  CQlmResliceGeometry Geometry;
  CQlmResliceGeometry::Range Columns;
  CQlmResliceGeometry::Range Rows;
  int FirstIndex = 0;
  int MaxIndex = 0;
  float SectionSpacing = 2.0f;
  float SectionWidth = 32.0f;
  float CentreArc = 8.0f;
  int FlipY = 0;
  float SectionPositions[9] = {};
  int Step = 0;
  int Stale = 0;
  int SingleSection = 0;
  int Held = 0;
};
