// Every tool of the controller's tool table: the core on each style, the
// core's mode and the four interaction states, on a controller without
// windows whose editing tools are recording doubles.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "WindowlessControllerFixture.h"
#include "app/CQlmQuorvantile.h"
#include "tests/views/QlmRecordingCore.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

// "kept": the style keeps what it had; -1: the state stays.
constexpr int K = -1;

struct ExpectedTool {
  int Tool;
  std::string Core;  // the core whose mode the tool writes, "" for none
  int Mode;
  std::array<std::string, 4> Cores;  // 3D, axial, panoramic, cross-section; "" none
  std::array<int, 4> States;
};

const std::array<std::string, 4> All(const std::string& core) { return {core, core, core, core}; }

// The tool table of the program's documentation, written out.
const ExpectedTool Expected[] = {
    {1, "", 0, All(""), {60, 60, 60, 60}},
    {2, "", 0, All(""), {67, 67, 67, 0}},
    {3, "composite", 4, {"", "composite", "composite", "composite"}, {68, 1, 1, 1}},
    {4, "ruler", 9, All("ruler"), {K, K, K, K}},
    {5, "curve", 2, {"", "curve", "", ""}, {K, 1, K, K}},
    {6, "curve", 1, {"", "curve", "", ""}, {K, 20, K, K}},
    {7, "implant", 1, All("implant"), {1, 70, 70, 70}},
    {8, "composite", 2, All("composite"), {25, 20, 20, 20}},
    {9, "composite", 3, All("composite"), {45, 46, 46, 46}},
    {10, "composite", 4, All("composite"), {1, 1, 1, 1}},
    {11, "", 0, All(""), {90, 90, 90, 90}},
    {12, "", 0, All(""), {91, 91, 91, 91}},
    {13, "", 0, All(""), {92, 92, 92, 92}},
    {14, "curve", 0, All("kept"), {K, K, K, K}},
    {15, "curve", 0, All("kept"), {K, K, K, K}},
    {16, "curve", 0, All("kept"), {K, K, K, K}},
    {17, "curve", 0, All("kept"), {K, K, K, K}},
    {18, "curve", 0, All("kept"), {K, K, K, K}},
    {19, "nerve", 0, All("kept"), {K, K, K, K}},
    {20, "nerve", 0, All("kept"), {K, K, K, K}},
    {21, "nerve", 0, All("kept"), {K, K, K, K}},
    {22, "nerve", 0, All("kept"), {K, K, K, K}},
    {23, "nerve", 0, All("kept"), {K, K, K, K}},
    {24, "nerve", 2, {"", "nerve", "nerve", ""}, {0, 1, 1, 0}},
    {25, "nerve", 1, {"", "nerve", "nerve", ""}, {0, 20, 20, 0}},
    {30, "", 0, All("kept"), {K, K, K, K}},
    {40, "orto", 1, All("orto"), {1, 70, 70, 70}},
    {41, "composite", 2, All("composite"), {25, 20, 20, 20}},
    {42, "composite", 3, All("composite"), {45, 46, 46, 46}},
    {43, "composite", 4, All("composite"), {1, 1, 1, 1}},
    {50, "geoms", 1, All("geoms"), {1, 70, 70, 70}},
    {51, "composite", 2, All("composite"), {25, 20, 20, 20}},
    {52, "composite", 3, All("composite"), {45, 46, 46, 46}},
    {53, "composite", 4, All("composite"), {1, 1, 1, 1}},
    {54, "composite", 5, All("composite"), {50, 54, 54, 54}},
    {60, "dentes", 1, All("dentes"), {1, 70, 70, 70}},
    {61, "composite", 2, All("composite"), {25, 20, 20, 20}},
    {62, "composite", 3, All("composite"), {45, 46, 46, 46}},
    {63, "composite", 4, All("composite"), {1, 1, 1, 1}},
    {64, "composite", 5, All("composite"), {50, 54, 54, 54}},
    {70, "endo", 1, All("endo"), {1, 70, 70, 70}},
    {71, "composite", 2, All("composite"), {25, 20, 20, 20}},
    {72, "composite", 3, All("composite"), {45, 46, 46, 46}},
    {73, "composite", 4, All("composite"), {1, 1, 1, 1}},
    {74, "implant", 5, All("implant"), {1, 70, 70, 70}},
};

