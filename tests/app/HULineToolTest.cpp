// The HU-line tool with the program's command and real mouse events: on a
// synthetic volume whose one side is bright, the profile's high values lie
// at the end of the line that the view shows bright; on the sample project a
// line across a maxillary crown peaks over it. The profile dialog is
// answered by CDialog's modal hook, which reads what the tool gave it.
#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkRenderer.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "ProjectFixtures.h"
#include "QlmViewMouse.h"
#include "SampleProject.h"
#include "SampleProjectFixture.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmHULine.h"
#include "objects/CQlmHULine9.h"
#include "objects/CQlmHULines.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkHUProfileSource.h"
#include "tools/CQlmCoreHULine.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CDialogHULine.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"

namespace {

using namespace QlmViewMouse;

constexpr UINT HULineCommand = 32984;
constexpr UINT RulerCommand = 32809;
constexpr uint16_t Dark = 1024;
constexpr uint16_t Bright = 1024 + 2000;

// What the tool gave the profile dialog, read when it opened.
struct ProfileSeen {
  vtkImageData* Image = nullptr;
  int ZSlice = -1;
  int MirrorY = -1;
  int Thick = -1;
  std::vector<double> Values;
  bool LineShown = false;
};

// Answers every profile dialog at once, recording its profile.
class ProfileRecorder {
public:
  explicit ProfileRecorder(const CQlmQuorvantile& q) {
    this->Previous = CDialog::SetModalHook([this, &q](CDialog& dialog) {
      vtkHUProfileSource& source = *dynamic_cast<CDialogHULine&>(dialog).GetProfileSource();
      source.Update();
      const CQlmHULines& lines = *q.HULines;
      bool shown = lines.GetAxialLine()->GetActor()->GetVisibility() || lines.GetPanoramicLine()->GetActor()->GetVisibility();
      for (int cell = 0; cell < CQlmHULine9::Cells; ++cell) shown = shown || lines.GetCrossLine()->GetActor(cell)->GetVisibility();
      this->Seen.push_back({source.GetImageData(), source.GetZSlice(), source.GetMirrorY(), source.GetThick(),
                            source.GetValues(), shown});
      return INT_PTR(IDOK);
    });
  }
  ~ProfileRecorder() { CDialog::SetModalHook(this->Previous); }

  std::vector<ProfileSeen> Seen;

private:
  CDialog::ModalHook Previous;
};

// Mean of the first and of the last third of a profile.
double MeanOf(const std::vector<double>& values, size_t from, size_t to) {
  return std::accumulate(values.begin() + from, values.begin() + to, 0.0) / double(to - from);
}
double HeadMean(const std::vector<double>& values) { return MeanOf(values, 0, values.size() / 3); }
double TailMean(const std::vector<double>& values) { return MeanOf(values, values.size() - values.size() / 3, values.size()); }

// The grey a view shows around a client point (median of 7 x 7 pixels, clear of thin overlay lines).
int ShownGrey(const QImage& picture, const QPoint& at) {
  std::vector<int> greys;
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx) greys.push_back(qGray(picture.pixel(at + QPoint(dx, dy))));
  std::nth_element(greys.begin(), greys.begin() + greys.size() / 2, greys.end());
  return greys[greys.size() / 2];
}

// The synthetic project: 100 x 85 x 60 mm of one grey, bright where the
// planning point lies above the volume's middle height and in front of its
// centre (planning y > 0), so that the axial slices above the middle are
// bright on one side of y = 0 and the panoramic and sections around the
// arch's front (planning y about 24) bright above the middle height.
class BlockProjectTest : public ProjectFrameFixture {
protected:
  void SetUp() override {
    ProjectFrameFixture::SetUp();
    if (IsSkipped()) return;
    CQlmProjectData data;
    ASSERT_TRUE(SampleProject::Fill(data, BlockVolume()));
    const std::string path = this->Files.File("Bloco.qlm");
    ASSERT_TRUE(data.Save(path));
    this->Frame = Start(path);
    this->Q = this->Frame->GetController();
    ASSERT_EQ(this->Q->ProjectOpen, 1);
    this->Frame->RunCommand(HULineCommand);
    ASSERT_EQ(this->Q->Tool, 30);
  }

  void TearDown() override {
    this->Frame.reset();
    ProjectFrameFixture::TearDown();
  }

  static vtkSmartPointer<vtkImageData> BlockVolume() {
    auto volume = vtkSmartPointer<vtkImageData>::New();
    volume->SetDimensions(200, 170, 60);
    volume->SetSpacing(0.5, 0.5, 1.0);
    volume->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
    const QlmPlanningFrame frame(volume);
    auto* voxel = static_cast<uint16_t*>(volume->GetScalarPointer());
    for (int k = 0; k < 60; ++k)
      for (int j = 0; j < 170; ++j)
        for (int i = 0; i < 200; ++i) {
          const double point[3] = {i * 0.5, j * 0.5, k * 1.0};
          double planning[3];
          frame.ToPlanning(point, planning);
          *voxel++ = planning[1] > 0 && planning[2] > 0 ? Bright : Dark;
        }
    return volume;
  }

