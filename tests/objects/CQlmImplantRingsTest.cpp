#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkAlgorithm.h>
#include <vtkAlgorithmOutput.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkTransform.h>

#include <string>
#include <vector>

#include "ImplantScene.h"
#include "objects/CQlmImplantRings.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkPolyDataCutterAxial.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"

namespace {

// The implants and their rings.
class CQlmImplantRingsTest : public ::testing::Test, public ImplantScene {
protected:
  void SetUp() override {
    this->Rings.SetInput(this->Image, &this->Calculator, 2.0f, this->Implants.GetList3D(),
                         this->Implants.GetListPanoramic());
    this->Rings.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);
  }
  // A generic implant and its ring, as the insert tool adds them.
  void Add(float diameter) {
    ASSERT_EQ(this->AddImplant(diameter), 1);
    ASSERT_EQ(this->Rings.AddRing(-1), 1);
  }
  void ExpectParallel() {
    ASSERT_EQ(this->Rings.GetCount(), this->Implants.GetCount());
    for (int i = 0; i < this->Rings.GetCount(); ++i) {
      CQlmImplantRing3D* ring = this->Rings.GetList3D()->GetListItemAt(i);
      EXPECT_EQ(ring->GetImplant(), this->Implants.GetList3D()->GetListItemAt(i)) << "ring " << i;
      EXPECT_EQ(this->Rings.GetListAxial()->GetListItemAt(i)->GetRing(), ring);
      EXPECT_EQ(this->Rings.GetListCross()->GetListItemAt(i)->GetRing(), ring);
      EXPECT_EQ(this->Rings.GetListPanoramic()->GetListItemAt(i)->GetRing(), ring);
    }
  }
  std::vector<CQlmMeshCut*> Cuts(int i) {
    return {this->Rings.GetListAxial()->GetListItemAt(i), this->Rings.GetListCross()->GetListItemAt(i),
            this->Rings.GetListPanoramic()->GetListItemAt(i)};
  }

  CQlmImplantRings Rings;
};

TEST(CQlmImplantRingsClasses, DiameterClassesWithTheBoundaryOfTwoMillimetres) {
  struct Case {
    float diameter;
    int library;
    int diameterClass;
  };
  const std::vector<Case> cases = {{0.0f, 0, 0}, {1.9f, 0, 0}, {2.0f, 0, 0}, {2.01f, 0, 1}, {3.5f, 0, 1},
                                   {3.75f, 0, 2}, {4.1f, 0, 2}, {4.2f, 0, 3}, {6.0f, 0, 3},  {6.5f, 0, 4},
                                   {-1.0f, 0, 4}, {3.75f, 1, CQlmImplantRings::LibraryClass}};
  for (const Case& c : cases) {
    EXPECT_EQ(CQlmImplantRings::DiameterClass(c.diameter, c.library), c.diameterClass) << c.diameter;
  }
  EXPECT_FLOAT_EQ(CQlmImplantRings::GetRingSet(2).Outer, 5.0f);
  EXPECT_FLOAT_EQ(CQlmImplantRings::GetRingSet(2).Inner, 4.1f);
  EXPECT_FLOAT_EQ(CQlmImplantRings::GetRingSet(4).Inner, 6.1f);
  const std::vector<float> cyan(CQlmImplantRings::GetClassColor(4), CQlmImplantRings::GetClassColor(4) + 3);
  EXPECT_EQ(cyan, (std::vector<float>{0, 1, 1}));
}

TEST_F(CQlmImplantRingsTest, RingTakesItsClassSizeAndColourOrTheLibraryValues) {
  this->Add(3.75f);
  CQlmImplantRing3D* ring = this->Rings.GetList3D()->GetFirst();
  vtkNew<vtkMatrix4x4> identity;
  this->Implants.GetList3D()->GetFirst()->SetMatrix(identity->GetData());
  vtkPolyData* placed = vtkPolyData::SafeDownCast(ring->GetOutputPort()->GetProducer()->GetOutputDataObject(0));
  ring->GetOutputPort()->GetProducer()->Update();
  double bounds[6];
  placed->GetBounds(bounds);
  EXPECT_NEAR(bounds[1], 2.5, 1e-6);
  EXPECT_NEAR(bounds[4], 5.0, 1e-6);
  EXPECT_NEAR(bounds[5], 9.0, 1e-6);
  double color[3];
  ring->GetActor()->GetProperty()->GetColor(color);
  EXPECT_EQ(std::vector<double>(color, color + 3), (std::vector<double>{1, 1, 0}));

  // A library implant's own ring whatever its diameter.
  CQlmImplant3D* implant = this->Implants.GetList3D()->GetFirst();
  implant->LibraryImplant = 1;
  const float values[7] = {2, 4, 8, 7, 0.25f, 0.5f, 0.75f};
  std::copy(values, values + 7, implant->RingValues);
  this->Rings.RebuildRing(0);
  ring = this->Rings.GetList3D()->GetFirst();
  ring->GetOutputPort()->GetProducer()->Update();
  vtkPolyData::SafeDownCast(ring->GetOutputPort()->GetProducer()->GetOutputDataObject(0))->GetBounds(bounds);
  EXPECT_NEAR(bounds[1], 4.0, 1e-6);
  EXPECT_NEAR(bounds[4], 2.0, 1e-6);
  EXPECT_NEAR(bounds[5], 4.0, 1e-6);
  this->Rings.GetListAxial()->GetFirst()->GetActor()->GetProperty()->GetColor(color);
  EXPECT_NEAR(color[2], 0.75, 1e-6);
}

