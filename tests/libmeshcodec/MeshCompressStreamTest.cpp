// The two streams of MeshCompress are a stored format: bytes, bit order,
// value order and the traversal order must come out exactly.
#include "libmeshcodec/MeshCompress.h"

#include "MeshCodecFixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using MeshCodecFixtures::UnpackGates;
using MeshCodecFixtures::UnpackValues;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Each;

namespace {

using Bytes = std::vector<unsigned char>;

MeshCompress Encoded(const std::vector<float>& vertices, const std::vector<int>& corners)
{
  MeshCompress mesh;
  mesh.Vertices = vertices;
  mesh.Corners = corners;
  EXPECT_EQ(mesh.Encode(), MeshCodecError::Success);
  return mesh;
}

// Two triangles sharing the edge Q-R on the unit square: P, Q, R, S quantise
// to the corners of the grid.
const std::vector<float> SquareVertices = {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0};
const std::vector<int> SquareCorners = {0, 1, 2, 2, 1, 3};

TEST(MeshCompressStream, worked_example_gives_the_stored_bytes)
{
  MeshCompress mesh = Encoded(SquareVertices, SquareCorners);

  EXPECT_THAT(mesh.GateBytes, ElementsAre(0x80));
  EXPECT_THAT(mesh.CoordinateBytes, ElementsAreArray(Bytes{0x80, 0x08, 0x00, 0x80, 0x0F, 0xFF, 0x80, 0x08, 0x00,
                                                           0x80, 0x0F, 0xFF, 0x80, 0x0F, 0xFF, 0xFF, 0xF8, 0x00}));
  EXPECT_EQ(mesh.XMin, 0.0F);
  EXPECT_EQ(mesh.XMax, 1.0F);
  EXPECT_EQ(mesh.YMax, 1.0F);
  EXPECT_EQ(mesh.ZMin, 0.0F);
  EXPECT_EQ(mesh.ZMax, 0.0F);
  EXPECT_TRUE(mesh.Vertices.empty());
  EXPECT_TRUE(mesh.Corners.empty());
}

TEST(MeshCompressStream, worked_example_decodes_to_sorted_vertices_and_traversal_triangles)
{
  MeshCompress mesh = Encoded(SquareVertices, SquareCorners);
  const Bytes coordinates = mesh.CoordinateBytes;

  ASSERT_EQ(mesh.Decode(), MeshCodecError::Success);

  EXPECT_THAT(mesh.Vertices, ElementsAreArray(std::vector<float>{0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1, 0}));
  EXPECT_THAT(mesh.Corners, ElementsAre(0, 2, 1, 3, 1, 2));
  EXPECT_TRUE(mesh.GateBytes.empty());
  EXPECT_EQ(mesh.CoordinateBytes, coordinates);
}

struct StreamShape
{
  std::string Name;
  std::vector<float> Vertices;
  std::vector<int> Corners;
  std::vector<int> Gates;  // before the fill bits
  size_t ValueCount;
};

void PrintTo(const StreamShape& param, std::ostream* out)
{
  *out << param.Name;
}

class MeshCompressStreamShape : public ::testing::TestWithParam<StreamShape>
{
};

// A soup: three triangles on the same two positions per edge, but no shared
// vertex ids, so every triangle is a seed.
const StreamShape Soup = {"soup",
                          {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 0, 1, 0, 1, 1, 0, 0, 2, 0},
                          {0, 1, 2, 3, 4, 5, 6, 7, 8},
                          {0, 0, 0, 0, 0, 0, 0, 0, 0},
                          27};

// A strip P Q R S U where the second triangle is entered at position 2: it
// examines position 0 twice and never spreads to the third triangle across
// the edge opposite its position 1, which becomes a seed.
const StreamShape EnteredAtPositionTwo = {"entered_at_position_two",
                                          {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 1, 2, 0},
                                          {0, 1, 2, 2, 1, 3, 2, 3, 4},
                                          {1, 0, 0, 0, 0, 0, 0, 0},
                                          9 + 3 + 9};

TEST_P(MeshCompressStreamShape, gates_and_values_have_the_coded_lengths)
{
  const StreamShape& shape = GetParam();
  MeshCompress mesh = Encoded(shape.Vertices, shape.Corners);

  const size_t gateCount = shape.Gates.size();
  ASSERT_EQ(mesh.GateBytes.size(), (gateCount + 7) / 8);
  const std::vector<int> gates = UnpackGates(mesh.GateBytes);
  EXPECT_THAT(std::vector<int>(gates.begin(), gates.begin() + gateCount), ElementsAreArray(shape.Gates));
  EXPECT_THAT(std::vector<int>(gates.begin() + gateCount, gates.end()), Each(0));
  EXPECT_EQ(mesh.CoordinateBytes.size(), (12 * shape.ValueCount + 7) / 8);
  EXPECT_EQ(UnpackValues(mesh.CoordinateBytes).size(), shape.ValueCount);
}

TEST_P(MeshCompressStreamShape, decodes_every_triangle)
{
  const StreamShape& shape = GetParam();
  MeshCompress mesh = Encoded(shape.Vertices, shape.Corners);

  ASSERT_EQ(mesh.Decode(), MeshCodecError::Success);

  EXPECT_EQ(mesh.Corners.size(), shape.Corners.size());
}

INSTANTIATE_TEST_SUITE_P(
  Shapes, MeshCompressStreamShape,
  ::testing::Values(StreamShape{"one_triangle", {0, 0, 0, 1, 0, 0, 0, 1, 1}, {0, 1, 2}, {0, 0, 0}, 9},
                    StreamShape{"square", SquareVertices, SquareCorners, {1, 0, 0, 0, 0}, 12}, Soup,
                    EnteredAtPositionTwo),
  [](const auto& info) { return info.param.Name; });

TEST(MeshCompressStream, one_triangle_is_one_gate_byte_and_fourteen_value_bytes)
{
  MeshCompress mesh = Encoded({0, 0, 0, 1, 0, 0, 0, 1, 1}, {0, 1, 2});

  EXPECT_THAT(mesh.GateBytes, ElementsAre(0x00));
  EXPECT_EQ(mesh.CoordinateBytes.size(), 14U);
  EXPECT_THAT(UnpackValues(mesh.CoordinateBytes), ElementsAre(0, 0, 0, 2047, 0, 0, 0, 2047, 2047));
}

TEST(MeshCompressStream, entered_at_position_two_sends_the_third_triangle_as_seed)
{
  MeshCompress mesh = Encoded(EnteredAtPositionTwo.Vertices, EnteredAtPositionTwo.Corners);

  // Grid step of y is 2 / 2047, so y = 1 lands on 1023.
  EXPECT_THAT(UnpackValues(mesh.CoordinateBytes),
              ElementsAre(0, 0, 0, 2047, 0, 0, 0, 1023, 0,  // seed P Q R
                          2047, 1023, 0,                    // S - P
                          0, 1023, 0, 2047, 1023, 0, 2047, 2047, 0));  // seed R S U
}

TEST(MeshCompressStream, empty_mesh_gives_empty_streams_that_decode_to_an_empty_mesh)
{
  MeshCompress mesh = Encoded({}, {});

  EXPECT_TRUE(mesh.GateBytes.empty());
  EXPECT_TRUE(mesh.CoordinateBytes.empty());

  mesh.Vertices = {1, 2, 3};
  mesh.Corners = {0, 0, 0};
  ASSERT_EQ(mesh.Decode(), MeshCodecError::Success);
  EXPECT_TRUE(mesh.Vertices.empty());
  EXPECT_TRUE(mesh.Corners.empty());
}

TEST(MeshCompressStream, vertices_without_triangles_give_empty_streams)
{
  MeshCompress mesh = Encoded({0, 0, 0, 5, 5, 5}, {});

  EXPECT_TRUE(mesh.GateBytes.empty());
  EXPECT_TRUE(mesh.CoordinateBytes.empty());
  EXPECT_EQ(mesh.XMax, 5.0F);
}

TEST(MeshCompressStream, stream_of_m_values_is_12m_plus_7_over_8_bytes_and_unpacks_to_m_values)
{
  // A soup of n triangles carries 9n values: odd and even counts of values.
  for (int triangles = 1; triangles <= 6; ++triangles)
  {
    std::vector<float> vertices;
    std::vector<int> corners;
    for (int t = 0; t < triangles; ++t)
    {
      vertices.insert(vertices.end(), {float(t), 0, 0, float(t) + 1, 0, 0, float(t), 1, 0});
      corners.insert(corners.end(), {3 * t, 3 * t + 1, 3 * t + 2});
    }
    MeshCompress mesh = Encoded(vertices, corners);
    const size_t values = 9 * static_cast<size_t>(triangles);
    EXPECT_EQ(mesh.CoordinateBytes.size(), (12 * values + 7) / 8) << triangles;

    ASSERT_EQ(mesh.Decode(), MeshCodecError::Success);
    EXPECT_EQ(mesh.Corners.size(), corners.size()) << triangles;
  }
}

TEST(MeshCompressStream, object_is_reusable_after_each_call)
{
  MeshCompress mesh = Encoded({0, 0, 0, 1, 0, 0, 0, 1, 1}, {0, 1, 2});
  mesh.Vertices = SquareVertices;
  mesh.Corners = SquareCorners;

  ASSERT_EQ(mesh.Encode(), MeshCodecError::Success);

  EXPECT_THAT(mesh.GateBytes, ElementsAre(0x80));
  EXPECT_EQ(mesh.CoordinateBytes.size(), 18U);
}

}  // namespace
