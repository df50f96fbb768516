// The arch curve drawn and edited on the sample project with the mouse, as a
// user does it: menu and tool-bar commands, presses, drags and releases on
// the axial view's widget. The indicators are stood for by a recording hook.
#include <vtkMatrix4x4.h>
#include <vtkRenderWindow.h>

#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "QlmViewMouse.h"
#include "SampleProjectFixture.h"
#include "QlmTestData.h"
#include "RecordingIndicatorHook.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "tests/views/QlmRenderCounter.h"
#include "tools/CQlmCorePolyLine.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/QlmInteraction.h"

namespace {

using Point = std::array<double, 2>;
using ::testing::Contains;
using ::testing::IsSupersetOf;

// Reformat tool-bar buttons and the menu entry.
constexpr UINT EditCurveMenu = 32852;
constexpr UINT DrawButton = 32899;
constexpr UINT EditButton = 32898;
constexpr UINT LeaveButton = 32903;
constexpr UINT ResetButton = 32900;

class ArchCurveEditingTest : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (Opened()) this->Q->IndicatorHook = &this->Hook;
  }

  void TearDown() override {
    if (this->Frame && this->Frame->GetController()) this->Frame->GetController()->IndicatorHook = nullptr;
    SampleProjectFixture::TearDown();
  }

  // Chooses a menu entry, its pop-up's update handlers run first as when it opens.
  void ChooseMenuEntry(UINT id) {
    for (QMenu* menu : this->Frame->GetMenu()->AllMenus()) this->Frame->UpdateMenuCmdUI(menu);
    QAction* entry = this->Frame->GetMenu()->FindAction(id);
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
  }

  // The axial view's client point that shows planning point (x, y).
  QPoint At(const Point& point) const {
    CQlmInteractorStyle2& style = *this->Q->StyleAxial;
    double display[3];
    style.WorldToDisplay(point[0], point[1], 0.0, display);
    int window[2];
    style.DisplayToWindow(static_cast<int>(std::lround(display[0])), static_cast<int>(std::lround(display[1])),
                          window);
    return {window[0], window[1]};
  }

  void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, const Point& point) {
    const QPointF at(this->At(point));
    QMouseEvent event(type, at, this->Q->AxialView->GetSafeHwnd()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(this->Q->AxialView->GetSafeHwnd(), &event);
  }
  void Click(const Point& point, Qt::MouseButton button = Qt::LeftButton) {
    this->Send(QEvent::MouseButtonPress, button, button, point);
    this->Send(QEvent::MouseButtonRelease, button, Qt::NoButton, point);
  }
  // Press at `from`, moves in four steps, release at `to`.
  void Drag(const Point& from, const Point& to) {
    this->Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    for (int step = 1; step <= 4; ++step) {
      const double t = step / 4.0;
      this->Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton,
                 {from[0] + t * (to[0] - from[0]), from[1] + t * (to[1] - from[1])});
    }
    this->Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
  }

  std::vector<Point> ArchPoints() const {
    std::vector<Point> points;
    const CQlmBallList& balls = this->Q->PolyLine->GetBalls();
    for (int index = 0; index < balls.GetCount(); ++index) {
      vtkMatrix4x4* matrix = balls.GetListItemAt(index)->GetMatrix();
      points.push_back({matrix->GetElement(0, 3), matrix->GetElement(1, 3)});
    }
    return points;
  }

  static Point Middle(const Point& a, const Point& b) { return {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2}; }

  // The Delete key typed in the axial view.
  void PressDelete() { QlmViewMouse::PressKey(*this->Q->AxialView, Qt::Key_Delete); }

  // The cross-section scroll bar shows the nine-section filter's range and position.
  void ExpectCrossScrollBarFollowsTheArch() const {
    const CQlmCTCrossFilter9& cross = *this->Q->CTFilter->GetCrossFilter();
    const QScrollBar& bar = *this->Q->CrossView->GetVerticalScrollBar();
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), std::max(0, cross.GetMaxIndex()));
    EXPECT_EQ(bar.value(), CQlmCorePolyLine::ScrollPosition(cross.GetMaxIndex(), cross.GetFirstIndex()));
    EXPECT_FALSE(bar.isEnabled());
  }

  RecordingIndicatorHook Hook;
};

