#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkCellArray.h>
#include <vtkCubeSource.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkSmartPointer.h>
#include <vtkSphereSource.h>
#include <vtkTriangleFilter.h>
#include <zlib.h>

#include <array>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "libconvert/CQlmObserver.h"
#include "objects/CQlmObject.h"
#include "objects/CQlmObjectList.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Triangle = std::array<float, 9>;

template <typename T>
void Put(Bytes& bytes, T value) {
  uint8_t raw[sizeof value];
  std::memcpy(raw, &value, sizeof value);
  bytes.insert(bytes.end(), raw, raw + sizeof value);
}

vtkSmartPointer<vtkPolyData> Triangulated(vtkAlgorithm* source) {
  vtkNew<vtkTriangleFilter> triangles;
  triangles->SetInputConnection(source->GetOutputPort());
  triangles->Update();
  return triangles->GetOutput();
}

vtkSmartPointer<vtkPolyData> Cube() {
  vtkNew<vtkCubeSource> cube;
  cube->SetXLength(2), cube->SetYLength(2), cube->SetZLength(2);
  return Triangulated(cube);
}

vtkSmartPointer<vtkPolyData> Sphere() {
  vtkNew<vtkSphereSource> sphere;
  sphere->SetRadius(5);
  sphere->SetThetaResolution(12), sphere->SetPhiResolution(8);
  return Triangulated(sphere);
}

// The record's header (offsets 0 to 52) with default settings and mesh form `form`.
Bytes Header(int32_t form) {
  Bytes bytes;
  for (float v : {0.95f, 0.95f, 0.45f, 1.0f, 1.0f, 1.0f, 0.65f}) Put(bytes, v);
  for (int32_t v : {2, 1, 0, 0, 0, 1, form}) Put(bytes, v);
  return bytes;
}

Bytes RawTriangles(const std::vector<Triangle>& triangles) {
  Bytes raw;
  for (const Triangle& t : triangles)
    for (float v : t) Put(raw, v);
  return raw;
}

Bytes CompressedRecord(const std::vector<Triangle>& triangles) {
  Bytes bytes = Header(CQlmObject::CompressedForm);
  const Bytes raw = RawTriangles(triangles);
  uLongf length = compressBound(raw.size());
  Bytes packed(length);
  compress2(packed.data(), &length, raw.data(), raw.size(), 9);
  Put(bytes, int32_t(triangles.size()));
  Put(bytes, int32_t(raw.size()));
  Put(bytes, int32_t(length));
  bytes.insert(bytes.end(), packed.begin(), packed.begin() + length);
  return bytes;
}

Bytes PlainRecord(const std::vector<Triangle>& triangles) {
  Bytes bytes = Header(int32_t(triangles.size()));
  const Bytes raw = RawTriangles(triangles);
  bytes.insert(bytes.end(), raw.begin(), raw.end());
  return bytes;
}

// Two triangles sharing an edge, a third apart.
const std::vector<Triangle> ThreeTriangles = {
    Triangle{0, 0, 0, 1, 0, 0, 0, 1, 0}, Triangle{1, 0, 0, 1, 1, 0, 0, 1, 0}, Triangle{5, 5, 5, 6, 5, 5, 5, 6, 5}};

Bytes Written(CQlmObject& object) {
  CMemFile file;
  CArchive writer(&file, CArchive::store);
  object.Serialize(writer);
  writer.Close();
  return file.Data();
}

void Read(const Bytes& bytes, CQlmObject& object) {
  CMemFile file(bytes);
  CArchive reader(&file, CArchive::load);
  object.Serialize(reader);
}

std::vector<double> Coordinates(vtkPolyData* mesh) {
  std::vector<double> all;
  for (vtkIdType i = 0; i < mesh->GetNumberOfPoints(); ++i) {
    const double* p = mesh->GetPoint(i);
    all.insert(all.end(), p, p + 3);
  }
  return all;
}

class RecordingTextObserver : public CQlmObserver {
public:
  std::vector<CString> Texts;
  std::vector<std::pair<long, unsigned>> Steps;
  CString Shown = "Pronto";
  void SetText(CString text) override {
    this->Texts.push_back(text);
    this->Shown = text;
  }
  CString GetText() const override { return this->Shown; }

protected:
  void Execute() override { this->Steps.emplace_back(*this->Current, *this->Total); }
};

