// A closed, consistently oriented mesh comes back as the same oriented
// triangles on its vertices moved to the grid and merged.
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

struct RealMesh
{
  std::string Name;
  std::string File;
  std::function<IndexedMesh(const std::string&)> Read;
};

void PrintTo(const RealMesh& param, std::ostream* out)
{
  *out << param.Name;
}

class MeshCompressRoundTrip : public ::testing::TestWithParam<RealMesh>
{
};

TEST_P(MeshCompressRoundTrip, gives_the_same_oriented_triangles_on_merged_grid_vertices)
{
  QLM_REQUIRE_TEST_DATA(GetParam().File);
  const IndexedMesh input = GetParam().Read(QlmTestData::Path(GetParam().File).string());
  MeshCompress mesh;
  mesh.Vertices = input.Vertices;
  mesh.Corners = input.Corners;

  ASSERT_EQ(mesh.Encode(), MeshCodecError::Success);
  const std::vector<Triangle> expected = SortedTriangles(GridPositions(input.Vertices, mesh), input.Corners);
  ASSERT_EQ(mesh.Decode(), MeshCodecError::Success);

  const std::vector<Position> decoded = DecodedPositions(mesh.Vertices);
  EXPECT_TRUE(std::adjacent_find(decoded.begin(), decoded.end(), std::greater_equal<>()) == decoded.end())
    << "decoded vertices are not ascending and distinct";
  EXPECT_EQ(SortedTriangles(decoded, mesh.Corners), expected);
  EXPECT_EQ(mesh.Corners.size() / 3, expected.size());
}

INSTANTIATE_TEST_SUITE_P(
  Meshes, MeshCompressRoundTrip,
  ::testing::Values(RealMesh{"bunny", "meshes/bunny00.off", MeshCodecFixtures::ReadOff},
                    RealMesh{"skull", QlmTestData::CraniumSurface, MeshCodecFixtures::ReadVtp}),
  [](const auto& info) { return info.param.Name; });

}  // namespace
