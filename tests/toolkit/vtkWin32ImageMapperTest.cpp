#include "toolkit/vtkWin32ImageMapper2.h"
#include "toolkit/vtkWin32ImageMapper29.h"

#include "QlmDisplay.h"

#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>
#include <vtkWindowToImageFilter.h>

#include <array>
#include <vector>

namespace {

using Rgb = std::array<int, 3>;

// 4 x 2 pixels of 10 mm per slice, each slice in its own colours; the z origin
// lies far behind the camera, so only a picture drawn at z = 0 can be seen.
vtkSmartPointer<vtkImageData> Picture(int slices) {
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(4, 2, slices);
  image->SetSpacing(10, 10, 10);
  image->SetOrigin(0, 0, 500);
  image->AllocateScalars(VTK_UNSIGNED_CHAR, 3);
  for (int z = 0; z < slices; ++z)
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) {
        auto* rgb = static_cast<unsigned char*>(image->GetScalarPointer(x, y, z));
        rgb[0] = x % 2 == 0 ? 255 : 0;
        rgb[1] = static_cast<unsigned char>(60 * y + 40 * z);
        rgb[2] = x % 2 == 0 ? 0 : 255;
      }
  return image;
}

// Renders the actor in a 200 x 100 window whose camera shows x -5 .. 35 and
// y -5 .. 15 mm (5 pixels per mm, until LookAt moves it) and returns the
// window's pixels.
class Scene {
public:
  explicit Scene(vtkWin32ImageMapper2* mapper) {
    this->Actor->SetMapper(mapper);
    this->Renderer->AddViewProp(this->Actor);
    this->Window->SetOffScreenRendering(1);
    this->Window->SetSize(200, 100);
    this->Window->AddRenderer(this->Renderer);
    vtkCamera* camera = this->Renderer->GetActiveCamera();
    camera->ParallelProjectionOn();
    camera->SetFocalPoint(15, 5, 0);
    camera->SetPosition(15, 5, 100);
    camera->SetViewUp(0, 1, 0);
    camera->SetParallelScale(10);
    camera->SetClippingRange(1, 200);
  }

  // Moves the view centre to (x, y).
  void LookAt(double x, double y) {
    vtkCamera* camera = this->Renderer->GetActiveCamera();
    camera->SetFocalPoint(x, y, 0);
    camera->SetPosition(x, y, 100);
  }

  Rgb Pixel(int x, int y) {
    this->Window->Render();
    vtkNew<vtkWindowToImageFilter> grab;
    grab->SetInput(this->Window);
    grab->Update();
    auto* rgb = static_cast<unsigned char*>(grab->GetOutput()->GetScalarPointer(x, y, 0));
    return {rgb[0], rgb[1], rgb[2]};
  }

private:
  vtkNew<vtkActor2D> Actor;
  vtkNew<vtkRenderer> Renderer;
  vtkNew<vtkRenderWindow> Window;
};

TEST(vtkWin32ImageMapper2, DrawsThePictureInWorldCoordinatesAtZeroDepth) {
  QLM_REQUIRE_DISPLAY();
  vtkSmartPointer<vtkImageData> picture = Picture(1);
  vtkNew<vtkWin32ImageMapper2> mapper;
  mapper->SetInputData(picture);
  Scene scene(mapper);
  EXPECT_EQ(scene.Pixel(25, 25), (Rgb{255, 0, 0})) << "pixel (0, 0)";
  EXPECT_EQ(scene.Pixel(75, 25), (Rgb{0, 0, 255})) << "pixel (1, 0)";
  EXPECT_EQ(scene.Pixel(175, 75), (Rgb{0, 60, 255})) << "pixel (3, 1)";
  // Without interpolation the pixel edge is sharp; with it the colours blend.
  EXPECT_TRUE(scene.Pixel(49, 25) == (Rgb{255, 0, 0}) || scene.Pixel(49, 25) == (Rgb{0, 0, 255}));
  mapper->SetInterpolation(1);
  const Rgb blended = scene.Pixel(49, 25);
  EXPECT_GT(blended[0], 60);
  EXPECT_GT(blended[2], 60);

  static_cast<unsigned char*>(picture->GetScalarPointer(0, 0, 0))[1] = 200;
  picture->Modified();
  EXPECT_EQ(scene.Pixel(20, 20), (Rgb{255, 200, 0})) << "a changed picture is drawn anew";
}

// Mirrored, pixel (i, j) covers y from -(j * 10) - 5 to -(j * 10) + 5: row 0
// still lies about y = 0, row 1 now below it.
TEST(vtkWin32ImageMapper2, MirrorYDrawsThePictureMirroredInTheWorldXAxis) {
  QLM_REQUIRE_DISPLAY();
  vtkNew<vtkWin32ImageMapper2> mapper;
  mapper->SetInputData(Picture(1));
  mapper->MirrorYOn();
  Scene scene(mapper);
  scene.LookAt(15, -5);
  EXPECT_EQ(scene.Pixel(25, 75), (Rgb{255, 0, 0})) << "pixel (0, 0) at y 0";
  EXPECT_EQ(scene.Pixel(25, 25), (Rgb{255, 60, 0})) << "pixel (0, 1) at y -10";
  EXPECT_EQ(scene.Pixel(175, 25), (Rgb{0, 60, 255})) << "pixel (3, 1) at (30, -10)";
  mapper->MirrorYOff();
  EXPECT_EQ(scene.Pixel(25, 25), (Rgb{0, 0, 0})) << "unmirrored, nothing lies below y = -5";
}

TEST(vtkWin32ImageMapper29, DrawsTheChosenSlice) {
  QLM_REQUIRE_DISPLAY();
  vtkNew<vtkWin32ImageMapper29> mapper;
  mapper->SetInputData(Picture(3));
  mapper->SetZSlice(2);
  Scene scene(mapper);
  EXPECT_EQ(scene.Pixel(25, 75), (Rgb{255, 140, 0}));
  mapper->SetZSlice(7);
  EXPECT_EQ(scene.Pixel(25, 75), (Rgb{255, 140, 0})) << "a slice beyond the image draws the last one";
  mapper->SetZSlice(0);
  EXPECT_EQ(scene.Pixel(25, 75), (Rgb{255, 60, 0}));
}

}  // namespace