// A controller with its objects and no windows; every tool slot holds a recording core.
class ToolTableFixture : public WindowlessControllerFixture {
protected:
  void SetUp() override {
    WindowlessControllerFixture::SetUp();
    const char* names[QlmToolRow::CoreCount] = {"",          "ruler", "curve", "implant", "nerve",
                                                "composite", "orto",  "endo",  "geoms",   "dentes"};
    for (int slot = 1; slot < QlmToolRow::CoreCount; ++slot) {
      this->Cores[slot] = std::make_unique<QlmRecordingCore>(names[slot], nullptr, nullptr);
      this->Names[this->Cores[slot].get()] = names[slot];
      this->Q->ToolCores[slot] = this->Cores[slot].get();
    }
    this->Names[&this->Previous] = "kept";
  }
  // Every style with the "kept" core and state 99, every core in mode 9.
  void Prepare() {
    this->Styles([this](auto* style) {
      style->SetCore(&this->Previous);
      style->SetMode(99);
    });
    for (auto& core : this->Cores)
      if (core) core->Mode = 9;
  }
  template <class Action>
  void Styles(Action action) {
    action(this->Q->Style3D);
    action(this->Q->StyleAxial);
    action(this->Q->StylePanoramic);
    action(this->Q->StyleCross);
  }
  std::string NameOf(CQlmCore* core) { return core ? this->Names[core] : ""; }
  int ModeOf(const std::string& name) {
    for (auto& [core, each] : this->Names)
      if (each == name) return core->Mode;
    return 0;
  }

  std::unique_ptr<QlmRecordingCore> Cores[QlmToolRow::CoreCount];
  QlmRecordingCore Previous{"kept", nullptr, nullptr};
  std::map<CQlmCore*, std::string> Names;
};

TEST_F(ToolTableFixture, EveryToolAttachesItsCoreInItsModeAndSetsItsStates) {
  for (const ExpectedTool& expected : Expected) {
    SCOPED_TRACE("tool " + std::to_string(expected.Tool));
    this->Prepare();
    this->Q->SetTool(expected.Tool);
    EXPECT_EQ(this->Q->Tool, expected.Tool);
    if (!expected.Core.empty()) {
      EXPECT_EQ(this->ModeOf(expected.Core), expected.Mode);
    }
    const std::array<std::string, 4> cores = {
        this->NameOf(this->Q->Style3D->GetCore()), this->NameOf(this->Q->StyleAxial->GetCore()),
        this->NameOf(this->Q->StylePanoramic->GetCore()), this->NameOf(this->Q->StyleCross->GetCore())};
    EXPECT_EQ(cores, expected.Cores);
    std::array<int, 4> states = {this->Q->Style3D->GetMode(), this->Q->StyleAxial->GetMode(),
                                 this->Q->StylePanoramic->GetMode(), this->Q->StyleCross->GetMode()};
    for (int& state : states)
      if (state == 99) state = K;
    EXPECT_EQ(states, expected.States);
  }
}

TEST_F(ToolTableFixture, PanAndAreaZoomPutTheRulerCurveAndNerveToolsAtRest) {
  for (void (CQlmQuorvantile::*tool)() : {&CQlmQuorvantile::SetPanMode, &CQlmQuorvantile::SetAreaZoomMode}) {
    this->Prepare();
    (this->Q->*tool)();
    for (const char* name : {"ruler", "curve", "nerve"}) EXPECT_EQ(this->ModeOf(name), 0) << name;
    EXPECT_EQ(this->ModeOf("composite"), 9);
  }
}

TEST_F(ToolTableFixture, OnlyTheZoomsAndTheEditingViewsMarkTheProjectModified) {
  for (const ExpectedTool& expected : Expected) {
    this->Q->Modified = 0;
    this->Q->SetTool(expected.Tool);
    const bool modifies = (expected.Tool >= 11 && expected.Tool <= 23);
    EXPECT_EQ(this->Q->Modified, modifies ? 1 : 0) << "tool " << expected.Tool;
  }
}

TEST_F(ToolTableFixture, ANumberWithoutAToolChangesNothing) {
  this->Q->SetTool(6);
  for (int tool : {0, 26, 31, 75, -1}) this->Q->SetTool(tool);
  EXPECT_EQ(this->Q->Tool, 6);
}

TEST_F(ToolTableFixture, SwitchingTheViewsOffLeavesToolsThatNeedThem) {
  this->Q->Window3D->Enabled = 1;
  this->Q->SetRotate3DMode();
  this->Q->Toggle3DView();
  EXPECT_EQ(this->Q->Tool, 10);

  this->Q->WindowAxial->Enabled = 1;
  this->Q->CurveEditing = 1;
  this->Q->SetEditCurveMode();
  this->Q->ToggleAxialView();
  EXPECT_EQ(this->Q->Tool, 0);
}

}  // namespace
