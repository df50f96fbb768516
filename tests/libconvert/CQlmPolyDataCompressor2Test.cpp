#include "QlmMeshFixtures.h"
#include "QlmTestData.h"
#include "libconvert/CQlmPolyDataCompressor2.h"
#include "libconvert/CQlmZStream.h"
#include "libmeshcodec/MeshCompress.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vtkCellArray.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkUnsignedCharArray.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <set>

namespace {

using namespace QlmMeshFixtures;

int Pack(vtkPolyData* mesh, vtkUnsignedCharArray* buffer)
{
  CQlmPolyDataCompressor2* packer = CQlmPolyDataCompressor2::New();
  packer->LinkPolyData(mesh);
  packer->LinkBufferCompressed(buffer);
  const int result = packer->Compress();
  packer->Delete();
  return result;
}

int Unpack(vtkUnsignedCharArray* buffer, vtkPolyData* mesh)
{
  CQlmPolyDataCompressor2* packer = CQlmPolyDataCompressor2::New();
  packer->LinkPolyData(mesh);
  packer->LinkBufferCompressed(buffer);
  const int result = packer->Decompress();
  packer->Delete();
  return result;
}

std::vector<float> Floats(const Bytes& bytes, size_t offset, size_t count)
{
  std::vector<float> values(count);
  std::memcpy(values.data(), bytes.data() + offset, count * sizeof(float));
  return values;
}

std::vector<std::array<vtkIdType, 3>> Triangles(vtkPolyData* mesh)
{
  std::vector<std::array<vtkIdType, 3>> triangles;
  vtkNew<vtkIdList> ids;
  for (vtkIdType c = 0; c < mesh->GetPolys()->GetNumberOfCells(); ++c) {
    mesh->GetPolys()->GetCellAtId(c, ids);
    triangles.push_back({ids->GetId(0), ids->GetId(1), ids->GetId(2)});
  }
  return triangles;
}

// The codec filled with the mesh's points and triangles, as the packer fills it.
MeshCompress CodecInput(vtkPolyData* mesh)
{
  MeshCompress codec;
  for (vtkIdType p = 0; p < mesh->GetNumberOfPoints(); ++p) {
    double point[3];
    mesh->GetPoint(p, point);
    codec.Vertices.insert(codec.Vertices.end(), {float(point[0]), float(point[1]), float(point[2])});
  }
  for (const auto& triangle : Triangles(mesh)) {
    codec.Corners.insert(codec.Corners.end(), {int(triangle[0]), int(triangle[1]), int(triangle[2])});
  }
  return codec;
}

TEST(CQlmPolyDataCompressor2, OneTriangleBufferHasBoundsThenBothStreams)
{
  auto mesh = Mesh({1, -2, 3, 4, 5, 3, -1, 0, 3.5f}, {{0, 1, 2}});
  vtkNew<vtkUnsignedCharArray> buffer;
  ASSERT_EQ(Pack(mesh, buffer), 1);

  const Bytes bytes = FromArray(buffer);
  ASSERT_GE(bytes.size(), 40u);
  EXPECT_EQ(Floats(bytes, 0, 6), (std::vector<float>{-1, 4, -2, 5, 3, 3.5f}));
  EXPECT_EQ(GetInt32(bytes, 24), 14) << "nine 12-bit values";
  const int32_t packedA = GetInt32(bytes, 28);
  ASSERT_GT(packedA, 0);
  ASSERT_LE(32u + packedA + 8, bytes.size());
  EXPECT_EQ(GetInt32(bytes, 32 + packedA), 1) << "three gate bits";
  const int32_t packedB = GetInt32(bytes, 36 + packedA);
  EXPECT_EQ(bytes.size(), 40u + packedA + packedB);
  EXPECT_EQ(buffer->GetSize(), buffer->GetNumberOfValues()) << "users take the allocated size as the length";
  EXPECT_EQ(bytes[32], 0x78) << "zlib stream of level 9";
  EXPECT_EQ(bytes[33], 0xDA);
}

// Grid cell of a coordinate, with the codec's single-precision step.
int GridCell(double value, float minimum, float maximum)
{
  const float step = (maximum - minimum) / 2047.0f;
  return step > 0 ? static_cast<int>(std::lround((static_cast<float>(value) - minimum) / step)) : 0;
}

using GridTriangle = std::array<std::array<int, 3>, 3>;

// Triangles as grid positions, each rotated to start at its smallest corner.
std::multiset<GridTriangle> GridTriangles(vtkPolyData* mesh, const std::vector<float>& bounds, bool truncate)
{
  std::multiset<GridTriangle> result;
  for (const auto& triangle : Triangles(mesh)) {
    GridTriangle grid;
    for (int corner = 0; corner < 3; ++corner) {
      double point[3];
      mesh->GetPoint(triangle[corner], point);
      for (int axis = 0; axis < 3; ++axis) {
        const float minimum = bounds[2 * axis];
        const float step = (bounds[2 * axis + 1] - minimum) / 2047.0f;
        grid[corner][axis] = truncate ? (step > 0 ? static_cast<int>((static_cast<float>(point[axis]) - minimum) / step) : 0)
                                      : GridCell(point[axis], minimum, bounds[2 * axis + 1]);
      }
    }
    std::rotate(grid.begin(), std::min_element(grid.begin(), grid.end()), grid.end());
    result.insert(grid);
  }
  return result;
}

TEST(CQlmPolyDataCompressor2, ClosedMeshComesBackAsItsTrianglesOnTheGrid)
{
  auto sphere = Sphere(32);
  vtkNew<vtkUnsignedCharArray> buffer;
  ASSERT_EQ(Pack(sphere, buffer), 1);
  vtkNew<vtkPolyData> restored;
  ASSERT_EQ(Unpack(buffer, restored), 1);

  const std::vector<float> bounds = Floats(FromArray(buffer), 0, 6);
  EXPECT_EQ(restored->GetNumberOfPoints(), sphere->GetNumberOfPoints());
  EXPECT_EQ(GridTriangles(restored, bounds, false), GridTriangles(sphere, bounds, true));
}

TEST(CQlmPolyDataCompressor2, RealMeshRoundTripsToTheCodecsQuantisedMesh)
{
  QLM_REQUIRE_TEST_DATA("meshes/pig.stl");
  vtkNew<vtkSTLReader> reader;
  reader->SetFileName(QlmTestData::Path("meshes/pig.stl").c_str());
  reader->Update();
  vtkPolyData* pig = reader->GetOutput();
  ASSERT_GT(pig->GetNumberOfPolys(), 1000);

  vtkNew<vtkUnsignedCharArray> buffer;
  ASSERT_EQ(Pack(pig, buffer), 1);
  vtkNew<vtkPolyData> restored;
  ASSERT_EQ(Unpack(buffer, restored), 1);

  MeshCompress codec = CodecInput(pig);
  ASSERT_EQ(codec.Encode(), MeshCodecError::Success);
  ASSERT_EQ(codec.Decode(), MeshCodecError::Success);

  ASSERT_EQ(restored->GetNumberOfPoints() * 3, static_cast<vtkIdType>(codec.Vertices.size()));
  for (vtkIdType p = 0; p < restored->GetNumberOfPoints(); ++p) {
    double point[3];
    restored->GetPoint(p, point);
    ASSERT_TRUE(float(point[0]) == codec.Vertices[3 * p] && float(point[1]) == codec.Vertices[3 * p + 1] &&
                float(point[2]) == codec.Vertices[3 * p + 2]) << "vertex " << p;
  }
  const auto triangles = Triangles(restored);
  ASSERT_EQ(triangles.size() * 3, codec.Corners.size());
  for (size_t t = 0; t < triangles.size(); ++t) {
    ASSERT_TRUE(triangles[t][0] == codec.Corners[3 * t] && triangles[t][1] == codec.Corners[3 * t + 1] &&
                triangles[t][2] == codec.Corners[3 * t + 2]) << "triangle " << t;
  }
}

// A coordinate stream of several zlib chunks is still one stream that plain uncompress reads.
TEST(CQlmPolyDataCompressor2, LargeMeshStreamsInflateWithPlainZlibAndRoundTrip)
{
  auto sphere = Sphere(200);
  vtkNew<vtkUnsignedCharArray> buffer;
  ASSERT_EQ(Pack(sphere, buffer), 1);
  const Bytes bytes = FromArray(buffer);

  MeshCompress codec = CodecInput(sphere);
  ASSERT_EQ(codec.Encode(), MeshCodecError::Success);
  ASSERT_GT(codec.CoordinateBytes.size(), 2 * CQlmZStream::ChunkSize);

  size_t offset = 24;
  for (const Bytes* stream : {&codec.CoordinateBytes, &codec.GateBytes}) {
    ASSERT_EQ(size_t(GetInt32(bytes, offset)), stream->size());
    const auto packed = size_t(GetInt32(bytes, offset + 4));
    ASSERT_LE(offset + 8 + packed, bytes.size());
    Bytes raw(stream->size());
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &rawSize, bytes.data() + offset + 8, packed), Z_OK);
    EXPECT_EQ(raw, *stream);
    offset += 8 + packed;
  }
  EXPECT_EQ(offset, bytes.size());

  vtkNew<vtkPolyData> restored;
  ASSERT_EQ(Unpack(buffer, restored), 1);
  ASSERT_EQ(codec.Decode(), MeshCodecError::Success);
  EXPECT_EQ(size_t(restored->GetNumberOfPoints()), codec.Vertices.size() / 3);
  EXPECT_EQ(size_t(restored->GetNumberOfPolys()), codec.Corners.size() / 3);
}

