#include "toolkit/QlmPlanarCutIndex.h"

#include <vtkMatrix4x4.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <cmath>

#include "toolkit/QlmPlanarCut.h"

namespace {
// Longest side of the grid and most height buckets.
constexpr int MaximumBins = 512;
constexpr int MaximumHeightBins = 4096;

// Non-finite values (a damaged mesh) fall into the first bin.
int Bin(double value, double low, double step, int count) {
  const double bin = std::floor((value - low) / step);
  if (!(bin > 0.0)) return 0;
  return bin >= double(count - 1) ? count - 1 : int(bin);
}

// `wanted` bins, at least 1 and at most `maximum`.
int BinCount(double wanted, int maximum) {
  if (!(wanted > 1.0)) return 1;
  return wanted >= double(maximum) ? maximum : int(wanted);
}

double Step(double extent, int bins) {
  const double step = extent / bins;
  return std::isfinite(step) && step > 1e-9 ? step : 1.0;
}

// Range of k * (v - origin) for v in [low, high].
void ScaledRange(double k, double low, double high, double origin, double range[2]) {
  const double a = k * (low - origin), b = k * (high - origin);
  range[0] += std::min(a, b);
  range[1] += std::max(a, b);
}
}  // namespace

void QlmPlanarCutIndex::SetInput(vtkPolyData* input) { this->Input = input; }

void QlmPlanarCutIndex::Update() {
  if (!this->Input) return;
  if (this->Input == this->BuiltInput && this->Input->GetMTime() == this->BuiltTime) return;
  this->Build();
}

void QlmPlanarCutIndex::Build() {
  vtkPolyData* input = this->Input;
  this->BuiltInput = input;
  this->BuiltTime = input->GetMTime();
  ++this->BuildCount;
  this->Heights.clear();
  this->Columns.clear();
  const vtkIdType cellCount = input->GetNumberOfCells();
  this->Stamps.assign(size_t(cellCount), 0);
  this->Stamp = 0;
  if (cellCount == 0 || input->GetNumberOfPoints() == 0) return;
  input->GetBounds(this->Bounds);

  // Each cell's box, and the mean cell size that sets the bin sizes.
  std::vector<float> boxes(size_t(cellCount) * 6);
  double sumXY = 0.0, sumZ = 0.0;
  vtkPoints* points = input->GetPoints();
  for (vtkIdType cellId = 0; cellId < cellCount; ++cellId) {
    vtkIdType count;
    const vtkIdType* ids;
    input->GetCellPoints(cellId, count, ids);
    double box[6] = {1e300, -1e300, 1e300, -1e300, 1e300, -1e300};
    for (vtkIdType i = 0; i < count; ++i) {
      double p[3];
      points->GetPoint(ids[i], p);
      for (int axis = 0; axis < 3; ++axis) {
        box[2 * axis] = std::min(box[2 * axis], p[axis]);
        box[2 * axis + 1] = std::max(box[2 * axis + 1], p[axis]);
      }
    }
    if (count == 0) std::copy(this->Bounds, this->Bounds + 6, box);
    // Rounded outwards so that the float box still holds the cell.
    for (int k = 0; k < 6; ++k) boxes[6 * cellId + k] = k % 2 ? std::nextafter(float(box[k]), 1e30f) : std::nextafter(float(box[k]), -1e30f);
    sumXY += std::max(box[1] - box[0], box[3] - box[2]);
    sumZ += box[5] - box[4];
  }
  const double meanXY = sumXY / double(cellCount), meanZ = sumZ / double(cellCount);
  const double extent[3] = {this->Bounds[1] - this->Bounds[0], this->Bounds[3] - this->Bounds[2],
                            this->Bounds[5] - this->Bounds[4]};

  // Bins about twice the mean cell size: most cells fall into one or two.
  const int heightBins = BinCount(extent[2] / (2.0 * meanZ), MaximumHeightBins);
  this->HeightStep = Step(extent[2], heightBins);
  this->Heights.resize(size_t(heightBins));
  this->GridX = BinCount(extent[0] / (2.0 * meanXY), MaximumBins);
  this->GridY = BinCount(extent[1] / (2.0 * meanXY), MaximumBins);
  this->GridStep[0] = Step(extent[0], this->GridX);
  this->GridStep[1] = Step(extent[1], this->GridY);
  this->Columns.resize(size_t(this->GridX) * this->GridY);

  for (vtkIdType cellId = 0; cellId < cellCount; ++cellId) {
    const float* box = &boxes[6 * cellId];
    const int z0 = Bin(box[4], this->Bounds[4], this->HeightStep, heightBins);
    const int z1 = Bin(box[5], this->Bounds[4], this->HeightStep, heightBins);
    for (int z = z0; z <= z1; ++z) this->Heights[z].push_back(cellId);
    const int x0 = Bin(box[0], this->Bounds[0], this->GridStep[0], this->GridX);
    const int x1 = Bin(box[1], this->Bounds[0], this->GridStep[0], this->GridX);
    const int y0 = Bin(box[2], this->Bounds[2], this->GridStep[1], this->GridY);
    const int y1 = Bin(box[3], this->Bounds[2], this->GridStep[1], this->GridY);
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) this->Columns[size_t(y) * this->GridX + x].push_back(cellId);
  }
}

