// The nerve tool on the sample project: the current nerve's lines edited with
// real mouse events in the axial view and in the nerve window, the reset,
// the centring and the zoom states.
#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkMatrix4x4.h>
#include <vtkRenderer.h>

#include <QApplication>
#include <QMouseEvent>
#include <array>
#include <cmath>

#include "SampleProjectFixture.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmPolyLineNerve.h"
#include "objects/CQlmNerve.h"
#include "objects/CQlmNerves.h"
#include "tools/CQlmCoreNerve.h"
#include "views/CAxialWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

namespace {

using Point = std::array<double, 3>;

Point PointOf(const CQlmPolyLineNerve& line, int index) {
  vtkMatrix4x4* matrix = line.GetBalls().GetListItemAt(index)->GetMatrix();
  return {matrix->GetElement(0, 3), matrix->GetElement(1, 3), matrix->GetElement(2, 3)};
}

Point Between(const Point& a, const Point& b) { return {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2}; }

// `from` moved `distance` mm further along the direction from `towards` to it.
Point Beyond(const Point& from, const Point& towards, double distance) {
  const double dx = from[0] - towards[0];
  const double dy = from[1] - towards[1];
  const double length = std::hypot(dx, dy);
  return {from[0] + distance * dx / length, from[1] + distance * dy / length, from[2]};
}

class NerveToolTest : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (!this->Opened()) return;
    this->Q->NerveEditing = 1;
    this->Nerves().EnterNerveWindow();
    this->Q->CoreNerve->CenterAxialViewOnNerve();
    this->Q->WindowAxial->Render();
    this->Q->WindowPanoramic->Render();
  }

  CQlmNerves& Nerves() { return *this->Q->NerveContainer; }
  CQlmNerve& Nerve() { return *this->Nerves().GetCurrentNerve(); }
  CQlmCoreNerve& Core() { return *this->Q->CoreNerve; }

  // Add mode as the add-points tool sets it: the two styles in state 1.
  void SetAddMode() {
    this->Q->StyleAxial->SetMode(QlmState::Select);
    this->Q->StylePanoramic->SetMode(QlmState::Select);
    this->Core().Mode = CQlmCoreNerve::AddPoints;
  }

  struct View {
    CQlmInteractorStyle2* Style;
    QWidget* Widget;
  };
  View Axial() { return {this->Q->StyleAxial, this->Q->AxialView->GetSafeHwnd()}; }
  View Panoramic() { return {this->Q->StylePanoramic, this->Q->PanoramicView->GetSafeHwnd()}; }

  static QPoint At(const View& view, const Point& point) {
    double display[3];
    view.Style->WorldToDisplay(point[0], point[1], point[2], display);
    int window[2];
    view.Style->DisplayToWindow(static_cast<int>(std::lround(display[0])), static_cast<int>(std::lround(display[1])),
                                window);
    return {window[0], window[1]};
  }
  static void Send(const View& view, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                   const Point& point) {
    const QPointF at(At(view, point));
    QMouseEvent event(type, at, view.Widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(view.Widget, &event);
  }
  static void Click(const View& view, const Point& point, Qt::MouseButton button = Qt::LeftButton) {
    Send(view, QEvent::MouseButtonPress, button, button, point);
    Send(view, QEvent::MouseButtonRelease, button, Qt::NoButton, point);
  }
  static void Drag(const View& view, const Point& from, const Point& to) {
    Send(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    for (int step = 1; step <= 4; ++step) {
      const double t = step / 4.0;
      Send(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton,
           {from[0] + t * (to[0] - from[0]), from[1] + t * (to[1] - from[1]), from[2]});
    }
    Send(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
  }
};

TEST_F(NerveToolTest, TheNerveWindowAttachesTheToolInMoveMode) {
  if (!this->Opened()) return;
  EXPECT_EQ(this->Q->StyleAxial->GetCore(), this->Q->CoreNerve);
  EXPECT_EQ(this->Q->StylePanoramic->GetCore(), this->Q->CoreNerve);
  EXPECT_EQ(this->Core().Mode, CQlmCoreNerve::MovePoints);
  this->Q->StyleAxial->SetCore(nullptr);
  this->Q->StylePanoramic->SetCore(nullptr);
  EXPECT_EQ(this->Core().Mode, 0);
}

// Each press in add mode on both lines: on the line, beyond the last point, on a ball.
TEST_F(NerveToolTest, APressInAddModeInsertsExtendsOrOnlySelects) {
  if (!this->Opened()) return;
  this->SetAddMode();
  for (bool axial : {true, false}) {
    SCOPED_TRACE(axial ? "axial view" : "nerve window");
    const View view = axial ? this->Axial() : this->Panoramic();
    CQlmPolyLineNerve& line = axial ? this->Nerve().GetAxialLine() : this->Nerve().GetPanoramicLine();
    const int count = line.GetBalls().GetCount();

    Click(view, Between(PointOf(line, 1), PointOf(line, 2)));
    ASSERT_EQ(line.GetBalls().GetCount(), count + 1);
    EXPECT_TRUE(line.GetBalls().GetListItemAt(2)->GetSelected());

    const Point last = PointOf(line, count);
    Click(view, Beyond(last, PointOf(line, count - 1), 5.0));
    ASSERT_EQ(line.GetBalls().GetCount(), count + 2);
    EXPECT_NEAR(PointOf(line, count + 1)[0], Beyond(last, PointOf(line, count - 1), 5.0)[0], 1.0);

    Click(view, PointOf(line, 4));
    EXPECT_EQ(line.GetBalls().GetCount(), count + 2);
    EXPECT_EQ(line.GetSelectedPointMatrix(), line.GetBalls().GetListItemAt(4)->GetMatrix());
  }
}

TEST_F(NerveToolTest, ARightPressInMoveModeAddsAPoint) {
  if (!this->Opened()) return;
  CQlmPolyLineNerve& line = this->Nerve().GetAxialLine();
  const int count = line.GetBalls().GetCount();
  Click(this->Axial(), Between(PointOf(line, 3), PointOf(line, 4)), Qt::RightButton);
  EXPECT_EQ(line.GetBalls().GetCount(), count + 1);
  EXPECT_EQ(this->Q->StyleAxial->GetMode(), QlmState::MoveInPlaneXY);
}

// The nerve window's width follows the axial line's length, not the panoramic line's.
TEST_F(NerveToolTest, OnlyADragInTheAxialViewSetsTheNerveWindowWidth) {
  if (!this->Opened()) return;
  CQlmPolyLineNerve& axial = this->Nerve().GetAxialLine();
  CQlmPolyLineNerve& panoramic = this->Nerve().GetPanoramicLine();

  // Not the half axial length, so that a wrongly followed drag shows.
  const float width = 123.0f;
  this->Q->StylePanoramic->ImageHalfWidth = width;
  const float panoramicLength = panoramic.GetLength();
  const Point end = PointOf(panoramic, 0);
  Drag(this->Panoramic(), end, {end[0] - 6.0, end[1] + 3.0, end[2]});
  EXPECT_NE(panoramic.GetLength(), panoramicLength);
  EXPECT_EQ(this->Q->StylePanoramic->ImageHalfWidth, width);

  const Point start = PointOf(axial, 0);
  const float axialLength = axial.GetLength();
  Drag(this->Axial(), start, {start[0] - 8.0, start[1] - 4.0, start[2]});
  EXPECT_NEAR(PointOf(axial, 0)[0], start[0] - 8.0, 1.0);
  EXPECT_GT(axial.GetLength(), axialLength);
  EXPECT_FLOAT_EQ(this->Q->StylePanoramic->ImageHalfWidth, axial.GetLength() / 2);
}

TEST_F(NerveToolTest, ResetRestoresBothDefaultCurvesAndCentresTheAxialView) {
  if (!this->Opened()) return;
  CQlmPolyLineNerve& axial = this->Nerve().GetAxialLine();
  CQlmPolyLineNerve& panoramic = this->Nerve().GetPanoramicLine();
  const int defaultCount = axial.GetBalls().GetCount();
  const Point firstAxial = PointOf(axial, 0);
  const Point firstPanoramic = PointOf(panoramic, 0);
  this->SetAddMode();
  Click(this->Axial(), Beyond(PointOf(axial, 0), PointOf(axial, 1), 10.0));
  Click(this->Panoramic(), Beyond(PointOf(panoramic, 0), PointOf(panoramic, 1), 10.0));
  ASSERT_EQ(axial.GetBalls().GetCount(), defaultCount + 1);
  vtkCamera* camera = this->Q->WindowAxial->GetLayerRenderer(3)->GetActiveCamera();
  camera->SetFocalPoint(0.0, 0.0, camera->GetFocalPoint()[2]);
  camera->SetPosition(0.0, 0.0, camera->GetPosition()[2]);

  this->Core().ResetCurrentNerve();

  EXPECT_EQ(axial.GetBalls().GetCount(), defaultCount);
  EXPECT_EQ(PointOf(axial, 0), firstAxial);
  EXPECT_EQ(PointOf(panoramic, 0), firstPanoramic);
  ASSERT_NE(axial.GetLength(), panoramic.GetLength());
  EXPECT_FLOAT_EQ(this->Q->StylePanoramic->ImageHalfWidth, panoramic.GetLength() / 2);
  double bounds[6];
  axial.GetLineActor()->GetBounds(bounds);
  EXPECT_NEAR(camera->GetFocalPoint()[0], (bounds[0] + bounds[1]) / 2, 1e-6);
  EXPECT_NEAR(camera->GetPosition()[1], (bounds[2] + bounds[3]) / 2, 1e-6);
  EXPECT_NEAR(camera->GetParallelScale(), (bounds[3] - bounds[2] + 40.0) / 2, 1e-6);
}

// The nerve tool bar's zooms, run as the user's choice: the tool rests, the views change state.
TEST_F(NerveToolTest, TheZoomCommandsSetTheirStates) {
  if (!this->Opened()) return;
  struct Case {
    UINT Command;
    int Tool;
    int Main;
    int Cross;
  };
  const Case cases[] = {{32960, 19, QlmState::ZoomIn, QlmState::ZoomIn},
                        {32961, 20, QlmState::ZoomOut, QlmState::ZoomOut},
                        {32963, 21, QlmState::AreaZoom, QlmState::None},
                        {32962, 22, QlmState::ZoomReset, QlmState::ZoomReset}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Command);
    this->Core().Mode = CQlmCoreNerve::MovePoints;
    this->Frame->RunCommand(c.Command);
    EXPECT_EQ(this->Q->Tool, c.Tool);
    EXPECT_EQ(this->Core().Mode, 0);
    EXPECT_EQ(this->Q->StyleAxial->GetMode(), c.Main);
    EXPECT_EQ(this->Q->StylePanoramic->GetMode(), c.Main);
    EXPECT_EQ(this->Q->Style3D->GetMode(), c.Main);
    EXPECT_EQ(this->Q->StyleCross->GetMode(), c.Cross);
    EXPECT_EQ(this->Q->StyleCross->GetRecord()->State, c.Cross);
  }
}

}  // namespace
