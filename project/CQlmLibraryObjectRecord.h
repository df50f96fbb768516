#pragma once
// One library mesh or tooth in an 800901 project file, fields in file order.
// The record names its library item (item name, library name, library
// identifier); the mesh is rebuilt from the libraries on reading.
#include <cstddef>
#include <cstdint>

#include "platform/CString.h"

class CArchive;

class CQlmLibraryObjectRecord {
public:
  // Smallest record: three empty names, 3 floats, 2 int32, 16 doubles.
  static constexpr size_t MinimumSize = 3 * 1 + 3 * 4 + 2 * 4 + 16 * 8;

  void Store(CArchive& archive) const;
  void Load(CArchive& archive);

  CString ItemName;
  CString LibraryName;
  CString LibraryIdentifier;
  float Color[3] = {1.0f, 1.0f, 1.0f};
  int32_t Visible = 1;
  int32_t Selected = 0;
  // Placement, row by row.
  double Matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
