#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MultiPartScene.h"
#include "ShownOutline.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

vtkPolyData* Output(vtkGeomCutter* cutter, int port = 0) {
  cutter->Update();
  return vtkPolyData::SafeDownCast(cutter->GetOutputDataObject(port));
}

// One "Lima" (body and three parts), a little tilted, crossed by
// the axial plane z = 8 (the body), section 4 of the cross-sections at
// world x = 30 and the straight panoramic curve.
class CQlmMultiPartCutTest : public ::testing::Test, public MultiPartScene {
public:
  void SetUp() override {
    QLM_REQUIRE_TEST_DATA(PieceMesh);
    this->Objects.SetAxialIndex(8);
    this->Objects.SetCrossIndex(11);
    ASSERT_EQ(this->Add(), 1);
    this->Place();
  }
  void Place() {
    vtkNew<vtkTransform> placement;
    placement->Translate(30.1, 20, 2);
    placement->RotateY(2);
    placement->RotateX(-2);
    this->Object(0)->SetMatrix(placement->GetMatrix()->GetData());
  }
  // Every filter of the three cuts run, as a render does.
  void RenderCuts() {
    for (CQlmMultiPartCut* cut : this->Cuts()) {
      for (int slot = -1; slot < 3; ++slot) cut->GetCutter(slot)->Update();
    }
  }
  std::vector<CQlmMultiPartCut*> Cuts() { return {this->AxialCut(0), this->CrossCut(0), this->PanoramicCut(0)}; }
};

TEST_F(CQlmMultiPartCutTest, EachViewCutsTheBodyAndEveryPartWithTheFamilyFilters) {
  ASSERT_EQ(this->Objects.AddObject(&this->Axial, std::vector<double>(3).data(), "Endo B", " 11", "Broca", 0, -1), 1);
  CQlmEndoImpAxial* axial = this->AxialCut(1);
  EXPECT_EQ(axial->GetCutterCount(), 3);
  EXPECT_STREQ(axial->GetCutter()->GetClassName(), "vtkEndoImpAxial");
  EXPECT_STREQ(this->CrossCut(1)->GetCutter(1)->GetClassName(), "vtkEndoImpCross9");
  EXPECT_STREQ(this->PanoramicCut(1)->GetCutter(0)->GetClassName(), "vtkEndoImpPanoramic");
  EXPECT_EQ(axial->FindPartByActor(axial->GetActor(1)), 1);
  EXPECT_EQ(axial->FindPartByActor(axial->GetActor()), -1);
  EXPECT_TRUE(axial->OwnsActor(axial->GetActor()));
  EXPECT_EQ(this->CrossCut(1)->FindPartByActor(this->CrossCut(1)->GetActor(0, 8)), 0);
  EXPECT_TRUE(this->Cross.Holds(8, 2, this->CrossCut(1)->GetActor(1, 8)));
  EXPECT_TRUE(this->Axial.Holds(2, axial->GetActor(1)));
  EXPECT_TRUE(this->Panoramic.Holds(2, this->PanoramicCut(1)->GetActor(0)));
  // Object 2's body and part slot 1, at font size + 4.
  EXPECT_STREQ(axial->GetCutter()->GetTextMapper()->GetInput(), "2");
  EXPECT_STREQ(axial->GetCutter(1)->GetTextMapper()->GetInput(), "2-2");
  EXPECT_EQ(axial->GetCutter(1)->GetTextMapper()->GetFontSize(), 16);
  this->RenderCuts();
  EXPECT_GT(Output(this->AxialCut(0)->GetCutter())->GetNumberOfLines(), 0);
  EXPECT_GT(Output(this->CrossCut(0)->GetCutter(2), 4)->GetNumberOfLines(), 0);
  EXPECT_GT(Output(this->PanoramicCut(0)->GetCutter(1))->GetNumberOfLines(), 0);
}

// A hidden part's outline and label stay hidden in every view, whatever
// the object's visibility and the label setting do (the cross-sections included).
TEST_F(CQlmMultiPartCutTest, AHiddenPartStaysHiddenInEveryView) {
  for (CQlmMultiPartCut* cut : this->Cuts()) {
    SCOPED_TRACE(cut->GetCutter()->GetClassName());
    cut->SetPartVisibility(1, 0);
    cut->SetVisibilityNumber(1);
    cut->SetVisibility(0);
    cut->SetVisibility(1);
    EXPECT_EQ(cut->GetActor(1)->GetVisibility(), 0);
    EXPECT_EQ(cut->GetCutter(1)->GetLabelVisible(), 0);
    EXPECT_EQ(cut->GetActor(0)->GetVisibility(), 1);
    EXPECT_EQ(cut->GetCutter(0)->GetLabelVisible(), 1);
    EXPECT_EQ(cut->GetCutter()->GetLabelVisible(), 1);
    cut->SetVisibilityNumber(0);
    EXPECT_EQ(cut->GetCutter()->GetLabelVisible(), 0);
    EXPECT_EQ(cut->GetActor()->GetVisibility(), 1);
    cut->SetPartVisibility(1, 1);
    EXPECT_EQ(cut->GetActor(1)->GetVisibility(), 1);
    EXPECT_EQ(cut->GetCutter(1)->GetLabelVisible(), 0);
  }
  EXPECT_EQ(this->AxialCut(0)->GetActor(1)->GetVisibility(), 1);
  EXPECT_EQ(this->Object(0)->GetActor(1)->GetVisibility(), 1);  // the other views keep the part
}

