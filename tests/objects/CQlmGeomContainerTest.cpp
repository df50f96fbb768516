#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <memory>
#include <string>
#include <vector>

#include "GeomScene.h"
#include "objects/CQlmGeomCreator.h"
#include "toolkit/vtkGeomAxial.h"
#include "toolkit/vtkGeomCross9.h"
#include "toolkit/vtkGeomPanoramic.h"

namespace {

class CQlmGeomContainerTest : public ::testing::Test, public GeomScene {
protected:
  void SetUp() override { QLM_REQUIRE_TEST_DATA(ToothMesh); }

  CQlmGeom3D* Tooth(int i) { return this->Teeth.GetList3D()->GetListItemAt(i); }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int i = 0; i < this->Teeth.GetCount(); ++i) names.push_back(this->Tooth(i)->GetName().c_str());
    return names;
  }
  // Number and selection agree in all four views for every tooth; the numbers run 1..n.
  void ExpectConsistent() {
    for (int i = 0; i < this->Teeth.GetCount(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(this->Tooth(i)->GetNumber(), i + 1);
      EXPECT_EQ(this->Teeth.GetListAxial()->GetListItemAt(i)->GetCutter()->GetLabelNumber(), i + 1);
      EXPECT_EQ(this->Teeth.GetListCross()->GetListItemAt(i)->GetCutter()->GetLabelNumber(), i + 1);
      EXPECT_EQ(this->Teeth.GetListPanoramic()->GetListItemAt(i)->GetCutter()->GetLabelNumber(), i + 1);
      const int selected = this->Tooth(i)->GetSelected();
      EXPECT_EQ(this->Teeth.GetListAxial()->GetListItemAt(i)->GetSelected(), selected);
      EXPECT_EQ(this->Teeth.GetListCross()->GetListItemAt(i)->GetSelected(), selected);
      EXPECT_EQ(this->Teeth.GetListPanoramic()->GetListItemAt(i)->GetSelected(), selected);
    }
  }
};

TEST_F(CQlmGeomContainerTest, FindsItemsInTheCurrentLibraryThenInTheFilesInOrder) {
  struct Case {
    const char* library;
    const char* item;
    const char* identifier;
    float red;  // 0: not found
    std::vector<std::string> read;
  };
  const std::vector<std::string> all = {"Dentes B", "Perdida", "Dentes C", "Dentes D"};
  const std::vector<Case> cases = {
      {"Dentes A", "Incisivo", " 11", 0.9f, {}},
      {"Dentes B", "Canino", " 22", 0.7f, {"Dentes B"}},
      // Another library of the same identifier is searched; the unreadable file is skipped.
      {"Dentes B", "Pre-molar", " 22", 0.6f, {"Dentes B", "Perdida", "Dentes C"}},
      // A library of another identifier is not searched even when it holds the name.
      {"Dentes D", "Canino", " 33", 0.4f, all},
      {"Dentes A", "Incisivo", " 99", 0.0f, all},
      {"Dentes A", "incisivo", " 11", 0.0f, all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + c.identifier);
    this->Read.clear();
    vtkGeom* item = this->Teeth.FindItem(c.library, c.item, c.identifier);
    if (c.red == 0.0f) {
      EXPECT_EQ(item, nullptr);
    } else {
      ASSERT_NE(item, nullptr);
      EXPECT_FLOAT_EQ(item->Color[0], c.red);
    }
    EXPECT_EQ(this->Read, c.read);
  }
  EXPECT_EQ(CQlmGeomContainer::FindItemInLibrary(nullptr, "Dentes A", "Incisivo", " 11"), nullptr);
}

TEST_F(CQlmGeomContainerTest, AddsAtAPositionAndRenumbers) {
  ASSERT_EQ(this->AddTooth("Incisivo"), 1);
  ASSERT_EQ(this->AddTooth("Molar"), 1);
  ASSERT_EQ(this->AddTooth("Molar", 0), 1);
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Molar", "Incisivo", "Molar"}));
  ASSERT_EQ(this->AddTooth("Incisivo", 2), 1);
  ASSERT_EQ(this->AddTooth("Incisivo", 4), 1);  // the count appends
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Molar", "Incisivo", "Incisivo", "Molar", "Incisivo"}));
  this->ExpectConsistent();
  EXPECT_EQ(this->Tooth(4)->GetSelected(), 1);
  EXPECT_EQ(this->Tooth(0)->GetSelected(), 0);
  EXPECT_TRUE(this->Window3D.Holds(3, this->Tooth(4)->GetActor()));
  EXPECT_TRUE(this->Axial.Holds(2, this->Teeth.GetListAxial()->GetListItemAt(4)->GetActor()));
  EXPECT_TRUE(this->Cross.Holds(8, 2, this->Teeth.GetListCross()->GetListItemAt(4)->GetActor(8)));
}

