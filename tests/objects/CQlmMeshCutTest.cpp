#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkProperty.h>
#include <vtkSphereSource.h>
#include <vtkTransform.h>

#include <vector>

#include "ImplantScene.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantAxial.h"
#include "objects/CQlmImplantCross9.h"
#include "objects/CQlmMeshCutAxial.h"
#include "objects/CQlmMeshCutCross9.h"
#include "objects/CQlmMeshCutPanoramic.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantCross9.h"
#include "toolkit/vtkPolyDataCutterAxial.h"
#include "toolkit/vtkPolyDataCutterCross9.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"

namespace {

std::vector<double> Elements(vtkMatrix4x4* matrix) { return {matrix->GetData(), matrix->GetData() + 16}; }

class CQlmMeshCutTest : public ::testing::Test, public ImplantScene {};

// The mesh cuts place their planes by the same rules as the implant cuts.
TEST_F(CQlmMeshCutTest, AxialPlaneFollowsTheImplantRules) {
  CQlmMeshCutAxial mesh;
  CQlmImplantAxial implant;
  for (int step = 0; step < 2; ++step) {
    mesh.SetInput(this->Image);
    implant.SetInput(this->Image);
  }
  EXPECT_EQ(mesh.GetAxialIndex(), 0);
  for (int index : {7, 40, 41, -1, 7, 0}) {
    SCOPED_TRACE(index);
    mesh.SetAxialIndex(index);
    implant.SetAxialIndex(index);
    EXPECT_EQ(mesh.GetAxialIndex(), implant.GetAxialIndex());
    EXPECT_EQ(Elements(mesh.GetAxialCutter()->GetTransformCutter()->GetMatrix()),
              Elements(implant.GetAxialCutter()->GetTransformCutter()->GetMatrix()));
  }
}

TEST_F(CQlmMeshCutTest, SectionsFollowTheImplantRules) {
  CQlmMeshCutCross9 mesh;
  CQlmImplantCross9 implant;
  mesh.SetInput(this->Image, &this->Calculator, 2.0f);
  implant.SetInput(this->Image, &this->Calculator, 2.0f);
  struct Step {
    const char* name;
    void (*apply)(CQlmMeshCutCross9&, CQlmImplantCross9&);
  };
  const std::vector<Step> steps = {
      {"index 11", [](auto& m, auto& i) { m.SetCrossIndex(11), i.SetCrossIndex(11); }},
      {"index 13", [](auto& m, auto& i) { m.SetCrossIndex(13), i.SetCrossIndex(13); }},
      {"index beyond", [](auto& m, auto& i) { m.SetCrossIndex(23), i.SetCrossIndex(23); }},
      {"spacing 4", [](auto& m, auto& i) { m.SetCrossSpacing(4.0f), i.SetCrossSpacing(4.0f); }},
      {"single", [](auto& m, auto& i) { m.SetSingleCrossSection(1), i.SetSingleCrossSection(1); }},
      {"single index 2", [](auto& m, auto& i) { m.SetCrossIndex(2), i.SetCrossIndex(2); }},
      {"nine again", [](auto& m, auto& i) { m.SetSingleCrossSection(0), i.SetSingleCrossSection(0); }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.apply(mesh, implant);
    EXPECT_EQ(mesh.GetCrossIndex(), implant.GetCrossIndex());
    EXPECT_EQ(mesh.GetLargestIndex(), implant.GetLargestIndex());
    for (int k = 0; k < 9; ++k) {
      EXPECT_EQ(Elements(mesh.GetCrossCutter()->GetMatrixCutter(k)),
                Elements(implant.GetCrossCutter()->GetMatrixCutter(k)))
          << "section " << k;
    }
  }
}

TEST_F(CQlmMeshCutTest, ColourHighlightVisibilityAndLayers) {
  CQlmMeshCutCross9 cut;
  cut.SetWindow(&this->Cross);
  cut.AddToRenderer();
  for (int k = 0; k < 9; ++k) EXPECT_TRUE(this->Cross.Holds(k, 2, cut.GetActor(k))) << k;
  EXPECT_TRUE(cut.OwnsActor(cut.GetActor(8)));
  EXPECT_FALSE(cut.OwnsActor(nullptr));

  cut.SetColor(0.2f, 0.4f, 0.6f);
  double color[3];
  cut.GetActor(3)->GetProperty()->GetColor(color);
  EXPECT_NEAR(color[2], 0.6, 1e-6);
  cut.SetHighlight(1);
  cut.GetActor(3)->GetProperty()->GetColor(color);
  EXPECT_NEAR(color[0], 1.0, 1e-6);
  EXPECT_NEAR(color[2], 0.3, 1e-6);
  cut.SetHighlight(0);
  cut.GetActor(3)->GetProperty()->GetColor(color);
  EXPECT_NEAR(color[0], 0.2, 1e-6);

  cut.SetVisibility(0);
  EXPECT_EQ(cut.GetActor(0)->GetVisibility(), 0);
  cut.SetVisibility(1);
  EXPECT_EQ(cut.GetActor(0)->GetVisibility(), 1);

  cut.RemoveFromRenderer();
  EXPECT_FALSE(this->Cross.Holds(4, 2, cut.GetActor(4)));
}

TEST_F(CQlmMeshCutTest, UserMatrixTurnsAboutThePivotAndResets) {
  CQlmMeshCutAxial cut;
  vtkNew<vtkTransform> turn;
  turn->RotateZ(90);
  turn->Translate(1, 0, 0);
  const double pivot[3] = {5, 2, 0};
  cut.SetUserMatrixAbout(pivot, turn->GetMatrix());
  double moved[3];
  cut.GetUserTransform()->TransformPoint(pivot, moved);
  // The pivot moves only by the matrix's translation, turned: (5, 2) + (0, 1).
  EXPECT_NEAR(moved[0], 5, 1e-9);
  EXPECT_NEAR(moved[1], 3, 1e-9);
  EXPECT_EQ(cut.GetActor()->GetUserTransform(), cut.GetUserTransform());
  cut.ResetUserMatrix();
  EXPECT_TRUE(cut.GetUserTransform()->GetMatrix()->IsIdentity());
}

TEST_F(CQlmMeshCutTest, PanoramicCutFollowsTheCurveAndThickMode) {
  vtkNew<vtkSphereSource> sphere;
  sphere->SetCenter(30, 20, 19.5);  // on the arch, in the volume's middle
  sphere->SetRadius(3);
  CQlmMeshCutPanoramic cut;
  cut.SetWindow(&this->Panoramic);
  cut.SetInputConnection(sphere->GetOutputPort());
  cut.SetInput(this->Image, &this->Calculator);
  cut.AddToRenderer();
  EXPECT_TRUE(this->Panoramic.Holds(2, cut.GetActor()));
  vtkPolyDataCutterPanoramic* cutter = cut.GetPanoramicCutter();
  EXPECT_EQ(cutter->GetPanoramicLine(), this->Calculator.GetCurvePolyData());
  EXPECT_DOUBLE_EQ(cutter->GetLimitY(), 40.0);
  cutter->Update();
  double bounds[6];
  cutter->GetOutput()->GetBounds(bounds);
  EXPECT_NEAR(bounds[0], -3, 0.2);
  EXPECT_NEAR(bounds[1], 3, 0.2);

  cut.SetThick(1);
  EXPECT_EQ(cutter->GetThick(), 1);
  EXPECT_DOUBLE_EQ(cut.GetActor()->GetProperty()->GetOpacity(), 0.3);
  cut.SetThick(0);
  EXPECT_DOUBLE_EQ(cut.GetActor()->GetProperty()->GetOpacity(), 1.0);
}

}  // namespace