TEST(CQlmObject, NewObjectHasTheDefaultLook) {
  CQlmObject object;
  double rgb[3];
  object.GetSurfaceActor()->GetProperty()->GetColor(rgb);
  EXPECT_FLOAT_EQ(rgb[2], 0.45f);
  EXPECT_EQ(object.GetSurfaceActor()->GetProperty()->GetInterpolation(), VTK_PHONG);
  EXPECT_FALSE(object.GetSurfaceActor()->GetPickable());
  EXPECT_FALSE(object.GetPointsActor()->GetVisibility());
  EXPECT_FALSE(object.GetPointsMapper()->GetScalarVisibility());
}

TEST(CQlmObject, MeshGivesAreaVolumeAndAPointCloudOfAtMostSixtyPercent) {
  CQlmObject object;
  object.SetPolyData(Cube());
  EXPECT_NEAR(object.GetArea(), 24.0, 1e-4);
  EXPECT_NEAR(object.GetVolume(), 8.0, 1e-4);
  object.SetPolyData(Sphere());
  vtkPolyData* cloud = vtkPolyData::SafeDownCast(object.GetPointsMapper()->GetInput());
  ASSERT_NE(cloud, nullptr);
  EXPECT_GT(cloud->GetNumberOfVerts(), 0);
  EXPECT_LE(cloud->GetNumberOfPoints(), vtkIdType(0.6 * object.GetPolyData()->GetNumberOfPoints()));
}

TEST(CQlmObject, ProgressTextShowsWhileComputingAndWithoutObserverNothingBreaks) {
  CQlmObject quiet;
  quiet.SetPolyData(Sphere());
  EXPECT_GT(quiet.GetArea(), 0);

  RecordingTextObserver observer;
  CQlmObject object;
  object.SetObserver(&observer);
  object.SetPolyData(Sphere());
  ASSERT_EQ(observer.Texts.size(), 2u);
  EXPECT_EQ(observer.Texts[0], CString("Calculando 3D..."));
  EXPECT_EQ(observer.Texts[1], CString("Pronto"));
}

TEST(CQlmObject, DisplayModesVisibilityAndDepthSort) {
  CQlmObject object;
  object.SetPolyData(Sphere());
  vtkActor* surface = object.GetSurfaceActor();
  vtkActor* points = object.GetPointsActor();

  object.SetDisplayMode(0);
  EXPECT_TRUE(points->GetVisibility());
  EXPECT_FALSE(surface->GetVisibility());
  object.SetDisplayMode(1);
  EXPECT_EQ(surface->GetProperty()->GetRepresentation(), VTK_WIREFRAME);

  object.SetVisibility(0);
  object.SetDisplayMode(0);
  EXPECT_FALSE(points->GetVisibility());
  EXPECT_FALSE(surface->GetVisibility());
  object.SetVisibility(1);
  EXPECT_TRUE(points->GetVisibility());
  EXPECT_FALSE(surface->GetVisibility());

  object.SetDisplayMode(2);
  object.SetDepthSort(1);
  EXPECT_FLOAT_EQ(surface->GetProperty()->GetOpacity(), 0.65);
  EXPECT_NE(object.GetSurfaceMapper()->GetInput(), object.GetPolyData());
  object.SetOpacity(0.4f);
  object.SetDepthSort(1);
  EXPECT_FLOAT_EQ(surface->GetProperty()->GetOpacity(), 0.65);
  object.SetDisplayMode(2);
  EXPECT_FLOAT_EQ(surface->GetProperty()->GetOpacity(), 0.4);
  object.SetDisplayMode(1);
  EXPECT_FLOAT_EQ(surface->GetProperty()->GetOpacity(), 1.0);
  EXPECT_EQ(object.GetSurfaceMapper()->GetInput(), object.GetPolyData());
  object.SetDisplayMode(2);
  object.SetDepthSort(0);
  EXPECT_FLOAT_EQ(surface->GetProperty()->GetOpacity(), 1.0);
  EXPECT_EQ(object.GetSurfaceMapper()->GetInput(), object.GetPolyData());
}

