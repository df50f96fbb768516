#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRenderWindow.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "QlmRecordingCore.h"
#include "QlmSceneFixtures.h"
#include "app/CQlmDegradation.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

namespace {

using Calls = std::vector<std::string>;
constexpr unsigned Left = QlmMouseFlag::LeftButton;
constexpr unsigned Right = QlmMouseFlag::RightButton;
constexpr unsigned Middle = QlmMouseFlag::MiddleButton;

class RecordingDegradation : public CQlmDegradation {
public:
  void StartInteraction() override { this->Log.push_back("start"); }
  void EndInteraction() override { this->Log.push_back("end"); }
  Calls Log;
};

// A 400 x 300 view with a 40 mm square at the centre, where the clicks land.
class CQlmInteractorStyle3Test : public ::testing::Test {
protected:
  static constexpr int X = 200;
  static constexpr int Y = 149;

  void SetUp() override {
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window->RenderWindow->SetSize(400, 300);
    this->Camera()->SetPosition(0, 0, 100);
    this->Window->Renderer3->AddActor(this->Square);
    this->Style.reset(CQlmInteractorStyle3::New());
    this->Style->SetWindow(this->Window.get());
    this->Style->SetDegradation(&this->Degradation);
    this->Core = std::make_unique<QlmRecordingCore>("t", this->Style->GetRecord(), this->Square);
    this->Style->SetCore(this->Core.get());
  }

  void Enter(int state) {
    this->Style->SetMode(state);
    this->Style->GetRecord()->PickedActor = nullptr;
    this->Core->Calls.clear();
    this->Degradation.Log.clear();
  }

  vtkCamera* Camera() { return this->Window->Renderer3->GetActiveCamera(); }

  std::array<double, 3> ViewUp() {
    const double* up = this->Camera()->GetViewUp();
    return {up[0], up[1], up[2]};
  }
  std::array<double, 3> Position() {
    const double* position = this->Camera()->GetPosition();
    return {position[0], position[1], position[2]};
  }

