#pragma once

#include "libmeshcodec/MeshCodecError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// Lossy codec for triangle meshes. Vertex coordinates are quantised to a grid of
// 2^(Bits-1) levels per axis of the mesh's bounding box, vertices that fall on
// the same grid point are merged, and the connectivity is coded by growing
// regions from triangle to neighbouring triangle. The result is two byte
// streams: one gate bit per examined edge, and 12-bit coordinate values.
//
// Compressed meshes are stored in project files, so the order of triangles,
// edges, bits and values in the streams is a stored format.
//
// Use: fill the public members, call Encode or Decode, read the results. An
// object codes one mesh per call and can be reused; Encode pairs the corners
// on a second thread while it quantises and merges the vertices. The coder expects
// consistently oriented neighbouring triangles; only triangles that share
// vertex ids (not merely positions) are neighbours.
class MeshCompress
{
public:
  MeshCompress();
  MeshCompress(const MeshCompress&) = default;
  MeshCompress& operator=(const MeshCompress&) = default;
  ~MeshCompress() = default;

  // Input of Encode (consumed: empty afterwards), output of Decode.
  // x, y, z of each vertex.
  std::vector<float> Vertices;
  // Three vertex ids per triangle.
  std::vector<int> Corners;

  // Bounding box: output of Encode, input of Decode.
  float XMin = 0.0F;
  float XMax = 0.0F;
  float YMin = 0.0F;
  float YMax = 0.0F;
  float ZMin = 0.0F;
  float ZMax = 0.0F;

  // Packed gate-bit stream, most significant bit first. Output of Encode,
  // input of Decode (consumed: empty afterwards).
  std::vector<unsigned char> GateBytes;
  // Packed coordinate stream of Bits-bit values. Output of Encode, input of
  // Decode (kept).
  std::vector<unsigned char> CoordinateBytes;

  // Replaces the bounding box and both streams by the coding of Vertices and
  // Corners. On failure every container is empty and the error says why
  // (InvalidMesh, BadVertexId, OutOfMemory).
  [[nodiscard]] MeshCodecError Encode() noexcept;

  // Replaces Vertices and Corners by the mesh coded in the streams: vertices in
  // ascending grid order without duplicates, triangles in traversal order,
  // triangles with two equal corners dropped. The streams are not trusted: on
  // failure (GateStreamTruncated, CoordinateStreamTruncated, TooManyVertices,
  // OutOfMemory) every container is empty and nothing beyond the streams has
  // been read.
  [[nodiscard]] MeshCodecError Decode() noexcept;

private:
  // A vertex on the quantisation grid; Index is its id before sorting.
  struct Vertex
  {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t z = 0;
    int Index = 0;
  };

  // A triangle on the traversal stack: its corner indices (encoder) or vertex
  // ids (decoder), the position through which it was entered and the number
  // of its edges handled so far.
  struct ED
  {
    int CornerIds[3] = {0, 0, 0};
    int Entry = 0;
    int EdgeCount = 0;
  };

  MeshCodecError Reported(void (MeshCompress::*operation)()) noexcept;
  void ClearAll() noexcept;
  void EncodeMesh();
  void CheckInput();
  void DecodeMesh();

  void FindBoundingBox();
  std::array<float, 3> GridSteps() const;
  void Quantizate();
  void DeQuantizate();
  // Sorts, merges and renumbers: MergeGridVertices, then RenumberCorners.
  void CleanUpGS();
  void MergeGridVertices();
  void RenumberCorners();
  void FillMap(std::size_t sortedPosition);
  void CorrectVTable(std::size_t cornerPosition);
  void CleanUpV();

  void FillOTable();
  void EncodeRegion(int seedTriangle);
  void Traverse(void (MeshCompress::*examineTop)());
  void EncodeOposite();
  void AppendCoordinates(const Vertex& vertex);
  void DecodeRegion();
  void DecodeOposite();
  int AppendDecodedVertex(std::int16_t x, std::int16_t y, std::int16_t z);
  void CompactV();
  void ExpandV();
  void CompactGS();
  void ExpandGS();

  std::vector<int> OTable;
  int VertexCount = 0;
  int TriangleCount = 0;
  int Bits = 12;
  std::vector<Vertex> QuantizedVertices;
  std::vector<int> Visited;
  std::vector<int> Gates;
  std::vector<std::int16_t> Coordinates;
  std::size_t CoordinateCursor = 0;
  std::size_t GateCursor = 0;
  int MergedCount = 0;
  // Vertex id before merging -> merged vertex id.
  std::vector<int> MergedIds;
  std::deque<ED> Stack;
};
