#pragma once
// The indicator and label settings: section numbers, which view shows the
// position indicators of which other view, the colour profile and the text
// backgrounds. The caller fills the fields (from the settings file or
// SetDefaults), runs the dialog and on IDOK applies them; checks are 1 or 0.
#include "platform/gui/CDialog.h"

class CDialogIndicators : public CDialog {
public:
  // The section numbers are written every Step sections.
  static constexpr int MinimumStep = 1;
  static constexpr int MaximumStep = 50;

  explicit CDialogIndicators(CWnd* parent = nullptr);

  // Numbers and all sections off, step 5, the 3D indicators off, the six 2D
  // ones on, the standard profile, backgrounds off (those of coordinates,
  // numbers, orientation, titles, ruler measures and implant labels on).
  void SetDefaults();

  int ShowNumbers = 0;
  int AllSections = 0;
  // 1 to 50; OK refuses anything else and the dialog stays open.
  int Step = 0;
  int Axial3D = 0;
  int Cross3D = 0;
  int Pan3D = 0;
  // Cross-sections and curve in the axial view, axial level and curve in the
  // cross-sections, axial level and cross-sections in the panoramic view.
  int CrossAxial = 0;
  int PanAxial = 0;
  int AxialCross = 0;
  int PanCross = 0;
  int AxialPan = 0;
  int CrossPan = 0;
  // Backgrounds of the texts, each used only while Backgrounds is on.
  int CoordinatesBackground = 0;
  int NumbersBackground = 0;
  int OrientationBackground = 0;
  int RulerNumbersBackground = 0;
  int TitleBackground = 0;
  // 0 standard, 1 strong colours; -1 none chosen.
  int Profile = -1;
  int Backgrounds = 0;
  int RulerMeasuresBackground = 0;
  int ImplantLabelsBackground = 0;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  // The step edit and the background checks enabled by their switches.
  BOOL OnInitDialog() override;

private:
  void EnableStep(bool enable);
  void EnableBackgrounds(bool enable);
  void RestoreDefaults();
};
