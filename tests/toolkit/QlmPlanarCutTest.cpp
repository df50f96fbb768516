#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkCutter.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPlane.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSphereSource.h>
#include <vtkTransform.h>
#include <vtkXMLPolyDataReader.h>

#include <array>
#include <cmath>
#include <vector>

#include "../libmeshcodec/MeshCodecFixtures.h"
#include "QlmTestData.h"
#include "toolkit/QlmPlanarCut.h"

namespace {

using Point = std::array<double, 3>;
using Segment = std::array<Point, 2>;

std::vector<Segment> Segments(vtkPolyData* cut) {
  std::vector<Segment> segments;
  vtkCellArray* lines = cut->GetLines();
  if (!lines) return segments;
  const vtkIdType* ids;
  vtkIdType count;
  for (lines->InitTraversal(); lines->GetNextCell(count, ids);) {
    for (vtkIdType i = 0; i + 1 < count; ++i) {
      Segment segment;
      cut->GetPoint(ids[i], segment[0].data());
      cut->GetPoint(ids[i + 1], segment[1].data());
      segments.push_back(segment);
    }
  }
  return segments;
}

double Distance(const Point& a, const Point& b) {
  return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

// vtkCutter's segments taken into the plane's frame.
std::vector<Segment> ReferenceSegments(vtkPolyData* mesh, vtkMatrix4x4* plane) {
  vtkNew<vtkPlane> implicit;
  implicit->SetOrigin(plane->GetElement(0, 3), plane->GetElement(1, 3), plane->GetElement(2, 3));
  implicit->SetNormal(plane->GetElement(0, 2), plane->GetElement(1, 2), plane->GetElement(2, 2));
  vtkNew<vtkCutter> cutter;
  cutter->SetCutFunction(implicit);
  cutter->SetInputData(mesh);
  cutter->Update();
  vtkNew<vtkMatrix4x4> toPlane;
  vtkMatrix4x4::Invert(plane, toPlane);
  std::vector<Segment> segments = Segments(cutter->GetOutput());
  for (Segment& segment : segments) {
    for (Point& p : segment) {
      const double in[4] = {p[0], p[1], p[2], 1.0};
      double out[4];
      toPlane->MultiplyPoint(in, out);
      p = {out[0], out[1], out[2]};
    }
  }
  return segments;
}

// Every reference segment is one of ours (either direction) within `tolerance`, and no more.
void ExpectSameSegments(const std::vector<Segment>& ours, const std::vector<Segment>& reference, double tolerance) {
  ASSERT_EQ(ours.size(), reference.size());
  ASSERT_FALSE(ours.empty());
  std::vector<bool> used(ours.size(), false);
  for (const Segment& expected : reference) {
    bool found = false;
    for (size_t i = 0; i < ours.size() && !found; ++i) {
      if (used[i]) continue;
      const Segment& s = ours[i];
      const bool same = Distance(s[0], expected[0]) < tolerance && Distance(s[1], expected[1]) < tolerance;
      const bool reversed = Distance(s[0], expected[1]) < tolerance && Distance(s[1], expected[0]) < tolerance;
      if (same || reversed) used[i] = found = true;
    }
    ASSERT_TRUE(found) << "no cut segment at " << expected[0][0] << ", " << expected[0][1] << ", " << expected[0][2];
  }
}

vtkNew<vtkMatrix4x4> PlaneThrough(const Point& centre, double tiltX, double tiltY) {
  vtkNew<vtkTransform> transform;
  transform->Translate(centre.data());
  transform->RotateX(tiltX);
  transform->RotateY(tiltY);
  vtkNew<vtkMatrix4x4> matrix;
  matrix->DeepCopy(transform->GetMatrix());
  return matrix;
}

void ExpectCutterSegmentsOn(vtkPolyData* mesh) {
  double centre[3];
  mesh->GetCenter(centre);
  for (const auto& [tiltX, tiltY] : {std::pair{0.0, 0.0}, {90.0, 0.0}, {33.0, -71.0}}) {
    SCOPED_TRACE(testing::Message() << "tilt " << tiltX << ", " << tiltY);
    auto plane = PlaneThrough({centre[0] + 0.123, centre[1] - 0.071, centre[2] + 0.037}, tiltX, tiltY);
    vtkNew<vtkPolyData> cut;
    QlmPlanarCut::Cut(mesh, plane, cut);
    for (vtkIdType i = 0; i < cut->GetNumberOfPoints(); ++i) ASSERT_NEAR(cut->GetPoint(i)[2], 0.0, 1e-5);
    EXPECT_EQ(cut->GetPointData()->GetNumberOfArrays(), 0);
    ExpectSameSegments(Segments(cut), ReferenceSegments(mesh, plane), 1e-5);
  }
}

TEST(QlmPlanarCut, GivesTheReferenceSegmentsInThePlaneFrameOnTheSkullSurface) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumSurface);
  vtkNew<vtkXMLPolyDataReader> reader;
  reader->SetFileName(QlmTestData::Path(QlmTestData::CraniumSurface).c_str());
  reader->Update();
  ExpectCutterSegmentsOn(reader->GetOutput());
}

TEST(QlmPlanarCut, GivesTheReferenceSegmentsInThePlaneFrameOnTheBunny) {
  QLM_REQUIRE_TEST_DATA("meshes/bunny00.off");
  const auto indexed = MeshCodecFixtures::ReadOff(QlmTestData::Path("meshes/bunny00.off"));
  vtkNew<vtkPoints> points;
  for (size_t i = 0; i + 2 < indexed.Vertices.size(); i += 3)
    points->InsertNextPoint(indexed.Vertices[i], indexed.Vertices[i + 1], indexed.Vertices[i + 2]);
  vtkNew<vtkCellArray> triangles;
  for (size_t k = 0; k + 2 < indexed.Corners.size(); k += 3) {
    const vtkIdType ids[3] = {indexed.Corners[k], indexed.Corners[k + 1], indexed.Corners[k + 2]};
    triangles->InsertNextCell(3, ids);
  }
  vtkNew<vtkPolyData> bunny;
  bunny->SetPoints(points);
  bunny->SetPolys(triangles);
  ExpectCutterSegmentsOn(bunny);
}

TEST(QlmPlanarCut, MissingPlaneAndEmptyInputGiveNoCells) {
  vtkNew<vtkSphereSource> sphere;
  sphere->Update();
  auto far = PlaneThrough({0, 0, 5}, 0, 0);
  vtkNew<vtkPolyData> cut;
  QlmPlanarCut::Cut(sphere->GetOutput(), far, cut);
  EXPECT_EQ(cut->GetNumberOfCells(), 0);
  vtkNew<vtkPolyData> empty;
  QlmPlanarCut::Cut(empty, far, cut);
  EXPECT_EQ(cut->GetNumberOfCells(), 0);
  QlmPlanarCut::Cut(nullptr, far, cut);
  EXPECT_EQ(cut->GetNumberOfCells(), 0);
}

}  // namespace
