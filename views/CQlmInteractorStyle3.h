#pragma once
// Mouse style of the 3D view and the 3D preview, over CQlm3DInteractor.
//
// Handlers as in CQlmInteractorStyle2D (flag word, window coordinates,
// prologue, then an action by interaction state), with the 3D table: object
// states pick on press and call the tool; double clicks in object states call
// the tool without picking; camera drags rotate, roll and zoom about the
// pivot or centre point; state 68 is a trackball that rotates inside the
// rotation circle and rolls outside it. Every drag step of the camera or of
// an object first calls the degradation's StartInteraction, and the release
// that ends it calls EndInteraction before rendering. A right release stores
// no event word and never reaches the tool.
#include "views/CQlm3DInteractor.h"

class CQlmCore;
class CQlmDegradation;

class CQlmInteractorStyle3 : public CQlm3DInteractor {
public:
  // The style with no core and no degradation, or null when memory runs out.
  static CQlmInteractorStyle3* New();

  // As CQlmInteractorStyle2D::SetCore, on a main view.
  void SetCore(CQlmCore* core);
  CQlmCore* GetCore() const { return this->Core; }

  // Shows the 3D surfaces reduced while a drag lasts; not owned, may be null.
  void SetDegradation(CQlmDegradation* degradation) { this->Degradation = degradation; }
  CQlmDegradation* GetDegradation() const { return this->Degradation; }

  void OnLeftButtonDown(int flags, int x, int y);
  void OnLeftButtonDblClk(int flags, int x, int y);
  void OnLeftButtonUp(int flags, int x, int y);
  void OnMouseMove(int flags, int x, int y);
  void OnRightButtonDown(int flags, int x, int y);
  void OnRightButtonUp(int flags, int x, int y);
  // Ends a drag in every state (no state test): EndInteraction, render.
  void OnMiddleButtonUp(int flags, int x, int y);
  // Below 0 zooms out, above 0 in (parallel scale / or x 0.85), then renders.
  void OnMouseWheel(int flags, int delta, int x, int y);

  // 1 when the last position lies within min(W, H) / 3 of the window centre.
  void UpdateRotationCircle();
  int GetInsideRotationCircle() const { return this->InsideRotationCircle; }

protected:
  CQlmInteractorStyle3() = default;

private:
  void ActOnLeftClick(int x, int y, bool doubleClick);
  void ActOnDrag(int x, int y);
  void ActOnLeftRelease(int x, int y);
  void CallCore();
  void RenderView();
  void StartInteraction();
  void EndInteraction();

  CQlmCore* Core = nullptr;
  CQlmDegradation* Degradation = nullptr;
  int InsideRotationCircle = 0;
};
