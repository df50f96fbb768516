// The set-up of the views after a project was read: the view settings of the
// settings file, a project saved with the thick panoramic, and the layout and
// cameras a project carries through saving and reopening.
#include <vtkCamera.h>
#include <vtkImageData.h>

#include <QMainWindow>
#include <QScrollBar>
#include <array>

#include "ProjectFrameFixture.h"
#include "QlmGuiTestApp.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "ct/CQlmPanoramicCalc.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"

namespace {

bool ScrollBarOn(CWnd* view) { return view->GetVerticalScrollBar()->isEnabled(); }

TEST_F(ProjectFrameFixture, TheSettingsFileSwitchesViewsAndInterpolation) {
  EnsureConfigFile();
  int windows[21];
  std::fill(std::begin(windows), std::end(windows), 1);
  windows[0] = 0;  // the axial view
  windows[3] = 0;  // the 3D view
  WriteConfigWindowsAdvanced(windows);
  WriteConfig2DInterpolation(0);
  auto frame = Start(SmallProject("Paciente.qlm"));
  CQlmQuorvantile& q = *frame->GetController();
  ASSERT_EQ(q.ProjectOpen, 1);

  EXPECT_EQ(q.WindowAxial->Enabled, 0);
  EXPECT_EQ(q.WindowCross->Enabled, 1);
  EXPECT_EQ(q.WindowPanoramic->Enabled, 1);
  EXPECT_EQ(q.Window3D->Enabled, 0);
  EXPECT_FALSE(ScrollBarOn(frame->AxialView));
  EXPECT_TRUE(ScrollBarOn(frame->CrossView));
  EXPECT_TRUE(ScrollBarOn(frame->PanoramicView));
  EXPECT_EQ(q.ViewerAxial->GetMapper()->GetInterpolation(), 0);
  EXPECT_EQ(q.ViewerPanoramic->GetMapper()->GetInterpolation(), 0);
  for (int cell = 0; cell < CQlmCTViewer92::CellCount; ++cell)
    EXPECT_EQ(q.ViewerCross->GetMapper(cell)->GetInterpolation(), 0);
}

TEST_F(ProjectFrameFixture, AProjectSavedWithTheThickPanoramicShowsTheSlabOfTheMiddleCurve) {
  const std::string path = SmallProject("Espessa.qlm", [](CQlmProjectData& data) {
    data.Values.ThickPanoramic = 1;
    data.ViewState.PanoramicCurve = 2;
  });
  auto frame = Start(path);
  CQlmQuorvantile& q = *frame->GetController();
  ASSERT_EQ(q.ProjectOpen, 1);
  EXPECT_EQ(q.ThickPanoramic, 1);
  EXPECT_EQ(q.PanoramicCalc->GetCurrentCurve(), q.PanoramicCalc->GetMiddleCurve());
  EXPECT_EQ(q.CTFilter->GetPanFilter()->GetThick(), 1);
  EXPECT_FALSE(ScrollBarOn(frame->PanoramicView));
  EXPECT_TRUE(ScrollBarOn(frame->AxialView));
}

// The zoom reset of a 2D view centres its camera on the image and shows all of it.
TEST_F(ProjectFrameFixture, ResettingTheZoomOfA2DViewFramesItsWholeImage) {
  auto frame = Start(SmallProject("Paciente.qlm"));
  CQlmQuorvantile& q = *frame->GetController();
  ASSERT_EQ(q.ProjectOpen, 1);
  auto framesWholeImage = [](auto& style, vtkImageData* image) {
    style.FitToWindow();
    double bounds[6];
    image->GetBounds(bounds);
    vtkCamera& camera = *style.GetCamera();
    EXPECT_NEAR(camera.GetFocalPoint()[0], (bounds[0] + bounds[1]) / 2, 1e-4);
    EXPECT_NEAR(camera.GetFocalPoint()[1], (bounds[2] + bounds[3]) / 2, 1e-4);
    EXPECT_GE(camera.GetParallelScale() + 1e-4, style.ImageHalfHeight);
  };
  framesWholeImage(*q.StyleAxial, q.CTFilter->GetAxialFilter()->GetOutput());
  framesWholeImage(*q.StylePanoramic, q.CTFilter->GetPanFilter()->GetOutput());
  framesWholeImage(*q.StyleCross, q.CTFilter->GetCrossFilter()->GetOutput());
}

// The sizes of the three splitters' first panes and the four cameras.
struct Layout {
  std::array<int, 3> Panes;
  std::vector<double> Cameras;
  bool operator==(const Layout&) const = default;
};

void AppendCamera(vtkCamera* camera, std::vector<double>& values) {
  values.insert(values.end(), camera->GetPosition(), camera->GetPosition() + 3);
  values.insert(values.end(), camera->GetFocalPoint(), camera->GetFocalPoint() + 3);
  values.insert(values.end(), camera->GetViewUp(), camera->GetViewUp() + 3);
  values.push_back(camera->GetParallelScale());
}

Layout LayoutOf(CMainFrame& frame) {
  Layout layout{};
  int minimum = 0;
  frame.SplitterOuter.GetColumnInfo(0, layout.Panes[0], minimum);
  frame.SplitterLeft.GetRowInfo(0, layout.Panes[1], minimum);
  frame.SplitterRight.GetRowInfo(0, layout.Panes[2], minimum);
  const CQlmQuorvantile& q = *frame.GetController();
  AppendCamera(q.WindowAxial->Renderer3->GetActiveCamera(), layout.Cameras);
  AppendCamera(q.WindowCross->Renderer3[CQlm3DWindow9::CentreCell]->GetActiveCamera(), layout.Cameras);
  AppendCamera(q.WindowPanoramic->Renderer3->GetActiveCamera(), layout.Cameras);
  AppendCamera(q.Window3D->Renderer3->GetActiveCamera(), layout.Cameras);
  return layout;
}

// Save As, Close and reopen, five times: the splitters neither creep nor the
// cameras move, whatever the window's height.
TEST_F(ProjectFrameFixture, SavingAndReopeningKeepsTheSplittersAndCameras) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  const std::string sample = SampleFile("Amostra.qlm");
  for (int height : {981, 1024}) {
    SCOPED_TRACE(testing::Message() << "window height " << height);
    auto frame = Start(sample);
    QMainWindow* window = frame->GetMainWindow();
    window->showNormal();
    window->resize(1280, height);
    QlmGuiTestApp::Wait(50);
    ASSERT_EQ(window->height(), height);
    const Layout opened = LayoutOf(*frame);
    for (int round = 1; round <= 5; ++round) {
      SCOPED_TRACE(testing::Message() << "round " << round);
      const std::string copy = Files.File("Copia" + std::to_string(round) + ".qlm");
      Prompter.QueueFile(CString(copy));
      frame->OnFileSaveAs();
      frame->OnFileClose();
      Prompter.QueueFile(CString(copy));
      frame->OnFileOpen();
      ASSERT_EQ(frame->GetController()->ProjectOpen, 1);
      const Layout reopened = LayoutOf(*frame);
      EXPECT_EQ(reopened.Panes, opened.Panes);
      EXPECT_EQ(reopened.Cameras, opened.Cameras);
    }
    EXPECT_TRUE(Prompter.Messages.empty());
    frame.reset();
    App.m_pMainWnd = nullptr;
  }
}

}  // namespace
