// The controller's Undo and Redo over the object tools, and when the frames enable them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "QlmSnapshotTool.h"
#include "WindowlessControllerFixture.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmCommandRules.h"

namespace {

using ::testing::ElementsAre;

// A controller with its objects, no windows, and snapshot tools for teeth and implants.
class UndoCommandsFixture : public WindowlessControllerFixture {
protected:
  void SetUp() override {
    WindowlessControllerFixture::SetUp();
    this->Q->ProjectOpen = 1;
    this->Q->SetUndoTool(CQlmUndoable::Tooth, &this->Teeth);
    this->Q->SetUndoTool(CQlmUndoable::Implant, &this->Implants);
  }
  void Repeat(void (CQlmQuorvantile::*command)(), int times) {
    for (int step = 0; step < times; ++step) (this->Q->*command)();
  }
  bool UndoEnabled() {
    QlmCommandContext context{nullptr, *this->Q};
    return QlmCommandRules::OpenWithUndo(context);
  }
  bool RedoEnabled() {
    QlmCommandContext context{nullptr, *this->Q};
    return QlmCommandRules::OpenWithRedo(context);
  }

  std::vector<std::string> Calls;
  QlmSnapshotTool Teeth{CQlmUndoable::Tooth, "teeth", &Calls};
  QlmSnapshotTool Implants{CQlmUndoable::Implant, "implant", &Calls};
};

TEST_F(UndoCommandsFixture, UndoAndRedoFollowTheOrderOfTheChangesAcrossKinds) {
  this->Teeth.PushUndo(2, -1, 0);
  this->Implants.PushUndo(3, -1, 0);
  this->Q->Undo();
  this->Q->Undo();
  this->Q->Redo();
  this->Q->Redo();
  EXPECT_THAT(this->Calls, ElementsAre("implant undo", "teeth undo", "teeth redo", "implant redo"));
}

// A tool keeps 25 snapshots against the history's 100 codes: the code of a
// tool with nothing left is dropped, so the implant change is not lost.
TEST_F(UndoCommandsFixture, ACodeWhoseToolHasNothingLeftIsDroppedNotMoved) {
  for (int change = 0; change < 25; ++change) this->Teeth.PushUndo(2, -1, 0);
  this->Implants.PushUndo(2, -1, 0);
  this->Teeth.PushUndo(2, -1, 0);
  this->Repeat(&CQlmQuorvantile::Undo, 27);
  this->Repeat(&CQlmQuorvantile::Redo, 27);
  this->Calls.clear();
  this->Repeat(&CQlmQuorvantile::Undo, 2);
  EXPECT_THAT(this->Calls, ElementsAre("teeth undo", "implant undo"));
}

TEST_F(UndoCommandsFixture, CommandsAreEnabledOnlyWithACodeInTheirListAndAProjectOpen) {
  EXPECT_FALSE(this->UndoEnabled());
  EXPECT_FALSE(this->RedoEnabled());
  this->Q->Undo();
  this->Q->Redo();
  EXPECT_TRUE(this->Calls.empty());
  this->Teeth.PushUndo(2, -1, 0);
  EXPECT_TRUE(this->UndoEnabled());
  EXPECT_FALSE(this->RedoEnabled());
  this->Q->Undo();
  EXPECT_FALSE(this->UndoEnabled());
  EXPECT_TRUE(this->RedoEnabled());
  this->Q->ProjectOpen = 0;
  EXPECT_FALSE(this->RedoEnabled());
}

TEST_F(UndoCommandsFixture, ANewChangeAfterUndoLeavesNothingToRedo) {
  this->Implants.PushUndo(2, -1, 0);
  this->Teeth.PushUndo(2, -1, 0);
  this->Q->Undo();
  this->Q->Undo();
  this->Teeth.PushUndo(2, -1, 0);
  this->Q->Redo();
  EXPECT_THAT(this->Calls, ElementsAre("teeth undo", "implant undo"));
  EXPECT_FALSE(this->RedoEnabled());
}

}  // namespace
