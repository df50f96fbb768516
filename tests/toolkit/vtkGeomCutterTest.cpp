#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkCellArray.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSphereSource.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <string>
#include <vector>

#include "toolkit/QlmPanoramicStrips.h"
#include "toolkit/QlmPlanarCut.h"
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkGeomPanoramic.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

// A 10 mm ball placed by a transform the test moves, and its placement matrix.
struct PlacedBall {
  explicit PlacedBall(double x, double y, double z) {
    ball->SetRadius(5.0);
    ball->SetThetaResolution(24);
    ball->SetPhiResolution(16);
    placement->Translate(x, y, z);
    placed->SetInputConnection(ball->GetOutputPort());
    placed->SetTransform(placement);
  }
  vtkPolyData* Mesh() {
    placed->Update();
    return placed->GetOutput();
  }
  vtkNew<vtkSphereSource> ball;
  vtkNew<vtkTransform> placement;
  vtkNew<vtkTransformPolyDataFilter> placed;
};

// The same points and the same cells, value for value.
void ExpectSameOutline(vtkPolyData* actual, vtkPolyData* expected, const std::string& what) {
  ASSERT_EQ(actual->GetNumberOfPoints(), expected->GetNumberOfPoints()) << what;
  ASSERT_EQ(actual->GetNumberOfLines(), expected->GetNumberOfLines()) << what;
  for (vtkIdType i = 0; i < actual->GetNumberOfPoints(); ++i) {
    double a[3], e[3];
    actual->GetPoint(i, a);
    expected->GetPoint(i, e);
    for (int c = 0; c < 3; ++c) ASSERT_DOUBLE_EQ(a[c], e[c]) << what << " point " << i;
  }
  if (expected->GetNumberOfLines() == 0) return;
  vtkNew<vtkIdList> a, e;
  for (vtkIdType cell = 0; cell < expected->GetNumberOfCells(); ++cell) {
    actual->GetCellPoints(cell, a);
    expected->GetCellPoints(cell, e);
    ASSERT_EQ(a->GetNumberOfIds(), e->GetNumberOfIds()) << what << " cell " << cell;
    for (vtkIdType k = 0; k < e->GetNumberOfIds(); ++k) ASSERT_EQ(a->GetId(k), e->GetId(k)) << what;
  }
}

vtkNew<vtkPolyData> FreshCut(vtkPolyData* mesh, vtkMatrix4x4* plane) {
  vtkNew<vtkPolyData> cut;
  QlmPlanarCut::Cut(mesh, plane, cut);
  return cut;
}

const double* LabelAt(vtkActor2D* label) { return label->GetPositionCoordinate()->GetValue(); }

TEST(vtkGeomAxial, CutsAsTheEngineAndPlacesTheLabelAtTheMeshCentre) {
  PlacedBall ball(10, 20, 30);
  vtkNew<vtkGeomAxial> filter;
  filter->SetInputConnection(ball.placed->GetOutputPort());
  filter->SetObjectMatrix(ball.placement->GetMatrix());
  filter->GetTransform()->Translate(1, 2, 32);
  filter->GetTransform()->RotateX(180.0);
  filter->Update();
  ExpectSameOutline(filter->GetOutput(), FreshCut(ball.Mesh(), filter->GetTransform()->GetMatrix()), "slice");
  EXPECT_GT(filter->GetOutput()->GetNumberOfLines(), 0);
  // (10, 20) seen from the slice plane turned about x at (1, 2): (9, -18).
  EXPECT_NEAR(LabelAt(filter->GetLabelActor())[0], 9, 1e-9);
  EXPECT_NEAR(LabelAt(filter->GetLabelActor())[1], -18, 1e-9);
  float position[3];
  filter->GetPositionInView(position);
  EXPECT_EQ(std::vector<float>(position, position + 3), (std::vector<float>{9, -18, 0}));
  double anchor[3];
  ASSERT_TRUE(filter->GetLabelAnchor(0, anchor));
  EXPECT_EQ(std::vector<double>(anchor, anchor + 3), (std::vector<double>{9, -18, 0}));

  ball.placement->Translate(0, 0, 20);  // the slice now misses the ball
  EXPECT_FALSE(filter->GetLabelAnchor(0, anchor)) << "the anchor updates the cut first";
  EXPECT_EQ(filter->GetOutput()->GetNumberOfCells(), 0);
  EXPECT_EQ(LabelAt(filter->GetLabelActor())[0], vtkGeomCutter::ParkedX);

  filter->SetLabelVisibility(0);
  ball.placement->Translate(0, 0, -20);
  filter->Update();
  EXPECT_GT(filter->GetOutput()->GetNumberOfLines(), 0);
  EXPECT_EQ(LabelAt(filter->GetLabelActor())[0], vtkGeomCutter::ParkedX) << "a hidden label is not moved";
}

