#pragma once
// What the two off-screen copies of the render-window wrappers share: the
// millimetre-to-pixel factor, the camera copy, the hand-over of the live
// wrapper's actors, rendering in the live wrapper's window and the read-back
// of the picture.
#include <QImage>
#include <vector>

class vtkCamera;
class vtkImageData;
class vtkRenderWindow;
class vtkRenderer;

namespace QlmOffScreenCopy {

// Pixels per millimetre per dot per inch (not 1 / 25.4).
constexpr float PixelsPerMMPerDPI = 0.039368f;

// Largest side (pixels) a copy renders at; larger pictures are refused.
constexpr int MaximumSide = 8192;

// mm x resolution x 0.039368 in single precision, truncated.
int ToPixels(float mm, float dotsPerInch);

// Position, focal point, clipping range, projection, parallel scale and view-up; then OrthogonalizeViewUp.
void CopyCamera(vtkCamera* from, vtkCamera* to);

// Adds every actor and 2D actor of `from` to `to` (shared, not duplicated) and gives `to` the camera.
void ShareProps(vtkRenderer* from, vtkRenderer* to, vtkCamera* camera);

// Lets go of every prop of `renderer` without touching its graphics
// resources, which belong to the live view that shares the prop.
void DropProps(vtkRenderer* renderer);

// Renders `renderers` (a copy's, in the order they stack) inside the live
// window `source` at width x height and reads the picture back, top row first,
// into `picture`. The copy borrows the live window, whose graphics context
// already holds the shared props' textures and buffers: the live renderers
// are skipped meanwhile, and the window gets its own renderers and size back
// after, its picture left as it was. False, with `picture` null, when the size
// is empty or too large, or the window does not deliver a picture of that size.
bool RenderPicture(vtkRenderWindow* source, const std::vector<vtkRenderer*>& renderers, int width, int height,
                   QImage& picture);

// Enlarges `picture` by `ratio` (trunc of each side) with smooth scaling; false when the result is empty or too large.
bool Resample(QImage& picture, float ratio);

// A copy's Render: the live window `source` must be enabled; renders the
// copy's `renderers` in it at `size` (RenderPicture), enlarges by `ratio` when
// `resample` is set, and fills `picture` and `image`. False, with both empty,
// when no picture was made.
bool RenderCopy(vtkRenderWindow* source, int sourceEnabled, const std::vector<vtkRenderer*>& renderers,
                const int size[2], int resample, float ratio, QImage& picture, vtkImageData* image);

// `image` := `picture` as RGB, 1 x 1 x 1 spacing, origin 0, rows bottom first as the toolkit's writers take them.
void ToImageData(const QImage& picture, vtkImageData* image);

}  // namespace QlmOffScreenCopy
