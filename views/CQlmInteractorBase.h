#pragma once
// What the single-view interactor (CQlm3DInteractor) and its 3x3 twin
// (CQlm3DInteractor9) share: the conversions between window, display and
// world coordinates, panning, the area-zoom rubber band, the object moves,
// rotations and scalings accumulated into the state record's object
// transform, points on the frame's planes, and the ring search of a pick.
//
// Display coordinates are the toolkit's pixels with y upwards; window
// coordinates are the host's client coordinates with y downwards. Every
// conversion goes through the coordinate renderer (the single view's layer-3
// renderer, or the current cell's). W and H below are the render window's size.
#include <vtkNew.h>
#include <vtkPerspectiveTransform.h>
#include <vtkTransform.h>

#include <functional>

#include "views/CQlmZoomRectangle.h"

class CQlmInteractorRecord;
class QWidget;
class vtkCamera;
class vtkRenderer;

class CQlmInteractorBase {
public:
  virtual ~CQlmInteractorBase() = default;
  CQlmInteractorBase(const CQlmInteractorBase&) = delete;
  CQlmInteractorBase& operator=(const CQlmInteractorBase&) = delete;

  // The interaction state (QlmState), stored here and in the state record.
  void SetMode(int state);
  int GetMode() const { return this->State; }

  // Sets the record's modifier flags from a mouse-message flag word.
  void SetModifiers(unsigned flags);

  // The part of the state record that both record kinds share.
  CQlmInteractorRecord& GetCommonRecord() { return this->Common(); }

  // True once a window is bound (SetWindow of the derived class).
  bool IsBound();
  void GetWindowSize(int& width, int& height);
  vtkCamera* GetCamera();

  void WindowToDisplay(int x, int y, int display[2]);
  void DisplayToWindow(int x, int y, int window[2]);
  // The world point of a display point; x, y, z divided by w when w is not 0.
  void DisplayToWorld(double x, double y, double z, double world[4]);
  void DisplayToWorldFloat(double x, double y, double z, float world[4]);
  void WorldToDisplay(double x, double y, double z, double display[3]);

  // Recomputes the view transform (world to camera) from the camera.
  void UpdateViewTransform();

  // Moves the camera by the world distance from (x0, y0) to (x1, y1) at the
  // focal point's depth; the styles pass (x, y, lastX, lastY), so the picture
  // follows the pointer.
  void Pan(int x0, int y0, int x1, int y1);
  // The world displacement that Pan applies, computed in single precision.
  void PanDisplacement(int x0, int y0, int x1, int y1, double displacement[3]);
  // Adds `displacement` to the camera's focal point and position.
  void MoveCamera(const double displacement[3]);

  // Shows the rubber band from the press position to (x, y) over the host.
  void DrawZoomRectangle(int x, int y);
  void HideZoomRectangle();

  // States 20 to 22: follows the pointer on the frame's xy, xz or yz plane;
  // 23 to 25: along the frame's x, y or z axis. Nothing when the view
  // direction is parallel to the plane.
  void MoveObject(int x, int y);
  // States 40 to 45 about the frame's axes, centred on the frame's origin;
  // the styles pass (lastX - x, lastY - y).
  void RotateObject(int a, int b);
  // About the view direction, by the angle the pointer turns around the pivot.
  void RotateObjectInView(int x0, int y0, int x1, int y1);
  // States 50 uniform, 51 x, 52 y, 53 z, 54 x and y, along the frame's axes.
  void ScaleObject(int a, int b);
  // States 70 / 71 / 72: the cursor point becomes the point under the
  // pointer on the frame's z = 0 / y = 0 / x = 0 plane; (0, 0, 0, 1) when
  // the view direction is parallel to the plane.
  void PickPointOnPlane(int x, int y);

  // Pointer positions in display coordinates, written by the styles.
  int LastPosition[2] = {0, 0};
  int PressPosition[2] = {0, 0};  // left press and double click
  int ReleasePosition[2] = {0, 0};
  int RightPressPosition[2] = {0, 0};
  int RightReleasePosition[2] = {0, 0};

  float MotionFactor = 10.0f;
  float DegreesPerRadian = 57.29578f;
  // Pixels around a missed pick that Pick searches; 0 searches nothing.
  int PickSearchRadius = 0;

protected:
  // `aboutZSpan`: degrees that a drag across the window width turns in state
  // 45, divided by the motion factor.
  explicit CQlmInteractorBase(float aboutZSpan);

  virtual CQlmInteractorRecord& Common() = 0;
  virtual vtkRenderer* CoordinateRenderer() = 0;
  virtual QWidget* HostWindow() = 0;
  // One pick at (x, y); true when it hit an actor.
  virtual bool PickActorAt(int x, int y) = 0;

  // Picks at (x, y), then on rings around it up to PickSearchRadius; true on a hit.
  bool PickWithSearch(int x, int y);
  // Pans the point to the focal point's screen place, runs `operation`, pans back.
  void AroundPoint(const float point[4], const std::function<void()>& operation);
  // The styles' event prologue: modifiers recorded, (x, y) converted to display.
  void BeginEvent(unsigned flags, int x, int y, int display[2]);
  // Post-multiplies a world translation into the record's object transform.
  void TranslateObject(const double world[3]);

  int State = 0;
  vtkNew<vtkPerspectiveTransform> CameraTransform;
  vtkNew<vtkTransform> ViewTransform;

private:
  bool RingHits(int x, int y, int i, int h);

  float AboutZSpan;
  CQlmZoomRectangle ZoomRectangle;
};
