#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <memory>
#include <string>
#include <vector>

#include "MultiPartScene.h"
#include "objects/CQlmOrtoImps.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

class CQlmMultiPartContainerTest : public ::testing::Test, public MultiPartScene {
protected:
  void SetUp() override { QLM_REQUIRE_TEST_DATA(PieceMesh); }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < this->Objects.GetCount(); ++i) names.push_back(this->Object(i)->GetName().c_str());
    return names;
  }
  std::vector<CQlmMultiPartCut*> Cuts(int i) { return {this->AxialCut(i), this->CrossCut(i), this->PanoramicCut(i)}; }
  // Number and selection agree in all four views for every object; the numbers run 1..n.
  void ExpectConsistent() {
    for (int i = 0; i < this->Objects.GetCount(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(this->Object(i)->GetNumber(), i + 1);
      for (CQlmMultiPartCut* cut : this->Cuts(i)) {
        EXPECT_EQ(cut->GetCutter()->GetLabelNumber(), i + 1);
        EXPECT_EQ(cut->GetCutter(0)->GetLabelNumber(), i + 1);
        EXPECT_EQ(cut->GetSelected(), this->Object(i)->GetSelected());
      }
    }
  }
  int SetPartSection(int index, const char* identifier, const char* item, int k, const char* variant) {
    return this->Objects.SetPartSection(index, "Endo A", identifier, item, k, variant);
  }
};

TEST_F(CQlmMultiPartContainerTest, AddsRenumbersAndRemovesTheSelected) {
  ASSERT_EQ(this->Add("Lima"), 1);
  ASSERT_EQ(this->Add("Curta"), 1);
  ASSERT_EQ(this->Add("Curta", 0), 1);
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Curta", "Lima", "Curta"}));
  EXPECT_EQ(this->Object(0)->GetSelected(), 1);
  EXPECT_EQ(this->Object(2)->GetSelected(), 0);
  this->ExpectConsistent();
  EXPECT_TRUE(this->Window3D.Holds(3, this->Object(1)->GetActor(2)));
  EXPECT_TRUE(this->Window3D.Holds(3, this->Object(1)->GetLabelActor(2)));

  EXPECT_EQ(this->Add("Serra"), 0);
  EXPECT_EQ(this->Add("Lima", 4), 0);
  EXPECT_EQ(this->Add("Lima", -2), 0);
  EXPECT_EQ(this->Objects.GetListPanoramic()->GetCount(), 3);

  this->Objects.SetSelected(0, 0);
  EXPECT_EQ(this->Objects.RemoveSelected(), 0);
  this->Objects.SetSelected(1, 1);
  vtkActor* removed = this->AxialCut(1)->GetActor(1);
  EXPECT_EQ(this->Objects.RemoveSelected(), 1);
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Curta", "Curta"}));
  EXPECT_FALSE(this->Axial.Holds(2, removed));
  this->ExpectConsistent();
  EXPECT_STREQ(this->CrossCut(1)->GetCutter(0)->GetTextMapper()->GetInput(), "2-1");
}

TEST_F(CQlmMultiPartContainerTest, LooksItemsUpInTheCurrentLibraryThenInTheFiles) {
  EXPECT_FLOAT_EQ(this->Objects.FindLibraryItem("Endo A", "Lima", " 11")->Color[0], 0.9f);
  EXPECT_TRUE(this->Read.empty());
  vtkEndoImplant* broca = this->Objects.FindLibraryItem("Endo B", "Broca", " 11");
  ASSERT_NE(broca, nullptr);
  EXPECT_EQ(broca->GetNumberOfPositions(), 2);
  EXPECT_EQ(this->Read, (std::vector<std::string>{"Endo B"}));
  EXPECT_FLOAT_EQ(this->Objects.FindLibraryItem("Endo C", "Lima", " 22")->Color[0], 0.6f);
  EXPECT_EQ(this->Objects.FindLibraryItem("Endo A", "lima", " 11"), nullptr);
  EXPECT_EQ(this->Current->GetNumberOfItems(), 2);
}

