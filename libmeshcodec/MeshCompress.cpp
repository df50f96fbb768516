#include "libmeshcodec/MeshCompress.h"

#include "libmeshcodec/MeshCodecException.h"
#include "libmeshcodec/OppositeCornerTable.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <functional>
#include <future>
#include <limits>
#include <new>
#include <stdexcept>
#include <system_error>

namespace
{
// Decoded vertex ids index int tables of three ids per vertex.
constexpr std::size_t MaxDecodedVertices = INT_MAX / 3;
// Smaller meshes are encoded on the calling thread alone: a thread costs more than it saves.
constexpr std::size_t ConcurrentCorners = 3 * 4096;

// Float to grid coordinate as the stored streams were made: truncate toward
// zero to 32 bits, where NaN and values out of range give INT_MIN, and keep
// the low 16 bits.
std::int16_t TruncateToGrid(float value)
{
  const bool inRange = value >= -2147483648.0F && value < 2147483648.0F;
  const std::int32_t truncated = inRange ? static_cast<std::int32_t>(value) : INT_MIN;
  return static_cast<std::int16_t>(truncated);
}

// The 16-bit digit of a grid axis that sorts signed values in ascending order.
std::uint16_t SortDigit(std::int16_t value)
{
  return static_cast<std::uint16_t>(static_cast<std::uint16_t>(value) ^ 0x8000U);
}

template <typename GridVertex>
bool ByGridPosition(const GridVertex& left, const GridVertex& right)
{
  if (left.x != right.x)
  {
    return left.x < right.x;
  }
  if (left.y != right.y)
  {
    return left.y < right.y;
  }
  return left.z < right.z;
}

// One stable counting pass of a radix sort on one axis, from vertices into
// sorted; false (and nothing moved) when every vertex has the same value.
template <typename GridVertex>
bool SortedByAxis(const std::vector<GridVertex>& vertices, std::int16_t GridVertex::*axis,
  std::vector<GridVertex>& sorted, std::vector<std::size_t>& bucketStart)
{
  std::fill(bucketStart.begin(), bucketStart.end(), 0);
  for (const GridVertex& vertex : vertices)
  {
    ++bucketStart[SortDigit(vertex.*axis)];
  }
  if (bucketStart[SortDigit(vertices.front().*axis)] == vertices.size())
  {
    return false;
  }
  std::size_t start = 0;
  for (std::size_t& bucket : bucketStart)
  {
    const std::size_t count = bucket;
    bucket = start;
    start += count;
  }
  for (const GridVertex& vertex : vertices)
  {
    sorted[bucketStart[SortDigit(vertex.*axis)]++] = vertex;
  }
  return true;
}

// Sorts grid vertices ascending by x, then y, then z: small sets by
// comparison, large ones by a radix sort, least significant axis first.
template <typename GridVertex>
void SortByGridPosition(std::vector<GridVertex>& vertices)
{
  constexpr std::size_t SmallCount = 4096;
  if (vertices.size() < SmallCount)
  {
    std::sort(vertices.begin(), vertices.end(), ByGridPosition<GridVertex>);
    return;
  }
  std::vector<std::size_t> bucketStart(std::size_t{1} << 16U);
  std::vector<GridVertex> sorted(vertices.size());
  for (std::int16_t GridVertex::*axis : {&GridVertex::z, &GridVertex::y, &GridVertex::x})
  {
    if (SortedByAxis(vertices, axis, sorted, bucketStart))
    {
      vertices.swap(sorted);
    }
  }
}

template <typename GridVertex>
bool SameGridPosition(const GridVertex& left, const GridVertex& right)
{
  return left.x == right.x && left.y == right.y && left.z == right.z;
}

// Position examined next in a stack entry. A triangle entered at position 2
// examines position 0 twice and never position 1: stored streams follow this.
int NextPosition(int entry, int edgeCount)
{
  const int position = entry + edgeCount;
  return position <= 2 ? position : 0;
}

template <typename Container>
void Release(Container& container)
{
  Container().swap(container);
}

// Runs `elsewhere` on another thread while `here` runs on this one; both here
// when `concurrently` is false or no thread can be started. Rethrows what
// either threw, once both ended.
void RunBoth(bool concurrently, const std::function<void()>& elsewhere, const std::function<void()>& here)
{
  std::future<void> pending;
  try
  {
    if (concurrently)
    {
      pending = std::async(std::launch::async, elsewhere);
    }
  }
  catch (const std::system_error&)
  {
  }
  if (!pending.valid())
  {
    elsewhere();
  }
  here();
  if (pending.valid())
  {
    pending.get();
  }
}
} // namespace