TEST_F(CQlmImplantRingsTest, RemovingSelectedImplantsRingsFirstKeepsTheListsParallel) {
  for (float diameter : {1.5f, 3.0f, 3.75f, 5.0f, 6.5f}) this->Add(diameter);
  this->ExpectParallel();
  for (int i = 0; i < 5; ++i) this->Implants.GetList3D()->GetListItemAt(i)->SetSelected(i == 1 || i == 3);
  EXPECT_EQ(this->Rings.RemoveSelected(), 1);
  EXPECT_EQ(this->Implants.RemoveSelected(), 1);
  this->ExpectParallel();
  EXPECT_EQ(this->Rings.GetCount(), 3);
  EXPECT_FLOAT_EQ(this->Rings.GetList3D()->GetListItemAt(1)->GetImplant()->GetDiameter(), 3.75f);
  EXPECT_EQ(this->Rings.RemoveSelected(), 0);
}

TEST_F(CQlmImplantRingsTest, RingFollowsACommitUnasked) {
  this->Add(4.0f);
  this->Implants.SetAxialIndex(20);
  this->Rings.SetAxialIndex(20);
  vtkNew<vtkTransform> placement;
  placement->Translate(30, 20, 12);  // the ring from z = 17 to 21 crosses slice 20 (z = 20)
  CQlmImplant3D* implant = this->Implants.GetList3D()->GetFirst();
  implant->SetMatrix(placement->GetMatrix()->GetData());
  CQlmImplantAxial* implantCut = this->Implants.GetListAxial()->GetFirst();
  CQlmImplantRingAxial* ringCut = this->Rings.GetListAxial()->GetFirst();
  implantCut->GetCutter()->Update();
  ringCut->GetAxialCutter()->Update();
  double before[6], after[6];
  ringCut->GetAxialCutter()->GetOutput()->GetBounds(before);

  vtkNew<vtkTransform> drag;
  drag->Translate(3, 4, 0);
  implantCut->SetUserMatrix(drag->GetMatrix());
  ringCut->SetUserMatrix(drag->GetMatrix());
  // The ring's preview turns about the same point as the implant's.
  for (int e = 0; e < 16; ++e) {
    EXPECT_NEAR(ringCut->GetUserTransform()->GetMatrix()->GetData()[e],
                implantCut->GetScrewUserTransform()->GetMatrix()->GetData()[e], 1e-12);
  }
  implantCut->ApplyUserMatrix();
  ringCut->ResetUserMatrix();
  ringCut->GetAxialCutter()->Update();
  ringCut->GetAxialCutter()->GetOutput()->GetBounds(after);
  EXPECT_NEAR(after[0] - before[0], 3, 1e-6);
  EXPECT_NEAR(after[2] - before[2], 4, 1e-6);
}

TEST_F(CQlmImplantRingsTest, HiddenRingsStayHidden) {
  this->Add(4.0f);
  this->Add(5.0f);
  this->Rings.GetList3D()->GetListItemAt(0)->SetVisibility(0);
  for (CQlmMeshCut* cut : this->Cuts(0)) cut->SetVisibility(0);
  this->Rings.RebuildRing(0);
  EXPECT_EQ(this->Rings.GetList3D()->GetListItemAt(0)->GetActor()->GetVisibility(), 0);
  for (CQlmMeshCut* cut : this->Cuts(0)) EXPECT_EQ(cut->GetActor()->GetVisibility(), 0);

  // The ring of an invisible implant stays hidden when it is shown.
  this->Implants.GetList3D()->GetListItemAt(1)->SetVisibility(0);
  this->Rings.GetList3D()->GetListItemAt(1)->SetVisibility(1);
  EXPECT_EQ(this->Rings.GetList3D()->GetListItemAt(1)->GetActor()->GetVisibility(), 0);
  for (CQlmMeshCut* cut : this->Cuts(1)) {
    cut->SetVisibility(1);
    EXPECT_EQ(cut->GetActor()->GetVisibility(), 0);
  }

  // Indices that do not exist change nothing.
  for (int bad : {-1, 2}) this->Rings.RebuildRing(bad);
  EXPECT_EQ(this->Rings.GetCount(), 2);
  EXPECT_EQ(this->Rings.AddRing(4), 0);
  EXPECT_EQ(this->Rings.GetCount(), 2);
}

TEST_F(CQlmImplantRingsTest, ViewSettingsReachEveryRing) {
  this->Add(4.0f);
  this->Rings.SetPanoramicThick(1);
  this->Add(5.0f);
  for (int i = 0; i < 2; ++i) {
    CQlmImplantRingPanoramic* panoramic = this->Rings.GetListPanoramic()->GetListItemAt(i);
    EXPECT_EQ(panoramic->GetPanoramicCutter()->GetThick(), 1);
    EXPECT_DOUBLE_EQ(panoramic->GetActor()->GetProperty()->GetOpacity(), 0.3);
  }
  this->Rings.SetCrossIndex(5);
  this->Rings.SetCrossSpacing(4.0f);
  EXPECT_EQ(this->Rings.GetListCross()->GetListItemAt(1)->GetCrossIndex(), 1);
  this->Rings.SetAxialIndex(12);
  EXPECT_EQ(this->Rings.GetListAxial()->GetListItemAt(0)->GetAxialIndex(), 12);
  EXPECT_TRUE(this->Axial.Holds(2, this->Rings.GetListAxial()->GetListItemAt(1)->GetActor()));
  EXPECT_TRUE(this->Window3D.Holds(3, this->Rings.GetList3D()->GetListItemAt(1)->GetActor()));
}

}  // namespace
