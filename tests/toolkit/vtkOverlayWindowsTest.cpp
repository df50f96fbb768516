// The overlay sources laid out for a viewport without drawing: the border at
// the viewport's edges, the scale bars' millimetres from the camera, the HU
// axis, and a new layout whenever the window's size or zoom changes.
#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCamera.h>
#include <vtkCommand.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include <string>

#include "toolkit/vtkBorderWindow.h"
#include "toolkit/vtkNumberWindow.h"
#include "toolkit/vtkOrientWindow.h"
#include "toolkit/vtkRullerWindow.h"
#include "toolkit/vtkRullerWindowHU.h"
#include "toolkit/vtkTitleWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

// A renderer in a window of the given size, never drawn.
class Viewport {
public:
  Viewport(int width, int height) {
    this->Window->SetOffScreenRendering(1);
    this->Window->AddRenderer(this->Renderer);
    this->Window->SetSize(width, height);
    this->Renderer->GetActiveCamera()->ParallelProjectionOn();
  }
  // What the window tells its observers when it starts drawing.
  void StartRender() { this->Window->InvokeEvent(vtkCommand::StartEvent, nullptr); }

  vtkNew<vtkRenderWindow> Window;
  vtkNew<vtkRenderer> Renderer;
};

std::string LabelText(vtkActor2DCollection* labels, int i) {
  auto* actor = vtkActor2D::SafeDownCast(labels->GetItemAsObject(i));
  return vtkWin32TextMapper2::SafeDownCast(actor->GetMapper())->GetInput();
}

double LabelX(vtkActor2DCollection* labels, int i) {
  return vtkActor2D::SafeDownCast(labels->GetItemAsObject(i))->GetPosition()[0];
}

bool LabelShown(vtkActor2DCollection* labels, int i) {
  return vtkActor2D::SafeDownCast(labels->GetItemAsObject(i))->GetVisibility() != 0;
}

TEST(vtkBorderWindowTest, FrameFollowsTheViewportSizeOnTheNextRender) {
  Viewport viewport(200, 100);
  vtkNew<vtkBorderWindow> border;
  border->SetViewport(viewport.Renderer);
  border->Update();
  double bounds[6];
  border->GetOutput()->GetBounds(bounds);
  EXPECT_DOUBLE_EQ(bounds[0], 1);
  EXPECT_DOUBLE_EQ(bounds[1], 199);
  EXPECT_DOUBLE_EQ(bounds[3], 99);
  EXPECT_EQ(border->GetOutput()->GetNumberOfLines(), 1);

  viewport.Window->SetSize(300, 50);
  viewport.StartRender();
  border->Update();
  border->GetOutput()->GetBounds(bounds);
  EXPECT_DOUBLE_EQ(bounds[1], 299);
  EXPECT_DOUBLE_EQ(bounds[3], 49);

  // Without a viewport nothing is drawn.
  border->SetViewport(nullptr);
  border->Update();
  EXPECT_EQ(border->GetOutput()->GetNumberOfPoints(), 0);
}

TEST(vtkRullerWindowTest, TicksAreRoundMillimetresSpanningAtLeast25Pixels) {
  struct Case {
    int height;
    double scale;
    double pixelsPerMM, spacing;
    const char* last;
  };
  const Case cases[] = {
      {400, 60, 400 / 120.0, 10, "40"},  // 33 pixels a tick
      {1417, 60, 1417 / 120.0, 5, "20"},  // 300 dpi, life-size: 10 mm = 118 pixels
      {100, 60, 100 / 120.0, 50, "200"},
      {1000, 1, 500, 1, "4"},
      {100, 5000, 0.01, 5000, "20000"},
  };
  for (const Case& test : cases) {
    Viewport viewport(300, test.height);
    viewport.Renderer->GetActiveCamera()->SetParallelScale(test.scale);
    vtkNew<vtkImageData> image;
    vtkNew<vtkRullerWindow> ruler;
    ruler->SetViewport(viewport.Renderer);
    ruler->SetCamera(viewport.Renderer->GetActiveCamera());
    ruler->SetImageData(image);
    ruler->Update();
    EXPECT_NEAR(ruler->GetPixelsPerMM(), test.pixelsPerMM, 1e-9) << test.height;
    EXPECT_DOUBLE_EQ(ruler->GetTickSpacing(), test.spacing) << test.height;
    vtkActor2DCollection* labels = ruler->GetActor2DCollectionH();
    EXPECT_EQ(LabelText(labels, 0), "0") << test.height;
    EXPECT_EQ(LabelText(labels, 4), test.last) << test.height;
    EXPECT_EQ(LabelText(ruler->GetActor2DCollectionV(), 4), test.last) << test.height;
    EXPECT_NEAR(LabelX(labels, 1) - LabelX(labels, 0), test.spacing * test.pixelsPerMM, 1e-9) << test.height;
    EXPECT_TRUE(LabelShown(labels, 4)) << test.height;
    // Two bars and ten ticks.
    EXPECT_EQ(ruler->GetOutput(0)->GetNumberOfLines(), 12) << test.height;
    EXPECT_EQ(ruler->GetOutput(1)->GetNumberOfPoints(), 0) << test.height;
  }
}

