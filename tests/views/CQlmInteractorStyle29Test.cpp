#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRenderWindow.h>

#include <memory>
#include <string>
#include <vector>

#include "QlmRecordingCore.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/QlmInteraction.h"

namespace {

using Calls = std::vector<std::string>;
constexpr unsigned Left = QlmMouseFlag::LeftButton;
constexpr unsigned Right = QlmMouseFlag::RightButton;
constexpr unsigned Ctrl = QlmMouseFlag::Control;

// A 300 x 300 window: third lines at 100 and 200 pixels. The presses hold
// Ctrl in the object states, so nothing is picked (a 3x3 pick renders).
class CQlmInteractorStyle29Test : public ::testing::Test {
protected:
  void SetUp() override {
    this->Window.reset(CQlm3DWindow9::New(2));
    this->Window->RenderWindow->SetSize(300, 300);
    this->Style.reset(CQlmInteractorStyle29::New());
    this->Style->SetWindow(this->Window.get());
    this->Core = std::make_unique<QlmRecordingCore>("t", this->Style->GetRecord(), nullptr);
    this->Style->SetCore(this->Core.get());
  }

  std::unique_ptr<CQlm3DWindow9> Window;
  std::unique_ptr<CQlmInteractorStyle29> Style;
  std::unique_ptr<QlmRecordingCore> Core;
};

TEST_F(CQlmInteractorStyle29Test, SelectCellFindsTheCellUnderThePointer) {
  struct Case {
    int x;
    int y;  // display coordinates, y up
    int cell;
  };
  const Case cases[] = {{50, 250, 0},  {150, 250, 1}, {250, 250, 2}, {50, 150, 3}, {150, 150, 4},
                        {299, 150, 5}, {0, 0, 6},     {150, 50, 7},  {250, 99, 8}, {100, 50, 8},
                        {250, 200, 8}, {200, 120, 8}, {50, 100, 8}};  // on a third line: unchanged
  for (const Case& c : cases) {
    this->Style->SelectCell(c.x, c.y);
    EXPECT_EQ(this->Style->GetRecord()->CurrentCell, c.cell) << c.x << "," << c.y;
  }
  this->Window->SetSingleCell(1);
  this->Style->SelectCell(10, 10);
  EXPECT_EQ(this->Style->GetRecord()->CurrentCell, 4);
}

TEST_F(CQlmInteractorStyle29Test, PressesSelectTheirCellFirstDoubleClicksDoNot) {
  this->Style->SetMode(QlmState::MoveInPlaneXY);
  this->Core->Calls.clear();
  this->Style->OnLeftButtonDown(Left | Ctrl, 250, 50);  // window y down: cell 2
  EXPECT_EQ(this->Style->GetRecord()->CurrentCell, 2);
  this->Style->OnLeftButtonDblClk(Left | Ctrl, 50, 250);  // cell 6: not selected
  EXPECT_EQ(this->Style->GetRecord()->CurrentCell, 2);
  this->Style->OnRightButtonDown(Right | Ctrl, 50, 150);  // cell 3
  EXPECT_EQ(this->Style->GetRecord()->CurrentCell, 3);
  EXPECT_EQ(this->Core->Calls, (Calls{"t cross 101 s20 ctrl", "t cross 106 s20 ctrl", "t cross 103 s20 ctrl"}));
}

TEST_F(CQlmInteractorStyle29Test, RightReleaseNeverReachesTheTool) {
  this->Style->SetMode(QlmState::MoveInPlaneXY);
  this->Core->Calls.clear();
  this->Style->OnRightButtonUp(0, 150, 150);
  EXPECT_EQ(this->Style->GetRecord()->Event, QlmEvent::RightUp);
  EXPECT_TRUE(this->Core->Calls.empty());
}

TEST_F(CQlmInteractorStyle29Test, AttachingACoreActivatesItOnTheCrossSectionWindow) {
  QlmRecordingCore other("u", this->Style->GetRecord(), nullptr);
  this->Style->SetCore(&other);
  this->Style->SetCore(&other);
  this->Style->SetCore(nullptr);
  EXPECT_EQ(this->Core->Calls, (Calls{"t activate cross", "t deactivate cross"}));
  EXPECT_EQ(other.Calls, (Calls{"u activate cross", "u deactivate cross"}));
}

}  // namespace