TEST_F(CQlmMultiPartContainerTest, ReplaceKeepsIndexPlacementAndSelection) {
  for (int i = 0; i < 3; ++i) this->Add("Lima");
  vtkNew<vtkTransform> placement;
  placement->Translate(31, 22, 9);
  placement->RotateZ(30);
  this->Object(1)->SetMatrix(placement->GetMatrix()->GetData());
  this->Objects.SetSelected(1, 1);

  ASSERT_EQ(this->Objects.ReplaceObject("Endo B", " 11", "Broca", 1), 1);
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Lima", "Broca", "Lima"}));
  for (int k = 0; k < 16; ++k)
    EXPECT_DOUBLE_EQ(this->Object(1)->GetMatrix()->GetData()[k], placement->GetMatrix()->GetData()[k]);
  EXPECT_EQ(this->Object(1)->GetSelected(), 1);
  EXPECT_EQ(this->Object(2)->GetSelected(), 0);
  EXPECT_EQ(this->Object(1)->GetPartCount(), 2);
  EXPECT_EQ(this->AxialCut(1)->GetCutterCount(), 3);
  EXPECT_FLOAT_EQ(this->Object(1)->GetColor()[0], 0.7f);
  this->ExpectConsistent();
  EXPECT_EQ(this->Objects.ReplaceObject("Endo B", " 11", "Serra", 1), 0);
  EXPECT_EQ(this->Objects.ReplaceObject("Endo B", " 11", "Broca", 3), 0);
}

TEST_F(CQlmMultiPartContainerTest, APartSwitchesToAnotherVariantInEveryView) {
  ASSERT_EQ(this->Add("Lima"), 1);
  this->Objects.SetCrossIndex(11);
  vtkNew<vtkTransform> placement;
  placement->Translate(30, 20, 2);
  this->Object(0)->SetMatrix(placement->GetMatrix()->GetData());
  vtkGeomCutter* cut = this->CrossCut(0)->GetCutter(1);
  cut->Update();
  double before[6];
  vtkPolyData::SafeDownCast(cut->GetOutputDataObject(4))->GetBounds(before);

  ASSERT_EQ(this->SetPartSection(0, " 11", "Lima", 1, "H20"), 1);
  EXPECT_EQ(std::string(this->Object(0)->GetPartName(1).c_str()), "H20");
  for (CQlmMultiPartCut* view : this->Cuts(0)) EXPECT_EQ(view->GetCutter(1)->GetName(), "H20");
  cut->Update();
  double after[6];
  vtkPolyData::SafeDownCast(cut->GetOutputDataObject(4))->GetBounds(after);
  EXPECT_GT(after[1] - after[0], before[1] - before[0] + 1.0);  // 5 mm across instead of 3
}