TEST(vtkRullerWindowTest, ZoomChangesTheTicksOnTheNextRender) {
  Viewport viewport(300, 400);
  vtkCamera* camera = viewport.Renderer->GetActiveCamera();
  camera->SetParallelScale(60);
  vtkNew<vtkImageData> image;
  vtkNew<vtkRullerWindow> ruler;
  ruler->SetViewport(viewport.Renderer);
  ruler->SetCamera(camera);
  ruler->SetImageData(image);
  ruler->Update();
  ASSERT_DOUBLE_EQ(ruler->GetTickSpacing(), 10);
  camera->SetParallelScale(6);
  viewport.StartRender();
  ruler->Update();
  EXPECT_DOUBLE_EQ(ruler->GetTickSpacing(), 1);
}

TEST(vtkRullerWindowTest, NothingToMeasureOrHiddenShowsNoLabels) {
  Viewport viewport(300, 400);
  vtkNew<vtkImageData> image;
  vtkNew<vtkRullerWindow> ruler;
  ruler->SetViewport(viewport.Renderer);
  ruler->SetCamera(viewport.Renderer->GetActiveCamera());
  ruler->Update();
  EXPECT_EQ(ruler->GetOutput()->GetNumberOfPoints(), 0);
  EXPECT_FALSE(LabelShown(ruler->GetActor2DCollectionH(), 0));

  ruler->SetImageData(image);
  ruler->Update();
  ASSERT_TRUE(LabelShown(ruler->GetActor2DCollectionH(), 0));
  // Hiding takes effect at once, without a new layout.
  ruler->SetVisibility(0);
  for (int i = 0; i < vtkRullerWindow::LabelCount; ++i) {
    EXPECT_FALSE(LabelShown(ruler->GetActor2DCollectionH(), i)) << i;
    EXPECT_FALSE(LabelShown(ruler->GetActor2DCollectionV(), i)) << i;
  }
  ruler->SetVisibility(1);
  EXPECT_TRUE(LabelShown(ruler->GetActor2DCollectionV(), 2));
}

TEST(vtkRullerWindowHUTest, LabelsCtValuesAtTheirPlotHeights) {
  EXPECT_DOUBLE_EQ(vtkRullerWindowHU::HeightOf(2100), 0);
  EXPECT_DOUBLE_EQ(vtkRullerWindowHU::HeightOf(350), -35);
  // The camera shows world y -50 .. 50 on 200 pixels: 2 pixels a unit.
  Viewport viewport(200, 200);
  vtkCamera* camera = viewport.Renderer->GetActiveCamera();
  camera->SetPosition(0, 0, 100);
  camera->SetFocalPoint(0, 0, 0);
  camera->SetParallelScale(50);
  vtkNew<vtkRullerWindowHU> scale;
  scale->SetViewport(viewport.Renderer);
  scale->SetCamera(camera);
  scale->SetSize(100, 80);
  scale->Update();
  vtkActor2DCollection* values = scale->GetActor2DCollectionV();
  // 0 HU at height -42 lies outside the plot's -40 .. 40; 1000 .. 4000 inside.
  EXPECT_FALSE(LabelShown(values, 0));
  for (int i = 1; i < 5; ++i) EXPECT_TRUE(LabelShown(values, i)) << i;
  EXPECT_EQ(LabelText(values, 2), "2000");
  const double* at2000 = vtkActor2D::SafeDownCast(values->GetItemAsObject(2))->GetPosition();
  EXPECT_NEAR(at2000[1], 100 + 2 * vtkRullerWindowHU::HeightOf(2000), 1.0);
  EXPECT_EQ(LabelText(scale->GetActor2DCollectionH(), 4), "100");
}

TEST(vtkLabelWindowSourceTest, TextsKeepTheirCornersAndModesSetTheFontSize) {
  vtkNew<vtkTitleWindow> title;
  vtkNew<vtkNumberWindow> number;
  vtkNew<vtkOrientWindow> orient;
  EXPECT_EQ(title->GetTitleMapper()->GetFontSize(), vtkLabelWindowSource::ViewFontSize);
  title->SetMode(1);
  EXPECT_EQ(title->GetTitleMapper()->GetFontSize(), vtkLabelWindowSource::CellFontSize);
  title->SetMode(0);
  EXPECT_EQ(title->GetTitleMapper()->GetFontSize(), vtkLabelWindowSource::ViewFontSize);

  Viewport viewport(200, 100);
  struct Case {
    const char* name;
    vtkLabelWindowSource* source;
    vtkActor2D* actor;
    double x, y;  // pixels in the 200 x 100 viewport
  };
  const Case cases[] = {
      {"title top left", title, title->GetTitleActor(), 6, 95},
      {"number bottom left", number, number->GetNumberActor(), 6, 5},
      {"top letter", orient, orient->GetTopActor(), 100, 95},
      {"bottom letter", orient, orient->GetBottomActor(), 100, 5},
      {"left letter", orient, orient->GetLeftActor(), 6, 50},
      {"right letter", orient, orient->GetRightActor(), 194, 50},
  };
  for (const Case& test : cases) {
    test.source->SetViewport(viewport.Renderer);
    const int* place = test.actor->GetPositionCoordinate()->GetComputedViewportValue(nullptr);
    EXPECT_NEAR(place[0], test.x, 1) << test.name;
    EXPECT_NEAR(place[1], test.y, 1) << test.name;
    EXPECT_EQ(test.source->GetOutput()->GetNumberOfPoints(), 0) << test.name;
  }
}

}  // namespace