  vtkSmartPointer<vtkActor> Square = QlmSceneFixtures::Square(0, 0, 0, 40, 1, 1, 1);
  RecordingDegradation Degradation;
  std::unique_ptr<CQlm3DWindow> Window;
  std::unique_ptr<CQlmInteractorStyle3> Style;
  std::unique_ptr<QlmRecordingCore> Core;
};

TEST_F(CQlmInteractorStyle3Test, ClicksActByState) {
  struct Case {
    int state;
    Calls press;
    Calls doubleClick;
  };
  const Case cases[] = {
      {1, {"t 101 s1 picked"}, {"t 106 s1 picked"}},
      {20, {"t 101 s20 picked"}, {"t 106 s20"}},  // object states: no pick on a double click
      {27, {"t 101 s27 picked"}, {"t 106 s27"}},
      {42, {"t 101 s42 picked"}, {"t 106 s42"}},
      {53, {"t 101 s53 picked"}, {"t 106 s53"}},
      {70, {"t 101 s70"}, {"t 106 s70"}},  // a point only, no pick
      {71, {"t 101 s71"}, {"t 106 s71"}},
      {73, {"t 101 s73 picked"}, {}},
      {61, {}, {}},
      {68, {}, {}},
  };
  for (const Case& c : cases) {
    this->Enter(c.state);
    this->Style->OnLeftButtonDown(Left, X, Y);
    EXPECT_EQ(this->Core->Calls, c.press) << "state " << c.state;
    this->Enter(c.state);
    this->Style->OnLeftButtonDblClk(Left, X, Y);
    EXPECT_EQ(this->Core->Calls, c.doubleClick) << "state " << c.state;
    EXPECT_EQ(this->Style->LastPosition[1], 300 - 1 - Y);
  }
}

TEST_F(CQlmInteractorStyle3Test, RightReleaseKeepsThePreviousEventWord) {
  struct Case {
    int state;
    Calls calls;
    Calls degradation;
  };
  const Case cases[] = {{25, {"t 103 s25 picked"}, {}},
                        {45, {"t 103 s45 picked"}, {}},
                        {61, {}, {"end"}},  // ends a roll
                        {20, {}, {}}};
  for (const Case& c : cases) {
    this->Enter(c.state);
    this->Style->OnRightButtonDown(Right, X, Y);
    this->Style->OnRightButtonUp(0, X, Y);
    EXPECT_EQ(this->Style->GetRecord()->Event, QlmEvent::RightDown) << "state " << c.state;
    EXPECT_EQ(this->Core->Calls, c.calls) << "state " << c.state;
    EXPECT_EQ(this->Degradation.Log, c.degradation) << "state " << c.state;
  }
}

TEST_F(CQlmInteractorStyle3Test, DragsStartAndEndTheDegradation) {
  struct Case {
    int state;
    unsigned dragFlags;
    Calls degradation;
  };
  const Case cases[] = {
      {60, Left, {"start", "start", "end"}},
      {20, Left, {"start", "start", "end"}},
      {66, Left, {"start", "start", "end"}},
      {67, Left, {"end"}},  // the rubber band itself degrades nothing
      {70, Left, {}},
      {73, Left, {}},
      {1, Left, {}},
      {0, Middle, {"start", "start", "end"}},  // middle drag pans in every state
  };
  for (const Case& c : cases) {
    this->Enter(c.state);
    this->Style->OnLeftButtonDown(c.dragFlags, X, Y);
    this->Style->OnMouseMove(c.dragFlags, X + 5, Y + 5);
    this->Style->OnMouseMove(c.dragFlags, X + 9, Y + 7);
    if (c.dragFlags == Middle) {
      this->Style->OnMiddleButtonUp(0, X + 9, Y + 7);
    } else {
      this->Style->OnLeftButtonUp(0, X + 9, Y + 7);
    }
    EXPECT_EQ(this->Degradation.Log, c.degradation) << "state " << c.state;
  }
}

TEST_F(CQlmInteractorStyle3Test, TrackballRotatesInsideTheCircleAndRollsOutside) {
  this->Enter(QlmState::DragZoom);
  this->Style->OnLeftButtonDown(Left, X + 20, Y);
  EXPECT_EQ(this->Style->GetInsideRotationCircle(), 1);
  auto up = this->ViewUp();
  this->Style->OnMouseMove(Left, X + 40, Y);
  EXPECT_NE(this->Position(), (std::array<double, 3>{0, 0, 100}));  // the camera went round the centre

  this->Camera()->SetPosition(0, 0, 100);
  this->Camera()->SetViewUp(0, 1, 0);
  this->Style->OnLeftButtonDown(Left, 5, 5);
  EXPECT_EQ(this->Style->GetInsideRotationCircle(), 0);
  this->Style->OnMouseMove(Left, 5, 60);
  EXPECT_EQ(this->Position(), (std::array<double, 3>{0, 0, 100}));  // a roll keeps the eye
  EXPECT_NE(this->ViewUp(), up);
}

TEST_F(CQlmInteractorStyle3Test, CameraRotationStatesRollWithTheRightButton) {
  this->Enter(QlmState::RotateAboutCenter);
  this->Style->LastPosition[0] = 10;
  this->Style->LastPosition[1] = 150;
  this->Style->OnMouseMove(Right, 200, 10);
  EXPECT_EQ(this->Position(), (std::array<double, 3>{0, 0, 100}));
  EXPECT_NE(this->ViewUp(), (std::array<double, 3>{0, 1, 0}));

  this->Camera()->SetViewUp(0, 1, 0);
  this->Style->OnMouseMove(0, 300, 20);  // neither button: nothing
  EXPECT_EQ(this->ViewUp(), (std::array<double, 3>{0, 1, 0}));
}

TEST_F(CQlmInteractorStyle3Test, WheelZoomsInStateZero) {
  this->Enter(0);
  this->Camera()->SetParallelScale(34);
  this->Style->OnMouseWheel(0, -120, X, Y);
  EXPECT_NEAR(this->Camera()->GetParallelScale(), 40, 1e-5);
  this->Style->OnMouseWheel(0, 120, X, Y);
  EXPECT_NEAR(this->Camera()->GetParallelScale(), 34, 1e-5);
}

}  // namespace
