#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRenderWindow.h>

#include <memory>

#include "views/CQlm2DInteractor.h"
#include "views/CQlm3DWindow.h"

namespace {

// 400 x 300 pixels: a = 4 / 3.
class CQlm2DInteractorTest : public ::testing::Test {
protected:
  void SetUp() override {
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window->RenderWindow->SetSize(400, 300);
    this->Interactor.reset(CQlm2DInteractor::New());
    this->Interactor->SetWindow(this->Window.get());
    this->Camera()->SetPosition(0, 0, 100);
    this->Interactor->SetCenter(5, -3, 0);
    this->SetImage(100, 50);
    this->Interactor->LastPosition[0] = 200;
    this->Interactor->LastPosition[1] = 150;
  }

  void SetImage(float halfWidth, float halfHeight) {
    this->Interactor->ImageHalfWidth = halfWidth;
    this->Interactor->ImageHalfHeight = halfHeight;
    this->Interactor->MinimumHalfWidth = 0.5f;
    this->Interactor->MinimumHalfHeight = 0.5f;
  }

  vtkCamera* Camera() { return this->Window->Renderer3->GetActiveCamera(); }
  double Scale() { return this->Camera()->GetParallelScale(); }

  std::unique_ptr<CQlm3DWindow> Window;
  std::unique_ptr<CQlm2DInteractor> Interactor;
};

// Images relatively wider and narrower than the window.
struct ImageCase {
  float halfWidth;
  float halfHeight;
  double fitting;   // F
  double smallest;  // L
};
const ImageCase ImageCases[] = {{100, 50, 75, 0.375}, {30, 50, 50, 0.5}};

TEST_F(CQlm2DInteractorTest, FitToWindowFitsTheLimitingSideOnTheCentre) {
  for (const ImageCase& c : ImageCases) {
    this->SetImage(c.halfWidth, c.halfHeight);
    this->Camera()->SetFocalPoint(40, 40, 0);
    this->Camera()->SetPosition(40, 40, 100);
    this->Interactor->FitToWindow();
    EXPECT_NEAR(this->Scale(), c.fitting, 1e-5);
    EXPECT_DOUBLE_EQ(this->Camera()->GetFocalPoint()[0], 5);
    EXPECT_DOUBLE_EQ(this->Camera()->GetFocalPoint()[1], -3);
    EXPECT_DOUBLE_EQ(this->Camera()->GetPosition()[0], 5);
    EXPECT_DOUBLE_EQ(this->Camera()->GetPosition()[2], 100);
  }
}

TEST_F(CQlm2DInteractorTest, ZoomsStayWithinTheirLimits) {
  for (const ImageCase& c : ImageCases) {
    this->SetImage(c.halfWidth, c.halfHeight);
    this->Interactor->FitToWindow();
    for (int step = 0; step < 60; ++step) this->Interactor->ZoomIn();
    EXPECT_NEAR(this->Scale(), c.smallest, 1e-6) << "zoom in";
    for (int step = 0; step < 60; ++step) this->Interactor->WheelZoomOut();
    EXPECT_NEAR(this->Scale(), 4 * c.fitting, 1e-4) << "zoom out";
    this->Interactor->DragZoom(0, -1000);
    EXPECT_NEAR(this->Scale(), c.fitting, 1e-4) << "drag out";
    this->Interactor->DragZoom(0, 5000);
    EXPECT_NEAR(this->Scale(), c.smallest, 1e-6) << "drag in";
  }
}

TEST_F(CQlm2DInteractorTest, PanStopsWhereTheViewLeavesTheImageByItsReach) {
  struct Case {
    float halfHeight;
    double focusY;  // where a long pan upwards ends
  };
  // Scale 75, visible half-width 100: x stops at 5 + 2.2 x 100 - 100.
  const Case cases[] = {{50, -3 + 110 - 75},  // 2.2 x 50 - 75 above the centre
                        {30, -3}};            // 2.2 x 30 < 75: back to the centre's height
  for (const Case& c : cases) {
    this->SetImage(100, c.halfHeight);
    this->Camera()->SetParallelScale(75);
    this->Camera()->SetFocalPoint(5, 10, 0);
    this->Camera()->SetPosition(5, 10, 100);
    for (int step = 0; step < 20; ++step) this->Interactor->Pan(0, 0, 100, 100);
    EXPECT_NEAR(this->Camera()->GetFocalPoint()[0], 5 + 120, 1e-4);
    EXPECT_NEAR(this->Camera()->GetFocalPoint()[1], c.focusY, 1e-4);
  }
}

TEST_F(CQlm2DInteractorTest, AreaZoomIgnoresTheDrawingDirection) {
  const int corners[4][4] = {{150, 100, 250, 150}, {250, 150, 150, 100}, {150, 150, 250, 100}, {250, 100, 150, 150}};
  for (const auto& band : corners) {
    this->Interactor->FitToWindow();
    this->Interactor->PressPosition[0] = band[0];
    this->Interactor->PressPosition[1] = band[1];
    this->Interactor->ReleasePosition[0] = band[2];
    this->Interactor->ReleasePosition[1] = band[3];
    this->Interactor->AreaZoom();
    // 100 pixels wide: 4 times across; the band's centre (200, 125) to the view centre.
    EXPECT_NEAR(this->Scale(), 75.0 / 4, 1e-5);
    EXPECT_NEAR(this->Camera()->GetFocalPoint()[0], 5, 1e-4);
    EXPECT_NEAR(this->Camera()->GetFocalPoint()[1], -3 - 25 * 0.5, 1e-4);
  }
}

TEST_F(CQlm2DInteractorTest, AreaZoomLargerThanTheWindowDoesNotZoom) {
  this->Interactor->FitToWindow();
  this->Interactor->PressPosition[0] = -10;
  this->Interactor->PressPosition[1] = 100;
  this->Interactor->ReleasePosition[0] = 420;
  this->Interactor->ReleasePosition[1] = 200;
  this->Interactor->AreaZoom();
  EXPECT_NEAR(this->Scale(), 75, 1e-5);
}

}  // namespace