TEST_F(ArchCurveEditingTest, TheMouseDrawsAndEditsTheArchAndTheImagesFollowAtEachRelease) {
  CQlmQuorvantile& q = *this->Q;
  CQlmPanoramicCalc& calc = *q.PanoramicCalc;
  vtkImageData* panoramic = q.CTFilter->GetPanFilter()->GetOutput();
  vtkImageData* sections = q.CTFilter->GetCrossFilter()->GetOutput();

  this->ChooseMenuEntry(EditCurveMenu);
  EXPECT_EQ(q.CurveEditing, 1);
  EXPECT_EQ(q.Tool, 6);
  EXPECT_EQ(q.StyleAxial->GetCore(), q.CorePolyLine);
  EXPECT_EQ(q.WindowCross->Enabled, 0);
  EXPECT_FALSE(q.CrossView->GetVerticalScrollBar()->isEnabled());
  EXPECT_EQ(q.WindowCross->GetImage().pixelColor(q.WindowCross->GetImage().width() / 2, 10), QColor(192, 192, 192));
  EXPECT_EQ(q.PolyLine->GetVisible(), 1);
  EXPECT_EQ(calc.GetCurrentCurve(), calc.GetMiddleCurve());
  EXPECT_THAT(this->Hook.Calls, IsSupersetOf({"CrossPan 0", "AxialPan 1", "Cross3D 0", "CrossAxial 0", "PanAxial 0"}));

  QlmRenderCounter axialRenders(q.WindowAxial->RenderWindow);
  QlmRenderCounter panoramicRenders(q.WindowPanoramic->RenderWindow);

  // Draw mode: a click beyond the last point adds a point at that end; the release recomputes.
  this->Frame->RunCommand(DrawButton);
  EXPECT_EQ(q.Tool, 5);
  std::vector<Point> points = this->ArchPoints();
  const Point last = points.back();
  const Point beyond = {last[0] + 6, last[1] - 6};
  const float lengthBefore = calc.GetArchLength();
  const vtkMTimeType panoramicTime = panoramic->GetMTime();
  const vtkMTimeType sectionsTime = sections->GetMTime();
  this->Click(beyond);
  points = this->ArchPoints();
  ASSERT_EQ(points.size(), 10u);
  EXPECT_NEAR(points.back()[0], beyond[0], 0.8);
  EXPECT_NEAR(points.back()[1], beyond[1], 0.8);
  EXPECT_GT(calc.GetArchLength(), lengthBefore + 4);
  EXPECT_GT(panoramic->GetMTime(), panoramicTime);
  EXPECT_GT(sections->GetMTime(), sectionsTime);
  EXPECT_EQ(panoramicRenders.Count, 1);
  this->ExpectCrossScrollBarFollowsTheArch();

  // Edit mode: a point dragged follows the pointer; the moves render the axial view only.
  this->Frame->RunCommand(EditButton);
  EXPECT_EQ(q.Tool, 6);
  const Point second = points[1];
  const Point moved = {second[0] - 5, second[1] + 4};
  const int axialBefore = axialRenders.Count;
  const int panoramicBefore = panoramicRenders.Count;
  const vtkMTimeType panoramicBeforeDrag = panoramic->GetMTime();
  this->Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, second);
  for (int step = 1; step <= 4; ++step) {
    this->Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton,
               {second[0] + step * (moved[0] - second[0]) / 4, second[1] + step * (moved[1] - second[1]) / 4});
  }
  EXPECT_GE(axialRenders.Count, axialBefore + 4);
  EXPECT_EQ(panoramicRenders.Count, panoramicBefore);
  EXPECT_EQ(panoramic->GetMTime(), panoramicBeforeDrag);
  this->Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, moved);
  EXPECT_EQ(panoramicRenders.Count, panoramicBefore + 1);
  EXPECT_GT(panoramic->GetMTime(), panoramicBeforeDrag);
  const std::vector<Point> afterPoint = this->ArchPoints();
  EXPECT_NEAR(afterPoint[1][0], moved[0], 0.8);
  EXPECT_NEAR(afterPoint[1][1], moved[1], 0.8);
  EXPECT_EQ(afterPoint[4], points[4]);
  this->ExpectCrossScrollBarFollowsTheArch();

  // Pressing on the line between two points drags the whole line.
  const Point onLine = Middle(afterPoint[4], afterPoint[5]);
  this->Drag(onLine, {onLine[0] + 3, onLine[1] - 2});
  const std::vector<Point> shifted = this->ArchPoints();
  ASSERT_EQ(shifted.size(), afterPoint.size());
  for (size_t index = 0; index < shifted.size(); ++index) {
    EXPECT_NEAR(shifted[index][0] - afterPoint[index][0], 3, 0.8) << index;
    EXPECT_NEAR(shifted[index][1] - afterPoint[index][1], -2, 0.8) << index;
  }

  // A right click on the line inserts a point there; its release recomputes.
  const int panoramicBeforeInsert = panoramicRenders.Count;
  const Point between = Middle(shifted[6], shifted[7]);
  this->Click(between, Qt::RightButton);
  const std::vector<Point> inserted = this->ArchPoints();
  ASSERT_EQ(inserted.size(), shifted.size() + 1);
  EXPECT_NEAR(inserted[7][0], between[0], 0.8);
  EXPECT_NEAR(inserted[7][1], between[1], 0.8);
  EXPECT_EQ(panoramicRenders.Count, panoramicBeforeInsert + 1);
  EXPECT_EQ(q.StyleAxial->GetMode(), QlmState::MoveInPlaneXY);

  // Leaving: back to the select tool, the cross-section window on, the 2D indicators as the (missing) settings line says.
  this->Hook.Calls.clear();
  this->Frame->RunCommand(LeaveButton);
  EXPECT_EQ(q.CurveEditing, 0);
  EXPECT_EQ(q.Tool, 10);
  EXPECT_EQ(q.StyleAxial->GetCore(), q.ToolCores[QlmToolRow::CompositeCore]) << "the select tool's composite";
  EXPECT_EQ(q.WindowCross->Enabled, 1);
  EXPECT_TRUE(q.CrossView->GetVerticalScrollBar()->isEnabled());
  EXPECT_EQ(q.PolyLine->GetVisible(), 0);
  EXPECT_THAT(this->Hook.Calls, IsSupersetOf({"CrossAxial 1", "PanAxial 1", "CrossPan 1", "Cross3D 0"}));
}

