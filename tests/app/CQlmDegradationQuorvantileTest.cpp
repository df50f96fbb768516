#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkProperty.h>

#include <vector>

#include "app/CQlmDegradationQuorvantile.h"
#include "objects/CQlmObject.h"
#include "objects/CQlmObjectList.h"

namespace {

class ReducedDisplay : public ::testing::Test {
protected:
  void SetUp() override {
    for (int mode : {1, 2, 0}) this->Objects.AddNewObject()->SetDisplayMode(mode);
    this->Reduction.Objects = &this->Objects;
    this->Reduction.Enabled = 1;
  }
  std::vector<int> Modes() {
    std::vector<int> modes;
    this->Objects.ForEach([&modes](CQlmObject* object) { modes.push_back(object->GetDisplayMode()); });
    return modes;
  }
  // Three drag steps, then the release.
  void Drag() {
    for (int step = 0; step < 3; ++step) this->Reduction.StartInteraction();
    this->DuringDrag = this->Modes();
    this->Reduction.EndInteraction();
  }

  CQlmObjectList Objects;
  CQlmDegradationQuorvantile Reduction;
  std::vector<int> DuringDrag;
};

TEST_F(ReducedDisplay, ShowsPointsDuringADragAndGivesEveryObjectItsModeBack) {
  this->Drag();
  EXPECT_EQ(this->DuringDrag, (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(this->Modes(), (std::vector<int>{1, 2, 0}));
  CQlmObject* wireFrame = this->Objects.GetFirst();
  EXPECT_EQ(wireFrame->GetSurfaceActor()->GetProperty()->GetRepresentation(), VTK_WIREFRAME);
  EXPECT_FALSE(wireFrame->GetPointsActor()->GetVisibility());
}

TEST_F(ReducedDisplay, EachDragKeepsTheModesItFinds) {
  this->Drag();
  this->Objects.GetListItemAt(1)->SetDisplayMode(1);
  this->Drag();
  EXPECT_EQ(this->Modes(), (std::vector<int>{1, 1, 0}));
}

TEST_F(ReducedDisplay, DisabledItChangesNothing) {
  this->Reduction.Enabled = 0;
  this->Drag();
  EXPECT_EQ(this->DuringDrag, (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(this->Modes(), (std::vector<int>{1, 2, 0}));
}

TEST_F(ReducedDisplay, WithoutObjectsOrAStartTheHooksDoNothing) {
  this->Reduction.EndInteraction();
  EXPECT_EQ(this->Modes(), (std::vector<int>{1, 2, 0}));
  CQlmDegradationQuorvantile none;
  none.Enabled = 1;
  none.StartInteraction();
  none.EndInteraction();
  CQlmObjectList empty;
  none.Objects = &empty;
  none.StartInteraction();
  none.EndInteraction();
  EXPECT_EQ(empty.GetCount(), 0);
}

}  // namespace
