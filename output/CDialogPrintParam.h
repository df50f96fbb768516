#pragma once
// The screen-capture parameters: which views, true scale with its
// resolution, 3D enlargement and the scaling of texts and lines, and a forced
// size of the 2D captures. OK checks the values in a fixed order and keeps
// the dialog open at the first one out of range.
#include "platform/gui/CDialog.h"

class CDialogPrintParam : public CDialog {
public:
  explicit CDialogPrintParam(CWnd* parent = nullptr);

  int Axial = 0;
  int View3D = 0;
  int CrossSection = 0;
  int Panoramic = 0;
  // "Calcular 1:1 Escala": enables the resolution, the 3D multiplier and ScaleTextLines.
  int TrueScale = 0;
  // Enlargement of the 3D capture, 0.1 to 30.
  float Multiplier3D = 0;
  // "Força Retângulo": enables the width and the height.
  int FixedSize = 0;
  // Forced size in millimetres, 5 to 1000 (checked also while FixedSize is off).
  unsigned int Width = 0;
  unsigned int Height = 0;
  // Scale bars, texts and lines follow the resolution; the resolution must then lie in 100 to 1500.
  int ScaleTextLines = 1;
  // Dots per inch of the 2D captures.
  int Resolution = 0;

protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  void OnOK() override;

private:
  void OnSwitchClicked();
  void EnableControls();
  // The first refusal of the checks, shown; false when one refused.
  bool CheckValues() const;
};
