#pragma once
// Interaction core: the editing tool that the views' mouse styles call.
//
// A style records each mouse event in its interactor's state record and, in
// the states that a tool drives, hands the event to the core attached to it
// through DispatchMainViewEvent (axial, panoramic and 3D views) or
// DispatchCrossViewEvent (the 3x3 cross-section window). The core reads the
// event word, the state, the modifiers, the positions and the picked object
// from that record. Attaching a core to a style activates it on the style's
// window; detaching deactivates it. The base class does nothing on any call.
class CQlm3DWindow;
class CQlm3DWindow9;
class CQlmQuorvantile;

class CQlmCore {
public:
  CQlmCore(const CQlmCore&) = delete;
  CQlmCore& operator=(const CQlmCore&) = delete;

  // Destroys the core through its virtual destructor.
  virtual void Delete() { delete this; }
  virtual ~CQlmCore() = default;

  // Attached to the cross-section window's style / to a main view's style.
  virtual void ActivateCross(CQlm3DWindow9* /*window*/) {}
  virtual void ActivateMain(CQlm3DWindow* /*window*/) {}
  // Detached from the cross-section window's style / from a main view's style.
  virtual void DeactivateCross(CQlm3DWindow9* /*window*/) {}
  virtual void DeactivateMain(CQlm3DWindow* /*window*/) {}
  // An event in the view of MainView / in CrossWindow.
  virtual void OnMainViewEvent() {}
  virtual void OnCrossViewEvent() {}

  // Stores the view that sent the event, then calls OnMainViewEvent.
  void DispatchMainViewEvent(CQlm3DWindow* window) {
    this->MainView = window;
    this->OnMainViewEvent();
  }
  // Stores the cross-section window, then calls OnCrossViewEvent.
  void DispatchCrossViewEvent(CQlm3DWindow9* window) {
    this->CrossWindow = window;
    this->OnCrossViewEvent();
  }

  // The single view that sent the latest main-view event; not owned.
  CQlm3DWindow* MainView = nullptr;
  // The cross-section window of the latest cross-view event; not owned.
  CQlm3DWindow9* CrossWindow = nullptr;
  // The controller that owns the core; set right after creation.
  CQlmQuorvantile* Owner = nullptr;
  // 0 off; each tool gives the other values their meaning.
  int Mode = 0;

protected:
  CQlmCore() = default;
};