TEST(CQlmPolyDataCompressor2, PolygonsGiveTheirFirstTriangleAndEmptyMeshStaysEmpty)
{
  auto quad = Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}, {{0, 1, 2, 3}, {3, 0}});
  auto triangle = Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0}, {{0, 1, 2}});
  vtkNew<vtkUnsignedCharArray> quadBuffer;
  vtkNew<vtkUnsignedCharArray> triangleBuffer;
  ASSERT_EQ(Pack(quad, quadBuffer), 1);
  ASSERT_EQ(Pack(triangle, triangleBuffer), 1);
  Bytes quadBytes = FromArray(quadBuffer);
  // Only the unused fourth point changes the bounds.
  EXPECT_EQ(Bytes(quadBytes.begin() + 24, quadBytes.end()), [&] {
    Bytes b = FromArray(triangleBuffer);
    return Bytes(b.begin() + 24, b.end());
  }());

  vtkNew<vtkPolyData> empty;
  vtkNew<vtkUnsignedCharArray> emptyBuffer;
  ASSERT_EQ(Pack(empty, emptyBuffer), 1);
  auto restored = Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0}, {{0, 1, 2}});
  ASSERT_EQ(Unpack(emptyBuffer, restored), 1);
  EXPECT_EQ(restored->GetNumberOfPoints(), 0);
  EXPECT_EQ(restored->GetNumberOfPolys(), 0);
}

