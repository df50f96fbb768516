#pragma once

#include <vector>

// The opposite-corner table of a triangle list: for each corner, the corner of
// another triangle that lies across the edge opposite it, or -1.
//
// The pairing is the one of a plain scan that visits the corners in order and,
// for each corner not yet paired, searches the later triangles for the first
// one holding both vertex ids of its edge (in either direction), pairing the
// two corners with each other. Degenerate triangles (an id twice) and edges
// shared by three or more triangles follow that scan exactly, overwrites
// included. Built in time linear in corners plus vertices.
class OppositeCornerTable
{
public:
  // corners: three vertex ids per triangle, each in [0, vertexCount).
  static std::vector<int> Build(const std::vector<int>& corners, int vertexCount);

private:
  OppositeCornerTable(const std::vector<int>& corners, int vertexCount);

  void FillOVertex(int corner);
  void PairWithin(int corner, int triangle);
  void Link(int corner, int opposite);

  const std::vector<int>& Corners;
  // For each corner, the next corner (ascending) whose edge joins the same
  // two vertex ids, or -1.
  const std::vector<int> NextOnEdge;
  std::vector<int> Table;
};