MeshCompress::MeshCompress() = default;

MeshCodecError MeshCompress::Encode() noexcept
{
  return this->Reported(&MeshCompress::EncodeMesh);
}

MeshCodecError MeshCompress::Decode() noexcept
{
  return this->Reported(&MeshCompress::DecodeMesh);
}

MeshCodecError MeshCompress::Reported(void (MeshCompress::*operation)()) noexcept
{
  try
  {
    (this->*operation)();
    return MeshCodecError::Success;
  }
  catch (const MeshCodecException& failure)
  {
    this->ClearAll();
    return failure.Error();
  }
  catch (const std::bad_alloc&)
  {
    this->ClearAll();
    return MeshCodecError::OutOfMemory;
  }
  catch (const std::length_error&)
  {
    this->ClearAll();
    return MeshCodecError::OutOfMemory;
  }
}

void MeshCompress::ClearAll() noexcept
{
  Release(this->Vertices);
  Release(this->Corners);
  Release(this->GateBytes);
  Release(this->CoordinateBytes);
  Release(this->OTable);
  Release(this->QuantizedVertices);
  Release(this->Visited);
  Release(this->Gates);
  Release(this->Coordinates);
  Release(this->MergedIds);
  Release(this->Stack);
}

void MeshCompress::EncodeMesh()
{
  this->CheckInput();
  // The pairing reads the caller's ids, which only RenumberCorners changes.
  RunBoth(this->Corners.size() >= ConcurrentCorners, [this] { this->FillOTable(); }, [this] {
    this->Quantizate();
    this->MergeGridVertices();
  });
  this->RenumberCorners();

  this->Visited.assign(static_cast<std::size_t>(this->TriangleCount), 0);
  this->Gates.clear();
  this->Gates.reserve(3 * static_cast<std::size_t>(this->TriangleCount));
  this->Coordinates.clear();
  this->Coordinates.reserve(3 * static_cast<std::size_t>(this->TriangleCount) + 6);
  for (int triangle = 0; triangle < this->TriangleCount; ++triangle)
  {
    if (this->Visited[triangle] == 0)
    {
      this->EncodeRegion(triangle);
    }
  }
  this->CompactV();
  this->CompactGS();

  Release(this->Corners);
  Release(this->OTable);
  Release(this->QuantizedVertices);
  Release(this->Visited);
  Release(this->MergedIds);
}

void MeshCompress::CheckInput()
{
  const auto maxCount = static_cast<std::size_t>(std::numeric_limits<int>::max());
  if (this->Vertices.size() % 3 != 0 || this->Corners.size() % 3 != 0 || this->Vertices.size() / 3 > maxCount ||
      this->Corners.size() > maxCount)
  {
    throw MeshCodecException(MeshCodecError::InvalidMesh);
  }
  this->VertexCount = static_cast<int>(this->Vertices.size() / 3);
  this->TriangleCount = static_cast<int>(this->Corners.size() / 3);
  const bool idsExist = std::all_of(this->Corners.begin(), this->Corners.end(),
    [count = this->VertexCount](int id) { return id >= 0 && id < count; });
  if (!idsExist)
  {
    throw MeshCodecException(MeshCodecError::BadVertexId);
  }
}

