#pragma once
// The reformatting parameters of the panoramic and cross-section images.
// The caller fills the fields, runs the dialog and on IDOK clamps
// (ClampToRanges) and applies them; the dialog itself checks only that each
// field is a number.
#include "platform/gui/CDialog.h"

class CDialogReformat : public CDialog {
public:
  explicit CDialogReformat(CWnd* parent = nullptr);

  // Curves 3 .. 50, curve spacing 0.1 .. 10 mm, section width 1 .. 100 mm,
  // section spacing 0.1 .. 5 mm, thickness 1 .. 50 mm; a value that is not
  // finite becomes the lowest.
  void ClampToRanges();

  // The number of panoramic curves and their spacing (mm).
  int Curves = 0;
  float CurveSpacing = 0.0f;
  // The cross-sections' width and spacing (mm).
  float SectionWidth = 0.0f;
  float SectionSpacing = 0.0f;
  // The thick panoramic image: on (1) or off (0), its thickness (mm) and
  // its reconstruction: 0 mean, 1 MIP, 2 mean + MIP.
  int ThickImage = 1;
  float Thickness = 22.0f;
  int Reconstruction = 2;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
};
