#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmHUGrid.h"
#include "objects/CQlmHULine.h"
#include "objects/CQlmHULine9.h"
#include "objects/CQlmHULines.h"
#include "objects/CQlmHUProfile.h"
#include "toolkit/vtkHUGridSource.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

namespace {

// A controller that holds only the three 2D views' wrappers, never rendered on screen.
class HULinesTest : public ::testing::Test {
protected:
  void SetUp() override {
    this->Controller->WindowAxial = this->Axial;
    this->Controller->WindowPanoramic = this->Panoramic;
    this->Controller->WindowCross = this->Cross;
    this->Lines->Controller = this->Controller;
  }
  void TearDown() override {
    delete this->Lines;
    delete this->Controller;
    delete this->Axial;
    delete this->Panoramic;
    delete this->Cross;
  }
  int CellsShowing() const {
    int shown = 0;
    for (int cell = 0; cell < 9; ++cell) shown += this->Lines->GetCrossLine()->GetActor(cell)->GetVisibility();
    return shown;
  }

  CQlmQuorvantile* Controller = CQlmQuorvantile::New();
  CQlm3DWindow* Axial = CQlm3DWindow::New(2);
  CQlm3DWindow* Panoramic = CQlm3DWindow::New(2);
  CQlm3DWindow9* Cross = CQlm3DWindow9::New(2);
  CQlmHULines* Lines = CQlmHULines::CreateObject();
};

}  // namespace

TEST_F(HULinesTest, AfterAttachingNoLineShowsAndShowInSectionShowsOneCell) {
  this->Lines->AttachToViews();
  CQlmHULine* axial = this->Lines->GetAxialLine();
  EXPECT_TRUE(this->Axial->Renderer1->GetActors()->IsItemPresent(axial->GetActor()));
  EXPECT_TRUE(this->Panoramic->Renderer1->GetActors()->IsItemPresent(this->Lines->GetPanoramicLine()->GetActor()));
  EXPECT_EQ(axial->GetActor()->GetVisibility(), 0);
  EXPECT_EQ(this->Lines->GetPanoramicLine()->GetActor()->GetVisibility(), 0);
  EXPECT_EQ(this->CellsShowing(), 0);
  double colour[3];
  axial->GetActor()->GetProperty()->GetColor(colour);
  EXPECT_DOUBLE_EQ(colour[0], 0.75);
  EXPECT_DOUBLE_EQ(colour[1], 0.0);

  CQlmHULine9* cross = this->Lines->GetCrossLine();
  for (int cell = 0; cell < 9; ++cell) {
    EXPECT_TRUE(this->Cross->Renderer1[cell]->GetActors()->IsItemPresent(cross->GetActor(cell))) << cell;
  }
  cross->ShowInSection(1, 6);
  EXPECT_EQ(this->CellsShowing(), 1);
  EXPECT_EQ(cross->GetActor(6)->GetVisibility(), 1);
  cross->ShowInSection(1, 2);
  EXPECT_EQ(cross->GetActor(6)->GetVisibility(), 0);
  EXPECT_EQ(cross->GetActor(2)->GetVisibility(), 1);
  axial->GetActor()->VisibilityOn();
  this->Lines->HideAll();
  EXPECT_EQ(this->CellsShowing(), 0);
  EXPECT_EQ(axial->GetActor()->GetVisibility(), 0);
}

TEST_F(HULinesTest, DeletingTheContainerTakesItsLinesOutOfTheViews) {
  this->Lines->AttachToViews();
  delete this->Lines;
  this->Lines = nullptr;
  EXPECT_EQ(this->Axial->Renderer1->GetActors()->GetNumberOfItems(), 0);
  EXPECT_EQ(this->Panoramic->Renderer1->GetActors()->GetNumberOfItems(), 0);
  for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(this->Cross->Renderer1[cell]->GetActors()->GetNumberOfItems(), 0);
}

// The plot objects: a band's label sits right of the plot at the middle of
// the band; the profile and the bands leave the plot's renderer when deleted.
TEST_F(HULinesTest, BandLabelsSitBesideTheMiddleOfTheirBands) {
  struct Case {
    int HorzSize, BoneMin, BoneMax;
    double X, Y;
  };
  for (const Case& c : {Case{100, 350, 1350, 55, -25.0}, Case{100, 2250, 3350, 55, 14.0}, Case{101, 1850, 2250, 55, -1.0},
                        Case{80, 1350, 1850, 45, -10.0}}) {
    CQlmHUGrid* band = CQlmHUGrid::CreateObject();
    band->GetSource()->SetHorzSize(c.HorzSize);
    band->GetSource()->SetBoneMin(c.BoneMin);
    band->GetSource()->SetBoneMax(c.BoneMax);
    band->UpdateLabelPosition();
    const double* position = band->GetLabelActor()->GetPositionCoordinate()->GetValue();
    EXPECT_DOUBLE_EQ(position[0], c.X) << c.BoneMin;
    EXPECT_DOUBLE_EQ(position[1], c.Y) << c.BoneMin;
    band->SetWindow(this->Axial);
    band->AddToRenderer();
    EXPECT_TRUE(this->Axial->Renderer1->GetViewProps()->IsItemPresent(band->GetLabelActor()));
    band->RemoveAndDelete();
    EXPECT_EQ(this->Axial->Renderer1->GetViewProps()->GetNumberOfItems(), 0);
  }
  CQlmHUProfile* profile = CQlmHUProfile::CreateObject();
  profile->SetWindow(this->Panoramic);
  profile->AddToRenderer();
  EXPECT_EQ(this->Panoramic->Renderer1->GetActors()->GetNumberOfItems(), 1);
  profile->RemoveAndDelete();
  EXPECT_EQ(this->Panoramic->Renderer1->GetActors()->GetNumberOfItems(), 0);
}