void MeshCompress::DecodeMesh()
{
  Release(this->QuantizedVertices);
  Release(this->Corners);
  this->ExpandV();
  this->ExpandGS();
  this->CoordinateCursor = 0;
  this->GateCursor = 0;
  if (this->Coordinates.size() / 3 > MaxDecodedVertices)
  {
    throw MeshCodecException(MeshCodecError::TooManyVertices);
  }
  this->QuantizedVertices.reserve(this->Coordinates.size() / 3);
  this->Corners.reserve(this->Coordinates.size());
  while (this->CoordinateCursor < this->Coordinates.size())
  {
    this->DecodeRegion();
  }
  Release(this->Gates);
  Release(this->Coordinates);

  this->CleanUpGS();
  this->CleanUpV();
  this->VertexCount = static_cast<int>(this->QuantizedVertices.size());
  this->TriangleCount = static_cast<int>(this->Corners.size() / 3);
  this->DeQuantizate();
  Release(this->MergedIds);
}

void MeshCompress::FindBoundingBox()
{
  constexpr float Largest = std::numeric_limits<float>::max();
  std::array<float, 3> minimum = {Largest, Largest, Largest};
  std::array<float, 3> maximum = {-Largest, -Largest, -Largest};
  for (std::size_t i = 0; i < this->Vertices.size(); ++i)
  {
    const float value = this->Vertices[i];
    const std::size_t axis = i % 3;
    if (value < minimum[axis])
    {
      minimum[axis] = value;
    }
    if (value > maximum[axis])
    {
      maximum[axis] = value;
    }
  }
  this->XMin = minimum[0];
  this->XMax = maximum[0];
  this->YMin = minimum[1];
  this->YMax = maximum[1];
  this->ZMin = minimum[2];
  this->ZMax = maximum[2];
}

std::array<float, 3> MeshCompress::GridSteps() const
{
  const float levels = static_cast<float>(1 << (this->Bits - 1));
  return {(this->XMax - this->XMin) / (levels - 1.0F), (this->YMax - this->YMin) / (levels - 1.0F),
    (this->ZMax - this->ZMin) / (levels - 1.0F)};
}

void MeshCompress::Quantizate()
{
  this->QuantizedVertices.resize(static_cast<std::size_t>(this->VertexCount));
  this->FindBoundingBox();
  const std::array<float, 3> step = this->GridSteps();
  for (int i = 0; i < this->VertexCount; ++i)
  {
    const float* position = &this->Vertices[3 * static_cast<std::size_t>(i)];
    Vertex& vertex = this->QuantizedVertices[i];
    vertex.x = TruncateToGrid((position[0] - this->XMin) / step[0]);
    vertex.y = TruncateToGrid((position[1] - this->YMin) / step[1]);
    vertex.z = TruncateToGrid((position[2] - this->ZMin) / step[2]);
    vertex.Index = i;
  }
  Release(this->Vertices);
}

void MeshCompress::DeQuantizate()
{
  this->Vertices.resize(3 * static_cast<std::size_t>(this->VertexCount));
  const std::array<float, 3> step = this->GridSteps();
  for (int i = 0; i < this->VertexCount; ++i)
  {
    const Vertex& vertex = this->QuantizedVertices[i];
    float* position = &this->Vertices[3 * static_cast<std::size_t>(i)];
    // Product and sum rounded separately (the library is built without
    // floating-point contraction).
    position[0] = static_cast<float>(vertex.x) * step[0] + this->XMin;
    position[1] = static_cast<float>(vertex.y) * step[1] + this->YMin;
    position[2] = static_cast<float>(vertex.z) * step[2] + this->ZMin;
  }
  Release(this->QuantizedVertices);
}

void MeshCompress::CleanUpGS()
{
  this->MergeGridVertices();
  this->RenumberCorners();
}

void MeshCompress::MergeGridVertices()
{
  if (this->QuantizedVertices.empty())
  {
    return;
  }
  SortByGridPosition(this->QuantizedVertices);
  this->MergedIds.assign(this->QuantizedVertices.size(), 0);
  this->MergedCount = 0;
  this->MergedIds[this->QuantizedVertices.front().Index] = 0;
  for (std::size_t position = 1; position < this->QuantizedVertices.size(); ++position)
  {
    this->FillMap(position);
  }
}

void MeshCompress::RenumberCorners()
{
  if (this->QuantizedVertices.empty())
  {
    return;
  }
  for (std::size_t position = 0; position < this->Corners.size(); ++position)
  {
    this->CorrectVTable(position);
  }
  const auto duplicates =
    std::unique(this->QuantizedVertices.begin(), this->QuantizedVertices.end(), SameGridPosition<Vertex>);
  this->QuantizedVertices.erase(duplicates, this->QuantizedVertices.end());
  this->QuantizedVertices.shrink_to_fit();
}

