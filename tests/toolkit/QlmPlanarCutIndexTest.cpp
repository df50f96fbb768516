#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSphereSource.h>
#include <vtkTransform.h>
#include <vtkXMLPolyDataReader.h>

#include <vector>

#include "QlmTestData.h"
#include "toolkit/QlmPanoramicStrips.h"
#include "toolkit/QlmPlanarCut.h"
#include "toolkit/QlmPlanarCutIndex.h"

namespace {

vtkSmartPointer<vtkPolyData> Skull() {
  vtkNew<vtkXMLPolyDataReader> reader;
  reader->SetFileName(QlmTestData::Path(QlmTestData::CraniumSurface).c_str());
  reader->Update();
  return reader->GetOutput();
}

std::vector<double> Coordinates(vtkPolyData* cut) {
  std::vector<double> all;
  for (vtkIdType i = 0; i < cut->GetNumberOfPoints(); ++i) {
    const double* p = cut->GetPoint(i);
    all.insert(all.end(), p, p + 3);
  }
  return all;
}

std::vector<vtkIdType> Connectivity(vtkCellArray* cells) {
  std::vector<vtkIdType> all;
  if (!cells) return all;
  const vtkIdType* ids;
  vtkIdType count;
  for (cells->InitTraversal(); cells->GetNextCell(count, ids);) {
    all.push_back(count);
    all.insert(all.end(), ids, ids + count);
  }
  return all;
}

void ExpectSameCut(vtkPolyData* indexed, vtkPolyData* full) {
  EXPECT_EQ(Coordinates(indexed), Coordinates(full));
  EXPECT_EQ(Connectivity(indexed->GetLines()), Connectivity(full->GetLines()));
  EXPECT_EQ(Connectivity(indexed->GetVerts()), Connectivity(full->GetVerts()));
}

vtkNew<vtkMatrix4x4> Plane(const double centre[3], double x, double y, double z, double angleX, double angleZ) {
  vtkNew<vtkTransform> transform;
  transform->Translate(centre[0] + x, centre[1] + y, centre[2] + z);
  transform->RotateZ(angleZ);
  transform->RotateX(angleX);
  vtkNew<vtkMatrix4x4> matrix;
  matrix->DeepCopy(transform->GetMatrix());
  return matrix;
}

TEST(QlmPlanarCutIndex, AxialVerticalAndTiltedPlanesCutAsTheWholeSkull) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumSurface);
  auto skull = Skull();
  double centre[3];
  skull->GetCenter(centre);
  QlmPlanarCutIndex index;
  index.SetInput(skull);
  const struct {
    const char* what;
    double x, y, z, angleX, angleZ;
  } planes[] = {
      {"axial", 0, 0, 0, 0, 0},         {"axial turned", 0, 0, -31.25, 180, 0}, {"axial low", 0, 0, -60.5, 0, 0},
      {"axial above the top", 0, 0, 500, 0, 0}, {"section", 3, -12, 0, 90, 0},    {"section turned", -20, 8, 0, 90, 37},
      {"section steep", 11, 5, 0, 90, 123},    {"nearly vertical", 0, 2, 0, 80, 15}, {"tilted", 0, 0, 5, 45, 30},
  };
  for (const auto& p : planes) {
    SCOPED_TRACE(p.what);
    auto plane = Plane(centre, p.x, p.y, p.z, p.angleX, p.angleZ);
    vtkNew<vtkPolyData> indexed, full;
    index.Cut(plane, indexed);
    QlmPlanarCut::Cut(skull, plane, full);
    ExpectSameCut(indexed, full);
    EXPECT_EQ(full->GetNumberOfLines() > 0, p.z < 100);
  }
  EXPECT_EQ(index.GetBuildCount(), 1);
}

