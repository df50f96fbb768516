#pragma once
// The frame of the 3D view: the lower right pane of the main frame, holding
// the 3D view window and a vertical tool bar at its right edge with the 3D
// camera tools, the standard views, the 3D indicators, the 3D-object list,
// the reduced display during drags and the implant and teeth tools. The
// "Visualização Padrão" and "Indicadores 3D" buttons open their menu from
// their drop-down arrow only. Commands are offered to the view first. The
// frame toggles the reduced display itself; its other commands are rows of
// the main frame's command table (CMainFrameCommands), which the main frame
// maps into it.
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CToolBar.h"
#include "views/C3DWnd.h"

class CQlmDegradation;
class CQlmQuorvantile;

class C3DFrame : public CFrameWnd {
public:
  // The tool bar's buttons and the entries of its two menus.
  enum Command : UINT {
    Degradation = 32772,
    Properties3D = 32773,
    SelectImplant = 32817,
    Rotate3D = 32818,
    StandardViews = 32819,
    Indicators3D = 32820,
    ViewTop = 32837,
    ViewBottom = 32838,
    ViewFront = 32839,
    ViewBack = 32840,
    ViewLeft = 32841,
    ViewRight = 32842,
    ViewIsoMand = 32843,
    ViewIsoMax = 32844,
    AxialIndicator = 32845,
    CrossIndicator = 32846,
    PanoramicIndicator = 32847,
    TransparentIndicators = 32848,
    MoveImplant = 32857,
    RotateImplant = 32858,
    Move3D = 33152,
    ScaleTeeth = 33282
  };
  static constexpr UINT ToolBarResource = 130;
  static constexpr UINT StandardViewsMenu = 161;
  static constexpr UINT IndicatorsMenu = 162;

  // Registers the tool bar, the two menus and the buttons' prompts.
  static void RegisterResources();

  C3DFrame();

  bool OnCmdMsg(UINT id, QlmCmdCode code, CCmdUI* ui) override;
  // The arrow of "Visualização Padrão" or "Indicadores 3D": its menu opens
  // to the left of the bar, level with the button's middle.
  void OnToolBarDropDown(CToolBar& bar, UINT id) override;

  C3DWnd View;
  CToolBar ToolBar;
  // The current controller; not owned. The main frame sets it whenever it makes one.
  CQlmQuorvantile* Quorvantile = nullptr;

protected:
  // The view over the client area, the tool bar with its two drop-down arrows; -1 when one fails.
  int OnCreate() override;
  void OnSetFocus() override;

private:
  // A project is open and the 3D view renders.
  bool Is3DOpen() const;
  // The degradation object the controller gave the 3D view's style; null for none.
  CQlmDegradation* GetDegradation() const;
  void ToggleDegradation();
};
