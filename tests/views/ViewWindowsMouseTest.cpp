// The mouse in the four view windows: what reaches the styles, what marks the
// project modified, and which cursor each window shows.
#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkRenderWindow.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <array>
#include <string>
#include <vector>

#include "ViewWindowsFixture.h"
#include "app/CMainFrame.h"
#include "app/CQlmDegradation.h"
#include "app/CQlmQuorvantile.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"
#include "views/QlmViewCursor.h"

namespace {

using Calls = std::vector<std::string>;

class CountingDegradation : public CQlmDegradation {
public:
  void EndInteraction() override { ++this->Ends; }
  int Ends = 0;
};

class MouseFixture : public ViewWindowsFixture {
protected:
  void Mouse(int view, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) const {
    QWidget* widget = this->Window(view)->GetSafeHwnd();
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
  void Wheel(int view, int delta, QPoint at) const {
    QWidget* widget = this->Window(view)->GetSafeHwnd();
    QWheelEvent event(QPointF(at), widget->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
  }
  // A left drag from `from` by `by` pixels.
  void Drag(int view, QPoint from, QPoint by) const {
    this->Mouse(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    this->Mouse(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, from + by);
    this->Mouse(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, from + by);
  }

  vtkCamera* CameraOf(int view) const {
    switch (view) {
      case QlmView::Axial:
        return this->Q->StyleAxial->GetCamera();
      case QlmView::Cross:
        return this->Q->StyleCross->GetCamera();
      case QlmView::Panoramic:
        return this->Q->StylePanoramic->GetCamera();
      default:
        return this->Q->Style3D->GetCamera();
    }
  }
  void SetState(int state) const {
    this->Q->StyleAxial->SetMode(state);
    this->Q->StylePanoramic->SetMode(state);
    this->Q->StyleCross->SetMode(state);
    this->Q->Style3D->SetMode(state);
  }

  bool Shows(int view, int entry) const {
    return this->Window(view)->GetSafeHwnd()->cursor() == this->Q->Cursors[entry];
  }
};

class ViewMouse : public MouseFixture {
protected:
  void SetUp() override {
    MouseFixture::SetUp();
    if (this->IsSkipped() || this->HasFatalFailure()) return;
    this->Show(Volume(Slices));
  }
};

// With the pan tool a drag moves each view's camera and marks the project modified.
TEST_F(ViewMouse, ADragReachesEachViewsStyleAndMarksTheProjectModified) {
  this->Q->Tool = 1;
  this->SetState(QlmState::Pan);
  for (int view : {QlmView::Axial, QlmView::Cross, QlmView::Panoramic, QlmView::View3D}) {
    SCOPED_TRACE(view);
    this->Q->Modified = 0;
    std::array<double, 3> before;
    this->CameraOf(view)->GetFocalPoint(before.data());
    this->Drag(view, QPoint(60, 60), QPoint(25, 10));
    std::array<double, 3> after;
    this->CameraOf(view)->GetFocalPoint(after.data());
    EXPECT_NE(after, before);
    EXPECT_EQ(this->Q->Modified, 1);
    EXPECT_TRUE(this->Shows(view, QlmViewCursor::Pan));
  }
}

// The arch tools mark the project modified on the axial view's presses alone.
TEST_F(ViewMouse, DrawingAndEditingTheArchMarkTheProjectModifiedOnTheAxialPress) {
  struct Case {
    int tool;
    Qt::MouseButton button;
    int modified;
  };
  const Case cases[] = {{5, Qt::LeftButton, 1},
                        {6, Qt::RightButton, 1},
                        {5, Qt::RightButton, 0},
                        {6, Qt::LeftButton, 0},
                        {4, Qt::LeftButton, 0}};
  this->SetState(QlmState::Select);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "tool " << c.tool << " button " << c.button);
    this->Q->Tool = c.tool;
    this->Q->Modified = 0;
    this->Mouse(QlmView::Axial, QEvent::MouseButtonPress, c.button, c.button, QPoint(40, 40));
    this->Mouse(QlmView::Axial, QEvent::MouseButtonRelease, c.button, Qt::NoButton, QPoint(40, 40));
    EXPECT_EQ(this->Q->Modified, c.modified);
    EXPECT_EQ(this->Q->StyleAxial->GetRecord()->Event,
              c.button == Qt::LeftButton ? QlmEvent::LeftUp : QlmEvent::RightUp);
  }
}

// A click in a click-zoom state zooms the panoramic view without reaching its
// style; the axial view hands the same click to its style.
TEST_F(ViewMouse, ClickZoomInThePanoramicViewBypassesTheStyle) {
  for (int state : {QlmState::ZoomOut, QlmState::ZoomIn, QlmState::ZoomReset}) {
    SCOPED_TRACE(state);
    this->SetState(state);
    this->Q->StylePanoramic->GetCamera()->SetParallelScale(20);
    this->Q->StylePanoramic->GetRecord()->Event = 0;
    this->Q->StyleAxial->GetRecord()->Event = 0;
    this->Log.clear();
    this->Mouse(QlmView::Panoramic, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(50, 50));
    this->Mouse(QlmView::Axial, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(50, 50));
    EXPECT_NE(this->Q->StylePanoramic->GetCamera()->GetParallelScale(), 20);
    EXPECT_EQ(this->Q->StylePanoramic->GetRecord()->Event, 0);
    EXPECT_EQ(this->Q->StyleAxial->GetRecord()->Event, QlmEvent::LeftDown);
    EXPECT_EQ(this->Log, (Calls{"render panoramic", "render axial"}));
  }
}

TEST_F(ViewMouse, TheToolAndTheMiddleButtonChooseTheCursor) {
  struct Case {
    int view;
    int tool;
    int entry;
  };
  const Case cases[] = {
      {QlmView::Axial, 2, QlmViewCursor::AreaZoom},
      {QlmView::Cross, 2, QlmViewCursor::Default},
      {QlmView::Cross, 16, QlmViewCursor::Default},
      {QlmView::Panoramic, 25, QlmViewCursor::MovePoints},
      {QlmView::Axial, 7, QlmViewCursor::InsertImplantAxial},
      {QlmView::Panoramic, 7, QlmViewCursor::InsertImplantLower},
      {QlmView::View3D, 64, QlmViewCursor::Teeth},
      {QlmView::View3D, 30, QlmViewCursor::Teeth},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "view " << c.view << " tool " << c.tool);
    this->Q->Tool = c.tool;
    this->Mouse(c.view, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(30, 30));
    EXPECT_TRUE(this->Shows(c.view, c.entry));
  }

