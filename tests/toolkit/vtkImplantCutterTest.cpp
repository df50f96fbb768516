#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkCellArray.h>
#include <vtkCoordinate.h>
#include <vtkCylinderSource.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantCross9.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

// A 4 x 10 mm implant with a 5 mm connector, placed by a transform the test moves.
struct Implant {
  Implant() {
    screw->SetRadius(2.0);
    screw->SetHeight(10.0);
    screw->SetResolution(24);
    screwLocal->RotateX(90.0);
    screwLocal->Translate(0, -5.0, 0);  // cylinder along y from -10 to 0 in local z after the turn
    connector->SetRadius(2.0);
    connector->SetHeight(5.0);
    connector->SetResolution(24);
    connectorLocal->RotateX(90.0);
    connectorLocal->Translate(0, 2.5, 0);
    Chain(screw, screwLocal, screwShape, screwPlaced);
    Chain(connector, connectorLocal, connectorShape, connectorPlaced);
  }
  static void Chain(vtkCylinderSource* source, vtkTransform* local, vtkTransformPolyDataFilter* shape,
                    vtkTransformPolyDataFilter* placed) {
    shape->SetInputConnection(source->GetOutputPort());
    shape->SetTransform(local);
    placed->SetInputConnection(shape->GetOutputPort());
  }
  void Connect(vtkImplantCutter* cutter) {
    screwPlaced->SetTransform(placement);
    connectorPlaced->SetTransform(placement);
    cutter->SetInputConnection(0, screwPlaced->GetOutputPort());
    cutter->SetInputConnection(1, connectorPlaced->GetOutputPort());
    cutter->SetMatrixScrew(placement->GetMatrix());
    cutter->SetMatrixConector(placement->GetMatrix());
  }
  vtkNew<vtkCylinderSource> screw, connector;
  vtkNew<vtkTransform> screwLocal, connectorLocal, placement;
  vtkNew<vtkTransformPolyDataFilter> screwShape, connectorShape, screwPlaced, connectorPlaced;
};

std::array<double, 6> Bounds(vtkPolyData* data) {
  std::array<double, 6> bounds;
  data->GetBounds(bounds.data());
  return bounds;
}

TEST(vtkImplantAxial, OutlinesLieInThePlaneFrameAndFollowTheImplant) {
  Implant implant;
  implant.placement->Translate(10, 20, 30);
  vtkNew<vtkImplantAxial> cutter;
  implant.Connect(cutter);
  cutter->SetVisibilityScrewLine(0);
  cutter->GetTransformCutter()->Translate(1, 2, 25);
  cutter->Update();
  auto bounds = Bounds(cutter->GetOutputScrew());
  EXPECT_NEAR(bounds[0], 7, 1e-6);
  EXPECT_NEAR(bounds[1], 11, 1e-6);
  EXPECT_NEAR(bounds[4], 0, 1e-9);
  EXPECT_NEAR(bounds[5], 0, 1e-9);
  EXPECT_EQ(cutter->GetOutputConector()->GetNumberOfCells(), 0);
  EXPECT_NEAR(cutter->GetCenterScrew()[0], 9, 1e-6);
  EXPECT_NEAR(cutter->GetCenterScrew()[1], 18, 0.2);
  EXPECT_EQ(std::vector<double>(cutter->GetFulcrum(), cutter->GetFulcrum() + 3), (std::vector<double>{9, 18, 0}));

  // The moved implant is cut again through the pipeline.
  implant.placement->Translate(0, 0, -6);
  cutter->Update();
  EXPECT_EQ(cutter->GetOutputScrew()->GetNumberOfCells(), 0);
  EXPECT_GT(cutter->GetOutputConector()->GetNumberOfCells(), 0);
  EXPECT_EQ(cutter->GetCenterScrew()[0], vtkImplantCutter::ParkedX);
  EXPECT_EQ(cutter->GetActorLabel()->GetPositionCoordinate()->GetValue()[0], vtkImplantCutter::ParkedX);
}

TEST(vtkImplantAxial, FillAndAxisLineJoinTheOutline) {
  Implant implant;
  implant.placement->RotateX(30);
  vtkNew<vtkImplantAxial> cutter;
  implant.Connect(cutter);
  cutter->GetTransformCutter()->Translate(0, 0, -4);
  cutter->Update();
  const vtkIdType lines = cutter->GetOutputScrew()->GetNumberOfLines();
  EXPECT_EQ(cutter->GetOutputScrew()->GetNumberOfPolys(), 0);
  cutter->SetFill(1);
  cutter->Update();
  EXPECT_GT(cutter->GetOutputScrew()->GetNumberOfPolys(), 0);
  cutter->SetVisibilityScrewLine(0);
  cutter->Update();
  EXPECT_EQ(cutter->GetOutputScrew()->GetNumberOfLines(), lines - 1);
}

