// The linear opposite-corner pairing must give every corner the partner of
// the plain scan, whatever the mesh: closed, soup, non-manifold, misoriented
// or degenerate.
#include "libmeshcodec/OppositeCornerTable.h"

#include "MeshCodecFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Ends of the edge opposite corner c, in triangle order.
void EdgeOf(int c, int& first, int& second)
{
  switch (c % 3)
  {
    case 0:
      first = c + 1;
      second = c + 2;
      break;
    case 1:
      first = c - 1;
      second = c + 1;
      break;
    default:
      first = c - 2;
      second = c - 1;
      break;
  }
}

// The plain quadratic scan: each unpaired corner searches the later
// triangles, corner by corner, for one holding both ids of its edge.
std::vector<int> ScanOppositeCorners(const std::vector<int>& ids)
{
  const int count = static_cast<int>(ids.size());
  std::vector<int> table(ids.size(), -1);
  for (int c = 0; c < count; ++c)
  {
    if (table[c] != -1)
    {
      continue;
    }
    int edgeFirst = 0;
    int edgeSecond = 0;
    EdgeOf(c, edgeFirst, edgeSecond);
    const int a = ids[edgeFirst];
    const int b = ids[edgeSecond];
    for (int k = 3 * (c / 3 + 1); k < count; ++k)
    {
      if (ids[k] != a)
      {
        continue;
      }
      int first = 0;
      int second = 0;
      EdgeOf(k, first, second);
      bool matched = false;
      if (ids[first] == b)
      {
        table[c] = second;
        table[second] = c;
        matched = true;
      }
      if (ids[second] == b)
      {
        table[c] = first;
        table[first] = c;
        matched = true;
      }
      if (matched)
      {
        break;
      }
    }
  }
  return table;
}

struct Triangles
{
  std::vector<int> Ids;
  int VertexCount = 0;
};

Triangles Torus(int rings, int segments)
{
  const MeshCodecFixtures::IndexedMesh torus = MeshCodecFixtures::Torus(rings, segments);
  return {torus.Corners, static_cast<int>(torus.Vertices.size() / 3)};
}

void ShuffleTriangles(Triangles& mesh, std::mt19937& random)
{
  std::vector<int> order(mesh.Ids.size() / 3);
  std::iota(order.begin(), order.end(), 0);
  std::shuffle(order.begin(), order.end(), random);
  std::vector<int> shuffled;
  for (const int t : order)
  {
    // Rotate each triangle by a random amount: same orientation, other start.
    const int rotation = static_cast<int>(random() % 3);
    for (int k = 0; k < 3; ++k)
    {
      shuffled.push_back(mesh.Ids[3 * t + (k + rotation) % 3]);
    }
  }
  mesh.Ids = shuffled;
}

Triangles ShuffledTorus(std::mt19937& random)
{
  Triangles mesh = Torus(7 + static_cast<int>(random() % 9), 5 + static_cast<int>(random() % 9));
  ShuffleTriangles(mesh, random);
  return mesh;
}

Triangles MisorientedTorus(std::mt19937& random)
{
  Triangles mesh = ShuffledTorus(random);
  for (size_t t = 0; t < mesh.Ids.size(); t += 3)
  {
    if (random() % 3 == 0)
    {
      std::swap(mesh.Ids[t + 1], mesh.Ids[t + 2]);
    }
  }
  return mesh;
}

// Every triangle on its own ids.
Triangles Soup(std::mt19937& random)
{
  Triangles mesh;
  const int triangles = 1 + static_cast<int>(random() % 200);
  mesh.VertexCount = 3 * triangles;
  mesh.Ids.resize(static_cast<size_t>(mesh.VertexCount));
  std::iota(mesh.Ids.begin(), mesh.Ids.end(), 0);
  return mesh;
}

// Fans of many triangles around a few shared edges, in both directions.
Triangles SharedEdges(std::mt19937& random)
{
  Triangles mesh;
  const int edges = 1 + static_cast<int>(random() % 4);
  const int fan = 3 + static_cast<int>(random() % 6);
  mesh.VertexCount = 2 * edges + edges * fan;
  int apex = 2 * edges;
  for (int t = 0; t < edges * fan; ++t)
  {
    const int edge = static_cast<int>(random() % edges);
    const int a = 2 * edge;
    const int b = 2 * edge + 1;
    if (random() % 2 == 0)
    {
      mesh.Ids.insert(mesh.Ids.end(), {a, b, apex++});
    }
    else
    {
      mesh.Ids.insert(mesh.Ids.end(), {b, a, apex++});
    }
  }
  ShuffleTriangles(mesh, random);
  return mesh;
}

// Random ids from a small set: shared edges of every multiplicity and
// triangles naming one id two or three times.
Triangles RandomIds(std::mt19937& random)
{
  Triangles mesh;
  mesh.VertexCount = 2 + static_cast<int>(random() % 10);
  const int triangles = 1 + static_cast<int>(random() % 150);
  for (int i = 0; i < 3 * triangles; ++i)
  {
    mesh.Ids.push_back(static_cast<int>(random() % static_cast<unsigned>(mesh.VertexCount)));
  }
  return mesh;
}

struct Generator
{
  std::string Name;
  std::function<Triangles(std::mt19937&)> Make;
};

void PrintTo(const Generator& param, std::ostream* out)
{
  *out << param.Name;
}

class OppositeCornerTableMatchesScan : public ::testing::TestWithParam<Generator>
{
};

TEST_P(OppositeCornerTableMatchesScan, on_every_corner_of_random_meshes)
{
  for (unsigned seed = 0; seed < 200; ++seed)
  {
    std::mt19937 random(seed);
    const Triangles mesh = GetParam().Make(random);

    const std::vector<int> expected = ScanOppositeCorners(mesh.Ids);
    const std::vector<int> actual = OppositeCornerTable::Build(mesh.Ids, mesh.VertexCount);

    ASSERT_EQ(actual, expected) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(Meshes, OppositeCornerTableMatchesScan,
                         ::testing::Values(Generator{"closed", ShuffledTorus}, Generator{"misoriented", MisorientedTorus},
                                           Generator{"soup", Soup}, Generator{"shared_edges", SharedEdges},
                                           Generator{"random_ids", RandomIds}),
                         [](const auto& info) { return info.param.Name; });

TEST(OppositeCornerTable, closed_mesh_pairs_every_corner_both_ways)
{
  const Triangles mesh = Torus(6, 5);

  const std::vector<int> table = OppositeCornerTable::Build(mesh.Ids, mesh.VertexCount);

  for (size_t c = 0; c < table.size(); ++c)
  {
    ASSERT_NE(table[c], -1) << c;
    EXPECT_EQ(table[table[c]], static_cast<int>(c));
  }
}

TEST(OppositeCornerTable, degenerate_triangle_keeps_the_second_pairing_and_both_back_links)
{
  // Corner 0 faces edge (1, 2). Triangle 2 holds 2 twice: the scan assigns
  // corner 0 to corner 8 and then to corner 7, and leaves both pointing back.
  const std::vector<int> ids = {0, 1, 2, 9, 1, 1, 1, 2, 2};
  const std::vector<int> table = OppositeCornerTable::Build(ids, 10);

  EXPECT_EQ(table, ScanOppositeCorners(ids));
  EXPECT_EQ(table[0], 7);
  EXPECT_EQ(table[7], 0);
  EXPECT_EQ(table[8], 0);
}

}  // namespace