// The library may have changed since the project was saved: a caller's section or variant is checked.
TEST_F(CQlmMultiPartContainerTest, APartSwitchFailsWithoutChangingAnything) {
  ASSERT_EQ(this->Add("Lima"), 1);
  ASSERT_EQ(this->Add("Curta"), 1);
  struct Case {
    const char* what;
    int index;
    const char* identifier;
    const char* item;
    int k;
    const char* variant;
  } cases[] = {{"unknown variant", 0, " 11", "Lima", 1, "H99"},
               {"variant of another section", 0, " 11", "Lima", 1, "K20"},
               {"another library", 0, " 22", "Lima", 1, "H20"},
               {"another item", 0, " 11", "Curta", 1, "H20"},
               {"section beyond the item", 0, " 11", "Lima", 3, "H20"},
               {"negative section", 0, " 11", "Lima", -1, "H20"},
               {"section beyond the slots", 0, " 11", "Lima", 50, "H20"},
               {"section the object lacks", 1, " 11", "Curta", 1, "C10"},
               {"no such object", 2, " 11", "Lima", 1, "H20"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    this->Read.clear();
    EXPECT_EQ(this->SetPartSection(c.index, c.identifier, c.item, c.k, c.variant), 0);
    EXPECT_EQ(this->Objects.LoadPartSection(c.index, "Endo A", c.identifier, c.item, c.k, c.variant), 0);
    EXPECT_EQ(std::string(this->Object(0)->GetPartName(1).c_str()), "H15");
    EXPECT_EQ(this->AxialCut(0)->GetCutter(1)->GetName(), "H15");
    EXPECT_TRUE(this->Read.empty());
  }
}

TEST_F(CQlmMultiPartContainerTest, LoadingAPartSwitchesThe3DObjectOnly) {
  ASSERT_EQ(this->Add("Lima"), 1);
  ASSERT_EQ(this->Objects.LoadPartSection(0, "Endo A", " 11", "Lima", 2, "R20"), 1);
  EXPECT_EQ(std::string(this->Object(0)->GetPartName(2).c_str()), "R20");
  EXPECT_EQ(this->AxialCut(0)->GetCutter(2)->GetName(), "R15");
}

TEST_F(CQlmMultiPartContainerTest, NewObjectsTakeTheLabelSettings) {
  this->Add();
  for (CQlmMultiPartCut* cut : this->Cuts(0)) EXPECT_EQ(cut->GetCutter(2)->GetLabelVisible(), 1);
  EXPECT_EQ(this->Object(0)->GetLabelActor(2)->GetVisibility(), 1);
  this->Objects.SetFontSize(18);
  this->Objects.SetLabelMode(0);
  this->Objects.SetPanoramicThick(1);
  this->Add("Curta");
  for (int i = 0; i < 2; ++i) {
    for (CQlmMultiPartCut* cut : this->Cuts(i)) EXPECT_EQ(cut->GetCutter(0)->GetTextMapper()->GetFontSize(), 22);
    EXPECT_EQ(this->Object(i)->GetLabelMapper()->GetFontSize(), 12);
    EXPECT_EQ(this->Object(i)->GetLabelMapper(0)->GetFontSize(), 11);
  }
  EXPECT_EQ(static_cast<vtkGeomPanoramic*>(this->PanoramicCut(1)->GetCutter(0))->GetPanoramicThick(), 1);
  this->Objects.SetVisibilityNumber(0);
  this->Objects.SetLabelMode(1);
  EXPECT_EQ(this->AxialCut(0)->GetCutter(0)->GetLabelVisible(), 0);
  EXPECT_STREQ(this->Object(0)->GetLabelMapper(0)->GetInput(), "K15");
  EXPECT_STREQ(this->AxialCut(1)->GetCutter(0)->GetTextMapper()->GetInput(), "C10");
}

// The orthodontic family is the same design on its own classes.
TEST(CQlmOrtoImps, CutsWithTheOrthodonticFilters) {
  QLM_REQUIRE_TEST_DATA(MultiPartScene::PieceMesh);
  vtkNew<vtkOrtoImpLib> library;
  library->Identifier = " 7";
  vtkNew<vtkOrtoImplant> item;
  item->Name = "Bracket";
  item->LibraryId = " 7";
  FitMesh(MultiPartScene::PieceMesh, 4, 0, 4, item->Mesh);
  vtkNew<vtkOrtoImpSec> variant;
  variant->Name = "Gancho";
  FitMesh(MultiPartScene::PieceMesh, 2, 4, 6, variant->Mesh);
  item->AddPosition()->AddItem(variant);
  library->Items->AddItem(item);
  CQlmOrtoImps objects;
  objects.SetLibraries(library, CStringArray());
  const double point[3] = {0, 0, 0};
  ASSERT_EQ(objects.AddObject(nullptr, point, "", " 7", "Bracket", 0, -1), 1);
  EXPECT_STREQ(objects.GetListAxial()->GetListItemAt(0)->GetCutter(0)->GetClassName(), "vtkOrtoImpAxial");
  EXPECT_STREQ(objects.GetListPanoramic()->GetListItemAt(0)->GetCutter()->GetClassName(), "vtkOrtoImpPanoramic");
  EXPECT_EQ(objects.GetList3D()->GetListItemAt(0)->GetPartCount(), 1);
}

}  // namespace
