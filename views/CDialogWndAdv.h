#pragma once
// Which views are active, which overlays each view shows, and the 3D
// view's background colour. The caller fills the fields, runs the dialog
// and on IDOK applies them; checks are 1 (on) or 0.
#include "platform/gui/CDialog.h"
#include "views/CStaticColor.h"

class CDialogWndAdv : public CDialog {
public:
  explicit CDialogWndAdv(CWnd* parent = nullptr);

  // Every check on, 3D colour 84.15 (0.33 of 255). The 3D swatch keeps its
  // colour until the dialog paints it again.
  void SetDefaults();

  CStaticColor SwatchPanoramic;
  CStaticColor SwatchCross;
  CStaticColor SwatchAxial;
  CStaticColor Swatch3D;

  int Borders3D = 0;
  int Title3D = 0;
  int Active3D = 0;
  int ActiveAxial = 0;
  int ActiveCross = 0;
  int ActivePanoramic = 0;
  int AxialBorders = 0;
  int AxialCoordinates = 0;
  int AxialOrientation = 0;
  int AxialRulers = 0;
  int CrossBorders = 0;
  int CrossCoordinates = 0;
  int CrossOrientation = 0;
  int CrossRulers = 0;
  int CrossTitle = 0;
  int AxialTitle = 0;
  int PanoramicBorders = 0;
  int PanoramicCoordinates = 0;
  int PanoramicOrientation = 0;
  int PanoramicRulers = 0;
  int PanoramicTitle = 0;

  // Background colours, red, green and blue from 0 to 255. Only the 3D one
  // can be chosen; the three 2D views keep black, and their swatches are
  // disabled.
  float AxialColor[3] = {};
  float CrossColor[3] = {};
  float PanoramicColor[3] = {};
  float Color3D[3] = {};

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  // Paints the four swatches.
  BOOL OnInitDialog() override;

private:
  void Choose3DColor();
  void RestoreDefaults();
};
