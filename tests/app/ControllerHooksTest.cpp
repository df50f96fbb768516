#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordingIndicatorHook.h"
#include "WindowlessControllerFixture.h"

namespace {

using ::testing::ElementsAre;

class CountingArchListener : public CQlmArchListener {
public:
  void UpdateCutters() override { ++this->Calls; }
  int Calls = 0;
};

using ControllerHooksFixture = WindowlessControllerFixture;

TEST_F(ControllerHooksFixture, CrossIndicatorToggleFlipsTheSwitchAndTellsTheIndicators) {
  RecordingIndicatorHook hook;
  this->Q->IndicatorHook = &hook;
  this->Q->Toggle3DCrossIndicator();
  EXPECT_EQ(this->Q->IndicatorSwitches[4], 1);
  EXPECT_EQ(this->Q->Modified, 1);
  this->Q->Toggle3DCrossIndicator();
  EXPECT_EQ(this->Q->IndicatorSwitches[4], 0);
  EXPECT_THAT(hook.Calls, ElementsAre("Cross3D 1", "Cross3D 0"));
  EXPECT_EQ(this->Q->IndicatorSwitches[3] + this->Q->IndicatorSwitches[5], 0);
}

TEST_F(ControllerHooksFixture, WithoutIndicatorsTheHookCallsDoNothing) {
  this->Q->Toggle3DCrossIndicator();
  this->Q->Indicators().Update();
  EXPECT_EQ(this->Q->IndicatorSwitches[4], 1);
}

TEST_F(ControllerHooksFixture, ArchChangeReachesEveryJoinedContainerOnce) {
  CountingArchListener implants, nerves;
  this->Q->ArchListeners[CQlmArchListener::Implants] = &implants;
  this->Q->ArchListeners[CQlmArchListener::Nerves] = &nerves;
  this->Q->ArchChanged();
  EXPECT_EQ(implants.Calls, 1);
  EXPECT_EQ(nerves.Calls, 1);
}

}  // namespace
