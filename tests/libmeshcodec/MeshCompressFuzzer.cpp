// libFuzzer target (clang only): arbitrary streams through Decode and
// arbitrary small meshes through Encode then Decode. A failure must leave every
// container empty; a success must give whole triangles on decoded vertices.
#include "libmeshcodec/MeshCompress.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void Require(bool condition)
{
  if (!condition)
  {
    __builtin_trap();
  }
}

void CheckOutcome(const MeshCompress& mesh, MeshCodecError result)
{
  if (result != MeshCodecError::Success)
  {
    Require(mesh.Vertices.empty() && mesh.Corners.empty() && mesh.GateBytes.empty() && mesh.CoordinateBytes.empty());
    return;
  }
  Require(mesh.Vertices.size() % 3 == 0 && mesh.Corners.size() % 3 == 0);
  const auto vertexCount = static_cast<int>(mesh.Vertices.size() / 3);
  for (const int id : mesh.Corners)
  {
    Require(id >= 0 && id < vertexCount);
  }
}

float FloatAt(const uint8_t* data)
{
  float value = 0;
  std::memcpy(&value, data, sizeof value);
  return value;
}

// Layout: mode byte, gate stream length (2 bytes), bounding box (24 bytes),
// gate stream, coordinate stream.
void FuzzDecode(const uint8_t* data, size_t size)
{
  constexpr size_t Header = 2 + 24;
  if (size < Header)
  {
    return;
  }
  MeshCompress mesh;
  float* box[6] = {&mesh.XMin, &mesh.XMax, &mesh.YMin, &mesh.YMax, &mesh.ZMin, &mesh.ZMax};
  for (int k = 0; k < 6; ++k)
  {
    *box[k] = FloatAt(data + 2 + 4 * k);
  }
  const size_t gateLength = std::min<size_t>(size - Header, data[0] | (data[1] << 8));
  mesh.GateBytes.assign(data + Header, data + Header + gateLength);
  mesh.CoordinateBytes.assign(data + Header + gateLength, data + size);
  CheckOutcome(mesh, mesh.Decode());
}

// Layout: mode byte, vertex count, vertex coordinates as small integers
// (one byte each), then one byte per corner id (ids past the count are
// invalid on purpose).
void FuzzEncode(const uint8_t* data, size_t size)
{
  if (size < 1)
  {
    return;
  }
  const size_t vertexCount = std::min<size_t>(data[0], (size - 1) / 3);
  MeshCompress mesh;
  for (size_t i = 0; i < 3 * vertexCount; ++i)
  {
    mesh.Vertices.push_back(static_cast<float>(data[1 + i]));
  }
  for (size_t i = 1 + 3 * vertexCount; i < size; ++i)
  {
    mesh.Corners.push_back(static_cast<int>(data[i] % (vertexCount + 2)) - 1);
  }
  mesh.Corners.resize(mesh.Corners.size() / 3 * 3);
  const MeshCodecError encoded = mesh.Encode();
  CheckOutcome(mesh, encoded);
  if (encoded == MeshCodecError::Success)
  {
    Require(mesh.Decode() == MeshCodecError::Success);
    CheckOutcome(mesh, MeshCodecError::Success);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size == 0)
  {
    return 0;
  }
  if (data[0] % 2 == 0)
  {
    FuzzDecode(data + 1, size - 1);
  }
  else
  {
    FuzzEncode(data + 1, size - 1);
  }
  return 0;
}
