#pragma once
// A ruler of the axial, panoramic or cross-section view in an 800901 project
// file, fields in file order. The last word is the view's slice when the
// ruler was saved, written for the file's sake and not used on reading.
#include <cstddef>
#include <cstdint>

class CArchive;

class CQlmRullerRecord {
public:
  static constexpr size_t Size = 12 * 4;

  void Store(CArchive& archive) const;
  void Load(CArchive& archive);

  float Point1[3] = {0.0f, 0.0f, 0.0f};
  float Point2[3] = {0.0f, 0.0f, 0.0f};
  float Color[3] = {1.0f, 1.0f, 0.0f};
  int32_t Selected = 0;
  // The slice, curve or section the ruler was drawn on.
  int32_t Slice = 0;
  int32_t CurrentSlice = 0;
};
