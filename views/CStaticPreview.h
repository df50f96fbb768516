#pragma once
// What the dialogs' small picture controls share (CStaticVTK, CStatic2D):
// a static control of a dialog template that shows its own render-window
// wrapper and routes its mouse to its own interactor style. The owning
// dialog adds its actors to the wrapper's layer renderers, sets the style's
// state for its tool buttons and calls the wrapper's Render.
//
// The wrapper gets the control's widget as its host as soon as the widget
// exists (Create or SubclassDlgItem) and shows the picture from the first
// paint on. The control never takes the focus; Qt keeps the mouse with it
// from a press to the release.
//
// Each control frames its picture with a border (layer 0) and titles it
// (title overlay); both leave the wrapper's renderers before it goes.
//
// The cursor follows the style's state: arrow in state 0, the pan (146),
// area zoom (147), zoom in (174), zoom out (175) and reset zoom (176)
// pictures in states 60, 67, 90, 91 and 92, and in state 68 the rotation
// cursor: 148 while the pointer is inside the circle in which a drag
// rotates, 149 outside it, where a drag rolls. Other states keep the cursor.
#include <QCursor>
#include <memory>

#include "platform/gui/CStatic.h"
#include "views/QlmInteraction.h"

class CQlm3DWindow;
class CQlmBorderWindow;
class CQlmTitleWindow;

template <class StyleType>
class CStaticPreview : public CStatic {
public:
  ~CStaticPreview() override;

  // The wrapper (mode 2, black background); owned.
  CQlm3DWindow* GetWrapper() const { return this->Wrapper.get(); }
  // The mouse style, bound to the wrapper; owned.
  StyleType* GetInteractorStyle() const { return this->InteractorStyle.get(); }
  // The frame and the title, attached to the wrapper; owned.
  CQlmBorderWindow* GetBorder() const { return this->Border.get(); }
  CQlmTitleWindow* GetTitle() const { return this->Title.get(); }

protected:
  // The title shows `title`; the style starts in interaction state `state`.
  CStaticPreview(const char* title, int state);

  void PreSubclassWindow() override;
  void OnDestroy() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;

  // In state 68: the rotation cursor for the pointer at `point`.
  void ChooseRotationCursor(CPoint point);
  // The cursor of the style's state.
  void UpdateCursor();

private:
  enum CursorIndex { Arrow, Pan, AreaZoom, ZoomIn, ZoomOut, ZoomReset, RotateInside, RotateOutside, CursorCount };
  struct StateCursor {
    int State;
    CursorIndex Cursor;
  };
  // The cursor of each state but the trackball's.
  static constexpr StateCursor StateCursors[] = {{QlmState::None, Arrow},        {QlmState::Pan, Pan},
                                                 {QlmState::AreaZoom, AreaZoom}, {QlmState::ZoomIn, ZoomIn},
                                                 {QlmState::ZoomOut, ZoomOut},   {QlmState::ZoomReset, ZoomReset}};

  std::unique_ptr<CQlm3DWindow> Wrapper;
  std::unique_ptr<StyleType> InteractorStyle;
  // Declared after the wrapper: they leave its renderers first.
  std::unique_ptr<CQlmBorderWindow> Border;
  std::unique_ptr<CQlmTitleWindow> Title;
  QCursor Cursors[CursorCount];
  int RotationCursor = RotateInside;
};