TEST_F(CQlmGeomContainerTest, AddRefusesUnknownItemsAndPositionsOutsideTheList) {
  ASSERT_EQ(this->AddTooth("Incisivo"), 1);
  EXPECT_EQ(this->AddTooth("Dente do siso"), 0);
  EXPECT_EQ(this->AddTooth("Molar", -2), 0);
  EXPECT_EQ(this->AddTooth("Molar", 2), 0);
  EXPECT_EQ(this->Teeth.GetCount(), 1);
  EXPECT_EQ(this->Teeth.GetListAxial()->GetCount(), 1);
  EXPECT_EQ(this->Teeth.GetListPanoramic()->GetCount(), 1);
}

TEST_F(CQlmGeomContainerTest, ReplaceKeepsIndexPlacementAndSelection) {
  this->AddTooth("Incisivo");
  this->AddTooth("Incisivo");
  this->AddTooth("Incisivo");
  vtkNew<vtkTransform> placement;
  placement->Translate(31, 22, 9);
  placement->RotateZ(30);
  this->Tooth(1)->SetMatrix(placement->GetMatrix()->GetData());
  this->Teeth.SetSelected(1, 1);  // and 2, selected when added

  ASSERT_EQ(this->Teeth.ReplaceObject("Dentes B", " 22", "Canino", 1), 1);
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Incisivo", "Canino", "Incisivo"}));
  for (int k = 0; k < 16; ++k) EXPECT_DOUBLE_EQ(this->Tooth(1)->GetMatrix()->GetData()[k], placement->GetMatrix()->GetData()[k]);
  EXPECT_EQ(this->Tooth(1)->GetSelected(), 1);
  EXPECT_EQ(this->Tooth(2)->GetSelected(), 0);
  EXPECT_FLOAT_EQ(this->Tooth(1)->GetColor()[0], 0.7f);
  this->ExpectConsistent();

  EXPECT_EQ(this->Teeth.ReplaceObject("Dentes B", " 22", "Dente do siso", 1), 0);
  EXPECT_EQ(this->Teeth.ReplaceObject("Dentes B", " 22", "Canino", 3), 0);
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Incisivo", "Canino", "Incisivo"}));
}

TEST_F(CQlmGeomContainerTest, RemoveSelectedRemovesAllSelectedAndRenumbers) {
  for (const char* name : {"Incisivo", "Molar", "Incisivo", "Molar"}) this->AddTooth(name);
  this->Teeth.SetSelected(3, 0);
  EXPECT_EQ(this->Teeth.RemoveSelected(), 0);
  EXPECT_EQ(this->Teeth.GetCount(), 4);
  this->Teeth.SetSelected(1, 1);
  this->Teeth.SetSelected(3, 1);
  CQlmGeomAxial* removedCut = this->Teeth.GetListAxial()->GetListItemAt(1);
  vtkActor* removedActor = removedCut->GetActor();
  EXPECT_EQ(this->Teeth.RemoveSelected(), 1);
  EXPECT_EQ(this->Names(), (std::vector<std::string>{"Incisivo", "Incisivo"}));
  EXPECT_FALSE(this->Axial.Holds(2, removedActor));
  this->ExpectConsistent();
}

// New objects take the container's label settings; labels are shown until the first label command.
TEST_F(CQlmGeomContainerTest, NewObjectsTakeTheLabelSettings) {
  this->AddTooth();
  CQlmGeomCut* cuts[3] = {this->Teeth.GetListAxial()->GetListItemAt(0), this->Teeth.GetListCross()->GetListItemAt(0),
                          this->Teeth.GetListPanoramic()->GetListItemAt(0)};
  EXPECT_EQ(this->Tooth(0)->GetLabelActor()->GetVisibility(), 1);
  for (CQlmGeomCut* cut : cuts) EXPECT_EQ(cut->GetCutter()->GetLabelVisible(), 1);

  this->Teeth.SetVisibilityNumber(0);
  this->Teeth.SetLabelMode(1);
  this->Teeth.SetFontSize(7);
  this->Teeth.SetPanoramicThick(1);
  this->AddTooth("Molar");
  EXPECT_EQ(this->Tooth(1)->GetLabelActor()->GetVisibility(), 0);
  EXPECT_EQ(this->Tooth(1)->GetLabelMode(), 1);
  CQlmGeomCut* newCuts[3] = {this->Teeth.GetListAxial()->GetListItemAt(1),
                             this->Teeth.GetListCross()->GetListItemAt(1),
                             this->Teeth.GetListPanoramic()->GetListItemAt(1)};
  for (CQlmGeomCut* cut : newCuts) {
    EXPECT_EQ(cut->GetCutter()->GetLabelVisible(), 0);
    EXPECT_EQ(cut->GetCutter()->GetLabelMode(), 1);
    EXPECT_EQ(cut->GetCutter()->GetFontSize(), 7);
  }
  EXPECT_EQ(this->Teeth.GetListPanoramic()->GetListItemAt(1)->GetPanoramicCutter()->GetPanoramicThick(), 1);
  EXPECT_EQ(this->Tooth(0)->GetLabelMode(), 1);  // the others follow the setting too
}

