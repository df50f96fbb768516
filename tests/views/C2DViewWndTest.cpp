// Moving the axial, cross-section and panoramic views by keys, scroll bar and
// SetSlice: the index reached, the fan-out in its order and what renders.
#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkImageData.h>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <set>
#include <string>
#include <vector>

#include "ViewWindowsFixture.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/QlmView.h"

namespace {

using Calls = std::vector<std::string>;

Calls Join(Calls calls, const Calls& more) {
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

const char* Name(int view) {
  switch (view) {
    case QlmView::Axial:
      return "axial";
    case QlmView::Cross:
      return "cross";
    case QlmView::Panoramic:
      return "panoramic";
    default:
      return "3D";
  }
}

std::string Render(int view) { return std::string("render ") + Name(view); }

void SetSlice(CWnd* window, int view, int index) {
  if (view == QlmView::Axial) static_cast<CAxialWnd*>(window)->SetSlice(index);
  if (view == QlmView::Cross) static_cast<CCrossWnd*>(window)->SetSlice(index);
  if (view == QlmView::Panoramic) static_cast<CPanoramicWnd*>(window)->SetSlice(index);
}

class ViewScrolling : public ViewWindowsFixture {
protected:
  void SetUp() override {
    ViewWindowsFixture::SetUp();
    if (this->IsSkipped() || this->HasFatalFailure()) return;
    this->Show(Volume(Slices));
  }

  // Moves `view` to `index` without rendering, then clears the log and the modified flag.
  void StartAt(int view, int index) {
    SetSlice(this->Window(view), view, index);
    ASSERT_EQ(this->IndexOf(view), index);
    this->Log.clear();
    this->Q->Modified = 0;
  }

  // The index shown at scroll position `position` of `view`.
  int IndexAt(int view, int position) const {
    SCROLLINFO info;
    this->Window(view)->GetScrollInfo(SB_VERT, &info);
    return info.nMax - position;
  }
};

// Up and Page Up go towards the top of the bar, which shows the highest slice (19).
TEST_F(ViewScrolling, NavigationKeysMoveTheAxialSliceAndFanItOutInOrder) {
  struct Case {
    int from;
    int key;
    int to;  // -1: nothing happens
  };
  const Case cases[] = {
      {5, Qt::Key_Up, 6},       {5, Qt::Key_Down, 4},      {5, Qt::Key_PageUp, 15}, {15, Qt::Key_PageUp, 19},
      {5, Qt::Key_PageDown, 0}, {12, Qt::Key_PageDown, 2}, {5, Qt::Key_Home, 19},   {5, Qt::Key_End, 0},
      {19, Qt::Key_PageUp, 19}, {0, Qt::Key_PageDown, 0},  {19, Qt::Key_Up, -1},    {0, Qt::Key_Down, -1},
      {0, Qt::Key_End, -1},     {19, Qt::Key_Home, -1},    {5, Qt::Key_Left, -1},   {5, Qt::Key_A, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "from " << c.from << " key " << std::hex << c.key);
    this->StartAt(QlmView::Axial, c.from);
    this->Press(QlmView::Axial, c.key);
    if (c.to < 0) {
      EXPECT_EQ(this->Log, Calls{});
      EXPECT_EQ(this->IndexOf(QlmView::Axial), c.from);
      EXPECT_EQ(this->Q->Modified, 0);
    } else {
      EXPECT_EQ(this->Log, Join(this->FanOut(QlmView::Axial, c.to), {Render(QlmView::Axial)}));
      EXPECT_EQ(this->IndexOf(QlmView::Axial), c.to);
      EXPECT_EQ(this->PositionOf(QlmView::Axial), Slices - 1 - c.to);
      EXPECT_EQ(this->Q->Modified, 1);
    }
    this->Release(QlmView::Axial, c.key);
  }
}

// A held Page Down renders only its own view on every repeat; on the real
// release the views that show its position follow, in the view's order.
TEST_F(ViewScrolling, OtherViewsRenderOnlyOnTheRealReleaseOfTheKey) {
  struct Case {
    int view;
    std::set<std::pair<int, int>> visible;
    Calls onRelease;
  };
  const Case cases[] = {
      {QlmView::Axial,
       {{QlmView::Axial, QlmView::Cross}, {QlmView::Axial, QlmView::Panoramic}, {QlmView::Axial, QlmView::View3D}},
       {"render panoramic", "render cross", "render 3D"}},
      {QlmView::Axial, {{QlmView::Axial, QlmView::Cross}}, {"render cross"}},
      {QlmView::Cross,
       {{QlmView::Cross, QlmView::Axial}, {QlmView::Cross, QlmView::Panoramic}, {QlmView::Cross, QlmView::View3D}},
       {"render axial", "render panoramic", "render 3D"}},
      {QlmView::Panoramic,
       {{QlmView::Panoramic, QlmView::Axial},
        {QlmView::Panoramic, QlmView::Cross},
        {QlmView::Panoramic, QlmView::View3D}},
       {"render axial", "render cross", "render 3D"}},
      {QlmView::Panoramic, {{QlmView::Axial, QlmView::Cross}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Name(c.view));
    this->StartAt(c.view, 10);
    this->VisibleIndicators = c.visible;
    this->Press(c.view, Qt::Key_PageDown);
    this->Press(c.view, Qt::Key_PageDown, true);
    this->Release(c.view, Qt::Key_PageDown, true);
    this->Press(c.view, Qt::Key_PageDown, true);
    EXPECT_EQ(this->IndexOf(c.view), 0);
    const Calls renders = [this] {
      Calls found;
      for (const std::string& entry : this->Log) {
        if (entry.rfind("render ", 0) == 0) found.push_back(entry);
      }
      return found;
    }();
    EXPECT_EQ(renders, Calls(3, Render(c.view)));
    this->Log.clear();
    this->Release(c.view, Qt::Key_PageDown);
    EXPECT_EQ(this->Log, c.onRelease);
    this->Log.clear();
    this->Release(c.view, Qt::Key_PageDown);
    EXPECT_EQ(this->Log, Calls{});
  }
}

// Line and page steps of the bar render the view and the 2D views that show
// its position; the 3D view follows only when the move ends.
TEST_F(ViewScrolling, ScrollBarStepsMoveEachViewAndTheEndOfTheMoveRendersThe3DView) {
  struct Case {
    int view;
    QAbstractSlider::SliderAction action;
    int from, to;
    Calls renders;
  };
  const Case cases[] = {
      {QlmView::Axial,
       QAbstractSlider::SliderSingleStepSub,
       5,
       6,
       {"render axial", "render panoramic", "render cross"}},
      {QlmView::Axial, QAbstractSlider::SliderPageStepAdd, 5, 0, {"render axial", "render panoramic", "render cross"}},
      {QlmView::Cross,
       QAbstractSlider::SliderPageStepSub,
       20,
       30,
       {"render cross", "render axial", "render panoramic"}},
      {QlmView::Cross,
       QAbstractSlider::SliderSingleStepAdd,
       20,
       19,
       {"render cross", "render axial", "render panoramic"}},
      {QlmView::Panoramic,
       QAbstractSlider::SliderSingleStepAdd,
       8,
       7,
       {"render panoramic", "render axial", "render cross"}},
      {QlmView::Panoramic,
       QAbstractSlider::SliderPageStepSub,
       8,
       16,
       {"render panoramic", "render axial", "render cross"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << Name(c.view) << " action " << c.action);
    this->StartAt(c.view, c.from);
    this->Bar(c.view)->triggerAction(c.action);
    Calls expected = this->FanOut(c.view, c.to);
    if (c.view == QlmView::Cross) expected.push_back(this->FanOut(c.view, c.to).back());  // the numbers again
    EXPECT_EQ(this->Log, Join(expected, c.renders));
    EXPECT_EQ(this->IndexOf(c.view), c.to);
    EXPECT_EQ(this->Bar(c.view)->value(), this->PositionOf(c.view));
    EXPECT_EQ(this->Q->Modified, 1);

    // The release of the bar ends the move: the view, the 3D view, then the others.
    this->Log.clear();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(this->Bar(c.view), &release);
    Calls ending = c.view == QlmView::Cross ? Calls{this->FanOut(c.view, c.to).back()} : Calls{};
    ending.push_back(c.renders[0]);
    ending.push_back("render 3D");
    ending.insert(ending.end(), c.renders.begin() + 1, c.renders.end());
    EXPECT_EQ(this->Log, ending);
  }
}

// Dragging the thumb moves on every step; the 3D view follows when the thumb is let go.
TEST_F(ViewScrolling, DraggingTheThumbMovesOnEveryStepAndRendersThe3DViewAtTheEnd) {
  this->StartAt(QlmView::Axial, 5);
  QScrollBar* bar = this->Bar(QlmView::Axial);
  const Calls followers{"render axial", "render panoramic", "render cross"};
  bar->setSliderDown(true);
  for (int index : {8, 9}) {
    this->Log.clear();
    bar->setSliderPosition(Slices - 1 - index);
    EXPECT_EQ(this->Log, Join(this->FanOut(QlmView::Axial, index), followers));
    EXPECT_EQ(this->IndexOf(QlmView::Axial), index);
  }
  this->Log.clear();
  bar->setSliderDown(false);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(bar, &release);
  EXPECT_EQ(this->Log, (Calls{"render axial", "render 3D", "render panoramic", "render cross"}));
  EXPECT_EQ(this->IndexOf(QlmView::Axial), 9);
}

// Over the bar the wheel scrolls (three lines a notch) and ends the move at
// once; over the picture it zooms the view and leaves the index alone.
TEST_F(ViewScrolling, TheWheelScrollsOverTheBarAndZoomsOverThePicture) {
  this->StartAt(QlmView::Cross, 20);
  QScrollBar* bar = this->Bar(QlmView::Cross);
  QWheelEvent down(QPointF(3, 20), bar->mapToGlobal(QPointF(3, 20)), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &down);
  const std::string numbers = this->FanOut(QlmView::Cross, 17).back();
  EXPECT_EQ(this->IndexOf(QlmView::Cross), 17);
  EXPECT_EQ(this->Log, Join(this->FanOut(QlmView::Cross, 17),
                            {numbers, "render cross", "render 3D", "render axial", "render panoramic"}));

  this->Log.clear();
  const double scale = this->Q->StyleCross->GetCamera()->GetParallelScale();
  QWidget* picture = this->Window(QlmView::Cross)->GetSafeHwnd();
  QWheelEvent in(QPointF(50, 50), picture->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(picture, &in);
  EXPECT_EQ(this->IndexOf(QlmView::Cross), 17);
  EXPECT_LT(this->Q->StyleCross->GetCamera()->GetParallelScale(), scale);
  EXPECT_EQ(this->Log, Calls{"render cross"});
}

TEST_F(ViewScrolling, SetSliceMovesWithoutRenderingAndRefusesIndicesTheViewCannotShow) {
  struct Case {
    int view;
    int from, to;
    bool moves;
  };
  const Case cases[] = {
      {QlmView::Axial, 5, 7, true},       {QlmView::Axial, 5, 5, false},     {QlmView::Axial, 5, 20, false},
      {QlmView::Axial, 5, -1, false},     {QlmView::Cross, 5, 54, true},     {QlmView::Cross, 5, 55, false},
      {QlmView::Cross, 5, -3, false},     {QlmView::Panoramic, 5, 16, true}, {QlmView::Panoramic, 5, 17, false},
      {QlmView::Panoramic, 5, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << Name(c.view) << " " << c.from << " to " << c.to);
    this->StartAt(c.view, c.from);
    SetSlice(this->Window(c.view), c.view, c.to);
    EXPECT_EQ(this->Log, c.moves ? this->FanOut(c.view, c.to) : Calls{});
    EXPECT_EQ(this->IndexOf(c.view), c.moves ? c.to : c.from);
    EXPECT_EQ(this->IndexAt(c.view, this->PositionOf(c.view)), this->IndexOf(c.view));
    EXPECT_EQ(this->Q->Modified, c.moves ? 1 : 0);
  }
}

// The keys and SetSlice leave the panoramic view alone while the arch is
// drawn or edited (keys) or the thick panoramic is shown; its bar still moves.
TEST_F(ViewScrolling, PanoramicKeysRestWhileTheArchIsEditedOrThePanoramicIsThick) {
  struct Case {
    int tool;
    int thick;
    bool keysMove;
    bool setSliceMoves;
  };
  const Case cases[] = {{10, 0, true, true}, {5, 0, false, true}, {6, 0, false, true}, {10, 1, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "tool " << c.tool << " thick " << c.thick);
    this->StartAt(QlmView::Panoramic, 8);
    this->Q->Tool = c.tool;
    this->Q->ThickPanoramic = c.thick;
    this->Press(QlmView::Panoramic, Qt::Key_Up);
    this->Release(QlmView::Panoramic, Qt::Key_Up);
    EXPECT_EQ(this->IndexOf(QlmView::Panoramic), c.keysMove ? 9 : 8);
    static_cast<CPanoramicWnd*>(this->Window(QlmView::Panoramic))->SetSlice(3);
    EXPECT_EQ(this->IndexOf(QlmView::Panoramic), c.setSliceMoves ? 3 : c.keysMove ? 9 : 8);
    const int before = this->IndexOf(QlmView::Panoramic);
    this->Bar(QlmView::Panoramic)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(this->IndexOf(QlmView::Panoramic), before + 1);
    this->Q->Tool = 0;
    this->Q->ThickPanoramic = 0;
  }
}

class DegenerateViews : public ViewWindowsFixture {};

// One slice, or an arch shorter than the nine sections: every way of moving
// stays within 0 .. the highest index the view can show; Page Up and Page
// Down at the only slice still fan out.
TEST_F(DegenerateViews, MovesNeverLeaveTheIndicesTheViewCanShow) {
  this->Q->PolyLine->SetStraightLine(-5, 0, 5, 0);
  this->Q->PanoramicCalc->Update();
  this->Show(Volume(1));
  ASSERT_LT(this->Q->CTFilter->GetCrossFilter()->GetMaxIndex(), 0);

  this->Press(QlmView::Axial, Qt::Key_PageUp);
  EXPECT_EQ(this->Log, Join(this->FanOut(QlmView::Axial, 0), {"render axial"}));
  this->Log.clear();
  for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}) this->Press(QlmView::Axial, key);
  static_cast<CAxialWnd*>(this->Window(QlmView::Axial))->SetSlice(1);
  EXPECT_EQ(this->Log, Calls{});

  for (int key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}) {
    this->Press(QlmView::Cross, key);
  }
  for (auto action : {QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderSingleStepAdd,
                      QAbstractSlider::SliderPageStepSub, QAbstractSlider::SliderPageStepAdd}) {
    this->Bar(QlmView::Cross)->triggerAction(action);
  }
  static_cast<CCrossWnd*>(this->Window(QlmView::Cross))->SetSlice(0);
  EXPECT_EQ(this->Log, Calls{});
  EXPECT_EQ(this->IndexOf(QlmView::Cross), 0);
}

// Without a project the views are off: input only keeps the default cursor.
TEST_F(DegenerateViews, WithoutAProjectInputChangesNothing) {
  for (int view : {QlmView::Axial, QlmView::Cross, QlmView::Panoramic}) {
    this->Window(view)->EnableScrollBar(SB_VERT, ESB_ENABLE_BOTH);
    for (int key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Home}) {
      this->Press(view, key);
      this->Release(view, key);
    }
    for (auto action : {QAbstractSlider::SliderSingleStepSub, QAbstractSlider::SliderPageStepAdd}) {
      this->Bar(view)->triggerAction(action);
    }
    SetSlice(this->Window(view), view, 1);
  }
  EXPECT_EQ(this->Log, Calls{});
  EXPECT_EQ(this->Q->Modified, 0);
}

}  // namespace
