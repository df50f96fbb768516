#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRenderWindow.h>

#include <memory>

#include "views/CQlm2DInteractor9.h"
#include "views/CQlm3DInteractor.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/QlmInteraction.h"

namespace {

// 300 x 300 pixels: cells of 100 x 100.
class CQlm3DInteractor9Test : public ::testing::Test {
protected:
  void SetUp() override {
    this->Window.reset(CQlm3DWindow9::New(2));
    this->Window->RenderWindow->SetSize(300, 300);
    this->Interactor.reset(CQlm2DInteractor9::New());
    this->Interactor->SetWindow(this->Window.get());
    this->Camera()->SetFocalPoint(10, 20, 0);
    this->Camera()->SetPosition(10, 20, 100);
  }

  vtkCamera* Camera() { return this->Window->Renderer3[4]->GetActiveCamera(); }
  CQlmInteractorStruct9* Record() { return this->Interactor->GetRecord(); }

  // Display coordinates (y up) of the centre of a cell.
  static void CellCentre(int cell, int centre[2]) {
    centre[0] = (cell % 3) * 100 + 50;
    centre[1] = (2 - cell / 3) * 100 + 50;
  }

  std::unique_ptr<CQlm3DWindow9> Window;
  std::unique_ptr<CQlm2DInteractor9> Interactor;
};

TEST_F(CQlm3DInteractor9Test, EachCellConvertsThroughItsOwnViewportWithTheSharedCamera) {
  for (int cell = 0; cell < 9; ++cell) {
    this->Record()->CurrentCell = cell;
    int centre[2];
    CellCentre(cell, centre);
    double world[4];
    this->Interactor->DisplayToWorld(centre[0], centre[1], 0.5, world);
    EXPECT_NEAR(world[0], 10, 0.7) << "cell " << cell;
    EXPECT_NEAR(world[1], 20, 0.7) << "cell " << cell;
  }
  // Single-cell mode: cell 4 covers the window.
  this->Window->SetSingleCell(1);
  this->Record()->CurrentCell = 4;
  double world[4];
  this->Interactor->DisplayToWorld(150, 150, 0.5, world);
  EXPECT_NEAR(world[0], 10, 0.3);
  EXPECT_NEAR(world[1], 20, 0.3);
}

TEST_F(CQlm3DInteractor9Test, PanInOneCellMovesEveryCellAlike) {
  this->Record()->CurrentCell = 0;
  this->Interactor->ImageHalfWidth = 1000;
  this->Interactor->ImageHalfHeight = 1000;
  this->Interactor->Pan(80, 240, 50, 250);
  for (const int cell : {0, 4, 8}) {
    this->Record()->CurrentCell = cell;
    int centre[2];
    CellCentre(cell, centre);
    double shown[3];
    this->Interactor->WorldToDisplay(10, 20, 0, shown);
    EXPECT_NEAR(shown[0] - centre[0], 30, 0.01) << "cell " << cell;
    EXPECT_NEAR(shown[1] - centre[1], -10, 0.01) << "cell " << cell;
  }
}

TEST_F(CQlm3DInteractor9Test, RotationAboutTheFrameZTurnsAThirdAsFarAsInASingleView) {
  std::unique_ptr<CQlm3DWindow> single(CQlm3DWindow::New(2));
  single->RenderWindow->SetSize(300, 300);
  std::unique_ptr<CQlm3DInteractor> singleInteractor(CQlm3DInteractor::New());
  singleInteractor->SetWindow(single.get());

  double angles[2][4];
  CQlmInteractorBase* interactors[2] = {singleInteractor.get(), this->Interactor.get()};
  for (int i = 0; i < 2; ++i) {
    interactors[i]->SetMode(QlmState::RotateAboutZ);
    interactors[i]->RotateObject(0, 9);
    interactors[i]->GetCommonRecord().ObjectTransform->GetOrientationWXYZ(angles[i]);
  }
  EXPECT_NEAR(angles[0][0], 60.0 / 300 * 9 * 10, 1e-4);
  EXPECT_NEAR(angles[1][0], angles[0][0] / 3, 1e-4);
}

TEST_F(CQlm3DInteractor9Test, AreaZoomFillsACellNotTheWindow) {
  struct Case {
    int band[4];
    double divisor;
  };
  const Case cases[] = {{{100, 100, 200, 200}, 1},   // one cell: already fills a cell
                        {{125, 125, 175, 175}, 2},   // half a cell
                        {{175, 175, 125, 125}, 2}};  // drawn the other way
  for (const Case& c : cases) {
    this->Camera()->SetParallelScale(60);
    std::copy(c.band, c.band + 2, this->Interactor->PressPosition);
    std::copy(c.band + 2, c.band + 4, this->Interactor->ReleasePosition);
    this->Interactor->AreaZoom();
    EXPECT_NEAR(this->Camera()->GetParallelScale(), 60 / c.divisor, 1e-5);
  }
}

}  // namespace
