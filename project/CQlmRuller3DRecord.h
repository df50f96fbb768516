#pragma once
// A ruler of the 3D view in an 800901 project file, fields in file order.
#include <cstddef>
#include <cstdint>

class CArchive;

class CQlmRuller3DRecord {
public:
  static constexpr size_t Size = 10 * 4;

  void Store(CArchive& archive) const;
  void Load(CArchive& archive);

  float Point1[3] = {0.0f, 0.0f, 0.0f};
  float Point2[3] = {0.0f, 0.0f, 0.0f};
  float Color[3] = {1.0f, 1.0f, 0.0f};
  int32_t Visible = 1;
};
