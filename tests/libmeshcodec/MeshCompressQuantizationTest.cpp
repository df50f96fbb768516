// Quantisation to the 2048-level grid of the bounding box and the merging of
// vertices that land on one grid point.
#include "libmeshcodec/MeshCompress.h"

#include "MeshCodecFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <vector>

using MeshCodecFixtures::PackValues;
using MeshCodecFixtures::UnpackValues;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

MeshCompress RoundTrip(const std::vector<float>& vertices, const std::vector<int>& corners)
{
  MeshCompress mesh;
  mesh.Vertices = vertices;
  mesh.Corners = corners;
  EXPECT_EQ(mesh.Encode(), MeshCodecError::Success);
  EXPECT_EQ(mesh.Decode(), MeshCodecError::Success);
  return mesh;
}

TEST(MeshCompressQuantization, maximum_lands_on_2047_or_2046_as_single_precision_rounds)
{
  // x extent 10 divides back to 2046.9999 in single precision, y extent 1 to 2047.
  MeshCompress mesh;
  mesh.Vertices = {0, 0, 0, 10, 1, 0, 0, 1, 0};
  mesh.Corners = {0, 1, 2};

  ASSERT_EQ(mesh.Encode(), MeshCodecError::Success);

  EXPECT_THAT(UnpackValues(mesh.CoordinateBytes), ElementsAre(0, 0, 0, 2046, 2047, 0, 0, 2047, 0));
}

TEST(MeshCompressQuantization, grid_zero_decodes_to_the_exact_minimum_and_a_flat_axis_to_its_value)
{
  const float zPlane = 3.7F;
  MeshCompress mesh = RoundTrip({-1.3F, 0.25F, zPlane, 7.1F, 0.9F, zPlane, 2.2F, 5.3F, zPlane}, {0, 1, 2});

  ASSERT_EQ(mesh.Vertices.size(), 9U);
  EXPECT_EQ(mesh.Vertices[0], -1.3F);
  EXPECT_EQ(mesh.Vertices[1], 0.25F);
  for (size_t z = 2; z < mesh.Vertices.size(); z += 3)
  {
    EXPECT_EQ(mesh.Vertices[z], zPlane);
  }
}

TEST(MeshCompressQuantization, decoded_values_are_grid_times_step_plus_minimum)
{
  // x runs from -20 to 80: x = 30 lands on 1023.
  MeshCompress mesh = RoundTrip({-20, 0, 0, 30, 1, 0, 80, 0, 1}, {0, 1, 2});

  const float step = 100.0F / 2047.0F;
  ASSERT_EQ(mesh.Vertices.size(), 9U);
  EXPECT_EQ(mesh.Vertices[3], 1023.0F * step - 20.0F);
}

TEST(MeshCompressQuantization, vertices_closer_than_a_step_merge_and_collapsed_triangles_drop)
{
  // Vertices 1 and 4 both land on x = 1023; triangle (1, 4, 3) collapses.
  MeshCompress mesh = RoundTrip({0, 0, 0, 0.5F, 0, 0, 0, 1, 0, 1, 1, 1, 0.5F + 1e-6F, 0, 0},
                                {0, 1, 2, 1, 3, 2, 1, 4, 3});

  EXPECT_EQ(mesh.Vertices.size(), 4U * 3U);
  EXPECT_EQ(mesh.Corners.size(), 2U * 3U);
}

TEST(MeshCompressQuantization, decoded_vertices_are_ascending_and_distinct_without_unused_ones)
{
  // A box of 2047 on every axis makes the grid step exactly 1. Vertex 1 is used
  // by no triangle; the three triangles share positions but no edge.
  MeshCompress mesh = RoundTrip({5, 5, 5, 9, 9, 9, 0, 0, 0, 5, 0, 0, 0, 5, 0, 5, 0, 0, 0, 0, 0, 0, 5, 0, 2047, 2047, 2047},
                                {0, 2, 3, 4, 5, 6, 7, 8, 2});

  EXPECT_THAT(mesh.Vertices, ElementsAreArray(std::vector<float>{0, 0, 0, 0, 5, 0, 5, 0, 0, 5, 5, 5, 2047, 2047, 2047}));
  EXPECT_THAT(mesh.Corners, ElementsAre(3, 0, 2, 1, 2, 0, 1, 4, 0));
}

TEST(MeshCompressQuantization, large_stream_decodes_to_sorted_merged_vertices_of_either_sign)
{
  // 2000 seed triangles (6000 vertices) on grid values of both signs from a
  // small set, so that many vertices merge and some triangles collapse. A box
  // of 2047 makes decoded values equal grid values.
  const std::array<int, 7> grid = {-2048, -1000, -1, 0, 1, 700, 2047};
  std::mt19937 random(7);
  std::vector<int> values(2000 * 9);
  for (int& value : values)
  {
    value = grid[random() % grid.size()];
  }
  MeshCompress mesh;
  mesh.XMin = mesh.YMin = mesh.ZMin = 0;
  mesh.XMax = mesh.YMax = mesh.ZMax = 2047;
  mesh.GateBytes.assign(2000 * 3 / 8, 0);
  mesh.CoordinateBytes = PackValues(values);

  ASSERT_EQ(mesh.Decode(), MeshCodecError::Success);

  using Position = std::array<float, 3>;
  const auto positionAt = [](const std::vector<float>& xyz, size_t index) {
    return Position{xyz[3 * index], xyz[3 * index + 1], xyz[3 * index + 2]};
  };
  std::vector<Position> positions;
  for (size_t v = 0; v < mesh.Vertices.size() / 3; ++v)
  {
    positions.push_back(positionAt(mesh.Vertices, v));
  }
  const std::vector<float> streamValues(values.begin(), values.end());
  std::set<Position> distinct;
  std::vector<std::array<Position, 3>> expected;
  for (size_t t = 0; t < 2000; ++t)
  {
    const std::array<Position, 3> triangle = {positionAt(streamValues, 3 * t), positionAt(streamValues, 3 * t + 1),
                                              positionAt(streamValues, 3 * t + 2)};
    distinct.insert(triangle.begin(), triangle.end());
    if (triangle[0] != triangle[1] && triangle[1] != triangle[2] && triangle[0] != triangle[2])
    {
      expected.push_back(triangle);
    }
  }
  EXPECT_THAT(positions, ElementsAreArray(distinct.begin(), distinct.end()));
  std::vector<std::array<Position, 3>> decoded;
  for (size_t c = 0; c < mesh.Corners.size(); c += 3)
  {
    decoded.push_back({positions[mesh.Corners[c]], positions[mesh.Corners[c + 1]], positions[mesh.Corners[c + 2]]});
  }
  EXPECT_EQ(decoded, expected);
}

}  // namespace