TEST(vtkGeomAxial, LabelTextFollowsTheMode) {
  vtkNew<vtkGeomAxial> filter;
  EXPECT_STREQ(filter->GetTextMapper()->GetInput(), "0");
  EXPECT_EQ(filter->GetTextMapper()->GetFontSize(), 16);
  filter->SetName("Canino");
  struct Case { int mode; const char* text; int size; };
  for (const Case& c : {Case{0, "7", 16}, Case{1, "Canino", 12}, Case{2, "", 12}}) {
    filter->SetLabelMode(c.mode);
    filter->SetLabelNumber(7);
    EXPECT_STREQ(filter->GetTextMapper()->GetInput(), c.text) << "mode " << c.mode;
    EXPECT_EQ(filter->GetTextMapper()->GetFontSize(), c.size) << "mode " << c.mode;
  }
}

// Sections across a line along x, 2 mm apart: section k of first index n at x = 2 (n + k).
void SetSections(vtkGeomCross9* filter, int first, double spacing = 2.0) {
  for (int k = 0; k < vtkGeomCross9::Sections; ++k) {
    vtkNew<vtkTransform> section;
    section->Translate(spacing * (first + k), 0, 0);
    section->RotateY(90.0);
    filter->SetSectionMatrix(k, section->GetMatrix()->GetData());
  }
}

// Every way the owner can move the sections before a render: each output equals a fresh cut.
TEST(vtkGeomCross9, EverySectionEqualsAFreshCutWhateverTheShift) {
  struct Case { const char* name; int from, to; int shift; double spacing; double move; };
  const Case cases[] = {
      {"shift 3", 0, 3, 3, 2.0, 0.0},
      {"shift -2", 3, 1, -2, 2.0, 0.0},
      {"shift 9", 0, 9, 9, 2.0, 0.0},
      {"shift -9", 9, 0, -9, 2.0, 0.0},
      {"shift 0 after a move of the first index", 0, 2, 0, 2.0, 0.0},
      {"two index changes without an update", 0, 5, 3, 2.0, 0.0},
      {"spacing changed, old shift given again", 0, 3, 3, 1.5, 0.0},
      {"mesh moved before the scroll", 0, 3, 3, 2.0, 1.0},
  };
  for (const Case& c : cases) {
    PlacedBall ball(-4, 0, 0);
    vtkNew<vtkGeomCross9> filter;
    filter->SetInputConnection(ball.placed->GetOutputPort());
    filter->SetObjectMatrix(ball.placement->GetMatrix());
    SetSections(filter, c.from);
    filter->Update();
    SetSections(filter, c.to, c.spacing);
    filter->SetShift(c.shift);
    ball.placement->Translate(c.move, 0, 0);
    filter->Update();
    for (int k = 0; k < vtkGeomCross9::Sections; ++k) {
      ExpectSameOutline(filter->GetOutput(k), FreshCut(ball.Mesh(), filter->GetSectionMatrix(k)),
                        std::string(c.name) + ", section " + std::to_string(k));
    }
    EXPECT_EQ(filter->GetShift(), 0) << c.name;
  }
}

