#pragma once
// Packs a triangle mesh into the compressed mesh buffer of project files and back.
//
// The mesh codec turns the mesh into a coordinate stream A and a gate-bit stream B;
// each is stored under zlib (level 9; both at once, a long stream in chunks on
// several threads: CQlmZStream::DeflateAll). Buffer, little-endian:
//   0        six floats: XMin, XMax, YMin, YMax, ZMin, ZMax of the codec
//   24       int32 raw length of A, int32 packed length PA, PA bytes of zlib
//   32 + PA  int32 raw length of B, int32 packed length PB, PB bytes of zlib
// 40 + PA + PB bytes in all; the length of a buffer is its number of values.
//
// Use: New, LinkPolyData and LinkBufferCompressed (both stay the caller's),
// Compress or Decompress, Delete. One packer serves one mesh.
#include "libmeshcodec/MeshCompress.h"

#include <cstdint>
#include <vector>

class vtkPolyData;
class vtkUnsignedCharArray;

class CQlmPolyDataCompressor2 {
public:
  static CQlmPolyDataCompressor2* New();
  // Frees the packer, never the poly data or the array; Delete(nullptr) does nothing.
  void Delete();
  static void Delete(CQlmPolyDataCompressor2* compressor);

  void LinkPolyData(vtkPolyData* polyData) { this->PolyData = polyData; }
  void LinkBufferCompressed(vtkUnsignedCharArray* buffer) { this->BufferCompressed = buffer; }

  // PolyData → BufferCompressed. Every polygon is coded as the triangle of its
  // first three points; polygons of fewer points and other cells are left out.
  // Returns 1, or 0 (buffer untouched) without both objects, for a polygon that
  // names a missing point, or when the codec or zlib fails.
  int Compress();

  // BufferCompressed → PolyData, replacing its points and polygons. Returns 1, or
  // 0 (poly data untouched) when a length runs past the buffer, a stream does not
  // inflate to exactly its stored raw length, or the codec refuses the streams.
  int Decompress();

  CQlmPolyDataCompressor2(const CQlmPolyDataCompressor2&) = delete;
  CQlmPolyDataCompressor2& operator=(const CQlmPolyDataCompressor2&) = delete;

protected:
  CQlmPolyDataCompressor2() = default;
  ~CQlmPolyDataCompressor2() = default;

  bool FillMeshCompToEncode();
  bool CompressZLib();
  void FillBufferCompressed();
  bool DecompressZLib_FillMeshCompToDecode();
  bool FillPolyData();

  vtkPolyData* PolyData = nullptr;
  vtkUnsignedCharArray* BufferCompressed = nullptr;
  MeshCompress Mesh;
  int RawSizeA = 0;
  int PackedSizeA = 0;
  int RawSizeB = 0;
  int PackedSizeB = 0;
  std::vector<uint8_t> PackedA;
  std::vector<uint8_t> PackedB;
};
