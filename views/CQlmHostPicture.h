#pragma once
// The picture that a render-window wrapper shows in its host widget.
//
// Render draws the wrapper's render window off screen at the host's client
// size, reads the frame back as RGB (top row first) and asks Qt to repaint
// the host; a disabled wrapper gets a grey picture instead. The client area
// of a host window with a scroll bar ends where the bar begins. The picture
// paints the host itself: it filters the host's paint events and draws the
// last picture over the client area, so a host needs no paint code of
// its own. When the host paints at a size the picture does not have (first
// show, resize), the picture is drawn again first, synchronously and without
// scheduling anything, so a paint never leads to another paint.
#include <vtkNew.h>
#include <vtkUnsignedCharArray.h>

#include <QImage>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <memory>

class vtkRenderWindow;

class CQlmHostPicture {
public:
  // `window` and `enabled` belong to the wrapper and outlive the picture.
  CQlmHostPicture(vtkRenderWindow* window, const int& enabled);
  ~CQlmHostPicture();
  CQlmHostPicture(const CQlmHostPicture&) = delete;
  CQlmHostPicture& operator=(const CQlmHostPicture&) = delete;

  // The widget that shows the picture; not owned, may be null.
  void SetHost(QWidget* host);
  QWidget* GetHost() const { return this->Host; }

  // Draws the picture and schedules the host's repaint. Enabled 0: grey
  // RGB(192, 192, 192) with a one-pixel black outline, nothing rendered.
  // Without a host, or with an empty client area while enabled: nothing.
  void Render();

  // The last picture, RGB888, of the host's client size when it was drawn.
  const QImage& GetImage() const { return this->Image; }

private:
  class PaintFilter;

  bool Draw();
  QSize ClientSize() const;
  void ShowDisabled(const QSize& size);
  void Capture(const QSize& size);
  void PaintHost();

  vtkRenderWindow* Window;
  const int& Enabled;
  QPointer<QWidget> Host;
  std::unique_ptr<PaintFilter> Filter;
  QImage Image;
  vtkNew<vtkUnsignedCharArray> Pixels;
  bool Drawing = false;
};
