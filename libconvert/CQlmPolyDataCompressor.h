#pragma once
// First mesh packer: point ids and float coordinates of a triangle mesh under zlib.
//
// Buffer, little-endian: int32 cell count NC, int32 point count P, int32 raw
// length R = (NC + P) × 12, int32 packed length K, then K bytes of zlib stream
// holding three int32 point ids per cell followed by x, y, z floats per point.
// The buffer's length is the array's number of values.
class vtkPolyData;
class vtkUnsignedCharArray;

class CQlmPolyDataCompressor {
public:
  static CQlmPolyDataCompressor* New();
  // Frees the packer, never the poly data or the array; Delete(nullptr) does nothing.
  void Delete();
  static void Delete(CQlmPolyDataCompressor* compressor);

  // Neither is owned.
  void SetPolyData(vtkPolyData* polyData) { this->PolyData = polyData; }
  void SetBufferCompressed(vtkUnsignedCharArray* buffer) { this->BufferCompressed = buffer; }

  // PolyData → BufferCompressed. Every polygon is taken as the triangle of its
  // first three points; polygons of fewer points are left out. Returns 1, or 0
  // (buffer untouched) without both objects or when zlib fails.
  int Compress();
  // BufferCompressed → PolyData, replacing its points and polygons. Returns 1, or
  // 0 (poly data untouched) for a buffer whose lengths, zlib stream or point ids
  // do not hold together.
  int Decompress();

  CQlmPolyDataCompressor(const CQlmPolyDataCompressor&) = delete;
  CQlmPolyDataCompressor& operator=(const CQlmPolyDataCompressor&) = delete;

protected:
  CQlmPolyDataCompressor() = default;
  ~CQlmPolyDataCompressor() = default;

  vtkPolyData* PolyData = nullptr;
  vtkUnsignedCharArray* BufferCompressed = nullptr;
};
