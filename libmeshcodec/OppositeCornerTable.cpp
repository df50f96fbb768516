#include "libmeshcodec/OppositeCornerTable.h"

#include <algorithm>
#include <cstddef>
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

// Corners grouped by the unordered vertex pair of their edge, ascending by
// corner within a group: two stable counting sorts, by the larger id and
// then by the smaller. Returns, for each corner, the next corner of its
// group, or -1.
std::vector<int> NextCornerOnSameEdge(const std::vector<int>& ids, int vertexCount)
{
  const std::size_t cornerCount = ids.size();
  std::vector<int> smaller(cornerCount);
  std::vector<int> larger(cornerCount);
  for (std::size_t c = 0; c < cornerCount; ++c)
  {
    const auto [first, second] = OtherCorners(static_cast<int>(c));
    smaller[c] = std::min(ids[first], ids[second]);
    larger[c] = std::max(ids[first], ids[second]);
  }

  std::vector<int> bucketStart(static_cast<std::size_t>(vertexCount) + 1);
  const auto countingSort = [&](const std::vector<int>& key, const std::vector<int>& input,
                              std::vector<int>& output) {
    std::fill(bucketStart.begin(), bucketStart.end(), 0);
    for (const int corner : input)
    {
      ++bucketStart[key[corner] + 1];
    }
    for (std::size_t v = 1; v < bucketStart.size(); ++v)
    {
      bucketStart[v] += bucketStart[v - 1];
    }
    for (const int corner : input)
    {
      output[bucketStart[key[corner]]++] = corner;
    }
  };

  std::vector<int> inCornerOrder(cornerCount);
  for (std::size_t c = 0; c < cornerCount; ++c)
  {
    inCornerOrder[c] = static_cast<int>(c);
  }
  std::vector<int> byLarger(cornerCount);
  countingSort(larger, inCornerOrder, byLarger);
  std::vector<int>& byEdge = inCornerOrder;
  countingSort(smaller, byLarger, byEdge);

  std::vector<int> next(cornerCount, -1);
  for (std::size_t i = 1; i < cornerCount; ++i)
  {
    const int previous = byEdge[i - 1];
    const int current = byEdge[i];
    if (smaller[previous] == smaller[current] && larger[previous] == larger[current])
    {
      next[previous] = current;
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
