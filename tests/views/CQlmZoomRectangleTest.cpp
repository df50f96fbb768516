#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRenderWindow.h>

#include <QRubberBand>
#include <QWidget>
#include <memory>

#include "QlmTestApplication.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmZoomRectangle.h"
#include "views/QlmInteraction.h"

namespace {

// An area zoom dragged in a disabled 400 x 300 view (nothing is rendered).
TEST(CQlmZoomRectangleTest, AreaZoomShowsTheBandWhileDraggingAndZoomsOnRelease) {
  QlmTestApplication();
  QWidget host;
  host.resize(400, 300);
  std::unique_ptr<CQlm3DWindow> window(CQlm3DWindow::New(2));
  window->SetHostWindow(&host);
  window->Enabled = 0;
  window->RenderWindow->SetSize(400, 300);
  std::unique_ptr<CQlmInteractorStyle2> style(CQlmInteractorStyle2::New());
  style->SetWindow(window.get());
  style->SetMode(QlmState::AreaZoom);
  vtkCamera* camera = window->Renderer3->GetActiveCamera();
  camera->SetParallelScale(60);

  style->OnLeftButtonDown(QlmMouseFlag::LeftButton, 250, 80);
  style->OnMouseMove(QlmMouseFlag::LeftButton, 200, 120);
  style->OnMouseMove(QlmMouseFlag::LeftButton, 100, 40);
  auto* band = host.findChild<QRubberBand*>();
  ASSERT_NE(band, nullptr);
  EXPECT_TRUE(band->isVisibleTo(&host));
  EXPECT_EQ(band->geometry(), QRect(QPoint(100, 40), QPoint(250, 80)));

  style->OnLeftButtonUp(0, 100, 40);
  EXPECT_FALSE(band->isVisibleTo(&host));
  EXPECT_NEAR(camera->GetParallelScale(), 30, 1e-5);  // 150 pixels wide: twice across 400
}

}  // namespace
