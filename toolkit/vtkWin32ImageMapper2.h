#pragma once
// Draws an 8-bit RGB image held by a vtkActor2D in the world coordinates of the
// renderer's camera, so the picture pans and zooms with the 2D view's camera:
// pixel (i, j) covers origin + (i, j) * spacing in x and y, one pixel wide, and
// the picture lies in the plane z = 0 whatever the image's z origin. With
// MirrorY the picture is mirrored in the world's x axis: pixel (i, j) covers
// x = origin x + i * spacing x, y = -(origin y + j * spacing y).
//
//   mapper->SetInputConnection(greyFilter->GetOutputPort());
//   actor->SetMapper(mapper);
//   layer3Renderer->AddViewProp(actor);
//
// Drawing is done by an internal image slice prop; the actor's position is not used.
#include <vtkMapper2D.h>
#include <vtkNew.h>

class vtkImageData;
class vtkImageProperty;
class vtkImageSlice;
class vtkImageSliceMapper;

class vtkWin32ImageMapper2 : public vtkMapper2D {
public:
  static vtkWin32ImageMapper2* New();
  vtkTypeMacro(vtkWin32ImageMapper2, vtkMapper2D);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The image to draw: 3 components of unsigned char.
  void SetInputData(vtkImageData* image);
  vtkImageData* GetInput();

  // 1 blends neighbouring pixels when the picture is magnified, 0 (the
  // default) shows each pixel as a square.
  vtkSetMacro(Interpolation, int);
  vtkGetMacro(Interpolation, int);

  // 1 draws the picture mirrored in y (see above); 0 (the default) as it is.
  vtkSetMacro(MirrorY, int);
  vtkGetMacro(MirrorY, int);
  vtkBooleanMacro(MirrorY, int);

  void RenderOpaqueGeometry(vtkViewport* viewport, vtkActor2D* actor) override;
  void ReleaseGraphicsResources(vtkWindow* window) override;

  vtkWin32ImageMapper2(const vtkWin32ImageMapper2&) = delete;
  void operator=(const vtkWin32ImageMapper2&) = delete;

protected:
  vtkWin32ImageMapper2();
  ~vtkWin32ImageMapper2() override;

  int FillInputPortInformation(int port, vtkInformation* info) override;

  int Interpolation = 0;
  int MirrorY = 0;
  // Slice drawn, counted from the first z index of the input's extent.
  int ZSlice = 0;

  vtkNew<vtkImageSliceMapper> SliceMapper;
  vtkNew<vtkImageSlice> Slice;
  vtkNew<vtkImageProperty> SliceProperty;
};
