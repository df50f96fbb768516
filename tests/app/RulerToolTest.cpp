// The ruler tool on the sample project of the real head CT, with the
// program's command and real mouse events on the view windows. The 3D view
// shows no bone of its own: the tests put the bone's isosurface into its
// surface layer, where the imported objects lie. With QLM_RULERS_SCREENSHOT
// set, the main window with the four rulers is saved there.
#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkCellPicker.h>
#include <vtkImageData.h>
#include <vtkImageShrink3D.h>
#include <vtkMarchingCubes.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderer.h>

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <optional>

#include "QlmViewMouse.h"
#include "SampleProjectFixture.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "objects/CQlmRuller.h"
#include "objects/CQlmRuller9.h"
#include "objects/CQlmRullers.h"
#include "tests/views/QlmRenderCounter.h"
#include "toolkit/vtkRullerSource.h"
#include "tools/CQlmCoreRuller.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

using namespace QlmViewMouse;

constexpr UINT RulerCommand = 32809;
constexpr UINT ImplantCommand = 32856;
constexpr double Tolerance = 0.01;
// Bone of the sample (CT value + 1024).
constexpr double BoneLevel = 1024 + 600;

// A ruler's points and length.
Point First(const CQlmRullerBase& ruller) {
  const float* p = ruller.GetSource()->GetPoint1();
  return {p[0], p[1], p[2]};
}
Point Second(const CQlmRullerBase& ruller) {
  const float* p = ruller.GetSource()->GetPoint2();
  return {p[0], p[1], p[2]};
}
Point Flat(const Point& p) { return {p[0], p[1], 0.0}; }

class RulerToolTest : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (!Opened()) return;
    this->Frame->RunCommand(RulerCommand);
    ASSERT_EQ(this->Q->Tool, 4);
  }

  CQlmRullers& Rullers() const { return *this->Q->Rullers; }

  // Draws in `view` from world point `from` to `to`; the press and release world points.
  template <class Style>
  std::pair<Point, Point> DrawIn(CWnd& view, Style& style, const Point& from, const Point& to) {
    const QPoint press = WindowPoint(style, from[0], from[1]);
    const QPoint release = WindowPoint(style, to[0], to[1]);
    const std::pair<Point, Point> points{WorldPoint(style, press), WorldPoint(style, release)};
    Drag(view, press, release);
    return points;
  }

  // A cross-section cell's world points are converted through that cell.
  std::pair<Point, Point> DrawInCell(int cell, double dx0, double dy0, double dx1, double dy1) {
    CQlmQuorvantile& q = *this->Q;
    q.StyleCross->GetRecord()->CurrentCell = cell;
    vtkRenderer* renderer = q.WindowCross->GetCellLayerRenderer(cell, 3);
    return this->DrawIn(*q.CrossView, *q.StyleCross, AroundFocus(renderer, dx0, dy0), AroundFocus(renderer, dx1, dy1));
  }

  static void ExpectMeasures(const CQlmRullerBase& ruller, const std::pair<Point, Point>& points) {
    EXPECT_NEAR(ruller.GetSource()->GetSize(), Distance(points.first, points.second), Tolerance);
    EXPECT_NEAR(Distance(Flat(First(ruller)), points.first), 0.0, Tolerance);
    EXPECT_NEAR(Distance(Flat(Second(ruller)), points.second), 0.0, Tolerance);
    EXPECT_EQ(ruller.GetSelected(), 1);
  }

  // The bone's isosurface in the 3D view's surface layer, seen from the front.
  void ShowBone3D() {
    vtkNew<vtkImageShrink3D> shrink;
    shrink->SetInputData(this->Q->CTData->ImageData);
    shrink->SetShrinkFactors(2, 2, 2);
    vtkNew<vtkMarchingCubes> bone;
    bone->SetInputConnection(shrink->GetOutputPort());
    bone->SetValue(0, BoneLevel);
    bone->ComputeNormalsOff();
    vtkNew<vtkPolyDataMapper> mapper;
    mapper->SetInputConnection(bone->GetOutputPort());
    mapper->ScalarVisibilityOff();
    this->Bone->SetMapper(mapper);
    this->Q->Window3D->Renderer3->AddActor(this->Bone);
    this->Q->Style3D->ViewFront();
    this->Q->Window3D->Render();
  }

  // The surface point under a client point of the 3D view, picked as the tool's style picks.
  std::optional<Point> SurfaceAt(const QPoint& at) const {
    CQlmInteractorStyle3& style = *this->Q->Style3D;
    int display[2];
    style.WindowToDisplay(at.x(), at.y(), display);
    vtkNew<vtkCellPicker> picker;
    picker->SetTolerance(0.001);
    if (!picker->Pick(display[0], display[1], 0.0, this->Q->Window3D->Renderer3)) return std::nullopt;
    const double* p = picker->GetPickPosition();
    return Point{p[0], p[1], p[2]};
  }

  // Two client points of the 3D view on the bone, about 40 pixels apart, and their surface points.
  void FindBonePoints(QPoint& from, QPoint& to, Point& start, Point& end) const {
    const QWidget& widget = *this->Q->View3D->GetSafeHwnd();
    const QPoint middle(widget.width() / 2, widget.height() / 2);
    for (int dy = 0; dy <= 60; dy += 10) {
      from = middle + QPoint(-20, dy);
      to = middle + QPoint(20, dy);
      const std::optional<Point> a = this->SurfaceAt(from), b = this->SurfaceAt(to);
      if (!a || !b) continue;
      start = *a;
      end = *b;
      return;
    }
    FAIL() << "no bone under the middle of the 3D view";
  }

  vtkNew<vtkActor> Bone;
};