// The planes return as they were before the editing: shown or hidden.
TEST_F(ArchCurveEditingTest, LeavingBringsTheSectionPlanesBackOnlyWhenTheyWereShown) {
  for (int shown : {0, 1}) {
    this->Q->IndicatorSwitches[4] = shown;
    this->Frame->RunCommand(EditCurveMenu);
    this->Hook.Calls.clear();
    this->Frame->RunCommand(LeaveButton);
    EXPECT_EQ(this->Q->IndicatorSwitches[4], shown);
    EXPECT_THAT(this->Hook.Calls, Contains("Cross3D " + std::to_string(shown)));
    EXPECT_EQ(this->Hook.Calls.back(), "Cross3D " + std::to_string(shown));
  }
}

// A line from the settings file decides which 2D indicators come back.
TEST_F(ArchCurveEditingTest, LeavingShowsTheTwoDIndicatorsOfTheSettingsLine) {
  const int values[18] = {0, 0, 5, 0, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0};
  WriteConfigIndicatorsAdvanced(values);
  this->Frame->RunCommand(EditCurveMenu);
  this->Hook.Calls.clear();
  this->Frame->RunCommand(LeaveButton);
  EXPECT_THAT(this->Hook.Calls, IsSupersetOf({"CrossAxial 0", "PanAxial 1", "CrossPan 0"}));
}

// Saving leaves the editing first; the edited arch comes back from the file unchanged.
TEST_F(ArchCurveEditingTest, TheEditedArchIsSavedClosedAndReopenedUnchanged) {
  this->Frame->RunCommand(EditCurveMenu);
  std::vector<Point> points = this->ArchPoints();
  const Point moved = {points[2][0] + 4, points[2][1] + 3};
  this->Drag(points[2], moved);
  points = this->ArchPoints();
  ASSERT_NEAR(points[2][0], moved[0], 0.8);

  const std::string copy = Files.File("Arco.qlm");
  Prompter.QueueFile(CString(copy));
  this->Frame->OnFileSaveAs();
  EXPECT_EQ(this->Q->CurveEditing, 0);
  this->Frame->OnFileClose();
  this->Q = this->Frame->GetController();
  EXPECT_EQ(this->Q->ProjectOpen, 0);

  Prompter.QueueFile(CString(copy));
  this->Frame->OnFileOpen();
  this->Q = this->Frame->GetController();
  ASSERT_EQ(this->Q->ProjectOpen, 1);
  const std::vector<Point> reopened = this->ArchPoints();
  ASSERT_EQ(reopened.size(), points.size());
  for (size_t index = 0; index < points.size(); ++index) {
    EXPECT_NEAR(reopened[index][0], points[index][0], 1e-4) << index;
    EXPECT_NEAR(reopened[index][1], points[index][1], 1e-4) << index;
  }
}

