#include <gtest/gtest.h>
#include <vtkCamera.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "QlmColourPrinter.h"
#include "QlmDisplay.h"
#include "QlmRenderCounter.h"
#include "QlmSceneFixtures.h"
#include "QlmTestApplication.h"
#include "libconvert/CQlmObserver.h"
#include "views/CQlm3DWindow.h"

namespace {

class TextRecorder : public CQlmObserver {
public:
  void SetText(CString text) override { this->Texts.push_back(text.c_str()); }
  std::vector<std::string> Texts;
};

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

class CQlm3DWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    QlmTestApplication();
    this->Host = std::make_unique<QWidget>();
    this->Host->resize(200, 100);
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window->SetHostWindow(this->Host.get());
    vtkCamera* camera = this->Window->Renderer3->GetActiveCamera();
    camera->SetPosition(0, 0, 100);
    camera->SetClippingRange(1, 1000);
  }

  std::unique_ptr<QWidget> Host;
  std::unique_ptr<CQlm3DWindow> Window;
};

TEST_F(CQlm3DWindowTest, DisabledViewIsGreyWithBlackOutlineAndRendersNothing) {
  QlmRenderCounter renders(this->Window->RenderWindow);
  this->Window->Enabled = 0;
  this->Window->Render();

  const QImage& image = this->Window->GetImage();
  ASSERT_EQ(image.size(), QSize(200, 100));
  const QColor grey(192, 192, 192);
  for (const QPoint& edge : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 99), QPoint(199, 99), QPoint(100, 0),
                             QPoint(0, 50), QPoint(199, 50), QPoint(100, 99)}) {
    EXPECT_EQ(Pixel(image, edge.x(), edge.y()), QColor(Qt::black)) << edge.x() << "," << edge.y();
  }
  for (const QPoint& inside : {QPoint(1, 1), QPoint(198, 98), QPoint(100, 50)}) {
    EXPECT_EQ(Pixel(image, inside.x(), inside.y()), grey) << inside.x() << "," << inside.y();
  }
  EXPECT_EQ(renders.Count, 0);
  // The host shows that picture when it paints.
  EXPECT_EQ(this->Host->grab().toImage().pixelColor(100, 50), grey);
}

TEST_F(CQlm3DWindowTest, EmptyClientAreaDrawsNothing) {
  QlmRenderCounter renders(this->Window->RenderWindow);
  for (const QSize& size : {QSize(0, 50), QSize(50, 0)}) {
    this->Host->resize(size);
    this->Window->Render();
    EXPECT_TRUE(this->Window->GetImage().isNull()) << size.width() << "x" << size.height();
  }
  EXPECT_EQ(renders.Count, 0);
}

TEST_F(CQlm3DWindowTest, HigherLayersCoverLowerOnesWhateverTheirDepth) {
  QLM_REQUIRE_DISPLAY();
  // Nested squares: each higher layer is smaller and farther from the camera.
  this->Window->Renderer3->AddActor(QlmSceneFixtures::Square(0, 0, 30, 80, 1, 0, 0));
  this->Window->Renderer2->AddActor(QlmSceneFixtures::Square(0, 0, 20, 60, 0, 1, 0));
  this->Window->Renderer1->AddActor(QlmSceneFixtures::Square(0, 0, 10, 40, 0, 0, 1));
  this->Window->Renderer0->AddActor(QlmSceneFixtures::Square(0, 0, 0, 20, 1, 1, 1));
  this->Window->SetBackground(1, 1, 0);
  this->Host->resize(240, 240);
  this->Window->Render();

  // 120 mm across 240 pixels: 2 pixels a millimetre, centre at (120, 120).
  struct Probe {
    int x;
    QColor colour;
  };
  const Probe probes[] = {
      {120, Qt::white}, {120 + 30, Qt::blue}, {120 + 50, Qt::green}, {120 + 70, Qt::red}, {120 + 100, Qt::yellow}};
  const QImage& image = this->Window->GetImage();
  for (const Probe& probe : probes) {
    EXPECT_EQ(Pixel(image, probe.x, 120), probe.colour) << "x " << probe.x;
  }
}

TEST_F(CQlm3DWindowTest, PictureTakesTheHostSizeTopRowFirst) {
  QLM_REQUIRE_DISPLAY();
  // Red over the upper half of the view only.
  this->Window->Renderer3->AddActor(QlmSceneFixtures::Square(0, 100, 0, 200, 1, 0, 0));
  this->Window->Render();
  ASSERT_EQ(this->Window->GetImage().size(), QSize(200, 100));
  EXPECT_EQ(Pixel(this->Window->GetImage(), 100, 10), QColor(Qt::red));
  EXPECT_EQ(Pixel(this->Window->GetImage(), 100, 90), QColor(Qt::black));

  this->Host->resize(130, 170);
  this->Window->Render();
  ASSERT_EQ(this->Window->GetImage().size(), QSize(130, 170));
  EXPECT_EQ(Pixel(this->Window->GetImage(), 65, 10), QColor(Qt::red));
  EXPECT_EQ(Pixel(this->Window->GetImage(), 65, 160), QColor(Qt::black));

  // A host painted at a new size gets a picture of that size without an explicit Render.
  this->Host->resize(90, 60);
  const QImage shown = this->Host->grab().toImage();
  EXPECT_EQ(this->Window->GetImage().size(), QSize(90, 60));
  EXPECT_EQ(shown.pixelColor(45, 5), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(45, 55), QColor(Qt::black));
}

TEST_F(CQlm3DWindowTest, StatusTextsFollowTheLayerThreeRender) {
  QLM_REQUIRE_DISPLAY();
  TextRecorder status;
  this->Window->StartObserver->SetStatusTarget(&status);
  this->Window->EndObserver->SetStatusTarget(&status);
  this->Window->Render();
  EXPECT_EQ(status.Texts, (std::vector<std::string>{"Renderizando Janela 3D...", "Pronto"}));

  status.Texts.clear();
  this->Window->Enabled = 0;
  this->Window->Render();
  EXPECT_TRUE(status.Texts.empty());
}

}  // namespace

TEST_F(CQlm3DWindowTest, LayerNumbersNameTheLayerRenderersForTheObjectsThatDraw) {
  const CQlmLayeredWindow& layered = *this->Window;
  EXPECT_EQ(layered.GetLayerRenderer(0), this->Window->Renderer0.Get());
  EXPECT_EQ(layered.GetLayerRenderer(1), this->Window->Renderer1.Get());
  EXPECT_EQ(layered.GetLayerRenderer(2), this->Window->Renderer2.Get());
  EXPECT_EQ(layered.GetLayerRenderer(3), this->Window->Renderer3.Get());
  EXPECT_EQ(layered.GetLayerRenderer(4), nullptr);
  EXPECT_EQ(layered.GetLayerRenderer(-1), nullptr);
}