TEST_F(RulerToolTest, TheFourViewsMeasureFromThePressToTheRelease) {
  CQlmQuorvantile& q = *this->Q;
  CQlmRullers& rullers = this->Rullers();

  vtkRenderer* axial = q.WindowAxial->Renderer3;
  const auto axialPoints =
      this->DrawIn(*q.AxialView, *q.StyleAxial, AroundFocus(axial, -18, 2), AroundFocus(axial, -2, 10));
  ASSERT_EQ(rullers.GetListAxial()->GetCount(), 1);
  this->ExpectMeasures(*rullers.GetListAxial()->GetFirst(), axialPoints);

  const int first = q.CTFilter->GetCrossFilter()->GetFirstIndex();
  const auto crossPoints = this->DrawInCell(8, -6, -4, 5, 7);
  ASSERT_EQ(rullers.GetListCross()->GetCount(), 1);
  CQlmRuller9& cross = *rullers.GetListCross()->GetFirst();
  this->ExpectMeasures(cross, crossPoints);
  EXPECT_EQ(cross.GetOwnSlice(), first + 4) << "the section of the corner cell";
  EXPECT_EQ(cross.GetCell(), 8);
  EXPECT_EQ(rullers.GetListAxial()->GetFirst()->GetSelected(), 0) << "one ruler selected at a time";

  vtkRenderer* panoramic = q.WindowPanoramic->Renderer3;
  const auto panoramicPoints =
      this->DrawIn(*q.PanoramicView, *q.StylePanoramic, AroundFocus(panoramic, -30, -8), AroundFocus(panoramic, 14, 10));
  ASSERT_EQ(rullers.GetListPanoramic()->GetCount(), 1);
  this->ExpectMeasures(*rullers.GetListPanoramic()->GetFirst(), panoramicPoints);

  this->ShowBone3D();
  QPoint from, to;
  Point start, end;
  this->FindBonePoints(from, to, start, end);
  Drag(*q.View3D, from, to);
  ASSERT_EQ(rullers.GetList3D()->GetCount(), 1);
  const CQlmRuller& ruller3D = *rullers.GetList3D()->GetFirst();
  EXPECT_NEAR(ruller3D.GetSource()->GetSize(), Distance(start, end), Tolerance);
  EXPECT_NEAR(Distance(First(ruller3D), start), 0.0, Tolerance);
  EXPECT_NEAR(Distance(Second(ruller3D), end), 0.0, Tolerance);
  EXPECT_TRUE(ruller3D.GetLineActor()->GetPickable()) << "pickable again after the release";
  EXPECT_EQ(rullers.GetListPanoramic()->GetFirst()->GetSelected(), 0);

  if (const char* picture = std::getenv("QLM_RULERS_SCREENSHOT")) {
    QWidget& window = *this->Frame->GetSafeHwnd();
    window.resize(1280, 960);
    window.show();
    QApplication::processEvents();
    for (CQlm3DWindow* view : {q.WindowAxial, q.WindowPanoramic, q.Window3D}) view->Render();
    q.WindowCross->Render();
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(picture)) << picture;
  }
}

TEST_F(RulerToolTest, ACrossSectionRulerStaysInItsCellUntilTheSectionsMove) {
  CQlmQuorvantile& q = *this->Q;
  const int first = q.CTFilter->GetCrossFilter()->GetFirstIndex();
  this->DrawInCell(2, -5, 0, 5, 3);
  ASSERT_EQ(this->Rullers().GetListCross()->GetCount(), 1);
  const CQlmRuller9& ruller = *this->Rullers().GetListCross()->GetFirst();
  EXPECT_EQ(ruller.GetOwnSlice(), first - 2);
  auto inCell = [&](int cell) { return q.WindowCross->GetCellLayerRenderer(cell, 1)->HasViewProp(ruller.GetLineActor()); };
  EXPECT_TRUE(inCell(2));

  q.AxialView->SetSlice(q.CTFilter->GetAxialFilter()->GetCurrentSlice() + 1);
  EXPECT_EQ(ruller.GetCell(), 2) << "the sections did not move";
  EXPECT_TRUE(inCell(2));

  q.CrossView->SetSlice(first - 1);
  EXPECT_EQ(ruller.GetCell(), 3);
  EXPECT_TRUE(inCell(3));
  EXPECT_FALSE(inCell(2));
  q.CrossView->SetSlice(first + 5);
  EXPECT_EQ(ruller.GetCell(), -1) << "its section is no longer shown";
  for (int cell = 0; cell < 9; ++cell) EXPECT_FALSE(inCell(cell)) << cell;
}