// A project reader fills the 3D list with built, placed and numbered objects; the cuts come after.
TEST_F(CQlmGeomContainerTest, BuildViewObjectsCutsWhatAReaderPutIntoThe3DList) {
  std::unique_ptr<CQlmGeomCreator> creator{CQlmGeomCreator::New()};
  creator->Item = this->Teeth.FindItem("Dentes B", "Canino", " 22");
  ASSERT_NE(creator->Item, nullptr);
  creator->Create();
  for (int number : {1, 2}) {
    CQlmGeom3D* tooth = this->Teeth.GetList3D()->AddTail();
    tooth->BuildFromCreator(creator.get());
    vtkNew<vtkTransform> placement;
    placement->Translate(20 + 8 * number, 20, 17);
    tooth->SetMatrix(placement->GetMatrix()->GetData());
    tooth->SetNumber(number);
  }
  this->Teeth.BuildViewObjects();
  this->Teeth.SetAxialIndex(20);
  ASSERT_EQ(this->Teeth.GetListAxial()->GetCount(), 2);
  ASSERT_EQ(this->Teeth.GetListCross()->GetCount(), 2);
  ASSERT_EQ(this->Teeth.GetListPanoramic()->GetCount(), 2);
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(this->Window3D.Holds(3, this->Tooth(i)->GetActor()));
    CQlmGeomAxial* axial = this->Teeth.GetListAxial()->GetListItemAt(i);
    EXPECT_EQ(axial->GetObject(), this->Tooth(i));
    EXPECT_TRUE(this->Axial.Holds(2, axial->GetActor()));
    axial->GetCutter()->Update();
    EXPECT_GT(axial->GetAxialCutter()->GetOutput()->GetNumberOfLines(), 0);
  }
  this->ExpectConsistent();
}

// Where a click puts a new tooth (the library mesh's origin) in each view.
TEST_F(CQlmGeomContainerTest, PlacesANewObjectFromTheClick) {
  this->Teeth.SetAxialIndex(12);
  this->Teeth.SetCrossIndex(5);
  struct Case {
    const char* view;
    const void* window;
    double point[3];
    int cell;
    double expected[3];
  };
  // Volume centre (30, 30, 19.5), 40 slices of 1 mm; the arch at world y = 20, arc a at world x = a.
  const Case cases[] = {
      {"axial slice 12", &this->Axial, {4, 3, 0}, 0, {34, 27, 12.1}},
      {"cross-section cell 3 (section 8)", &this->Cross, {0, 0, 0}, 3, {16, 20, 19.5}},
      {"panoramic", &this->Panoramic, {-6, 2.5, 0}, 0, {24, 20, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.view);
    ASSERT_EQ(this->AddTooth(c.window, c.point, "Incisivo", -1, c.cell), 1);
    CQlmGeom3D* tooth = this->Tooth(this->Teeth.GetCount() - 1);
    double position[3];
    tooth->GetPosition(position);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(position[i], c.expected[i], 1e-4);
    // The label at the placed mesh's centre.
    double bounds[6];
    tooth->GetPlacedMesh()->GetBounds(bounds);
    const double* label = tooth->GetLabelActor()->GetPositionCoordinate()->GetValue();
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(label[i], (bounds[2 * i] + bounds[2 * i + 1]) / 2, 1e-3);
  }
  const double point[3] = {5, 5, 0};
  ASSERT_EQ(this->AddTooth(&this->Window3D, point), 1);
  EXPECT_TRUE(this->Tooth(this->Teeth.GetCount() - 1)->GetMatrix()->IsIdentity());
}

// Axial clicks turn the object to the nearest section position, not to the click's foot point.
TEST_F(CQlmGeomContainerTest, AxialPlacementTakesTheSectionOrientation) {
  const float bent[9] = {-30, 0, 0, 0, 20, 0, 30, 0, 0};
  ASSERT_TRUE(this->Arch.SetPoints(3, bent));
  this->Calculator.Update();
  const double point[3] = {-10, 0, 0};
  ASSERT_EQ(this->AddTooth(&this->Axial, point), 1);
  vtkNew<vtkMatrix4x4> expected;
  {
    // No indicators: the first nine sections, i.e. section 4 at arc 8.
    double section[16];
    this->Calculator.GetSectionMatrix(8.0f, section);
    section[3] = section[7] = section[11] = 0;
    vtkNew<vtkMatrix4x4> r;
    r->DeepCopy(section);
    r->Invert();
    vtkNew<vtkTransform> t;
    t->RotateX(90);
    t->Concatenate(r);
    expected->DeepCopy(t->GetMatrix());
  }
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      EXPECT_NEAR(this->Tooth(0)->GetMatrix()->GetElement(row, column), expected->GetElement(row, column), 1e-6);
}

}  // namespace