// In single-section mode the parts get the shift too: section 4 equals a fresh cut at the new centre.
TEST_F(CQlmMultiPartCutTest, SingleSectionScrollingEqualsFreshCuts) {
  this->Objects.SetSingleCrossSection(1);
  this->Objects.SetCrossIndex(12);
  this->RenderCuts();
  this->Objects.SetCrossIndex(11);
  this->RenderCuts();
  std::unique_ptr<CQlmEndoImpCross9> fresh{CQlmEndoImpCross9::CreateObject()};
  fresh->SetObject(this->Object(0));
  fresh->SetInput(this->Image, &this->Calculator, 2.0f);
  fresh->SetCrossIndex(11);
  for (int slot = -1; slot < 3; ++slot) {
    SCOPED_TRACE(slot);
    vtkPolyData* scrolled = Output(this->CrossCut(0)->GetCutter(slot), 4);
    vtkPolyData* expected = Output(fresh->GetCutter(slot), 4);
    ASSERT_GT(expected->GetNumberOfLines(), 0);
    vtkNew<vtkTransform> identity;
    ExpectSameOutline(Shown(scrolled, identity), Shown(expected, identity));
  }
  this->Objects.SetSingleCrossSection(0);
  this->RenderCuts();
  EXPECT_GT(Output(this->CrossCut(0)->GetCutter(2), 3)->GetNumberOfPoints() +
                Output(this->CrossCut(0)->GetCutter(2), 5)->GetNumberOfPoints(),
            0);
}

struct View {
  const char* name;
  int port;
  std::function<CQlmMultiPartCut*(CQlmMultiPartCutTest&)> cut;
  std::function<void(CQlmMultiPartCutTest&, const double*)> drag;
  std::function<void(CQlmMultiPartCutTest&)> release;
};

const std::vector<View>& Views() {
  static const std::vector<View> views = {
      {"axial", 0, [](auto& t) -> CQlmMultiPartCut* { return t.AxialCut(0); },
       [](auto& t, const double* m) { t.AxialCut(0)->SetInteractionMatrix(m); },
       [](auto& t) { t.AxialCut(0)->ApplyMotionTo3D(); }},
      {"cross-section 4", 4, [](auto& t) -> CQlmMultiPartCut* { return t.CrossCut(0); },
       [](auto& t, const double* m) { t.CrossCut(0)->SetInteractionMatrix(4, m); },
       [](auto& t) { t.CrossCut(0)->ApplyUserMatrix(4); }},
      {"panoramic", 0, [](auto& t) -> CQlmMultiPartCut* { return t.PanoramicCut(0); },
       [](auto& t, const double* m) { t.PanoramicCut(0)->SetUserMatrix(m); },
       [](auto& t) { t.PanoramicCut(0)->ApplyMotionTo3D(); }},
  };
  return views;
}

// All outlines move together while dragging, and the release cuts them where the preview showed them.
TEST_F(CQlmMultiPartCutTest, PreviewOfBodyAndPartsEqualsTheCommittedOutlines) {
  for (const View& view : Views()) {
    for (const auto& motion : {DragElements(3, -2, 0), DragElements(0, 0, 25)}) {
      SCOPED_TRACE(view.name);
      this->Place();
      this->RenderCuts();
      view.drag(*this, motion.data());
      CQlmMultiPartCut* cut = view.cut(*this);
      EXPECT_EQ(cut->GetActor(2, view.port)->GetUserTransform(), cut->GetActor(-1, view.port)->GetUserTransform());
      std::vector<Segments> previews;
      for (int slot = -1; slot < 3; ++slot)
        previews.push_back(Shown(Output(cut->GetCutter(slot), view.port), cut->GetUserTransform()));
      view.release(*this);
      EXPECT_TRUE(cut->GetInteractionMatrix()->IsIdentity());
      this->RenderCuts();
      for (int slot = -1; slot < 3; ++slot) {
        SCOPED_TRACE(slot);
        vtkPolyData* outline = Output(cut->GetCutter(slot), view.port);
        if (previews[slot + 1].empty() && outline->GetNumberOfLines() == 0) continue;
        ExpectSameOutline(previews[slot + 1], Shown(outline, cut->GetUserTransform()));
      }
    }
  }
}

TEST_F(CQlmMultiPartCutTest, ParkedLabelsStayWhileDragging) {
  this->RenderCuts();
  vtkGeomCross9* body = static_cast<vtkGeomCross9*>(this->CrossCut(0)->GetCutter());
  int parked = -1, shown = -1;
  for (int k = 0; k < 9; ++k) {
    const double x = body->GetLabelActor(k)->GetPositionCoordinate()->GetValue()[0];
    if (x == vtkGeomCutter::ParkedX && parked < 0) parked = k;
    if (x != vtkGeomCutter::ParkedX && shown < 0) shown = k;
  }
  ASSERT_GE(parked, 0);
  ASSERT_GE(shown, 0);
  const double before = body->GetLabelActor(shown)->GetPositionCoordinate()->GetValue()[0];
  this->CrossCut(0)->SetInteractionMatrix(4, DragElements(2, 0, 0).data());
  EXPECT_EQ(body->GetLabelActor(parked)->GetPositionCoordinate()->GetValue()[0], vtkGeomCutter::ParkedX);
  EXPECT_NEAR(body->GetLabelActor(shown)->GetPositionCoordinate()->GetValue()[0], before + 2, 1e-6);
}

TEST_F(CQlmMultiPartCutTest, AnIdentityDragChangesNothing) {
  for (const View& view : Views()) {
    SCOPED_TRACE(view.name);
    const std::vector<double> before = Elements(this->Object(0)->GetMatrix());
    this->RenderCuts();
    view.drag(*this, DragElements(0, 0, 0).data());
    view.release(*this);
    for (int k = 0; k < 16; ++k) EXPECT_NEAR(this->Object(0)->GetMatrix()->GetData()[k], before[k], 1e-12);
  }
}

}  // namespace