int QlmPlanarCutIndex::Orientation(vtkMatrix4x4* plane) {
  const double nz = std::abs(plane->GetElement(2, 2));
  const double length = std::hypot(plane->GetElement(0, 2), plane->GetElement(1, 2), plane->GetElement(2, 2));
  if (length == 0.0) return -1;
  if (nz / length > 0.7) return 0;
  if (nz / length < 0.3) return 1;
  return -1;
}

void QlmPlanarCutIndex::AddBucket(const std::vector<vtkIdType>& bucket, std::vector<vtkIdType>& cells) {
  for (vtkIdType cellId : bucket) {
    if (this->Stamps[cellId] == this->Stamp) continue;
    this->Stamps[cellId] = this->Stamp;
    cells.push_back(cellId);
  }
}

void QlmPlanarCutIndex::CollectHorizontal(vtkMatrix4x4* plane, std::vector<vtkIdType>& cells) {
  const double n[3] = {plane->GetElement(0, 2), plane->GetElement(1, 2), plane->GetElement(2, 2)};
  const double o[3] = {plane->GetElement(0, 3), plane->GetElement(1, 3), plane->GetElement(2, 3)};
  // Heights of the plane over the input's x-y box.
  double range[2] = {0.0, 0.0};
  ScaledRange(-n[0] / n[2], this->Bounds[0], this->Bounds[1], o[0], range);
  ScaledRange(-n[1] / n[2], this->Bounds[2], this->Bounds[3], o[1], range);
  const double margin = 1e-6 * (1.0 + std::abs(o[2]) + std::abs(range[0]) + std::abs(range[1]) + this->HeightStep);
  const double low = o[2] + range[0] - margin, high = o[2] + range[1] + margin;
  if (high < this->Bounds[4] || low > this->Bounds[5]) return;
  const int count = int(this->Heights.size());
  const int first = Bin(low, this->Bounds[4], this->HeightStep, count);
  const int last = Bin(high, this->Bounds[4], this->HeightStep, count);
  for (int z = first; z <= last; ++z) this->AddBucket(this->Heights[z], cells);
}

void QlmPlanarCutIndex::CollectVertical(vtkMatrix4x4* plane, const Range* strip, std::vector<vtkIdType>& cells) {
  double n[3], a[3], o[3];
  for (int row = 0; row < 3; ++row) {
    a[row] = plane->GetElement(row, 0);
    n[row] = plane->GetElement(row, 2);
    o[row] = plane->GetElement(row, 3);
  }
  const double scale = 1.0 + std::abs(o[0]) + std::abs(o[1]) + std::abs(o[2]) + this->GridStep[0] + this->GridStep[1];
  const double margin = 1e-6 * scale;
  for (int y = 0; y < this->GridY; ++y) {
    const double y0 = this->Bounds[2] + y * this->GridStep[1], y1 = y0 + this->GridStep[1];
    for (int x = 0; x < this->GridX; ++x) {
      const std::vector<vtkIdType>& column = this->Columns[size_t(y) * this->GridX + x];
      if (column.empty()) continue;
      const double x0 = this->Bounds[0] + x * this->GridStep[0], x1 = x0 + this->GridStep[0];
      // Signed distances to the plane over the column (all heights of the input).
      double side[2] = {0.0, 0.0};
      ScaledRange(n[0], x0, x1, o[0], side);
      ScaledRange(n[1], y0, y1, o[1], side);
      ScaledRange(n[2], this->Bounds[4], this->Bounds[5], o[2], side);
      if (side[0] > margin || side[1] < -margin) continue;
      if (strip) {
        double along[2] = {0.0, 0.0};
        ScaledRange(a[0], x0, x1, o[0], along);
        ScaledRange(a[1], y0, y1, o[1], along);
        ScaledRange(a[2], this->Bounds[4], this->Bounds[5], o[2], along);
        if (along[0] > strip->High + margin || along[1] < strip->Low - margin) continue;
      }
      this->AddBucket(column, cells);
    }
  }
}

void QlmPlanarCutIndex::CutCandidates(vtkMatrix4x4* plane, const Range* strip, vtkPolyData* output) {
  this->Update();
  const int orientation = this->Input ? Orientation(plane) : -1;
  if (orientation < 0 || this->Stamps.empty()) {
    QlmPlanarCut::Cut(this->Input, plane, output);
    return;
  }
  if (++this->Stamp == 0) {
    std::fill(this->Stamps.begin(), this->Stamps.end(), 0);
    this->Stamp = 1;
  }
  std::vector<vtkIdType> cells;
  if (orientation == 0)
    this->CollectHorizontal(plane, cells);
  else
    this->CollectVertical(plane, strip, cells);
  std::sort(cells.begin(), cells.end());
  QlmPlanarCut::CutCells(this->Input, plane, &cells, output);
}

void QlmPlanarCutIndex::Cut(vtkMatrix4x4* plane, vtkPolyData* output) { this->CutCandidates(plane, nullptr, output); }

void QlmPlanarCutIndex::CutStrip(vtkMatrix4x4* plane, double halfWidth, bool openLow, bool openHigh,
                                 vtkPolyData* output) {
  const Range strip = {openLow ? -1e300 : -halfWidth, openHigh ? 1e300 : halfWidth};
  this->CutCandidates(plane, &strip, output);
}
