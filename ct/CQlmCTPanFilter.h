#pragma once
// The panoramic image: the CT volume unrolled along the arch, x along the arc
// length and y up the volume's height, in pixels of the volume's x and y spacing.
//
// Thin (Thick = 0): each segment of the current parallel curve gives one vertical
// strip of trunc(length / spacing x + 0.5) pixels (one more whenever the carried
// fractions reach a whole pixel), sampled with linear interpolation; the strips
// are laid side by side.
// Thick (Thick = 1): at every x spacing of arc length along the arch, a slab
// Thickness mm wide across it; each slab row becomes one pixel: the mapped mean
// (ThickMode 0: a linear window that maps a mean of 600 to 0 and 2199 to 4095),
// the maximum (1, stored raw), or the average of both (2). The result is kept
// until the filter is marked dirty, with progress reported to the observer.
//
// The image's origin places it in the panoramic view's frame (with the y flip
// on): y is the height above the volume centre; x is the arc length from the
// middle of the curve, growing from its first point to its last (thin: the
// current curve; whole-pixel strip widths, about half a pixel more than their
// segments, leave each strip up to about two pixels from its segment's place;
// thick: the arch, slab j at arc length j x spacing x).
#include "ct/CQlmResliceGeometry.h"

#include <vtkImageData.h>
#include <vtkNew.h>

#include <cstdint>

class CQlmObserver;
class CQlmPanoramicCalc;
class vtkMatrix4x4;

class CQlmCTPanFilter {
public:
  CQlmCTPanFilter() = default;
  virtual ~CQlmCTPanFilter() = default;
  CQlmCTPanFilter(const CQlmCTPanFilter&) = delete;
  CQlmCTPanFilter& operator=(const CQlmCTPanFilter&) = delete;

  static CQlmCTPanFilter* New() { return new CQlmCTPanFilter; }

  // Records the volume (not owned); recomputes as Update when the geometry is set.
  void SetInput(vtkImageData* volume);
  // The arch geometry (not owned); recomputes as Update when the volume is set.
  void SetCalc(CQlmPanoramicCalc* calc);
  // Thin: the thin panoramic into the output. Thick: the thick panoramic into
  // the kept result when dirty, then the output becomes a copy of it.
  void Update();
  // Flips every strip and section matrix; recomputes as Update (a kept thick
  // result is not recomputed).
  void SetFlipY(int flag);

  // (current curve - middle curve) x curve spacing: the signed distance in mm of
  // the current curve from the arch, positive outside it; 0 without geometry.
  float GetCurveOffset() const;

  // As CQlmResliceGeometry::FlipMatrixY; also used for the cross-section indicator.
  static void FlipMatrixY(vtkMatrix4x4* matrix) { CQlmResliceGeometry::FlipMatrixY(matrix); }

  // 1 thick panoramic, 0 thin. Default 0.
  void SetThick(int thick) { this->Thick = thick; }
  int GetThick() const { return this->Thick; }
  // Slab width in mm, kept within 1 .. 50 as the reformat dialog keeps it
  // (project files may hold anything). Default 22. A change marks the filter dirty.
  void SetThickness(float thickness);
  float GetThickness() const { return this->Thickness; }
  // 0 mapped mean, 1 maximum, 2 average of both; others are brought into 0 .. 2.
  // Default 2. A change marks the filter dirty.
  void SetThickMode(int mode);
  int GetThickMode() const { return this->ThickMode; }
  // 1: the thick result is recomputed at the next thick Update. Default 1.
  void SetDirty(int dirty) { this->Dirty = dirty; }
  int GetDirty() const { return this->Dirty; }

  // Receives the progress of the thick panoramic and the status texts; not
  // owned; null (the default) reports nothing. The controller gives its status
  // observer right after creating the filter.
  void SetProgressObserver(CQlmObserver* observer) { this->ProgressObserver = observer; }

  // Length of the current curve when the geometry was given (mm).
  float GetCurveLength() const { return this->CurveLength; }
  int GetFlipY() const { return this->FlipY; }
  // The panoramic image; the same object for the filter's whole life.
  vtkImageData* GetOutput() const { return this->Output; }
  // The last thick panoramic: extent (0 .. slabs - 1, first row .. last row, 0 .. 0).
  vtkImageData* GetThickResult() const { return this->ThickResult; }

  // The pixel that a slab row with this voxel sum over `count` voxels and this
  // maximum gives in each ThickMode.
  static uint16_t ReduceRow(uint64_t sum, int count, uint16_t maximum, int mode);

private:
  void BuildThin();
  void BuildThick();

  vtkImageData* Input = nullptr;
  vtkNew<vtkImageData> Output;
  CQlmPanoramicCalc* Calc = nullptr;
  CQlmResliceGeometry Geometry;
  float CurveLength = 0.0f;
  int FlipY = 0;
  int Thick = 0;
  float Thickness = 22.0f;
  int ThickMode = 2;
  CQlmObserver* ProgressObserver = nullptr;
  int Dirty = 1;
  vtkNew<vtkImageData> ThickResult;
};
