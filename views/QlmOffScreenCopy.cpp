#include "views/QlmOffScreenCopy.h"

#include <vtkActor2DCollection.h>
#include <vtkActorCollection.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkProp.h>
#include <vtkPropCollection.h>
#include <vtkRenderWindow.h>
#include <vtkRendererCollection.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>

#include <cstring>

namespace QlmOffScreenCopy {

int ToPixels(float mm, float dotsPerInch) {
  const float pixels = mm * dotsPerInch * PixelsPerMMPerDPI;
  return static_cast<int>(pixels);
}

void CopyCamera(vtkCamera* from, vtkCamera* to) {
  to->SetPosition(from->GetPosition());
  to->SetFocalPoint(from->GetFocalPoint());
  to->SetClippingRange(from->GetClippingRange());
  to->SetParallelProjection(from->GetParallelProjection());
  to->SetParallelScale(from->GetParallelScale());
  to->SetViewUp(from->GetViewUp());
  to->OrthogonalizeViewUp();
}

void ShareProps(vtkRenderer* from, vtkRenderer* to, vtkCamera* camera) {
  vtkActorCollection* actors = from->GetActors();
  actors->InitTraversal();
  while (vtkActor* actor = actors->GetNextActor()) to->AddViewProp(actor);
  vtkActor2DCollection* actors2D = from->GetActors2D();
  actors2D->InitTraversal();
  while (vtkActor2D* actor = actors2D->GetNextActor2D()) to->AddViewProp(actor);
  to->SetActiveCamera(camera);
}

void DropProps(vtkRenderer* renderer) {
  // RemoveAllViewProps would free the props' resources in the renderer's window.
  vtkPropCollection* props = renderer->GetViewProps();
  props->InitTraversal();
  while (vtkProp* prop = props->GetNextProp()) prop->RemoveConsumer(renderer);
  props->RemoveAllItems();
}

namespace {

// The props of a renderer, taken out while it changes windows: a renderer
// that leaves or joins a window frees the graphics resources of its props.
class SetAsideProps {
public:
  explicit SetAsideProps(vtkRenderer* renderer) : Renderer(renderer) {
    vtkPropCollection* props = renderer->GetViewProps();
    props->InitTraversal();
    while (vtkProp* prop = props->GetNextProp()) this->Props.emplace_back(prop);
    DropProps(renderer);
  }
  ~SetAsideProps() {
    for (vtkProp* prop : this->Props) this->Renderer->AddViewProp(prop);
  }
  SetAsideProps(const SetAsideProps&) = delete;
  SetAsideProps& operator=(const SetAsideProps&) = delete;

private:
  vtkRenderer* Renderer;
  std::vector<vtkSmartPointer<vtkProp>> Props;
};

// The live window lent to a copy's renderers for one render: its own
// renderers skipped, its size kept for the way back.
class BorrowedWindow {
public:
  BorrowedWindow(vtkRenderWindow* window, const std::vector<vtkRenderer*>& renderers)
      : Window(window), Guests(renderers) {
    const int* size = window->GetSize();
    this->Size[0] = size[0];
    this->Size[1] = size[1];
    vtkRendererCollection* own = window->GetRenderers();
    own->InitTraversal();
    while (vtkRenderer* renderer = own->GetNextItem()) {
      if (!renderer->GetDraw()) continue;
      renderer->DrawOff();
      this->Skipped.push_back(renderer);
    }
    for (vtkRenderer* guest : this->Guests) {
      SetAsideProps aside(guest);
      window->AddRenderer(guest);
    }
  }
  ~BorrowedWindow() {
    this->Window->MakeCurrent();
    for (vtkRenderer* guest : this->Guests) {
      SetAsideProps aside(guest);
      this->Window->RemoveRenderer(guest);
    }
    for (vtkRenderer* renderer : this->Skipped) renderer->DrawOn();
    this->Window->SetSize(this->Size[0], this->Size[1]);
  }
  BorrowedWindow(const BorrowedWindow&) = delete;
  BorrowedWindow& operator=(const BorrowedWindow&) = delete;

private:
  vtkRenderWindow* Window;
  const std::vector<vtkRenderer*>& Guests;
  std::vector<vtkRenderer*> Skipped;
  int Size[2];
};

bool ReadPicture(vtkRenderWindow* window, int width, int height, QImage& picture) {
  const int* size = window->GetSize();
  if (size[0] != width || size[1] != height) return false;
  vtkNew<vtkUnsignedCharArray> pixels;
  if (window->GetPixelData(0, 0, width - 1, height - 1, 0, pixels, 0) != 1) return false;
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  if (pixels->GetNumberOfValues() != static_cast<vtkIdType>(rowBytes) * height) return false;
  picture = QImage(width, height, QImage::Format_RGB888);
  if (picture.isNull()) return false;
  const unsigned char* rows = pixels->GetPointer(0);
  // The toolkit's first row is the bottom one.
  for (int row = 0; row < height; ++row) {
    std::memcpy(picture.scanLine(height - 1 - row), rows + row * rowBytes, rowBytes);
  }
  return true;
}

}  // namespace

bool RenderPicture(vtkRenderWindow* source, const std::vector<vtkRenderer*>& renderers, int width, int height,
                   QImage& picture) {
  picture = QImage();
  if (width <= 0 || height <= 0 || width > MaximumSide || height > MaximumSide) return false;
  BorrowedWindow borrowed(source, renderers);
  source->SetSize(width, height);
  source->Render();
  if (ReadPicture(source, width, height, picture)) return true;
  picture = QImage();
  return false;
}

bool Resample(QImage& picture, float ratio) {
  if (!(ratio > 0.0f) || ratio > MaximumSide) {
    picture = QImage();
    return false;
  }
  const int width = static_cast<int>(picture.width() * ratio);
  const int height = static_cast<int>(picture.height() * ratio);
  if (width <= 0 || height <= 0 || width > MaximumSide || height > MaximumSide) {
    picture = QImage();
    return false;
  }
  picture = picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB888);
  return !picture.isNull();
}

void ToImageData(const QImage& picture, vtkImageData* image) {
  const int width = picture.width();
  const int height = picture.height();
  image->Initialize();
  image->SetSpacing(1, 1, 1);
  image->SetOrigin(0, 0, 0);
  image->SetDimensions(width, height, 1);
  image->AllocateScalars(VTK_UNSIGNED_CHAR, 3);
  auto* rows = static_cast<unsigned char*>(image->GetScalarPointer());
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  for (int row = 0; row < height; ++row) {
    std::memcpy(rows + row * rowBytes, picture.constScanLine(height - 1 - row), rowBytes);
  }
}

bool RenderCopy(vtkRenderWindow* source, int sourceEnabled, const std::vector<vtkRenderer*>& renderers,
                const int size[2], int resample, float ratio, QImage& picture, vtkImageData* image) {
  image->Initialize();
  picture = QImage();
  if (!source || !sourceEnabled) return false;
  bool made = RenderPicture(source, renderers, size[0], size[1], picture);
  if (made && resample) made = Resample(picture, ratio);
  if (!made) return false;
  ToImageData(picture, image);
  return true;
}

}  // namespace QlmOffScreenCopy
