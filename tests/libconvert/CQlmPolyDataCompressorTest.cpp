#include "QlmMeshFixtures.h"
#include "libconvert/CQlmPolyDataCompressor.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vtkCellArray.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <functional>

namespace {

using namespace QlmMeshFixtures;

int Pack(vtkPolyData* mesh, vtkUnsignedCharArray* buffer)
{
  CQlmPolyDataCompressor* packer = CQlmPolyDataCompressor::New();
  packer->SetPolyData(mesh);
  packer->SetBufferCompressed(buffer);
  const int result = packer->Compress();
  packer->Delete();
  return result;
}

int Unpack(vtkUnsignedCharArray* buffer, vtkPolyData* mesh)
{
  CQlmPolyDataCompressor* packer = CQlmPolyDataCompressor::New();
  packer->SetPolyData(mesh);
  packer->SetBufferCompressed(buffer);
  const int result = packer->Decompress();
  packer->Delete();
  return result;
}

std::vector<std::vector<vtkIdType>> Cells(vtkPolyData* mesh)
{
  std::vector<std::vector<vtkIdType>> cells;
  vtkNew<vtkIdList> ids;
  for (vtkIdType c = 0; c < mesh->GetPolys()->GetNumberOfCells(); ++c) {
    mesh->GetPolys()->GetCellAtId(c, ids);
    cells.emplace_back(ids->begin(), ids->end());
  }
  return cells;
}

TEST(CQlmPolyDataCompressor, EmptyMeshIsHeaderAndEmptyZlibStream)
{
  vtkNew<vtkPolyData> empty;
  vtkNew<vtkUnsignedCharArray> buffer;
  ASSERT_EQ(Pack(empty, buffer), 1);
  const Bytes expected{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0,
                       0x78, 0xDA, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01};
  EXPECT_EQ(FromArray(buffer), expected);

  auto restored = Mesh({0, 0, 0}, {{0, 0, 0}});
  ASSERT_EQ(Unpack(buffer, restored), 1);
  EXPECT_EQ(restored->GetNumberOfPoints(), 0);
  EXPECT_EQ(restored->GetNumberOfPolys(), 0);
}

TEST(CQlmPolyDataCompressor, KeepsFirstTriangleOfEachPolygonAndExactCoordinates)
{
  const std::vector<float> xyz{0, 0, 0, 1.5f, 0, 0, 1.5f, 2.25f, 0, 0, 2.25f, -3.125f, 7, 8, 9};
  auto mesh = Mesh(xyz, {{0, 1, 2, 3}, {4, 2, 1}, {0, 4}});
  vtkNew<vtkUnsignedCharArray> buffer;
  ASSERT_EQ(Pack(mesh, buffer), 1);

  const Bytes bytes = FromArray(buffer);
  ASSERT_GE(bytes.size(), 16u);
  EXPECT_EQ(GetInt32(bytes, 0), 2) << "the two-point polygon is left out";
  EXPECT_EQ(GetInt32(bytes, 4), 5);
  EXPECT_EQ(GetInt32(bytes, 8), (2 + 5) * 12);
  EXPECT_EQ(GetInt32(bytes, 12) + 16, static_cast<int32_t>(bytes.size()));

  vtkNew<vtkPolyData> restored;
  ASSERT_EQ(Unpack(buffer, restored), 1);
  const std::vector<std::vector<vtkIdType>> expectedCells{{0, 1, 2}, {4, 2, 1}};
  EXPECT_EQ(Cells(restored), expectedCells);
  ASSERT_EQ(restored->GetNumberOfPoints(), 5);
  for (vtkIdType p = 0; p < 5; ++p) {
    double point[3];
    restored->GetPoint(p, point);
    for (int axis = 0; axis < 3; ++axis) {
      EXPECT_EQ(static_cast<float>(point[axis]), xyz[3 * p + axis]) << p << " " << axis;
    }
  }
}

TEST(CQlmPolyDataCompressor, SphereRoundTripsLosslessly)
{
  auto sphere = Sphere(24);
  vtkNew<vtkUnsignedCharArray> buffer;
  ASSERT_EQ(Pack(sphere, buffer), 1);
  vtkNew<vtkPolyData> restored;
  ASSERT_EQ(Unpack(buffer, restored), 1);
  EXPECT_EQ(Cells(restored), Cells(sphere));
  ASSERT_EQ(restored->GetNumberOfPoints(), sphere->GetNumberOfPoints());
  for (vtkIdType p = 0; p < sphere->GetNumberOfPoints(); ++p) {
    double a[3], b[3];
    sphere->GetPoint(p, a);
    restored->GetPoint(p, b);
    EXPECT_TRUE(a[0] == b[0] && a[1] == b[1] && a[2] == b[2]) << p;
  }
}

// A valid buffer of one triangle on three points, changed by each case.
Bytes OneTriangleBuffer(const std::function<void(Bytes& raw)>& changeRaw = {})
{
  Bytes raw;
  for (int32_t id : {0, 1, 2}) AppendInt32(raw, id);
  for (float v : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f}) AppendFloat(raw, v);
  if (changeRaw) changeRaw(raw);
  const Bytes packed = Deflate(raw);
  Bytes buffer;
  AppendInt32(buffer, 1);
  AppendInt32(buffer, 3);
  AppendInt32(buffer, 48);
  AppendInt32(buffer, static_cast<int32_t>(packed.size()));
  buffer.insert(buffer.end(), packed.begin(), packed.end());
  return buffer;
}

