#pragma once

#include <system_error>

// Result of MeshCompress::Encode and MeshCompress::Decode. No exception
// leaves the library: every exported operation reports one of these values.
enum class MeshCodecError : int
{
  Success = 0,
  // Encode: Vertices is not x, y, z triples, Corners is not id triples, or a
  // count does not fit an int.
  InvalidMesh = 1,
  // Encode: a corner names a vertex id below 0 or at or beyond the vertex count.
  BadVertexId = 2,
  // Decode: a region needs a gate bit after the gate stream has ended.
  GateStreamTruncated = 3,
  // Decode: a seed triangle or a new vertex needs values after the coordinate
  // stream has ended.
  CoordinateStreamTruncated = 4,
  // Decode: the coordinate stream would create more vertices than an int id
  // table can hold.
  TooManyVertices = 5,
  // Either operation: memory ran out.
  OutOfMemory = 6,
};

// The category of MeshCodecError values, for std::error_code.
const std::error_category& MeshCodecCategory() noexcept;

std::error_code make_error_code(MeshCodecError error) noexcept;

template <>
struct std::is_error_code_enum<MeshCodecError> : std::true_type
{
};