TEST(CQlmPolyDataCompressor2, RefusesMissingObjectsAndPointIdsBeyondThePoints)
{
  vtkNew<vtkUnsignedCharArray> buffer;
  auto broken = Mesh({0, 0, 0, 1, 0, 0, 1, 1, 0}, {{0, 1, 3}});
  EXPECT_EQ(Pack(broken, buffer), 0);
  EXPECT_EQ(buffer->GetNumberOfValues(), 0);
  EXPECT_EQ(Pack(nullptr, buffer), 0);
  EXPECT_EQ(Unpack(buffer, nullptr), 0);
  CQlmPolyDataCompressor2::Delete(nullptr);
}

// The buffer of one triangle on three points.
Bytes OneTriangleBuffer()
{
  auto mesh = Mesh({0, 0, 0, 1, 0, 0, 0, 1, 0}, {{0, 1, 2}});
  vtkNew<vtkUnsignedCharArray> buffer;
  EXPECT_EQ(Pack(mesh, buffer), 1);
  return FromArray(buffer);
}

// The bounds of that buffer followed by the caller's raw streams A and B under zlib.
Bytes WithStreams(const Bytes& rawA, const Bytes& rawB)
{
  Bytes buffer = OneTriangleBuffer();
  buffer.resize(24);
  for (const Bytes* raw : {&rawA, &rawB}) {
    const Bytes packed = Deflate(*raw);
    AppendInt32(buffer, static_cast<int32_t>(raw->size()));
    AppendInt32(buffer, static_cast<int32_t>(packed.size()));
    buffer.insert(buffer.end(), packed.begin(), packed.end());
  }
  return buffer;
}