void MeshCompress::FillMap(std::size_t sortedPosition)
{
  const Vertex& vertex = this->QuantizedVertices[sortedPosition];
  if (!SameGridPosition(vertex, this->QuantizedVertices[sortedPosition - 1]))
  {
    ++this->MergedCount;
  }
  this->MergedIds[vertex.Index] = this->MergedCount;
}

void MeshCompress::CorrectVTable(std::size_t cornerPosition)
{
  int& id = this->Corners[cornerPosition];
  id = this->MergedIds[id];
}

void MeshCompress::CleanUpV()
{
  std::size_t kept = 0;
  for (std::size_t first = 0; first + 2 < this->Corners.size(); first += 3)
  {
    const int a = this->Corners[first];
    const int b = this->Corners[first + 1];
    const int c = this->Corners[first + 2];
    if (a == b || b == c || a == c)
    {
      continue;
    }
    this->Corners[kept++] = a;
    this->Corners[kept++] = b;
    this->Corners[kept++] = c;
  }
  this->Corners.resize(kept);
  this->Corners.shrink_to_fit();
}

void MeshCompress::FillOTable()
{
  this->OTable = OppositeCornerTable::Build(this->Corners, this->VertexCount);
}

void MeshCompress::EncodeRegion(int seedTriangle)
{
  const int first = 3 * seedTriangle;
  for (int corner = first; corner < first + 3; ++corner)
  {
    this->AppendCoordinates(this->QuantizedVertices[this->Corners[corner]]);
  }
  this->Visited[seedTriangle] = 1;
  this->Stack.push_back(ED{{first, first + 1, first + 2}, 0, 0});
  this->Traverse(&MeshCompress::EncodeOposite);
}

void MeshCompress::Traverse(void (MeshCompress::*examineTop)())
{
  while (!this->Stack.empty())
  {
    (this->*examineTop)();
    while (!this->Stack.empty() && this->Stack.back().EdgeCount >= 3)
    {
      this->Stack.pop_back();
    }
  }
}

void MeshCompress::EncodeOposite()
{
  ED& top = this->Stack.back();
  const int corner = top.CornerIds[NextPosition(top.Entry, top.EdgeCount)];
  const int opposite = this->OTable[corner];
  ++top.EdgeCount;
  if (opposite == -1 || this->Visited[opposite / 3] != 0)
  {
    this->Gates.push_back(0);
    return;
  }
  const Vertex& from = this->QuantizedVertices[this->Corners[corner]];
  const Vertex& to = this->QuantizedVertices[this->Corners[opposite]];
  this->AppendCoordinates(Vertex{static_cast<std::int16_t>(to.x - from.x), static_cast<std::int16_t>(to.y - from.y),
    static_cast<std::int16_t>(to.z - from.z)});
  const int reached = opposite / 3;
  this->Visited[reached] = 1;
  this->Gates.push_back(1);
  this->Stack.push_back(ED{{3 * reached, 3 * reached + 1, 3 * reached + 2}, opposite % 3, 1});
}

void MeshCompress::AppendCoordinates(const Vertex& vertex)
{
  this->Coordinates.push_back(vertex.x);
  this->Coordinates.push_back(vertex.y);
  this->Coordinates.push_back(vertex.z);
}

void MeshCompress::DecodeRegion()
{
  if (this->Coordinates.size() - this->CoordinateCursor < 9)
  {
    throw MeshCodecException(MeshCodecError::CoordinateStreamTruncated);
  }
  ED seed;
  for (int& id : seed.CornerIds)
  {
    const std::int16_t* value = &this->Coordinates[this->CoordinateCursor];
    this->CoordinateCursor += 3;
    id = this->AppendDecodedVertex(value[0], value[1], value[2]);
  }
  this->Corners.insert(this->Corners.end(), std::begin(seed.CornerIds), std::end(seed.CornerIds));
  this->Stack.push_back(seed);
  this->Traverse(&MeshCompress::DecodeOposite);
}

