#pragma once
// A nerve in an 800901 project file, fields in file order: the tube's
// translation, both lines as a point count and 50 point slots (unused slots
// zero), then name, side, diameter, visible flag and colour.
#include <cstddef>
#include <cstdint>

#include "platform/CString.h"

class CArchive;

class CQlmNerveRecord {
public:
  static constexpr int Slots = 50;
  // Bytes of the shortest record: an empty name.
  static constexpr size_t Size = 3 * 4 + 2 * (4 + Slots * 3 * 4) + 1 + 4 + 4 + 4 + 3 * 4;

  // One traced line: its point count and positions (x, y, z).
  struct Line {
    int32_t Count = 0;
    float Points[Slots][3] = {};
  };

  void Store(CArchive& archive) const;
  // A line with fewer than 2 or more than Slots points raises CArchiveException.
  void Load(CArchive& archive);

  float Translation[3] = {0.0f, 0.0f, 0.0f};
  Line Axial;
  Line Panoramic;
  CString Name;
  int32_t Side = 0;
  float Diameter = 3.0f;
  int32_t Visible = 1;
  float Color[3] = {1.0f, 0.3f, 0.0f};
};
