#pragma once
// The overlays of one view, gathered: border, title and, for the axial and
// panoramic views, orientation letters, position number and scale bars (the
// 3D view has only title and border). They are attached to the view's
// wrapper together and pointed at an off-screen copy together
// (CQlmOverlayRedirect), so none is left measuring a deleted copy.
#include <memory>

#include "views/CQlmBorderWindow.h"
#include "views/CQlmNumberWindow.h"
#include "views/CQlmOrientWindow.h"
#include "views/CQlmRullerWindow.h"
#include "views/CQlmTitleWindow.h"

class CQlmLayeredWindow;

class CQlmViewOverlays {
public:
  // Visibility flags in SetVisibilities order.
  enum Item { Title, Orientation, Number, Ruller, Border, ItemCount };

  // `measured` 1: all five overlays; 0: title and border. Null when memory runs out.
  static CQlmViewOverlays* New(int measured);
  CQlmViewOverlays(const CQlmViewOverlays&) = delete;
  CQlmViewOverlays& operator=(const CQlmViewOverlays&) = delete;
  // Takes every overlay out of its window.
  ~CQlmViewOverlays();

  // Every overlay keeps `window` (not owned) and goes into it.
  void Attach(CQlmLayeredWindow* window);
  // Every overlay measures `copy`; see CQlmOverlayRedirect.
  void SetOffScreenWindow(CQlmLayeredWindow* copy);
  // Every overlay measures its own window again.
  void PointAtWindow();
  // Visible flags in Item order; a flag for an overlay the view lacks is ignored.
  void SetVisibilities(const int visible[ItemCount]);

  std::unique_ptr<CQlmBorderWindow> BorderWindow;
  std::unique_ptr<CQlmTitleWindow> TitleWindow;
  // Null in the 3D view.
  std::unique_ptr<CQlmOrientWindow> OrientWindow;
  std::unique_ptr<CQlmNumberWindow> NumberWindow;
  std::unique_ptr<CQlmRullerWindow> RullerWindow;

private:
  CQlmViewOverlays() = default;
  // `apply` on each overlay the view has.
  template <class Apply>
  void ForEach(Apply apply);

  CQlmLayeredWindow* Window = nullptr;
};
