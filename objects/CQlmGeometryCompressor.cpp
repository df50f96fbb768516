#include "objects/CQlmGeometryCompressor.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPoints.h>
#include <vtkSmartPointer.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {
constexpr int BytesPerTriangle = 36;
}

void CQlmGeometryCompressor::PrepareSizes() {
  if (this->RawSize != -1) return;
  const vtkIdType cells = this->Cells ? this->Cells->GetNumberOfCells() : 0;
  this->RawSize = int(cells * BytesPerTriangle);
  this->CompressedSize = int(this->RawSize * 1.15 + 12);
}

bool CQlmGeometryCompressor::Compress() {
  const vtkIdType cells = this->Cells ? this->Cells->GetNumberOfCells() : 0;
  if (int64_t(cells) * BytesPerTriangle != this->RawSize || this->CompressedSize < 0) return false;
  this->TriangleCount = int(cells);
  this->FillTriangleBuffer();
  // The prepared capacity may be below zlib's bound for tiny meshes.
  uLongf length = std::max<uLong>(uLong(this->CompressedSize), compressBound(uLong(this->RawData.size())));
  this->CompressedData.assign(length, 0);
  if (compress2(this->CompressedData.data(), &length, this->RawData.data(), uLong(this->RawData.size()), 9) != Z_OK) {
    this->CompressedData.clear();
    return false;
  }
  this->CompressedData.resize(length);
  this->CompressedSize = int(length);
  return true;
}

void CQlmGeometryCompressor::FillTriangleBuffer() {
  this->RawData.assign(size_t(this->RawSize), 0);
  if (!this->Cells || !this->Points) return;
  float* out = reinterpret_cast<float*>(this->RawData.data());
  auto cells = vtk::TakeSmartPointer(this->Cells->NewIterator());
  for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
    vtkIdType count;
    const vtkIdType* ids;
    cells->GetCurrentCell(count, ids);
    for (int corner = 0; corner < 3; ++corner, out += 3) {
      if (count == 0) continue;
      double p[3];
      this->Points->GetPoint(ids[std::min<vtkIdType>(corner, count - 1)], p);
      std::copy(p, p + 3, out);
    }
  }
}

bool CQlmGeometryCompressor::Decompress(std::vector<uint8_t>& output) {
  output.clear();
  if (this->CompressedData.empty() || this->RawSize < 0) return false;
  this->RawData.assign(size_t(this->RawSize), 0);
  uLongf length = uLongf(this->RawSize);
  // A zero-length raw buffer still needs a valid pointer for zlib.
  Bytef scratch = 0;
  Bytef* target = this->RawData.empty() ? &scratch : this->RawData.data();
  const int status = uncompress(target, &length, this->CompressedData.data(), uLong(this->CompressedData.size()));
  if (status != Z_OK || length != uLongf(this->RawSize)) return false;
  output = this->RawData;
  return true;
}