  // Draws a line in a view from world point `from` to `to`; the grey the
  // view showed at each end before. The ends must differ.
  template <class Style>
  std::pair<int, int> DrawOverTheEdge(CWnd& view, Style& style, const QImage& picture, const Point& from,
                                      const Point& to) {
    const QPoint press = WindowPoint(style, from[0], from[1]);
    const QPoint release = WindowPoint(style, to[0], to[1]);
    const std::pair<int, int> shown{ShownGrey(picture, press), ShownGrey(picture, release)};
    EXPECT_GT(std::abs(shown.first - shown.second), 50) << "the line crosses the bright side's edge";
    Drag(view, press, release);
    return shown;
  }

  // The profile is high at the end that the view shows bright.
  static void ExpectHighWhereShownBright(const ProfileSeen& seen, const std::pair<int, int>& shown) {
    ASSERT_GE(seen.Values.size(), 6u);
    if (shown.second > shown.first) {
      EXPECT_GT(TailMean(seen.Values), HeadMean(seen.Values) + 1000);
    } else {
      EXPECT_GT(HeadMean(seen.Values), TailMean(seen.Values) + 1000);
    }
    EXPECT_TRUE(seen.LineShown) << "the line stays on screen while the dialog is open";
  }

  std::unique_ptr<CMainFrame> Frame;
  CQlmQuorvantile* Q = nullptr;
};

TEST_F(BlockProjectTest, TheProfileIsHighWhereTheViewShowsTheBrightSide) {
  CQlmQuorvantile& q = *this->Q;
  ProfileRecorder recorder(q);

  // Axial: a slice above the middle height, a line across planning y = 0 beside the section marks.
  CQlmCTAxialFilter& axialFilter = *q.CTFilter->GetAxialFilter();
  q.AxialView->SetSlice(45);
  q.WindowAxial->Render();
  vtkRenderer* axial = q.WindowAxial->Renderer3;
  auto shown = this->DrawOverTheEdge(*q.AxialView, *q.StyleAxial, q.WindowAxial->GetImage(), AroundFocus(axial, -10, -10),
                                     AroundFocus(axial, -10, 10));
  ASSERT_EQ(recorder.Seen.size(), 1u);
  EXPECT_EQ(recorder.Seen[0].Image, axialFilter.GetOutput());
  EXPECT_EQ(recorder.Seen[0].MirrorY, 1);
  this->ExpectHighWhereShownBright(recorder.Seen[0], shown);
  EXPECT_FALSE(q.HULines->GetAxialLine()->GetActor()->GetVisibility()) << "gone after the dialog";

  // Cross-section: the section through the arch's front in cell 6, a line across the middle height.
  float front[3];
  q.PanoramicCalc->GetArchPoint(q.PanoramicCalc->GetArchLength() / 2, front);
  const double planning[3] = {front[0], front[1], 0.0};
  q.CrossView->SetSlice(q.Indicator->GetCrossIndexAtAxialPoint(planning) - 2);
  q.WindowCross->Render();
  constexpr int Cell = 6;
  q.StyleCross->GetRecord()->CurrentCell = Cell;
  vtkRenderer* cell = q.WindowCross->GetCellLayerRenderer(Cell, 3);
  shown = this->DrawOverTheEdge(*q.CrossView, *q.StyleCross, q.WindowCross->GetImage(), AroundFocus(cell, 0, -10),
                                AroundFocus(cell, 0, 10));
  ASSERT_EQ(recorder.Seen.size(), 2u);
  EXPECT_EQ(recorder.Seen[1].Image, q.CTFilter->GetCrossFilter()->GetOutput());
  EXPECT_EQ(recorder.Seen[1].ZSlice, Cell);
  this->ExpectHighWhereShownBright(recorder.Seen[1], shown);
  for (int k = 0; k < CQlmHULine9::Cells; ++k) EXPECT_FALSE(q.HULines->GetCrossLine()->GetActor(k)->GetVisibility());

  // Panoramic, thin and thick: a line across the middle height in front of the arch's front.
  for (int thick : {0, 1}) {
    SCOPED_TRACE(thick ? "thick panoramic" : "thin panoramic");
    if (q.ThickPanoramic != thick) q.ToggleThickPanoramic();
    q.WindowPanoramic->Render();
    vtkRenderer* panoramic = q.WindowPanoramic->Renderer3;
    const double along = q.PanoramicCalc->GetArchLength() / 2 - q.PanoramicCalc->GetCurveLength() / 2;
    const Point focus = AroundFocus(panoramic, 0, 0);
    shown = this->DrawOverTheEdge(*q.PanoramicView, *q.StylePanoramic, q.WindowPanoramic->GetImage(),
                                  {along, focus[1] - 10, 0}, {along, focus[1] + 10, 0});
    ASSERT_EQ(recorder.Seen.size(), 3u + thick);
    EXPECT_EQ(recorder.Seen.back().Image, q.CTFilter->GetPanFilter()->GetOutput());
    EXPECT_EQ(recorder.Seen.back().Thick, thick);
    this->ExpectHighWhereShownBright(recorder.Seen.back(), shown);
  }
}

