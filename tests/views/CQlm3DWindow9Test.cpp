#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRendererCollection.h>

#include <QWidget>
#include <memory>

#include "QlmColourPrinter.h"
#include "QlmDisplay.h"
#include "QlmSceneFixtures.h"
#include "QlmTestApplication.h"
#include "views/CQlm3DInteractor9.h"
#include "views/CQlm3DWindow9.h"

namespace {

class CQlm3DWindow9Test : public ::testing::Test {
protected:
  void SetUp() override {
    QlmTestApplication();
    this->Host = std::make_unique<QWidget>();
    this->Host->resize(300, 300);
    this->Window.reset(CQlm3DWindow9::New(2));
    this->Window->SetHostWindow(this->Host.get());
    vtkCamera* camera = this->Window->Renderer3[4]->GetActiveCamera();
    camera->SetPosition(0, 0, 100);
    camera->SetClippingRange(1, 1000);
  }

  // The window pixel at the centre of cell `cell` (100 x 100 pixel cells).
  static QPoint CellCentre(int cell) { return QPoint((cell % 3) * 100 + 50, (cell / 3) * 100 + 50); }

  int RendererCount() { return this->Window->RenderWindow->GetRenderers()->GetNumberOfItems(); }

  std::unique_ptr<QWidget> Host;
  std::unique_ptr<CQlm3DWindow9> Window;
};

TEST_F(CQlm3DWindow9Test, CellsShareOneCameraAndTheTableViewports) {
  for (int cell = 0; cell < 9; ++cell) {
    EXPECT_EQ(this->Window->Renderer0[cell]->GetActiveCamera(), this->Window->Renderer3[4]->GetActiveCamera());
    double viewport[4];
    this->Window->Renderer2[cell]->GetViewport(viewport);
    const double left = (cell % 3) * 0.33333f;
    const double bottom = (2 - cell / 3) * 0.33333f;
    EXPECT_NEAR(viewport[0], left, 1e-4) << cell;
    EXPECT_NEAR(viewport[1], bottom, 1e-4) << cell;
    EXPECT_NEAR(viewport[2] - viewport[0], 0.33333, 1e-4) << cell;
    EXPECT_NEAR(viewport[3] - viewport[1], 0.33333, 1e-4) << cell;
  }
  EXPECT_EQ(this->RendererCount(), 36);
}

TEST_F(CQlm3DWindow9Test, ActorOfCellKAppearsInCellKsRectangle) {
  QLM_REQUIRE_DISPLAY();
  for (int cell = 0; cell < 9; ++cell) {
    this->Window->Renderer3[cell]->AddActor(QlmSceneFixtures::Square(0, 0, 0, 40, (cell + 1) * 20 / 255.0, 0, 0));
  }
  this->Window->Render();
  const QImage& image = this->Window->GetImage();
  ASSERT_EQ(image.size(), QSize(300, 300));
  for (int cell = 0; cell < 9; ++cell) {
    const QPoint centre = CellCentre(cell);
    EXPECT_EQ(image.pixelColor(centre), QColor((cell + 1) * 20, 0, 0)) << "cell " << cell;
  }
}

TEST_F(CQlm3DWindow9Test, SingleCellModeWidensTheCentreCellAndRestores) {
  QLM_REQUIRE_DISPLAY();
  this->Window->Renderer3[4]->AddActor(QlmSceneFixtures::Square(0, 0, 0, 1000, 0, 1, 0));
  const QPoint leftMiddle = CellCentre(3);

  this->Window->Render();
  EXPECT_EQ(this->Window->GetImage().pixelColor(leftMiddle), QColor(Qt::black));

  this->Window->SetSingleCell(1);
  EXPECT_EQ(this->RendererCount(), 4);
  this->Window->Render();
  EXPECT_EQ(this->Window->GetImage().pixelColor(leftMiddle), QColor(Qt::green));

  this->Window->SetSingleCell(0);
  EXPECT_EQ(this->RendererCount(), 36);
  this->Window->Render();
  EXPECT_EQ(this->Window->GetImage().pixelColor(leftMiddle), QColor(Qt::black));
  EXPECT_EQ(this->Window->GetImage().pixelColor(CellCentre(4)), QColor(Qt::green));
}

TEST_F(CQlm3DWindow9Test, PicksInTheChosenLayerOfTheCurrentCell) {
  QLM_REQUIRE_DISPLAY();
  auto bottom = QlmSceneFixtures::Square(0, 0, 0, 40, 1, 0, 0);
  auto marker = QlmSceneFixtures::Square(0, 0, 0, 40, 0, 1, 0);
  this->Window->Renderer3[2]->AddActor(bottom);
  this->Window->Renderer1[2]->AddActor(marker);
  this->Window->Render();
  std::unique_ptr<CQlm3DInteractor9> interactor(CQlm3DInteractor9::New());
  interactor->SetWindow(this->Window.get());
  CQlmInteractorStruct9* record = interactor->GetRecord();
  int centre[2];
  record->CurrentCell = 2;
  interactor->WindowToDisplay(CellCentre(2).x(), CellCentre(2).y(), centre);

  interactor->Pick(centre[0], centre[1]);
  EXPECT_EQ(record->PickedActor, bottom.Get());
  interactor->SetPickLayer1();
  interactor->Pick(centre[0], centre[1]);
  EXPECT_EQ(record->PickedActor, marker.Get());
  interactor->SetWindow(this->Window.get());
  interactor->Pick(centre[0], centre[1]);
  EXPECT_EQ(record->PickedActor, bottom.Get());

  // Cell 0 shows nothing at the same place.
  record->CurrentCell = 0;
  interactor->WindowToDisplay(CellCentre(0).x(), CellCentre(0).y(), centre);
  interactor->Pick(centre[0], centre[1]);
  EXPECT_EQ(record->PickedActor, nullptr);
}

}  // namespace

TEST_F(CQlm3DWindow9Test, CellAndLayerNumbersNameTheCellRenderers) {
  const CQlmLayeredWindow9& layered = *this->Window;
  for (int cell = 0; cell < 9; ++cell) {
    EXPECT_EQ(layered.GetCellLayerRenderer(cell, 0), this->Window->Renderer0[cell].Get());
    EXPECT_EQ(layered.GetCellLayerRenderer(cell, 3), this->Window->Renderer3[cell].Get());
  }
  EXPECT_EQ(layered.GetCellLayerRenderer(9, 0), nullptr);
  EXPECT_EQ(layered.GetCellLayerRenderer(4, 4), nullptr);
  EXPECT_EQ(layered.GetCellLayerRenderer(-1, 2), nullptr);
}
