#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>

#include <memory>
#include <string>

#include "MultiPartScene.h"
#include "objects/CQlmMultiPartCreator.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

class CQlmMultiPartTest : public ::testing::Test, public MultiPartScene {
protected:
  void SetUp() override {
    QLM_REQUIRE_TEST_DATA(PieceMesh);
    this->Creator->Item = this->Current->GetItem(0);
    this->Creator->Create();
    this->Lima->BuildFromCreator(this->Creator.get());
  }

  std::string Label(int slot) { return this->Lima->GetLabelMapper(slot)->GetInput(); }
  int Font(int slot) { return this->Lima->GetLabelMapper(slot)->GetFontSize(); }

  std::unique_ptr<CQlmEndoImpCreator> Creator{CQlmEndoImpCreator::New()};
  std::unique_ptr<CQlmEndoImp3D> Lima{CQlmEndoImp3D::CreateObject()};
};

TEST_F(CQlmMultiPartTest, BuildsTheBodyAndAPartPerSection) {
  EXPECT_EQ(this->Lima->GetPartCount(), 3);
  for (int slot = 0; slot < 3; ++slot) EXPECT_TRUE(this->Lima->HasPart(slot)) << slot;
  EXPECT_FALSE(this->Lima->HasPart(3));
  EXPECT_EQ(std::string(this->Lima->GetPartName(1).c_str()), "H15");
  EXPECT_EQ(std::string(this->Lima->GetPartName(3).c_str()), "");
  EXPECT_FLOAT_EQ(this->Lima->GetPartColor(2)[1], 0.1f);
  EXPECT_GT(this->Creator->GetPartMesh(0)->GetPointData()->GetNormals()->GetNumberOfTuples(), 0);
  EXPECT_EQ(this->Lima->FindPartByActor(this->Lima->GetActor()), -1);
  EXPECT_EQ(this->Lima->FindPartByActor(this->Lima->GetActor(2)), 2);
  EXPECT_TRUE(this->Lima->OwnsActor(this->Lima->GetActor(1)));
  EXPECT_EQ(this->Lima->GetActor(3), nullptr);
  EXPECT_EQ(std::string(this->Lima->LibraryId.c_str()), " 11");
}

TEST_F(CQlmMultiPartTest, LabelsShowNumbersOrNames) {
  this->Lima->SetNumber(4);
  EXPECT_EQ(this->Label(-1), "4");
  EXPECT_EQ(this->Label(2), "4-3");
  EXPECT_EQ(this->Font(-1), 12);
  EXPECT_EQ(this->Font(2), 11);
  this->Lima->SetLabelMode(1);
  EXPECT_EQ(this->Label(-1), "Lima");
  EXPECT_EQ(this->Label(0), "K15");
  EXPECT_EQ(this->Font(-1), 10);
  EXPECT_EQ(this->Font(0), 9);
  this->Lima->SetLabelMode(2);
  this->Lima->SetNumber(5);
  EXPECT_EQ(this->Label(0), "K15");
  EXPECT_EQ(this->Lima->GetNumber(), 5);
}

TEST_F(CQlmMultiPartTest, PartsShowOnlyWhileTheObjectAndThePartAreVisible) {
  vtkActor* part = this->Lima->GetActor(1);
  vtkActor2D* partLabel = this->Lima->GetLabelActor(1);
  this->Lima->SetVisibility(0);
  this->Lima->SetPartVisibility(1, 0);
  this->Lima->SetPartVisibility(1, 1);
  EXPECT_EQ(part->GetVisibility(), 0);
  EXPECT_EQ(this->Lima->GetPartVisible(1), 1);
  this->Lima->SetVisibilityNumber(1);
  EXPECT_EQ(this->Lima->GetLabelActor()->GetVisibility(), 0);
  this->Lima->SetVisibility(1);
  EXPECT_EQ(part->GetVisibility(), 1);
  EXPECT_EQ(partLabel->GetVisibility(), 1);
  this->Lima->SetPartVisibility(1, 0);
  this->Lima->SetVisibilityNumber(1);
  EXPECT_EQ(part->GetVisibility(), 0);
  EXPECT_EQ(partLabel->GetVisibility(), 0);
  EXPECT_EQ(this->Lima->GetActor()->GetVisibility(), 1);
  this->Lima->SetVisibilityNumber(0);
  EXPECT_EQ(this->Lima->GetLabelActor()->GetVisibility(), 0);
  EXPECT_EQ(this->Lima->GetActor(0)->GetVisibility(), 1);
}