TEST(vtkImplantAxial, LabelTextFollowsModeAndFontSize) {
  vtkNew<vtkImplantAxial> cutter;
  struct Case { int mode; const char* text; int size; };
  for (const Case& c : {Case{0, "7", 16}, Case{1, "3.75 x 10.0", 12}, Case{2, "", 12}}) {
    cutter->SetNumber(7);
    cutter->SetLabelMode(c.mode);
    EXPECT_STREQ(cutter->GetTextMapper()->GetInput(), c.text) << "mode " << c.mode;
    EXPECT_EQ(cutter->GetTextMapper()->GetFontSize(), c.size) << "mode " << c.mode;
  }
}

// Sections across a tilted implant: planes x = start + k * 0.5 (local x along world y).
void PlaceSections(vtkImplantCross9* cutter, double start) {
  for (int k = 0; k < vtkImplantCross9::Sections; ++k) {
    vtkNew<vtkTransform> plane;
    plane->Translate(start + 0.5 * k, 0, 0);
    plane->RotateY(90);
    cutter->SetMatrixCutter(k, &plane->GetMatrix()->Element[0][0]);
  }
}

std::vector<double> Coordinates(vtkPolyData* data) {
  std::vector<double> coordinates;
  for (vtkIdType i = 0; i < data->GetNumberOfPoints(); ++i) {
    const double* p = data->GetPoint(i);
    coordinates.insert(coordinates.end(), p, p + 3);
  }
  return coordinates;
}

// The outlines of a fresh cutter given the same sections and implant.
void ExpectSameAsFreshCut(vtkImplantCross9* cutter, Implant& implant) {
  vtkNew<vtkImplantCross9> fresh;
  implant.Connect(fresh);
  for (int k = 0; k < vtkImplantCross9::Sections; ++k) fresh->SetMatrixCutter(k, cutter->GetMatrixCutter(k)->GetData());
  fresh->Update();
  for (int k = 0; k < vtkImplantCross9::Sections; ++k) {
    EXPECT_EQ(Coordinates(cutter->GetOutputScrew(k)), Coordinates(fresh->GetOutputScrew(k))) << "section " << k;
    EXPECT_EQ(Coordinates(cutter->GetOutputConector(k)), Coordinates(fresh->GetOutputConector(k))) << "section " << k;
    EXPECT_EQ(cutter->GetCenterScrew(k)[0], fresh->GetCenterScrew(k)[0]) << "section " << k;
  }
}

TEST(vtkImplantCross9, ScrolledSectionsEqualAFreshCut) {
  struct Case {
    const char* name;
    std::vector<double> starts;  // section positions set, one update after all
    std::vector<int> shifts;     // shift passed with each
    bool moveBefore;             // implant moved before the last change
  };
  const std::vector<Case> cases = {
      {"shift 3", {-2.0}, {3}, false},
      {"shift -2", {-4.5}, {-2}, false},
      {"shift 9", {1.0}, {9}, false},
      {"shift -9", {-8.0}, {-9}, false},
      {"shift 0", {-3.5}, {0}, false},
      {"two index changes without a render", {-2.0, -1.0}, {3, 2}, false},
      {"spacing change passing the old shift again", {-2.2}, {3}, false},
      {"implant moved before the scroll", {-2.0}, {3}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Implant implant;
    implant.placement->RotateY(25);
    vtkNew<vtkImplantCross9> cutter;
    implant.Connect(cutter);
    PlaceSections(cutter, -3.5);
    cutter->Update();
    if (c.moveBefore) implant.placement->Translate(0.3, 0, 0);
    for (size_t i = 0; i < c.starts.size(); ++i) {
      cutter->SetOptimize(c.shifts[i]);
      PlaceSections(cutter, c.starts[i]);
    }
    cutter->Update();
    EXPECT_EQ(cutter->GetOptimize(), 0);
    ExpectSameAsFreshCut(cutter, implant);
  }
}

TEST(vtkImplantCross9, OutOfRangeSectionsAreIgnored) {
  vtkNew<vtkImplantCross9> cutter;
  const double elements[16] = {};
  cutter->SetMatrixCutter(9, elements);
  cutter->SetMatrixCutter(-1, elements);
  EXPECT_EQ(cutter->GetMatrixCutter(9), nullptr);
  EXPECT_EQ(cutter->GetActorLabel(-1), nullptr);
  EXPECT_TRUE(cutter->GetMatrixCutter(0)->IsIdentity());
}

}  // namespace
