#include "libmeshcodec/OppositeCornerTable.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

namespace
{
// The two other corners of corner's triangle, in triangle order: the ends of
// the edge opposite corner.
std::pair<int, int> OtherCorners(int corner)
{
  const int base = corner - corner % 3;
  switch (corner % 3)
  {
    case 0:
      return {base + 1, base + 2};
    case 1:
      return {base, base + 2};
    default:
      return {base, base + 1};
  }
}

// A corner and the two vertex ids of its edge, smaller first.
struct CornerEdge
{
  int Corner;
  int Smaller;
  int Larger;
};

// Stable counting sort of edges by one of their ids, into output.
template <int CornerEdge::*Key>
void SortByVertex(const CornerEdge* input, std::size_t count, CornerEdge* output, std::vector<std::size_t>& bucketStart)
{
  std::fill(bucketStart.begin(), bucketStart.end(), 0);
  for (std::size_t i = 0; i < count; ++i)
  {
    ++bucketStart[input[i].*Key + 1];
  }
  for (std::size_t v = 1; v < bucketStart.size(); ++v)
  {
    bucketStart[v] += bucketStart[v - 1];
  }
  for (std::size_t i = 0; i < count; ++i)
  {
    output[bucketStart[input[i].*Key]++] = input[i];
  }
}

// Corners grouped by the unordered vertex pair of their edge, ascending by
// corner within a group: two stable counting sorts, by the larger id and
// then by the smaller. Returns, for each corner, the next corner of its
// group, or -1.
std::vector<int> NextCornerOnSameEdge(const std::vector<int>& ids, int vertexCount)
{
  const std::size_t count = ids.size();
  const auto inCornerOrder = std::make_unique_for_overwrite<CornerEdge[]>(count);
  for (std::size_t c = 0; c < count; ++c)
  {
    const auto [first, second] = OtherCorners(static_cast<int>(c));
    inCornerOrder[c] = {static_cast<int>(c), std::min(ids[first], ids[second]), std::max(ids[first], ids[second])};
  }
  std::vector<std::size_t> bucketStart(static_cast<std::size_t>(vertexCount) + 1);
  const auto byLarger = std::make_unique_for_overwrite<CornerEdge[]>(count);
  SortByVertex<&CornerEdge::Larger>(inCornerOrder.get(), count, byLarger.get(), bucketStart);
  CornerEdge* byEdge = inCornerOrder.get();
  SortByVertex<&CornerEdge::Smaller>(byLarger.get(), count, byEdge, bucketStart);

  std::vector<int> next(count, -1);
  for (std::size_t i = 1; i < count; ++i)
  {
    const CornerEdge& previous = byEdge[i - 1];
    const CornerEdge& current = byEdge[i];
    if (previous.Smaller == current.Smaller && previous.Larger == current.Larger)
    {
      next[previous.Corner] = current.Corner;
    }
  }
  return next;
}
} // namespace

OppositeCornerTable::OppositeCornerTable(const std::vector<int>& corners, int vertexCount)
  : Corners(corners)
  , NextOnEdge(NextCornerOnSameEdge(corners, vertexCount))
  , Table(corners.size(), -1)
{
}

std::vector<int> OppositeCornerTable::Build(const std::vector<int>& corners, int vertexCount)
{
  OppositeCornerTable pairing(corners, vertexCount);
  for (std::size_t corner = 0; corner < corners.size(); ++corner)
  {
    pairing.FillOVertex(static_cast<int>(corner));
  }
  return std::move(pairing.Table);
}

void OppositeCornerTable::FillOVertex(int corner)
{
  if (this->Table[corner] != -1)
  {
    return;
  }
  const int triangle = corner / 3;
  int candidate = this->NextOnEdge[corner];
  while (candidate != -1 && candidate / 3 == triangle)
  {
    candidate = this->NextOnEdge[candidate];
  }
  if (candidate != -1)
  {
    this->PairWithin(corner, candidate / 3);
  }
}

// Replays the scan inside the first later triangle holding the edge: the
// first corner holding a whose other corners hold b decides; when both other
// corners hold b the second assignment wins for corner.
void OppositeCornerTable::PairWithin(int corner, int triangle)
{
  const auto [edgeFirst, edgeSecond] = OtherCorners(corner);
  const int a = this->Corners[edgeFirst];
  const int b = this->Corners[edgeSecond];
  for (int k = 3 * triangle; k < 3 * triangle + 3; ++k)
  {
    if (this->Corners[k] != a)
    {
      continue;
    }
    const auto [first, second] = OtherCorners(k);
    bool matched = false;
    if (this->Corners[first] == b)
    {
      this->Link(corner, second);
      matched = true;
    }
    if (this->Corners[second] == b)
    {
      this->Link(corner, first);
      matched = true;
    }
    if (matched)
    {
      return;
    }
  }
}

void OppositeCornerTable::Link(int corner, int opposite)
{
  this->Table[corner] = opposite;
  this->Table[opposite] = corner;
}