  this->Q->Tool = 4;
  this->Mouse(QlmView::Cross, QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, QPoint(30, 30));
  EXPECT_TRUE(this->Shows(QlmView::Cross, QlmViewCursor::Pan));
  this->Mouse(QlmView::Cross, QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, QPoint(30, 30));
  EXPECT_TRUE(this->Shows(QlmView::Cross, QlmViewCursor::Ruler));

  this->Q->WindowCross->Enabled = 0;
  this->Mouse(QlmView::Cross, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(30, 30));
  EXPECT_TRUE(this->Shows(QlmView::Cross, QlmViewCursor::Default));
}

// Tool 3: inside the circle of radius min(w, h) / 3 the 3D view rotates, outside it rolls.
TEST_F(ViewMouse, TheRotateToolShowsWhetherThe3DViewRotatesOrRolls) {
  this->Q->Tool = 3;
  const int* size = this->Q->Window3D->RenderWindow->GetSize();
  const QPoint centre(size[0] / 2, size[1] / 2);
  const QPoint edge(centre.x(), centre.y() - std::min(size[0], size[1]) / 3 - 2);
  this->Mouse(QlmView::View3D, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, centre);
  EXPECT_TRUE(this->Shows(QlmView::View3D, QlmViewCursor::RotateInside));
  this->Mouse(QlmView::View3D, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, edge);
  EXPECT_TRUE(this->Shows(QlmView::View3D, QlmViewCursor::RotateOutside));
  // A drag keeps the cursor it started with; the release chooses again.
  this->Mouse(QlmView::View3D, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, centre);
  this->Mouse(QlmView::View3D, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, edge);
  EXPECT_TRUE(this->Shows(QlmView::View3D, QlmViewCursor::RotateInside));
  this->Mouse(QlmView::View3D, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, edge);
  EXPECT_TRUE(this->Shows(QlmView::View3D, QlmViewCursor::RotateOutside));
}

// The middle release ends a 3D drag whatever the style's state.
TEST_F(ViewMouse, TheMiddleReleaseEndsThe3DDrag) {
  CountingDegradation degradation;
  this->Q->Style3D->SetDegradation(&degradation);
  this->SetState(QlmState::Select);
  this->Mouse(QlmView::View3D, QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, QPoint(40, 40));
  this->Log.clear();
  this->Mouse(QlmView::View3D, QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, QPoint(40, 40));
  EXPECT_EQ(degradation.Ends, 1);
  EXPECT_EQ(this->Log, Calls{"render 3D"});
  this->Q->Style3D->SetDegradation(nullptr);
}

class ViewMouseWithoutProject : public MouseFixture {};

// No project: every window keeps the default cursor and nothing renders or
// changes; a window without a controller ignores its input.
TEST_F(ViewMouseWithoutProject, InputOnlyKeepsTheDefaultCursor) {
  this->Q->Tool = 1;
  for (int view : {QlmView::Axial, QlmView::Cross, QlmView::Panoramic, QlmView::View3D}) {
    SCOPED_TRACE(view);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
      this->Mouse(view, QEvent::MouseButtonPress, button, button, QPoint(30, 30));
      this->Mouse(view, QEvent::MouseMove, Qt::NoButton, button, QPoint(40, 40));
      this->Mouse(view, QEvent::MouseButtonRelease, button, Qt::NoButton, QPoint(40, 40));
    }
    this->Mouse(view, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, QPoint(40, 40));
    this->Wheel(view, 120, QPoint(40, 40));
    EXPECT_TRUE(this->Shows(view, QlmViewCursor::Default));
  }
  EXPECT_EQ(this->Log, Calls{});
  EXPECT_EQ(this->Q->Modified, 0);

  CAxialWnd orphan;
  ASSERT_TRUE(orphan.Create(0, CRect(0, 0, 100, 100), nullptr, 0));
  QWidget* widget = orphan.GetSafeHwnd();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &wheel);
  orphan.GetVerticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  orphan.SetSlice(3);
}

}  // namespace