TEST_F(RulerToolTest, AClickAPressOnARulerAndA3DReleaseOffTheBoneAddNoRuler) {
  CQlmQuorvantile& q = *this->Q;
  CQlmRullers& rullers = this->Rullers();
  vtkRenderer* axial = q.WindowAxial->Renderer3;
  const Point from = AroundFocus(axial, -20, 12), to = AroundFocus(axial, 20, 12);
  this->DrawIn(*q.AxialView, *q.StyleAxial, from, to);
  this->DrawIn(*q.AxialView, *q.StyleAxial, AroundFocus(axial, -20, -15), AroundFocus(axial, 20, -15));
  ASSERT_EQ(rullers.GetListAxial()->GetCount(), 2);

  const Point free = AroundFocus(axial, 0, 30);
  Click(*q.AxialView, WindowPoint(*q.StyleAxial, free[0], free[1]));
  EXPECT_EQ(rullers.GetListAxial()->GetCount(), 2) << "a click without a drag";

  // A press on the first ruler, dragged away: it is selected, nothing is drawn.
  const QPoint onFirst = WindowPoint(*q.StyleAxial, from[0] + 10, from[1]);
  Drag(*q.AxialView, onFirst, onFirst + QPoint(30, 30));
  EXPECT_EQ(rullers.GetListAxial()->GetCount(), 2) << "a press on a ruler";
  EXPECT_EQ(rullers.GetListAxial()->GetSelectedIndex(), 0);
  EXPECT_EQ(q.CoreRuller->GetStep(), CQlmCoreRuller::Waiting);

  this->ShowBone3D();
  QPoint start, end;
  Point a, b;
  this->FindBonePoints(start, end, a, b);
  Drag(*q.View3D, start, QPoint(2, 2));
  EXPECT_EQ(rullers.GetList3D()->GetCount(), 0) << "released over the background";
  Drag(*q.View3D, QPoint(2, 2), start);
  EXPECT_EQ(rullers.GetList3D()->GetCount(), 0) << "pressed on the background";
}

// Choosing another tool while a ruler is drawn finishes it as the release
// would; every view where a ruler was unselected is drawn again.
TEST_F(RulerToolTest, AnotherToolFinishesTheRulerBeingDrawnAndUnselectsEveryRuler) {
  CQlmQuorvantile& q = *this->Q;
  CQlmRullers& rullers = this->Rullers();
  vtkRenderer* axial = q.WindowAxial->Renderer3;
  const Point start = AroundFocus(axial, -20, 0);
  const QPoint press = WindowPoint(*q.StyleAxial, start[0], start[1]);

  Send(*q.AxialView, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, press);
  this->Frame->RunCommand(ImplantCommand);
  EXPECT_EQ(rullers.GetListAxial()->GetCount(), 0) << "too short to stay";
  Send(*q.AxialView, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, press);

  this->Frame->RunCommand(RulerCommand);
  Drag(*q.AxialView, press, press + QPoint(60, 10), false);
  ASSERT_EQ(rullers.GetListAxial()->GetCount(), 1);
  QlmRenderCounter axialRenders(q.WindowAxial->RenderWindow);
  this->Frame->RunCommand(ImplantCommand);
  Send(*q.AxialView, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, press + QPoint(60, 10));
  ASSERT_EQ(rullers.GetListAxial()->GetCount(), 1) << "long enough to stay";
  EXPECT_EQ(rullers.GetListAxial()->GetFirst()->GetSelected(), 0);
  EXPECT_GE(axialRenders.Count, 1) << "the view shows the ruler unselected";
  EXPECT_EQ(q.CoreRuller->GetStep(), CQlmCoreRuller::Idle);

  this->Frame->RunCommand(RulerCommand);
  this->ShowBone3D();
  QPoint from, to;
  Point a, b;
  this->FindBonePoints(from, to, a, b);
  Drag(*q.View3D, from, to, false);
  ASSERT_EQ(rullers.GetList3D()->GetCount(), 1);
  this->Frame->RunCommand(ImplantCommand);
  EXPECT_EQ(rullers.GetList3D()->GetCount(), 0) << "its end lies on no surface";
  Send(*q.View3D, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
}

}  // namespace