// The strips of a thin panoramic: the pieces of each strip's cut within its span.
vtkNew<vtkPolyData> StripCut(const QlmPanoramicStrips& strips, int segment, vtkPolyData* cut) {
  vtkNew<vtkPolyData> kept;
  vtkNew<vtkPoints> points;
  vtkNew<vtkCellArray> lines;
  if (cut->GetLines()) {
    points->DeepCopy(cut->GetPoints());
    lines->DeepCopy(cut->GetLines());
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
      double p[3];
      points->GetPoint(i, p);
      points->SetPoint(i, p[0] + strips.GetSegmentCenter(segment), p[1], 0.0);
    }
    strips.ClipToSegment(segment, 200.0, points, lines);
  }
  kept->SetPoints(points);
  kept->SetLines(lines);
  return kept;
}

TEST(QlmPlanarCutIndex, PanoramicStripsKeepWhatTheWholeCutKeepsOpenAtTheOuterEnds) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumSurface);
  auto skull = Skull();
  double centre[3];
  skull->GetCenter(centre);
  vtkNew<vtkPoints> arch;
  for (int i = 0; i <= 8; ++i) {
    const double x = -45.0 + 11.25 * i;
    arch->InsertNextPoint(x, 30.0 - 0.02 * x * x, -20.0);
  }
  vtkNew<vtkPolyData> curve;
  curve->SetPoints(arch);
  const QlmPanoramicStrips strips(curve, centre);
  QlmPlanarCutIndex index;
  index.SetInput(skull);
  size_t pieces = 0, outerPieces = 0;
  for (int segment = 0; segment < strips.GetSegmentCount(); ++segment) {
    SCOPED_TRACE(segment);
    vtkNew<vtkMatrix4x4> plane;
    strips.GetStripMatrix(segment, plane);
    vtkNew<vtkPolyData> indexed, full;
    const bool first = segment == 0, last = segment == strips.GetSegmentCount() - 1;
    index.CutStrip(plane, strips.GetSegmentLength(segment) / 2, first, last, indexed);
    QlmPlanarCut::Cut(skull, plane, full);
    auto keptIndexed = StripCut(strips, segment, indexed);
    auto keptFull = StripCut(strips, segment, full);
    ExpectSameCut(keptIndexed, keptFull);
    EXPECT_LE(indexed->GetNumberOfPoints(), full->GetNumberOfPoints());
    pieces += size_t(keptFull->GetNumberOfLines());
    if (first || last) outerPieces += size_t(keptFull->GetNumberOfLines());
  }
  EXPECT_GT(pieces, 100u);
  EXPECT_GT(outerPieces, 0u);
}

TEST(QlmPlanarCutIndex, RebuildsOnlyWhenTheInputChanges) {
  vtkNew<vtkSphereSource> source;
  source->SetRadius(10);
  source->Update();
  vtkNew<vtkPolyData> sphere;
  sphere->DeepCopy(source->GetOutput());
  const double centre[3] = {0, 0, 0};
  auto plane = Plane(centre, 0, 0, 2, 0, 0);
  QlmPlanarCutIndex index;
  vtkNew<vtkPolyData> cut;
  index.Cut(plane, cut);
  EXPECT_EQ(cut->GetNumberOfCells(), 0);
  EXPECT_EQ(index.GetBuildCount(), 0);

  index.SetInput(sphere);
  index.Cut(plane, cut);
  index.Cut(Plane(centre, 1, 0, 0, 90, 20), cut);
  EXPECT_EQ(index.GetBuildCount(), 1);

  // Moved points: the index follows them.
  for (vtkIdType i = 0; i < sphere->GetNumberOfPoints(); ++i) {
    double p[3];
    sphere->GetPoint(i, p);
    sphere->GetPoints()->SetPoint(i, p[0], p[1], p[2] + 50.0);
  }
  sphere->GetPoints()->Modified();
  index.Cut(Plane(centre, 0, 0, 52, 0, 0), cut);
  EXPECT_EQ(index.GetBuildCount(), 2);
  vtkNew<vtkPolyData> full;
  QlmPlanarCut::Cut(sphere, Plane(centre, 0, 0, 52, 0, 0), full);
  EXPECT_GT(full->GetNumberOfLines(), 0);
  ExpectSameCut(cut, full);

  vtkNew<vtkPolyData> empty;
  index.SetInput(empty);
  index.Cut(plane, cut);
  EXPECT_EQ(cut->GetNumberOfCells(), 0);
}

}  // namespace