TEST(CQlmObject, ColourChoiceSmoothAndShine) {
  CQlmObject object;
  object.SetColor2(0.1f, 0.2f, 0.3f);
  object.SelectColor(1);
  double rgb[3];
  object.GetPointsActor()->GetProperty()->GetColor(rgb);
  EXPECT_FLOAT_EQ(rgb[1], 0.2f);
  object.SetColor(1.0f, 0.5f, 0.2f);
  object.GetSurfaceActor()->GetProperty()->GetColor(rgb);
  EXPECT_FLOAT_EQ(rgb[1], 0.2f);
  object.SetSmooth(0);
  EXPECT_EQ(object.GetSurfaceActor()->GetProperty()->GetInterpolation(), VTK_FLAT);
  object.SetShine(1);
  EXPECT_EQ(object.GetSurfaceActor()->GetProperty()->GetSpecularPower(), 25.0);
}

TEST(CQlmObjectRecord, WriteThenReadKeepsSettingsAndMergedTriangles) {
  CQlmObject object;
  object.SetPolyData(Sphere());
  object.SetColor(0.1f, 0.2f, 0.3f);
  object.SetColor2(0.4f, 0.5f, 0.6f);
  object.SetOpacity(0.3f);
  object.SelectColor(1);
  object.SetDepthSort(1);
  object.SetDisplayMode(1);
  object.SetPickable(1);
  object.SetSmooth(0);
  object.SetShine(1);
  object.Name = "Mandibula";
  const Bytes bytes = Written(object);
  EXPECT_EQ(bytes.size(), 68 + size_t(*reinterpret_cast<const int32_t*>(&bytes[64])));

  CQlmObject copy;
  Read(bytes, copy);
  EXPECT_EQ(std::vector<float>(copy.GetColor(), copy.GetColor() + 3), (std::vector<float>{0.1f, 0.2f, 0.3f}));
  EXPECT_EQ(std::vector<float>(copy.GetColor2(), copy.GetColor2() + 3), (std::vector<float>{0.4f, 0.5f, 0.6f}));
  EXPECT_FLOAT_EQ(copy.GetOpacity(), 0.3f);
  EXPECT_EQ(copy.GetColorChoice(), 1);
  EXPECT_EQ(copy.GetDepthSort(), 1);
  EXPECT_EQ(copy.GetDisplayMode(), 1);
  EXPECT_EQ(copy.GetPickable(), 1);
  EXPECT_TRUE(copy.GetSurfaceActor()->GetPickable());
  EXPECT_EQ(copy.GetSmooth(), 0);
  EXPECT_EQ(copy.GetShine(), 0);
  EXPECT_EQ(copy.Name, CString());
  EXPECT_EQ(copy.GetCompressedMesh(), 1);
  EXPECT_EQ(copy.GetPolyData()->GetNumberOfPolys(), object.GetPolyData()->GetNumberOfPolys());
  EXPECT_EQ(copy.GetPolyData()->GetNumberOfPoints(), object.GetPolyData()->GetNumberOfPoints());
  EXPECT_NEAR(copy.GetArea(), object.GetArea(), 1e-3);
  EXPECT_NEAR(copy.GetVolume(), object.GetVolume(), 1e-3);
}

TEST(CQlmObjectRecord, PlainFormReadsAsTheCompressedOne) {
  CQlmObject compressed, plain;
  Read(CompressedRecord(ThreeTriangles), compressed);
  Read(PlainRecord(ThreeTriangles), plain);
  EXPECT_EQ(plain.GetCompressedMesh(), 0);
  EXPECT_EQ(compressed.GetPolyData()->GetNumberOfPoints(), 7);
  EXPECT_EQ(Coordinates(plain.GetPolyData()), Coordinates(compressed.GetPolyData()));
  EXPECT_EQ(plain.GetPolyData()->GetNumberOfPolys(), 3);
}

TEST(CQlmObjectRecord, TriangleWithTwoEqualVerticesIsDropped) {
  std::vector<Triangle> triangles = ThreeTriangles;
  triangles.push_back(Triangle{2, 2, 2, 2, 2, 2, 3, 3, 3});
  CQlmObject object;
  Read(CompressedRecord(triangles), object);
  EXPECT_EQ(object.GetPolyData()->GetNumberOfPolys(), 3);
}

TEST(CQlmObjectRecord, NoTrianglesGiveAnEmptyMesh) {
  CQlmObject object;
  Read(CompressedRecord({}), object);
  EXPECT_EQ(object.GetPolyData()->GetNumberOfPolys(), 0);
  EXPECT_EQ(object.GetArea(), 0.0f);
}

