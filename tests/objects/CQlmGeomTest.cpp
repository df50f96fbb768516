#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkDataArray.h>
#include <vtkMatrix4x4.h>
#include <vtkPointData.h>
#include <vtkProperty.h>
#include <vtkTransform.h>

#include <memory>
#include <string>
#include <vector>

#include "GeomScene.h"
#include "objects/CQlmGeomCreator.h"
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

class CQlmGeomTest : public ::testing::Test, public GeomScene {
protected:
  void SetUp() override {
    QLM_REQUIRE_TEST_DATA(ToothMesh);
    this->Creator->Item = this->Current->GetItem(0);
    this->Creator->Create();
    this->Tooth->BuildFromCreator(this->Creator.get());
  }

  std::unique_ptr<CQlmGeomCreator> Creator{CQlmGeomCreator::New()};
  std::unique_ptr<CQlmGeom3D> Tooth{CQlmGeom3D::CreateObject()};
};

TEST_F(CQlmGeomTest, CreatorGivesEachObjectItsOwnMesh) {
  EXPECT_EQ(std::string(this->Creator->GetName().c_str()), "Incisivo");
  EXPECT_FLOAT_EQ(this->Creator->GetColor()[0], 0.9f);
  EXPECT_GT(this->Creator->GetMesh()->GetPointData()->GetNormals()->GetNumberOfTuples(), 0);
  const vtkIdType points = this->Tooth->GetPlacedMesh()->GetNumberOfPoints();
  this->Creator->Item = this->Current->GetItem(1);
  this->Creator->Create();
  EXPECT_EQ(std::string(this->Creator->GetName().c_str()), "Molar");
  this->Tooth->SetMatrix(vtkNew<vtkMatrix4x4>()->GetData());  // a fresh pipeline run
  EXPECT_EQ(this->Tooth->GetPlacedMesh()->GetNumberOfPoints(), points);
  EXPECT_EQ(std::string(this->Tooth->GetName().c_str()), "Incisivo");
}

TEST_F(CQlmGeomTest, LabelShowsTheNumberOrTheName) {
  vtkWin32TextMapper2* label = this->Tooth->GetLabelMapper();
  EXPECT_STREQ(label->GetInput(), "0");
  EXPECT_EQ(label->GetFontSize(), 12);
  this->Tooth->SetNumber(7);
  EXPECT_STREQ(label->GetInput(), "7");
  this->Tooth->SetLabelMode(1);
  EXPECT_STREQ(label->GetInput(), "Incisivo");
  EXPECT_EQ(label->GetFontSize(), 10);
  this->Tooth->SetLabelMode(2);
  this->Tooth->SetNumber(8);
  EXPECT_STREQ(label->GetInput(), "Incisivo");
  EXPECT_EQ(this->Tooth->GetNumber(), 8);
}

TEST_F(CQlmGeomTest, SelectionPaintsWhiteAndRestoresTheColour) {
  double rgb[3];
  this->Tooth->SetSelected(1);
  this->Tooth->GetActor()->GetProperty()->GetColor(rgb);
  EXPECT_DOUBLE_EQ(rgb[0] + rgb[1] + rgb[2], 3.0);
  this->Tooth->SetSelected(0);
  this->Tooth->GetActor()->GetProperty()->GetColor(rgb);
  EXPECT_NEAR(rgb[0], 0.9, 1e-6);
  EXPECT_NEAR(rgb[1], 0.5, 1e-6);
}

// Visibility and label visibility, in the 3D object and in each cut, as one table.
TEST_F(CQlmGeomTest, VisibilityAndLabelVisibilityRules) {
  CQlmGeomAxial* axial = CQlmGeomAxial::CreateObject();
  CQlmGeomCross9* cross = CQlmGeomCross9::CreateObject();
  axial->SetObject(this->Tooth.get());
  cross->SetObject(this->Tooth.get());
  struct Step {
    const char* name;
    int visible;  // -1: leave
    int labels;   // -1: leave
    int meshShown, labelShown;
  };
  const Step steps[] = {
      {"new", -1, -1, 1, 1},
      {"hidden", 0, -1, 0, 0},
      {"labels wanted while hidden", -1, 1, 0, 0},
      {"shown again", 1, -1, 1, 1},
      {"labels off", -1, 0, 1, 0},
      {"hidden, shown: labels stay off", 0, -1, 0, 0},
      {"shown without labels", 1, -1, 1, 0},
      {"labels on", -1, 1, 1, 1},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    if (step.visible >= 0) {
      this->Tooth->SetVisibility(step.visible);
      axial->SetVisibility(step.visible);
      cross->SetVisibility(step.visible);
    }
    if (step.labels >= 0) {
      this->Tooth->SetVisibilityNumber(step.labels);
      axial->SetVisibilityNumber(step.labels);
      cross->SetVisibilityNumber(step.labels);
    }
    EXPECT_EQ(this->Tooth->GetActor()->GetVisibility(), step.meshShown);
    EXPECT_EQ(this->Tooth->GetLabelActor()->GetVisibility(), step.labelShown);
    EXPECT_EQ(axial->GetActor()->GetVisibility(), step.meshShown);
    EXPECT_EQ(axial->GetAxialCutter()->GetLabelVisible(), step.labelShown);
    EXPECT_EQ(cross->GetActor(8)->GetVisibility(), step.meshShown);
    EXPECT_EQ(cross->GetCrossCutter()->GetLabelVisible(), step.labelShown);
  }
  delete cross;
  delete axial;
}

// Building a cut for another object while it is drawn leaves one outline and one label in the renderer.
TEST_F(CQlmGeomTest, RebuildingADrawnCutLeavesNoOldOutline) {
  CQlmGeomAxial* axial = CQlmGeomAxial::CreateObject();
  axial->SetWindow(&this->Axial);
  axial->SetObject(this->Tooth.get());
  axial->SetInput(this->Image);
  axial->AddToRenderer();
  const int drawn = this->Axial.PropCount(2);
  std::unique_ptr<CQlmGeom3D> other{CQlmGeom3D::CreateObject()};
  other->BuildFromCreator(this->Creator.get());
  axial->SetObject(other.get());
  EXPECT_EQ(this->Axial.PropCount(2), drawn);
  EXPECT_TRUE(this->Axial.Holds(2, axial->GetActor()));
  EXPECT_EQ(axial->GetObject(), other.get());
  delete axial;
  EXPECT_EQ(this->Axial.PropCount(2), 0);
}

TEST_F(CQlmGeomTest, ResetForgetsTheMeshAndThePlacement) {
  vtkNew<vtkTransform> moved;
  moved->Translate(1, 2, 3);
  this->Tooth->SetMatrix(moved->GetMatrix()->GetData());
  vtkMatrix4x4* matrix = this->Tooth->GetMatrix();
  this->Tooth->Reset();
  EXPECT_EQ(this->Tooth->GetPlacedMesh(), nullptr);
  EXPECT_TRUE(this->Tooth->GetName().IsEmpty());
  EXPECT_TRUE(this->Tooth->GetMatrix()->IsIdentity());
  EXPECT_EQ(this->Tooth->GetMatrix(), matrix);
}

}  // namespace