void MeshCompress::DecodeOposite()
{
  if (this->GateCursor >= this->Gates.size())
  {
    throw MeshCodecException(MeshCodecError::GateStreamTruncated);
  }
  ED& top = this->Stack.back();
  const int position = NextPosition(top.Entry, top.EdgeCount);
  ++top.EdgeCount;
  if (this->Gates[this->GateCursor++] == 0)
  {
    return;
  }
  if (this->Coordinates.size() - this->CoordinateCursor < 3)
  {
    throw MeshCodecException(MeshCodecError::CoordinateStreamTruncated);
  }
  const std::int16_t* delta = &this->Coordinates[this->CoordinateCursor];
  this->CoordinateCursor += 3;
  const Vertex base = this->QuantizedVertices[top.CornerIds[position]];
  const int reached = this->AppendDecodedVertex(static_cast<std::int16_t>(base.x + delta[0]),
    static_cast<std::int16_t>(base.y + delta[1]), static_cast<std::int16_t>(base.z + delta[2]));
  const int second = top.CornerIds[(position + 2) % 3];
  const int third = top.CornerIds[(position + 1) % 3];
  this->Corners.insert(this->Corners.end(), {reached, second, third});
  this->Stack.push_back(ED{{reached, second, third}, 0, 1});
}

int MeshCompress::AppendDecodedVertex(std::int16_t x, std::int16_t y, std::int16_t z)
{
  const int id = static_cast<int>(this->QuantizedVertices.size());
  this->QuantizedVertices.push_back(Vertex{x, y, z, id});
  return id;
}

void MeshCompress::CompactV()
{
  this->GateBytes.assign((this->Gates.size() + 7) / 8, 0);
  for (std::size_t i = 0; i < this->Gates.size(); ++i)
  {
    if (this->Gates[i] != 0)
    {
      this->GateBytes[i / 8] |= static_cast<unsigned char>(0x80U >> (i % 8));
    }
  }
  Release(this->Gates);
}

void MeshCompress::ExpandV()
{
  this->Gates.resize(this->GateBytes.size() * 8);
  for (std::size_t i = 0; i < this->Gates.size(); ++i)
  {
    this->Gates[i] = (this->GateBytes[i / 8] >> (7 - i % 8)) & 1;
  }
  Release(this->GateBytes);
}

void MeshCompress::CompactGS()
{
  const auto bits = static_cast<unsigned>(this->Bits);
  const std::uint32_t offset = 1U << (bits - 1);
  const std::uint32_t mask = (1U << bits) - 1;
  this->CoordinateBytes.assign((this->Coordinates.size() * bits + 7) / 8, 0);
  std::uint64_t pending = 0;
  unsigned pendingBits = 0;
  std::size_t byte = 0;
  for (const std::int16_t value : this->Coordinates)
  {
    const std::uint32_t code = (static_cast<std::uint32_t>(value) + offset) & mask;
    pending = (pending << bits) | code;
    pendingBits += bits;
    while (pendingBits >= 8)
    {
      pendingBits -= 8;
      this->CoordinateBytes[byte++] = static_cast<unsigned char>(pending >> pendingBits);
    }
  }
  if (pendingBits > 0)
  {
    this->CoordinateBytes[byte] = static_cast<unsigned char>(pending << (8 - pendingBits));
  }
  Release(this->Coordinates);
}

void MeshCompress::ExpandGS()
{
  const auto bits = static_cast<unsigned>(this->Bits);
  const std::uint32_t offset = 1U << (bits - 1);
  const std::uint32_t mask = (1U << bits) - 1;
  this->Coordinates.resize(this->CoordinateBytes.size() * 8 / bits);
  std::uint64_t pending = 0;
  unsigned pendingBits = 0;
  std::size_t byte = 0;
  for (std::int16_t& value : this->Coordinates)
  {
    while (pendingBits < bits)
    {
      pending = (pending << 8) | this->CoordinateBytes[byte++];
      pendingBits += 8;
    }
    pendingBits -= bits;
    const std::uint32_t code = static_cast<std::uint32_t>(pending >> pendingBits) & mask;
    value = static_cast<std::int16_t>(code - offset);
  }
}
