#include <gtest/gtest.h>
#include <vtkCamera.h>

#include <QWidget>
#include <memory>

#include "QlmColourPrinter.h"
#include "QlmDisplay.h"
#include "QlmSceneFixtures.h"
#include "QlmTestApplication.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlm3DWindow9OffScreen.h"
#include "views/CQlm3DWindowOffScreen.h"

namespace {

void AimCamera(vtkCamera* camera) {
  camera->SetPosition(0, 0, 100);
  camera->SetFocalPoint(0, 0, 0);
  camera->SetClippingRange(1, 1000);
}

class OffScreenCopyTest : public ::testing::Test {
protected:
  void SetUp() override {
    QlmTestApplication();
    this->Host = std::make_unique<QWidget>();
    this->Host->resize(200, 100);
    this->Live.reset(CQlm3DWindow::New(2));
    this->Live->SetHostWindow(this->Host.get());
    this->Live->RenderWindow->SetSize(200, 100);
    AimCamera(this->Live->Renderer3->GetActiveCamera());
    this->Copy.reset(CQlm3DWindowOffScreen::New());
  }

  std::unique_ptr<QWidget> Host;
  std::unique_ptr<CQlm3DWindow> Live;
  std::unique_ptr<CQlm3DWindowOffScreen> Copy;
};

TEST_F(OffScreenCopyTest, SizingOperationsGiveTheirPixelSizesAndScales) {
  // The live view: 200 x 100 pixels, parallel scale 60.
  struct Case {
    const char* name;
    int resample;
    void (*size)(CQlm3DWindowOffScreen&);
    int width, height;
    double scale;
  };
  const Case cases[] = {
      {"100 x 50 mm at 150 dpi", 0, [](CQlm3DWindowOffScreen& c) { c.SetSizeMM(100, 50); }, 590, 295, 25},
      {"100 x 50 mm at 100 dpi", 1, [](CQlm3DWindowOffScreen& c) { c.SetSizeMM(100, 50); }, 393, 196, 25},
      {"true scale", 0, [](CQlm3DWindowOffScreen& c) { c.SetTrueScale(); }, 1416, 708, 60},
      {"extent 3 : 1 of a wide view", 0, [](CQlm3DWindowOffScreen& c) { c.SetViewExtent(90, 30); }, 200, 66, 15},
      {"extent of odd height halves as integers", 0, [](CQlm3DWindowOffScreen& c) { c.SetViewExtent(41, 41); },
       200, 200, 20},
      {"portrait output keeps the height", 0, [](CQlm3DWindowOffScreen& c) { c.SetOutputSize(50, 100); }, 50, 100,
       60},
      {"landscape output keeps the width and what it shows across", 0,
       [](CQlm3DWindowOffScreen& c) { c.SetOutputSize(4, 1); }, 200, 50, 30},
      {"square output of a wide view", 0, [](CQlm3DWindowOffScreen& c) { c.SetOutputSize(1, 1); }, 200, 200, 120},
      {"scale factor multiplies the pixels", 0, [](CQlm3DWindowOffScreen& c) { c.SetScaleFactor(1.5f); }, 300, 150,
       60},
  };
  for (const Case& test : cases) {
    std::unique_ptr<CQlm3DWindowOffScreen> copy(CQlm3DWindowOffScreen::New());
    copy->Resample = test.resample;
    copy->CopyFromWindow(this->Live.get());
    test.size(*copy);
    EXPECT_EQ(copy->GetWidth(), test.width) << test.name;
    EXPECT_EQ(copy->GetHeight(), test.height) << test.name;
    EXPECT_DOUBLE_EQ(copy->GetCamera()->GetParallelScale(), test.scale) << test.name;
  }
}

TEST_F(OffScreenCopyTest, ScaleFactorWithResampleRaisesTheOutputResolution) {
  this->Copy->Resample = 1;
  this->Copy->CopyFromWindow(this->Live.get());
  this->Copy->SetScaleFactor(3.0f);
  EXPECT_FLOAT_EQ(this->Copy->OutputResolution, 300.0f);
  EXPECT_EQ(this->Copy->GetWidth(), 200);
}

TEST_F(OffScreenCopyTest, CopyTakesTheCameraBackgroundAndSharesTheActors) {
  this->Live->SetBackground(0.25f, 0.5f, 0.75f);
  vtkCamera* camera = this->Live->Renderer3->GetActiveCamera();
  camera->SetParallelScale(33);
  camera->SetViewUp(0, 1, 0);
  auto square = QlmSceneFixtures::Square(0, 0, 0, 10, 1, 0, 0);
  this->Live->Renderer2->AddActor(square);

  this->Copy->CopyFromWindow(this->Live.get());

  EXPECT_DOUBLE_EQ(this->Copy->GetCamera()->GetParallelScale(), 33);
  EXPECT_DOUBLE_EQ(this->Copy->GetCamera()->GetPosition()[2], 100);
  EXPECT_FLOAT_EQ(this->Copy->Background[2], 0.75f);
  EXPECT_TRUE(this->Copy->Renderer2->HasViewProp(square));
  EXPECT_EQ(this->Copy->Renderer3->GetViewProps()->GetNumberOfItems(), 0);
  for (int layer = 0; layer < 4; ++layer) {
    EXPECT_EQ(this->Copy->GetLayerRenderer(layer)->GetActiveCamera(), this->Copy->GetCamera()) << layer;
  }
  this->Copy.reset();
  EXPECT_TRUE(this->Live->Renderer2->HasViewProp(square));
  EXPECT_DOUBLE_EQ(camera->GetParallelScale(), 33);
}

TEST_F(OffScreenCopyTest, RenderFailsAndLeavesNoImageWithoutAPicture) {
  QLM_REQUIRE_DISPLAY();
  struct Case {
    const char* name;
    void (*prepare)(CQlm3DWindow&, CQlm3DWindowOffScreen&);
  };
  const Case cases[] = {
      {"no source", [](CQlm3DWindow&, CQlm3DWindowOffScreen&) {}},
      {"disabled view",
       [](CQlm3DWindow& live, CQlm3DWindowOffScreen& copy) {
         live.Enabled = 0;
         copy.CopyFromWindow(&live);
       }},
      {"zero size",
       [](CQlm3DWindow& live, CQlm3DWindowOffScreen& copy) {
         copy.CopyFromWindow(&live);
         copy.SetSizeMM(0, 50);
       }},
      {"empty proportion",
       [](CQlm3DWindow& live, CQlm3DWindowOffScreen& copy) {
         copy.CopyFromWindow(&live);
         copy.SetViewExtent(10, 0);
       }},
      {"larger than a render window holds",
       [](CQlm3DWindow& live, CQlm3DWindowOffScreen& copy) {
         copy.CopyFromWindow(&live);
         copy.SetSizeMM(2000, 50);
       }},
      {"resampled beyond a render window",
       [](CQlm3DWindow& live, CQlm3DWindowOffScreen& copy) {
         copy.CopyFromWindow(&live);
         copy.Resample = 1;
         copy.OutputResolution = 1.0e6f;
       }},
      {"resampled at no render resolution",
       [](CQlm3DWindow& live, CQlm3DWindowOffScreen& copy) {
         copy.CopyFromWindow(&live);
         copy.Resample = 1;
         copy.RenderResolution = 0;
       }},
  };
  for (const Case& test : cases) {
    this->Live->Enabled = 1;
    std::unique_ptr<CQlm3DWindowOffScreen> fresh(CQlm3DWindowOffScreen::New());
    test.prepare(*this->Live, *fresh);
    EXPECT_FALSE(fresh->Render()) << test.name;
    EXPECT_TRUE(fresh->GetPicture().isNull()) << test.name;
    EXPECT_EQ(fresh->Image->GetNumberOfPoints(), 0) << test.name;
  }
}

TEST_F(OffScreenCopyTest, FailedRenderClearsTheEarlierPicture) {
  QLM_REQUIRE_DISPLAY();
  this->Copy->CopyFromWindow(this->Live.get());
  ASSERT_TRUE(this->Copy->Render());
  this->Live->Enabled = 0;
  EXPECT_FALSE(this->Copy->Render());
  EXPECT_TRUE(this->Copy->GetPicture().isNull());
  EXPECT_EQ(this->Copy->Image->GetNumberOfPoints(), 0);
}

TEST_F(OffScreenCopyTest, ResampledPictureHasTheEnlargedSizeInBothForms) {
  QLM_REQUIRE_DISPLAY();
  // Red square above the centre, blue one below: the row order shows.
  this->Live->Renderer3->AddActor(QlmSceneFixtures::Square(0, 20, 0, 20, 1, 0, 0));
  this->Live->Renderer3->AddActor(QlmSceneFixtures::Square(0, -20, 0, 20, 0, 0, 1));
  this->Copy->Resample = 1;
  this->Copy->CopyFromWindow(this->Live.get());
  this->Copy->SetSizeMM(100, 50);  // 393 x 196 at 100 dpi, scale 25

  ASSERT_TRUE(this->Copy->Render());
  const QImage& picture = this->Copy->GetPicture();
  ASSERT_EQ(picture.size(), QSize(589, 294));
  int dimensions[3];
  this->Copy->Image->GetDimensions(dimensions);
  EXPECT_EQ(dimensions[0], 589);
  EXPECT_EQ(dimensions[1], 294);
  EXPECT_EQ(this->Copy->Image->GetNumberOfScalarComponents(), 3);
  EXPECT_EQ(picture.pixelColor(294, 60), QColor(255, 0, 0));
  EXPECT_EQ(picture.pixelColor(294, 234), QColor(0, 0, 255));
  // The image data's first row is the picture's bottom row.
  auto* blueRow = static_cast<unsigned char*>(this->Copy->Image->GetScalarPointer(294, 60, 0));
  EXPECT_EQ(QColor(blueRow[0], blueRow[1], blueRow[2]), QColor(0, 0, 255));
}

TEST_F(OffScreenCopyTest, DeletingTheCopyLeavesTheLivePictureUnchanged) {
  QLM_REQUIRE_DISPLAY();
  this->Live->Renderer3->AddActor(QlmSceneFixtures::Square(0, 0, 0, 40, 0, 1, 0));
  this->Live->Renderer0->AddActor(QlmSceneFixtures::Square(20, 0, 0, 10, 1, 1, 0));
  this->Live->Render();
  const QImage before = this->Live->GetImage().copy();
  const double scaleBefore = this->Live->Renderer3->GetActiveCamera()->GetParallelScale();

  this->Copy->CopyFromWindow(this->Live.get());
  this->Copy->SetSizeMM(80, 60);
  ASSERT_TRUE(this->Copy->Render());
  EXPECT_EQ(this->Copy->GetPicture().pixelColor(this->Copy->GetWidth() / 2, this->Copy->GetHeight() / 2),
            QColor(0, 255, 0));
  this->Copy.reset();

  this->Live->Render();
  EXPECT_EQ(this->Live->GetImage(), before);
  EXPECT_DOUBLE_EQ(this->Live->Renderer3->GetActiveCamera()->GetParallelScale(), scaleBefore);
}

class OffScreenCopy9Test : public ::testing::Test {
protected:
  void SetUp() override {
    QlmTestApplication();
    this->Live.reset(CQlm3DWindow9::New(2));
    this->Live->RenderWindow->SetSize(300, 300);
    AimCamera(this->Live->Renderer3[4]->GetActiveCamera());
    this->Copy.reset(CQlm3DWindow9OffScreen::New());
  }

