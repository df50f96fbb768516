// The set-up of the views after a project was read: the view settings of the
// settings file and a project saved with the thick panoramic.
#include <vtkCamera.h>
#include <vtkImageData.h>

#include <QScrollBar>

#include "ProjectFrameFixture.h"
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

}  // namespace
