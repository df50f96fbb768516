#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRenderWindow.h>

#include <memory>
#include <string>
#include <vector>

#include "QlmRecordingCore.h"
#include "QlmSceneFixtures.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/QlmInteraction.h"

namespace {

using Calls = std::vector<std::string>;
constexpr unsigned Left = QlmMouseFlag::LeftButton;
constexpr unsigned Right = QlmMouseFlag::RightButton;
constexpr unsigned Middle = QlmMouseFlag::MiddleButton;
constexpr unsigned Ctrl = QlmMouseFlag::Control;

// A 400 x 300 view with a 40 mm square at the centre, where the clicks land.
class CQlmInteractorStyle2Test : public ::testing::Test {
protected:
  static constexpr int X = 200;
  static constexpr int Y = 149;  // window coordinates of the view centre

  void SetUp() override {
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window->RenderWindow->SetSize(400, 300);
    this->Window->Renderer3->GetActiveCamera()->SetPosition(0, 0, 100);
    this->Window->Renderer3->AddActor(this->Square);
    this->Style.reset(CQlmInteractorStyle2::New());
    this->Style->SetWindow(this->Window.get());
    this->Style->PickSearchRadius = 2;
    this->Core = std::make_unique<QlmRecordingCore>("t", this->Record(), this->Square);
    this->Style->SetCore(this->Core.get());
    this->Core->Calls.clear();
  }

  CQlmInteractorStruct* Record() { return this->Style->GetRecord(); }
  vtkCamera* Camera() { return this->Window->Renderer3->GetActiveCamera(); }

  // Enters `state` with nothing picked and nothing recorded.
  void Enter(int state) {
    this->Style->SetMode(state);
    this->Record()->PickedActor = nullptr;
    this->Core->Calls.clear();
  }

