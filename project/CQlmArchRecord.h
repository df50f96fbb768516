#pragma once
// The arch curve as a project file stores it: the control points' placement
// matrices (16 doubles each, row by row), then the length and the spacing of
// the cross-section marks as floats.
#include <array>
#include <cstddef>
#include <vector>

class CArchive;
class CQlmPolyLine;

class CQlmArchRecord {
public:
  using Matrix = std::array<double, 16>;

  // Fewest and most control points a stored arch may have.
  static constexpr int MinimumPoints = 2;
  static constexpr int MaximumPoints = 50;

  // The points of the polyline's balls, in order, and its mark sizes.
  void CaptureFrom(const CQlmPolyLine& arch);
  // Replaces the polyline's balls by hidden balls with the stored matrices,
  // joined to the polyline's window, rebuilds its line and sets the mark sizes
  // truncated to whole millimetres.
  void ApplyTo(CQlmPolyLine& arch) const;

  // True when every matrix element is finite and every point lies near a
  // volume of physical size `size` (QlmViewRanges::IsNearVolume).
  bool IsNearVolume(const float size[3]) const;

  void Store(CArchive& archive) const;
  // Refuses (CArchiveException) a point count outside MinimumPoints..MaximumPoints.
  void Load(CArchive& archive);

  std::vector<Matrix> Points;
  float SectionWidth = 32.0f;
  float SectionSpacing = 2.0f;
};
