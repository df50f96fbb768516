#include "libmeshcodec/OppositeCornerTable.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

namespace
{
// The two other corners of corner's triangle, in triangle order: the ends of
// the edge opposite corner.
inline std::pair<int, int> OtherCorners(int corner)
{
  const int position = corner % 3;
  const int base = corner - position;
  return {base + (position == 0 ? 1 : 0), base + (position == 2 ? 1 : 2)};
}

// A corner and the larger vertex id of its edge.
struct CornerEdge
{
  int Corner;
  int Larger;
};

// Corners grouped by the smaller vertex id of their edge, ascending by corner
// within a group (a stable counting sort): group v is Edges[Start[v]] up to
// Edges[Start[v + 1]].
struct EdgeGroups
{
  std::vector<int> Start;
  std::unique_ptr<CornerEdge[]> Edges;
};

EdgeGroups GroupBySmallerId(const std::vector<int>& ids, int vertexCount)
{
  const std::size_t count = ids.size();
  EdgeGroups groups{std::vector<int>(static_cast<std::size_t>(vertexCount) + 1, 0),
                    std::make_unique_for_overwrite<CornerEdge[]>(count)};
  for (std::size_t c = 0; c < count; ++c)
  {
    const auto [first, second] = OtherCorners(static_cast<int>(c));
    ++groups.Start[std::min(ids[first], ids[second]) + 1];
  }
  for (std::size_t v = 1; v < groups.Start.size(); ++v)
  {
    groups.Start[v] += groups.Start[v - 1];
  }
  std::vector<int> fill(groups.Start.begin(), groups.Start.end() - 1);
  for (std::size_t c = 0; c < count; ++c)
  {
    const auto [first, second] = OtherCorners(static_cast<int>(c));
    const int smaller = std::min(ids[first], ids[second]);
    groups.Edges[fill[smaller]++] = {static_cast<int>(c), std::max(ids[first], ids[second])};
  }
  return groups;
}

// For each corner, the next corner (ascending) whose edge joins the same two
// vertex ids, or -1: within each group, a table indexed by the larger id,
// walked from the last corner back, links each corner to the next one.
std::vector<int> NextCornerOnSameEdge(const std::vector<int>& ids, int vertexCount)
{
  const EdgeGroups groups = GroupBySmallerId(ids, vertexCount);
  std::vector<int> next(ids.size());
  std::vector<int> lastSeen(static_cast<std::size_t>(vertexCount), -1);
  for (int vertex = 0; vertex < vertexCount; ++vertex)
  {
    const CornerEdge* begin = groups.Edges.get() + groups.Start[vertex];
    const CornerEdge* end = groups.Edges.get() + groups.Start[vertex + 1];
    for (const CornerEdge* edge = end; edge != begin;)
    {
      --edge;
      next[edge->Corner] = lastSeen[edge->Larger];
      lastSeen[edge->Larger] = edge->Corner;
    }
    for (const CornerEdge* edge = begin; edge != end; ++edge)
    {
      lastSeen[edge->Larger] = -1;
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
