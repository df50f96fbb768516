#pragma once
// The mesh of an imported-geometry record: the triangles as a list of
// vertices (x, y, z float32 each, three per triangle, no sharing), 36 bytes a
// triangle, packed with zlib at level 9.
#include <cstdint>
#include <vector>

class vtkCellArray;
class vtkPoints;

class CQlmGeometryCompressor {
public:
  CQlmGeometryCompressor() = default;
  virtual ~CQlmGeometryCompressor() = default;
  CQlmGeometryCompressor(const CQlmGeometryCompressor&) = delete;
  CQlmGeometryCompressor& operator=(const CQlmGeometryCompressor&) = delete;

  // The mesh to compress; not owned.
  void SetPoints(vtkPoints* points) { this->Points = points; }
  void SetPolys(vtkCellArray* cells) { this->Cells = cells; }

  void SetTriangleCount(int count) { this->TriangleCount = count; }
  void SetRawSize(int size) { this->RawSize = size; }
  void SetCompressedSize(int size) { this->CompressedSize = size; }
  // Buffers handed over become the compressor's.
  void SetRawData(std::vector<uint8_t> data) { this->RawData = std::move(data); }
  void SetCompressedData(std::vector<uint8_t> data) { this->CompressedData = std::move(data); }

  int GetTriangleCount() const { return this->TriangleCount; }
  // -1 until known.
  int GetRawSize() const { return this->RawSize; }
  int GetCompressedSize() const { return this->CompressedSize; }
  const std::vector<uint8_t>& GetCompressedData() const { return this->CompressedData; }

  // While the raw size is unknown: raw size = cells x 36, compressed size =
  // the stream's capacity, trunc(raw size x 1.15 + 12).
  void PrepareSizes();
  // Triangle count = cells; fills the raw buffer and packs it. False (sizes
  // as before) when zlib fails or the raw size does not match the cells.
  bool Compress();
  // Inflates the compressed buffer into `output` (resized to the raw size).
  // False, `output` empty, when no compressed buffer is set or the stream does
  // not inflate to exactly the raw size.
  bool Decompress(std::vector<uint8_t>& output);

private:
  // The first three points of every cell, in cell order (a cell of fewer
  // points repeats its last one).
  void FillTriangleBuffer();

  int TriangleCount = 0;
  vtkCellArray* Cells = nullptr;
  vtkPoints* Points = nullptr;
  std::vector<uint8_t> RawData;
  std::vector<uint8_t> CompressedData;
  int RawSize = -1;
  int CompressedSize = -1;
};
