// Nothing handed to MeshCompress is trusted: bad meshes and truncated or
// mutated streams end in a reported failure with every container empty,
// never a read beyond the input (run under AddressSanitizer).
#include "libmeshcodec/MeshCompress.h"

#include "MeshCodecFixtures.h"

#include <gtest/gtest.h>

#include <random>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void ExpectEmpty(const MeshCompress& mesh)
{
  EXPECT_TRUE(mesh.Vertices.empty());
  EXPECT_TRUE(mesh.Corners.empty());
  EXPECT_TRUE(mesh.GateBytes.empty());
  EXPECT_TRUE(mesh.CoordinateBytes.empty());
}

// A decoded mesh is well formed: whole triangles of three distinct ids that
// name decoded vertices.
void ExpectWellFormed(const MeshCompress& mesh)
{
  ASSERT_EQ(mesh.Vertices.size() % 3, 0U);
  ASSERT_EQ(mesh.Corners.size() % 3, 0U);
  const int vertexCount = static_cast<int>(mesh.Vertices.size() / 3);
  for (size_t t = 0; t < mesh.Corners.size(); t += 3)
  {
    for (size_t k = 0; k < 3; ++k)
    {
      ASSERT_GE(mesh.Corners[t + k], 0);
      ASSERT_LT(mesh.Corners[t + k], vertexCount);
    }
    EXPECT_NE(mesh.Corners[t], mesh.Corners[t + 1]);
    EXPECT_NE(mesh.Corners[t + 1], mesh.Corners[t + 2]);
    EXPECT_NE(mesh.Corners[t], mesh.Corners[t + 2]);
  }
}

struct Streams
{
  Bytes Gates;
  Bytes Coordinates;
};

Streams EncodedTorus()
{
  const MeshCodecFixtures::IndexedMesh torus = MeshCodecFixtures::Torus(9, 7);
  MeshCompress mesh;
  mesh.Vertices = torus.Vertices;
  mesh.Corners = torus.Corners;
  EXPECT_EQ(mesh.Encode(), MeshCodecError::Success);
  return {mesh.GateBytes, mesh.CoordinateBytes};
}

MeshCodecError Decode(MeshCompress& mesh, const Bytes& gates, const Bytes& coordinates)
{
  mesh.XMin = -40;
  mesh.XMax = 40;
  mesh.YMin = -40;
  mesh.YMax = 40;
  mesh.ZMin = -10;
  mesh.ZMax = 10;
  mesh.GateBytes = gates;
  mesh.CoordinateBytes = coordinates;
  return mesh.Decode();
}

struct BadMesh
{
  std::string Name;
  std::vector<float> Vertices;
  std::vector<int> Corners;
  MeshCodecError Expected;
};

void PrintTo(const BadMesh& param, std::ostream* out)
{
  *out << param.Name;
}

class MeshCompressRejectsMesh : public ::testing::TestWithParam<BadMesh>
{
};

TEST_P(MeshCompressRejectsMesh, with_its_error_and_empty_streams)
{
  MeshCompress mesh;
  mesh.Vertices = GetParam().Vertices;
  mesh.Corners = GetParam().Corners;

  EXPECT_EQ(mesh.Encode(), GetParam().Expected);

  ExpectEmpty(mesh);
}

const std::vector<float> ThreeVertices = {0, 0, 0, 1, 0, 0, 0, 1, 0};

INSTANTIATE_TEST_SUITE_P(
  Meshes, MeshCompressRejectsMesh,
  ::testing::Values(BadMesh{"vertices_not_triples", {0, 0, 0, 1, 0, 0, 0, 1}, {0, 1, 2}, MeshCodecError::InvalidMesh},
                    BadMesh{"corners_not_triples", ThreeVertices, {0, 1, 2, 0}, MeshCodecError::InvalidMesh},
                    BadMesh{"negative_id", ThreeVertices, {0, -1, 2}, MeshCodecError::BadVertexId},
                    BadMesh{"id_past_the_end", ThreeVertices, {0, 1, 3}, MeshCodecError::BadVertexId},
                    BadMesh{"ids_without_vertices", {}, {0, 1, 2}, MeshCodecError::BadVertexId}),
  [](const auto& info) { return info.param.Name; });

TEST(MeshCompressBadInput, id_known_only_from_an_earlier_larger_mesh_is_rejected)
{
  MeshCompress mesh;
  mesh.Vertices = {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0};
  mesh.Corners = {0, 1, 2, 2, 1, 3};
  ASSERT_EQ(mesh.Encode(), MeshCodecError::Success);

  mesh.Vertices = ThreeVertices;
  mesh.Corners = {0, 1, 3};
  EXPECT_EQ(mesh.Encode(), MeshCodecError::BadVertexId);
}

struct BadStreams
{
  std::string Name;
  Bytes Gates;
  Bytes Coordinates;
  MeshCodecError Expected;
};

void PrintTo(const BadStreams& param, std::ostream* out)
{
  *out << param.Name;
}

