#pragma once
// The overlays of the cross-section view, gathered as CQlmViewOverlays:
// borders, titles, orientation letters, numbers and scale bars of the nine cells.
#include <memory>

#include "views/CQlmBorderWindow9.h"
#include "views/CQlmNumberWindow9.h"
#include "views/CQlmOrientWindow9.h"
#include "views/CQlmRullerWindow9.h"
#include "views/CQlmTitleWindow9.h"
#include "views/CQlmViewOverlays.h"

class CQlmLayeredWindow9;

class CQlmViewOverlays9 {
public:
  // Null when memory runs out.
  static CQlmViewOverlays9* New();
  CQlmViewOverlays9(const CQlmViewOverlays9&) = delete;
  CQlmViewOverlays9& operator=(const CQlmViewOverlays9&) = delete;
  ~CQlmViewOverlays9();

  void Attach(CQlmLayeredWindow9* window);
  void SetOffScreenWindow(CQlmLayeredWindow9* copy);
  void PointAtWindow();
  // Visible flags in CQlmViewOverlays::Item order.
  void SetVisibilities(const int visible[CQlmViewOverlays::ItemCount]);

  std::unique_ptr<CQlmBorderWindow9> BorderWindow;
  std::unique_ptr<CQlmTitleWindow9> TitleWindow;
  std::unique_ptr<CQlmOrientWindow9> OrientWindow;
  std::unique_ptr<CQlmNumberWindow9> NumberWindow;
  std::unique_ptr<CQlmRullerWindow9> RullerWindow;

private:
  CQlmViewOverlays9() = default;
  template <class Apply>
  void ForEach(Apply apply);

  CQlmLayeredWindow9* Window = nullptr;
};
