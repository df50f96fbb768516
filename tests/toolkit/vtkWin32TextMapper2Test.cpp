#include "toolkit/vtkWin32TextMapper2.h"
#include "toolkit/vtkWin32TextMapperCollection2.h"

#include "QlmDisplay.h"

#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkCamera.h>
#include <vtkCoordinate.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkProperty2D.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkWindowToImageFilter.h>

#include <array>
#include <map>
#include <vector>

namespace {

using Rgb = std::array<int, 3>;

// A label at world (0, 0) in a 200 x 100 window on a black background; the
// camera shows x -20 .. 20 and y -10 .. 10 mm.
class LabelScene {
public:
  LabelScene() {
    this->Mapper->SetInput("888");
    this->Mapper->SetFontSize(30);
    this->Mapper->SetJustification(1);
    this->Mapper->SetVerticalJustification(1);
    this->Actor->SetMapper(this->Mapper);
    this->Actor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
    this->Actor->SetPosition(0, 0);
    this->Renderer->AddViewProp(this->Actor);
    this->Window->SetOffScreenRendering(1);
    this->Window->SetSize(200, 100);
    this->Window->AddRenderer(this->Renderer);
    vtkCamera* camera = this->Renderer->GetActiveCamera();
    camera->ParallelProjectionOn();
    camera->SetFocalPoint(0, 0, 0);
    camera->SetPosition(0, 0, 100);
    camera->SetParallelScale(10);
  }

  // How many pixels of each colour the window shows.
  std::map<Rgb, int> Colours() {
    this->Window->Render();
    vtkNew<vtkWindowToImageFilter> grab;
    grab->SetInput(this->Window);
    grab->Update();
    std::map<Rgb, int> counts;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x) {
        auto* rgb = static_cast<unsigned char*>(grab->GetOutput()->GetScalarPointer(x, y, 0));
        ++counts[Rgb{rgb[0], rgb[1], rgb[2]}];
      }
    return counts;
  }

  vtkNew<vtkWin32TextMapper2> Mapper;
  vtkNew<vtkActor2D> Actor;
  vtkNew<vtkRenderer> Renderer;
  vtkNew<vtkRenderWindow> Window;
};

constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Green{0, 255, 0};

TEST(vtkWin32TextMapper2, DrawsTheTextInItsOwnColourUnderAWhiteActor) {
  QLM_REQUIRE_DISPLAY();
  LabelScene scene;
  scene.Mapper->SetColor(1, 0, 0);
  std::map<Rgb, int> colours = scene.Colours();
  EXPECT_GT(colours[Red], 20) << "solid text pixels";
  EXPECT_EQ(colours[Blue], 0);

  scene.Mapper->SetInput("");
  EXPECT_EQ(scene.Colours()[Black], 200 * 100) << "an empty text draws nothing";
}

TEST(vtkWin32TextMapper2, BackgroundFillsABoxBehindTheTextOnlyWhileOn) {
  QLM_REQUIRE_DISPLAY();
  LabelScene scene;
  scene.Mapper->SetColor(1, 0, 0);
  scene.Mapper->SetColorBackground(0, 0, 1);
  EXPECT_EQ(scene.Colours()[Blue], 0) << "off by default";
  scene.Mapper->SetBackground(1);
  std::map<Rgb, int> boxed = scene.Colours();
  EXPECT_GT(boxed[Blue], boxed[Red]) << "the box is larger than the strokes";
  EXPECT_GT(boxed[Red], 20);
  scene.Mapper->SetBackground(0);
  EXPECT_EQ(scene.Colours()[Blue], 0);
}

TEST(vtkWin32TextMapper2, ShadowDrawsTheTextAgainInTheShadowColour) {
  QLM_REQUIRE_DISPLAY();
  LabelScene scene;
  scene.Mapper->SetColor(1, 0, 0);
  scene.Mapper->SetColorShadow(0, 1, 0);
  const int redAlone = scene.Colours()[Red];
  scene.Mapper->ShadowOn();
  std::map<Rgb, int> shadowed = scene.Colours();
  EXPECT_GT(shadowed[Green], 5) << "shadow pixels beside the strokes";
  EXPECT_GT(shadowed[Red], redAlone / 2) << "the text stays on top";
  scene.Mapper->ShadowOff();
  EXPECT_EQ(scene.Colours()[Green], 0);
}

TEST(vtkWin32TextMapper2, LabelBackgroundSwitchesBetweenBoxedBlackAndShadowedYellow) {
  vtkNew<vtkWin32TextMapper2> mapper;
  double rgb[3];
  mapper->SetLabelBackground(1);
  mapper->GetColor(rgb);
  EXPECT_EQ(mapper->GetBackground(), 1);
  EXPECT_EQ(mapper->GetShadow(), 0);
  EXPECT_EQ(std::vector<double>(rgb, rgb + 3), std::vector<double>({0.0, 0.0, 0.0}));
  mapper->SetLabelBackground(0);
  mapper->GetColor(rgb);
  EXPECT_EQ(mapper->GetBackground(), 0);
  EXPECT_EQ(mapper->GetShadow(), 1);
  EXPECT_EQ(std::vector<double>(rgb, rgb + 3), std::vector<double>({1.0, 1.0, 0.3}));
}

TEST(vtkWin32TextMapperCollection2, KeepsTheMappersAliveInOrder) {
  vtkNew<vtkWin32TextMapperCollection2> collection;
  vtkWin32TextMapper2* first = vtkWin32TextMapper2::New();
  vtkWin32TextMapper2* second = vtkWin32TextMapper2::New();
  collection->AddItem(first);
  collection->AddItem(second);
  first->Delete();
  second->Delete();
  ASSERT_EQ(collection->GetNumberOfItems(), 2);
  collection->InitTraversal();
  EXPECT_EQ(collection->GetNextItem(), first);
  EXPECT_EQ(collection->GetNextItem(), second);
  EXPECT_EQ(collection->GetNextItem(), nullptr);
}

}  // namespace
