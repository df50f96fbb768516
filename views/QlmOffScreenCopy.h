#pragma once
// What the two off-screen copies of the render-window wrappers share: the
// millimetre-to-pixel factor, the camera copy, the hand-over of the live
// wrapper's actors and the read-back of the picture.
#include <QImage>

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

// Makes `window`'s context current and has the props of its renderers free
// what they hold in it: the copy shares the live actors, whose mappers keep
// one set of graphics resources, valid in one context at a time.
void ReleasePropResources(vtkRenderWindow* window);

// Renders `window` at width x height and reads it back, top row first, into
// `picture`. False, with `picture` null, when the size is empty or too large,
// or when the window does not deliver a picture of that size.
bool RenderPicture(vtkRenderWindow* window, int width, int height, QImage& picture);

// Enlarges `picture` by `ratio` (trunc of each side) with smooth scaling; false when the result is empty or too large.
bool Resample(QImage& picture, float ratio);

// A copy's Render: the live window `source` (not rendered) must be enabled;
// renders `copy` at `size`, enlarges by `ratio` when `resample` is set, and fills
// `picture` and `image`. False, with both empty, when no picture was made.
bool RenderCopy(vtkRenderWindow* source, int sourceEnabled, vtkRenderWindow* copy, const int size[2], int resample, float ratio,
                QImage& picture, vtkImageData* image);

// `image` := `picture` as RGB, 1 x 1 x 1 spacing, origin 0, rows bottom first as the toolkit's writers take them.
void ToImageData(const QImage& picture, vtkImageData* image);

}  // namespace QlmOffScreenCopy