TEST(CQlmObjectRecord, ReadingReportsEveryTriangleWhenReadAndWhenMerged) {
  RecordingTextObserver observer;
  CQlmObject object;
  object.SetObserver(&observer);
  Read(CompressedRecord(ThreeTriangles), object);
  ASSERT_GE(observer.Steps.size(), 6u);
  const std::vector<std::pair<long, unsigned>> expected = {{0, 3}, {1, 3}, {2, 3}, {1, 3}, {2, 3}, {3, 3}};
  EXPECT_EQ(std::vector(observer.Steps.begin(), observer.Steps.begin() + 6), expected);
}

TEST(CQlmObjectRecord, EveryTruncationFailsWithTheArchiveError) {
  for (const Bytes& whole : {CompressedRecord(ThreeTriangles), PlainRecord(ThreeTriangles)}) {
    for (size_t length = 0; length < whole.size(); ++length) {
      CQlmObject object;
      EXPECT_THROW(Read(Bytes(whole.begin(), whole.begin() + length), object), CArchiveException) << length;
    }
  }
}

// Overwrites the int32 at `offset` of a compressed record of ThreeTriangles.
Bytes WithValue(size_t offset, int32_t value) {
  Bytes bytes = CompressedRecord(ThreeTriangles);
  std::memcpy(&bytes[offset], &value, sizeof value);
  return bytes;
}

TEST(CQlmObjectRecord, InconsistentSizesAreRefused) {
  Bytes corrupt = CompressedRecord(ThreeTriangles);
  corrupt[70] ^= 0xFF;
  Bytes inflationBomb = WithValue(56, 3000000);
  const int32_t bombRaw = 3000000 * 36;
  std::memcpy(&inflationBomb[60], &bombRaw, sizeof bombRaw);
  Bytes plainTooLong = PlainRecord(ThreeTriangles);
  const int32_t four = 4;
  std::memcpy(&plainTooLong[52], &four, sizeof four);
  const struct {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"negative triangle count", WithValue(56, -1)},
      {"raw size not 36 per triangle", WithValue(60, 100)},
      {"triangle count beyond the raw size", WithValue(56, 4)},
      {"negative compressed size", WithValue(64, -5)},
      {"compressed size beyond the file", WithValue(64, 100000)},
      {"raw size beyond what the stream can hold", inflationBomb},
      {"stream that does not inflate", corrupt},
      {"negative plain count", Header(-2)},
      {"plain count beyond the file", plainTooLong},
  };
  for (const auto& c : cases) {
    CQlmObject object;
    EXPECT_THROW(Read(c.bytes, object), CArchiveException) << c.what;
  }
}

TEST(CQlmObjectRecord, SeededMutationsReadOrFailWithTheArchiveError) {
  const Bytes original = CompressedRecord(ThreeTriangles);
  std::mt19937 random(2812);
  for (int run = 0; run < 300; ++run) {
    Bytes bytes = original;
    const int flips = 1 + int(random() % 4);
    for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = uint8_t(random());
    if (run % 3 == 0) bytes.resize(random() % bytes.size());
    CQlmObject object;
    try {
      Read(bytes, object);
      EXPECT_NE(object.GetPolyData(), nullptr);
    } catch (const CArchiveException&) {
    }
  }
}

TEST(CQlmObjectList, ObjectsTakeTheObserverAndTheListRoundTrips) {
  RecordingTextObserver observer;
  CQlmObjectList list;
  EXPECT_EQ(list.GetFirst(), nullptr);
  list.SetObserver(&observer);
  CQlmObject* first = list.AddNewObject();
  EXPECT_EQ(first->GetObserver(), &observer);
  EXPECT_EQ(list.GetCurrentItem(), first);
  first->SetPolyData(Cube());
  list.AddNewObject()->SetPolyData(Sphere());

  CMemFile file;
  CArchive writer(&file, CArchive::store);
  list.Serialize(writer);
  writer.Close();
  EXPECT_EQ(*reinterpret_cast<const int32_t*>(file.Data().data()), 2);

  CQlmObjectList copy;
  copy.SetObserver(&observer);
  CMemFile source(file.Data());
  CArchive reader(&source, CArchive::load);
  copy.Serialize(reader);
  ASSERT_EQ(copy.GetCount(), 2);
  EXPECT_EQ(copy.GetLast()->GetObserver(), &observer);
  EXPECT_NEAR(copy.GetFirst()->GetVolume(), 8.0, 1e-4);
}

}  // namespace