struct DamagedBuffer {
  const char* Name;
  std::function<Bytes()> Make;
};

// Test names and CTest listings show the case name, not the bytes.
void PrintTo(const DamagedBuffer& c, std::ostream* os) { *os << c.Name; }

class PolyDataCompressorDamaged : public testing::TestWithParam<DamagedBuffer> {};

TEST_P(PolyDataCompressorDamaged, FailsAndLeavesThePolyDataAlone)
{
  auto buffer = ToArray(GetParam().Make());
  auto mesh = Mesh({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1}, {{0, 1, 2}});
  EXPECT_EQ(Unpack(buffer, mesh), 0);
  EXPECT_EQ(mesh->GetNumberOfPoints(), 4);
  EXPECT_EQ(mesh->GetNumberOfPolys(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PolyDataCompressorDamaged,
  testing::Values(
    DamagedBuffer{"Empty", [] { return Bytes{}; }},
    DamagedBuffer{"HeaderCut", [] { Bytes b = OneTriangleBuffer(); b.resize(15); return b; }},
    DamagedBuffer{"StreamCut", [] { Bytes b = OneTriangleBuffer(); b.pop_back(); return b; }},
    DamagedBuffer{"PackedLengthBeyondBuffer",
                  [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 12, GetInt32(b, 12) + 1); return b; }},
    DamagedBuffer{"NegativePackedLength", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 12, -1); return b; }},
    DamagedBuffer{"NegativeCellCount", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 0, -1); return b; }},
    DamagedBuffer{"RawLengthNotTwelvePerRecord", [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 8, 60); return b; }},
    DamagedBuffer{"CountsAndRawLengthHuge",
                  [] { Bytes b = OneTriangleBuffer(); PutInt32(b, 0, 0); PutInt32(b, 4, 100000000); PutInt32(b, 8, 1200000000); return b; }},
    DamagedBuffer{"StreamInflatesShort",
                  [] { return OneTriangleBuffer([](Bytes& raw) { raw.resize(36); }); }},
    DamagedBuffer{"StreamInflatesLong",
                  [] { return OneTriangleBuffer([](Bytes& raw) { raw.push_back(0); }); }},
    DamagedBuffer{"StreamCorrupt", [] { Bytes b = OneTriangleBuffer(); b[18] ^= 0xFF; b[19] ^= 0xFF; return b; }},
    DamagedBuffer{"PointIdBeyondPoints",
                  [] { return OneTriangleBuffer([](Bytes& raw) { PutInt32(raw, 8, 3); }); }}),
  [](const testing::TestParamInfo<DamagedBuffer>& info) { return info.param.Name; });

TEST(CQlmPolyDataCompressor, RefusesMissingObjects)
{
  vtkNew<vtkPolyData> mesh;
  vtkNew<vtkUnsignedCharArray> buffer;
  EXPECT_EQ(Pack(nullptr, buffer), 0);
  EXPECT_EQ(Pack(mesh, nullptr), 0);
  EXPECT_EQ(Unpack(nullptr, mesh), 0);
  EXPECT_EQ(Unpack(buffer, nullptr), 0);
  CQlmPolyDataCompressor::Delete(nullptr);
}

}  // namespace
