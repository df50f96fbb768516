#pragma once
// The record of one imported geometry in an 800900/800901 project file, and
// its mesh (stored apart, in the imported-geometry block). Fields in file
// order; values 15, 16, the matrix and the points are only carried.
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>
#include <cstdint>

#include "platform/CString.h"

class CArchive;

class CQlmGeometryRecord {
public:
  // Smallest record: 7 floats, 12 int32, 16 doubles, 30 floats, an empty name.
  static constexpr size_t MinimumSize = 7 * 4 + 12 * 4 + 16 * 8 + 30 * 4 + 1;

  // Writes or reads the 66 values (not the mesh).
  void Store(CArchive& archive) const;
  void Load(CArchive& archive);

  // Defaults of a freshly imported object.
  float Color[3] = {0.95f, 0.95f, 0.45f};
  float Color2[3] = {1.0f, 1.0f, 1.0f};
  float Opacity = 0.65f;
  int32_t DisplayMode = 2;  // 0 points, 1 wireframe, 2 surface
  int32_t Visible = 1;
  int32_t Pickable = 0;
  int32_t ColorChoice = 0;  // 0 first colour, 1 second
  int32_t DepthSort = 0;
  int32_t Smooth = 1;
  int32_t Shine = 0;
  int32_t ReservedValue1 = 0;
  int32_t ReservedValue2 = 0;
  int32_t CutShown[3] = {0, 0, 0};  // axial, cross-section, panoramic
  double Matrix[16] = {};
  float Points[10][3] = {};
  CString Name;

  vtkSmartPointer<vtkPolyData> Mesh;
};