  std::unique_ptr<CQlm3DWindow9> Live;
  std::unique_ptr<CQlm3DWindow9OffScreen> Copy;
};

TEST_F(OffScreenCopy9Test, SizingCountsThreeRowsUnlessSingleCell) {
  struct Case {
    int single;
    int width, height;
    double scale, trueHeight;
  };
  // 60 x 90 mm at 150 dpi: 354 x 531 pixels.
  for (const Case& test : {Case{0, 354, 531, 15, 531}, Case{1, 354, 531, 45, 531}}) {
    this->Live->SetSingleCell(test.single);
    std::unique_ptr<CQlm3DWindow9OffScreen> copy(CQlm3DWindow9OffScreen::New());
    copy->CopyFromWindow(this->Live.get());
    EXPECT_EQ(copy->GetSingleCell(), test.single);
    copy->SetSizeMM(60, 90);
    EXPECT_EQ(copy->GetWidth(), test.width) << test.single;
    EXPECT_EQ(copy->GetHeight(), test.height) << test.single;
    EXPECT_DOUBLE_EQ(copy->GetCamera()->GetParallelScale(), test.scale) << test.single;
    copy->SetTrueScale();
    EXPECT_EQ(copy->GetHeight(), static_cast<int>(test.trueHeight)) << test.single;
    copy->SetViewExtent(30, 90);
    EXPECT_EQ(copy->GetWidth(), test.height / 3) << test.single;
  }
}

TEST_F(OffScreenCopy9Test, SingleCellCopyShowsOnlyTheCentreSection) {
  QLM_REQUIRE_DISPLAY();
  // Each cell a full square of its own colour; the centre white.
  for (int cell = 0; cell < 9; ++cell) {
    const double shade = cell == 4 ? 1.0 : 0.1 * cell;
    this->Live->Renderer3[cell]->AddActor(QlmSceneFixtures::Square(0, 0, 0, 500, shade, shade, cell == 4 ? 1 : 0));
  }
  this->Live->SetSingleCell(1);
  this->Copy->CopyFromWindow(this->Live.get());
  ASSERT_TRUE(this->Copy->Render());
  const QImage& picture = this->Copy->GetPicture();
  ASSERT_EQ(picture.size(), QSize(300, 300));
  for (const QPoint& place : {QPoint(5, 5), QPoint(150, 150), QPoint(295, 295), QPoint(5, 295), QPoint(295, 5)}) {
    EXPECT_EQ(picture.pixelColor(place), QColor(255, 255, 255)) << place.x() << "," << place.y();
  }

  // Back to nine cells: the corners show their own sections.
  this->Copy->SetSingleCell(0);
  ASSERT_TRUE(this->Copy->Render());
  EXPECT_EQ(this->Copy->GetPicture().pixelColor(150, 150), QColor(255, 255, 255));
  EXPECT_NE(this->Copy->GetPicture().pixelColor(5, 5), QColor(255, 255, 255));
}

}  // namespace