size_t OffsetB(const Bytes& b)
{
  return 32 + static_cast<size_t>(GetInt32(b, 28));
}

struct DamagedBuffer {
  const char* Name;
  std::function<Bytes()> Make;
};

// Test names and CTest listings show the case name, not the bytes.
void PrintTo(const DamagedBuffer& c, std::ostream* os) { *os << c.Name; }

class PolyDataCompressor2Damaged : public testing::TestWithParam<DamagedBuffer> {};

TEST_P(PolyDataCompressor2Damaged, FailsAndLeavesThePolyDataAlone)
{
  auto buffer = ToArray(GetParam().Make());
  auto mesh = Mesh({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1}, {{0, 1, 2}});
  EXPECT_EQ(Unpack(buffer, mesh), 0);
  EXPECT_EQ(mesh->GetNumberOfPoints(), 4);
  EXPECT_EQ(mesh->GetNumberOfPolys(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PolyDataCompressor2Damaged,
  testing::Values(
    DamagedBuffer{"Empty", [] { return Bytes{}; }},
    DamagedBuffer{"BoundsCut", [] { return Bytes(20, 0); }},
    DamagedBuffer{"LengthsOfACut", [] { Bytes b = OneTriangleBuffer(); b.resize(30); return b; }},
    DamagedBuffer{"LastByteCut", [] { Bytes b = OneTriangleBuffer(); b.pop_back(); return b; }},
    DamagedBuffer{"PackedLengthOfABeyondBuffer", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 28, 1 << 30); return b; }},
    DamagedBuffer{"NegativePackedLengthOfA", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 28, -8); return b; }},
    DamagedBuffer{"PackedLengthOfBBeyondBuffer",
                  [] { Bytes b = OneTriangleBuffer(); PutInt32(b, OffsetB(b) + 4, GetInt32(b, OffsetB(b) + 4) + 1); return b; }},
    DamagedBuffer{"RawLengthOfALarger", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 24, 15); return b; }},
    DamagedBuffer{"RawLengthOfASmaller", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 24, 13); return b; }},
    DamagedBuffer{"RawLengthOfBHuge", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, OffsetB(b), INT32_MAX); return b; }},
    DamagedBuffer{"NegativeRawLengthOfB", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, OffsetB(b), -1); return b; }},
    DamagedBuffer{"StreamACorrupt", [] { Bytes b = OneTriangleBuffer(); b[34] ^= 0x5A; b[35] ^= 0xA5; return b; }},
    DamagedBuffer{"CoordinatesEndInsideASeed", [] { return WithStreams(Bytes(5, 0x80), Bytes{0x00}); }},
    DamagedBuffer{"GatesEndBeforeTheSeedsEdges",
                  [] { return WithStreams(Bytes(14, 0x80), Bytes{}); }}),
  [](const testing::TestParamInfo<DamagedBuffer>& info) { return info.param.Name; });

}  // namespace