// Closing and exiting while the tool is attached (run under the sanitizers too).
TEST_F(ArchCurveEditingTest, ClosingAndExitingWithTheCurveToolAttachedAreClean) {
  this->Frame->RunCommand(EditCurveMenu);
  this->Frame->RunCommand(DrawButton);
  this->Click({0, 0});
  this->Frame->GetController()->IndicatorHook = nullptr;
  Prompter.QueueAnswer(QlmAnswer::No);
  this->Frame->OnFileClose();
  EXPECT_EQ(this->Frame->GetController()->ProjectOpen, 0);
  EXPECT_EQ(this->Frame->GetController()->CurveEditing, 0);

  Prompter.QueueFile(CString(SampleFile("Outra.qlm")));
  this->Frame->OnFileOpen();
  this->Q = this->Frame->GetController();
  ASSERT_EQ(this->Q->ProjectOpen, 1);
  this->Frame->RunCommand(EditCurveMenu);
  ASSERT_EQ(this->Q->StyleAxial->GetCore(), this->Q->CorePolyLine);
  this->Frame->DestroyWindow();
  EXPECT_EQ(this->Frame->GetController(), nullptr);
}

// Delete in the axial view takes the selected arch point away; the images follow the shorter arch.
// With QLM_ARCH_SCREENSHOT set, the main window is saved there afterwards, the arch still edited.
TEST_F(ArchCurveEditingTest, DeleteRemovesTheSelectedArchPointAndTheImagesFollow) {
  this->Frame->RunCommand(EditCurveMenu);
  const std::vector<Point> before = this->ArchPoints();
  const float length = this->Q->PanoramicCalc->GetArchLength();
  this->Q->Modified = 0;
  this->Click(before[1]);
  this->PressDelete();
  const std::vector<Point> after = this->ArchPoints();
  ASSERT_EQ(after.size(), before.size() - 1);
  EXPECT_NEAR(after[1][0], before[2][0], 1e-6);
  EXPECT_EQ(this->Q->Modified, 1);
  EXPECT_LT(this->Q->PanoramicCalc->GetArchLength(), length);
  EXPECT_FLOAT_EQ(this->Q->StylePanoramic->ImageHalfWidth, this->Q->PanoramicCalc->GetArchLength() / 2);
  this->ExpectCrossScrollBarFollowsTheArch();

  // Nothing selected any more: a second Delete changes nothing.
  this->Q->Modified = 0;
  this->PressDelete();
  EXPECT_EQ(this->ArchPoints().size(), after.size());
  EXPECT_EQ(this->Q->Modified, 0);

  if (const char* picture = std::getenv("QLM_ARCH_SCREENSHOT")) EXPECT_TRUE(this->SaveWindow(picture)) << picture;
}

// The reset asks first; only Yes brings the default arch back.
TEST_F(ArchCurveEditingTest, ResetAsksAndOnYesGivesTheDefaultArch) {
  this->Frame->RunCommand(EditCurveMenu);
  std::vector<Point> points = this->ArchPoints();
  this->Drag(points[2], {points[2][0] + 5, points[2][1]});
  points = this->ArchPoints();
  this->Q->Modified = 0;
  Prompter.QueueAnswer(QlmAnswer::No);
  this->Frame->RunCommand(ResetButton);
  ASSERT_EQ(Prompter.Messages.size(), 1u);
  EXPECT_EQ(Prompter.Messages[0].Text, CString("Isto irá redefenir a atual curva panorâmica!\nDeseja continuar?"));
  EXPECT_EQ(Prompter.Messages[0].Caption, CString("Atenção"));
  EXPECT_EQ(Prompter.Messages[0].Buttons, QlmButtons::YesNo);
  EXPECT_EQ(Prompter.Messages[0].Icon, QlmIcon::Question);
  EXPECT_EQ(this->ArchPoints(), points);
  EXPECT_EQ(this->Q->Modified, 0);

  Prompter.QueueAnswer(QlmAnswer::Yes);
  this->Frame->RunCommand(ResetButton);
  EXPECT_EQ(this->ArchPoints().size(), 9u);
  EXPECT_NE(this->ArchPoints()[2], points[2]);
  EXPECT_EQ(this->Q->PanoramicCalc->GetCurrentCurve(), this->Q->PanoramicCalc->GetMiddleCurve());
  EXPECT_EQ(this->Q->Modified, 1);
  this->ExpectCrossScrollBarFollowsTheArch();
}

}  // namespace