class MeshCompressRejectsStreams : public ::testing::TestWithParam<BadStreams>
{
};

TEST_P(MeshCompressRejectsStreams, with_its_error_and_an_empty_mesh)
{
  MeshCompress mesh;
  mesh.Vertices = {1, 2, 3};
  mesh.Corners = {0, 0, 0};

  EXPECT_EQ(Decode(mesh, GetParam().Gates, GetParam().Coordinates), GetParam().Expected);

  ExpectEmpty(mesh);
}

// The worked example's twelve values: a seed and one new vertex.
const Bytes SquareValues = {0x80, 0x08, 0x00, 0x80, 0x0F, 0xFF, 0x80, 0x08, 0x00,
                            0x80, 0x0F, 0xFF, 0x80, 0x0F, 0xFF, 0xFF, 0xF8, 0x00};

// Two values more than the worked example: too few for another seed.
const Bytes SquareValuesAndTwoMore = [] {
  Bytes bytes = SquareValues;
  bytes.insert(bytes.end(), {0x80, 0x08, 0x00});
  return bytes;
}();

INSTANTIATE_TEST_SUITE_P(
  Streams, MeshCompressRejectsStreams,
  ::testing::Values(
    BadStreams{"no_gates_for_a_seed", {}, SquareValues, MeshCodecError::GateStreamTruncated},
    BadStreams{"seed_cut_short", {0x00}, Bytes(SquareValues.begin(), SquareValues.begin() + 8),
               MeshCodecError::CoordinateStreamTruncated},
    BadStreams{"gate_one_without_values", {0xC0}, SquareValues, MeshCodecError::CoordinateStreamTruncated},
    BadStreams{"new_vertex_cut_short", {0x80}, Bytes(SquareValues.begin(), SquareValues.begin() + 17),
               MeshCodecError::CoordinateStreamTruncated},
    BadStreams{"values_left_after_the_last_region", {0x80}, SquareValuesAndTwoMore,
               MeshCodecError::CoordinateStreamTruncated}),
  [](const auto& info) { return info.param.Name; });

TEST(MeshCompressBadInput, every_cut_of_either_stream_fails_cleanly_or_decodes)
{
  const Streams streams = EncodedTorus();

  for (size_t length = 0; length < streams.Gates.size(); ++length)
  {
    MeshCompress mesh;
    const MeshCodecError result =
      Decode(mesh, Bytes(streams.Gates.begin(), streams.Gates.begin() + length), streams.Coordinates);
    EXPECT_EQ(result, MeshCodecError::GateStreamTruncated) << "gate bytes " << length;
    ExpectEmpty(mesh);
  }
  for (size_t length = 0; length < streams.Coordinates.size(); ++length)
  {
    MeshCompress mesh;
    const MeshCodecError result =
      Decode(mesh, streams.Gates, Bytes(streams.Coordinates.begin(), streams.Coordinates.begin() + length));
    if (result == MeshCodecError::Success)
    {
      ExpectWellFormed(mesh);
    }
    else
    {
      EXPECT_EQ(result, MeshCodecError::CoordinateStreamTruncated) << "coordinate bytes " << length;
      ExpectEmpty(mesh);
    }
  }
}

TEST(MeshCompressBadInput, mutated_streams_fail_cleanly_or_decode_well_formed)
{
  const Streams original = EncodedTorus();
  std::mt19937 random(20210601);

  for (int round = 0; round < 3000; ++round)
  {
    Streams streams = original;
    Bytes& target = random() % 2 == 0 ? streams.Gates : streams.Coordinates;
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int edit = 0; edit < edits && !target.empty(); ++edit)
    {
      switch (random() % 4)
      {
        case 0:
          target[random() % target.size()] ^= static_cast<unsigned char>(1U << (random() % 8));
          break;
        case 1:
          target[random() % target.size()] = static_cast<unsigned char>(random());
          break;
        case 2:
          target.resize(random() % target.size());
          break;
        default:
          target.push_back(static_cast<unsigned char>(random()));
          break;
      }
    }

    MeshCompress mesh;
    const MeshCodecError result = Decode(mesh, streams.Gates, streams.Coordinates);
    if (result == MeshCodecError::Success)
    {
      ExpectWellFormed(mesh);
    }
    else
    {
      ExpectEmpty(mesh);
    }
    ASSERT_FALSE(HasFailure()) << "round " << round;
  }
}

TEST(MeshCompressBadInput, object_decodes_a_good_stream_after_a_failure)
{
  const Streams streams = EncodedTorus();
  MeshCompress mesh;
  ASSERT_EQ(Decode(mesh, Bytes{}, streams.Coordinates), MeshCodecError::GateStreamTruncated);

  ASSERT_EQ(Decode(mesh, streams.Gates, streams.Coordinates), MeshCodecError::Success);

  EXPECT_EQ(mesh.Corners.size(), 2U * 9U * 7U * 3U);
  ExpectWellFormed(mesh);
}

}  // namespace
