#pragma once
// A ruler of the axial, panoramic or 3D view. A 2D ruler is shown only while
// its view is on the slice (or panoramic curve) it was drawn on; a 3D ruler
// always, wider, in the 3D view's surface layer.
#include "objects/CQlmRullerBase.h"

class CQlmLayeredWindow;

class CQlmRuller : public CQlmRullerBase {
public:
  static CQlmRuller* CreateObject() { return new CQlmRuller; }
  // Takes the props out of the window's renderers first.
  ~CQlmRuller() override;

  // The view's wrapper (not owned).
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  // Line, tips and label into layer 3 (3D ruler) or layer 1 (2D ruler); nothing without a window.
  void AddToRenderer();
  void RemoveFromRenderer();

  // The view's slice: a 2D ruler drawn on another one hides; otherwise the
  // props take the visible flag.
  void SetCurrentSlice(int slice);
  // The slice it was drawn on, then the current one.
  void SetSlice(int own, int current);
  // Stores the flag and re-applies the current slice.
  void SetVisibility(int visible);

  // A ruler of the 3D view: line width 5 instead of 3, ticks across the line in 3D.
  void Set3D(int on);
  int Get3D() const { return this->Is3D; }

  void Serialize(CArchive& archive) override;

private:
  vtkRenderer* Renderer() const;

  CQlmLayeredWindow* Window = nullptr;
  int Is3D = 0;
};
