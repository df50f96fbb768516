#pragma once
// A spatial index of a mesh for repeated planar cuts (QlmPlanarCut): cells
// bucketed by height for near-horizontal planes and on an x-y grid for
// near-vertical planes and vertical strips. The index is rebuilt only when
// the input or its points change; every cut gives exactly what cutting all
// cells gives (a strip: once the caller keeps only the pieces in its span).
// Planes that are neither nearly horizontal nor nearly vertical cut every cell.
#include <vtkSmartPointer.h>
#include <vtkType.h>

#include <cstdint>
#include <vector>

class vtkMatrix4x4;
class vtkPolyData;

class QlmPlanarCutIndex {
public:
  // The mesh to cut (world coordinates); kept, not copied. Null for none.
  void SetInput(vtkPolyData* input);
  vtkPolyData* GetInput() const { return this->Input; }

  // QlmPlanarCut::Cut of the input with the z = 0 plane of `plane`.
  void Cut(vtkMatrix4x4* plane, vtkPolyData* output);
  // The cut of the vertical strip |local x| <= `halfWidth` of `plane`, open
  // below -halfWidth (`openLow`) or above +halfWidth (`openHigh`): every
  // cell the strip may reach is cut, so clipping the result to the strip
  // gives what clipping the whole cut gives.
  void CutStrip(vtkMatrix4x4* plane, double halfWidth, bool openLow, bool openHigh, vtkPolyData* output);

  // Builds the index now when the input changed (a cut does it otherwise).
  void Update();
  // How many times the index was built.
  int GetBuildCount() const { return this->BuildCount; }

private:
  struct Range {
    double Low, High;
  };
  void Build();
  // Cells of the height buckets that the plane meets within the input's bounds.
  void CollectHorizontal(vtkMatrix4x4* plane, std::vector<vtkIdType>& cells);
  // Cells of the grid columns that the plane (and the strip, if any) meets.
  void CollectVertical(vtkMatrix4x4* plane, const Range* strip, std::vector<vtkIdType>& cells);
  void AddBucket(const std::vector<vtkIdType>& bucket, std::vector<vtkIdType>& cells);
  // How the plane lies: 0 nearly horizontal, 1 nearly vertical, -1 neither.
  static int Orientation(vtkMatrix4x4* plane);
  void CutCandidates(vtkMatrix4x4* plane, const Range* strip, vtkPolyData* output);

  vtkSmartPointer<vtkPolyData> Input;
  vtkMTimeType BuiltTime = 0;
  vtkPolyData* BuiltInput = nullptr;
  int BuildCount = 0;
  double Bounds[6] = {0, 0, 0, 0, 0, 0};
  // Cells per height bucket and per x-y grid column (column = row * GridX + col), ascending ids.
  std::vector<std::vector<vtkIdType>> Heights;
  std::vector<std::vector<vtkIdType>> Columns;
  double HeightStep = 1.0;
  int GridX = 1, GridY = 1;
  double GridStep[2] = {1.0, 1.0};
  // Query scratch: the last query that took each cell.
  std::vector<uint32_t> Stamps;
  uint32_t Stamp = 0;
};
