#pragma once
// Camera and object manipulation for one single-view wrapper (CQlm3DWindow):
// picking, panning, zooming, rotating and rolling the camera, the standard 3D
// views, and the object operations of CQlmInteractorBase. It receives no
// events itself: the styles derive from it, record each event and call the
// operation that the interaction state asks for. Camera operations change
// the camera only; the caller renders.
//
// Arguments are display coordinates (y up) or their differences; the styles
// pass the drag zooms and rotations (x - lastX, y - lastY) and the rolls
// (lastX, lastY, x, y).
#include <vtkCellPicker.h>
#include <vtkNew.h>

#include <memory>

#include "views/CQlmInteractorBase.h"
#include "views/CQlmInteractorStruct.h"

class CQlm3DWindow;

class CQlm3DInteractor : public CQlmInteractorBase {
public:
  static CQlm3DInteractor* New();
  ~CQlm3DInteractor() override;

  // Binds the interactor to `window`: its render window, layer renderers and
  // shared camera; the layer-3 renderer becomes the pick renderer.
  void SetWindow(CQlm3DWindow* window);
  CQlm3DWindow* GetWindow() const { return this->Window; }

  // The state record shared with the editing tools; owned.
  CQlmInteractorStruct* GetRecord() const { return this->Record.get(); }

  // The centre point of the centre-based camera moves (w stays 1).
  void SetCenter(float x, float y, float z);

  // Zoom by vertical drag about the pivot / centre point, which keeps its
  // screen place; dragging up zooms in.
  void ZoomAboutPivot(int dx, int dy);
  void ZoomAboutCenter(int dx, int dy);
  // Rotate the camera about the pivot / centre point.
  void RotateAboutPivot(int dx, int dy);
  void RotateAboutCenter(int dx, int dy);
  // Roll the camera by the angle the pointer turns around the view centre.
  void RollAboutPivot(int x0, int y0, int x1, int y1);
  void RollAboutCenter(int x0, int y0, int x1, int y1);
  // Centres the view on the rubber band (press to release position) and zooms
  // by the whole number of times it fits; nothing for an empty band.
  void AreaZoom();
  // Parallel scale x 0.75 / divided by 0.75; the wheel steps use 0.85.
  void ZoomIn();
  void ZoomOut();
  void WheelZoomIn();
  void WheelZoomOut();
  // Camera reset to the visible props of layer 3, then zoom 1.5.
  void ResetZoom();

  // The standard views "Frente", "Atrás", "Esquerda", "Direita", "Topo",
  // "Fundo", "IsoMand" and "IsoMax", each reset to the props and zoomed 1.5.
  void ViewFront();
  void ViewBack();
  void ViewLeft();
  void ViewRight();
  void ViewTop();
  void ViewBottom();
  void ViewIsoMand();
  void ViewIsoMax();

  // Picks in the pick renderer, then on rings up to PickSearchRadius pixels
  // around (x, y); stores the actor hit (or null) and the pick position. The
  // window's status texts are silenced while it picks.
  void Pick(int x, int y);
  // Picks at (x, y) without the ring search; on a hit the cursor point
  // becomes the pick position.
  void PickCursorPoint(int x, int y);
  // The cursor point becomes the world point of (x, y) at display depth 0.1.
  void DragCursorPoint(int x, int y);

  // States 26 / 27 / 28: moves the object along the frame's x / y / z axis by
  // the vertical drag times 0.004 of the parallel scale.
  void MoveObjectAlongAxis(int x, int y);

protected:
  CQlm3DInteractor();

  CQlmInteractorRecord& Common() override { return *this->Record; }
  vtkRenderer* CoordinateRenderer() override { return this->Record->Renderer; }
  QWidget* HostWindow() override;
  bool PickActorAt(int x, int y) override;

private:
  void ZoomAbout(const float point[4], int dy);
  void RotateAbout(const float point[4], int dx, int dy);
  void RollAbout(const float point[4], int x0, int y0, int x1, int y1);
  void SetParallelScale(double scale);
  // Camera looking from `position` at the origin, then reset and zoomed 1.5.
  void SetStandardView(double x, double y, double z, double upX, double upY, double upZ);
  void ApplyCameraTransform();
  // Clears (0) or sets (1) the ShowText flag of the window's status targets.
  void SetStatusShowText(int show);

  std::unique_ptr<CQlmInteractorStruct> Record;
  CQlm3DWindow* Window = nullptr;
  vtkNew<vtkCellPicker> Picker;
  double PickDepth = 1.0;
};
