#include <gtest/gtest.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkRenderer.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "../ct/ArchTestSupport.h"
#include "TestWindow9.h"
#include "ct/CQlmLayeredWindow9.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmImplantCross9.h"
#include "objects/CQlmImplants.h"
#include "toolkit/vtkImplantAxial.h"
#include "views/CQlmIndicator.h"

namespace {

// A 61 x 61 x 40 volume of 1 mm voxels under a straight 60 mm arch; sections every 2 mm.
class CQlmImplantsTest : public ::testing::Test {
protected:
  void SetUp() override {
    this->Image->SetDimensions(61, 61, 40);
    this->Image->SetSpacing(1, 1, 1);
    this->Arch.SetStraightLine(-30, 10, 30, 10);
    this->Calculator.SetPolyLine(&this->Arch);
    this->Indicator->Initialize(&this->Calculator, this->Image);
    this->Implants.SetInput(this->Image, &this->Calculator, 2.0f, this->Indicator.get());
    this->Implants.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);
  }
  int Add(float diameter, int position) {
    const double point[3] = {0, 0, 0};
    return this->Implants.AddImplant(&this->Axial, point, diameter, 10, 5, 0, position);
  }
  std::vector<float> Diameters() {
    std::vector<float> diameters;
    this->Implants.GetList3D()->ForEach([&](CQlmImplant3D* implant) { diameters.push_back(implant->GetDiameter()); });
    return diameters;
  }
  void ExpectNumbered() {
    CQlmImplants& implants = this->Implants;
    ASSERT_EQ(implants.GetListAxial()->GetCount(), implants.GetCount());
    ASSERT_EQ(implants.GetListCross()->GetCount(), implants.GetCount());
    ASSERT_EQ(implants.GetListPanoramic()->GetCount(), implants.GetCount());
    for (int i = 0; i < implants.GetCount(); ++i) {
      CQlmImplant3D* implant = implants.GetList3D()->GetListItemAt(i);
      EXPECT_EQ(implant->GetNumber(), i + 1);
      EXPECT_EQ(implants.GetListAxial()->GetListItemAt(i)->GetImplant(), implant);
      EXPECT_EQ(implants.GetListCross()->GetListItemAt(i)->GetImplant(), implant);
      EXPECT_EQ(implants.GetListPanoramic()->GetListItemAt(i)->GetImplant(), implant);
      EXPECT_EQ(implants.GetListAxial()->GetListItemAt(i)->GetCutter()->GetNumber(), i + 1);
    }
  }

  vtkNew<vtkImageData> Image;
  CQlmPolyLine Arch;
  CQlmPanoramicCalc Calculator;
  std::unique_ptr<CQlmIndicator, void (*)(CQlmIndicator*)> Indicator{CQlmIndicator::New(), &CQlmIndicator::Delete};
  ArchTestWindow Window3D, Axial, Panoramic;
  TestWindow9 Cross;
  CQlmImplants Implants;
};