TEST_F(CQlmMultiPartTest, SelectionPaintsBodyAndPartsWhite) {
  this->Lima->SetSelected(1);
  const float blue[3] = {0, 0, 1};
  this->Lima->SetColor(blue);
  this->Lima->SetPartColor(0, blue);
  double rgb[3];
  this->Lima->GetActor()->GetProperty()->GetColor(rgb);
  EXPECT_DOUBLE_EQ(rgb[0], 1.0);
  this->Lima->GetActor(0)->GetProperty()->GetColor(rgb);
  EXPECT_DOUBLE_EQ(rgb[0], 1.0);
  this->Lima->SetSelected(0);
  this->Lima->GetActor()->GetProperty()->GetColor(rgb);
  EXPECT_DOUBLE_EQ(rgb[0], 0.0);
  this->Lima->GetActor(0)->GetProperty()->GetColor(rgb);
  EXPECT_DOUBLE_EQ(rgb[2], 1.0);
}

TEST_F(CQlmMultiPartTest, APartTakesAnotherVariantKeepingItsLabel) {
  this->Lima->SetNumber(2);
  ASSERT_TRUE(this->Creator->CreatePartVariant(1, 1));
  this->Lima->SetPartFromCreator(this->Creator.get(), 1);
  EXPECT_EQ(std::string(this->Lima->GetPartName(1).c_str()), "H20");
  EXPECT_FLOAT_EQ(this->Lima->GetPartColor(1)[1], 0.2f);
  EXPECT_EQ(this->Label(1), "2-2");
  this->Lima->SetLabelMode(1);
  ASSERT_TRUE(this->Creator->CreatePartVariant(2, 1));
  this->Lima->SetPartFromCreator(this->Creator.get(), 2);
  EXPECT_EQ(this->Label(2), "R20");
  EXPECT_EQ(std::string(this->Lima->GetPartName(0).c_str()), "K15");
}

// Library files are user-editable: what they hold beyond the slots, or a section without variants, stays harmless.
TEST_F(CQlmMultiPartTest, CreatorTakesAtMostFiftySectionsAndSkipsEmptyOnes) {
  vtkNew<vtkEndoImplant> item;
  FitMesh(PieceMesh, 4, 0, 10, item->Mesh);
  for (int position = 0; position < 52; ++position) {
    vtkCollection* sections = item->AddPosition();
    if (position == 1) continue;
    vtkNew<vtkEndoImpSec> variant;
    variant->Name = ("S" + std::to_string(position)).c_str();
    FitMesh(PieceMesh, 3, 10, 12, variant->Mesh);
    sections->AddItem(variant);
  }
  this->Creator->Item = item;
  this->Creator->Create();
  EXPECT_NE(this->Creator->GetPartMesh(0), nullptr);
  EXPECT_EQ(this->Creator->GetPartMesh(1), nullptr);
  EXPECT_NE(this->Creator->GetPartMesh(49), nullptr);
  EXPECT_EQ(this->Creator->GetPartMesh(50), nullptr);
  EXPECT_FALSE(this->Creator->CreatePartVariant(1, 0));
  EXPECT_FALSE(this->Creator->CreatePartVariant(0, 1));
  EXPECT_FALSE(this->Creator->CreatePartVariant(50, 0));
  EXPECT_EQ(std::string(this->Creator->GetPartName(0).c_str()), "S0");

  CQlmEndoImp3D object;
  object.BuildFromCreator(this->Creator.get());
  EXPECT_EQ(object.GetPartCount(), 49);
  EXPECT_FALSE(object.HasPart(1));
  EXPECT_EQ(object.GetActor(1), nullptr);
  this->Creator->Item = nullptr;
}

}  // namespace
