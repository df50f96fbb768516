// A closed, consistently oriented mesh comes back as the same oriented
// triangles on its vertices moved to the grid and merged; other meshes keep
// their triangles, with the orientation of the triangle they are reached from.
#include "libmeshcodec/MeshCompress.h"

#include "MeshCodecFixtures.h"
#include "QlmTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using MeshCodecFixtures::IndexedMesh;
using Position = std::array<float, 3>;
using Triangle = std::array<Position, 3>;

// Rotated to start at its smallest vertex, keeping the orientation.
Triangle Canonical(Triangle triangle)
{
  const auto smallest = std::min_element(triangle.begin(), triangle.end());
  std::rotate(triangle.begin(), smallest, triangle.end());
  return triangle;
}

std::vector<Triangle> SortedTriangles(const std::vector<Position>& positions, const std::vector<int>& corners)
{
  std::vector<Triangle> triangles;
  for (size_t t = 0; t < corners.size(); t += 3)
  {
    const Triangle triangle = {positions[corners[t]], positions[corners[t + 1]], positions[corners[t + 2]]};
    if (triangle[0] != triangle[1] && triangle[1] != triangle[2] && triangle[0] != triangle[2])
    {
      triangles.push_back(Canonical(triangle));
    }
  }
  std::sort(triangles.begin(), triangles.end());
  return triangles;
}

// Each input vertex moved to its grid point of the encoder's bounding box.
std::vector<Position> GridPositions(const std::vector<float>& vertices, const MeshCompress& box)
{
  const float minimum[3] = {box.XMin, box.YMin, box.ZMin};
  const float step[3] = {(box.XMax - box.XMin) / 2047.0F, (box.YMax - box.YMin) / 2047.0F,
                         (box.ZMax - box.ZMin) / 2047.0F};
  std::vector<Position> positions(vertices.size() / 3);
  for (size_t v = 0; v < positions.size(); ++v)
  {
    for (int axis = 0; axis < 3; ++axis)
    {
      const int grid = static_cast<int>((vertices[3 * v + axis] - minimum[axis]) / step[axis]);
      positions[v][axis] = static_cast<float>(grid) * step[axis] + minimum[axis];
    }
  }
  return positions;
}

std::vector<Position> DecodedPositions(const std::vector<float>& vertices)
{
  std::vector<Position> positions(vertices.size() / 3);
  for (size_t v = 0; v < positions.size(); ++v)
  {
    positions[v] = {vertices[3 * v], vertices[3 * v + 1], vertices[3 * v + 2]};
  }
  return positions;
}

IndexedMesh EncodeDecode(const IndexedMesh& input, std::vector<Triangle>& expected)
{
  MeshCompress mesh;
  mesh.Vertices = input.Vertices;
  mesh.Corners = input.Corners;
  EXPECT_EQ(mesh.Encode(), MeshCodecError::Success);
  expected = SortedTriangles(GridPositions(input.Vertices, mesh), input.Corners);
  EXPECT_EQ(mesh.Decode(), MeshCodecError::Success);
  return {mesh.Vertices, mesh.Corners};
}

struct RealMesh
{
  std::string Name;
  std::string File;
  size_t TriangleCount;
};

void PrintTo(const RealMesh& param, std::ostream* out)
{
  *out << param.Name;
}

class MeshCompressClosedRoundTrip : public ::testing::TestWithParam<RealMesh>
{
};

TEST_P(MeshCompressClosedRoundTrip, gives_the_same_oriented_triangles_on_merged_grid_vertices)
{
  QLM_REQUIRE_TEST_DATA(GetParam().File);
  const IndexedMesh input = MeshCodecFixtures::ReadOff(QlmTestData::Path(GetParam().File));
  ASSERT_EQ(input.Corners.size(), 3 * GetParam().TriangleCount);

  std::vector<Triangle> expected;
  const IndexedMesh output = EncodeDecode(input, expected);

  const std::vector<Position> decoded = DecodedPositions(output.Vertices);
  EXPECT_TRUE(std::adjacent_find(decoded.begin(), decoded.end(), std::greater_equal<>()) == decoded.end())
    << "decoded vertices are not ascending and distinct";
  EXPECT_EQ(SortedTriangles(decoded, output.Corners), expected);
  EXPECT_EQ(output.Corners.size() / 3, expected.size());
}

INSTANTIATE_TEST_SUITE_P(Meshes, MeshCompressClosedRoundTrip,
                         ::testing::Values(RealMesh{"bunny", "meshes/bunny00.off", 75408},
                                           RealMesh{"armadillo", "meshes/armadillo.off", 52000},
                                           RealMesh{"elephant", "meshes/refined_elephant.off", 88928}),
                         [](const auto& info) { return info.param.Name; });

TEST(MeshCompressRoundTrip, open_skull_surface_keeps_every_triangle_that_does_not_collapse)
{
  // The surface is open and has one edge that two triangles run in the same
  // direction, so a few triangles near it come back on other edges.
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumSurface);
  const IndexedMesh input = MeshCodecFixtures::ReadVtp(QlmTestData::Path(QlmTestData::CraniumSurface));
  ASSERT_EQ(input.Corners.size(), 3U * 399757U);

  std::vector<Triangle> expected;
  const IndexedMesh output = EncodeDecode(input, expected);

  EXPECT_EQ(output.Corners.size() / 3, expected.size());
}

TEST(MeshCompressRoundTrip, triangle_against_the_orientation_of_its_neighbour_takes_the_neighbours)
{
  // P Q R and Q R S run the shared edge Q-R the same way: S comes back as
  // S R Q, the orientation that fits P Q R.
  const IndexedMesh input = {{0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0}, {0, 1, 2, 1, 2, 3}};
  std::vector<Triangle> expected;
  const IndexedMesh output = EncodeDecode(input, expected);

  const std::vector<Position> positions = DecodedPositions(output.Vertices);
  const Position S = {1, 1, 0};
  const Position R = {0, 1, 0};
  const Position Q = {1, 0, 0};
  const std::vector<Triangle> decoded = SortedTriangles(positions, output.Corners);
  ASSERT_EQ(decoded.size(), 2U);
  EXPECT_NE(decoded, expected);
  EXPECT_TRUE(std::find(decoded.begin(), decoded.end(), Canonical({S, R, Q})) != decoded.end());
}

}  // namespace