TEST_F(CQlmImplantsTest, PositionsPutImplantsInPlaceAndBadOnesChangeNothing) {
  struct Case { const char* name; std::vector<std::pair<float, int>> adds; std::vector<float> diameters; };
  const std::vector<Case> cases = {
      {"appends with -1 and the count", {{1, -1}, {2, 1}, {3, -1}}, {1, 2, 3}},
      {"0 on an empty container", {{1, 0}}, {1}},
      {"0 puts first", {{1, -1}, {2, 0}}, {2, 1}},
      {"k inserts after k - 1", {{1, -1}, {2, -1}, {3, 1}}, {1, 3, 2}},
      {"below -1", {{1, -1}, {2, -2}}, {1}},
      {"beyond the count", {{1, -1}, {2, 2}}, {1}},
      {"far beyond", {{1, -1}, {2, 1000000}}, {1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    this->SetUp();
    for (const auto& [diameter, position] : c.adds) {
      const int count = this->Implants.GetCount();
      const bool valid = position >= -1 && position <= count;
      EXPECT_EQ(this->Add(diameter, position), valid ? 1 : 0);
    }
    EXPECT_EQ(this->Diameters(), c.diameters);
    this->ExpectNumbered();
    while (this->Implants.GetCount() > 0) {
      this->Implants.GetList3D()->GetListItemAt(0)->SetSelected(1);
      this->Implants.RemoveSelected();
    }
  }
}

TEST_F(CQlmImplantsTest, OnlyTheNewImplantIsSelectedInEveryView) {
  this->Add(1, -1);
  this->Add(2, -1);
  EXPECT_EQ(this->Implants.GetList3D()->GetSelectedIndex(), 1);
  EXPECT_EQ(this->Implants.GetListCross()->GetSelectedIndex(), 1);
  EXPECT_EQ(this->Implants.GetListAxial()->GetListItemAt(0)->GetSelected(), 0);
  EXPECT_EQ(this->Implants.GetListPanoramic()->GetListItemAt(1)->GetSelected(), 1);
}

TEST_F(CQlmImplantsTest, RemovingSelectedImplantsRenumbersTheRest) {
  for (float diameter : {1, 2, 3, 4, 5}) this->Add(diameter, -1);
  EXPECT_EQ(this->Implants.RemoveSelected(), 1);  // the last one added is selected
  this->Add(5, -1);
  for (int i = 0; i < 5; ++i) this->Implants.GetList3D()->GetListItemAt(i)->SetSelected(i == 1 || i == 2);
  EXPECT_EQ(this->Implants.RemoveSelected(), 1);
  EXPECT_EQ(this->Diameters(), (std::vector<float>{1, 4, 5}));
  this->ExpectNumbered();
  this->Implants.GetList3D()->ForEach([](CQlmImplant3D* implant) { implant->SetSelected(0); });
  EXPECT_EQ(this->Implants.RemoveSelected(), 0);
  this->ExpectNumbered();
}

TEST_F(CQlmImplantsTest, AxialClickPlacesThePlatformOnTheSliceAndFlipTurnsTheAxis) {
  this->Implants.SetAxialIndex(7);
  const double point[3] = {4, -6, 0};
  this->Implants.AddImplant(&this->Axial, point, 4, 10, 5, 0, -1);
  CQlmImplant3D* lower = this->Implants.GetList3D()->GetLast();
  double position[3];
  lower->GetPosition(position);
  // Centre (30, 30, 19.5); slice 7 of 40 lies 7.5 mm above the bottom face at -20 + 19.5.
  EXPECT_NEAR(position[0], 34, 1e-9);
  EXPECT_NEAR(position[1], 36, 1e-9);
  EXPECT_NEAR(position[2], 19.5 + 7 + 0.5 - 20 + 0.1, 1e-6);
  const double axisLower = lower->GetMatrix()->GetElement(2, 2);

  this->Implants.Flip = 1;
  this->Implants.AddImplant(&this->Axial, point, 4, 10, 5, 0, -1);
  CQlmImplant3D* upper = this->Implants.GetList3D()->GetLast();
  EXPECT_NEAR(upper->GetMatrix()->GetElement(2, 2), -axisLower, 1e-9);
  EXPECT_NEAR(lower->GetMatrix()->GetElement(2, 2), axisLower, 1e-9);
}

// On a bent arch the implant stands in the section through the click: its
// axis lies across the arch there (the view's y runs opposite to world y).
TEST_F(CQlmImplantsTest, AxialClickStandsInTheSectionThroughThePoint) {
  this->Arch.SetStraightLine(-30, 0, 0, 20);
  this->Arch.AddPointAtTail(Translation(30, 0));
  this->Calculator.SetPolyLine(&this->Arch);
  this->Indicator->Initialize(&this->Calculator, this->Image);
  const float length = this->Calculator.GetArchLength();
  for (float at : {0.2f * length, 0.5f * length, 0.8f * length}) {
    float point[3], ahead[3];
    this->Calculator.GetArchPoint(at, point);
    this->Calculator.GetArchPoint(at + 0.5f, ahead);
    const double click[3] = {point[0], point[1], 0};
    this->Implants.AddImplant(&this->Axial, click, 4, 10, 5, 0, -1);
    vtkMatrix4x4* placement = this->Implants.GetList3D()->GetLast()->GetMatrix();
    const double tangent[2] = {ahead[0] - point[0], -(ahead[1] - point[1])};
    const double across = (placement->GetElement(0, 2) * tangent[0] + placement->GetElement(1, 2) * tangent[1]) /
                          std::hypot(tangent[0], tangent[1]);
    EXPECT_NEAR(across, 0.0, 0.05) << "arc " << at;
  }
}

TEST_F(CQlmImplantsTest, SectionSpacingKeepsTheFirstIndexWithinTheArch) {
  this->Add(4, -1);
  CQlmImplantCross9* cross = this->Implants.GetListCross()->GetListItemAt(0);
  ASSERT_EQ(cross->GetLargestIndex(), 22);
  this->Implants.SetCrossIndex(11);
  this->Implants.SetCrossSpacing(4.0f);  // largest 7: half of it
  EXPECT_EQ(cross->GetLargestIndex(), 7);
  EXPECT_EQ(cross->GetCrossIndex(), 3);
  this->Implants.SetCrossSpacing(10.0f);  // arch shorter than nine sections
  EXPECT_EQ(cross->GetCrossIndex(), 0);
  this->Implants.SetCrossSpacing(2.0f);  // from a largest index below 1
  EXPECT_EQ(cross->GetCrossIndex(), 0);
  for (int bad : {-1, 23}) {
    cross->SetCrossIndex(bad);
    EXPECT_EQ(cross->GetCrossIndex(), 0);
  }
}

}  // namespace