TEST_F(BlockProjectTest, AClickOpensNoDialogAndAnotherToolHidesTheLine) {
  CQlmQuorvantile& q = *this->Q;
  ProfileRecorder recorder(q);
  const QPoint middle(q.AxialView->GetSafeHwnd()->width() / 2, q.AxialView->GetSafeHwnd()->height() / 2);
  Click(*q.AxialView, middle);
  q.StyleCross->GetRecord()->CurrentCell = 4;
  Click(*q.CrossView, QPoint(q.CrossView->GetSafeHwnd()->width() / 2, q.CrossView->GetSafeHwnd()->height() / 2));
  Click(*q.PanoramicView, QPoint(q.PanoramicView->GetSafeHwnd()->width() / 2, 40));
  EXPECT_TRUE(recorder.Seen.empty());
  EXPECT_FALSE(q.HULines->GetAxialLine()->GetActor()->GetVisibility());
  EXPECT_FALSE(q.HULines->GetPanoramicLine()->GetActor()->GetVisibility());
  EXPECT_FALSE(q.HULines->GetCrossLine()->GetActor(4)->GetVisibility());

  // A line being drawn when the ruler tool is chosen.
  Drag(*q.AxialView, middle, middle + QPoint(40, 0), false);
  EXPECT_TRUE(q.HULines->GetAxialLine()->GetActor()->GetVisibility());
  this->Frame->RunCommand(RulerCommand);
  EXPECT_FALSE(q.HULines->GetAxialLine()->GetActor()->GetVisibility());
  Send(*q.AxialView, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, middle + QPoint(40, 0));
  EXPECT_TRUE(recorder.Seen.empty());

  // The command chosen twice returns to the select tool.
  this->Frame->RunCommand(HULineCommand);
  EXPECT_EQ(q.Tool, 30);
  this->Frame->RunCommand(HULineCommand);
  EXPECT_EQ(q.Tool, 10);
}

class HULineSampleTest : public SampleProjectFixture {};

// The arch runs over the maxillary crowns: the axial slice where the arch
// point's voxel column is brightest cuts a crown there.
TEST_F(HULineSampleTest, ALineAcrossAMaxillaryCrownPeaksOverTheCrown) {
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(HULineCommand);
  ProfileRecorder recorder(q);
  CQlmPanoramicCalc& calc = *q.PanoramicCalc;
  const float arc = 0.4f * calc.GetArchLength();
  float onArch[3], before[3], after[3];
  calc.GetArchPoint(arc, onArch);
  vtkImageData* volume = q.CTData->ImageData;
  const double planning[3] = {onArch[0], onArch[1], 0.0};
  double column[3];
  QlmPlanningFrame(volume).ToVolume(planning, column);
  int ijk[3];
  for (int axis = 0; axis < 2; ++axis)
    ijk[axis] = int(std::lround((column[axis] - volume->GetOrigin()[axis]) / volume->GetSpacing()[axis]));
  int crownSlice = 0;
  for (int k = 0; k < volume->GetDimensions()[2]; ++k)
    if (volume->GetScalarComponentAsDouble(ijk[0], ijk[1], k, 0) >
        volume->GetScalarComponentAsDouble(ijk[0], ijk[1], crownSlice, 0))
      crownSlice = k;
  q.AxialView->SetSlice(crownSlice);
  calc.GetArchPoint(arc - 1, before);
  calc.GetArchPoint(arc + 1, after);
  // Across the arch, 6 mm each side of it.
  double across[2] = {-(after[1] - before[1]), after[0] - before[0]};
  const double norm = std::hypot(across[0], across[1]);
  const Point from = {onArch[0] - 6 * across[0] / norm, onArch[1] - 6 * across[1] / norm, 0};
  const Point to = {onArch[0] + 6 * across[0] / norm, onArch[1] + 6 * across[1] / norm, 0};
  Drag(*q.AxialView, WindowPoint(*q.StyleAxial, from[0], from[1]), WindowPoint(*q.StyleAxial, to[0], to[1]));
  ASSERT_EQ(recorder.Seen.size(), 1u);
  const std::vector<double>& values = recorder.Seen[0].Values;
  ASSERT_GE(values.size(), 9u);
  const size_t peak = std::max_element(values.begin(), values.end()) - values.begin();
  EXPECT_GT(peak, values.size() / 4) << "the peak lies over the crown, not at an end";
  EXPECT_LT(peak, values.size() - values.size() / 4);
  EXPECT_GT(values[peak], std::max(values.front(), values.back()) + 800);
}

}  // namespace