TEST(vtkGeomCross9, LabelsStandOnTheSectionsThatMeetTheMesh) {
  PlacedBall ball(6, 0, 0);
  vtkNew<vtkGeomCross9> filter;
  filter->SetInputConnection(ball.placed->GetOutputPort());
  filter->SetObjectMatrix(ball.placement->GetMatrix());
  SetSections(filter, 0);
  filter->Update();
  for (int k = 0; k < vtkGeomCross9::Sections; ++k) {
    const bool meets = std::abs(2.0 * k - 6) < 5;
    EXPECT_EQ(filter->GetOutput(k)->GetNumberOfLines() > 0, meets) << "section " << k;
    EXPECT_EQ(LabelAt(filter->GetLabelActor(k))[0] == vtkGeomCutter::ParkedX, !meets) << "section " << k;
    double anchor[3];
    EXPECT_EQ(filter->GetLabelAnchor(k, anchor), meets) << "section " << k;
  }
  float position[3];
  filter->GetPositionInSection(3, position);
  EXPECT_NEAR(position[0], 0, 1e-6);
  EXPECT_NEAR(position[1], 0, 1e-6);
  EXPECT_EQ(filter->GetLabelActor(9), nullptr);
}

vtkNew<vtkPolyData> Curve(const std::vector<std::pair<double, double>>& points) {
  vtkNew<vtkPoints> curvePoints;
  for (const auto& [x, y] : points) curvePoints->InsertNextPoint(x, y, 0.0);
  vtkNew<vtkPolyData> curve;
  curve->SetPoints(curvePoints);
  return curve;
}

TEST(vtkGeomPanoramic, ThinModeIsTheStripsCutAndThickModeTheProjection) {
  auto curve = Curve({{-30, 0}, {0, -20}, {0, -20}, {30, 0}});
  const double offset[3] = {40, 40, 20};
  PlacedBall ball(25, 50, 22);
  vtkNew<vtkGeomPanoramic> filter;
  filter->SetInputConnection(ball.placed->GetOutputPort());
  filter->SetObjectMatrix(ball.placement->GetMatrix());
  filter->SetCurve(curve);
  filter->SetCurveOffset(offset[0], offset[1], offset[2]);
  filter->SetHeight(40);
  filter->Update();
  const QlmPanoramicStrips strips(curve, offset);
  vtkNew<vtkPolyData> expected;
  strips.Cut(ball.Mesh(), 40, expected);
  ExpectSameOutline(filter->GetOutput(), expected, "thin");
  EXPECT_GT(filter->GetOutput()->GetNumberOfLines(), 0);
  double unrolled[3];
  const double position[3] = {25, 50, 22};
  strips.ToUnrolled(strips.NearestSegment(position), position, unrolled);
  EXPECT_NEAR(filter->GetObjectPosition()[0], unrolled[0], 1e-9);
  EXPECT_NEAR(filter->GetObjectPosition()[1], 2, 1e-9);
  EXPECT_NEAR(LabelAt(filter->GetLabelActor())[0], unrolled[0], 1e-6);
  double anchor[3];
  ASSERT_TRUE(filter->GetLabelAnchor(0, anchor));
  EXPECT_EQ(anchor[0], filter->GetLabelPosition()[0]);

  filter->SetPanoramicThick(1);
  filter->Update();
  EXPECT_EQ(filter->GetOutput()->GetNumberOfPolys(), ball.Mesh()->GetNumberOfPolys());
  EXPECT_EQ(filter->GetOutput()->GetNumberOfLines(), 0);
  EXPECT_NE(LabelAt(filter->GetLabelActor())[0], vtkGeomCutter::ParkedX);

  for (const auto& points : {std::vector<std::pair<double, double>>{{3, 3}}, std::vector<std::pair<double, double>>{}}) {
    auto shortCurve = Curve(points);
    filter->SetCurve(shortCurve);
    EXPECT_FALSE(filter->GetLabelAnchor(0, anchor)) << "the anchor updates the cut first";
    EXPECT_EQ(filter->GetOutput()->GetNumberOfCells(), 0);
    EXPECT_EQ(LabelAt(filter->GetLabelActor())[0], vtkGeomCutter::ParkedX);
  }
}

}  // namespace
