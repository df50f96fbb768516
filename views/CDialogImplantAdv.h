#pragma once
// How implants are drawn: screw and connector colours, outline or filled
// cuts, the description and its font size, and the axis. The caller fills
// the fields, runs the dialog and on IDOK stores and applies them.
#include "platform/gui/CDialog.h"
#include "views/CStaticColor.h"

class CDialogImplantAdv : public CDialog {
public:
  explicit CDialogImplantAdv(CWnd* parent = nullptr);

  CStaticColor SwatchConnector;
  CStaticColor SwatchImplant;
  // Cuts: 0 outline, 1 filled; -1 none chosen.
  int Fill = -1;
  // Description: 0 the index, 1 the size; -1 none chosen.
  int Description = -1;
  int ShowAxis = 0;
  int ShowDescription = 0;
  // 0 small, 1 medium, 2 large.
  int FontSize = 1;
  // Red, green and blue from 0 to 1.
  float ImplantColor[3] = {};
  float ConnectorColor[3] = {};

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  // Paints both swatches.
  BOOL OnInitDialog() override;

private:
  void ChooseColor(float (&color)[3], CStaticColor& swatch);
};