  vtkSmartPointer<vtkActor> Square = QlmSceneFixtures::Square(0, 0, 0, 40, 1, 1, 1);
  std::unique_ptr<CQlm3DWindow> Window;
  std::unique_ptr<CQlmInteractorStyle2> Style;
  std::unique_ptr<QlmRecordingCore> Core;
};

TEST_F(CQlmInteractorStyle2Test, LeftPressActsByState) {
  struct Case {
    int state;
    unsigned flags;
    Calls calls;
  };
  const Case cases[] = {
      {1, Left, {"t 101 s1 picked"}},
      {20, Left, {"t 101 s1 picked"}},  // select first, then the state's own events
      {23, Left, {"t 101 s1 picked"}},
      {24, Left, {"t 101 s1 picked"}},
      {45, Left, {"t 101 s1 picked"}},
      {46, Left, {"t 101 s1 picked"}},
      {20, Left | Ctrl, {"t 101 s20 ctrl"}},  // Ctrl: no pick, the state's own record state
      {45, Left | Ctrl, {"t 101 s45 ctrl"}},
      {46, Left | Ctrl, {"t 101 s46 ctrl"}},
      {50, Left | Ctrl, {"t 101 s1 ctrl picked"}},  // scaling picks regardless of Ctrl
      {54, Left, {"t 101 s1 picked"}},
      {70, Left, {"t 101 s70 picked"}},
      {60, Left, {}},
      {67, Left, {}},
      {68, Left, {}},
      {99, Left, {}},
  };
  for (const Case& c : cases) {
    this->Enter(c.state);
    this->Style->OnLeftButtonDown(c.flags, X, Y);
    EXPECT_EQ(this->Core->Calls, c.calls) << "state " << c.state;
    EXPECT_EQ(this->Record()->Event, QlmEvent::LeftDown) << "state " << c.state;
    EXPECT_EQ(this->Record()->State, c.state) << "state " << c.state;
    EXPECT_EQ(this->Style->PressPosition[0], X);
    EXPECT_EQ(this->Style->PressPosition[1], 300 - 1 - Y);
  }
}

TEST_F(CQlmInteractorStyle2Test, DoubleClickRecordsItsPointsAndSkipsScaling) {
  struct Case {
    int state;
    Calls calls;
  };
  const Case cases[] = {
      {1, {"t 106 s1 picked"}}, {20, {"t 106 s1 picked"}}, {50, {}}, {54, {}}, {70, {"t 106 s70 picked"}}};
  for (const Case& c : cases) {
    this->Enter(c.state);
    this->Style->OnLeftButtonDblClk(Left, X + 3, Y);
    EXPECT_EQ(this->Core->Calls, c.calls) << "state " << c.state;
    EXPECT_EQ(this->Record()->Event, QlmEvent::LeftDoubleClick);
    EXPECT_EQ(this->Record()->DoubleClickWindow[0], X + 3);
    EXPECT_EQ(this->Record()->DoubleClickWindow[1], Y);
    EXPECT_EQ(this->Record()->DoubleClickDisplay[0], X + 3);
    EXPECT_EQ(this->Record()->DoubleClickDisplay[1], 300 - 1 - Y);
  }
}

TEST_F(CQlmInteractorStyle2Test, ObjectDragsCallTheToolOnEveryStep) {
  struct Case {
    int state;
    Calls calls;
  };
  const Case cases[] = {
      {20, {"t 101 s1 picked", "t 100 s20 picked", "t 100 s20 picked", "t 102 s20 picked"}},
      {46, {"t 101 s1 picked", "t 100 s46 picked", "t 100 s46 picked", "t 102 s46 picked"}},
      {52, {"t 101 s1 picked", "t 100 s52 picked", "t 100 s52 picked", "t 102 s52 picked"}},
      {70, {"t 101 s70 picked", "t 100 s70 picked", "t 100 s70 picked", "t 102 s70 picked"}},
  };
  for (const Case& c : cases) {
    this->Enter(c.state);
    this->Record()->ObjectTransform->Identity();
    this->Style->OnLeftButtonDown(Left, X, Y);
    this->Style->OnMouseMove(Left, X + 10, Y - 20);
    this->Style->OnMouseMove(Left, X + 30, Y - 25);
    this->Style->OnMouseMove(0, X + 50, Y);  // button no longer held: nothing
    this->Style->OnLeftButtonUp(0, X + 50, Y);
    EXPECT_EQ(this->Core->Calls, c.calls) << "state " << c.state;
    EXPECT_EQ(this->Style->LastPosition[0], X + 50);
    EXPECT_EQ(this->Style->ReleasePosition[0], X + 50);
  }
  // The object followed the drag of state 20: 30 pixels right, 25 up, 120 mm a 300-pixel view.
  this->Enter(20);
  this->Record()->ObjectTransform->Identity();
  this->Style->OnLeftButtonDown(Left, X, Y);
  this->Style->OnMouseMove(Left, X + 30, Y - 25);
  double moved[3];
  this->Record()->ObjectTransform->GetPosition(moved);
  EXPECT_NEAR(moved[0], 30 * 0.4, 1e-3);
  EXPECT_NEAR(moved[1], 25 * 0.4, 1e-3);
}

TEST_F(CQlmInteractorStyle2Test, RightButtonActsByState) {
  struct Case {
    int state;
    unsigned pressFlags;
    Calls calls;
  };
  const Case cases[] = {
      {1, Right, {"t 103 s1 picked"}},
      {20, Right, {"t 103 s1 picked", "t 104 s20 picked"}},
      {20, Right | Ctrl, {"t 103 s20 ctrl", "t 104 s20"}},
      {46, Right, {"t 103 s46 picked"}},
      {70, Right, {"t 103 s70 picked"}},
      {45, Right, {}},
  };
  for (const Case& c : cases) {
    this->Enter(c.state);
    this->Style->OnRightButtonDown(c.pressFlags, X - 7, Y + 4);
    EXPECT_EQ(this->Record()->Event, QlmEvent::RightDown);
    EXPECT_EQ(this->Record()->RightPressWindow[0], X - 7);
    EXPECT_EQ(this->Record()->RightPressWindow[1], Y + 4);
    EXPECT_EQ(this->Record()->RightPressDisplay[1], 300 - 1 - (Y + 4));
    this->Style->OnRightButtonUp(0, X, Y);
    EXPECT_EQ(this->Record()->Event, QlmEvent::RightUp);
    EXPECT_EQ(this->Core->Calls, c.calls) << "state " << c.state;
  }
}

TEST_F(CQlmInteractorStyle2Test, StateZeroIgnoresClicksYetPansWithTheMiddleButton) {
  this->Enter(0);
  this->Record()->Event = 0;
  this->Style->OnLeftButtonDown(Left, X, Y);
  this->Style->OnLeftButtonDblClk(Left, X, Y);
  this->Style->OnLeftButtonUp(0, X, Y);
  this->Style->OnRightButtonDown(Right, X, Y);
  this->Style->OnRightButtonUp(0, X, Y);
  EXPECT_EQ(this->Record()->Event, 0);
  EXPECT_EQ(this->Style->PressPosition[0], 0);
  EXPECT_TRUE(this->Core->Calls.empty());

  this->Style->ImageHalfWidth = 1000;
  this->Style->LastPosition[0] = X;
  this->Style->LastPosition[1] = 300 - 1 - Y;
  this->Style->OnMouseMove(Middle, X + 50, Y);
  EXPECT_EQ(this->Record()->Event, QlmEvent::MouseMove);
  EXPECT_EQ(this->Style->LastPosition[0], X + 50);
  EXPECT_NEAR(this->Camera()->GetFocalPoint()[0], -50 * 0.4, 1e-3);  // the picture followed the pointer
}

TEST_F(CQlmInteractorStyle2Test, WheelZoomsInEveryStateWithoutAnEventWord) {
  this->Style->ImageHalfWidth = 100;
  this->Style->ImageHalfHeight = 100;
  for (const int state : {0, 20, 60}) {
    this->Enter(state);
    this->Record()->Event = 0;
    this->Camera()->SetParallelScale(40);
    this->Style->OnMouseWheel(0, 120, X, Y);
    EXPECT_NEAR(this->Camera()->GetParallelScale(), 30, 1e-5) << "state " << state;
    this->Style->OnMouseWheel(0, -240, X, Y);
    EXPECT_NEAR(this->Camera()->GetParallelScale(), 40, 1e-5) << "state " << state;
    EXPECT_EQ(this->Record()->Event, 0);
  }
}

TEST_F(CQlmInteractorStyle2Test, ZoomClickBringsTheClickedPointToTheCentre) {
  this->Style->ImageHalfWidth = 100;
  this->Style->ImageHalfHeight = 100;
  this->Camera()->SetParallelScale(60);
  this->Enter(QlmState::ZoomIn);
  this->Style->OnLeftButtonDown(Left, X + 50, Y + 25);
  EXPECT_NEAR(this->Camera()->GetFocalPoint()[0], 50 * 0.4, 1e-3);
  EXPECT_NEAR(this->Camera()->GetFocalPoint()[1], -25 * 0.4, 1e-3);
  EXPECT_NEAR(this->Camera()->GetParallelScale(), 45, 1e-5);
}

TEST_F(CQlmInteractorStyle2Test, AttachingACoreDeactivatesTheOldOne) {
  QlmRecordingCore other("u", this->Record(), nullptr);
  this->Style->SetCore(this->Core.get());
  this->Style->SetCore(&other);
  this->Style->SetCore(nullptr);
  EXPECT_EQ(this->Core->Calls, (Calls{"t deactivate main"}));
  EXPECT_EQ(other.Calls, (Calls{"u activate main", "u deactivate main"}));
  EXPECT_EQ(this->Style->GetCore(), nullptr);
}

}  // namespace
